#include "cli/CliSupport.h"

#include <ostream>

#include "core/common/ErrorMessages.h"
#include "core/common/FileErrors.h"
#include "core/curvefile/CurveFile.h"
#include "core/ignition/TimingTableFiles.h"
#include "core/model/IgnitionDescriptionReader.h"

namespace curvedesk::cli {

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
  ReportProblem(context, subject, ErrorLine(error));
}

void ReportProblem(CliContext& context, const std::string& subject, const std::string& text) {
  context.err << "curvedesk-cli: " << subject << ": " << text << "\n";
}

bool HasArgs(CliContext& context, std::size_t minimum, std::size_t maximum, const char* usage) {
  if (context.args.size() >= minimum && context.args.size() <= maximum) return true;
  context.err << "usage: curvedesk-cli " << usage << "\n";
  return false;
}

bool StartUp(CliContext& context, AppContext& app) {
  app.folders = context.folders;
  try {
    ReadIgnitionDescriptions(app.ignitionDescriptions, app.folders);
  } catch (const AppError& error) {
    ReportError(context, "ignition descriptions", error);
    return false;
  }
  app.CustName = ReadCustomerName(app.folders);
  return true;
}

std::optional<std::string> OpenProblem(AppContext& app, const std::string& path) {
  // A file that is not there is no damaged curve file: say what the system says.
  if (auto reason = UnreadableFileReason(path)) return reason;
  try {
    ClearCurve(app.curve, app.defaultGraph);
    LoadCurveFile(app.curve, path, app.ignitionDescriptions, app.defaultGraph);
    app.curve.FileName = path;
  } catch (const AppError& error) {
    return ErrorLine(error);
  }
  return std::nullopt;
}

bool OpenReporting(CliContext& context, AppContext& app, const std::string& path) {
  const auto problem = OpenProblem(app, path);
  if (problem) ReportProblem(context, path, *problem);
  return !problem;
}

}  // namespace curvedesk::cli
