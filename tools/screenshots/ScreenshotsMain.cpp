#include <QApplication>
#include <QDir>
#include <QTextStream>

#include "Shots.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2) {
    QTextStream(stderr) << "usage: curvedesk-screenshots <folder>\n";
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(folder);
  curvedesk::shots::TakeGraphShots(folder);
  curvedesk::shots::TakeMainWindowShots(folder);
  curvedesk::shots::TakeIgnitionShots(folder);
  curvedesk::shots::TakeWizardShots(folder);
  curvedesk::shots::TakeDialogShots(folder);
  curvedesk::shots::TakeRecoveryShots(folder);
  curvedesk::shots::TakeIconShots(folder);
  return 0;
}
