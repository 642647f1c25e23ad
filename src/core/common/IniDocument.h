#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace curvedesk {

// An INI profile file held in memory as its lines, with the semantics of the Windows profile
// functions that the older program used, so files travel both ways:
// - section and key names match without regard to ASCII case; blanks around names and values
//   are trimmed; the first of duplicate sections or keys wins;
// - a write replaces the key's line in place, or adds the key after the last entry of its
//   section, or adds the section at the end of the file;
// - lines end with CR LF when written; CR LF or LF are read.
// Text is UTF-8 in memory; Parse and Serialize convert from and to the on-disk encoding.
class IniDocument {
 public:
  IniDocument() = default;

  // Bytes of a file as found on disk (Windows-1252, or UTF-8 when recognisable as such).
  static IniDocument Parse(std::string_view bytes);
  // Windows-1252 bytes with CR LF line ends.
  std::string Serialize() const;

  // The trimmed value of the key, or nothing when the section or key does not exist.
  std::optional<std::string> Read(std::string_view section, std::string_view key) const;

  // Writes key=value. Control characters (line breaks among them) in the section, key or value are
  // written as blanks: a value must stay on its own line and cannot start a key or section.
  void Write(std::string_view section, std::string_view key, std::string_view value);

  void AppendBlankLines(int count);

  bool HasSection(std::string_view section) const;
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  struct Range {
    std::size_t header;  // index of the "[name]" line
    std::size_t end;     // one past the section's last line
  };
  std::optional<Range> FindSection(std::string_view section) const;
  std::optional<std::size_t> FindKey(const Range& range, std::string_view key) const;

  std::vector<std::string> lines_;
};

// Trims blanks and tabs from both ends.
std::string_view TrimBlanks(std::string_view text);
// ASCII case-insensitive equality, as the profile functions compare names.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace curvedesk
