#pragma once

#include <iterator>
#include <regex>
#include <string>

namespace curvedesk::testing {

// True when the bytes start as a PDF file starts and end with its end-of-file marker.
inline bool LooksLikePdf(const std::string& bytes) {
  return bytes.rfind("%PDF-", 0) == 0 &&
         bytes.find("%%EOF", bytes.size() > 64 ? bytes.size() - 64 : 0) != std::string::npos;
}

// The page objects of a PDF file (its page tree nodes are /Pages and not counted).
inline int PdfPageCount(const std::string& bytes) {
  static const std::regex page(R"(/Type\s*/Page(?![a-zA-Z]))");
  return static_cast<int>(
      std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page), std::sregex_iterator()));
}

}  // namespace curvedesk::testing
