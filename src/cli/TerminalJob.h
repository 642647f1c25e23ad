#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>

#include "core/common/Prompter.h"
#include "core/ignition/LogSink.h"
#include "core/ignition/ProgressSink.h"
#include "core/ignition/ServiceFunctions.h"

namespace curvedesk::cli {

// A progress bar on the error stream, drawn only when a person watches it (a terminal).
class TerminalProgress final : public ProgressSink {
 public:
  TerminalProgress(std::ostream& err, bool isTerminal) : err_(err), isTerminal_(isTerminal) {}
  ~TerminalProgress() override;
  TerminalProgress(const TerminalProgress&) = delete;
  TerminalProgress& operator=(const TerminalProgress&) = delete;

  void SetProgress(int percent) override;
  // Takes the bar off its line while other text is written to the terminal, and puts it back.
  void Hide();
  void Show();

 private:
  void Draw();

  std::ostream& err_;
  bool isTerminal_;
  int percent_ = -1;  // nothing drawn yet
  bool hidden_ = false;
};

// The programming log on the output stream, one line each, written beside the progress bar
// without breaking it up.
class StreamLog final : public LogSink {
 public:
  StreamLog(std::ostream& out, TerminalProgress& progress) : out_(out), progress_(progress) {}
  void AddTextLine(const std::string& line) override;
  void AddWindowLine(const std::string&) override {}  // a terminal has no Close button to press

 private:
  std::ostream& out_;
  TerminalProgress& progress_;
};

// The command line answers the program's questions: a device command was asked for explicitly,
// so confirmations are taken as OK; messages go to the output stream, errors to the error stream.
class CliPrompter final : public Prompter {
 public:
  CliPrompter(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
  Answer Ask(const std::string& title, const std::string& text, Icon icon, Buttons buttons) override;
  bool ErrorShown() const { return errorShown_; }

 private:
  std::ostream& out_;
  std::ostream& err_;
  bool errorShown_ = false;
};

// The service dialogs answered from the command line: the password and the maximum desired RPM
// given as arguments; engine starts are cleared.
class CliServiceDialogs final : public ServiceDialogs {
 public:
  CliServiceDialogs(std::int32_t password, std::optional<std::int32_t> maxDesiredRpm)
      : password_(password), maxDesiredRpm_(maxDesiredRpm) {}

  void SetBusy(bool) override {}
  std::optional<std::int32_t> AskPassword() override { return password_; }
  bool ConfirmClearEngineStarts() override { return true; }
  MaxRpmAnswer AskMaxDesiredRpm(std::int32_t currentRpm, std::int32_t exceededCount) override;

 private:
  std::int32_t password_;
  std::optional<std::int32_t> maxDesiredRpm_;
};

}  // namespace curvedesk::cli
