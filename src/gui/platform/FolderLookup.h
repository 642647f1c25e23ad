#pragma once

#include <QString>

#include "core/model/AppFolders.h"

namespace curvedesk {

// Where this program's folders are, for the windows, the CLI and the tests alike:
// - data: the override if given, else $CURVEDESK_DATA_DIR, else <program folder>/../share/curvedesk;
// - documents: the override if given, else $CURVEDESK_DOCUMENTS_DIR, else the user's Documents folder.
// Needs a Q(Core)Application for the program folder.
AppFolders LookUpAppFolders(const QString& dataOverride = {}, const QString& documentsOverride = {});

// Where the windowed program keeps unsaved changes for recovery: "recovery" in the user's data folder
// for this program (named after the program, so each edition has its own).
QString RecoveryFolderPath();

}  // namespace curvedesk
