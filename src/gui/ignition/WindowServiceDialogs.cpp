#include "gui/ignition/WindowServiceDialogs.h"

#include <QApplication>

#include "gui/ignition/ServiceForms.h"
#include "gui/widgets/FormEnterText.h"

namespace curvedesk {

void WindowServiceDialogs::SetBusy(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

std::optional<std::int32_t> WindowServiceDialogs::AskPassword() {
  FormEnterText dialog(prompter_, owner_);
  dialog.bIsNumericEntry = true;
  dialog.lMinValue = kPasswordMin;
  dialog.lMaxValue = kPasswordMax;
  dialog.SetMaxLength(8);
  dialog.SetPasswordChar(true);
  if (dialog.Ask(QStringLiteral("Password"), QStringLiteral("Enter Password"), QString()) != QStringLiteral("1"))
    return std::nullopt;
  return ParsePassword(dialog.Response().toStdString());
}

bool WindowServiceDialogs::ConfirmClearEngineStarts() {
  FormClearEngineStarts dialog(owner_);
  return dialog.Ask() == QStringLiteral("1");
}

ServiceDialogs::MaxRpmAnswer WindowServiceDialogs::AskMaxDesiredRpm(std::int32_t currentRpm,
                                                                    std::int32_t exceededCount) {
  FormMaxDesiredRPM dialog(prompter_, owner_);
  const QString tag = dialog.Ask(currentRpm, exceededCount);
  if (tag == QStringLiteral("0")) return {MaxRpmButton::Clear, 0};
  if (tag == QStringLiteral("1")) return {MaxRpmButton::Ok, dialog.Rpm()};
  return {MaxRpmButton::Cancel, 0};
}

}  // namespace curvedesk
