#include "gui/ui/FormCfgCurveFallback.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include "core/document/ConfigChoices.h"

namespace curvedesk {

FormCfgCurveFallback::FormCfgCurveFallback(int curveFallback, QWidget* owner)
    : ConfigDialog("FormCfgCurveFallback", QStringLiteral("Adjust Curve Fallback"), owner),
      cboCurveFallback_(new QComboBox) {
  cboCurveFallback_->setObjectName(QStringLiteral("cboCurveFallback"));
  for (int rpm : kCurveFallbackChoices) cboCurveFallback_->addItem(QString::number(rpm), rpm);
  cboCurveFallback_->setCurrentIndex(CurveFallbackEntry(curveFallback));
  cboCurveFallback_->setMinimumWidth(90);
  auto* label = new QLabel(QStringLiteral("&Fallback RPM"));
  label->setBuddy(cboCurveFallback_);
  auto* row = new QHBoxLayout(AddFrame(QStringLiteral("Curve Fallback")));
  row->addWidget(label);
  row->addStretch();
  row->addWidget(cboCurveFallback_);
}

int FormCfgCurveFallback::ChosenFallback() const {
  return cboCurveFallback_->currentIndex() < 0 ? -1 : cboCurveFallback_->currentData().toInt();
}

}  // namespace curvedesk
