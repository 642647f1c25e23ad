#pragma once

#include <functional>
#include <string>
#include <vector>

namespace curvedesk {

// A port as the port dialog offers it: the name kept in ComPortsList and ComDevice, and the text
// the list shows for it.
struct PortEntry {
  std::string port;   // "COM3", "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", "/dev/pts/3"
  std::string label;  // "/dev/ttyUSB0 — FT232R USB UART (FTDI)"; the port itself when nothing more is known

  bool operator==(const PortEntry&) const = default;
};

// "COM1,COM3": the numbered ports 1 to 16 for which `exists` says yes, in order. Ports above 16
// are never probed.
std::string ListComPorts(const std::function<bool(int portNumber)>& exists);

// Members initialised, so that a designated initializer may leave any of them out.
struct SerialDevice {
  std::string path{};  // "/dev/ttyUSB0"
  bool usbAdapter = false;
  std::string stablePath{};    // the name that survives re-plugging ("/dev/serial/by-id/..."); empty when none
  std::string description{};   // "FT232R USB UART"
  std::string manufacturer{};  // "FTDI"
};

// The devices as entries, USB adapters first (the programmer is one), each group in name order.
// An entry keeps the device's stable name where it has one, so the choice survives re-plugging.
std::vector<PortEntry> ListSerialDevices(std::vector<SerialDevice> devices);

// "/dev/ttyUSB0 — FT232R USB UART (FTDI)": the name the system uses today, what the adapter says
// it is and its maker; only the name when the adapter says nothing.
std::string PortLabel(const std::string& name, const std::string& description, const std::string& manufacturer);

// The ports joined by "," as ComPortsList keeps them.
std::string JoinPorts(const std::vector<PortEntry>& entries);

// The entries of a ComPortsList, labelled as in `present` where a port is there now.
std::vector<PortEntry> EntriesOfList(const std::string& comPortsList, const std::vector<PortEntry>& present);

}  // namespace curvedesk
