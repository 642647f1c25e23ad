#pragma once

#include <string_view>

#include "core/common/IniDocument.h"
#include "core/model/AppFolders.h"
#include "core/model/IgnitionDescription.h"

namespace curvedesk {

// Reads description file number fileNumber (1..10, <data>/Ign<n>.ini) into slot. A missing or
// empty file only marks the slot invalid and leaves its other fields as they were. A file that
// exists but cannot be read raises ErrIgnDescCorrupt with its message as the description.
void ReadIgnitionDescription(IgnitionDescription& slot, const AppFolders& folders, int fileNumber);

// Reads files 1..10 into slots 0..9, in order, as start-up does.
void ReadIgnitionDescriptions(IgnitionDescriptionTable& table, const AppFolders& folders);

// A choice is allowed unless its key holds exactly "D"; a missing key is allowed.
bool IsChoiceAllowed(const IniDocument& description, std::string_view section, std::string_view key);

}  // namespace curvedesk
