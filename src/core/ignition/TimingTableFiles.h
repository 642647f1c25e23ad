#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/model/AppFolders.h"

namespace curvedesk {

// The shipped default timing table; the variants below differ from it only in the keys of the
// custom cylinder layouts.
inline constexpr const char* kDefaultTimingTableFile = "tables.ini";

// The variant file (in the data folder) that programming copies over the timing table for this
// custom layout name, or nothing when the table in place is used as it is.
std::optional<std::string> TimingTableVariantFile(std::string_view custType);

// Replaces the timing table by the variant for custType, if it has one. A missing variant or an
// unwritable documents folder raises the file error; the table in place is then left whole.
void CopyTimingTableVariant(const AppFolders& folders, std::string_view custType);

// The table a programming run would read for custType, without copying anything: the variant in
// the data folder, else the table in place, else the shipped tables.ini that start-up installs.
std::string TimingTableToUse(const AppFolders& folders, std::string_view custType);

// Puts the shipped tables.ini where programming reads it and where the custom layout name is
// read from, for each that is missing; existing files are kept. Raises the file error on failure.
void InstallDefaultTimingTables(const AppFolders& folders);

// The custom cylinder layout name (section "CustName", key "NAME" of the custom-name table); empty
// when the file or key is missing. Asked for any other section than "CustName" it raises ErrGeneric.
std::string ReadCustomerName(const AppFolders& folders, std::string_view section = "CustName");

}  // namespace curvedesk
