#include <gtest/gtest.h>

#include <filesystem>

#include "core/model/AppFolders.h"
#include "support/TempDir.h"

namespace curvedesk {
namespace {

namespace fs = std::filesystem;

TEST(DefaultDocumentFolders, AreMadeWhenMissingAndLeftAloneWhenTheyCannotBe) {
  testing::TempDir dir;
  const AppFolders folders{dir.File("data"), dir.File("docs")};
  CreateDefaultDocumentFolders(folders);
  EXPECT_TRUE(fs::is_directory(DefaultCurveFolder(folders)));
  EXPECT_TRUE(fs::is_directory(DefaultFirmwareFolder(folders)));
  CreateDefaultDocumentFolders(folders);  // a second start finds them there

  // A file where the Documents folder should be: nothing can be made, and nothing is raised.
  const AppFolders blocked{dir.File("data"), dir.Write("not-a-folder", "x")};
  EXPECT_NO_THROW(CreateDefaultDocumentFolders(blocked));
  EXPECT_FALSE(fs::exists(DefaultCurveFolder(blocked)));
}

TEST(DefaultDocumentFolders, AUserFolderOutsideAsciiKeepsItsCharacters) {
  testing::TempDir dir;
  const AppFolders folders{dir.File("data"), dir.File("J\xC3\xB6rg/Documents")};  // "Jörg", UTF-8
  CreateDefaultDocumentFolders(folders);
  EXPECT_TRUE(fs::is_directory(dir.Path() / fs::path(u8"J\u00F6rg") / "Documents" / "Korvane CD" / "Tarvo" / "Curves"));
  EXPECT_EQ(NearestExistingFolder(DefaultCurveFolder(folders)), DefaultCurveFolder(folders));
  EXPECT_EQ(NearestExistingFolder(dir.File("J\xC3\xB6rg/gone")), dir.File("J\xC3\xB6rg"));
}

TEST(NearestExistingFolder, WalksUpToAFolderThatExists) {
  testing::TempDir dir;
  fs::create_directories(dir.File("a/b"));
  const std::string file = dir.Write("a/b/curve.crv", "x");
  const struct {
    std::string folder;
    std::string nearest;
  } cases[] = {
      {dir.File("a/b"), dir.File("a/b")},
      {dir.File("a/b/Curves"), dir.File("a/b")},
      {dir.File("a/gone/deeper"), dir.File("a")},
      {file, dir.File("a/b")},  // a file is not a folder to start in
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(NearestExistingFolder(c.folder), c.nearest) << c.folder;
}

}  // namespace
}  // namespace curvedesk
