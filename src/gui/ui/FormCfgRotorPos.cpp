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
  auto* options = new QVBoxLayout(AddFrame(QStringLiteral("Rotor/Encoder Position")));
  options->addWidget(optRotorPosCam_);
  options->addWidget(optRotorPosCrank_);

  const std::array<bool, 2> offered = RotorPositionsOffered(curve, descriptions);
  optRotorPosCam_->setEnabled(offered[kRotorCam]);
  optRotorPosCrank_->setEnabled(offered[kRotorCrank]);
  (curve.RotorPos == kRotorCrank ? optRotorPosCrank_ : optRotorPosCam_)->setChecked(true);
}

int FormCfgRotorPos::ChosenRotorPos() const { return optRotorPosCrank_->isChecked() ? kRotorCrank : kRotorCam; }

}  // namespace curvedesk
