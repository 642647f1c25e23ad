#include "gui/platform/PortDetection.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QtGlobal>

#include "core/ignition/SerialPortChoice.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace curvedesk {

namespace {

#ifdef Q_OS_WIN

// True when "COM" + n + ":" can be opened; a port held by another program cannot.
bool PortExists(int portNumber) {
  const std::string name = "COM" + std::to_string(portNumber) + ":";
  HANDLE handle = CreateFileA(name.c_str(), 0, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  CloseHandle(handle);
  return true;
}

#else

// The /dev/serial/by-id link that leads to the device: the name that stays when the adapter is
// plugged in again or elsewhere, where /dev/ttyUSB0 may become /dev/ttyUSB1.
QString StablePath(const QString& device) {
  const QString target = QFileInfo(device).canonicalFilePath();
  const QDir byId(QStringLiteral("/dev/serial/by-id"));
  for (const QFileInfo& link : byId.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
    if (link.isSymLink() && link.canonicalFilePath() == target) return link.absoluteFilePath();
  return {};
}

#endif

}  // namespace

std::vector<PortEntry> DetectPorts() {
  const QList<QSerialPortInfo> available = QSerialPortInfo::availablePorts();
#ifdef Q_OS_WIN
  std::vector<PortEntry> entries;
  for (const std::string& name : SplitPortsList(ListComPorts(PortExists))) {
    PortEntry entry{name, name};
    for (const QSerialPortInfo& info : available)
      if (info.portName().toStdString() == name)
        entry.label = PortLabel(name, info.description().toStdString(), info.manufacturer().toStdString());
    entries.push_back(entry);
  }
  return entries;
#else
  std::vector<SerialDevice> devices;
  for (const QSerialPortInfo& info : available)
    devices.push_back({info.systemLocation().toStdString(), info.hasVendorIdentifier(),
                       StablePath(info.systemLocation()).toStdString(), info.description().toStdString(),
                       info.manufacturer().toStdString()});
  return ListSerialDevices(std::move(devices));
#endif
}

}  // namespace curvedesk
