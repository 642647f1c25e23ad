// The main window's document commands: New, Open, recent files, Close, Save, Save As, Exit, and
// switching the window between its no-curve and curve-open states.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QUrl>

#include "core/common/Utils.h"
#include "core/curvefile/CurveFile.h"
#include "core/document/DocumentText.h"
#include "core/document/FieldRules.h"
#include "core/document/RecentFiles.h"
#include "gui/graph/GraphView.h"
#include "gui/ui/CoilPicture.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/ui/FormMain.h"
#include "gui/ui/FormWizard.h"
#include "gui/widgets/NumericField.h"

namespace curvedesk {

namespace {

// Shows the busy pointer for the life of the object.
class BusyPointer {
 public:
  BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyPointer() { QApplication::restoreOverrideCursor(); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace

void FormMain::Guarded(const std::function<void()>& work) { RunShowingErrors(prompter_, work); }

SensorStateGraph& FormMain::CurrentGraph() { return context_.curve.Graphs.at(context_.curve.CurrentSensorState); }

QString FormMain::CurveFilter() const {
  return FileDialogFilter(QStringLiteral("Korvane Tarvo"), QStringLiteral("*.crv"));
}

bool FormMain::CommitPendingEdits() {
  if (auto* field = qobject_cast<NumericField*>(focusWidget()); field && !field->CommitPending()) return false;
  picGraph_->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  return true;
}

std::string FormMain::ChooseSaveAsPath() {
  const QString path = fileDialogs_.SaveFile(this, tr("Save As"),
                                             QString::fromStdString(context_.settings.DefCurveFilePath), CurveFilter());
  if (path.isEmpty()) return {};
  context_.settings.DefCurveFilePath = PathDirectory(path.toStdString());
  return path.toStdString();
}

void FormMain::WriteCurve(const std::string& path) {
  BusyPointer busy;
  SaveCurveFile(context_.curve, context_.CustName, path);
}

bool FormMain::PromptSaveChanges(SaveAsCancelled onSaveAsCancelled) {
  if (!context_.curve.Modified) return true;
  const std::string& fileName = context_.curve.FileName;
  const auto answer = prompter_.Ask(kSaveChangesTitle, SaveChangesQuestion(fileName), Prompter::Icon::Warning,
                                    Prompter::Buttons::YesNoCancel);
  if (answer == Prompter::Answer::Cancel) return false;
  if (answer == Prompter::Answer::No) return true;
  if (!fileName.empty()) {
    WriteCurve(fileName);
    return true;
  }
  const std::string path = ChooseSaveAsPath();
  if (path.empty()) return onSaveAsCancelled == SaveAsCancelled::GoOn;
  WriteCurve(path);
  AddRecentFile(path);
  return true;
}

void FormMain::StartEmptyDocument() {
  ClearCurve(context_.curve, context_.defaultGraph);
  clipboard_.copied = false;
  SetModified(false);
}

void FormMain::NewCurve() {
  Guarded([this] {
    cboCoilSat_->setCurrentIndex(-1);
    HideCoilPictures();
    if (!CommitPendingEdits() || !PromptSaveChanges()) return;
    StartEmptyDocument();
    ClearCurveControls();
    FormWizard wizard(context_, prompter_, this);
    wizard.SetHelpHandler([this] { ShowHelpTopics(); });
    if (wizard.Run() == FormWizard::kCancelled) return;
    SetModified(true);
    SetCommandEnabled(mnuFileSave_, false);
    EnableCurveControls();
    RefreshFromCurve();
    // The new curve has no coil yet: the warning asks for one and the selector takes the choice.
    frWarning_->show();
    cboCoilSat_->setEnabled(true);
  });
}

void FormMain::OpenCurve() {
  Guarded([this] {
    if (!CommitPendingEdits() || !PromptSaveChanges()) return;
    StartEmptyDocument();
    const QString path = fileDialogs_.OpenFile(
        this, tr("Open"), QString::fromStdString(context_.settings.DefCurveFilePath), CurveFilter());
    if (path.isEmpty()) {
      // The curve in memory is cleared; the fields must not go on showing the old one.
      ClearCurveControls();
      return;
    }
    context_.settings.DefCurveFilePath = PathDirectory(path.toStdString());
    try {
      LoadFile(path.toStdString());
    } catch (...) {
      ClearCurveControls();
      throw;
    }
  });
}

void FormMain::OpenRecentFile(int position) {
  Guarded([this, position] {
    if (!CommitPendingEdits() || !PromptSaveChanges()) return;
    StartEmptyDocument();
    const auto slot = RecentFileSlot(context_.settings, static_cast<std::size_t>(position));
    if (!slot) {
      ClearCurveControls();
      return;
    }
    try {
      LoadFile(context_.settings.LastFiles[*slot]);
    } catch (...) {
      ClearCurveControls();
      throw;
    }
  });
}

void FormMain::CloseCurve() {
  Guarded([this] {
    HideCoilPictures();
    cboCoilSat_->setCurrentIndex(-1);
    if (!CommitPendingEdits() || !PromptSaveChanges()) return;
    StartEmptyDocument();
    ClearCurveControls();
  });
}

void FormMain::RecordCylinderLayoutName() {
  // A named layout is what the writer stores as the cylinder text of a custom-layout curve.
  if (IsCustomCylinderLayout(context_.curve.CustType)) context_.CustName = context_.curve.CustType;
}

void FormMain::SaveCurve() {
  Guarded([this] {
    if (context_.curve.FileName.empty()) return;
    RecordCylinderLayoutName();
    if (!CommitPendingEdits()) return;
    WriteCurve(context_.curve.FileName);
    SetModified(false);
    SetCommandEnabled(mnuFileClose_, true);
  });
}

void FormMain::SaveCurveAs() {
  Guarded([this] {
    RecordCylinderLayoutName();
    if (!CommitPendingEdits()) return;
    const std::string path = ChooseSaveAsPath();
    if (path.empty()) return;
    WriteCurve(path);
    context_.curve.FileName = path;
    SetModified(false);
    SetCommandEnabled(mnuFileSave_, true);
    SetCommandEnabled(mnuFileClose_, true);
    AddRecentFile(path);
  });
}

void FormMain::Exit() {
  if (!CommitPendingEdits()) return;
  close();
}

void FormMain::closeEvent(QCloseEvent* event) {
  // The job's windows and its wait for the board live inside this window's event handler.
  if (boardJobRunning_) {
    event->ignore();
    return;
  }
  bool closing = false;
  Guarded([&] {
    if (!isMinimized() && !CommitPendingEdits()) return;
    if (!PromptSaveChanges(SaveAsCancelled::GoOn)) return;
    closing = true;
  });
  if (!closing) {
    event->ignore();
    return;
  }
  StoreWindowPosition();
  event->accept();
  if (unloadHandler_) unloadHandler_();
}

void FormMain::LoadFile(const std::string& path) {
  {
    BusyPointer busy;
    LoadCurveFile(context_.curve, path, context_.ignitionDescriptions, context_.defaultGraph);
  }
  context_.curve.FileName = path;
  UpdateTitle();
  AddRecentFile(path);
  EnableCurveControls();
  SetCommandEnabled(mnuFileSave_, true);
  RefreshFromCurve();
}

void FormMain::AddRecentFile(const std::string& path) {
  curvedesk::AddRecentFile(context_.settings, path);
  RefreshRecentMenu();
}

void FormMain::RefreshRecentMenu() {
  const std::vector<std::string> captions = RecentMenuCaptions(context_.settings);
  if (captions.empty()) {
    mnuFileSepRecent_->setVisible(false);
    return;
  }
  mnuFileSepRecent_->setVisible(true);
  for (std::size_t i = 0; i < captions.size(); ++i) {
    QString caption = QString::fromStdString(captions[i]);
    caption.replace(u'&', QStringLiteral("&&"));
    mnuFileMRU_[i]->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(caption));
    mnuFileMRU_[i]->setVisible(true);
    mnuFileMRU_[i]->setEnabled(true);
  }
}

void FormMain::SetModified(bool modified) {
  context_.curve.Modified = modified;
  UpdateTitle();
}

void FormMain::EnableCurveControls() {
  documentOpen_ = true;
  for (QAction* action : {mnuFileClose_, mnuFileSaveAs_, mnuFileProgramIgnition_, mnuFileProgramRevLimit_,
                          mnuFilePrintGraph_, mnuFileExportPdf_, mnuConfigRotorPos_, mnuConfigTachType_,
                          mnuConfigSensors_, mnuConfigCurveFallback_, mnuConfigSparkDist_, graphCopy_, graphPaste_})
    SetCommandEnabled(action, true);
  // Only a custom-layout curve has a layout to name.
  SetCommandEnabled(mnuConfigCustEng_, context_.curve.NumCylinders == kCustomCylinders);
  for (QWidget* field : std::initializer_list<QWidget*>{
           txtNumCylinders_, txtTachType_, txtSparkDist_, txtRotorPos_, txtCurveFallback_, txtSensor1_, txtSensor2_,
           txtEngineType_, cboSensorSelect_, cboNumTransitions_, cboNumSparks_, txtRpmSw1Start_, txtRpmSw1Stop_,
           txtRpmSw2Start_, txtRpmSw2Stop_, txtRevLimit_, txtGraphInfo_})
    field->setEnabled(true);
}

void FormMain::ClearCurveControls() {
  documentOpen_ = false;
  for (QAction* action : {mnuFileClose_, mnuFileSave_, mnuFileSaveAs_, mnuFileProgramIgnition_, mnuFilePrintGraph_,
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
    list->setCurrentIndex(-1);
  }
  cboSensorSelect_->clear();
  picGraph_->HideGraph();
}

void FormMain::HideCoilPictures() {
  for (CoilPicture* picture : coilPictures_) picture->hide();
}

void FormMain::ShowCoilPicture(const QString& coilType) {
  for (CoilPicture* picture : coilPictures_) picture->setVisible(picture->CoilType() == coilType);
}

void FormMain::OpenWebPage() {
  Guarded([this] {
    if (!QDesktopServices::openUrl(QUrl(QString::fromStdString(context_.settings.CompanyWebPage))))
      RaiseError(ErrBrowserLaunch);
  });
}

}  // namespace curvedesk
