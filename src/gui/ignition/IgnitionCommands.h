#pragma once

#include <QObject>
#include <QPointer>
#include <string>

#include "core/common/Prompter.h"
#include "core/common/Registry.h"
#include "core/ignition/ImageVerification.h"
#include "core/model/AppContext.h"
#include "core/model/CurveData.h"
#include "gui/ignition/FormCfgSerialPort.h"
#include "gui/ignition/FormCompareIgnition.h"
#include "gui/widgets/FormProgress.h"
#include "gui/ignition/FormScrollText.h"

class QWidget;

namespace curvedesk {

class BoardSession;
class FileDialogs;

// The commands of the main window that speak to the ignition: Program Ignition, Compare with
// Ignition, Program Rev. Limit, Configure Serial Port, Upgrade Firmware and About. Each is a window
// event handler: it shows its own errors. The main window commits pending field edits before calling the commands
// that need it, and disables every command that starts a job while the session is busy.
class IgnitionCommands : public QObject {
  Q_OBJECT
 public:
  IgnitionCommands(AppContext& context, RegistryStore& store, Prompter& prompter, FileDialogs& fileDialogs,
                   BoardSession& session, QWidget* owner);
  ~IgnitionCommands() override;

  // Where Detect Ports looks; the system's ports unless a test says otherwise.
  void SetPortDetector(FormCfgSerialPort::PortDetector detector) { detectPorts_ = std::move(detector); }

  void ConfigureSerialPort();
  // Programs curve, a snapshot the caller keeps unchanged while the job runs; reads it back unless
  // the setting VerifyAfterWrite is off. After a failed verification the log stays open with the
  // bytes that differ.
  void ProgramIgnition(const CurveData& curve);
  // Reads the ignition and shows whether it holds the curve as programming would write it. Writes
  // nothing and copies no timing table; an untouched graph is compared like any other.
  void CompareWithIgnition(const CurveData& curve);
  void ProgramRevLimit();
  void UpgradeFirmware();
  void ShowAbout();

  // Before a job that needs the port: while ProgramSerialSet is not "1", the instructions and then
  // the serial port dialog.
  void EnsureSerialPortSet(const std::string& title, const std::string& instructions);

  BoardSession& Session() { return session_; }
  Prompter& MessagePrompter() { return prompter_; }
  // The windows of the last programming run, kept after it for a look at what they showed.
  FormScrollText* LogWindow() const { return log_; }
  FormProgress* ProgressWindow() const { return progress_; }
  // The result of the last comparison while it is open.
  FormCompareIgnition* CompareWindow() const { return compare_; }

 private:
  void OpenProgrammingWindows();
  // Closes the progress window and the log, or leaves the log for the user to close.
  void CloseProgrammingWindows(bool keepLog = false);
  Verification ChosenVerification() const;

  AppContext& context_;
  RegistryStore& store_;
  Prompter& prompter_;
  FileDialogs& fileDialogs_;
  BoardSession& session_;
  QWidget* owner_;
  FormCfgSerialPort::PortDetector detectPorts_;
  // Owned by the owner window, which may go first.
  QPointer<FormScrollText> log_;
  QPointer<FormProgress> progress_;
  QPointer<FormCompareIgnition> compare_;
};

}  // namespace curvedesk
