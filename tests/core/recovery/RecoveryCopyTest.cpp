#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "RecoveryFixture.h"
#include "core/common/ErrorCode.h"
#include "core/recovery/RecoveryCopy.h"
#include "support/ErrorOf.h"

namespace curvedesk {
namespace {

using testing::ErrorOf;

constexpr std::int64_t kJan31At130509 = 1738328709;  // 2025-01-31T13:05:09Z

class RecoveryCopyTest : public ::testing::Test {
 protected:
  RecoveredCurve Read() const { return ReadRecoveryCopy(files, testing::InstalledIgnitions(), MakeDefaultGraph()); }
  bool Exists(const std::string& path) const { return std::filesystem::exists(PathFromUtf8(path)); }

  testing::TempDir dir;
  RecoveryCopyFiles files = RecoveryFilesOf(dir.File(""), RecoveryStem(Edition::Full, kJan31At130509, 4242));
};

TEST_F(RecoveryCopyTest, ACopyReadsBackAsTheDocumentHeldIt) {
  // A custom layout, which a curve file names by its cylinder text, and a note and file name in
  // scripts that a saved curve file (Windows-1252) could not hold.
  CurveData curve = testing::TwoStateCurve();
  curve.NumCylinders = 0;
  curve.CustType = "H-D (Dual Fire)";
  curve.Graphs[1].GraphInfo = "\xD0\x9F\xD1\x80\xD0\xBE\xD0\xB1\xD0\xB0 \xE2\x9C\x93";  // "Проба ✓"
  curve.Graphs[0].RPM[2] = 2150;
  const RecoveryInfo info{"/home/j\xC3\xB6rg/Z\xC3\xBCndkurve.crv", 1, kJan31At130509};

  for (const std::string& fileName : {info.fileName, std::string()}) {
    WriteRecoveryCopy(files, curve, {fileName, info.shownState, info.savedAt});
    const RecoveredCurve read = Read();
    EXPECT_TRUE(read.curve == curve);
    EXPECT_EQ(read.info.fileName, fileName);
    EXPECT_EQ(read.info.shownState, 1);
    EXPECT_EQ(read.info.savedAt, kJan31At130509);
  }
}

TEST_F(RecoveryCopyTest, NamesKeepTheEditionsAndTheProgramsApart) {
  EXPECT_EQ(RecoveryStem(Edition::Full, kJan31At130509, 4242), "curvedesk-20250131-130509-4242");
  EXPECT_EQ(RecoveryStem(Edition::Compact, kJan31At130509, 7), "curvedesk_compact-20250131-130509-7");
  EXPECT_EQ(files.curve, dir.File("curvedesk-20250131-130509-4242.crv"));
  EXPECT_EQ(files.info, dir.File("curvedesk-20250131-130509-4242.ini"));
  EXPECT_EQ(files.lock, dir.File("curvedesk-20250131-130509-4242.lock"));

  const std::vector<std::string> names = {"curvedesk-20250131-130509-4242.crv",
                                          "curvedesk-20250131-130509-4242.ini",
                                          "curvedesk-20250131-130509-4242.lock",
                                          "curvedesk-20250201-080000-17.lock",  // a lock alone
                                          "curvedesk-20250101-000000-9.ini",
                                          "curvedesk-20250101-000000-9-damaged.crv",
                                          "curvedesk-20250101-000000-9.crv.saving~",
                                          "curvedesk_compact-20250131-130509-5.crv",
                                          "curvedesk-.crv",
                                          "curvedesk-x1.crv",
                                          "race.crv",
                                          "curvedesk-20250131-130509-4242.txt"};
  EXPECT_EQ(RecoveryStemsIn(names, Edition::Full),
            (std::vector<std::string>{"curvedesk-20250101-000000-9", "curvedesk-20250131-130509-4242",
                                      "curvedesk-20250201-080000-17"}));
  EXPECT_EQ(RecoveryStemsIn(names, Edition::Compact), std::vector<std::string>{"curvedesk_compact-20250131-130509-5"});
}

// Each way a copy is damaged, and the error that reading it ends with.
TEST_F(RecoveryCopyTest, ADamagedCopyRaisesTheErrorItsReadingEndedWith) {
  CurveData unknownIgnition = testing::TwoStateCurve();
  unknownIgnition.Name = "Korvane Tarvo ZZ-9";
  const struct {
    const char* damage;
    std::function<void()> apply;
    ErrorNumber error;
  } cases[] = {
      {"no INI file", [&] { std::filesystem::remove(files.info); }, ErrIniRead},
      {"no curve file", [&] { std::filesystem::remove(files.curve); }, ErrNotCurveFile},
      {"no sensor state",
       [&] {
         dir.Write(std::filesystem::path(files.info).filename().string(),
                   "[RECOVERY]\r\nSaved=#2025-01-31T13:05:09Z#\r\n");
       },
       ErrIniRead},
      {"no time",
       [&] { dir.Write(std::filesystem::path(files.info).filename().string(), "[RECOVERY]\r\nShownState=0\r\n"); },
       ErrIniRead},
      {"a time that is not one",
       [&] {
         dir.Write(std::filesystem::path(files.info).filename().string(),
                   "[RECOVERY]\r\nShownState=0\r\nSaved=#2025-02-30T13:05:09Z#\r\n");
       },
       ErrIniRead},
      {"a curve file of garbage",
       [&] { dir.Write(std::filesystem::path(files.curve).filename().string(), "\x01\x02"); }, ErrNotCurveFile},
      {"a curve file cut short",
       [&] {
         const std::string whole = testing::ReadAll(files.curve);
         dir.Write(std::filesystem::path(files.curve).filename().string(), whole.substr(0, whole.size() / 2));
       },
       ErrIniRead},
      {"an ignition no longer installed",
       [&] {
         WriteRecoveryCopy(files, unknownIgnition, {"", 0, kJan31At130509});
       },
       ErrIgnNameNotFound},
  };
  for (const auto& c : cases) {
    WriteRecoveryCopy(files, testing::TwoStateCurve(), {"/curves/race.crv", 0, kJan31At130509});
    c.apply();
    EXPECT_EQ(ErrorOf([&] { Read(); }), c.error) << c.damage;
  }
}

TEST_F(RecoveryCopyTest, ADamagedCopyIsSetAsideWhereItIsNoLongerACopy) {
  WriteRecoveryCopy(files, testing::TwoStateCurve(), {"", 0, kJan31At130509});
  const std::string curveBytes = testing::ReadAll(files.curve);
  const std::vector<std::string> kept = SetAsideDamagedCopy(files);

  const std::string stem = "curvedesk-20250131-130509-4242";
  EXPECT_EQ(kept, (std::vector<std::string>{dir.File(stem + "-damaged.crv"), dir.File(stem + "-damaged.ini")}));
  EXPECT_EQ(testing::ReadAll(kept[0]), curveBytes);
  EXPECT_FALSE(Exists(files.curve));
  EXPECT_FALSE(Exists(files.info));
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
    names.push_back(entry.path().filename().string());
  EXPECT_TRUE(RecoveryStemsIn(names, Edition::Full).empty());

  // Half a copy: only what exists is moved.
  dir.Write(stem + ".ini", "[RECOVERY]\r\n");
  EXPECT_EQ(SetAsideDamagedCopy(files), std::vector<std::string>{dir.File(stem + "-damaged.ini")});
}

TEST_F(RecoveryCopyTest, RemovingACopyTakesItsTemporaryFilesButNotItsLock) {
  WriteRecoveryCopy(files, testing::TwoStateCurve(), {"", 0, kJan31At130509});
  dir.Write(std::filesystem::path(files.curve).filename().string() + ".saving~", "cut short");
  dir.Write(std::filesystem::path(files.lock).filename().string(), "4242");
  RemoveRecoveryCopy(files);
  EXPECT_FALSE(Exists(files.curve));
  EXPECT_FALSE(Exists(files.info));
  EXPECT_FALSE(Exists(files.curve + ".saving~"));
  EXPECT_TRUE(Exists(files.lock));
  RemoveRecoveryCopy(files);  // nothing left to remove
}

TEST(RecoveryTime, UtcTimesRoundTripAndOtherTextIsRefused) {
  for (const std::int64_t seconds : {std::int64_t{0}, kJan31At130509, std::int64_t{951782400} /* 2000-02-29 */,
                                     std::int64_t{4102444799} /* 2099-12-31T23:59:59Z */}) {
    std::int64_t parsed = -1;
    EXPECT_TRUE(ParseUtcTime(FormatUtcTime(seconds), parsed)) << FormatUtcTime(seconds);
    EXPECT_EQ(parsed, seconds);
  }
  EXPECT_EQ(FormatUtcTime(kJan31At130509), "2025-01-31T13:05:09Z");
  for (const char* text :
       {"", "2025-01-31 13:05:09", "2025-01-31T13:05:09", "2025-13-01T00:00:00Z", "2025-02-29T00:00:00Z",
        "2025-01-31T24:00:00Z", "2025-01-31T13:60:00Z", "yesterday", "2025-01-31T13:05:0xZ"}) {
    std::int64_t parsed = 0;
    EXPECT_FALSE(ParseUtcTime(text, parsed)) << text;
  }
}

TEST(RecoveryTexts, TheQuestionNamesTheFileOrANewCurveAndTheLocalTime) {
  // The local time of 13:05 UTC on January 31st is still on the 31st, or already on February 1st.
  const std::string when = FormatLocalTime(kJan31At130509);
  ASSERT_EQ(when.size(), std::string("2025-01-31 14:05").size()) << when;
  EXPECT_TRUE(when.starts_with("2025-01-31 ") || when.starts_with("2025-02-01 ")) << when;
  EXPECT_EQ(when.substr(13, 1), ":") << when;
  EXPECT_EQ(RestoreQuestion({"/home/me/curves/race.crv", 0, kJan31At130509}),
            "Restore the unsaved changes of race.crv from " + when + "?");
  EXPECT_EQ(RestoreQuestion({"", 0, kJan31At130509}), "Restore the unsaved changes of a new curve from " + when + "?");
}

}  // namespace
}  // namespace curvedesk
