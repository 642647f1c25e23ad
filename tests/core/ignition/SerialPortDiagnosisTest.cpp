#include <gtest/gtest.h>

#include "core/common/ErrorMessages.h"
#include "core/ignition/SerialErrors.h"
#include "core/ignition/SerialPortDiagnosis.h"

namespace curvedesk {
namespace {

constexpr const char* kPort = "/dev/ttyUSB0";

SerialPortFacts Examined() {
  SerialPortFacts facts;
  facts.examined = true;
  facts.group = "dialout";
  return facts;
}

TEST(SerialPortDiagnosis, PermissionLockAndBusyAreToldApartByTheFacts) {
  struct Case {
    const char* name;
    PortOpenFailure failure;
    SerialPortFacts facts;
    ErrorNumber number;
    std::string description;
  };
  SerialPortFacts denied = Examined();
  denied.readWriteAllowed = false;
  SerialPortFacts deniedToRootGroup = denied;
  deniedToRootGroup.group = "root";
  SerialPortFacts deniedGroupUnknown = denied;
  deniedGroupUnknown.group.clear();
  SerialPortFacts deniedAndLocked = denied;
  deniedAndLocked.lockHolder = PortProcess{4321, "minicom"};
  SerialPortFacts locked = Examined();
  locked.lockHolder = PortProcess{4321, "minicom"};
  SerialPortFacts lockedByUnknown = Examined();
  lockedByUnknown.lockHolder = PortProcess{77, ""};
  SerialPortFacts busy = Examined();
  busy.heldExclusively = true;
  busy.users = {{99, "screen"}, {100, "ModemManager"}};
  SerialPortFacts busyByUnknown = Examined();
  busyByUnknown.heldExclusively = true;
  SerialPortFacts openByAnother = Examined();
  openByAnother.users = {{99, "screen"}};
  SerialPortFacts gone = Examined();
  gone.exists = false;

  const std::string askAdministrator =
      "Permission denied on the serial port /dev/ttyUSB0. Ask the administrator of this computer for read and "
      "write access to it.";
  const std::string notFound =
      "The serial port /dev/ttyUSB0 does not exist. Plug the programmer's USB cable in, then choose its port under "
      "Config > Configure Serial Port (Detect Ports).";
  const Case cases[] = {
      {"no permission: the group and the command that adds the user to it", PortOpenFailure::PermissionOrBusy, denied,
       ErrSerialPortOpen,
       "Permission denied on the serial port /dev/ttyUSB0, which belongs to the group dialout. To use it, add "
       "yourself to the group dialout with: sudo usermod -aG dialout $USER, then log out and in."},
      {"a device of the group root is the administrator's", PortOpenFailure::PermissionOrBusy, deniedToRootGroup,
       ErrSerialPortOpen, askAdministrator},
      {"group unknown", PortOpenFailure::PermissionOrBusy, deniedGroupUnknown, ErrSerialPortOpen, askAdministrator},
      {"no permission goes before a lock", PortOpenFailure::PermissionOrBusy, deniedAndLocked, ErrSerialPortOpen,
       "Permission denied on the serial port /dev/ttyUSB0, which belongs to the group dialout. To use it, add "
       "yourself to the group dialout with: sudo usermod -aG dialout $USER, then log out and in."},
      {"locked by a program that is named", PortOpenFailure::PermissionOrBusy, locked, ErrSerialPortOpen,
       "The serial port /dev/ttyUSB0 is locked by another program: minicom (process 4321). Close that program and "
       "try again."},
      {"locked by a process whose program is not known", PortOpenFailure::PermissionOrBusy, lockedByUnknown,
       ErrSerialPortOpen,
       "The serial port /dev/ttyUSB0 is locked by another program: process 77. Close that program and try again."},
      {"busy: every program that has it open", PortOpenFailure::PermissionOrBusy, busy, ErrSerialPortOpen,
       "The serial port /dev/ttyUSB0 is in use by another program: screen (process 99), ModemManager (process 100). "
       "Close that program and try again."},
      {"busy, and the system does not say who", PortOpenFailure::PermissionOrBusy, busyByUnknown, ErrSerialPortOpen,
       "The serial port /dev/ttyUSB0 is in use by another program. Close the program that uses it and try again."},
      {"open in another program without exclusive use", PortOpenFailure::PermissionOrBusy, openByAnother,
       ErrSerialPortOpen,
       "The serial port /dev/ttyUSB0 is in use by another program: screen (process 99). Close that program and try "
       "again."},
      {"nothing in the facts explains it: the system's reason", PortOpenFailure::PermissionOrBusy, Examined(),
       ErrSerialPortOpen,
       "The serial port /dev/ttyUSB0 could not be opened: Permission error while locking the device."},
      {"a system that cannot be asked", PortOpenFailure::PermissionOrBusy, SerialPortFacts{}, ErrSerialPortOpen,
       "The serial port /dev/ttyUSB0 is in use by another program, or may not be used (Permission error while "
       "locking the device). Close the program that uses it and try again."},
      {"not found", PortOpenFailure::NotFound, SerialPortFacts{}, ErrSerialPortNotFound, notFound},
      {"gone by the time it was examined", PortOpenFailure::Other, gone, ErrSerialPortNotFound, notFound},
      {"another failure", PortOpenFailure::Other, Examined(), ErrSerialPortOpen,
       "The serial port /dev/ttyUSB0 could not be opened: Permission error while locking the device."},
  };
  for (const Case& c : cases) {
    const AppError error = DescribeOpenFailure(kPort, c.failure, "Permission error while locking the device", c.facts);
    EXPECT_EQ(error.Number(), c.number) << c.name;
    EXPECT_EQ(error.Description(), c.description) << c.name;
  }
}

TEST(SerialPortDiagnosis, TheMessageBoxKeepsTheGenericTextAndEndsWithWhatToDo) {
  SerialPortFacts denied = Examined();
  denied.readWriteAllowed = false;
  const AppError error = DescribeOpenFailure(kPort, PortOpenFailure::PermissionOrBusy, "Permission denied", denied);
  const std::string message = GetErrorMessage(error.Number(), error.Description());
  EXPECT_EQ(message.rfind("A program error has occured.\r\n\r\nPlease contact Korvane technical support.\r\n\r\n"
                          "Error # 8005: Permission denied on the serial port /dev/ttyUSB0",
                          0),
            0u);
  EXPECT_TRUE(message.ends_with("sudo usermod -aG dialout $USER, then log out and in."));
}

TEST(SerialPortDiagnosis, ALostPortSaysTheProgrammerWasDisconnected) {
  const AppError lost = DescribePortLost("/dev/pts/0");
  EXPECT_EQ(lost.Number(), ErrSerialPortLost);
  EXPECT_EQ(lost.Description(),
            "The programmer was disconnected: the serial port /dev/pts/0 went away during the job. Plug the "
            "programmer back in and start the job again; if its port comes back under another name, choose it under "
            "Config > Configure Serial Port first.");
  EXPECT_EQ(JobStoppedNote(ErrSerialPortLost), "The programmer was disconnected.");
  EXPECT_EQ(JobStoppedNote(ErrBoardNotResponding), "");
}

}  // namespace
}  // namespace curvedesk
