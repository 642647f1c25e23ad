#include <filesystem>
#include <ostream>
#include <string>

#include "cli/CliCommand.h"
#include "cli/CliSupport.h"
#include "cli/DeviceOptions.h"
#include "cli/TerminalJob.h"
#include "core/app/Settings.h"
#include "core/common/AppError.h"
#include "core/ignition/CurveRecords.h"
#include "core/ignition/Firmware.h"
#include "core/ignition/IgnitionComparison.h"
#include "core/ignition/IgnitionInfo.h"
#include "core/ignition/ProgramIgnition.h"
#include "core/ignition/ProgramRevLimit.h"
#include "core/ignition/ServiceFunctions.h"
#include "core/ignition/TimingTable.h"
#include "core/ignition/TimingTableFiles.h"
#include "core/model/CurveRules.h"
#include "gui/platform/PortDetection.h"
#include "gui/platform/QtSerialLink.h"

namespace curvedesk::cli {

namespace {

// The port named on the command line, opened by the first exchange with the board.
struct Board {
  explicit Board(const std::string& port)
      : link([port] { return port; }), programmer(link, std::string(kComSettings)) {}
  QtSerialLink link;
  Programmer programmer;
};

void PrintInfo(CliContext& context, const IgnitionInfo& info) {
  context.out << "Serial Number: " << info.SerialNumber << "\n"
              << "Firmware Version: " << info.FirmwareVersion << "\n"
              << "No. of Engine Starts: " << info.EngineStarts << "\n"
              << "Exceeded Max. RPMs: " << info.ExceededMaxRpm << "\n";
}

// A whole number as typed: digits only.
std::optional<std::int32_t> ParseNumber(const std::string& text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  std::int32_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// The bytes of the compact edition differ in one case (a custom layout with the crank rotor).
Edition EditionOf(const DeviceOptions& options) { return options.Flag("--compact") ? Edition::Compact : Edition::Full; }

Verification VerificationOf(const DeviceOptions& options) {
  return options.Flag("--no-verify") ? Verification::Off : Verification::On;
}

int Image(CliContext& context) {
  const auto options = ParseDeviceOptions(context, {}, {"--hex", "--compact"}, 1, "image FILE [--hex] [--compact]");
  if (!options) return 1;
  AppContext app;
  if (!StartUp(context, app)) return 1;
  const std::string& path = options->positional[0];
  CurveData curve;
  if (!OpenReporting(context, app, path, curve)) return 1;
  try {
    const TimingTable table = TimingTable::Load(TimingTableToUse(app.folders, curve.CustType));
    const Edition edition = EditionOf(*options);
    const auto lines = options->Flag("--hex") ? CurveImageRecords(curve, table, edition)
                                              : CurveImageLog(curve, table, edition);
    for (const std::string& line : lines) context.out << line << "\n";
  } catch (const AppError& error) {
    ReportError(context, path, error);
    return 1;
  }
  return 0;
}

int Program(CliContext& context) {
  const auto options = ParseDeviceOptions(context, {"--port"}, {"--compact", "--no-verify"}, 1,
                                          "program FILE --port DEV [--compact] [--no-verify]");
  if (!options) return 1;
  AppContext app;
  if (!StartUp(context, app)) return 1;
  const std::string& path = options->positional[0];
  try {
    InstallDefaultTimingTables(app.folders);
  } catch (const AppError& error) {
    ReportError(context, path, error);
    return 1;
  }
  CurveData curve;
  if (!OpenReporting(context, app, path, curve)) return 1;
  Board board(*options->Value("--port"));
  CliPrompter prompter(context.out, context.err);
  try {
    TerminalProgress progress(context.err, context.errIsTerminal);
    StreamLog log(context.out, progress);
    const auto result = ProgramIgnition(app.folders, curve, app.defaultGraph, board.programmer, log, progress,
                                        prompter, EditionOf(*options), VerificationOf(*options));
    return result == ProgramIgnitionResult::Programmed ? 0 : 1;
  } catch (const AppError& error) {
    ReportError(context, path, error);
    return 1;
  }
}

// The exit status of verify when no verdict could be reached: a usage, file, table or board error.
constexpr int kNoVerdict = 2;

int Verify(CliContext& context) {
  const auto options = ParseDeviceOptions(context, {"--port"}, {"--compact"}, 1, "verify FILE --port DEV [--compact]");
  if (!options) return kNoVerdict;
  AppContext app;
  if (!StartUp(context, app)) return kNoVerdict;
  const std::string& path = options->positional[0];
  CurveData curve;
  if (!OpenReporting(context, app, path, curve)) return kNoVerdict;
  Board board(*options->Value("--port"));
  try {
    IgnitionComparison comparison;
    {
      TerminalProgress progress(context.err, context.errIsTerminal);
      comparison = CompareWithIgnition(curve, TimingTableToUse(app.folders, curve.CustType), board.programmer,
                                       progress, EditionOf(*options));
    }
    for (const std::string& line : ComparisonReport(comparison)) context.out << line << "\n";
    return comparison.Equal() ? 0 : 1;
  } catch (const AppError& error) {
    ReportError(context, path, error);
    return kNoVerdict;
  }
}

int Read(CliContext& context) {
  const auto options = ParseDeviceOptions(context, {"--port"}, {}, 0, "read --port DEV");
  if (!options) return 1;
  Board board(*options->Value("--port"));
  try {
    PrintInfo(context, ReadIgnitionInfo(board.programmer));
    return 0;
  } catch (const AppError& error) {
    ReportError(context, "read", error);
    return 1;
  }
}

int RevLimit(CliContext& context) {
  const auto options =
      ParseDeviceOptions(context, {"--port"}, {"--no-verify"}, 1, "rev-limit RPM --port DEV [--no-verify]");
  if (!options) return 1;
  const std::string& typed = options->positional[0];
  const auto rpm = ParseNumber(typed);
  if (auto refusal = ValidateRpmValue(typed); refusal || !rpm) {
    context.err << "curvedesk-cli: " << refusal.value_or("RPM value must be a whole number.") << "\n";
    return 1;
  }
  Board board(*options->Value("--port"));
  try {
    {
      TerminalProgress progress(context.err, context.errIsTerminal);
      ProgramRevLimit(board.programmer, *rpm, progress, VerificationOf(*options));
    }
    context.out << kIgnitionProgrammedMessage << "\n";
    return 0;
  } catch (const AppError& error) {
    ReportError(context, "rev-limit", error);
    return 1;
  }
}

int Firmware(CliContext& context) {
  const auto options = ParseDeviceOptions(context, {"--port"}, {}, 1, "firmware FILE.rzx --port DEV");
  if (!options) return 1;
  const std::string& path = options->positional[0];
  Board board(*options->Value("--port"));
  try {
    {
      TerminalProgress progress(context.err, context.errIsTerminal);
      ProgramFirmware(board.programmer, path, progress);
    }
    context.out << "Firmware updated successfully\n";
    return 0;
  } catch (const AppError& error) {
    ReportError(context, path, error);
    return 1;
  }
}

// The service functions: password first, then the action, then the values read again.
int RunService(CliContext& context, ServiceAction action, std::optional<std::int32_t> maxDesiredRpm,
               const DeviceOptions& options) {
  const auto password = ParsePassword(*options.Value("--password"));
  if (!password) {
    context.err << "curvedesk-cli: Value entered must be between " << kPasswordMin << " and " << kPasswordMax << ".\n";
    return 1;
  }
  Board board(*options.Value("--port"));
  CliPrompter prompter(context.out, context.err);
  CliServiceDialogs dialogs(*password, maxDesiredRpm);
  try {
    if (!RunProtected(action, board.programmer, prompter, dialogs)) {
      if (!prompter.ErrorShown())
        context.err << "curvedesk-cli: this ignition keeps no counters (firmware without a version)\n";
      return 1;
    }
    PrintInfo(context, ReadIgnitionInfo(board.programmer));
    return 0;
  } catch (const AppError& error) {
    ReportError(context, action == ServiceAction::ClearEngineStarts ? "clear-starts" : "max-rpm", error);
    return 1;
  }
}

int ClearStarts(CliContext& context) {
  const auto options =
      ParseDeviceOptions(context, {"--port", "--password"}, {}, 0, "clear-starts --port DEV --password N");
  if (!options) return 1;
  return RunService(context, ServiceAction::ClearEngineStarts, std::nullopt, *options);
}

int MaxRpm(CliContext& context) {
  const auto options =
      ParseDeviceOptions(context, {"--port", "--password"}, {}, 1, "max-rpm RPM --port DEV --password N");
  if (!options) return 1;
  const auto rpm = ParseNumber(options->positional[0]);
  const auto refusal = rpm ? CheckMaxDesiredRpm(*rpm) : CheckMaxDesiredRpm(0);
  if (refusal) {
    context.err << "curvedesk-cli: " << *refusal << "\n";
    return 1;
  }
  return RunService(context, ServiceAction::MaxDesiredRpm, rpm, *options);
}

int Ports(CliContext& context) {
  if (!HasArgs(context, 0, 0, "ports")) return 1;
  // The name to give --port, then what the adapter says it is where it says more than the name.
  for (const PortEntry& entry : DetectPorts())
    context.out << entry.port << (entry.label == entry.port ? "" : "\t" + entry.label) << "\n";
  return 0;
}

constexpr CliCommand kDeviceCommands[] = {
    {"image", "FILE [--hex] [--compact]",
     "Shows what programming would write for the curve, without a board and changing no file:\n"
     "the log's byte lines, or with --hex the records in send order ending with :00000001FF.\n"
     "Uses the timing table programming would use (the variant of a custom layout).\n"
     "--compact gives the bytes the compact edition writes.",
     Image},
    {"program", "FILE --port DEV [--compact] [--no-verify]",
     "Programs the curve into the ignition on the serial port DEV, logging every byte, then reads\n"
     "it back and compares (--no-verify leaves that out); a byte that differs fails the run.\n"
     "Refuses a curve with an untouched sensor-state graph. --compact writes as the compact edition.",
     Program},
    {"verify", "FILE --port DEV [--compact]",
     "Compares the curve with what the ignition holds, writing nothing: exit status 0 when the\n"
     "ignition holds the curve as programming would write it, 1 with the differences listed by\n"
     "sensor state and node, 2 when no verdict could be reached (usage, file, table or board error).",
     Verify},
    {"read", "--port DEV", "Reads the ignition's serial number, firmware version and counters.", Read},
    {"rev-limit", "RPM --port DEV [--no-verify]",
     "Writes the rev limit into all four sensor states of the ignition and reads them back\n"
     "(--no-verify leaves that out).",
     RevLimit},
    {"firmware", "FILE.rzx --port DEV", "Upgrades the ignition's firmware; the file name carries the 4-digit version.",
     Firmware},
    {"clear-starts", "--port DEV --password N",
     "Clears the engine start counter. An ignition without a password stores N as its password.", ClearStarts},
    {"max-rpm", "RPM --port DEV --password N",
     "Sets the maximum desired RPM (50 to 12500, a multiple of 50) behind the password.", MaxRpm},
    {"ports", "",
     "Lists the serial ports of this computer, the programmer's USB adapter first: the name to give\n"
     "--port (a /dev/serial/by-id name where the system keeps one), a tab, and the adapter's\n"
     "device name, description and maker.",
     Ports},
};

}  // namespace

std::span<const CliCommand> DeviceCommands() { return kDeviceCommands; }

}  // namespace curvedesk::cli
