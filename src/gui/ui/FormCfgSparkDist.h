#pragma once

#include "core/model/CurveData.h"
#include "core/model/IgnitionDescription.h"
#include "gui/ui/ConfigDialog.h"

class QRadioButton;

namespace curvedesk {

// "Change Distribution Type": a coil per spark or a distributor, each offered as the curve's
// ignition allows for its engine type, the curve's distribution chosen. The caller checks the
// change against the coil limits before making it.
class FormCfgSparkDist : public ConfigDialog {
  Q_OBJECT
 public:
  FormCfgSparkDist(const CurveData& curve, const IgnitionDescriptionTable& descriptions, QWidget* owner);

  int ChosenSparkDist() const;  // 0 coil, 1 distributor

 private:
  QRadioButton* optSparkDistCoil_;
  QRadioButton* optSparkDistDist_;
};

}  // namespace curvedesk
