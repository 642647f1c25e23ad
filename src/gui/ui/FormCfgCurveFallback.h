#pragma once

#include "gui/ui/ConfigDialog.h"

class QComboBox;

namespace curvedesk {

// "Adjust Curve Fallback": the fallback RPM from 100 to 800 in steps of 100, the curve's chosen.
class FormCfgCurveFallback : public ConfigDialog {
  Q_OBJECT
 public:
  FormCfgCurveFallback(int curveFallback, QWidget* owner);

  // The chosen fallback; -1 while no entry is chosen.
  int ChosenFallback() const;

 private:
  QComboBox* cboCurveFallback_;
};

}  // namespace curvedesk
