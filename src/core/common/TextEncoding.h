#pragma once

#include <string>
#include <string_view>

namespace curvedesk {

// Data files travel between this program and the older one, which writes Windows-1252.
// In memory all text is UTF-8.

// Windows-1252 bytes to UTF-8. The five bytes 1252 leaves undefined map to the C1 controls.
std::string Cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252; a character 1252 cannot hold becomes "?" (as the Windows ANSI functions
// write it). Invalid UTF-8 bytes are taken as Windows-1252 bytes, so no input is lost twice.
std::string Utf8ToCp1252(std::string_view text);

// Text read from a data file: UTF-8 when it carries a UTF-8 byte order mark or is valid UTF-8 with
// at least one multi-byte character (a file edited with a modern editor), Windows-1252 otherwise.
// Returns UTF-8 without the byte order mark.
std::string DecodeDataFileText(std::string_view bytes);

}  // namespace curvedesk
