#include "gui/ui/FormCfgSensors.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "core/common/Utils.h"
#include "core/model/DisplayTexts.h"
#include "gui/widgets/RepeatUpDown.h"

namespace curvedesk {

namespace {

constexpr const char* kNameWithSensor1 = "Korvane Tarvo GT-1";

}  // namespace

FormCfgSensors::FormCfgSensors(const CurveData& curve, const IgnitionDescriptionTable& descriptions,
                               Prompter& prompter, QWidget* owner)
    : ConfigDialog("FormCfgSensors", QStringLiteral("Adjust Sensors"), owner),
      oldStates_(curve.NumSensorStates),
      prompter_(prompter) {
  sensors_ = {SensorChoice{curve.Sensor1Type, curve.Sensor1Volt}, SensorChoice{curve.Sensor2Type, curve.Sensor2Volt}};

  const int slot = curve.IgnitionIndex - 1;
  const bool sensor2Allowed = slot >= 0 && slot < kIgnitionSlots &&
                              descriptions[static_cast<std::size_t>(slot)].Sensor2Allowed;
  const std::array<bool, 2> offered = {curve.Name == kNameWithSensor1, sensor2Allowed};

  auto* grid = new QGridLayout(AddFrame(QStringLiteral("Sensors")));
  grid->setHorizontalSpacing(8);
  for (std::size_t s = 0; s < controls_.size(); ++s) {
    const QString number = QString::number(s + 1);
    SensorControls& sensor = controls_[s];
    sensor.type = new QComboBox;
    sensor.type->setObjectName(QStringLiteral("cboSensor%1Type").arg(number));
    sensor.type->addItems({QStringLiteral("None"), QStringLiteral("Digital"), QStringLiteral("Analog")});
    sensor.type->setEnabled(offered[s]);
    sensor.type->setMinimumWidth(100);
    sensor.volts = new QLineEdit;
    sensor.volts->setObjectName(QStringLiteral("txtSensor%1Volt").arg(number));
    sensor.volts->setReadOnly(true);
    sensor.volts->setAlignment(Qt::AlignRight);
    sensor.volts->setFixedWidth(48);
    sensor.upDown = new RepeatUpDown;
    sensor.upDown->setObjectName(QStringLiteral("udSensor%1Volt").arg(number));
    auto* label = new QLabel(QStringLiteral("Sensor #%1").arg(number));
    label->setBuddy(sensor.type);
    const int row = static_cast<int>(s);
    grid->addWidget(label, row, 0);
    grid->addWidget(sensor.type, row, 1);
    grid->addWidget(sensor.volts, row, 2);
    grid->addWidget(sensor.upDown, row, 3);
    // The row keeps its width whether the threshold shows or not.
    grid->setColumnMinimumWidth(2, sensor.volts->minimumWidth());
    grid->setColumnMinimumWidth(3, sensor.upDown->sizeHint().width());

    connect(sensor.type, &QComboBox::activated, this, [this, s](int type) {
      sensors_[s].type = type;
      sensors_[s].threshold = ThresholdForSensorType(type, sensors_[s].threshold);
      ShowSensor(s);
    });
    connect(sensor.upDown, &RepeatUpDown::Step, this, [this, s](bool up) {
      sensors_[s].threshold = SteppedThreshold(sensors_[s].threshold, up);
      ShowSensor(s);
    });
    ShowSensor(s);
  }
  grid->setColumnStretch(1, 1);
}

void FormCfgSensors::ShowSensor(std::size_t sensor) {
  const SensorChoice& choice = sensors_[sensor];
  SensorControls& shown = controls_[sensor];
  {
    const QSignalBlocker quiet(shown.type);
    shown.type->setCurrentIndex(choice.type);
  }
  const bool analog = choice.type == kSensorAnalog;
  shown.volts->setVisible(analog);
  shown.upDown->setVisible(analog);
  shown.volts->setText(analog ? QString::fromStdString(FormatVolts(choice.threshold)) : QString());
}

bool FormCfgSensors::Confirm() {
  const int newStates = SensorStatesFor(sensors_[0].type != kSensorNone, sensors_[1].type != kSensorNone);
  return newStates >= oldStates_ ||
         prompter_.Ask("Warning", SensorReductionQuestion(oldStates_, newStates), Prompter::Icon::Warning,
                       Prompter::Buttons::YesNo) == Prompter::Answer::Yes;
}

}  // namespace curvedesk
