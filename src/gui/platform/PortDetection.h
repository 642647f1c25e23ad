#pragma once

#include <string>

namespace curvedesk {

// The ports this computer has, as ComPortsList holds them: "COM1,COM3" on Windows (COM1 to COM16
// probed by opening them), device paths elsewhere (the system's serial devices, USB adapters
// first). A port that another program holds is not listed on Windows.
std::string DetectPorts();

}  // namespace curvedesk
