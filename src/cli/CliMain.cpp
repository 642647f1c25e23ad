#include <unistd.h>

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <iostream>

#include "cli/CliCommand.h"
#include "core/common/Version.h"
#include "gui/platform/FolderLookup.h"

namespace curvedesk::cli {

namespace {

std::vector<CliCommand> AllCommands() {
  std::vector<CliCommand> commands;
  for (auto group : {FileCommands(), DeviceCommands(), PrintCommands()})
    commands.insert(commands.end(), group.begin(), group.end());
  return commands;
}

void PrintHelp(std::ostream& out, const std::vector<CliCommand>& commands) {
  out << "usage: curvedesk-cli [--data-dir DIR] [--documents-dir DIR] COMMAND [ARGS]\n\n"
         "Curve files, ignition programming and firmware without windows.\n\n"
         "Options:\n"
         "  --data-dir DIR       ignition descriptions, limits and tables (default: $CURVEDESK_DATA_DIR,\n"
         "                       else <program>/../share/curvedesk)\n"
         "  --documents-dir DIR  the documents folder (default: $CURVEDESK_DOCUMENTS_DIR, else Documents)\n"
         "  --help               this text\n"
         "  --version            the program version\n\n"
         "Commands:\n";
  for (const CliCommand& command : commands) {
    out << "  " << command.name << (*command.synopsis ? " " : "") << command.synopsis << "\n";
    std::string description = command.description;
    std::size_t start = 0;
    while (start < description.size()) {
      auto end = description.find('\n', start);
      if (end == std::string::npos) end = description.size();
      out << "      " << description.substr(start, end - start) << "\n";
      start = end + 1;
    }
  }
}

void OnQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "curvedesk-cli: %s\n", message.toLocal8Bit().constData());
}

}  // namespace

void SilencePlatformMessages() { qInstallMessageHandler(OnQtMessage); }

int RunCli(int argc, char* argv[], std::ostream& out, std::ostream& err) {
  const std::vector<CliCommand> commands = AllCommands();
  QString dataDir;
  QString documentsDir;
  int index = 1;
  for (; index < argc; ++index) {
    const std::string arg = argv[index];
    if (arg == "--help" || arg == "-h") {
      PrintHelp(out, commands);
      return 0;
    }
    if (arg == "--version") {
      out << "curvedesk-cli " << kProgramVersion << "\n";
      return 0;
    }
    if ((arg == "--data-dir" || arg == "--documents-dir") && index + 1 < argc) {
      (arg == "--data-dir" ? dataDir : documentsDir) = QString::fromLocal8Bit(argv[++index]);
      continue;
    }
    if (arg.rfind("--", 0) == 0) {
      err << "curvedesk-cli: unknown option " << arg << " (see --help)\n";
      return 1;
    }
    break;
  }
  if (index >= argc) {
    PrintHelp(err, commands);
    return 1;
  }
  const std::string name = argv[index];
  for (const CliCommand& command : commands) {
    if (name != command.name) continue;
    CliContext context{std::vector<std::string>(argv + index + 1, argv + argc), LookUpAppFolders(dataDir, documentsDir),
                       out, err, isatty(fileno(stderr)) != 0};
    return command.run(context);
  }
  err << "curvedesk-cli: unknown command " << name << " (see --help)\n";
  return 1;
}

}  // namespace curvedesk::cli
