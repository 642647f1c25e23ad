#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/common/Registry.h"

namespace curvedesk {

// Where ports are device paths (Linux and other Unix systems) the chosen path is kept in this
// registry value beside ComPort, ComPortsList and ProgramSerialSet. ComPort keeps its meaning:
// 0 is "no port configured"; on these systems any other number means "use ComDevice", and the
// port dialog stores the chosen entry's position in ComPortsList there.
inline constexpr const char* kComDeviceValue = "ComDevice";

enum class PortNaming { Numbered, DevicePaths };

// The port the link opens: "COM" + ComPort, or the ComDevice path; empty when no port is
// configured (ComPort 0, or no device chosen where ports are paths).
std::string ConfiguredPortName(std::int32_t comPort, const std::string& comDevice, PortNaming naming);

// The chosen device path; empty when the value is missing.
std::string LoadComDevice(RegistryStore& store, std::string_view keyPath);
// True only when ProgramSerialSet is "1" (missing counts as not set).
bool IsProgramSerialSet(RegistryStore& store, std::string_view keyPath);
// What confirming the serial port dialog writes: the port, the detected list, the device path and
// ProgramSerialSet "1".
void SaveSerialPortChoice(RegistryStore& store, std::string_view keyPath, std::int32_t comPort,
                          const std::string& comPortsList, const std::string& comDevice);

}  // namespace curvedesk
