#include <QGuiApplication>
#include <iostream>

#include "cli/CliCommand.h"

int main(int argc, char* argv[]) {
  // Printing to PDF needs fonts, hence a GUI application; the command line never shows a window, so
  // it needs no display either.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  curvedesk::cli::SilencePlatformMessages();
  QGuiApplication app(argc, argv);
  return curvedesk::cli::RunCli(argc, argv, std::cout, std::cerr);
}
