#pragma once

#include <QMainWindow>
#include <QSet>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/common/Prompter.h"
#include "core/document/CurveDocument.h"
#include "core/document/GraphClipboard.h"
#include "core/model/AppContext.h"
#include "gui/print/PrintGraphCommand.h"

class QAction;
class QComboBox;
class QDockWidget;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QToolButton;

namespace curvedesk {

class BoardSession;
class CoilPicture;
class ComparisonCurve;
class DifferenceList;
class FileDialogs;
class GraphView;
class IgnitionCommands;
class MakerLogo;
class NumericField;

// The main window: the document commands, the configuration fields and the graph of the shown
// sensor state of one curve document. It is wiring: commands and fields hand the user's changes to
// the document as edits, and every field, the graph, the title and the enabled commands follow the
// document's change notifications.
class FormMain : public QMainWindow {
  Q_OBJECT
 public:
  FormMain(AppContext& context, CurveDocument& document, Prompter& prompter, FileDialogs& fileDialogs,
           QWidget* parent = nullptr);
  ~FormMain() override;

  // Runs once the window has been unloaded and has stored its position: the program's shut-down.
  void SetUnloadHandler(std::function<void()> handler) { unloadHandler_ = std::move(handler); }

  // Loads a curve file and shows it. A failure is raised to the caller unchanged.
  void LoadFile(const std::string& path);
  // The curve file named on the command line: opened as Open does, after asking about the unsaved
  // changes of a curve shown before it (one restored at start-up). False when the user kept that
  // curve instead; a failure is raised.
  bool OpenStartupFile(const std::string& path);

  // Fills every field from the document (a changed ignition description shows this way too).
  void RefreshFromCurve();
  bool DocumentOpen() const { return document_.IsOpen(); }

  // Wires the commands that speak to the ignition to their menu entries and buttons; while one of
  // their jobs (or a print job) runs, every command of this window is disabled and the window
  // cannot be closed.
  void SetIgnitionCommands(IgnitionCommands& commands);

  // The maker's logo kept hidden for printing.
  MakerLogo* PrintLogo() const { return picLogo_; }
  // The window's first size on a screen whose free area (without task bars) is `available`: the
  // size its layout was made for, or as much of the screen as there is, less the window's frame.
  static QSize DefaultSize(const QSize& available);

  // The print dialog; tests print to a file in its place.
  void SetPrinterChooser(PrinterChooser chooser) { choosePrinter_ = std::move(chooser); }

  // Reads a curve file as the comparison curve, drawn behind the edited one and listed against it;
  // it replaces any other. File > Compare With... does this with the chosen file. A failure is raised
  // to the caller unchanged and leaves the comparison as it was.
  void CompareWithFile(const std::string& path);
  const ComparisonCurve& Comparison() const { return *comparison_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildActions();
  void BuildMenus();
  void BuildToolBar();
  void BuildCentralArea();
  QWidget* BuildGraphPanel();
  QWidget* BuildFieldPanel();
  QWidget* BuildCoilPanel();
  QWidget* BuildCoilWarning();
  // The node table dock, the View menu that shows it and the selected node in the status bar
  // (FormMainNodeTable.cpp).
  void BuildNodeTable();
  void ApplyWindowPosition();
  void StoreWindowPosition();

  // Comparing with a second curve (FormMainCompare.cpp): the commands, the difference list dock.
  void BuildComparison();
  void CompareWith();
  void StopComparing();
  void UpdateCompareCommands();
  // Whether printing and PDF export (the command's title) include the comparison: asked while one is
  // open, else false; nothing when the user cancelled.
  std::optional<bool> AskIncludeComparison(const QString& title);

  // Following the document (FormMainRefresh.cpp).
  void DocumentChanged(const DocumentChange& change);
  void RefreshGraphFields();
  void EnableCurveControls();
  void ClearCurveControls();
  void UpdateTitle();
  void UpdateSaveCommands();
  void UpdateUndoCommands();
  void ShowCoil();
  // Limits the document could not read for the shown configuration end the program, as a graph
  // that cannot be drawn does.
  void ReportCoilLimitsError();

  // Commands.
  void NewCurve();
  void OpenCurve();
  void OpenRecentFile(int position);
  void CloseCurve();
  void SaveCurve();
  void SaveCurveAs();
  void Exit();
  void Undo();
  void Redo();
  void OpenWebPage();
  // Printing and help (FormMainPrintHelp.cpp).
  bool FocusGraph();
  void PrintGraph();
  void ExportPdf();
  void ShowHelpTopics();
  void EnterWhatsThisMode();
  void CopyGraph();
  void PasteGraph();
  // The Config menu's curve dialogs (FormMainConfig.cpp).
  void RunConfigCommand(const std::function<void()>& command);
  void AdjustSensors();
  void ChangeCustomCylinderAngle();
  void ChangeSparkDist();
  void ChangeCurveFallback();
  void ChangeRotorPosition();
  void ChangeTachType();
  // A curve about to be shown whose custom layout has no name gets one chosen; true when it did.
  bool NameUnnamedCustomLayout(CurveData& curve);
  // Shows a curve read from a file or made by the wizard, with a fresh history.
  void ShowNewDocument(CurveData curve, std::string fileName, bool modified);

  // Document steps.
  bool CommitPendingEdits();
  // Asks before unsaved changes are lost; false abandons the command. Window closing goes on when
  // the Save As dialog of an unnamed curve is cancelled; the other commands stop.
  enum class SaveAsCancelled { Abandon, GoOn };
  bool PromptSaveChanges(SaveAsCancelled onSaveAsCancelled = SaveAsCancelled::Abandon);
  void StartEmptyDocument();
  void WriteCurve(const std::string& path);
  void RecordCylinderLayoutName();
  void AddRecentFile(const std::string& path);
  void RefreshRecentMenu();
  QString CurveFilter() const;
  std::string ChooseSaveAsPath();
  void HideCoilPictures();
  void ShowCoilPicture(const QString& coilType);

  // Fields.
  bool ValidateRevLimit();
  bool ValidateRpmSwitch(NumericField* field);
  void NoteEdited(const QString& text);
  void TransitionsChosen(int index);
  void SparksChosen(int index);
  void SensorStateChosen(int index);
  void RebuildCoilList();
  void CoilChosen(int index);
  void FillSensorStateList();

  void SetCommandEnabled(QAction* action, bool enabled);
  // While a board job or a job on the curve runs, the commands and fields wait.
  void UpdateJobLock();
  // Runs an event handler's work; any error is shown through the prompter.
  void Guarded(const std::function<void()>& work);

  AppContext& context_;
  CurveDocument& document_;
  Prompter& prompter_;
  FileDialogs& fileDialogs_;
  std::function<void()> unloadHandler_;
  int subscription_ = 0;

  GraphClipboard clipboard_;
  // One spell of typing in the note field is one undo step.
  CurveDocument::Gesture noteTyping_ = 0;

  // Commands.
  QAction* mnuFileNew_ = nullptr;
  QAction* mnuFileOpen_ = nullptr;
  QAction* mnuFileClose_ = nullptr;
  QAction* mnuFileSave_ = nullptr;
  QAction* mnuFileSaveAs_ = nullptr;
  QAction* mnuFilePrintGraph_ = nullptr;
  QAction* mnuFileExportPdf_ = nullptr;
  QAction* mnuFileProgramIgnition_ = nullptr;
  QAction* mnuFileCompareIgnition_ = nullptr;
  QAction* mnuFileProgramRevLimit_ = nullptr;
  std::array<QAction*, 4> mnuFileMRU_{};
  QAction* mnuFileSepRecent_ = nullptr;
  QAction* mnuFileExit_ = nullptr;
  QAction* mnuEditUndo_ = nullptr;
  QAction* mnuEditRedo_ = nullptr;
  QAction* mnuConfigSensors_ = nullptr;
  QAction* mnuConfigCustEng_ = nullptr;
  QAction* mnuConfigSparkDist_ = nullptr;
  QAction* mnuConfigCurveFallback_ = nullptr;
  QAction* mnuConfigRotorPos_ = nullptr;
  QAction* mnuConfigTachType_ = nullptr;
  QAction* mnuConfigSerialPort_ = nullptr;
  QAction* mnuConfigVerifyAfterWrite_ = nullptr;
  QAction* mnuConfigUpgradeFirmware_ = nullptr;
  QAction* mnuHelpTopics_ = nullptr;
  QAction* mnuHelpWhatsThis_ = nullptr;
  QAction* mnuHelpWeb_ = nullptr;
  QAction* mnuHelpAbout_ = nullptr;
  QAction* graphCopy_ = nullptr;
  QAction* graphPaste_ = nullptr;
  // Commands whose windows are not part of the program yet: they stay disabled.
  QSet<QAction*> unavailable_;
  // The commands a running job disabled, enabled again when it ends.
  QList<QAction*> lockedCommands_;
  BoardSession* session_ = nullptr;
  bool jobRunning_ = false;

  // Fields.
  GraphView* picGraph_ = nullptr;
  std::unique_ptr<QPrinter> printer_;  // the current printer, kept between print jobs
  PrinterChooser choosePrinter_ = AskForPrinter;
  QLineEdit* txtIgnitionNameModel_ = nullptr;
  QLineEdit* txtEngineType_ = nullptr;
  QLineEdit* txtNumCylinders_ = nullptr;
  QLineEdit* txtSparkDist_ = nullptr;
  QLineEdit* txtRotorPos_ = nullptr;
  QLineEdit* txtTachType_ = nullptr;
  QLineEdit* txtCurveFallback_ = nullptr;
  QLineEdit* txtSensor1_ = nullptr;
  QLineEdit* txtSensor2_ = nullptr;
  QLabel* lblSensor1_ = nullptr;
  QLabel* lblSensor2_ = nullptr;
  QComboBox* cboSensorSelect_ = nullptr;
  NumericField* txtRevLimit_ = nullptr;
  NumericField* txtRpmSw1Start_ = nullptr;
  NumericField* txtRpmSw1Stop_ = nullptr;
  NumericField* txtRpmSw2Start_ = nullptr;
  NumericField* txtRpmSw2Stop_ = nullptr;
  QLabel* lblRpmSw1_ = nullptr;
  QLabel* lblRpmSw2_ = nullptr;
  QComboBox* cboNumTransitions_ = nullptr;
  QComboBox* cboNumSparks_ = nullptr;
  QLineEdit* txtGraphInfo_ = nullptr;
  QComboBox* cboCoilSat_ = nullptr;
  std::vector<CoilPicture*> coilPictures_;  // the edition's coils
  QFrame* frWarning_ = nullptr;
  MakerLogo* picLogo_ = nullptr;
  QDockWidget* dockNodeTable_ = nullptr;

  // Comparing: a curve only looked at, outside the document and its history. Shared with the views
  // that follow it, which may outlive the window's members.
  std::shared_ptr<ComparisonCurve> comparison_;
  int comparisonCommandsSubscription_ = 0;
  QAction* mnuFileCompareWith_ = nullptr;
  QAction* mnuFileStopComparing_ = nullptr;
  QDockWidget* dockDifferences_ = nullptr;
  DifferenceList* lstDifferences_ = nullptr;
};

}  // namespace curvedesk
