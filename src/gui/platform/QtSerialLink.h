#pragma once

#include <QObject>
#include <QSerialPort>
#include <functional>
#include <string>

#include "core/ignition/SerialLink.h"
#include "core/ignition/SerialPortDiagnosis.h"

namespace curvedesk {

// The program's serial port: a QSerialPort with XON/XOFF handshaking and the line settings of
// ComSettings. It is opened by the first job and stays open; the port name is asked for at that
// moment, so a port chosen later takes effect at the next start. A port that fails or goes away
// (the programmer unplugged) ends the job at once and is closed, so the next job opens the
// configured port afresh. Waiting runs a local event loop that wakes on arriving characters, a
// failure of the port or the deadline, so windows stay alive. The port's failures raise the serial
// error numbers with a description that names the port and says what to do.
class QtSerialLink : public QObject, public SerialLink {
 public:
  // Returns the port to open; empty means that no port is configured (ErrNoComPort).
  using PortNameSource = std::function<std::string()>;
  // What the system tells about a port that would not open; the system itself unless a test says.
  using PortProbe = std::function<SerialPortFacts(const std::string& port)>;

  explicit QtSerialLink(PortNameSource portName, PortProbe probe = {}, QObject* parent = nullptr);

  void Open(const std::string& settings) override;
  bool IsOpen() const override;
  std::size_t BytesAvailable() override;
  std::string Read(std::size_t count = 0) override;
  void Write(std::string_view text) override;
  void ClearInput() override;
  bool WaitForInput(std::chrono::milliseconds timeout) override;

 private:
  void OnError(QSerialPort::SerialPortError error);
  void ThrowIfLost();

  PortNameSource portName_;
  PortProbe probe_;
  QSerialPort port_;
  std::string openedName_;  // the name the port was opened under
  bool lost_ = false;       // the port failed while open
};

}  // namespace curvedesk
