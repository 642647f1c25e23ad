#pragma once

#include <string_view>

namespace curvedesk {

// The whole number typed in a field of the node dialog. An empty field or one that is not a
// number is a program error ("Type mismatch"), and so is a number beyond the integer range
// ("Overflow"); both end in the generic message. The curve rules then check the value itself.
int NodeDialogFieldValue(std::string_view text);

}  // namespace curvedesk
