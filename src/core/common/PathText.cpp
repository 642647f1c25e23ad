#include "core/common/PathText.h"

#include <system_error>

#include "core/common/AppError.h"

namespace curvedesk {

std::filesystem::path PathFromUtf8(std::string_view utf8) {
  try {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
  } catch (const std::system_error&) {
    // Only where the system converts names (to UTF-16 on Windows) can the text be refused.
    RaiseError(ErrBadFileName);
  }
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  try {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
  } catch (const std::system_error&) {
    RaiseError(ErrBadFileName);
  }
}

}  // namespace curvedesk
