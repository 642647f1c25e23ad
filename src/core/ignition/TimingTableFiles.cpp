#include "core/ignition/TimingTableFiles.h"

#include <array>
#include <filesystem>

#include "core/common/AppError.h"
#include "core/common/FileErrors.h"
#include "core/common/FileRoutines.h"
#include "core/common/IniFile.h"
#include "core/common/PathText.h"
#include "core/model/CylinderLayouts.h"

namespace curvedesk {

namespace {

// The variant of each named custom layout, in the order of kCylinderLayoutNames.
constexpr std::array<std::string_view, kCylinderLayoutNames.size()> kVariantFiles{
    "tableshdd.ini", "tableshds.ini", "tables50.ini", "tables72.ini", "tables90.ini", "tables180.ini"};

void CopyDataFile(const AppFolders& folders, const std::string& name, const std::string& destination) {
  const auto bytes = ReadFileBytes(DataFilePath(folders, name));
  if (!bytes) RaiseError(ErrPathNotFound, "Missing data file " + DataFilePath(folders, name));
  std::error_code error;
  std::filesystem::create_directories(PathFromUtf8(destination).parent_path(), error);
  if (error) RaiseError(FileErrorFromSystem(error));
  WriteFileAtomically(destination, *bytes);
}

}  // namespace

std::optional<std::string> TimingTableVariantFile(std::string_view custType) {
  for (std::size_t i = 0; i < kCylinderLayoutNames.size(); ++i) {
    if (custType == kCylinderLayoutNames[i]) return std::string(kVariantFiles[i]);
  }
  return std::nullopt;
}

void CopyTimingTableVariant(const AppFolders& folders, std::string_view custType) {
  if (auto file = TimingTableVariantFile(custType)) CopyDataFile(folders, *file, TimingTablePath(folders));
}

std::string TimingTableToUse(const AppFolders& folders, std::string_view custType) {
  if (auto file = TimingTableVariantFile(custType)) return DataFilePath(folders, *file);
  std::error_code error;
  const std::string table = TimingTablePath(folders);
  return std::filesystem::exists(PathFromUtf8(table), error) ? table : DataFilePath(folders, kDefaultTimingTableFile);
}

void InstallDefaultTimingTables(const AppFolders& folders) {
  for (const std::string& destination : {TimingTablePath(folders), CustomNameTablePath(folders)}) {
    std::error_code error;
    if (!std::filesystem::exists(PathFromUtf8(destination), error))
      CopyDataFile(folders, kDefaultTimingTableFile, destination);
  }
}

std::string ReadCustomerName(const AppFolders& folders, std::string_view section) {
  if (section != "CustName") RaiseError(ErrGeneric, "Unknown custom name section " + std::string(section));
  return IniReadString(CustomNameTablePath(folders), section, "NAME");
}

}  // namespace curvedesk
