#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "cli/CliCommand.h"
#include "core/common/AppError.h"
#include "core/model/AppContext.h"

namespace curvedesk::cli {

// The error number and its message on one line: the message's line breaks and blank lines
// become single blanks.
std::string ErrorLine(const AppError& error);

// "curvedesk-cli: SUBJECT: 0x80040206 An error occured ..." on the error stream; a failed
// verification adds the bytes that differ, one a line.
void ReportError(CliContext& context, const std::string& subject, const AppError& error);
// "curvedesk-cli: SUBJECT: TEXT" on the error stream.
void ReportProblem(CliContext& context, const std::string& subject, const std::string& text);

// True when the command got minimum..maximum arguments; prints the usage otherwise.
bool HasArgs(CliContext& context, std::size_t minimum, std::size_t maximum, const char* usage);

// The application records as start-up leaves them: a cleared curve, the ten descriptions and the
// custom layout name. Reports a failure and returns false.
bool StartUp(CliContext& context, AppContext& app);

// Opens the curve file into curve as the Open command does (a cleared curve, then the file).
// Nothing when it loads, else what is wrong on one line: the system's reason when the file cannot
// be read at all ("No such file or directory"), else the curve file's error number and message.
std::optional<std::string> OpenProblem(const AppContext& app, const std::string& path, CurveData& curve);
// The same, with the problem reported on the error stream; false when there was one.
bool OpenReporting(CliContext& context, const AppContext& app, const std::string& path, CurveData& curve);

}  // namespace curvedesk::cli
