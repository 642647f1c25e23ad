#include "core/common/Utils.h"

#include <cstdio>

namespace curvedesk {

bool IsPathSeparator(char c) {
#ifdef _WIN32
  return c == '\\' || c == '/';
#else
  return c == '/';
#endif
}

namespace {

std::size_t LastSeparator(std::string_view path) {
  for (std::size_t i = path.size(); i > 0; --i)
    if (IsPathSeparator(path[i - 1])) return i - 1;
  return std::string_view::npos;
}

}  // namespace

std::string PathDirectory(std::string_view path) {
  const auto last = LastSeparator(path);
  return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

std::string PathFileName(std::string_view path) {
  const auto last = LastSeparator(path);
  return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

std::string AbbreviatePath(std::string_view path, std::size_t maxLen) {
  if (path.size() <= maxLen) return std::string(path);
  auto end = LastSeparator(path);
  if (end == std::string_view::npos) return std::string(path);

  const char separator = path[end];
  std::string kept(path.substr(end + 1));
  // Prepend whole folders from the right. An empty component (the root of an absolute path, or the
  // double separator of a network path) ends the walk.
  while (end != std::string_view::npos && end > 0) {
    std::size_t start = end;
    while (start > 0 && !IsPathSeparator(path[start - 1])) --start;
    if (start == end) break;
    std::string candidate = std::string(path.substr(start, end - start)) + path[end] + kept;
    if (candidate.size() > maxLen) break;
    kept = std::move(candidate);
    end = start == 0 ? std::string_view::npos : start - 1;
  }
  return std::string("...") + separator + kept;
}

std::string FormatVolts(Currency volts) {
  // Round to tenths, halves away from zero.
  const std::int64_t scaled = volts.scaled;
  const std::int64_t magnitude = scaled < 0 ? -scaled : scaled;
  const std::int64_t tenths = (magnitude + 500) / 1000;
  std::string text = (scaled < 0 && tenths != 0) ? "-" : "";
  text += std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
  return text;
}

std::string HexPadded(std::int32_t value, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%X", static_cast<unsigned>(value) & 0xFFFFu);
  std::string text = buffer;
  if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
  return text;
}

}  // namespace curvedesk
