#pragma once

#include <string>
#include <vector>

#include "core/ignition/SerialPortDiagnosis.h"

namespace curvedesk {

// Asks the system about a serial port that would not open: whether the device exists, whether
// this user may read and write it and its group (stat, access), a running process named in its
// lock file, whether the device refuses another opener, and which processes have it open (/proc).
// Where the system cannot be asked (Windows) nothing is examined.
SerialPortFacts ProbeSerialPort(const std::string& port);

// The lock files serial programs keep for a port ("/var/lock/LCK..ttyUSB0" and the like), in the
// order the serial component looks for them: for the name given and for the device it leads to.
std::vector<std::string> SerialLockFileCandidates(const std::string& port);

}  // namespace curvedesk
