#pragma once

#include <string>
#include <string_view>

namespace curvedesk {

// The main window's title: "<title> - [New]" without a file, "<title> - [<file name>]" with one,
// and a single "*" at the end while there are unsaved changes.
std::string DocumentTitle(std::string_view applicationTitle, const std::string& fileName, bool modified);

// The question asked before unsaved changes would be lost, under the title "Save Changes?".
inline constexpr const char* kSaveChangesTitle = "Save Changes?";
std::string SaveChangesQuestion(const std::string& fileName);

// The main window's messages.
inline constexpr const char* kCopyFirstMessage = "You must copy a graph first.";
inline constexpr const char* kOverwriteGraphQuestion =
    "This will overwrite the current settings for this graph.\r\n\r\nAre you sure?";
inline constexpr const char* kSwitchOrderMessage = "The Start RPM value must be less than the Stop RPM value.";

}  // namespace curvedesk
