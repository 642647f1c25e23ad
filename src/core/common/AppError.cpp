#include "core/common/AppError.h"

#include <cstdio>

#include "core/common/ErrorMessages.h"

namespace curvedesk {

namespace {
std::string WhatText(ErrorNumber number, const std::string& description) {
  std::string text = "error " + FormatErrorNumber(number);
  if (!description.empty()) text += ": " + description;
  return text;
}
}  // namespace

AppError::AppError(ErrorNumber number, std::string description)
    : std::runtime_error(WhatText(number, description)),
      number_(number),
      description_(std::move(description)) {}

void RaiseError(ErrorNumber number, std::string description) {
  throw AppError(number, std::move(description));
}

void RaiseWithMessage(const AppError& error) {
  throw AppError(error.Number(), GetErrorMessage(error.Number(), error.Description()));
}

std::string FormatErrorNumber(ErrorNumber number) {
  if (number >= 0 && number < 0x10000) return std::to_string(number);
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(number));
  return buffer;
}

}  // namespace curvedesk
