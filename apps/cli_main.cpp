#include <QCoreApplication>
#include <iostream>

#include "cli/CliCommand.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  return curvedesk::cli::RunCli(argc, argv, std::cout, std::cerr);
}
