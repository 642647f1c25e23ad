#pragma once

#include <functional>
#include <string>

#include "core/common/Prompter.h"
#include "core/common/Registry.h"

namespace curvedesk {

// A damaged settings file must not keep the program from starting: where the store is a file of
// the program's own, the damaged file is moved aside and the settings start from their defaults.

// "settings-damaged-2025-01-31.reg" for "settings.reg" on that date; the second copy of a day
// gets "-2" after the date, and so on.
std::string DamagedSettingsCopyName(const std::string& fileName, const std::string& isoDate, int copy);

// What the user is told, once, when the damaged file was set aside.
std::string DamagedSettingsMessage(const std::string& copyPath);
inline constexpr const char* kDamagedSettingsTitle = "Settings";

// Runs a settings operation (the load at start-up, the save at shut-down). When it fails because
// the settings are damaged and the store can set them aside, they are, the user is told where the
// damaged copy is, and the operation runs once more on fresh settings. Any other failure, and a
// damaged registry, is raised as before.
void RecoverFromDamagedSettings(RegistryStore& store, Prompter& prompter, const std::function<void()>& operation);

}  // namespace curvedesk
