#pragma once

#include <optional>
#include <string>
#include <system_error>

#include "core/common/ErrorCode.h"

namespace curvedesk {

// The run-time file error number (52 ... 76) that the user is shown for a system error code.
ErrorNumber FileErrorFromSystem(std::error_code error);
ErrorNumber FileErrorFromErrno(int errnoValue);

// Why the file cannot be opened for reading, in the system's words ("No such file or directory",
// "Permission denied", "Is a directory"); nothing when it can be.
std::optional<std::string> UnreadableFileReason(const std::string& path);

}  // namespace curvedesk
