#include "gui/ui/FormCfgRotorPos.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/document/ConfigChoices.h"

namespace curvedesk {

FormCfgRotorPos::FormCfgRotorPos(const CurveData& curve, const IgnitionDescriptionTable& descriptions, QWidget* owner)
    : ConfigDialog("FormCfgRotorPos", QStringLiteral("Change Rotor/Encoder Position"), owner),
      optRotorPosCam_(new QRadioButton(QStringLiteral("Cam"))),
      optRotorPosCrank_(new QRadioButton(QStringLiteral("Crank"))) {
  optRotorPosCam_->setObjectName(QStringLiteral("optRotorPosCam"));
  optRotorPosCrank_->setObjectName(QStringLiteral("optRotorPosCrank"));
  auto* frame = new QGroupBox(QStringLiteral("Rotor/Encoder Position"));
  auto* options = new QVBoxLayout(frame);
  options->addWidget(optRotorPosCam_);
  options->addWidget(optRotorPosCrank_);
  frame->setMinimumWidth(240);
  Body()->addWidget(frame);

  const std::array<bool, 2> offered = RotorPositionsOffered(curve, descriptions);
  optRotorPosCam_->setEnabled(offered[kRotorCam]);
  optRotorPosCrank_->setEnabled(offered[kRotorCrank]);
  (curve.RotorPos == kRotorCrank ? optRotorPosCrank_ : optRotorPosCam_)->setChecked(true);
}

int FormCfgRotorPos::ChosenRotorPos() const { return optRotorPosCrank_->isChecked() ? kRotorCrank : kRotorCam; }

}  // namespace curvedesk
