#include "core/common/ErrorMessages.h"

#include <initializer_list>

#include "core/common/CurveLimits.h"

namespace curvedesk {

namespace {

// Lines of a message; an empty string is a blank line.
std::string JoinLines(std::initializer_list<std::string_view> lines) {
  std::string text;
  bool first = true;
  for (std::string_view line : lines) {
    if (!first) text += "\r\n";
    text += line;
    first = false;
  }
  return text;
}

std::string GenericMessage(ErrorNumber number, std::string_view description) {
  std::string last = "Error # " + std::to_string(number) + ": ";
  last += description;
  return JoinLines({"A program error has occured.", "", "Please contact Korvane technical support.", "",
                    last});
}

}  // namespace

std::string GetErrorMessage(ErrorNumber number, std::string_view description) {
  switch (number) {
    case ErrOutOfMemory:
      return JoinLines({"Windows is running low on memory resources.", "",
                        "You may need to shut down other applications of reboot Windows."});
    case ErrBadFileName:
    case ErrBadFileNameOrNumber:
      return "File Error: The file name or path specified is invalid.";
    case ErrBadFileMode:
      return "File Error: Can't open the file in the requested mode.";
    case ErrFileAlreadyOpen:
      return "File Error: Attempt to open a file that is already open.";
    case ErrDeviceIO:
      return "File Error: Internal disk error.";
    case ErrDiskFull:
      return "File Error: Disk is full.";
    case ErrInputPastEnd:
      return "File Error: Attempt to read past the end of a file.";
    case ErrDeviceUnavailable:
      return "File Error: The drive/device specified is unavailable.";
    case ErrDiskNotReady:
      return "File Error: Insert a disk in the drive and try again.";
    case ErrPathFileAccess:
      return "File Error: Attempted to write to a read-only file.";
    case ErrPathNotFound:
      return "File Error: The path specified does not exist.";
    case ErrHelpViewer:
      return JoinLines({"Could not start the help file viewer.", "", "Please contact Korvane technical support."});
    case ErrPrinter:
      return JoinLines({"The printer is not responding.", "",
                        "Please check that the printer is turned on the reboot."});
    case ErrNoComPort:
      return JoinLines({"Please select the COM port that is attached to the",
                        "ignition board using the Settings: Serial Port menu."});
    case ErrBoardNotResponding:
      return JoinLines({
          "The ignition board is not responding.",
          "",
          "Try the following:",
          " ",
          "1) Verify the QMA programmer has power the LED light should be on.",
          "2) Verify the correct serial port has been selected.",
          "3) When starting the program did you run as administrator?",
          "4) Is the USB cable plugged into the computer & the QMA programmer?",
          "5) Is the edge connector plugged into the QMA programmer & ignition?",
          " ",
          "* Power does not have to be applied to the ignition wire harness if using optional QMA external "
          "power adapter",
      });
    case ErrProgramming:
      return JoinLines({"An error occured while programming the ignition board.", "",
                        "Please contact Korvane technical support."});
    case ErrReading:
      return JoinLines({"An error occured while reading from the ignition board.", "",
                        "Please contact Korvane technical support."});
    case ErrFirmwareFileName:
      return "The .RZX file name needs to contain a 4-digit version number.";
    case ErrFirmwareFileDamaged:
      return "The .RZX file is damaged or is not a firmware file.\r\n\r\nThe ignition was not changed.";
    case ErrVerify:
      return JoinLines({"The data read back from the ignition board does not match what was programmed.", "",
                        "Please program the ignition again or contact Korvane technical support."});
    case ErrIniWrite:
      return "File Error: File could not be written.";
    case ErrIniRead:
      return "File Error: File could not be read, or is missing key information.";
    case ErrNotCurveFile:
      return "File Error: This file is not a valid Curve File.";
    case ErrCurveVersion:
      return JoinLines({"File Error: The version of this Curve File is not",
                        "supported by this version of the Tarvo application."});
    case ErrCurveCorrupt:
      return JoinLines({"File Error: The Curve File selected is corrupted", "and can not be loaded."});
    case ErrLimitsCorrupt:
      return JoinLines({"The Limits file is corrupted.", "",
                        "Please re-install the application or contact Korvane technical support."});
    case ErrIgnDescCorrupt:
      return JoinLines({"The Ignition Description file is corrupted.", "",
                        "Please re-install the application or contact Korvane technical support."});
    case ErrIgnNameNotFound:
      return JoinLines({"The Ignition Name/Model for this curve could not be found",
                        "in any of the Ignition Description files.", "",
                        "Please re-install the application or contact Korvane technical support."});
    case ErrRegistryCorrupt:
      return JoinLines({"The Windows Registry appears to be corrupted.", "",
                        "Please contact a qualified PC support technician."});
    case ErrRegistryMissing:
      return JoinLines({"A required registry entry is missing.", "",
                        "Please re-install the application or contact Korvane technical support."});
    case ErrRegistryDenied:
      return JoinLines({"Permission denied while accessing the Windows Registry.", "",
                        "Please contact Korvane technical support."});
    case ErrBrowserLaunch:
      return "Could not launch the web browser to view a URL.";
    case ErrRevLimitTooLow:
      return JoinLines({"The Rev Limit cannot be set less than:", "", "Curve Fallback + (50 * Number of Transitions)"});
    case ErrRevLimitBelowNode:
      return JoinLines({"The Rev Limit cannot be set less than the RPM value of",
                        "the rightmost node on any of the plots currently shown."});
    case ErrRpmOverRevLimit:
      return "RPM values cannot exceed the Rev Limit setting.";
    case ErrFirstNodeRpm:
      return "This node must always have a zero RPM value.";
    case ErrNodesTooCloseRpm:
      return JoinLines({"Nodes cannot be placed closer together than:", "", "(Curve Fallback + 50 RPM)."});
    case ErrCoilOnMultiple:
      return "Coil On Crank Angle values must be a multiple of 10 degrees.";
    case ErrPrimarySparkMax:
      // The older program's text left the limit out; the user needs it to correct the value.
      return "Primary Spark Crank Angle values must be less than " + std::to_string(kPrimarySparkRefused) +
             " degrees.";
    case ErrNodesTooCloseAngle:
      return "Nodes cannot be placed closer together than 5 degrees.";
    case ErrRpmMax:
      return "RPM values cannot exceed 12,500.";
    case ErrAngleMax:
      return "Crank Angle values cannot exceed 240 degrees.";
    case ErrRpmMultiple:
      return "RPM values must be a multiple of 50 RPM.";
    case ErrRpmOrder:
      return "This RPM value would put the nodes on this plot out of order.";
    case ErrAngleOrder:
      return "This Crank Angle value would put the nodes on this plot out of order.";
    case ErrSparkPlotSpacing:
      return JoinLines({"There must be at least 5 degrees between spark plots on",
                        "the graph. The existing plots need to be moved up to fit", "the new plots in."});
    case ErrSparkConfigSaturation:
      return JoinLines({"Changing to this spark configuration would violate",
                        "the Maximum Coil On Saturation limits of the ignition."});
    case ErrNodesDoNotFit:
      return JoinLines({"Nodes cannot be placed closer together than", "(Curve Fallback + 50 RPM) and must be less than",
                        "the Rev Limit.", "", "The existing plots need to be moved to the left,",
                        "or the Rev Limit needs to be increased to fit ", "the new nodes in."});
    case ErrNodeSaturation:
      return JoinLines({"The settings for this node would violate the",
                        "Maximum Coil On Saturation limits of the ignition."});
    default:
      return GenericMessage(number, description);
  }
}

}  // namespace curvedesk
