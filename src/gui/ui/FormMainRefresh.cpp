// The main window following its document: the two window states, the fields, the title, the
// enabled commands and the coil, each refreshed from what the document says changed.
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "core/common/Version.h"
#include "core/document/DocumentText.h"
#include "core/document/FieldRules.h"
#include "core/document/SensorStateList.h"
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

void FormMain::DocumentChanged(const DocumentChange& change) {
  if (change.Has(DocumentChange::kJobs)) UpdateJobLock();
  if (change.Has(DocumentChange::kDocument)) {
    if (document_.IsOpen()) {
      EnableCurveControls();
      RefreshFromCurve();
    } else {
      ClearCurveControls();
    }
  } else if (change.Has(DocumentChange::kConfiguration)) {
    EnableCurveControls();
    RefreshFromCurve();
  } else {
    if (change.Has(DocumentChange::kShownState)) FillSensorStateList();
    if (change.Has(DocumentChange::kShownState) || change.TouchesGraph(document_.ShownState())) RefreshGraphFields();
  }
  if (change.Has(DocumentChange::kCoil)) ShowCoil();
  if (change.Has(DocumentChange::kDocument) || change.Has(DocumentChange::kFileState)) {
    UpdateTitle();
    UpdateSaveCommands();
  }
  if (change.Has(DocumentChange::kDocument) && comparison_) UpdateCompareCommands();
  UpdateUndoCommands();
  if (change.Has(DocumentChange::kDocument) || change.Has(DocumentChange::kConfiguration) ||
      change.Has(DocumentChange::kCoil))
    ReportCoilLimitsError();
}

void FormMain::UpdateTitle() {
  setWindowTitle(
      QString::fromStdString(DocumentTitle(kApplicationTitle, document_.FileName(), document_.Modified())));
}

void FormMain::UpdateSaveCommands() {
  // Save needs a file name: a new curve is saved with Save As first.
  SetCommandEnabled(mnuFileSave_, document_.IsOpen() && !document_.FileName().empty());
}

void FormMain::UpdateUndoCommands() {
  const auto caption = [](const char* verb, const std::string& step) {
    return step.empty() ? QString::fromLatin1(verb) : QStringLiteral("%1 %2").arg(verb, QString::fromStdString(step));
  };
  // A value typed but not yet taken is the first thing Undo takes back: Undo takes it, then undoes it.
  std::string typed;
  if (txtRevLimit_->HasPendingText()) typed = edit_names::kRevLimit;
  for (NumericField* field : {txtRpmSw1Start_, txtRpmSw1Stop_, txtRpmSw2Start_, txtRpmSw2Stop_})
    if (field->HasPendingText()) typed = edit_names::kRpmSwitch;
  const bool open = document_.IsOpen();
  mnuEditUndo_->setText(caption("&Undo", typed.empty() ? document_.UndoName() : typed));
  mnuEditRedo_->setText(caption("&Redo", typed.empty() ? document_.RedoName() : std::string()));
  SetCommandEnabled(mnuEditUndo_, open && (document_.CanUndo() || !typed.empty()));
  SetCommandEnabled(mnuEditRedo_, open && document_.CanRedo() && typed.empty());
}

void FormMain::ReportCoilLimitsError() {
  if (!document_.IsOpen() || !document_.CoilLimitsError()) return;
  ShowError(prompter_, *document_.CoilLimitsError());
  Exit();
}

void FormMain::EnableCurveControls() {
  for (QAction* action : {mnuFileClose_, mnuFileSaveAs_, mnuFileProgramIgnition_, mnuFileCompareIgnition_,
                          mnuFileProgramRevLimit_,
                          mnuFilePrintGraph_, mnuFileExportPdf_, mnuConfigRotorPos_, mnuConfigTachType_,
                          mnuConfigSensors_, mnuConfigCurveFallback_, mnuConfigSparkDist_, graphCopy_, graphPaste_})
    SetCommandEnabled(action, true);
  // Only a custom-layout curve has a layout to name.
  SetCommandEnabled(mnuConfigCustEng_, document_.Curve().NumCylinders == kCustomCylinders);
  for (QWidget* field : std::initializer_list<QWidget*>{
           txtNumCylinders_, txtTachType_, txtSparkDist_, txtRotorPos_, txtCurveFallback_, txtSensor1_, txtSensor2_,
           txtEngineType_, cboSensorSelect_, cboNumTransitions_, cboNumSparks_, txtRpmSw1Start_, txtRpmSw1Stop_,
           txtRpmSw2Start_, txtRpmSw2Stop_, txtRevLimit_, txtGraphInfo_})
    field->setEnabled(true);
}

void FormMain::ClearCurveControls() {
  for (QAction* action : {mnuFileClose_, mnuFileSave_, mnuFileSaveAs_, mnuFileProgramIgnition_,
                          mnuFileCompareIgnition_, mnuFilePrintGraph_,
                          mnuFileExportPdf_, mnuConfigRotorPos_, mnuConfigTachType_, mnuConfigSensors_,
                          mnuConfigCurveFallback_, mnuConfigSparkDist_, mnuConfigCustEng_, graphCopy_, graphPaste_})
    SetCommandEnabled(action, false);
  // Programming a rev limit needs no curve.
  SetCommandEnabled(mnuFileProgramRevLimit_, true);
  txtIgnitionNameModel_->clear();
  for (QLineEdit* field : {txtNumCylinders_, txtTachType_, txtSparkDist_, txtRotorPos_, txtCurveFallback_, txtSensor1_,
                           txtSensor2_, txtEngineType_, txtGraphInfo_}) {
    field->setEnabled(false);
    field->clear();
  }
  for (NumericField* field : {txtRpmSw1Start_, txtRpmSw1Stop_, txtRpmSw2Start_, txtRpmSw2Stop_, txtRevLimit_}) {
    field->setEnabled(false);
    field->ShowText({});
  }
  for (QWidget* label : {lblSensor1_, lblSensor2_, lblRpmSw1_, lblRpmSw2_}) label->setEnabled(true);
  for (QComboBox* list : {cboSensorSelect_, cboNumTransitions_, cboNumSparks_}) {
    list->setEnabled(false);
    SelectQuietly(list, -1);
  }
  cboSensorSelect_->clear();
}

void FormMain::FillSensorStateList() {
  const int widthTwips = cboSensorSelect_->width() * kTwipsPerInch / cboSensorSelect_->logicalDpiX();
  const QSignalBlocker quiet(cboSensorSelect_);
  cboSensorSelect_->clear();
  for (const std::string& entry : BuildSensorStateList(document_.Curve(), widthTwips))
    cboSensorSelect_->addItem(QString::fromStdString(entry));
  cboSensorSelect_->setCurrentIndex(document_.ShownState());
}

void FormMain::RefreshFromCurve() {
  if (!document_.IsOpen()) return;
  const CurveData& curve = document_.Curve();
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

  txtIgnitionNameModel_->setText(QString::fromStdString(curve.Name));
  txtNumCylinders_->setText(QString::fromStdString(CylinderFieldText(curve, context_.CustName)));
  txtSparkDist_->setText(QString::fromStdString(SparkDistName(curve.SparkDist)));
  txtRotorPos_->setText(QString::fromStdString(RotorPosName(curve.RotorPos)));
  txtTachType_->setText(QString::fromStdString(TachTypeName(curve.TachType, context_.CustName)));
  txtCurveFallback_->setText(QString::number(curve.CurveFallback));
  txtSensor1_->setText(QString::fromStdString(SensorName(curve.Sensor1Type, curve.Sensor1Volt)));
  txtSensor2_->setText(QString::fromStdString(SensorName(curve.Sensor2Type, curve.Sensor2Volt)));
  txtEngineType_->setText(QString::fromStdString(EngineTypeName(curve.EngineType)));
  FillSensorStateList();
  RefreshGraphFields();
  ShowCoil();
}

void FormMain::RefreshGraphFields() {
  if (!document_.IsOpen()) return;
  const SensorStateGraph& graph = document_.ShownGraph();
  if (txtGraphInfo_->text().toStdString() != graph.GraphInfo) txtGraphInfo_->setText(QString::fromStdString(graph.GraphInfo));
  SelectQuietly(cboNumTransitions_, graph.NumTransitions - 2);
  SelectQuietly(cboNumSparks_, graph.NumSparks - 1);
  txtRpmSw1Start_->ShowText(SwitchText(graph.RpmSw1Start));
  txtRpmSw1Stop_->ShowText(SwitchText(graph.RpmSw1Stop));
  txtRpmSw2Start_->ShowText(SwitchText(graph.RpmSw2Start));
  txtRpmSw2Stop_->ShowText(SwitchText(graph.RpmSw2Stop));
  txtRevLimit_->ShowText(SwitchText(graph.RevLimit));
}

void FormMain::ShowCoil() {
  if (!document_.IsOpen()) return;
  const QString coil = QString::fromStdString(document_.Curve().CoilType);
  ShowCoilPicture(coil);
  const QSignalBlocker quiet(cboCoilSat_);
  if (cboCoilSat_->findText(coil) < 0 && !coil.isEmpty()) cboCoilSat_->addItem(coil);
  cboCoilSat_->setCurrentIndex(cboCoilSat_->findText(coil));
}

void FormMain::HideCoilPictures() {
  for (CoilPicture* picture : coilPictures_) picture->hide();
}

void FormMain::ShowCoilPicture(const QString& coilType) {
  for (CoilPicture* picture : coilPictures_) picture->setVisible(picture->CoilType() == coilType);
}

}  // namespace curvedesk
