#pragma once

#include <functional>

#include "core/common/AppError.h"

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

}  // namespace curvedesk::testing
