#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/common/Currency.h"

namespace curvedesk {

// Path separators of this platform: backslash and slash on Windows, slash elsewhere.
bool IsPathSeparator(char c);

// Every component of the path but the last, each followed by its separator; empty for an empty path.
std::string PathDirectory(std::string_view path);
// The last component; empty for an empty path.
std::string PathFileName(std::string_view path);

// The path itself when it fits in maxLen characters; otherwise "..." + separator + the file name
// and as many whole folders before it as fit, stopping at the double separator of a network path.
std::string AbbreviatePath(std::string_view path, std::size_t maxLen);

// The value with exactly one decimal and a leading zero: 2.5 gives "2.5", 0 gives "0.0".
std::string FormatVolts(Currency volts);

// Upper-case hexadecimal of a 16-bit value without prefix (negative values as four digits),
// padded with "0" on the left to at least width characters.
std::string HexPadded(std::int32_t value, int width);

}  // namespace curvedesk
