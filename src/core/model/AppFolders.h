#pragma once

#include <string>

namespace curvedesk {

// The folders everything else is found in. The platform layer decides where they are
// (environment overrides, the program's own location, the user's Documents folder); the names of
// the files inside them are fixed here so that every program and test builds the same paths.
struct AppFolders {
  std::string dataDir;       // ignition descriptions, limits file, timing table variants (s2gAppDir)
  std::string documentsDir;  // the user's Documents folder
  // Where the windowed program keeps unsaved changes in case it ends unexpectedly (the user's data
  // folder for the program); empty where none are kept (the command line, tools).
  std::string recoveryDir = {};
};

// <data>/Ign<n>.ini for n = 1..10.
std::string IgnitionDescriptionPath(const AppFolders& folders, int fileNumber);
// <data>/Limits.ini
std::string LimitsFilePath(const AppFolders& folders);
// <data>/<name>: the shipped tables.ini and its variants.
std::string DataFilePath(const AppFolders& folders, const std::string& name);
// <documents>/Korvane CD/Tarvo/tables.ini: the timing table that programming reads.
std::string TimingTablePath(const AppFolders& folders);
// <documents>/Korvane/Tarvo CD/tables.ini: the file that names the custom cylinder layout.
std::string CustomNameTablePath(const AppFolders& folders);
// <documents>/Korvane CD/Tarvo/Curves and .../Firmware: the file dialogs' starting folders.
std::string DefaultCurveFolder(const AppFolders& folders);
std::string DefaultFirmwareFolder(const AppFolders& folders);
// Makes the default curve and firmware folders when they are missing, so that the file dialogs
// open in them on a first start. A folder that cannot be made is left to the dialogs, which then
// start in the nearest folder that exists.
void CreateDefaultDocumentFolders(const AppFolders& folders);

// The folder itself when it exists, else its nearest existing parent; empty when none exists.
std::string NearestExistingFolder(const std::string& folder);

}  // namespace curvedesk
