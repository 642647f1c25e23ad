#include "core/ignition/PortDetection.h"

#include <algorithm>

namespace curvedesk {

namespace {
constexpr int kHighestProbedPort = 16;

std::string JoinWithCommas(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ",") + item;
  return text;
}
}  // namespace

std::string ListComPorts(const std::function<bool(int)>& exists) {
  std::vector<std::string> ports;
  for (int n = 1; n <= kHighestProbedPort; ++n)
    if (exists(n)) ports.push_back("COM" + std::to_string(n));
  return JoinWithCommas(ports);
}

std::string ListSerialDevices(std::vector<SerialDevice> devices) {
  std::stable_sort(devices.begin(), devices.end(), [](const SerialDevice& a, const SerialDevice& b) {
    if (a.usbAdapter != b.usbAdapter) return a.usbAdapter;
    return a.path < b.path;
  });
  std::vector<std::string> paths;
  for (const SerialDevice& device : devices) paths.push_back(device.path);
  return JoinWithCommas(paths);
}

}  // namespace curvedesk
