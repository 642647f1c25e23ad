#include <gtest/gtest.h>

#include "core/document/RecentFiles.h"

namespace curvedesk {
namespace {

AppSettings With(std::array<std::string, 4> files, std::string order) {
  AppSettings settings;
  settings.LastFiles = std::move(files);
  settings.LastFileOrder = std::move(order);
  return settings;
}

TEST(RecentFilesTest, AddingAPathPutsItsLetterFirst) {
  struct Case {
    const char* what;
    AppSettings before;
    std::string path;
    std::array<std::string, 4> files;
    std::string order;
  };
  const Case cases[] = {
      {"first file takes slot A", With({}, ""), "/a.crv", {"/a.crv", "", "", ""}, "A"},
      {"second file takes the first free slot", With({"/a.crv"}, "A"), "/b.crv", {"/a.crv", "/b.crv", "", ""}, "BA"},
      {"known file moves to the front without a new slot", With({"/a.crv", "/b.crv", "/c.crv"}, "CBA"), "/a.crv",
       {"/a.crv", "/b.crv", "/c.crv", ""}, "ACB"},
      {"letters compared without regard to case", With({"/a.crv", "/B.CRV"}, "AB"), "/b.crv",
       {"/a.crv", "/b.crv", "", ""}, "BA"},
      {"fifth file reuses the least recent slot", With({"/a", "/b", "/c", "/d"}, "DBAC"), "/e",
       {"/a", "/b", "/e", "/d"}, "CDBA"},
      {"free slot found by its missing letter", With({"/a", "/b", "/c", ""}, "CAB"), "/new", {"/a", "/b", "/c", "/new"},
       "DCAB"},
      {"the most recent file again changes nothing", With({"/a", "/b"}, "AB"), "/a", {"/a", "/b", "", ""}, "AB"},
  };
  for (const Case& c : cases) {
    AppSettings settings = c.before;
    AddRecentFile(settings, c.path);
    EXPECT_EQ(settings.LastFiles, c.files) << c.what;
    EXPECT_EQ(settings.LastFileOrder, c.order) << c.what;
  }
}

TEST(RecentFilesTest, MenuFollowsTheOrderAndShortensLongPaths) {
  const AppSettings settings =
      With({"/short.crv", "/home/someone/curves/2024/season/race-final.crv", "", ""}, "BA");
  const std::vector<std::string> captions = RecentMenuCaptions(settings);
  ASSERT_EQ(captions.size(), 2u);
  EXPECT_EQ(captions[0], ".../2024/season/race-final.crv");
  EXPECT_LE(captions[0].size(), 4 + kRecentCaptionLength);
  EXPECT_EQ(captions[1], "/short.crv");
  EXPECT_EQ(RecentFileSlot(settings, 0), 1u);
  EXPECT_EQ(RecentFileSlot(settings, 1), 0u);
  EXPECT_EQ(RecentFileSlot(settings, 2), std::nullopt);
}

TEST(RecentFilesTest, AnOrderFromABrokenSettingsFileNamesNoSlot) {
  const AppSettings settings = With({"/a", "", "", ""}, "AZ");
  EXPECT_EQ(RecentFileSlot(settings, 1), std::nullopt);
  EXPECT_EQ(RecentMenuCaptions(settings), (std::vector<std::string>{"/a", ""}));
}

}  // namespace
}  // namespace curvedesk
