#pragma once

#include "core/common/ErrorCode.h"

namespace curvedesk {

// Failures of the serial port itself, numbered as the serial component's own errors. They carry a
// description that names the port and the system's reason, and are shown with the generic message
// of the error table (which ends with the number and that description).
enum SerialError : ErrorNumber {
  ErrSerialSettings = 380,       // a line settings string the port cannot take
  ErrSerialPortNotFound = 8002,  // no such port
  ErrSerialPortOpen = 8005,      // the port exists but cannot be opened: in use, or no permission
  ErrSerialPortLost = 8012,      // the port failed or went away while open
};

}  // namespace curvedesk
