#include "core/ignition/TimingTableFiles.h"

#include <array>
#include <filesystem>
#include <utility>

#include "core/common/AppError.h"
#include "core/common/FileErrors.h"
#include "core/common/FileRoutines.h"
#include "core/common/IniFile.h"

namespace curvedesk {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kVariants{{
    {"H-D (Dual Fire)", "tableshdd.ini"},
    {"H-D (Single Fire)", "tableshds.ini"},
    {"2 Cyl. Cam 50\u00B0 (2 Coil)", "tables50.ini"},
    {"2 Cyl. Cam 72\u00B0 (2 Coil)", "tables72.ini"},
    {"2 Cyl. Cam 90\u00B0 (2 Coil)", "tables90.ini"},
    {"2 Cyl. Cam 180\u00B0 (2 Coil)", "tables180.ini"},
}};

void CopyDataFile(const AppFolders& folders, const std::string& name, const std::string& destination) {
  const auto bytes = ReadFileBytes(DataFilePath(folders, name));
  if (!bytes) RaiseError(ErrPathNotFound, "Missing data file " + DataFilePath(folders, name));
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(destination).parent_path(), error);
  if (error) RaiseError(FileErrorFromSystem(error));
  WriteFileAtomically(destination, *bytes);
}

}  // namespace

std::optional<std::string> TimingTableVariantFile(std::string_view custType) {
  for (const auto& [layout, file] : kVariants) {
    if (custType == layout) return std::string(file);
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
  return std::filesystem::exists(table, error) ? table : DataFilePath(folders, kDefaultTimingTableFile);
}

void InstallDefaultTimingTables(const AppFolders& folders) {
  for (const std::string& destination : {TimingTablePath(folders), CustomNameTablePath(folders)}) {
    std::error_code error;
    if (!std::filesystem::exists(destination, error)) CopyDataFile(folders, kDefaultTimingTableFile, destination);
  }
}

std::string ReadCustomerName(const AppFolders& folders, std::string_view section) {
  if (section != "CustName") RaiseError(ErrGeneric, "Unknown custom name section " + std::string(section));
  return IniReadString(CustomNameTablePath(folders), section, "NAME");
}

}  // namespace curvedesk
