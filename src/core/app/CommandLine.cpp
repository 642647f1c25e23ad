#include "core/app/CommandLine.h"

#include "core/common/IniDocument.h"

namespace curvedesk {

CommandLine ParseCommandLine(const std::vector<std::string>& words) {
  CommandLine parsed;
  if (words.empty()) return parsed;

  const bool registering = EqualsIgnoreCase(words.front(), "/REG");
  if (registering || EqualsIgnoreCase(words.front(), "/UNREG")) {
    parsed.action = registering ? CommandLine::Action::RegisterControls : CommandLine::Action::UnregisterControls;
    parsed.controlFiles.assign(words.begin() + 1, words.end());
    return parsed;
  }

  std::string path = words.front();
  for (auto word = words.begin() + 1; word != words.end(); ++word) path += ' ' + *word;
  if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
  parsed.startupFile = std::move(path);
  return parsed;
}

}  // namespace curvedesk
