#pragma once

#include <functional>
#include <string>

#include "core/common/AppError.h"

namespace curvedesk {

// Every message box and question of the program goes through a Prompter, so the rules that decide
// what is asked live in core and tests answer the questions directly.
class Prompter {
 public:
  enum class Icon { None, Information, Warning, Critical, Question };
  enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
  enum class Answer { Ok, Cancel, Yes, No };

  virtual ~Prompter() = default;

  virtual Answer Ask(const std::string& title, const std::string& text, Icon icon, Buttons buttons) = 0;

  void Tell(const std::string& title, const std::string& text, Icon icon) { Ask(title, text, icon, Buttons::Ok); }
};

// The message of the error's number under the title "Error" with the warning icon and OK.
void ShowError(Prompter& prompter, const AppError& error);
// The same for a message that is not an error number (rule checks that return their text).
void ShowErrorText(Prompter& prompter, const std::string& text);
// Runs a command; an error it raises is shown as above (a refusal with its own message as that
// message, anything else as the generic error), so a failed command leaves the window running.
void RunShowingErrors(Prompter& prompter, const std::function<void()>& work);

}  // namespace curvedesk
