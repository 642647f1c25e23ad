// The INI layer on arbitrary bytes: parsing, reading, writing and serialising must not crash, and
// a string written into any document reads back as the one value written (control characters,
// line breaks among them, as blanks), whatever the document held before.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/common/AppError.h"
#include "core/common/IniFile.h"

namespace {

std::string ControlsAsBlanks(std::string_view text) {
  std::string clean(text);
  for (char& c : clean)
    if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F') c = ' ';
  return clean;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace curvedesk;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  IniDocument document = IniDocument::Parse(bytes);

  // The first line's text names a section and key to read, so the fuzzer can reach real entries.
  const std::string_view firstLine = bytes.substr(0, bytes.find('\n'));
  const std::string_view section = firstLine.substr(0, firstLine.find('='));
  const std::string_view key = firstLine.substr(std::min(firstLine.size(), section.size() + 1));
  IniReadString(document, section, key);
  try {
    IniReadInt(document, section, key);
  } catch (const AppError&) {
  }

  const std::string value(bytes.substr(bytes.size() / 2));
  IniWriteString(document, "Fuzz", "Value", value);
  if (IniReadString(document, "Fuzz", "Value") != ControlsAsBlanks(value)) std::abort();

  IniDocument::Parse(document.Serialize());
  return 0;
}
