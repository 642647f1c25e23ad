#pragma once

#include <array>

#include "core/common/Prompter.h"
#include "core/document/SensorSettings.h"
#include "core/model/AppContext.h"
#include "gui/ui/ConfigDialog.h"

class QComboBox;
class QLineEdit;

namespace curvedesk {

class RepeatUpDown;

// "Adjust Sensors": the type of each sensor and an analog sensor's threshold. OK asks before the
// change drops sensor states, then gives the curve the sensors, its graphs rearranged so that
// every kept sensor state keeps its graph.
class FormCfgSensors : public ConfigDialog {
  Q_OBJECT
 public:
  FormCfgSensors(AppContext& context, Prompter& prompter, QWidget* owner);

 protected:
  bool Confirm() override;

 private:
  struct SensorControls {
    QComboBox* type = nullptr;
    QLineEdit* volts = nullptr;
    RepeatUpDown* upDown = nullptr;
  };

  void ShowSensor(std::size_t sensor);

  AppContext& context_;
  Prompter& prompter_;
  std::array<SensorChoice, 2> sensors_;
  std::array<SensorControls, 2> controls_;
};

}  // namespace curvedesk
