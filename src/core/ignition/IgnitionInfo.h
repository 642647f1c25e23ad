#pragma once

#include <string>

#include "core/ignition/Programmer.h"

namespace curvedesk {

// What Read shows of a connected ignition.
struct IgnitionInfo {
  std::string SerialNumber;     // decimal, or "(blank)" for erased memory
  std::string FirmwareVersion;  // " v21.05", or "(blank)"
  std::string EngineStarts;     // decimal, "----" for a board without counters (version 1.00)
  std::string ExceededMaxRpm;
};

// Reads the serial number, firmware version and counters in one read transfer.
IgnitionInfo ReadIgnitionInfo(Programmer& programmer);
// What the four values show after a failed read.
IgnitionInfo UnreadableIgnitionInfo();

}  // namespace curvedesk
