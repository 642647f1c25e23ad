#pragma once

#include "core/model/CurveData.h"
#include "core/model/IgnitionDescription.h"
#include "gui/ui/ConfigDialog.h"

class QRadioButton;

namespace curvedesk {

// "Change Rotor/Encoder Position": cam or crank, each offered as the curve's ignition allows for
// its engine type, the curve's position chosen.
class FormCfgRotorPos : public ConfigDialog {
  Q_OBJECT
 public:
  FormCfgRotorPos(const CurveData& curve, const IgnitionDescriptionTable& descriptions, QWidget* owner);

  int ChosenRotorPos() const;  // 0 cam, 1 crank

 private:
  QRadioButton* optRotorPosCam_;
  QRadioButton* optRotorPosCrank_;
};

}  // namespace curvedesk
