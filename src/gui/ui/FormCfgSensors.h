#pragma once

#include <array>

#include "core/common/Prompter.h"
#include "core/document/SensorSettings.h"
#include "core/model/CurveData.h"
#include "core/model/IgnitionDescription.h"
#include "gui/ui/ConfigDialog.h"

class QComboBox;
class QLineEdit;

namespace curvedesk {

class RepeatUpDown;

// "Adjust Sensors": the type of each sensor and an analog sensor's threshold. OK asks before the
// change drops sensor states; the caller then gives the curve the chosen sensors.
class FormCfgSensors : public ConfigDialog {
  Q_OBJECT
 public:
  FormCfgSensors(const CurveData& curve, const IgnitionDescriptionTable& descriptions, Prompter& prompter,
                 QWidget* owner);

  const std::array<SensorChoice, 2>& Sensors() const { return sensors_; }

 protected:
  bool Confirm() override;

 private:
  struct SensorControls {
    QComboBox* type = nullptr;
    QLineEdit* volts = nullptr;
    RepeatUpDown* upDown = nullptr;
  };

  void ShowSensor(std::size_t sensor);

  int oldStates_;
  Prompter& prompter_;
  std::array<SensorChoice, 2> sensors_;
  std::array<SensorControls, 2> controls_;
};

}  // namespace curvedesk
