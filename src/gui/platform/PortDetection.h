#pragma once

#include <vector>

#include "core/ignition/PortDetection.h"

namespace curvedesk {

// The ports this computer has, as the port dialog lists them: "COM1", "COM3" on Windows (COM1 to
// COM16 probed by opening them, so a port that another program holds is not listed), the system's
// serial devices elsewhere (USB adapters first, under their /dev/serial/by-id name where the system
// keeps one). Each with what the adapter says it is and its maker.
std::vector<PortEntry> DetectPorts();

}  // namespace curvedesk
