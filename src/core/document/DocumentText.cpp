#include "core/document/DocumentText.h"

#include "core/common/Utils.h"

namespace curvedesk {

std::string DocumentTitle(std::string_view applicationTitle, const std::string& fileName, bool modified) {
  std::string title(applicationTitle);
  title += fileName.empty() ? std::string(" - [New]") : " - [" + PathFileName(fileName) + "]";
  if (modified) title += '*';
  return title;
}

std::string SaveChangesQuestion(const std::string& fileName) {
  std::string text = "The current data contains changes that have not been saved.\r\n\r\n";
  if (fileName.empty()) return text + "Do you want to save the changes first?";
  return text + "Save changes to file " + fileName + "?";
}

}  // namespace curvedesk
