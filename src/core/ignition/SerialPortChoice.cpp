#include "core/ignition/SerialPortChoice.h"

#include <algorithm>
#include <cctype>

#include "core/common/AppError.h"

namespace curvedesk {

namespace {

constexpr int kHighestComPort = 255;

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// "COM10" (any case, blanks around the number allowed) gives 10.
std::optional<std::int32_t> ComPortNumber(const std::string& entry) {
  if (entry.size() < 4) return std::nullopt;
  std::string prefix = entry.substr(0, 3);
  std::transform(prefix.begin(), prefix.end(), prefix.begin(), [](unsigned char c) { return std::toupper(c); });
  const std::string digits = Trimmed(entry.substr(3));
  if (prefix != "COM" || digits.empty() || digits.size() > 3 ||
      !std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c); }))
    return std::nullopt;
  const int number = std::stoi(digits);
  if (number < 1 || number > kHighestComPort) return std::nullopt;
  return number;
}

std::string Joined(const std::vector<std::string>& entries) {
  std::string list;
  for (const std::string& entry : entries) list += (list.empty() ? "" : ",") + entry;
  return list;
}

}  // namespace

std::vector<std::string> SplitPortsList(const std::string& list) {
  std::vector<std::string> entries;
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t end = list.find(',', start);
    if (end == std::string::npos) end = list.size();
    if (std::string entry = Trimmed(list.substr(start, end - start)); !entry.empty()) entries.push_back(entry);
    start = end + 1;
  }
  return entries;
}

std::optional<std::size_t> ConfiguredEntry(const std::vector<std::string>& entries, std::int32_t comPort,
                                           const std::string& comDevice, PortNaming naming) {
  if (entries.empty()) return std::nullopt;
  const std::string configured = ConfiguredPortName(comPort, comDevice, naming);
  const auto found = std::find(entries.begin(), entries.end(), configured);
  return found == entries.end() ? 0 : static_cast<std::size_t>(found - entries.begin());
}

std::string PortOfEntryText(const std::string& text, const std::vector<PortEntry>& entries) {
  const std::string trimmed = Trimmed(text);
  const auto found = std::find_if(entries.begin(), entries.end(), [&](const PortEntry& entry) {
    return entry.label == trimmed || entry.port == trimmed;
  });
  return found == entries.end() ? trimmed : found->port;
}

PortChoice ChoosePort(const std::string& entry, const std::string& comPortsList, PortNaming naming) {
  const std::string chosen = Trimmed(entry);
  if (chosen.empty()) return {0, {}, comPortsList};
  if (naming == PortNaming::Numbered) {
    const auto number = ComPortNumber(chosen);
    if (!number) RaiseError(ErrGeneric, kPortEntryMessage);
    return {*number, {}, comPortsList};
  }
  std::vector<std::string> entries = SplitPortsList(comPortsList);
  auto found = std::find(entries.begin(), entries.end(), chosen);
  if (found == entries.end()) {
    entries.push_back(chosen);
    found = entries.end() - 1;
  }
  return {static_cast<std::int32_t>(found - entries.begin() + 1), chosen, Joined(entries)};
}

PortNaming SystemPortNaming() {
#ifdef _WIN32
  return PortNaming::Numbered;
#else
  return PortNaming::DevicePaths;
#endif
}

}  // namespace curvedesk
