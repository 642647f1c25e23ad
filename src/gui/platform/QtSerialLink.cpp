#include "gui/platform/QtSerialLink.h"

#include <QEventLoop>
#include <QTimer>

#include "core/common/AppError.h"
#include "core/common/ErrorCode.h"
#include "core/ignition/ComSettings.h"
#include "core/ignition/SerialErrors.h"

namespace curvedesk {

namespace {

QSerialPort::Parity ToParity(char parity) {
  switch (parity) {
    case 'e':
      return QSerialPort::EvenParity;
    case 'o':
      return QSerialPort::OddParity;
    case 'm':
      return QSerialPort::MarkParity;
    case 's':
      return QSerialPort::SpaceParity;
    default:
      return QSerialPort::NoParity;
  }
}

QSerialPort::StopBits ToStopBits(double stopBits) {
  if (stopBits == 2) return QSerialPort::TwoStop;
  if (stopBits == 1.5) return QSerialPort::OneAndHalfStop;
  return QSerialPort::OneStop;
}

// Failures that end the use of an open port. Others, such as an ioctl a pseudo-terminal does not
// support (the DTR line), change nothing about the characters and are not fatal.
bool IsFatal(QSerialPort::SerialPortError error) {
  return error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
         error == QSerialPort::WriteError || error == QSerialPort::DeviceNotFoundError ||
         error == QSerialPort::PermissionError || error == QSerialPort::OpenError;
}

}  // namespace

QtSerialLink::QtSerialLink(PortNameSource portName, QObject* parent)
    : QObject(parent), portName_(std::move(portName)) {
  connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialLink::OnError);
}

void QtSerialLink::OnError(QSerialPort::SerialPortError error) {
  if (!port_.isOpen() || !IsFatal(error)) return;
  lostReason_ = "The serial port " + port_.portName().toStdString() + " failed: " + port_.errorString().toStdString();
}

void QtSerialLink::ThrowIfLost() const {
  if (!lostReason_.empty()) RaiseError(ErrSerialPortLost, lostReason_);
}

void QtSerialLink::Open(const std::string& settings) {
  if (port_.isOpen()) return;
  const std::string name = portName_();
  if (name.empty()) RaiseError(ErrNoComPort);
  const LineSettings line = ParseComSettings(settings);

  lostReason_.clear();
  port_.setPortName(QString::fromStdString(name));
  if (!port_.open(QIODevice::ReadWrite)) {
    const std::string reason = "The serial port " + name + " could not be opened: " + port_.errorString().toStdString();
    RaiseError(port_.error() == QSerialPort::DeviceNotFoundError ? ErrSerialPortNotFound : ErrSerialPortOpen, reason);
  }
  const bool applied = port_.setBaudRate(line.baud) && port_.setDataBits(static_cast<QSerialPort::DataBits>(line.dataBits)) &&
                       port_.setParity(ToParity(line.parity)) && port_.setStopBits(ToStopBits(line.stopBits)) &&
                       port_.setFlowControl(QSerialPort::SoftwareControl);
  if (!applied && port_.error() != QSerialPort::UnsupportedOperationError) {
    const std::string reason = "The serial port " + name + " does not take the settings \"" + settings +
                               "\": " + port_.errorString().toStdString();
    port_.close();
    RaiseError(ErrSerialSettings, reason);
  }
  port_.clearError();
}

bool QtSerialLink::IsOpen() const { return port_.isOpen(); }

std::size_t QtSerialLink::BytesAvailable() {
  ThrowIfLost();
  return static_cast<std::size_t>(port_.bytesAvailable());
}

std::string QtSerialLink::Read(std::size_t count) {
  ThrowIfLost();
  const QByteArray bytes = count == 0 ? port_.readAll() : port_.read(static_cast<qint64>(count));
  return bytes.toStdString();
}

void QtSerialLink::Write(std::string_view text) {
  ThrowIfLost();
  port_.write(text.data(), static_cast<qint64>(text.size()));
  // Hand the characters to the port now rather than at the next turn of the event loop.
  port_.flush();
  ThrowIfLost();
}

void QtSerialLink::ClearInput() {
  ThrowIfLost();
  port_.clear(QSerialPort::Input);
  port_.readAll();
}

bool QtSerialLink::WaitForInput(std::chrono::milliseconds timeout) {
  ThrowIfLost();
  QEventLoop loop;
  QTimer deadline;
  deadline.setSingleShot(true);
  deadline.setTimerType(Qt::PreciseTimer);
  connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
  connect(&port_, &QSerialPort::readyRead, &loop, &QEventLoop::quit);
  connect(&port_, &QSerialPort::errorOccurred, &loop, &QEventLoop::quit);
  deadline.start(timeout);
  loop.exec();
  ThrowIfLost();
  return port_.bytesAvailable() > 0;
}

}  // namespace curvedesk
