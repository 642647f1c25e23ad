#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "core/common/ErrorCode.h"

namespace curvedesk {

// The one exception type of the program: an error number and a description. Low-level code raises
// a number without a description; code running below a window raises the same number again with
// its user message as the description (RaiseWithMessage); window handlers show it (ShowError).
class AppError : public std::runtime_error {
 public:
  explicit AppError(ErrorNumber number, std::string description = {});

  ErrorNumber Number() const noexcept { return number_; }
  const std::string& Description() const noexcept { return description_; }

 private:
  ErrorNumber number_;
  std::string description_;
};

// A rule that refuses with a message of its own rather than an error number (a fallback RPM the
// nodes do not allow, a spark distribution beyond the coil limits). Shown as it is, under "Error".
class RefusedWithMessage : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

[[noreturn]] void RaiseError(ErrorNumber number, std::string description = {});

// Raises the same number again with the text of GetErrorMessage as its description.
[[noreturn]] void RaiseWithMessage(const AppError& error);

// The error number rendered as the program shows it in logs and the CLI: 0x80040403 for
// application errors, the decimal number for run-time errors.
std::string FormatErrorNumber(ErrorNumber number);

}  // namespace curvedesk
