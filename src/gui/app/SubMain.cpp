#include "gui/app/SubMain.h"

#include <QApplication>
#include <QProcess>

#include "core/app/CommandLine.h"
#include "gui/app/StartUp.h"
#include "gui/platform/FolderLookup.h"
#include "gui/platform/QtRegistryStore.h"
#include "gui/ui/FormMain.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/widgets/MessageBoxPrompter.h"

namespace curvedesk {

namespace {

// Windows registers the program's controls with its registration tool, one run per file, without
// waiting; elsewhere there is nothing to register.
void RegisterControls([[maybe_unused]] const CommandLine& commandLine) {
#ifdef Q_OS_WIN
  QStringList switches{QStringLiteral("/s")};
  if (commandLine.action == CommandLine::Action::UnregisterControls) switches.prepend(QStringLiteral("/u"));
  for (const std::string& file : commandLine.controlFiles)
    QProcess::startDetached(QStringLiteral("regsvr32"), switches + QStringList{QString::fromStdString(file)});
#endif
}

}  // namespace

int SubMain(Edition edition, int argc, char** argv) {
  // The switches are handled before any window system is needed.
  const CommandLine early = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (early.action != CommandLine::Action::Run) {
    RegisterControls(early);
    return 0;
  }

  QApplication application(argc, argv);
  // Qt has taken its own options out of the arguments; the rest names the curve file.
  QStringList words = QApplication::arguments();
  words.removeFirst();
  std::vector<std::string> commandLine;
  for (const QString& word : words) commandLine.push_back(word.toStdString());

  AppContext context;
  context.edition = edition;
  context.folders = LookUpAppFolders();
  context.folders.recoveryDir = RecoveryFolderPath().toStdString();
  QtRegistryStore store(QtRegistryStore::DefaultFilePath());
  MessageBoxPrompter prompter;
  QtFileDialogs fileDialogs;
  StartUp startUp(context, store, prompter, fileDialogs);
  const CommandLine parsed = ParseCommandLine(commandLine);
  if (!startUp.Run(parsed.startupFile, parsed.compareFile)) return 1;
  prompter.SetParent(startUp.MainWindow());
  return QApplication::exec();
}

}  // namespace curvedesk
