#pragma once

#include <cctype>
#include <string>

namespace curvedesk::testing {

// True when the bytes start as a PDF file starts and end with its end-of-file marker.
inline bool LooksLikePdf(const std::string& bytes) {
  return bytes.rfind("%PDF-", 0) == 0 &&
         bytes.find("%%EOF", bytes.size() > 64 ? bytes.size() - 64 : 0) != std::string::npos;
}

// The page objects of a PDF file: "/Type /Page" (its page tree nodes are /Pages and not counted).
inline int PdfPageCount(const std::string& bytes) {
  int pages = 0;
  for (std::size_t at = bytes.find("/Type"); at != std::string::npos; at = bytes.find("/Type", at + 1)) {
    std::size_t value = at + 5;
    while (value < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[value]))) ++value;
    const std::size_t end = value + 5;
    if (bytes.compare(value, 5, "/Page") == 0 &&
        (end >= bytes.size() || !std::isalpha(static_cast<unsigned char>(bytes[end]))))
      ++pages;
  }
  return pages;
}

}  // namespace curvedesk::testing
