#pragma once

#include <system_error>

#include "core/common/ErrorCode.h"

namespace curvedesk {

// The run-time file error number (52 ... 76) that the user is shown for a system error code.
ErrorNumber FileErrorFromSystem(std::error_code error);
ErrorNumber FileErrorFromErrno(int errnoValue);

}  // namespace curvedesk
