#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/common/IniDocument.h"

namespace curvedesk {

// Typed reads and writes of INI profile files. String values are stored wrapped in "#" marks so
// that leading and trailing blanks survive. Each call on a path opens, reads or rewrites, and
// closes the file; a missing file reads as empty and is created by the first write.
// The overloads on an IniDocument do the same on a file already in memory.

// The value IniReadInt's lookup falls back to; reading it back means the key is missing.
inline constexpr std::int32_t kIniReadIntSentinel = -134217727;  // 0xF8000001

// Raise ErrIniWrite ("INI File Write Error") when the file cannot be written.
void IniWriteInt(const std::string& path, std::string_view section, std::string_view key, std::int32_t value);
void IniWriteString(const std::string& path, std::string_view section, std::string_view key, std::string_view text);
void IniWriteInt(IniDocument& document, std::string_view section, std::string_view key, std::int32_t value);
void IniWriteString(IniDocument& document, std::string_view section, std::string_view key, std::string_view text);

// Raises ErrIniRead ("INI File Read Error") when the key is missing, empty or the file unreadable.
// Parses like the profile functions: an optional minus sign and the leading decimal digits, so a
// value that does not start with a number reads as 0; 32-bit wrap-around on overflow.
std::int32_t IniReadInt(const std::string& path, std::string_view section, std::string_view key);
std::int32_t IniReadInt(const IniDocument& document, std::string_view section, std::string_view key);

// Never raises: a missing key or unreadable file gives an empty text. A value starting with "#"
// loses its first and its last character. The whole value is read, however long.
std::string IniReadString(const std::string& path, std::string_view section, std::string_view key);
std::string IniReadString(const IniDocument& document, std::string_view section, std::string_view key);

// The file as a document: empty when missing. Raises the run-time file error when it exists but
// cannot be read.
IniDocument LoadIniDocument(const std::string& path);

}  // namespace curvedesk
