#include "gui/ui/FormCfgTachType.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/document/ConfigChoices.h"

namespace curvedesk {

FormCfgTachType::FormCfgTachType(int tachType, QWidget* owner)
    : ConfigDialog("FormCfgTachType", QStringLiteral("Change Tach Type"), owner), cboTachType_(new QComboBox) {
  cboTachType_->setObjectName(QStringLiteral("cboTachType"));
  for (int cylinders : kTachTypeChoices) cboTachType_->addItem(QString::number(cylinders), cylinders);
  cboTachType_->setCurrentIndex(TachTypeEntry(tachType));
  auto* label = new QLabel(QStringLiteral("&Number of Cylinders"));
  label->setBuddy(cboTachType_);
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(cboTachType_);
  Body()->addLayout(row);
}

QString FormCfgTachType::ChosenText() const { return cboTachType_->currentText(); }

}  // namespace curvedesk
