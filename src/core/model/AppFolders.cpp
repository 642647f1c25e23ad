#include "core/model/AppFolders.h"

#include <filesystem>

#include "core/common/PathText.h"

namespace curvedesk {

namespace {
std::string Join(const std::string& folder, const std::filesystem::path& rest) {
  return Utf8FromPath(PathFromUtf8(folder) / rest);
}
}  // namespace

std::string IgnitionDescriptionPath(const AppFolders& folders, int fileNumber) {
  return Join(folders.dataDir, "Ign" + std::to_string(fileNumber) + ".ini");
}

std::string LimitsFilePath(const AppFolders& folders) { return Join(folders.dataDir, "Limits.ini"); }

std::string DataFilePath(const AppFolders& folders, const std::string& name) { return Join(folders.dataDir, name); }

std::string TimingTablePath(const AppFolders& folders) {
  return Join(folders.documentsDir, std::filesystem::path("Korvane CD") / "Tarvo" / "tables.ini");
}

std::string CustomNameTablePath(const AppFolders& folders) {
  return Join(folders.documentsDir, std::filesystem::path("Korvane") / "Tarvo CD" / "tables.ini");
}

std::string DefaultCurveFolder(const AppFolders& folders) {
  return Join(folders.documentsDir, std::filesystem::path("Korvane CD") / "Tarvo" / "Curves");
}

std::string DefaultFirmwareFolder(const AppFolders& folders) {
  return Join(folders.documentsDir, std::filesystem::path("Korvane CD") / "Tarvo" / "Firmware");
}

void CreateDefaultDocumentFolders(const AppFolders& folders) {
  for (const std::string& folder : {DefaultCurveFolder(folders), DefaultFirmwareFolder(folders)}) {
    std::error_code ignored;
    std::filesystem::create_directories(PathFromUtf8(folder), ignored);
  }
}

std::string NearestExistingFolder(const std::string& folder) {
  std::error_code error;
  for (std::filesystem::path path = PathFromUtf8(folder); !path.empty(); path = path.parent_path()) {
    if (std::filesystem::is_directory(path, error)) return Utf8FromPath(path);
    if (path == path.parent_path()) break;
  }
  return {};
}

}  // namespace curvedesk
