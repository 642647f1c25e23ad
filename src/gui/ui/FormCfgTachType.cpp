#include "gui/ui/FormCfgTachType.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include "core/document/ConfigChoices.h"

namespace curvedesk {

FormCfgTachType::FormCfgTachType(int tachType, QWidget* owner)
    : ConfigDialog("FormCfgTachType", QStringLiteral("Change Tach Type"), owner), cboTachType_(new QComboBox) {
  cboTachType_->setObjectName(QStringLiteral("cboTachType"));
  for (int cylinders : kTachTypeChoices) cboTachType_->addItem(QString::number(cylinders), cylinders);
  cboTachType_->setCurrentIndex(TachTypeEntry(tachType));
  cboTachType_->setMinimumWidth(90);
  auto* label = new QLabel(QStringLiteral("&Number of Cylinders"));
  label->setBuddy(cboTachType_);
  auto* row = new QHBoxLayout(AddFrame(QStringLiteral("Tach Output")));
  row->addWidget(label);
  row->addStretch();
  row->addWidget(cboTachType_);
}

QString FormCfgTachType::ChosenText() const { return cboTachType_->currentText(); }

}  // namespace curvedesk
