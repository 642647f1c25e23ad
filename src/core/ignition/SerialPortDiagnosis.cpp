#include "core/ignition/SerialPortDiagnosis.h"

#include "core/ignition/SerialErrors.h"

namespace curvedesk {

namespace {

constexpr const char* kChoosePortAgain = "Config > Configure Serial Port";

// "minicom (process 4321)", or "process 4321" when the program is not known.
std::string Named(const PortProcess& process) {
  const std::string number = "process " + std::to_string(process.pid);
  return process.program.empty() ? number : process.program + " (" + number + ")";
}

std::string NamedList(const std::vector<PortProcess>& processes) {
  std::string text;
  for (const PortProcess& process : processes) text += (text.empty() ? "" : ", ") + Named(process);
  return text;
}

// The system's reason without the full stop some systems end it with.
std::string Reason(const std::string& reason) {
  return !reason.empty() && reason.back() == '.' ? reason.substr(0, reason.size() - 1) : reason;
}

AppError NotFound(const std::string& port) {
  return AppError(ErrSerialPortNotFound, "The serial port " + port +
                                             " does not exist. Plug the programmer's USB cable in, then choose its "
                                             "port under " +
                                             std::string(kChoosePortAgain) + " (Detect Ports).");
}

AppError PermissionDenied(const std::string& port, const std::string& group) {
  // Joining the group "root" is no advice to give: that is a matter for the administrator.
  if (group.empty() || group == "root")
    return AppError(ErrSerialPortOpen, "Permission denied on the serial port " + port +
                                           ". Ask the administrator of this computer for read and write access "
                                           "to it.");
  return AppError(ErrSerialPortOpen, "Permission denied on the serial port " + port + ", which belongs to the group " +
                                         group + ". To use it, add yourself to the group " + group +
                                         " with: sudo usermod -aG " + group + " $USER, then log out and in.");
}

AppError InUse(const std::string& port, const std::string& who) {
  if (who.empty())
    return AppError(ErrSerialPortOpen, "The serial port " + port +
                                           " is in use by another program. Close the program that uses it and "
                                           "try again.");
  return AppError(ErrSerialPortOpen, "The serial port " + port + " is in use by another program: " + who +
                                         ". Close that program and try again.");
}

}  // namespace

AppError DescribeOpenFailure(const std::string& port, PortOpenFailure failure, const std::string& systemReason,
                             const SerialPortFacts& facts) {
  if (failure == PortOpenFailure::NotFound || (facts.examined && !facts.exists)) return NotFound(port);
  if (failure == PortOpenFailure::PermissionOrBusy) {
    if (!facts.examined)
      return AppError(ErrSerialPortOpen, "The serial port " + port +
                                             " is in use by another program, or may not be "
                                             "used (" +
                                             Reason(systemReason) +
                                             "). Close the program that uses it and try "
                                             "again.");
    if (!facts.readWriteAllowed) return PermissionDenied(port, facts.group);
    if (facts.lockHolder) {
      return AppError(ErrSerialPortOpen, "The serial port " + port + " is locked by another program: " +
                                             Named(*facts.lockHolder) + ". Close that program and try again.");
    }
    if (facts.heldExclusively || !facts.users.empty()) return InUse(port, NamedList(facts.users));
  }
  return AppError(ErrSerialPortOpen, "The serial port " + port + " could not be opened: " + Reason(systemReason) + ".");
}

AppError DescribePortLost(const std::string& port) {
  return AppError(ErrSerialPortLost, "The programmer was disconnected: the serial port " + port +
                                         " went away during the job. Plug the programmer back in and start the "
                                         "job again; if its port comes back under another name, choose it under " +
                                         std::string(kChoosePortAgain) + " first.");
}

std::string JobStoppedNote(ErrorNumber number) {
  return number == ErrSerialPortLost ? "The programmer was disconnected." : "";
}

}  // namespace curvedesk
