#include "cli/CliSupport.h"

#include <ostream>
#include <vector>

#include "core/common/ErrorMessages.h"
#include "core/common/FileErrors.h"
#include "core/curvefile/CurveFile.h"
#include "core/ignition/TimingTableFiles.h"
#include "core/model/IgnitionDescriptionReader.h"

namespace curvedesk::cli {

namespace {

// The lines of a message or description joined with CR LF, blank lines included.
std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    auto end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

}  // namespace

std::string ErrorLine(const AppError& error) {
  std::string line = FormatErrorNumber(error.Number());
  for (const std::string& part : CrLfLines(GetErrorMessage(error.Number(), error.Description())))
    if (!part.empty()) line += " " + part;
  return line;
}

void ReportError(CliContext& context, const std::string& subject, const AppError& error) {
  ReportProblem(context, subject, ErrorLine(error));
  // A failed verification names the bytes that differ, one a line.
  if (error.Number() != ErrVerify || error.Description().empty()) return;
  for (const std::string& difference : CrLfLines(error.Description())) context.err << "    " << difference << "\n";
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

std::optional<std::string> OpenProblem(const AppContext& app, const std::string& path, CurveData& curve) {
  // A file that is not there is no damaged curve file: say what the system says.
  if (auto reason = UnreadableFileReason(path)) return reason;
  try {
    ClearCurve(curve, app.defaultGraph);
    LoadCurveFile(curve, path, app.ignitionDescriptions, app.defaultGraph);
  } catch (const AppError& error) {
    return ErrorLine(error);
  }
  return std::nullopt;
}

bool OpenReporting(CliContext& context, const AppContext& app, const std::string& path, CurveData& curve) {
  const auto problem = OpenProblem(app, path, curve);
  if (problem) ReportProblem(context, path, *problem);
  return !problem;
}

}  // namespace curvedesk::cli
