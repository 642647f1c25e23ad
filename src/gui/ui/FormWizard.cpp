#include "gui/ui/FormWizard.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/common/AppError.h"
#include "core/common/Utils.h"
#include "gui/widgets/DialogPlacement.h"
#include "gui/widgets/RepeatUpDown.h"

namespace curvedesk {

namespace {

void Check(QRadioButton* option, bool checked) {
  // Radio buttons of one group only switch each other on; clearing needs the group's exclusivity off.
  if (!checked && option->isChecked()) {
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
    return;
  }
  option->setChecked(checked);
}

void SelectData(QComboBox* list, int value) { list->setCurrentIndex(list->findData(value)); }

}  // namespace

FormWizard::FormWizard(AppContext& context, CurveData& curve, Prompter& prompter, QWidget* parent)
    : QDialog(parent), wizard_(context, curve), prompter_(prompter) {
  setObjectName("FormWizard");
  setWindowTitle("Curve/Map Wizard");
  // Modal over the main window only, so the help window it opens takes input while it is up.
  setWindowModality(Qt::WindowModal);
  pages_ = new QStackedWidget(this);
  BuildIgnitionPage();
  BuildEnginePage();
  BuildSparkDistPage();
  BuildRotorPage();
  BuildCylinderPage();
  BuildTachPage();
  BuildSparksPage();
  BuildFallbackPage();
  BuildSensorPage();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addWidget(BuildButtons());
  setMinimumWidth(440);
  SetHelpHandler({});
  ShowChoices();
}

FormWizard::~FormWizard() = default;

void FormWizard::SetHelpHandler(std::function<void()> handler) {
  helpHandler_ = std::move(handler);
  cmdNav_[0]->setEnabled(static_cast<bool>(helpHandler_));
}

QString FormWizard::Run() {
  tag_ = kCancelled;
  exec();
  return tag_;
}

void FormWizard::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (parentWidget()) PlaceDialog(*this, *parentWidget()->window());
}

void FormWizard::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    Help();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool FormWizard::eventFilter(QObject* watched, QEvent* event) {
  if (watched == cboChngCustCylAngle_) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::KeyPress:
      case QEvent::Wheel:
        // A locked list keeps its entry until the custom option is chosen.
        if (wizard_.CustomLayoutLocked()) return true;
        break;
      case QEvent::FocusOut:
        wizard_.CustomLayoutLeft(cboChngCustCylAngle_->currentText().toStdString());
        break;
      default:
        break;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void FormWizard::Guarded(const std::function<void()>& work) { RunShowingErrors(prompter_, work); }

void FormWizard::Help() {
  if (helpHandler_) Guarded(helpHandler_);
}

void FormWizard::Cancel() {
  tag_ = kCancelled;
  done(Rejected);
}

void FormWizard::reject() { Cancel(); }

void FormWizard::Back() {
  wizard_.Back();
  ShowChoices();
}

void FormWizard::Next() {
  Guarded([this] {
    if (cboChngCustCylAngle_->hasFocus()) wizard_.CustomLayoutLeft(cboChngCustCylAngle_->currentText().toStdString());
    if (wizard_.Page() < CurveWizard::kLastPage) {
      wizard_.Next();
      return;
    }
    wizard_.Finish();
    tag_ = kFinished;
    done(Accepted);
  });
  ShowChoices();
}

void FormWizard::ShowChoices() {
  const CurveWizard::Choices& chosen = wizard_.Chosen();
  const int page = wizard_.Page();
  for (std::size_t i = 0; i < frames_.size(); ++i) frames_[i]->setEnabled(static_cast<int>(i) == page);
  pages_->setCurrentIndex(page);

  {
    const QSignalBlocker quiet(cboIgnitionType_);
    SelectData(cboIgnitionType_, chosen.ignitionSlot);
  }
  for (const int engine : {kEngineTwoStroke, kEngineFourStroke}) {
    QRadioButton* option = optEngine_[engine == kEngineTwoStroke ? 0 : 1];
    option->setEnabled(chosen.engineOffered[static_cast<std::size_t>(engine)]);
    Check(option, chosen.engineType == engine);
  }
  for (int choice = 0; choice < 2; ++choice) {
    const auto i = static_cast<std::size_t>(choice);
    optSparkDist_[i]->setEnabled(chosen.sparkDistOffered[i]);
    Check(optSparkDist_[i], chosen.sparkDist == choice);
    optRotorPos_[i]->setEnabled(chosen.rotorPosOffered[i]);
    Check(optRotorPos_[i], chosen.rotorPos == choice);
  }
  for (std::size_t count = 0; count < optCylinders_.size(); ++count) {
    if (!optCylinders_[count]) continue;
    optCylinders_[count]->setEnabled(chosen.cylindersOffered[count]);
    Check(optCylinders_[count], chosen.numCylinders == static_cast<int>(count));
  }
  {
    const QSignalBlocker quiet(cboChngCustCylAngle_);
    cboChngCustCylAngle_->clear();
    for (const std::string& layout : wizard_.CustomLayouts())
      cboChngCustCylAngle_->addItem(QString::fromStdString(layout));
    cboChngCustCylAngle_->setCurrentIndex(wizard_.CustomLayoutIndex());
    cboChngCustCylAngle_->setEnabled(chosen.cylindersOffered[0]);
  }
  {
    const QSignalBlocker quiet(cboTachType_);
    SelectData(cboTachType_, chosen.tachType);
  }
  for (int count = 1; count <= 3; ++count)
    Check(optSparks_[static_cast<std::size_t>(count)], chosen.numSparks == count);
  {
    const QSignalBlocker quiet(cboCurveFallback_);
    SelectData(cboCurveFallback_, chosen.curveFallback);
  }
  ShowSensor(0);
  ShowSensor(1);
  cmdNav_[2]->setEnabled(page > 0);
  cmdNav_[3]->setText(page == CurveWizard::kLastPage ? "&Finished" : "&Next >");
}

void FormWizard::ShowSensor(int sensor) {
  const auto s = static_cast<std::size_t>(sensor);
  const CurveWizard::Choices& chosen = wizard_.Chosen();
  SensorControls& controls = sensors_[s];
  {
    const QSignalBlocker quiet(controls.type);
    controls.type->setCurrentIndex(chosen.sensorType[s]);
  }
  controls.type->setEnabled(chosen.sensorOffered[s]);
  const bool analog = chosen.sensorType[s] == kSensorAnalog;
  controls.volts->setVisible(analog);
  controls.upDown->setVisible(analog);
  controls.volts->setText(analog ? QString::fromStdString(FormatVolts(chosen.threshold[s])) : QString());
}

}  // namespace curvedesk
