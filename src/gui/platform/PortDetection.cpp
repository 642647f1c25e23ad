#include "gui/platform/PortDetection.h"

#include <QSerialPortInfo>
#include <QtGlobal>

#include "core/ignition/PortDetection.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace curvedesk {

#ifdef Q_OS_WIN

namespace {
// True when "COM" + n + ":" can be opened; a port held by another program cannot.
bool PortExists(int portNumber) {
  const std::string name = "COM" + std::to_string(portNumber) + ":";
  HANDLE handle = CreateFileA(name.c_str(), 0, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  CloseHandle(handle);
  return true;
}
}  // namespace

std::string DetectPorts() { return ListComPorts(PortExists); }

#else

std::string DetectPorts() {
  std::vector<SerialDevice> devices;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
    devices.push_back({info.systemLocation().toStdString(), info.hasVendorIdentifier()});
  return ListSerialDevices(std::move(devices));
}

#endif

}  // namespace curvedesk
