#include "core/common/Prompter.h"

#include <exception>

#include "core/common/ErrorMessages.h"

namespace curvedesk {

void ShowError(Prompter& prompter, const AppError& error) {
  ShowErrorText(prompter, GetErrorMessage(error.Number(), error.Description()));
}

void ShowErrorText(Prompter& prompter, const std::string& text) {
  prompter.Tell("Error", text, Prompter::Icon::Warning);
}

void RunShowingErrors(Prompter& prompter, const std::function<void()>& work) {
  try {
    work();
  } catch (const AppError& error) {
    ShowError(prompter, error);
  } catch (const RefusedWithMessage& refusal) {
    ShowErrorText(prompter, refusal.what());
  } catch (const std::exception& error) {
    ShowError(prompter, AppError(ErrGeneric, error.what()));
  }
}

}  // namespace curvedesk
