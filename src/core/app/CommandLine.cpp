#include "core/app/CommandLine.h"

#include "core/common/IniDocument.h"

namespace curvedesk {

namespace {

constexpr const char* kCompareOption = "--compare";

// The words joined by single blanks, without one pair of double quotes around the whole.
std::string OnePath(std::vector<std::string>::const_iterator first, std::vector<std::string>::const_iterator last) {
  std::string path = *first;
  for (auto word = first + 1; word != last; ++word) path += ' ' + *word;
  if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
  return path;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& words) {
  CommandLine parsed;
  if (words.empty()) return parsed;

  const bool registering = EqualsIgnoreCase(words.front(), "/REG");
  if (registering || EqualsIgnoreCase(words.front(), "/UNREG")) {
    parsed.action = registering ? CommandLine::Action::RegisterControls : CommandLine::Action::UnregisterControls;
    parsed.controlFiles.assign(words.begin() + 1, words.end());
    return parsed;
  }

  auto pathEnd = words.end();
  if (words.size() >= 3 && words[words.size() - 2] == kCompareOption) {
    pathEnd -= 2;
    parsed.compareFile = OnePath(pathEnd + 1, words.end());
  }
  parsed.startupFile = OnePath(words.begin(), pathEnd);
  return parsed;
}

}  // namespace curvedesk
