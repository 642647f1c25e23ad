#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace curvedesk {

// Whole-file helpers on UTF-8 file names (PathText.h). Every failure raises AppError with the
// run-time file error number.

// The file's bytes, or nothing when it does not exist. Other failures (a folder in its place,
// no permission) raise.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Replaces the file with the bytes so that the previous file survives any failure: the bytes go
// to a temporary file in the same folder, which is renamed over the target only once all of it
// was written and flushed. A failure removes the temporary file and leaves the target untouched.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// Creates the file, or empties an existing one.
void TruncateFile(const std::string& path);

// Appends count empty lines (CR LF each).
void AppendBlankLines(const std::string& path, int count);

}  // namespace curvedesk
