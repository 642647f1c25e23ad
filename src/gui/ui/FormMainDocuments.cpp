// The main window's document commands: New, Open, recent files, Close, Save, Save As, Exit, Undo
// and Redo.
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
#include "gui/ui/FormChangeCylType.h"
#include "gui/ui/FormMain.h"
#include "gui/ui/FormWizard.h"
#include "gui/widgets/FileDialogs.h"
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
  SaveCurveFile(document_.Curve(), context_.CustName, path);
}

bool FormMain::PromptSaveChanges(SaveAsCancelled onSaveAsCancelled) {
  if (!document_.Modified()) return true;
  const std::string fileName = document_.FileName();
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
  document_.Close();
  clipboard_.copied = false;
}

bool FormMain::NameUnnamedCustomLayout(CurveData& curve) {
  if (!NeedsCustomLayoutName(curve, context_.CustName)) return false;
  // The question has only one answer: closing the dialog takes the layout it shows.
  FormChangeCylType dialog(curve.CustType, context_.CustName, this);
  dialog.Ask();
  NameCustomLayout(curve, dialog.ChosenLayout(), context_.CustName);
  return true;
}

void FormMain::ShowNewDocument(CurveData curve, std::string fileName, bool modified) {
  // Naming the layout is part of opening the curve, not a step to undo.
  if (NameUnnamedCustomLayout(curve)) modified = true;
  document_.Open(std::move(curve), std::move(fileName), modified);
}

void FormMain::NewCurve() {
  Guarded([this] {
    cboCoilSat_->setCurrentIndex(-1);
    HideCoilPictures();
    if (!CommitPendingEdits() || !PromptSaveChanges()) return;
    StartEmptyDocument();
    CurveData curve = document_.Curve();
    FormWizard wizard(context_, curve, prompter_, this);
    wizard.SetHelpHandler([this] { ShowHelpTopics(); });
    if (wizard.Run() == FormWizard::kCancelled) return;
    ShowNewDocument(std::move(curve), {}, true);
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
    if (path.isEmpty()) return;
    context_.settings.DefCurveFilePath = PathDirectory(path.toStdString());
    LoadFile(path.toStdString());
  });
}

void FormMain::OpenRecentFile(int position) {
  Guarded([this, position] {
    if (!CommitPendingEdits() || !PromptSaveChanges()) return;
    StartEmptyDocument();
    const auto slot = RecentFileSlot(context_.settings, static_cast<std::size_t>(position));
    if (!slot) return;
    LoadFile(context_.settings.LastFiles[*slot]);
  });
}

void FormMain::CloseCurve() {
  Guarded([this] {
    HideCoilPictures();
    cboCoilSat_->setCurrentIndex(-1);
    if (!CommitPendingEdits() || !PromptSaveChanges()) return;
    StartEmptyDocument();
  });
}

void FormMain::RecordCylinderLayoutName() {
  // A named layout is what the writer stores as the cylinder text of a custom-layout curve.
  if (IsCustomCylinderLayout(document_.Curve().CustType)) context_.CustName = document_.Curve().CustType;
}

void FormMain::SaveCurve() {
  Guarded([this] {
    if (document_.FileName().empty()) return;
    RecordCylinderLayoutName();
    if (!CommitPendingEdits()) return;
    WriteCurve(document_.FileName());
    document_.MarkSaved(document_.FileName());
  });
}

void FormMain::SaveCurveAs() {
  Guarded([this] {
    RecordCylinderLayoutName();
    if (!CommitPendingEdits()) return;
    const std::string path = ChooseSaveAsPath();
    if (path.empty()) return;
    WriteCurve(path);
    document_.MarkSaved(path);
    AddRecentFile(path);
  });
}

void FormMain::Exit() {
  if (!CommitPendingEdits()) return;
  close();
}

void FormMain::Undo() {
  Guarded([this] {
    if (CommitPendingEdits()) document_.Undo();
  });
}

void FormMain::Redo() {
  Guarded([this] {
    if (CommitPendingEdits()) document_.Redo();
  });
}

void FormMain::closeEvent(QCloseEvent* event) {
  // A job's windows and its wait for the board live inside this window's event handler.
  if (jobRunning_) {
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
  CurveData curve = document_.Curve();
  try {
    BusyPointer busy;
    LoadCurveFile(curve, path, context_.ignitionDescriptions, context_.defaultGraph);
  } catch (...) {
    // As the reader leaves a cleared curve, the window shows none.
    document_.Close();
    throw;
  }
  ShowNewDocument(std::move(curve), path, false);
  AddRecentFile(path);
}

bool FormMain::OpenStartupFile(const std::string& path) {
  if (!PromptSaveChanges()) return false;
  StartEmptyDocument();
  LoadFile(path);
  return true;
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

void FormMain::OpenWebPage() {
  Guarded([this] {
    if (!QDesktopServices::openUrl(QUrl(QString::fromStdString(context_.settings.CompanyWebPage))))
      RaiseError(ErrBrowserLaunch);
  });
}

}  // namespace curvedesk
