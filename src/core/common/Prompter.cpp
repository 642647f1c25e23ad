#include "core/common/Prompter.h"

#include "core/common/ErrorMessages.h"

namespace curvedesk {

void ShowError(Prompter& prompter, const AppError& error) {
  ShowErrorText(prompter, GetErrorMessage(error.Number(), error.Description()));
}

void ShowErrorText(Prompter& prompter, const std::string& text) {
  prompter.Tell("Error", text, Prompter::Icon::Warning);
}

}  // namespace curvedesk
