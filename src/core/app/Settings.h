#pragma once

#include <string_view>

#include "core/common/Registry.h"
#include "core/model/AppFolders.h"
#include "core/model/AppSettings.h"

namespace curvedesk {

// The one key every setting of the program lives under.
inline constexpr std::string_view kSettingsKey = "HKEY_CURRENT_USER\\Software\\Korvane\\Tarvo\\1.0\\Vista";

// Written at every start-up and never read back.
inline constexpr std::string_view kServicePassword = "K";
inline constexpr std::string_view kCompanyWebPage = "https://www.korvane.example/";
inline constexpr std::string_view kComSettings = "19200,n,8,1";

// Creates the key, writes the start-up values (the data folder as s2gAppDir, the service password,
// the web page, the serial settings) and reads the remembered ones into settings. A value that is
// missing gets its default, both in the registry and in memory; the two file dialog folders are
// empty in the registry but the Documents sub-folders in memory. Any other failure stops the load
// and is raised again with its message as the description.
void LoadSettings(RegistryStore& store, const AppFolders& folders, AppSettings& settings);

// Writes the remembered values back: the recent files, their order, the port list, the two dialog
// folders as strings, then the port, the window position and whether programming verifies (1 or
// 0) as DWORDs. The first failure stops it
// and is raised again with its message.
void SaveSettings(RegistryStore& store, const AppSettings& settings);

}  // namespace curvedesk
