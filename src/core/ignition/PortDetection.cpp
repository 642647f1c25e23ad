#include "core/ignition/PortDetection.h"

#include <algorithm>

#include "core/ignition/SerialPortChoice.h"

namespace curvedesk {

namespace {
constexpr int kHighestProbedPort = 16;
}  // namespace

std::string ListComPorts(const std::function<bool(int)>& exists) {
  std::vector<PortEntry> ports;
  for (int n = 1; n <= kHighestProbedPort; ++n)
    if (exists(n)) ports.push_back({"COM" + std::to_string(n), "COM" + std::to_string(n)});
  return JoinPorts(ports);
}

std::vector<PortEntry> ListSerialDevices(std::vector<SerialDevice> devices) {
  std::stable_sort(devices.begin(), devices.end(), [](const SerialDevice& a, const SerialDevice& b) {
    if (a.usbAdapter != b.usbAdapter) return a.usbAdapter;
    return a.path < b.path;
  });
  std::vector<PortEntry> entries;
  for (const SerialDevice& device : devices)
    entries.push_back({device.stablePath.empty() ? device.path : device.stablePath,
                       PortLabel(device.path, device.description, device.manufacturer)});
  return entries;
}

std::string PortLabel(const std::string& name, const std::string& description, const std::string& manufacturer) {
  // Adapters often repeat their maker in their description ("FTDI USB Serial"): say it once.
  const bool makerSaid = manufacturer.empty() || description.find(manufacturer) != std::string::npos;
  if (description.empty()) return manufacturer.empty() ? name : name + " \u2014 " + manufacturer;
  return name + " \u2014 " + description + (makerSaid ? "" : " (" + manufacturer + ")");
}

std::string JoinPorts(const std::vector<PortEntry>& entries) {
  std::string list;
  for (const PortEntry& entry : entries) list += (list.empty() ? "" : ",") + entry.port;
  return list;
}

std::vector<PortEntry> EntriesOfList(const std::string& comPortsList, const std::vector<PortEntry>& present) {
  std::vector<PortEntry> entries;
  for (const std::string& port : SplitPortsList(comPortsList)) {
    const auto found =
        std::find_if(present.begin(), present.end(), [&](const PortEntry& entry) { return entry.port == port; });
    entries.push_back(found == present.end() ? PortEntry{port, port} : *found);
  }
  return entries;
}

}  // namespace curvedesk
