// The main window's Config menu commands that change the open curve through a dialog.
#include <QComboBox>
#include <QLineEdit>

#include "core/document/ConfigChoices.h"
#include "core/model/CoilLimits.h"
#include "core/model/CurveRules.h"
#include "core/model/DisplayTexts.h"
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
    if (!documentOpen_ || !CommitPendingEdits()) return;
    try {
      command();
    } catch (...) {
      RefreshFromCurve();
      throw;
    }
    // Whatever the answer, the window shows the curve as the dialog left it.
    RefreshFromCurve();
  });
}

void FormMain::AdjustSensors() {
  RunConfigCommand([this] {
    FormCfgSensors dialog(context_, prompter_, this);
    if (dialog.Ask() == ConfigDialog::kOk) SetModified(true);
  });
}

void FormMain::ChangeCustomCylinderAngle() {
  RunConfigCommand([this] {
    FormChangeCylType dialog(context_, this);
    if (dialog.Ask() == ConfigDialog::kOk) SetModified(true);
  });
}

void FormMain::ChooseUnnamedCustomLayout() {
  FormChangeCylType dialog(context_, this);
  if (dialog.Ask() != ConfigDialog::kOk) return;
  SetModified(true);
  txtNumCylinders_->setText(QString::fromStdString(context_.curve.CustType));
  txtTachType_->setText(QString::fromStdString(TachTypeName(context_.curve.TachType, context_.CustName)));
}

void FormMain::ChangeSparkDist() {
  RunConfigCommand([this] {
    FormCfgSparkDist dialog(context_.curve, context_.ignitionDescriptions, this);
    if (dialog.Ask() != ConfigDialog::kOk) return;
    const int chosen = dialog.ChosenSparkDist();
    if (chosen == context_.curve.SparkDist) return;
    // The limits in force are those of what the window shows: the distribution before the change.
    const SparkDistChangeCheck check = CheckSparkDistChange(
        LimitsFilePath(context_.folders), txtSparkDist_->text().toStdString(), cboCoilSat_->currentText().toStdString(),
        context_.edition, context_.curve, chosen, context_.coilLimits);
    if (!check.allowed) {
      ShowErrorText(prompter_, check.message);
      return;
    }
    context_.curve.SparkDist = chosen;
    SetModified(true);
  });
}

void FormMain::ChangeCurveFallback() {
  RunConfigCommand([this] {
    FormCfgCurveFallback dialog(context_.curve.CurveFallback, this);
    if (dialog.Ask() != ConfigDialog::kOk) return;
    const int chosen = dialog.ChosenFallback();
    if (chosen < 0 || chosen == context_.curve.CurveFallback) return;
    if (!CanChangeCurveFallback(context_.curve, chosen)) {
      ShowErrorText(prompter_, CurveFallbackRefusedMessage(chosen));
      return;
    }
    context_.curve.CurveFallback = static_cast<std::int16_t>(chosen);
    SetModified(true);
  });
}

void FormMain::ChangeRotorPosition() {
  RunConfigCommand([this] {
    FormCfgRotorPos dialog(context_.curve, context_.ignitionDescriptions, this);
    if (dialog.Ask() != ConfigDialog::kOk) return;
    const int chosen = dialog.ChosenRotorPos();
    if (chosen == context_.curve.RotorPos) return;
    context_.curve.RotorPos = chosen;
    SetModified(true);
  });
}

void FormMain::ChangeTachType() {
  RunConfigCommand([this] {
    FormCfgTachType dialog(context_.curve.TachType, this);
    if (dialog.Ask() != ConfigDialog::kOk) return;
    const int chosen = TachTypeFromText(dialog.ChosenText().toStdString(), context_.CustName);
    if (chosen == context_.curve.TachType) return;
    context_.curve.TachType = chosen;
    SetModified(true);
  });
}

}  // namespace curvedesk
