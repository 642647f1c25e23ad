#include "core/common/IniDocument.h"

#include <algorithm>

#include "core/common/TextEncoding.h"

namespace curvedesk {

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The section name of a "[name]" line, or nothing for other lines.
std::optional<std::string_view> SectionNameOf(std::string_view line) {
  line = TrimBlanks(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  line.remove_prefix(1);
  const auto close = line.find(']');
  if (close != std::string_view::npos) line = line.substr(0, close);
  return TrimBlanks(line);
}

struct Entry {
  std::string_view key;
  std::string_view value;
};

std::optional<Entry> EntryOf(std::string_view line) {
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return Entry{TrimBlanks(line.substr(0, equals)), TrimBlanks(line.substr(equals + 1))};
}

std::string WithoutControls(std::string_view text) {
  std::string clean(text);
  std::replace_if(
      clean.begin(), clean.end(),
      [](char c) { return (static_cast<unsigned char>(c) < 0x20 || c == '\x7F'); }, ' ');
  return clean;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

IniDocument IniDocument::Parse(std::string_view bytes) {
  IniDocument document;
  const std::string text = DecodeDataFileText(bytes);
  std::size_t start = 0;
  while (start < text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    document.lines_.push_back(std::move(line));
    start = end + 1;
  }
  return document;
}

std::string IniDocument::Serialize() const {
  std::string text;
  for (const auto& line : lines_) {
    text += line;
    text += "\r\n";
  }
  return Utf8ToCp1252(text);
}

std::optional<IniDocument::Range> IniDocument::FindSection(std::string_view section) const {
  section = TrimBlanks(section);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    auto name = SectionNameOf(lines_[i]);
    if (!name || !EqualsIgnoreCase(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines_.size() && !SectionNameOf(lines_[end])) ++end;
    return Range{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindKey(const Range& range, std::string_view key) const {
  key = TrimBlanks(key);
  for (std::size_t i = range.header + 1; i < range.end; ++i) {
    auto entry = EntryOf(lines_[i]);
    if (entry && EqualsIgnoreCase(entry->key, key)) return i;
  }
  return std::nullopt;
}

bool IniDocument::HasSection(std::string_view section) const { return FindSection(section).has_value(); }

std::optional<std::string> IniDocument::Read(std::string_view section, std::string_view key) const {
  auto range = FindSection(section);
  if (!range) return std::nullopt;
  auto index = FindKey(*range, key);
  if (!index) return std::nullopt;
  return std::string(EntryOf(lines_[*index])->value);
}

void IniDocument::Write(std::string_view section, std::string_view key, std::string_view value) {
  const std::string cleanSection = WithoutControls(TrimBlanks(section));
  const std::string cleanKey = WithoutControls(TrimBlanks(key));
  std::string line = cleanKey + "=" + WithoutControls(value);

  auto range = FindSection(cleanSection);
  if (!range) {
    lines_.push_back("[" + cleanSection + "]");
    lines_.push_back(std::move(line));
    return;
  }
  if (auto index = FindKey(*range, cleanKey)) {
    lines_[*index] = std::move(line);
    return;
  }
  // After the section's last non-blank line, so blank separator lines stay between sections.
  std::size_t insertAt = range->end;
  while (insertAt > range->header + 1 && TrimBlanks(lines_[insertAt - 1]).empty()) --insertAt;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(line));
}

void IniDocument::AppendBlankLines(int count) {
  for (int i = 0; i < count; ++i) lines_.emplace_back();
}

}  // namespace curvedesk
