#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/common/AppError.h"

namespace curvedesk {

// What the system tells about a serial port that could not be opened. The platform layer looks
// (the device's mode and group, the lock files, the processes that have it open); the words the
// user reads are chosen here, so each case can be tried without the system producing it.

struct PortProcess {
  int pid = 0;
  std::string program;  // "minicom"; empty when the system does not say
};

struct SerialPortFacts {
  bool examined = false;  // false where the system cannot be asked (Windows)
  bool exists = true;
  bool readWriteAllowed = true;           // access(2) for reading and writing
  std::string group;                      // the device's group ("dialout"); empty when unknown
  std::optional<PortProcess> lockHolder;  // a running process named in the port's lock file
  bool heldExclusively = false;           // the device refuses another opener (another program set it exclusive)
  std::vector<PortProcess> users;         // other processes that have the device open
};

// How the serial component reports the failed open. It reports a missing permission, a lock and
// a busy device alike; the facts tell them apart.
enum class PortOpenFailure { NotFound, PermissionOrBusy, Other };

// The error for a port that could not be opened: ErrSerialPortNotFound or ErrSerialPortOpen, with
// a description that names the port, says what is wrong and what to do about it. systemReason is
// the serial component's own text, used where the facts explain nothing.
AppError DescribeOpenFailure(const std::string& port, PortOpenFailure failure, const std::string& systemReason,
                             const SerialPortFacts& facts);

// The error for a port that failed or went away during a job (the programmer's USB cable pulled):
// ErrSerialPortLost, saying that the programmer was disconnected and how to go on.
AppError DescribePortLost(const std::string& port);

// One line for the windows of a job that an error stopped, where the error says something plainer
// than its message box; empty otherwise.
std::string JobStoppedNote(ErrorNumber number);

}  // namespace curvedesk
