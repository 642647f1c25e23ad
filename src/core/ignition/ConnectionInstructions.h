#pragma once

namespace curvedesk {

// What the user is told before a job that needs the programmer while no serial port has been
// chosen; the serial port dialog follows.
inline constexpr const char* kProgramInstructions =
    "You must configure the serial port before programming an ignition\r\n"
    "Plug the USB cable into the QMA adapter and the computer now. The ignition must be plugged into the QMA edge "
    "connector and power applied to the ignition*. The QMA programmer LED light must be on. After clicking OK Press "
    "Detect Ports and choose a COM port. Pick the highest COM port in the list.\r\n"
    "* Power does not have to be applied to the ignition wire harness if using optional QMA external power adapter.";

// Before reading an ignition: a warning box with this title.
inline constexpr const char* kReadInstructionsTitle = "Detect and choose the serial COM port";
inline constexpr const char* kReadInstructions =
    "You must configure the serial port before reading an ignition\r\n"
    "\r\n"
    "1) If using a KPA9 programming adapter plug the USB cable into the adapter and the computer now.\r\n"
    "2) The ignition must be plugged into the KPA9 edge connector and power applied to the ignition.\r\n"
    "3) The KPA9 adapter LED must be ON.\r\n"
    "4) Press Detect Ports and choose a COM port. Pick the highest COM port in the list.";

}  // namespace curvedesk
