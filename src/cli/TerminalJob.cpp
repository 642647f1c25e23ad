#include "cli/TerminalJob.h"

#include <ostream>
#include <string>

namespace curvedesk::cli {

namespace {

constexpr int kBarWidth = 40;

std::string WithNewlines(const std::string& text) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    result += text[i];
  }
  return result;
}

}  // namespace

TerminalProgress::~TerminalProgress() {
  if (isTerminal_ && percent_ >= 0 && !hidden_) err_ << "\n" << std::flush;
}

void TerminalProgress::SetProgress(int percent) {
  percent_ = percent;
  if (!hidden_) Draw();
}

void TerminalProgress::Hide() {
  if (isTerminal_ && percent_ >= 0 && !hidden_) err_ << "\r" << std::string(kBarWidth + 8, ' ') << "\r" << std::flush;
  hidden_ = true;
}

void TerminalProgress::Show() {
  hidden_ = false;
  Draw();
}

void TerminalProgress::Draw() {
  if (!isTerminal_ || percent_ < 0) return;
  const int filled = percent_ * kBarWidth / 100;
  err_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
       << std::string(static_cast<std::size_t>(kBarWidth - filled), ' ') << "] " << percent_ << "%" << std::flush;
}

void StreamLog::AddTextLine(const std::string& line) {
  progress_.Hide();
  out_ << WithNewlines(line) << "\n" << std::flush;
  progress_.Show();
}

Prompter::Answer CliPrompter::Ask(const std::string& title, const std::string& text, Icon, Buttons buttons) {
  if (buttons != Buttons::Ok) return Answer::Ok;
  if (title == "Error") {
    errorShown_ = true;
    err_ << "curvedesk-cli: " << WithNewlines(text) << "\n";
  } else {
    out_ << WithNewlines(text) << "\n";
  }
  return Answer::Ok;
}

ServiceDialogs::MaxRpmAnswer CliServiceDialogs::AskMaxDesiredRpm(std::int32_t, std::int32_t) {
  // Asked once: after a Clear the dialog would come back, and OK with the value ends it.
  if (!maxDesiredRpm_) return {MaxRpmButton::Cancel, 0};
  const std::int32_t rpm = *maxDesiredRpm_;
  maxDesiredRpm_.reset();
  return {MaxRpmButton::Ok, rpm};
}

}  // namespace curvedesk::cli
