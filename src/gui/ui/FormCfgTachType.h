#pragma once

#include "gui/ui/ConfigDialog.h"

class QComboBox;

namespace curvedesk {

// "Change Tach Type": the number of cylinders the tach output is set for ("1" .. "8"), the
// curve's tach type chosen, or "2" when the list does not hold it.
class FormCfgTachType : public ConfigDialog {
  Q_OBJECT
 public:
  FormCfgTachType(int tachType, QWidget* owner);

  QString ChosenText() const;

 private:
  QComboBox* cboTachType_;
};

}  // namespace curvedesk
