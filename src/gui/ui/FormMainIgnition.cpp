// The main window's commands that speak to the ignition.
#include <QAction>

#include "gui/ignition/BoardSession.h"
#include "gui/ignition/IgnitionCommands.h"
#include "gui/ui/FormMain.h"

namespace curvedesk {

void FormMain::SetIgnitionCommands(IgnitionCommands& commands) {
  for (QAction* action : {mnuFileProgramIgnition_, mnuFileCompareIgnition_, mnuFileProgramRevLimit_,
                          mnuConfigSerialPort_, mnuConfigVerifyAfterWrite_, mnuConfigUpgradeFirmware_, mnuHelpAbout_})
    unavailable_.remove(action);
  // Comparing needs what programming needs: a curve, and no job running.
  connect(mnuFileProgramIgnition_, &QAction::enabledChanged, mnuFileCompareIgnition_, &QAction::setEnabled);
  SetCommandEnabled(mnuFileProgramIgnition_, documentOpen_);
  mnuFileCompareIgnition_->setEnabled(mnuFileProgramIgnition_->isEnabled());
  for (QAction* action : {mnuFileProgramRevLimit_, mnuConfigSerialPort_, mnuConfigVerifyAfterWrite_,
                          mnuConfigUpgradeFirmware_, mnuHelpAbout_})
    SetCommandEnabled(action, true);
  mnuConfigVerifyAfterWrite_->setChecked(context_.settings.VerifyAfterWrite);
  connect(mnuConfigVerifyAfterWrite_, &QAction::toggled, this,
          [this](bool checked) { context_.settings.VerifyAfterWrite = checked; });

  // A pending field check runs first; a field that keeps the focus stops the command.
  connect(mnuFileProgramIgnition_, &QAction::triggered, this, [this, &commands] {
    if (CommitPendingEdits()) commands.ProgramIgnition();
  });
  connect(mnuFileCompareIgnition_, &QAction::triggered, this, [this, &commands] {
    if (!CommitPendingEdits()) return;
    const CurveData snapshot = context_.curve;
    commands.CompareWithIgnition(snapshot);
  });
  connect(mnuFileProgramRevLimit_, &QAction::triggered, this, [this, &commands] {
    if (CommitPendingEdits()) commands.ProgramRevLimit();
  });
  connect(mnuConfigUpgradeFirmware_, &QAction::triggered, this, [this, &commands] {
    if (CommitPendingEdits()) commands.UpgradeFirmware();
  });
  connect(mnuConfigSerialPort_, &QAction::triggered, &commands, &IgnitionCommands::ConfigureSerialPort);
  connect(mnuHelpAbout_, &QAction::triggered, &commands, &IgnitionCommands::ShowAbout);
  connect(&commands.Session(), &BoardSession::busyChanged, this, &FormMain::LockForBoardJob);
}

void FormMain::LockForBoardJob(bool busy) {
  boardJobRunning_ = busy;
  // The window keeps painting and moving; only its commands and fields wait, so neither a second
  // job nor an edit of the curve being written can start.
  if (busy) {
    for (QAction* action : findChildren<QAction*>(Qt::FindDirectChildrenOnly)) {
      if (!action->isEnabled()) continue;
      lockedCommands_.append(action);
      action->setEnabled(false);
    }
  } else {
    for (QAction* action : std::as_const(lockedCommands_)) action->setEnabled(true);
    lockedCommands_.clear();
  }
  centralWidget()->setEnabled(!busy);
}

}  // namespace curvedesk
