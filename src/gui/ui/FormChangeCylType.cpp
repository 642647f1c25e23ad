#include "gui/ui/FormChangeCylType.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/document/FieldRules.h"
#include "core/model/CylinderLayouts.h"

namespace curvedesk {

FormChangeCylType::FormChangeCylType(AppContext& context, QWidget* owner)
    : ConfigDialog("FormChangeCylType", QStringLiteral("Change Custom Cylinder Angle"), owner, Buttons::OkOnly),
      context_(context),
      cboChangeCustAngle_(new QComboBox) {
  OkButton()->setObjectName(QStringLiteral("Command1"));
  auto* explanation = new QLabel(QStringLiteral(
      "You have opened a version 2 curve file with a custom cylinder angle. Please choose the custom cylinder angle "
      "that matches your application.  When you save the file it will be updated to a Korvane version 3 curve "
      "file.  The Tach Type will be changed to 2 cylinder. "));
  explanation->setObjectName(QStringLiteral("lblExplanation"));
  explanation->setWordWrap(true);
  explanation->setFixedWidth(360);
  cboChangeCustAngle_->setObjectName(QStringLiteral("cboChangeCustAngle"));
  for (std::string_view layout : kCylinderLayoutNames)
    cboChangeCustAngle_->addItem(QString::fromUtf8(layout.data(), static_cast<qsizetype>(layout.size())));
  // The curve's layout, else the one the program knows, is offered first; the user confirms or
  // changes it.
  int known = cboChangeCustAngle_->findText(QString::fromStdString(context_.curve.CustType));
  if (known < 0) known = cboChangeCustAngle_->findText(QString::fromStdString(context_.CustName));
  cboChangeCustAngle_->setCurrentIndex(std::max(known, 0));
  Body()->addWidget(explanation);
  Body()->addSpacing(6);
  Body()->addWidget(cboChangeCustAngle_);
}

bool FormChangeCylType::Confirm() {
  const std::string chosen = cboChangeCustAngle_->currentText().toStdString();
  if (IsCustomCylinderLayout(chosen)) context_.CustName = chosen;
  CurveData& curve = context_.curve;
  curve.CustType = context_.CustName;
  curve.TachType = 2;
  curve.Modified = true;
  return true;
}

}  // namespace curvedesk
