#include "gui/ui/FormChangeCylType.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/model/CylinderLayouts.h"

namespace curvedesk {

FormChangeCylType::FormChangeCylType(const std::string& custType, const std::string& custName, QWidget* owner)
    : ConfigDialog("FormChangeCylType", QStringLiteral("Change Custom Cylinder Angle"), owner, Buttons::OkOnly),
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
  int known = cboChangeCustAngle_->findText(QString::fromStdString(custType));
  if (known < 0) known = cboChangeCustAngle_->findText(QString::fromStdString(custName));
  cboChangeCustAngle_->setCurrentIndex(std::max(known, 0));
  Body()->addWidget(explanation);
  Body()->addSpacing(6);
  Body()->addWidget(cboChangeCustAngle_);
}

std::string FormChangeCylType::ChosenLayout() const { return cboChangeCustAngle_->currentText().toStdString(); }

}  // namespace curvedesk
