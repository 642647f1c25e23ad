#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <vector>

#include "core/model/AppFolders.h"

namespace curvedesk::cli {

// What a command gets: its own arguments (after the command name), the folders, and the streams.
struct CliContext {
  std::vector<std::string> args;
  AppFolders folders;
  std::ostream& out;
  std::ostream& err;
  bool errIsTerminal = false;  // progress bars only when a person is watching
};

struct CliCommand {
  const char* name;
  const char* synopsis;             // arguments, e.g. "FILE..."
  const char* description;          // one or more lines for --help
  int (*run)(CliContext& context);  // the exit status: 0 success, 1 failure
};

// Groups of commands, one per file.
std::span<const CliCommand> FileCommands();
std::span<const CliCommand> DeviceCommands();
std::span<const CliCommand> PrintCommands();

// The command line's output is its own: Qt's warnings about the platform (a missing runtime
// folder, fonts) stay off the terminal; only its critical messages reach the error stream.
void SilencePlatformMessages();

// Parses the global options (--data-dir, --documents-dir, --help, --version), runs the command.
// Needs a QGuiApplication (printing to PDF measures fonts).
int RunCli(int argc, char* argv[], std::ostream& out, std::ostream& err);

}  // namespace curvedesk::cli
