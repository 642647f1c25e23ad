#include "core/ignition/ComSettings.h"

#include <cctype>
#include <charconv>
#include <string>
#include <vector>

#include "core/common/AppError.h"
#include "core/ignition/SerialErrors.h"

namespace curvedesk {

namespace {

std::vector<std::string_view> SplitAtCommas(std::string_view text) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t comma = text.find(',', start);
    std::string_view part = text.substr(start, comma == std::string_view::npos ? text.npos : comma - start);
    while (!part.empty() && part.front() == ' ') part.remove_prefix(1);
    while (!part.empty() && part.back() == ' ') part.remove_suffix(1);
    parts.push_back(part);
    if (comma == std::string_view::npos) return parts;
    start = comma + 1;
  }
}

bool ParseInt(std::string_view text, int& value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

}  // namespace

LineSettings ParseComSettings(std::string_view text) {
  const auto bad = [&] { RaiseError(ErrSerialSettings, "Invalid serial line settings \"" + std::string(text) + "\"."); };
  const std::vector<std::string_view> parts = SplitAtCommas(text);
  if (parts.size() != 4) bad();

  LineSettings settings;
  if (!ParseInt(parts[0], settings.baud) || settings.baud <= 0) bad();
  if (parts[1].size() != 1) bad();
  settings.parity = static_cast<char>(std::tolower(static_cast<unsigned char>(parts[1][0])));
  if (std::string_view("neoms").find(settings.parity) == std::string_view::npos) bad();
  if (!ParseInt(parts[2], settings.dataBits) || settings.dataBits < 5 || settings.dataBits > 8) bad();
  if (parts[3] == "1") {
    settings.stopBits = 1;
  } else if (parts[3] == "1.5") {
    settings.stopBits = 1.5;
  } else if (parts[3] == "2") {
    settings.stopBits = 2;
  } else {
    bad();
  }
  return settings;
}

}  // namespace curvedesk
