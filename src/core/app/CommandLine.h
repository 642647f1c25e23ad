#pragma once

#include <string>
#include <vector>

namespace curvedesk {

// What the command line asks for: the installer's control registration switches, or a curve file
// to open (empty when none was named).
struct CommandLine {
  enum class Action { Run, RegisterControls, UnregisterControls };
  Action action = Action::Run;
  std::vector<std::string> controlFiles;  // for the two registration actions
  std::string startupFile;
  std::string compareFile;  // a curve file to compare the start-up file with, or empty
};

// words: the arguments after the program name. "/REG" or "/UNREG" as the first word (any letter
// case) registers or unregisters the control files named by the other words. "FILE --compare OTHER"
// opens FILE and compares it with OTHER: "--compare" as the last word but one, after at least one
// word, is that option and OTHER one path. Anything else (and FILE) is one curve file path: the
// words joined by single blanks, with one pair of surrounding double quotes removed when present. A
// path without quotes keeps all its characters.
CommandLine ParseCommandLine(const std::vector<std::string>& words);

}  // namespace curvedesk
