#include "gui/ui/FormCfgCurveFallback.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/document/ConfigChoices.h"

namespace curvedesk {

FormCfgCurveFallback::FormCfgCurveFallback(int curveFallback, QWidget* owner)
    : ConfigDialog("FormCfgCurveFallback", QStringLiteral("Adjust Curve Fallback"), owner),
      cboCurveFallback_(new QComboBox) {
  cboCurveFallback_->setObjectName(QStringLiteral("cboCurveFallback"));
  for (int rpm : kCurveFallbackChoices) cboCurveFallback_->addItem(QString::number(rpm), rpm);
  cboCurveFallback_->setCurrentIndex(CurveFallbackEntry(curveFallback));
  auto* label = new QLabel(QStringLiteral("Curve &Fallback RPM"));
  label->setBuddy(cboCurveFallback_);
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(cboCurveFallback_);
  Body()->addLayout(row);
}

int FormCfgCurveFallback::ChosenFallback() const {
  return cboCurveFallback_->currentIndex() < 0 ? -1 : cboCurveFallback_->currentData().toInt();
}

}  // namespace curvedesk
