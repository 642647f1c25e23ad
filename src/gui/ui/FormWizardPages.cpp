// The nine pages of the new-curve wizard and its buttons.
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "gui/ui/FormWizard.h"
#include "gui/widgets/RepeatUpDown.h"

namespace curvedesk {

namespace {

QComboBox* List(const char* name, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  return list;
}

// A caption beside a control, both left-aligned on one row.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  for (QWidget* widget : widgets) row->addWidget(widget);
  row->addStretch();
  return row;
}

QVBoxLayout* PageLayout(QGroupBox* frame) { return static_cast<QVBoxLayout*>(frame->layout()); }

}  // namespace

QGroupBox* FormWizard::AddPage(int page, const QString& caption, const QString& question) {
  auto* frame = new QGroupBox(caption);
  frame->setObjectName(QStringLiteral("frPage%1").arg(page));
  auto* layout = new QVBoxLayout(frame);
  auto* text = new QLabel(question, frame);
  text->setObjectName(QStringLiteral("lblQuestion%1").arg(page));
  text->setWordWrap(true);
  layout->addWidget(text);
  layout->addSpacing(8);
  frames_[static_cast<std::size_t>(page)] = frame;
  pages_->addWidget(frame);
  return frame;
}

QRadioButton* FormWizard::AddOption(QWidget* box, const char* name, const QString& text, std::function<void()> chosen) {
  auto* option = new QRadioButton(text, box);
  option->setObjectName(name);
  connect(option, &QRadioButton::clicked, this, [this, chosen = std::move(chosen)] { Guarded(chosen); });
  return option;
}

void FormWizard::BuildIgnitionPage() {
  QGroupBox* frame = AddPage(0, "Ignition Type",
                             "Welcome to the curve/map wizard.  This wizard will help you set up an ignition timing "
                             "curve/map.");
  cboIgnitionType_ = List("cboIgnitionType", frame);
  for (const CurveWizard::IgnitionEntry& entry : wizard_.Ignitions())
    cboIgnitionType_->addItem(QString::fromStdString(entry.name), entry.slotNumber);
  connect(cboIgnitionType_, &QComboBox::activated, this, [this](int index) {
    wizard_.ChooseIgnition(cboIgnitionType_->itemData(index).toInt());
  });
  PageLayout(frame)->addLayout(Row({cboIgnitionType_}));
  PageLayout(frame)->addStretch();
}

void FormWizard::BuildEnginePage() {
  QGroupBox* frame = AddPage(1, "Engine Type", "Which engine type will you be creating the curve/map for?");
  optEngine_[0] = AddOption(frame, "optEngine2Cycle", "2 Cycle", [this] { wizard_.ChooseEngineType(kEngineTwoStroke); });
  optEngine_[1] = AddOption(frame, "optEngine4Cycle", "4 Cycle", [this] { wizard_.ChooseEngineType(kEngineFourStroke); });
  for (QRadioButton* option : optEngine_) PageLayout(frame)->addWidget(option);
  PageLayout(frame)->addStretch();
}

void FormWizard::BuildSparkDistPage() {
  QGroupBox* frame = AddPage(2, "Spark Distribution", "Which spark distribution method will you use?");
  optSparkDist_[0] = AddOption(frame, "optSparkDistCoil", "Coil", [this] { wizard_.ChooseSparkDist(kSparkDistCoil); });
  optSparkDist_[1] =
      AddOption(frame, "optSparkDistDistributor", "Distributor", [this] { wizard_.ChooseSparkDist(kSparkDistDistributor); });
  for (QRadioButton* option : optSparkDist_) PageLayout(frame)->addWidget(option);
  PageLayout(frame)->addStretch();
}

void FormWizard::BuildRotorPage() {
  QGroupBox* frame = AddPage(3, "Encoder Encoder Disk Mounting Position",
                             "Where will the encoder disk and pickup assembly be mounted?");
  auto* box = new QGroupBox("Encoder Disk Position", frame);
  box->setObjectName("fraRotorPos");
  auto* layout = new QVBoxLayout(box);
  optRotorPos_[0] = AddOption(box, "optRotorCam", "Cam", [this] { wizard_.ChooseRotorPos(kRotorCam); });
  optRotorPos_[1] = AddOption(box, "optRotorCrank", "Crank", [this] { wizard_.ChooseRotorPos(kRotorCrank); });
  for (QRadioButton* option : optRotorPos_) layout->addWidget(option);
  PageLayout(frame)->addLayout(Row({box}));
  PageLayout(frame)->addStretch();
}

void FormWizard::BuildCylinderPage() {
  QGroupBox* frame = AddPage(4, "Number of Cylinders",
                             "How many cylinders does the engine have?        WS = Wasted Spark (One two output coil for "
                             "every two cylinders).");
  const std::array<QString, 6> texts = {"1 cyl.", "2 cyl. (WS) *", "3 cyl.", "4 cyl. (WS) *", "6 cyl. (WS) *",
                                        "8 cyl. (WS) *"};
  auto* counts = new QGridLayout;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const int count = CurveWizard::kCylinderCounts[i];
    const QByteArray name = "optCyl" + QByteArray::number(count);
    QRadioButton* option = AddOption(frame, name.constData(), texts[i], [this, count] { wizard_.ChooseCylinders(count); });
    optCylinders_[static_cast<std::size_t>(count)] = option;
    counts->addWidget(option, static_cast<int>(i % 3), static_cast<int>(i / 3));
  }
  optCylinders_[0] = AddOption(frame, "optCylCustom", "Custom Angle", [this] {
    wizard_.ChooseCylinders(kCustomCylinders);
    ShowChoices();
  });
  cboChngCustCylAngle_ = List("cboChngCustCylAngle", frame);
  cboChngCustCylAngle_->installEventFilter(this);
  counts->addLayout(Row({optCylinders_[0], cboChngCustCylAngle_}), 3, 0, 1, 2);
  counts->setColumnStretch(2, 1);
  PageLayout(frame)->addLayout(counts);
  auto* note = new QLabel(
      "* 2 cycle engines require one single output coil per cyl.       Distributor based systems use one single output "
      "coil",
      frame);
  note->setObjectName("lblCylinderNote");
  note->setWordWrap(true);
  PageLayout(frame)->addSpacing(8);
  PageLayout(frame)->addWidget(note);
  PageLayout(frame)->addStretch();
}

void FormWizard::BuildTachPage() {
  QGroupBox* frame = AddPage(5, "Tach Type", "What type of tachometer are you connecting to the ignition?");
  cboTachType_ = List("cboTachType", frame);
  for (const int count : CurveWizard::kTachCounts) cboTachType_->addItem(QString::number(count), count);
  connect(cboTachType_, &QComboBox::activated, this,
          [this](int index) { wizard_.ChooseTachType(cboTachType_->itemData(index).toInt()); });
  PageLayout(frame)->addLayout(Row({new QLabel("Number of Cylinders", frame), cboTachType_}));
  PageLayout(frame)->addWidget(new QLabel("Tachometer based on four cycle engines", frame));
  PageLayout(frame)->addStretch();
}

void FormWizard::BuildSparksPage() {
  QGroupBox* frame = AddPage(6, "Number of Sparks", "How many sparks per compression stroke?");
  for (int count = 1; count <= 3; ++count) {
    const QByteArray name = "optSparks" + QByteArray::number(count);
    QRadioButton* option =
        AddOption(frame, name.constData(), QString::number(count), [this, count] { wizard_.ChooseNumSparks(count); });
    optSparks_[static_cast<std::size_t>(count)] = option;
    PageLayout(frame)->addWidget(option);
  }
  PageLayout(frame)->addStretch();
}

void FormWizard::BuildFallbackPage() {
  QGroupBox* frame = AddPage(7, "Curve Fallback",
                             "How many RPM's must the engine decelerate before the previous curve/map will transition?");
  cboCurveFallback_ = List("cboCurveFallback", frame);
  for (const int rpm : CurveWizard::kFallbacks) cboCurveFallback_->addItem(QString::number(rpm), rpm);
  connect(cboCurveFallback_, &QComboBox::activated, this,
          [this](int index) { wizard_.ChooseCurveFallback(cboCurveFallback_->itemData(index).toInt()); });
  PageLayout(frame)->addLayout(Row({cboCurveFallback_, new QLabel("RPM's", frame)}));
  PageLayout(frame)->addStretch();
}

void FormWizard::BuildSensorPage() {
  QGroupBox* frame = AddPage(8, "Sensors",
                             "What sensors will be used?  If analog, a curve/map transition voltage must be entered.");
  auto* grid = new QGridLayout;
  for (int sensor = 0; sensor < 2; ++sensor) {
    SensorControls& controls = sensors_[static_cast<std::size_t>(sensor)];
    const QByteArray number = QByteArray::number(sensor + 1);
    controls.type = List("cboSensor" + number + "Type", frame);
    controls.type->addItems({"None", "Digital", "Analog"});
    controls.volts = new QLineEdit(frame);
    controls.volts->setObjectName("txtSensor" + number + "Volt");
    // The thresholds change only through the up/down controls, which keep them in range.
    controls.volts->setReadOnly(true);
    controls.volts->setAlignment(Qt::AlignRight);
    controls.volts->setFixedWidth(48);
    controls.upDown = new RepeatUpDown(frame);
    controls.upDown->setObjectName("udSensor" + number + "Volt");
    connect(controls.type, &QComboBox::activated, this, [this, sensor](int index) {
      Guarded([&] { wizard_.ChooseSensorType(sensor, index); });
      ShowSensor(sensor);
    });
    connect(controls.upDown, &RepeatUpDown::Step, this, [this, sensor](bool up) {
      wizard_.StepThreshold(sensor, up);
      ShowSensor(sensor);
    });
    grid->addWidget(new QLabel("Sensor #" + number, frame), sensor, 0);
    grid->addWidget(controls.type, sensor, 1);
    grid->addWidget(controls.volts, sensor, 2);
    grid->addWidget(controls.upDown, sensor, 3);
  }
  grid->setColumnStretch(4, 1);
  PageLayout(frame)->addLayout(grid);
  PageLayout(frame)->addStretch();
}

QWidget* FormWizard::BuildButtons() {
  auto* bar = new QWidget(this);
  auto* layout = new QHBoxLayout(bar);
  layout->setContentsMargins(0, 0, 0, 0);
  const std::array<QString, 4> captions = {"Help", "Cancel", "< &Back", "&Next >"};
  for (std::size_t i = 0; i < captions.size(); ++i) {
    cmdNav_[i] = new QPushButton(captions[i], bar);
    cmdNav_[i]->setObjectName(QStringLiteral("cmdNav%1").arg(i));
    cmdNav_[i]->setAutoDefault(false);
    if (i == 2) layout->addStretch();
    layout->addWidget(cmdNav_[i]);
  }
  cmdNav_[3]->setDefault(true);
  connect(cmdNav_[0], &QPushButton::clicked, this, &FormWizard::Help);
  connect(cmdNav_[1], &QPushButton::clicked, this, &FormWizard::Cancel);
  connect(cmdNav_[2], &QPushButton::clicked, this, &FormWizard::Back);
  connect(cmdNav_[3], &QPushButton::clicked, this, &FormWizard::Next);
  return bar;
}

}  // namespace curvedesk
