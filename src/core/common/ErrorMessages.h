#pragma once

#include <string>
#include <string_view>

#include "core/common/ErrorCode.h"

namespace curvedesk {

// The text the user sees for an error number; lines are joined by CR LF. Numbers without a message
// of their own get the generic message, which ends with the decimal number and the description.
// Pure: shows nothing and never fails.
std::string GetErrorMessage(ErrorNumber number, std::string_view description = {});

}  // namespace curvedesk
