// The main window's configuration fields: rev limit, RPM switches, note, transitions and sparks
// lists, sensor-state selector, coil selector, graph copy and paste, and filling them from the curve.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "core/document/DocumentText.h"
#include "core/document/FieldRules.h"
#include "core/document/SensorStateList.h"
#include "core/model/CoilLimits.h"
#include "core/model/CurveRules.h"
#include "core/model/DisplayTexts.h"
#include "gui/graph/GraphView.h"
#include "gui/ui/CoilPicture.h"
#include "gui/ui/FormMain.h"
#include "gui/widgets/NumericField.h"

namespace curvedesk {

namespace {

constexpr int kTwipsPerInch = 1440;

QString SwitchText(std::int16_t value) { return QString::fromStdString(RpmSwitchText(value)); }

void SelectQuietly(QComboBox* list, int index) {
  if (list->currentIndex() == index) return;
  const QSignalBlocker quiet(list);
  list->setCurrentIndex(index);
}

}  // namespace

bool FormMain::ValidateRevLimit() {
  bool accepted = false;
  Guarded([&] {
    const std::string text = txtRevLimit_->text().toStdString();
    if (!text.empty()) {
      if (auto refusal = ValidateRpmValue(text)) {
        ShowErrorText(prompter_, *refusal);
        return;
      }
    }
    SetRevLimit(CurrentGraph(), text.empty() ? kNotSet : std::stoi(text), context_.curve.CurveFallback);
    picGraph_->ShowRevLimit();
    SetModified(true);
    accepted = true;
  });
  return accepted;
}

bool FormMain::ValidateRpmSwitch(NumericField* field) {
  SensorStateGraph& graph = CurrentGraph();
  struct Switch {
    NumericField* field;
    NumericField* partner;
    std::int16_t& value;
    bool isStart;
  };
  const Switch switches[] = {
      {txtRpmSw1Start_, txtRpmSw1Stop_, graph.RpmSw1Start, true},
      {txtRpmSw1Stop_, txtRpmSw1Start_, graph.RpmSw1Stop, false},
      {txtRpmSw2Start_, txtRpmSw2Stop_, graph.RpmSw2Start, true},
      {txtRpmSw2Stop_, txtRpmSw2Start_, graph.RpmSw2Stop, false},
  };
  for (const Switch& sw : switches) {
    if (sw.field != field) continue;
    const std::string text = field->text().toStdString();
    std::int16_t value = kNotSet;
    if (!text.empty()) {
      if (auto refusal = ValidateRpmValue(text)) {
        ShowErrorText(prompter_, *refusal);
        return false;
      }
      value = static_cast<std::int16_t>(std::stoi(text));
      // The partner as shown: a stop field cleared but not yet left counts as empty.
      const QString partnerText = sw.partner->text();
      const int partner = partnerText.isEmpty() ? kNotSet : partnerText.toInt();
      if (!RpmSwitchOrderHolds(sw.isStart ? value : partner, sw.isStart ? partner : value)) {
        ShowErrorText(prompter_, kSwitchOrderMessage);
        return false;
      }
    }
    sw.value = value;
    SetModified(true);
    return true;
  }
  return false;
}

void FormMain::NoteEdited(const QString& text) {
  CurrentGraph().GraphInfo = text.toStdString();
  SetModified(true);
}

void FormMain::TransitionsChosen(int index) {
  Guarded([&] {
    SensorStateGraph& graph = CurrentGraph();
    if (index + 2 == graph.NumTransitions) return;
    try {
      SetNumTransitions(graph, index + 2, context_.curve.CurveFallback);
    } catch (...) {
      cboNumTransitions_->setFocus();
      SelectQuietly(cboNumTransitions_, graph.NumTransitions - 2);
      throw;
    }
    RefreshGraphFields();
    SetModified(true);
  });
}

void FormMain::SparksChosen(int index) {
  Guarded([&] {
    SensorStateGraph& graph = CurrentGraph();
    if (index + 1 == graph.NumSparks) return;
    try {
      SetNumSparks(graph, index + 1, RuleContextFor(context_.curve, context_.coilLimits));
    } catch (...) {
      cboNumSparks_->setFocus();
      SelectQuietly(cboNumSparks_, graph.NumSparks - 1);
      throw;
    }
    RefreshGraphFields();
    SetModified(true);
  });
}

void FormMain::SensorStateChosen(int index) {
  if (index < 0 || index >= context_.curve.NumSensorStates) return;
  context_.curve.CurrentSensorState = static_cast<std::int16_t>(index);
  RefreshGraphFields();
}

void FormMain::RebuildCoilList() {
  const QString chosen = cboCoilSat_->currentText();
  const QSignalBlocker quiet(cboCoilSat_);
  cboCoilSat_->clear();
  for (const std::string& coil : CoilTypesOffered(txtSparkDist_->text().toStdString(), context_.edition))
    cboCoilSat_->addItem(QString::fromStdString(coil));
  cboCoilSat_->setCurrentIndex(cboCoilSat_->findText(chosen));
}

void FormMain::CoilChosen(int index) {
  if (index < 0) return;
  Guarded([&] {
    const QString coil = cboCoilSat_->itemText(index);
    context_.curve.CoilType = coil.toStdString();
    frWarning_->hide();
    ShowCoilPicture(coil);
    LoadCoilLimits(LimitsFilePath(context_.folders), txtSparkDist_->text().toStdString(), context_.curve.CoilType,
                   context_.curve.NumCylinders, context_.edition, context_.coilLimits);
  });
}

void FormMain::CopyGraph() {
  clipboard_.graph = CurrentGraph();
  clipboard_.copied = true;
}

void FormMain::PasteGraph() {
  Guarded([this] {
    if (!clipboard_.copied) {
      prompter_.Ask("Warning", kCopyFirstMessage, Prompter::Icon::Warning, Prompter::Buttons::OkCancel);
      return;
    }
    SensorStateGraph& graph = CurrentGraph();
    if (!IsDefaultGraph(graph, context_.defaultGraph) &&
        prompter_.Ask("Warning", kOverwriteGraphQuestion, Prompter::Icon::Warning, Prompter::Buttons::YesNo) !=
            Prompter::Answer::Yes)
      return;
    curvedesk::PasteGraph(graph, clipboard_.graph);
    RefreshFromCurve();
    SetModified(true);
  });
}

void FormMain::FillSensorStateList() {
  const int widthTwips = cboSensorSelect_->width() * kTwipsPerInch / cboSensorSelect_->logicalDpiX();
  const QSignalBlocker quiet(cboSensorSelect_);
  cboSensorSelect_->clear();
  for (const std::string& entry : BuildSensorStateList(context_.curve, widthTwips))
    cboSensorSelect_->addItem(QString::fromStdString(entry));
  cboSensorSelect_->setCurrentIndex(context_.curve.CurrentSensorState);
}

void FormMain::RefreshFromCurve() {
  const CurveData& curve = context_.curve;
  if (curve.Name == "Korvane Tarvo GT-1") txtSensor1_->setEnabled(true);
  const int slot = curve.IgnitionIndex - 1;
  if (slot >= 0 && slot < kIgnitionSlots) {
    const IgnitionDescription& description = context_.ignitionDescriptions[static_cast<std::size_t>(slot)];
    for (QWidget* widget : std::initializer_list<QWidget*>{lblSensor2_, txtSensor2_})
      widget->setEnabled(description.Sensor2Allowed);
    for (QWidget* widget : std::initializer_list<QWidget*>{lblRpmSw1_, txtRpmSw1Start_, txtRpmSw1Stop_})
      widget->setEnabled(description.RpmSwitch1Allowed);
    for (QWidget* widget : std::initializer_list<QWidget*>{lblRpmSw2_, txtRpmSw2Start_, txtRpmSw2Stop_})
      widget->setEnabled(description.RpmSwitch2Allowed);
  }

  QString cylinders = QString::fromStdString(CylinderText(curve.NumCylinders, context_.CustName));
  bool numeric = false;
  cylinders.toInt(&numeric);
  if (!numeric) cylinders = QString::fromStdString(curve.CustType);
  txtIgnitionNameModel_->setText(QString::fromStdString(curve.Name));
  txtNumCylinders_->setText(cylinders);
  txtSparkDist_->setText(QString::fromStdString(SparkDistName(curve.SparkDist)));
  txtRotorPos_->setText(QString::fromStdString(RotorPosName(curve.RotorPos)));
  txtTachType_->setText(QString::fromStdString(TachTypeName(curve.TachType, context_.CustName)));
  txtCurveFallback_->setText(QString::number(curve.CurveFallback));
  txtSensor1_->setText(QString::fromStdString(SensorName(curve.Sensor1Type, curve.Sensor1Volt)));
  txtSensor2_->setText(QString::fromStdString(SensorName(curve.Sensor2Type, curve.Sensor2Volt)));
  txtEngineType_->setText(QString::fromStdString(EngineTypeName(curve.EngineType)));
  FillSensorStateList();
  RefreshGraphFields();
  if (!numeric && curve.CustType.empty()) ChooseUnnamedCustomLayout();
}

void FormMain::RefreshGraphFields() {
  const SensorStateGraph& graph = CurrentGraph();
  if (txtGraphInfo_->text().toStdString() != graph.GraphInfo) txtGraphInfo_->setText(QString::fromStdString(graph.GraphInfo));
  SelectQuietly(cboNumTransitions_, graph.NumTransitions - 2);
  SelectQuietly(cboNumSparks_, graph.NumSparks - 1);
  txtRpmSw1Start_->ShowText(SwitchText(graph.RpmSw1Start));
  txtRpmSw1Stop_->ShowText(SwitchText(graph.RpmSw1Stop));
  txtRpmSw2Start_->ShowText(SwitchText(graph.RpmSw2Start));
  txtRpmSw2Stop_->ShowText(SwitchText(graph.RpmSw2Stop));
  txtRevLimit_->ShowText(SwitchText(graph.RevLimit));

  const QString coil = QString::fromStdString(context_.curve.CoilType);
  ShowCoilPicture(coil);
  {
    const QSignalBlocker quiet(cboCoilSat_);
    if (cboCoilSat_->findText(coil) < 0 && !coil.isEmpty()) cboCoilSat_->addItem(coil);
    cboCoilSat_->setCurrentIndex(cboCoilSat_->findText(coil));
  }
  DrawCurrentGraph();
}

void FormMain::DrawCurrentGraph() {
  try {
    picGraph_->DrawGraph();
  } catch (const AppError& error) {
    ShowError(prompter_, error);
    Exit();
  }
}

bool FormMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtGraphInfo_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      QApplication::beep();
      return true;
    }
  }
  if (watched == cboCoilSat_) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress) RebuildCoilList();
    if (event->type() == QEvent::FocusOut) {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      // Opening its own list or switching windows is not leaving the selector.
      if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) cboCoilSat_->setEnabled(false);
    }
  }
  if (event->type() == QEvent::MouseButtonDblClick) {
    QAction* command = nullptr;
    if (watched == txtSparkDist_) command = mnuConfigSparkDist_;
    if (watched == txtRotorPos_) command = mnuConfigRotorPos_;
    if (watched == txtTachType_) command = mnuConfigTachType_;
    if (watched == txtCurveFallback_) command = mnuConfigCurveFallback_;
    if (watched == txtSensor1_ || watched == txtSensor2_) command = mnuConfigSensors_;
    if (command) {
      command->trigger();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace curvedesk
