// The main window's commands that speak to the ignition.
#include <QAction>
#include <QDockWidget>

#include "gui/ignition/BoardSession.h"
#include "gui/ignition/IgnitionCommands.h"
#include "gui/ui/FormMain.h"

namespace curvedesk {

void FormMain::SetIgnitionCommands(IgnitionCommands& commands) {
  for (QAction* action : {mnuFileProgramIgnition_, mnuFileCompareIgnition_, mnuFileProgramRevLimit_,
                          mnuConfigSerialPort_, mnuConfigVerifyAfterWrite_, mnuConfigUpgradeFirmware_, mnuHelpAbout_})
    unavailable_.remove(action);
  // Comparing needs what programming needs: a curve.
  for (QAction* action : {mnuFileProgramIgnition_, mnuFileCompareIgnition_})
    SetCommandEnabled(action, document_.IsOpen());
  for (QAction* action : {mnuFileProgramRevLimit_, mnuConfigSerialPort_, mnuConfigVerifyAfterWrite_,
                          mnuConfigUpgradeFirmware_, mnuHelpAbout_})
    SetCommandEnabled(action, true);
  mnuConfigVerifyAfterWrite_->setChecked(context_.settings.VerifyAfterWrite);
  connect(mnuConfigVerifyAfterWrite_, &QAction::toggled, this,
          [this](bool checked) { context_.settings.VerifyAfterWrite = checked; });

  // A pending field check runs first; a field that keeps the focus stops the command.
  connect(mnuFileProgramIgnition_, &QAction::triggered, this, [this, &commands] {
    if (!CommitPendingEdits()) return;
    // The ignition gets the curve as it was when the command started; nothing changes it meanwhile.
    const CurveDocument::Job job(document_);
    const CurveData snapshot = document_.Curve();
    commands.ProgramIgnition(snapshot);
  });
  connect(mnuFileCompareIgnition_, &QAction::triggered, this, [this, &commands] {
    if (!CommitPendingEdits()) return;
    const CurveDocument::Job job(document_);
    const CurveData snapshot = document_.Curve();
    commands.CompareWithIgnition(snapshot);
  });
  connect(mnuFileProgramRevLimit_, &QAction::triggered, this, [this, &commands] {
    if (CommitPendingEdits()) commands.ProgramRevLimit();
  });
  connect(mnuConfigUpgradeFirmware_, &QAction::triggered, this, [this, &commands] {
    if (CommitPendingEdits()) commands.UpgradeFirmware();
  });
  connect(mnuConfigSerialPort_, &QAction::triggered, this, [this, &commands] {
    if (CommitPendingEdits()) commands.ConfigureSerialPort();
  });
  connect(mnuHelpAbout_, &QAction::triggered, this, [this, &commands] {
    if (CommitPendingEdits()) commands.ShowAbout();
  });
  session_ = &commands.Session();
  connect(session_, &BoardSession::busyChanged, this, &FormMain::UpdateJobLock);
}

void FormMain::UpdateJobLock() {
  const bool busy = document_.JobRunning() || (session_ && session_->Busy());
  if (busy == jobRunning_) return;
  jobRunning_ = busy;
  // The window keeps painting and moving; only its commands and fields wait, so neither a second
  // job nor an edit of the curve being written or printed can start.
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
  dockNodeTable_->setEnabled(!busy);
}

}  // namespace curvedesk
