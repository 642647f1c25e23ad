#pragma once

#include <string>

#include "gui/ui/ConfigDialog.h"

class QComboBox;

namespace curvedesk {

// "Change Custom Cylinder Angle": names the custom cylinder layout of a curve, for example one of
// a file version that did not store it. OK is the only answer; closing the dialog is OK too, so a
// curve is never left without a layout. The caller names the layout (NameCustomLayout).
class FormChangeCylType : public ConfigDialog {
  Q_OBJECT
 public:
  // Offers the curve's own layout first, else the program's custom layout name.
  FormChangeCylType(const std::string& custType, const std::string& custName, QWidget* owner);

  std::string ChosenLayout() const;

 private:
  QComboBox* cboChangeCustAngle_;
};

}  // namespace curvedesk
