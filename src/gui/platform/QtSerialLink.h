#pragma once

#include <QObject>
#include <QSerialPort>
#include <functional>
#include <string>

#include "core/ignition/SerialLink.h"

namespace curvedesk {

// The program's serial port: a QSerialPort with XON/XOFF handshaking and the line settings of
// ComSettings. It is opened by the first job and stays open; the port name is asked for at that
// moment, so a port chosen later takes effect at the next start. Waiting runs a local event loop
// that wakes on arriving characters or the deadline, so windows stay alive. The port's failures
// raise the serial error numbers with a description naming the port.
class QtSerialLink : public QObject, public SerialLink {
 public:
  // Returns the port to open; empty means that no port is configured (ErrNoComPort).
  using PortNameSource = std::function<std::string()>;

  explicit QtSerialLink(PortNameSource portName, QObject* parent = nullptr);

  void Open(const std::string& settings) override;
  bool IsOpen() const override;
  std::size_t BytesAvailable() override;
  std::string Read(std::size_t count = 0) override;
  void Write(std::string_view text) override;
  void ClearInput() override;
  bool WaitForInput(std::chrono::milliseconds timeout) override;

 private:
  void OnError(QSerialPort::SerialPortError error);
  void ThrowIfLost() const;
  void Configure(const std::string& settings);

  PortNameSource portName_;
  QSerialPort port_;
  std::string lostReason_;  // set when the port failed while open
};

}  // namespace curvedesk
