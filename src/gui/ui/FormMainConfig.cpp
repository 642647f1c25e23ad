// The main window's Config menu commands that change the open curve through a dialog: each dialog
// reports the choice, the document makes it one edit.
#include <QComboBox>
#include <QLineEdit>

#include "core/document/ConfigChoices.h"
#include "core/document/FieldRules.h"
#include "gui/ui/FormCfgCurveFallback.h"
#include "gui/ui/FormCfgRotorPos.h"
#include "gui/ui/FormCfgSensors.h"
#include "gui/ui/FormCfgSparkDist.h"
#include "gui/ui/FormCfgTachType.h"
#include "gui/ui/FormChangeCylType.h"
#include "gui/ui/FormMain.h"

namespace curvedesk {

void FormMain::RunConfigCommand(const std::function<void()>& command) {
  Guarded([&] {
    if (!document_.IsOpen() || !CommitPendingEdits()) return;
    command();
  });
}

void FormMain::AdjustSensors() {
  RunConfigCommand([this] {
    FormCfgSensors dialog(document_.Curve(), context_.ignitionDescriptions, prompter_, this);
    if (dialog.Ask() == ConfigDialog::kOk) document_.SetSensors(dialog.Sensors());
  });
}

void FormMain::ChangeCustomCylinderAngle() {
  RunConfigCommand([this] {
    FormChangeCylType dialog(document_.Curve().CustType, context_.CustName, this);
    if (dialog.Ask() != ConfigDialog::kOk) return;
    CurveData named = document_.Curve();
    NameCustomLayout(named, dialog.ChosenLayout(), context_.CustName);
    document_.SetCustomLayout(named.CustType);
  });
}

void FormMain::ChangeSparkDist() {
  RunConfigCommand([this] {
    FormCfgSparkDist dialog(document_.Curve(), context_.ignitionDescriptions, this);
    if (dialog.Ask() == ConfigDialog::kOk) document_.SetSparkDist(dialog.ChosenSparkDist());
  });
}

void FormMain::ChangeCurveFallback() {
  RunConfigCommand([this] {
    FormCfgCurveFallback dialog(document_.Curve().CurveFallback, this);
    if (dialog.Ask() != ConfigDialog::kOk) return;
    // Nothing chosen (a fallback between the list's steps) changes nothing.
    if (const int chosen = dialog.ChosenFallback(); chosen >= 0) document_.SetCurveFallback(chosen);
  });
}

void FormMain::ChangeRotorPosition() {
  RunConfigCommand([this] {
    FormCfgRotorPos dialog(document_.Curve(), context_.ignitionDescriptions, this);
    if (dialog.Ask() == ConfigDialog::kOk) document_.SetRotorPos(dialog.ChosenRotorPos());
  });
}

void FormMain::ChangeTachType() {
  RunConfigCommand([this] {
    FormCfgTachType dialog(document_.Curve().TachType, this);
    if (dialog.Ask() == ConfigDialog::kOk)
      document_.SetTachType(TachTypeFromText(dialog.ChosenText().toStdString(), context_.CustName));
  });
}

}  // namespace curvedesk
