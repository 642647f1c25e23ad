#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace curvedesk {

// File and folder names are UTF-8 text everywhere in the program. The standard library reads a
// narrow string given to std::filesystem::path or fopen in the system's narrow encoding, which is
// UTF-8 on Linux but the ANSI code page (Windows-1252 in western Europe) on Windows, where a name
// such as "Zündkurve 50°.crv" would reach the disk as other characters. Names cross into and out of
// the file system through these two.

// Raises ErrBadFileName when the text is not UTF-8 that the system can hold.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

}  // namespace curvedesk
