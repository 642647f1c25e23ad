#pragma once

#include <functional>
#include <string>

#include "core/common/AppError.h"
#include "core/common/ErrorMessages.h"

namespace curvedesk::testing {

// The error number an action raises, or 0 when it succeeds.
inline ErrorNumber ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const AppError& error) {
    return error.Number();
  }
  return 0;
}

// The message the user would see for what an action raises (an error's message, or a refusal's own
// text), or an empty text when it succeeds.
inline std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const AppError& error) {
    return GetErrorMessage(error.Number(), error.Description());
  } catch (const RefusedWithMessage& refusal) {
    return refusal.what();
  }
  return {};
}

}  // namespace curvedesk::testing
