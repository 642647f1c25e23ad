#include <gtest/gtest.h>

#include <stdexcept>

#include "core/common/AppError.h"
#include "core/common/ErrorMessages.h"
#include "core/common/Prompter.h"
#include "support/graph/RecordingPrompter.h"

namespace curvedesk {
namespace {

struct MessageCase {
  ErrorNumber number;
  const char* message;
};

// Every message of the error table, with its exact line breaks.
const MessageCase kMessages[] = {
    {14,
     "Windows is running low on memory resources.\r\n\r\n"
     "You may need to shut down other applications of reboot Windows."},
    {52, "File Error: The file name or path specified is invalid."},
    {64, "File Error: The file name or path specified is invalid."},
    {54, "File Error: Can't open the file in the requested mode."},
    {55, "File Error: Attempt to open a file that is already open."},
    {57, "File Error: Internal disk error."},
    {61, "File Error: Disk is full."},
    {62, "File Error: Attempt to read past the end of a file."},
    {68, "File Error: The drive/device specified is unavailable."},
    {71, "File Error: Insert a disk in the drive and try again."},
    {75, "File Error: Attempted to write to a read-only file."},
    {76, "File Error: The path specified does not exist."},
    {ErrHelpViewer, "Could not start the help file viewer.\r\n\r\nPlease contact Korvane technical support."},
    {ErrPrinter, "The printer is not responding.\r\n\r\nPlease check that the printer is turned on the reboot."},
    {ErrNoComPort,
     "Please select the COM port that is attached to the\r\n"
     "ignition board using the Settings: Serial Port menu."},
    {ErrBoardNotResponding,
     "The ignition board is not responding.\r\n"
     "\r\n"
     "Try the following:\r\n"
     " \r\n"
     "1) Verify the QMA programmer has power the LED light should be on.\r\n"
     "2) Verify the correct serial port has been selected.\r\n"
     "3) When starting the program did you run as administrator?\r\n"
     "4) Is the USB cable plugged into the computer & the QMA programmer?\r\n"
     "5) Is the edge connector plugged into the QMA programmer & ignition?\r\n"
     " \r\n"
     "* Power does not have to be applied to the ignition wire harness if using optional QMA external power "
     "adapter"},
    {ErrProgramming,
     "An error occured while programming the ignition board.\r\n\r\n"
     "Please contact Korvane technical support."},
    {ErrReading,
     "An error occured while reading from the ignition board.\r\n\r\n"
     "Please contact Korvane technical support."},
    {ErrFirmwareFileName, "The .RZX file name needs to contain a 4-digit version number."},
    {ErrFirmwareFileDamaged, "The .RZX file is damaged or is not a firmware file.\r\n\r\nThe ignition was not changed."},
    {ErrVerify,
     "The data read back from the ignition board does not match what was programmed.\r\n\r\n"
     "Please program the ignition again or contact Korvane technical support."},
    {ErrIniWrite, "File Error: File could not be written."},
    {ErrIniRead, "File Error: File could not be read, or is missing key information."},
    {ErrNotCurveFile, "File Error: This file is not a valid Curve File."},
    {ErrCurveVersion,
     "File Error: The version of this Curve File is not\r\n"
     "supported by this version of the Tarvo application."},
    {ErrCurveCorrupt, "File Error: The Curve File selected is corrupted\r\nand can not be loaded."},
    {ErrLimitsCorrupt,
     "The Limits file is corrupted.\r\n\r\n"
     "Please re-install the application or contact Korvane technical support."},
    {ErrIgnDescCorrupt,
     "The Ignition Description file is corrupted.\r\n\r\n"
     "Please re-install the application or contact Korvane technical support."},
    {ErrIgnNameNotFound,
     "The Ignition Name/Model for this curve could not be found\r\n"
     "in any of the Ignition Description files.\r\n\r\n"
     "Please re-install the application or contact Korvane technical support."},
    {ErrRegistryCorrupt,
     "The Windows Registry appears to be corrupted.\r\n\r\n"
     "Please contact a qualified PC support technician."},
    {ErrRegistryMissing,
     "A required registry entry is missing.\r\n\r\n"
     "Please re-install the application or contact Korvane technical support."},
    {ErrRegistryDenied,
     "Permission denied while accessing the Windows Registry.\r\n\r\n"
     "Please contact Korvane technical support."},
    {ErrBrowserLaunch, "Could not launch the web browser to view a URL."},
    {ErrRevLimitTooLow, "The Rev Limit cannot be set less than:\r\n\r\nCurve Fallback + (50 * Number of Transitions)"},
    {ErrRevLimitBelowNode,
     "The Rev Limit cannot be set less than the RPM value of\r\n"
     "the rightmost node on any of the plots currently shown."},
    {ErrRpmOverRevLimit, "RPM values cannot exceed the Rev Limit setting."},
    {ErrFirstNodeRpm, "This node must always have a zero RPM value."},
    {ErrNodesTooCloseRpm, "Nodes cannot be placed closer together than:\r\n\r\n(Curve Fallback + 50 RPM)."},
    {ErrCoilOnMultiple, "Coil On Crank Angle values must be a multiple of 10 degrees."},
    {ErrPrimarySparkMax, "Primary Spark Crank Angle values must be less than 76 degrees."},
    {ErrNodesTooCloseAngle, "Nodes cannot be placed closer together than 5 degrees."},
    {ErrRpmMax, "RPM values cannot exceed 12,500."},
    {ErrAngleMax, "Crank Angle values cannot exceed 240 degrees."},
    {ErrRpmMultiple, "RPM values must be a multiple of 50 RPM."},
    {ErrRpmOrder, "This RPM value would put the nodes on this plot out of order."},
    {ErrAngleOrder, "This Crank Angle value would put the nodes on this plot out of order."},
    {ErrSparkPlotSpacing,
     "There must be at least 5 degrees between spark plots on\r\n"
     "the graph. The existing plots need to be moved up to fit\r\nthe new plots in."},
    {ErrSparkConfigSaturation,
     "Changing to this spark configuration would violate\r\n"
     "the Maximum Coil On Saturation limits of the ignition."},
    {ErrNodesDoNotFit,
     "Nodes cannot be placed closer together than\r\n"
     "(Curve Fallback + 50 RPM) and must be less than\r\n"
     "the Rev Limit.\r\n\r\n"
     "The existing plots need to be moved to the left,\r\n"
     "or the Rev Limit needs to be increased to fit \r\n"
     "the new nodes in."},
    {ErrNodeSaturation,
     "The settings for this node would violate the\r\n"
     "Maximum Coil On Saturation limits of the ignition."},
};

class ErrorMessageTable : public ::testing::TestWithParam<MessageCase> {};

TEST_P(ErrorMessageTable, GivesTheExactText) {
  EXPECT_EQ(GetErrorMessage(GetParam().number, "ignored"), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(EveryCode, ErrorMessageTable, ::testing::ValuesIn(kMessages));

TEST(GenericErrorMessage, EndsWithTheDecimalNumberAndDescription) {
  EXPECT_EQ(GetErrorMessage(static_cast<ErrorNumber>(0x80040209), "Index out of range"),
            "A program error has occured.\r\n\r\nPlease contact Korvane technical support.\r\n\r\n"
            "Error # -2147220983: Index out of range");
}

TEST(GenericErrorMessage, ServesErrGenericAndRunTimeNumbersWithoutRow) {
  EXPECT_EQ(GetErrorMessage(ErrGeneric, "x").substr(0, 28), "A program error has occured.");
  EXPECT_NE(GetErrorMessage(53, "File not found").find("Error # 53: File not found"), std::string::npos);
}

TEST(AppErrorTest, RaiseWithMessageKeepsTheNumberAndAddsTheText) {
  try {
    try {
      RaiseError(ErrIniRead);
    } catch (const AppError& error) {
      EXPECT_TRUE(error.Description().empty());
      RaiseWithMessage(error);
    }
    FAIL() << "no error raised";
  } catch (const AppError& error) {
    EXPECT_EQ(error.Number(), ErrIniRead);
    EXPECT_EQ(error.Description(), GetErrorMessage(ErrIniRead));
  }
}

TEST(AppErrorTest, FormatsApplicationNumbersInHexAndRunTimeNumbersInDecimal) {
  EXPECT_EQ(FormatErrorNumber(ErrNotCurveFile), "0x80040403");
  EXPECT_EQ(FormatErrorNumber(75), "75");
}

TEST(RunShowingErrors, ShowsWhatACommandRaisesAndNothingWhenItSucceeds) {
  const struct {
    const char* what;
    std::function<void()> work;
    const char* shownStart;  // empty: nothing shown
  } cases[] = {
      {"success", [] {}, ""},
      {"application error", [] { RaiseError(ErrNotCurveFile); }, "File Error: This file is not a valid Curve File."},
      {"anything else", [] { throw std::runtime_error("disk gone"); }, "A program error has occured."},
  };
  for (const auto& c : cases) {
    testing::RecordingPrompter prompter;
    RunShowingErrors(prompter, c.work);
    if (std::string(c.shownStart).empty()) {
      EXPECT_TRUE(prompter.messages.empty()) << c.what;
      continue;
    }
    ASSERT_EQ(prompter.messages.size(), 1u) << c.what;
    EXPECT_EQ(prompter.messages[0].title, "Error") << c.what;
    EXPECT_EQ(prompter.messages[0].text.rfind(c.shownStart, 0), 0u) << c.what << ": " << prompter.messages[0].text;
  }
}

}  // namespace
}  // namespace curvedesk
