#include "core/ignition/TimingTableFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/common/AppError.h"
#include "support/TempDir.h"

namespace curvedesk {
namespace {

using testing::ReadAll;
using testing::TempDir;

// A data folder holding a stand-in for each shipped table, each naming itself.
class TimingTableFilesTest : public ::testing::Test {
 protected:
  TimingTableFilesTest() {
    std::filesystem::create_directories(data_.Path());
    for (const char* name : {"tables.ini", "tableshdd.ini", "tableshds.ini", "tables50.ini", "tables72.ini",
                             "tables90.ini", "tables180.ini"}) {
      data_.Write(name, std::string("[CustName]\r\nNAME=#") + name + "#\r\n");
    }
    folders_ = AppFolders{data_.Path().string(), documents_.Path().string()};
  }

  ErrorNumber CopyError(std::string_view custType) {
    try {
      CopyTimingTableVariant(folders_, custType);
    } catch (const AppError& error) {
      return error.Number();
    }
    return 0;
  }

  TempDir data_;
  TempDir documents_;
  AppFolders folders_;
};

TEST_F(TimingTableFilesTest, VariantIsChosenByTheCustomLayoutName) {
  struct Case {
    const char* custType;
    const char* copied;  // nullptr: the table in place stays
  };
  const Case cases[] = {
      {"H-D (Dual Fire)", "tableshdd.ini"},
      {"H-D (Single Fire)", "tableshds.ini"},
      {"2 Cyl. Cam 50\u00B0 (2 Coil)", "tables50.ini"},
      {"2 Cyl. Cam 72\u00B0 (2 Coil)", "tables72.ini"},
      {"2 Cyl. Cam 90\u00B0 (2 Coil)", "tables90.ini"},
      {"2 Cyl. Cam 180\u00B0 (2 Coil)", "tables180.ini"},
      {"4", nullptr},
      {"h-d (dual fire)", nullptr},  // compared exactly
      {"", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.custType);
    const std::string previous = "[CustName]\r\nNAME=#previous#\r\n";
    std::filesystem::create_directories(std::filesystem::path(TimingTablePath(folders_)).parent_path());
    documents_.Write("Korvane CD/Tarvo/tables.ini", previous);
    CopyTimingTableVariant(folders_, c.custType);
    EXPECT_EQ(ReadAll(TimingTablePath(folders_)),
              c.copied ? ReadAll(data_.File(c.copied)) : previous);
  }
}

TEST_F(TimingTableFilesTest, CopyCreatesTheTableFolder) {
  CopyTimingTableVariant(folders_, "H-D (Single Fire)");
  EXPECT_EQ(ReadAll(TimingTablePath(folders_)), ReadAll(data_.File("tableshds.ini")));
}

TEST_F(TimingTableFilesTest, FailedCopyRaisesAndKeepsTheTable) {
  std::filesystem::create_directories(std::filesystem::path(TimingTablePath(folders_)).parent_path());
  const std::string table = documents_.Write("Korvane CD/Tarvo/tables.ini", "[CustName]\r\nNAME=#kept#\r\n");

  std::filesystem::remove(data_.File("tables90.ini"));
  EXPECT_EQ(CopyError("2 Cyl. Cam 90\u00B0 (2 Coil)"), ErrPathNotFound);
  EXPECT_EQ(ReadAll(table), "[CustName]\r\nNAME=#kept#\r\n");

  // A folder where the table should be cannot be replaced (works as root too).
  std::filesystem::remove(table);
  std::filesystem::create_directories(table);
  EXPECT_NE(CopyError("H-D (Dual Fire)"), 0);
  EXPECT_TRUE(std::filesystem::is_directory(table));
}

TEST_F(TimingTableFilesTest, InstallPutsTheDefaultTableInBothPlacesOnlyWhenMissing) {
  InstallDefaultTimingTables(folders_);
  EXPECT_EQ(ReadAll(TimingTablePath(folders_)), ReadAll(data_.File("tables.ini")));
  EXPECT_EQ(ReadCustomerName(folders_), "tables.ini");

  const std::string edited = "[CustName]\r\nNAME=#edited#\r\n";
  documents_.Write("Korvane CD/Tarvo/tables.ini", edited);
  documents_.Write("Korvane/Tarvo CD/tables.ini", edited);
  InstallDefaultTimingTables(folders_);
  EXPECT_EQ(ReadAll(TimingTablePath(folders_)), edited);
  EXPECT_EQ(ReadCustomerName(folders_), "edited");
}

TEST_F(TimingTableFilesTest, TablesInADocumentsFolderOutsideAsciiAreFoundThere) {
  const AppFolders folders{folders_.dataDir, documents_.File("J\xC3\xB6rg")};  // "Jörg", UTF-8
  InstallDefaultTimingTables(folders);
  EXPECT_TRUE(std::filesystem::exists(documents_.Path() / std::filesystem::path(u8"J\u00F6rg") / "Korvane CD" /
                                      "Tarvo" / "tables.ini"));
  const std::string edited = "[CustName]\r\nNAME=#edited#\r\n";
  documents_.Write("J\xC3\xB6rg/Korvane CD/Tarvo/tables.ini", edited);
  InstallDefaultTimingTables(folders);
  EXPECT_EQ(ReadAll(TimingTablePath(folders)), edited);
  EXPECT_EQ(TimingTableToUse(folders, ""), TimingTablePath(folders));
}

TEST_F(TimingTableFilesTest, InstallWithoutTheShippedTableRaises) {
  std::filesystem::remove(data_.File("tables.ini"));
  EXPECT_THROW(InstallDefaultTimingTables(folders_), AppError);
  EXPECT_FALSE(std::filesystem::exists(TimingTablePath(folders_)));
}

TEST_F(TimingTableFilesTest, CustomerName) {
  EXPECT_EQ(ReadCustomerName(folders_), "");  // no file yet
  std::filesystem::create_directories(std::filesystem::path(CustomNameTablePath(folders_)).parent_path());
  std::filesystem::create_directories(std::filesystem::path(TimingTablePath(folders_)).parent_path());
  documents_.Write("Korvane/Tarvo CD/tables.ini", "[Other]\r\nNAME=#x#\r\n");
  EXPECT_EQ(ReadCustomerName(folders_), "");  // no key
  // The timing table's own folder is not where the name is read from.
  documents_.Write("Korvane CD/Tarvo/tables.ini", "[CustName]\r\nNAME=#wrong file#\r\n");
  EXPECT_EQ(ReadCustomerName(folders_), "");
  documents_.Write("Korvane/Tarvo CD/tables.ini", "[CustName]\r\nNAME=#2 Cyl. Cam 72\xB0 (2 Coil)#\r\n");
  EXPECT_EQ(ReadCustomerName(folders_), "2 Cyl. Cam 72\u00B0 (2 Coil)");
  try {
    ReadCustomerName(folders_, "NAME");
    FAIL() << "another section must be refused";
  } catch (const AppError& error) {
    EXPECT_EQ(error.Number(), ErrGeneric);
  }
}

}  // namespace
}  // namespace curvedesk
