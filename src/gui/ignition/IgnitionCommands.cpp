#include "gui/ignition/IgnitionCommands.h"

#include <functional>
#include <utility>

#include "core/app/Settings.h"
#include "core/common/ErrorMessages.h"
#include "core/common/Utils.h"
#include "core/ignition/ConnectionInstructions.h"
#include "core/ignition/Firmware.h"
#include "core/ignition/IgnitionComparison.h"
#include "core/ignition/ProgramIgnition.h"
#include "core/ignition/ProgramRevLimit.h"
#include "core/ignition/SerialPortDiagnosis.h"
#include "core/ignition/SerialPortSettings.h"
#include "core/ignition/TimingTableFiles.h"
#include "gui/ignition/BoardSession.h"
#include "gui/ignition/FormAbout.h"
#include "gui/ignition/FormChangeRevLimit.h"
#include "gui/widgets/FormProgress.h"
#include "gui/ignition/FormScrollText.h"
#include "gui/platform/PortDetection.h"
#include "gui/widgets/FileDialogs.h"

namespace curvedesk {

namespace {

constexpr const char* kConfirmRevLimit =
    "This will program the Rev. limit into the ignition.\r\n"
    "This value will be written to all sensor states.\r\n"
    "Make sure there is power to the ignition and that\r\n"
    "it is attached to the computer.  Press OK to\r\n"
    "continue programming.  Remove the program\r\n"
    "connector from the ignition when finished.";

constexpr const char* kConfirmFirmware =
    "This will program new firmware into the ignition.\r\n"
    "\r\n"
    "Make sure an ignition board is attached and\r\n"
    "press OK to continue programming.";

// The log and progress windows of a programming run appear when the run starts talking to the
// board, after the refusals and the confirmation.
class ProgrammingWindows : public LogSink, public ProgressSink {
 public:
  explicit ProgrammingWindows(std::function<void()> open) : open_(std::move(open)) {}
  void Attach(FormScrollText* log, FormProgress* progress) {
    log_ = log;
    progress_ = progress;
  }
  void AddTextLine(const std::string& line) override {
    OpenOnce();
    log_->AddTextLine(line);
  }
  void SetProgress(int percent) override {
    OpenOnce();
    progress_->SetProgress(percent);
  }

 private:
  void OpenOnce() {
    if (open_) std::exchange(open_, nullptr)();
  }
  std::function<void()> open_;
  FormScrollText* log_ = nullptr;
  FormProgress* progress_ = nullptr;
};

// A progress window for one job, closed whichever way the job ends.
class JobProgress {
 public:
  JobProgress(const QString& caption, QWidget* owner) : window_(caption, owner) { window_.ShowOverOwner(); }
  ~JobProgress() { window_.CloseByProgram(); }
  JobProgress(const JobProgress&) = delete;
  JobProgress& operator=(const JobProgress&) = delete;
  FormProgress& Window() { return window_; }

 private:
  FormProgress window_;
};

// A job's error, shown while its progress window is still up and says in a line what stopped it.
void ShowJobError(Prompter& prompter, FormProgress* progress, const AppError& error, const std::string& message) {
  if (progress && progress->isVisible()) progress->SetLabel(QString::fromStdString(JobStoppedNote(error.Number())));
  ShowErrorText(prompter, message);
}

}  // namespace

IgnitionCommands::IgnitionCommands(AppContext& context, RegistryStore& store, Prompter& prompter,
                                   FileDialogs& fileDialogs, BoardSession& session, QWidget* owner)
    : context_(context),
      store_(store),
      prompter_(prompter),
      fileDialogs_(fileDialogs),
      session_(session),
      owner_(owner),
      detectPorts_([] { return curvedesk::DetectPorts(); }) {}

IgnitionCommands::~IgnitionCommands() = default;

void IgnitionCommands::ConfigureSerialPort() {
  FormCfgSerialPort dialog(context_.settings, store_, prompter_, SystemPortNaming(), detectPorts_, owner_);
  dialog.Ask();
}

void IgnitionCommands::EnsureSerialPortSet(const std::string& title, const std::string& instructions) {
  bool portSet = false;
  try {
    portSet = IsProgramSerialSet(store_, kSettingsKey);
  } catch (const AppError& error) {
    ShowError(prompter_, error);
  }
  if (portSet) return;
  prompter_.Tell(title, instructions, title.empty() ? Prompter::Icon::None : Prompter::Icon::Warning);
  ConfigureSerialPort();
}

void IgnitionCommands::OpenProgrammingWindows() {
  const QString caption = QString::fromLatin1(kProgramCurveCaption);
  delete log_;
  delete progress_;
  log_ = new FormScrollText(caption, owner_);
  progress_ = new FormProgress(caption, owner_);
  log_->SetRunning(true);
  log_->ShowOverOwner();
  progress_->ShowOverOwner();
  // Beneath the log, so that the bar does not hide the lines being written.
  const QRect logFrame = log_->frameGeometry();
  progress_->move(logFrame.center().x() - progress_->frameGeometry().width() / 2, logFrame.bottom() + 8);
}

void IgnitionCommands::CloseProgrammingWindows(bool keepLog) {
  if (!log_) return;
  log_->SetRunning(false);
  if (!keepLog) log_->CloseByProgram();
  progress_->CloseByProgram();
}

Verification IgnitionCommands::ChosenVerification() const {
  return context_.settings.VerifyAfterWrite ? Verification::On : Verification::Off;
}

void IgnitionCommands::ProgramIgnition(const CurveData& curve) {
  if (session_.Busy()) return;
  EnsureSerialPortSet("", kProgramInstructions);
  BoardSession::Job job(session_);
  ProgrammingWindows windows([this, &windows] {
    OpenProgrammingWindows();
    windows.Attach(log_, progress_);
  });
  try {
    ::curvedesk::ProgramIgnition(context_.folders, curve, context_.defaultGraph, session_.Board(), windows, windows,
                                 prompter_, context_.edition, ChosenVerification());
    CloseProgrammingWindows();
  } catch (const AppError& error) {
    // The log ends with the error; both windows stay beside the message until it is read. After a
    // failed verification the log stays open with the bytes that differ.
    ShowJobError(prompter_, progress_, error, GetErrorMessage(error.Number(), error.Description()));
    CloseProgrammingWindows(error.Number() == ErrVerify);
  }
}

void IgnitionCommands::CompareWithIgnition(const CurveData& curve) {
  if (session_.Busy()) return;
  EnsureSerialPortSet(kReadInstructionsTitle, kReadInstructions);
  BoardSession::Job job(session_);
  try {
    IgnitionComparison comparison;
    {
      JobProgress progress(QString::fromLatin1(kCompareIgnitionCaption), owner_);
      comparison = ::curvedesk::CompareWithIgnition(curve, TimingTableToUse(context_.folders, curve.CustType),
                                                    session_.Board(), progress.Window(), context_.edition);
    }
    delete compare_;
    compare_ = new FormCompareIgnition(owner_);
    compare_->ShowReport(ComparisonReport(comparison));
    compare_->ShowOverOwner();
  } catch (const AppError& error) {
    ShowError(prompter_, error);
  }
}

void IgnitionCommands::ProgramRevLimit() {
  if (session_.Busy()) return;
  FormChangeRevLimit dialog(prompter_, owner_);
  if (dialog.Ask() != QStringLiteral("1")) return;
  if (prompter_.Ask("Program Rev. Limit", kConfirmRevLimit, Prompter::Icon::Warning, Prompter::Buttons::OkCancel) !=
      Prompter::Answer::Ok)
    return;
  BoardSession::Job job(session_);
  {
    JobProgress progress(QString::fromLatin1(kProgramRevLimitCaption), owner_);
    try {
      ::curvedesk::ProgramRevLimit(session_.Board(), dialog.RevLimit(), progress.Window(), ChosenVerification());
    } catch (const AppError& error) {
      // Without a log, the message names the bytes that did not verify.
      ShowJobError(prompter_, &progress.Window(), error, ErrorTextWithDifferences(error));
      return;
    }
  }
  prompter_.Tell("", kIgnitionProgrammedMessage, Prompter::Icon::None);
}

void IgnitionCommands::UpgradeFirmware() {
  if (session_.Busy()) return;
  const QString path = fileDialogs_.OpenFile(
      owner_, QStringLiteral("Upgrade Firmware"), QString::fromStdString(context_.settings.DefFirmwareFilePath),
      FileDialogFilter(QStringLiteral("Tarvo Firmware Files"), QStringLiteral("*.rzx")));
  if (path.isEmpty()) return;
  context_.settings.DefFirmwareFilePath = PathDirectory(path.toStdString());
  if (prompter_.Ask("Upgrade Firmware", kConfirmFirmware, Prompter::Icon::Warning, Prompter::Buttons::OkCancel) !=
      Prompter::Answer::Ok)
    return;
  BoardSession::Job job(session_);
  JobProgress progress(QStringLiteral("Programming firmware ..."), owner_);
  try {
    ProgramFirmware(session_.Board(), path.toStdString(), progress.Window());
  } catch (const AppError& error) {
    ShowJobError(prompter_, &progress.Window(), error, GetErrorMessage(error.Number(), error.Description()));
    return;
  }
  progress.Window().hide();
  prompter_.Tell("", "Firmware updated successfully", Prompter::Icon::None);
}

void IgnitionCommands::ShowAbout() {
  FormAbout about(*this, owner_);
  about.exec();
}

}  // namespace curvedesk
