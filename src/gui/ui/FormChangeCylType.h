#pragma once

#include "core/model/AppContext.h"
#include "gui/ui/ConfigDialog.h"

class QComboBox;

namespace curvedesk {

// "Change Custom Cylinder Angle": names the custom cylinder layout of a curve, for example one of
// a file version that did not store it. OK (the only button) names the layout, sets the tach type
// to two cylinders and marks the curve modified.
class FormChangeCylType : public ConfigDialog {
  Q_OBJECT
 public:
  FormChangeCylType(AppContext& context, QWidget* owner);

 protected:
  bool Confirm() override;

 private:
  AppContext& context_;
  QComboBox* cboChangeCustAngle_;
};

}  // namespace curvedesk
