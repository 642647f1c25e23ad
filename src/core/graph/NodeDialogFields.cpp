#include "core/graph/NodeDialogFields.h"

#include <charconv>

#include "core/common/AppError.h"

namespace curvedesk {

int NodeDialogFieldValue(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) RaiseError(ErrOverflow, "Overflow");
  if (error != std::errc() || end != text.data() + text.size()) RaiseError(ErrTypeMismatch, "Type mismatch");
  return value;
}

}  // namespace curvedesk
