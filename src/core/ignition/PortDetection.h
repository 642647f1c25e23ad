#pragma once

#include <functional>
#include <string>
#include <vector>

namespace curvedesk {

// "COM1,COM3": the numbered ports 1 to 16 for which `exists` says yes, in order. Ports above 16
// are never probed.
std::string ListComPorts(const std::function<bool(int portNumber)>& exists);

struct SerialDevice {
  std::string path;  // "/dev/ttyUSB0"
  bool usbAdapter = false;
};

// Device paths joined by ",", USB adapters first (the programmer is one), each group in name order.
std::string ListSerialDevices(std::vector<SerialDevice> devices);

}  // namespace curvedesk
