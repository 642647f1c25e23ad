#pragma once

#include <QMainWindow>
#include <QSet>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/common/Prompter.h"
#include "core/document/GraphClipboard.h"
#include "core/model/AppContext.h"

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QToolButton;

namespace curvedesk {

class CoilPicture;
class FileDialogs;
class GraphView;
class IgnitionCommands;
class MakerLogo;
class NumericField;

// The main window: the one open curve, the document commands, the configuration fields and the
// graph of the current sensor state.
class FormMain : public QMainWindow {
  Q_OBJECT
 public:
  FormMain(AppContext& context, Prompter& prompter, FileDialogs& fileDialogs, QWidget* parent = nullptr);
  ~FormMain() override;

  // Runs once the window has been unloaded and has stored its position: the program's shut-down.
  void SetUnloadHandler(std::function<void()> handler) { unloadHandler_ = std::move(handler); }

  // Loads a curve file and shows it. A failure is raised to the caller unchanged.
  void LoadFile(const std::string& path);

  void SetModified(bool modified);
  void RefreshFromCurve();
  void RefreshGraphFields();
  void EnableCurveControls();
  void ClearCurveControls();
  bool DocumentOpen() const { return documentOpen_; }

  // Wires the commands that speak to the ignition to their menu entries and buttons; while one of
  // their jobs runs, every command of this window is disabled and the window cannot be closed.
  void SetIgnitionCommands(IgnitionCommands& commands);

  // The maker's logo kept hidden for printing.
  MakerLogo* PrintLogo() const { return picLogo_; }

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
  void ApplyWindowPosition();
  void StoreWindowPosition();

  // Commands.
  void NewCurve();
  void OpenCurve();
  void OpenRecentFile(int position);
  void CloseCurve();
  void SaveCurve();
  void SaveCurveAs();
  void Exit();
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
  // A custom-layout curve whose layout has no name gets one chosen.
  void ChooseUnnamedCustomLayout();

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
  void UpdateTitle();
  QString CurveFilter() const;
  std::string ChooseSaveAsPath();
  // Draws the current sensor state's graph; a failure shows its message and ends the program.
  void DrawCurrentGraph();
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
  void LockForBoardJob(bool busy);
  SensorStateGraph& CurrentGraph();
  // Runs an event handler's work; any error is shown through the prompter.
  void Guarded(const std::function<void()>& work);

  AppContext& context_;
  Prompter& prompter_;
  FileDialogs& fileDialogs_;
  std::function<void()> unloadHandler_;

  bool documentOpen_ = false;
  GraphClipboard clipboard_;

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
  // The commands a running board job disabled, enabled again when it ends.
  QList<QAction*> lockedCommands_;
  bool boardJobRunning_ = false;

  // Fields.
  GraphView* picGraph_ = nullptr;
  std::unique_ptr<QPrinter> printer_;  // the current printer, kept between print jobs
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
};

}  // namespace curvedesk
