#include "core/ignition/TimingTable.h"

#include <charconv>
#include <set>

#include "core/common/AppError.h"
#include "core/common/IniFile.h"

namespace curvedesk {

namespace {

std::string CountPart(std::int32_t count) { return count == kCustomCylinders ? "CUST" : std::to_string(count); }

// "]" cannot occur in a section name, so it separates the two names unambiguously.
std::string IndexKey(std::string_view section, std::string_view key) {
  std::string text;
  text.reserve(section.size() + key.size() + 1);
  for (char c : TrimBlanks(section)) text += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  text += ']';
  for (char c : TrimBlanks(key)) text += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return text;
}

[[noreturn]] void RaiseReadError(std::string_view section, std::string_view key, const char* what) {
  RaiseError(ErrIniRead, "INI File Read Error: [" + std::string(section) + "] " + std::string(key) + " " + what);
}

}  // namespace

std::string RotorPart(const IgnitionConfig& config) { return config.RotorPos == kRotorCrank ? "CRANK" : "CAM"; }

std::string CylinderPart(const IgnitionConfig& config) {
  std::int32_t cylinders = config.NumCylinders;
  if (config.EngineType == kEngineTwoStroke && (cylinders == 2 || cylinders == 4)) cylinders *= 2;
  return CountPart(cylinders);
}

std::string TachPart(const IgnitionConfig& config) { return CountPart(config.TachType); }

TimingTable::TimingTable(const IniDocument& document) {
  std::string_view section;
  bool inSection = false;
  std::set<std::string> sectionsSeen;
  for (const std::string& line : document.Lines()) {
    const std::string_view text = TrimBlanks(line);
    if (text.starts_with('[')) {
      const auto close = text.find(']');
      section = TrimBlanks(text.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
      // Like the profile functions, a repeated section is never read.
      inSection = sectionsSeen.insert(IndexKey(section, "")).second;
      continue;
    }
    const auto equals = text.find('=');
    if (!inSection || equals == std::string_view::npos) continue;
    values_.try_emplace(IndexKey(section, text.substr(0, equals)), TrimBlanks(text.substr(equals + 1)));
  }
}

TimingTable TimingTable::Load(const std::string& path) {
  try {
    return TimingTable(LoadIniDocument(path));
  } catch (const AppError&) {
    RaiseError(ErrIniRead, "INI File Read Error: " + path);
  }
}

std::uint8_t TimingTable::Lookup(std::string_view section, std::string_view key) const {
  const auto found = values_.find(IndexKey(section, key));
  if (found == values_.end() || found->second.empty()) RaiseReadError(section, key, "is missing");
  const std::string& text = found->second;
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) RaiseReadError(section, key, "is not a number");
  if (value < 0 || value > 255) {
    RaiseError(ErrOverflow, "Overflow: timing table value " + text + " of [" + std::string(section) + "] " +
                                std::string(key) + " does not fit a byte");
  }
  return static_cast<std::uint8_t>(value);
}

}  // namespace curvedesk
