#include "core/app/DamagedSettings.h"

#include <optional>

#include "core/common/AppError.h"

namespace curvedesk {

std::string DamagedSettingsCopyName(const std::string& fileName, const std::string& isoDate, int copy) {
  const std::size_t dot = fileName.rfind('.');
  const std::string stem = dot == std::string::npos || dot == 0 ? fileName : fileName.substr(0, dot);
  const std::string extension = stem.size() == fileName.size() ? "" : fileName.substr(dot);
  return stem + "-damaged-" + isoDate + (copy > 1 ? "-" + std::to_string(copy) : "") + extension;
}

std::string DamagedSettingsMessage(const std::string& copyPath) {
  return "The settings file was damaged and could not be read.\r\n"
         "\r\n"
         "The damaged file was kept as:\r\n" +
         copyPath +
         "\r\n"
         "\r\n"
         "The settings start again from their defaults: the serial port, the recent files and the window "
         "position need to be set again.";
}

void RecoverFromDamagedSettings(RegistryStore& store, Prompter& prompter, const std::function<void()>& operation) {
  std::optional<std::string> copy;
  try {
    operation();
    return;
  } catch (const AppError& error) {
    if (error.Number() != ErrRegistryCorrupt) throw;
    copy = store.SetAsideDamagedStore();
    if (!copy) throw;
  }
  prompter.Tell(kDamagedSettingsTitle, DamagedSettingsMessage(*copy), Prompter::Icon::Warning);
  operation();
}

}  // namespace curvedesk
