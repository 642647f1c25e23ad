#include <ostream>
#include <string>

#include "cli/CliCommand.h"
#include "core/common/AppError.h"
#include "core/common/ErrorMessages.h"
#include "core/common/IniFile.h"
#include "core/curvefile/CurveFile.h"
#include "core/curvefile/CurveJson.h"
#include "core/model/AppContext.h"
#include "core/model/CylinderLayouts.h"
#include "core/model/IgnitionDescriptionReader.h"

namespace curvedesk::cli {

namespace {

// The error number and its message on one line: the message's line breaks and blank lines
// become single blanks.
std::string ErrorLine(const AppError& error) {
  const std::string message = GetErrorMessage(error.Number(), error.Description());
  std::string line = FormatErrorNumber(error.Number());
  std::size_t start = 0;
  while (start <= message.size()) {
    auto end = message.find("\r\n", start);
    if (end == std::string::npos) end = message.size();
    if (end > start) line += " " + message.substr(start, end - start);
    start = end + 2;
  }
  return line;
}

void ReportError(CliContext& context, const std::string& subject, const AppError& error) {
  context.err << "curvedesk-cli: " << subject << ": " << ErrorLine(error) << "\n";
}

bool HasArgs(CliContext& context, std::size_t minimum, std::size_t maximum, const char* usage) {
  if (context.args.size() >= minimum && context.args.size() <= maximum) return true;
  context.err << "usage: curvedesk-cli " << usage << "\n";
  return false;
}

// The application records as start-up leaves them: a cleared curve and the ten descriptions.
bool StartUp(CliContext& context, AppContext& app) {
  app.folders = context.folders;
  try {
    ReadIgnitionDescriptions(app.ignitionDescriptions, app.folders);
  } catch (const AppError& error) {
    ReportError(context, "ignition descriptions", error);
    return false;
  }
  app.CustName = IniReadString(CustomNameTablePath(app.folders), "CustName", "NAME");
  return true;
}

// As the Open command does: a cleared curve, then the file.
void Open(AppContext& app, const std::string& path) {
  ClearCurve(app.curve, app.defaultGraph);
  LoadCurveFile(app.curve, path, app.ignitionDescriptions, app.defaultGraph);
  app.curve.FileName = path;
}

int Check(CliContext& context) {
  if (!HasArgs(context, 1, SIZE_MAX, "check FILE...")) return 1;
  AppContext app;
  if (!StartUp(context, app)) return 1;
  bool allLoaded = true;
  for (const std::string& path : context.args) {
    try {
      Open(app, path);
      context.out << path << ": OK\n";
    } catch (const AppError& error) {
      context.out << path << ": " << ErrorLine(error) << "\n";
      allLoaded = false;
    }
  }
  return allLoaded ? 0 : 1;
}

int Dump(CliContext& context) {
  if (!HasArgs(context, 1, 1, "dump FILE")) return 1;
  AppContext app;
  if (!StartUp(context, app)) return 1;
  try {
    Open(app, context.args[0]);
  } catch (const AppError& error) {
    ReportError(context, context.args[0], error);
    return 1;
  }
  context.out << CurveToJson(app.curve);
  return 0;
}

int Convert(CliContext& context) {
  if (!HasArgs(context, 2, 2, "convert IN OUT")) return 1;
  AppContext app;
  if (!StartUp(context, app)) return 1;
  const std::string& in = context.args[0];
  const std::string& out = context.args[1];
  try {
    Open(app, in);
  } catch (const AppError& error) {
    ReportError(context, in, error);
    return 1;
  }
  try {
    RecordCylinderLayoutName(app.curve, app.CustName);
    SaveCurveFile(app.curve, app.CustName, out);
  } catch (const AppError& error) {
    ReportError(context, out, error);
    return 1;
  }
  return 0;
}

constexpr CliCommand kFileCommands[] = {
    {"check", "FILE...",
     "Loads each curve file as Open does and prints \"FILE: OK\" or \"FILE:\" with the error\n"
     "number and message. Exit status 0 when every file loads, 1 otherwise.",
     Check},
    {"dump", "FILE",
     "Prints the loaded curve as JSON: the curve's field names as keys, volts as numbers,\n"
     "the graphs in use with their nodes in use (SS and TS only where the file has them).",
     Dump},
    {"convert", "IN OUT",
     "Loads IN and saves it to OUT as the Save command does (curve file revision 3).\n"
     "OUT is replaced only once it was written completely.",
     Convert},
};

}  // namespace

std::span<const CliCommand> FileCommands() { return kFileCommands; }

}  // namespace curvedesk::cli
