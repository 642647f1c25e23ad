#include "gui/platform/QtSerialLink.h"

#include <QEventLoop>
#include <QTimer>

#include "core/common/AppError.h"
#include "core/common/ErrorCode.h"
#include "core/ignition/ComSettings.h"
#include "core/ignition/SerialErrors.h"
#include "gui/platform/SerialPortProbe.h"

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
  return error == QSerialPort::ResourceError || error == QSerialPort::ReadError || error == QSerialPort::WriteError ||
         error == QSerialPort::DeviceNotFoundError || error == QSerialPort::PermissionError ||
         error == QSerialPort::OpenError;
}

// The serial component reports a missing permission, a lock held by another program and a busy
// device all as a permission error; the probe tells them apart.
PortOpenFailure OpenFailureOf(QSerialPort::SerialPortError error) {
  switch (error) {
    case QSerialPort::DeviceNotFoundError:
      return PortOpenFailure::NotFound;
    case QSerialPort::PermissionError:
      return PortOpenFailure::PermissionOrBusy;
    default:
      return PortOpenFailure::Other;
  }
}

}  // namespace

QtSerialLink::QtSerialLink(PortNameSource portName, PortProbe probe, QObject* parent)
    : QObject(parent), portName_(std::move(portName)), probe_(probe ? std::move(probe) : PortProbe(ProbeSerialPort)) {
  connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialLink::OnError);
}

void QtSerialLink::OnError(QSerialPort::SerialPortError error) {
  if (port_.isOpen() && IsFatal(error)) lost_ = true;
}

void QtSerialLink::ThrowIfLost() {
  if (!lost_) return;
  // Closed, so that the next job opens the port again, wherever it has come back.
  if (port_.isOpen()) port_.close();
  throw DescribePortLost(openedName_);
}

void QtSerialLink::Open(const std::string& settings) {
  if (port_.isOpen() && !lost_) return;
  if (port_.isOpen()) port_.close();
  lost_ = false;
  const std::string name = portName_();
  if (name.empty()) RaiseError(ErrNoComPort);
  const LineSettings line = ParseComSettings(settings);

  port_.setPortName(QString::fromStdString(name));
  if (!port_.open(QIODevice::ReadWrite)) {
    const QSerialPort::SerialPortError error = port_.error();
    const std::string reason = port_.errorString().toStdString();
    port_.clearError();
    throw DescribeOpenFailure(name, OpenFailureOf(error), reason, probe_(name));
  }
  openedName_ = name;
  const bool applied = port_.setBaudRate(line.baud) &&
                       port_.setDataBits(static_cast<QSerialPort::DataBits>(line.dataBits)) &&
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

bool QtSerialLink::IsOpen() const { return port_.isOpen() && !lost_; }

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
