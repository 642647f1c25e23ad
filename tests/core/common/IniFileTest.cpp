#include <gtest/gtest.h>

#include "core/common/AppError.h"
#include "core/common/IniFile.h"
#include "support/TempDir.h"

namespace curvedesk {
namespace {

using testing::ReadAll;
using testing::TempDir;

class IniFileTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::string path = dir.File("test.ini");
};

TEST_F(IniFileTest, MissingFileReadsAsEmptyAndIsCreatedByTheFirstWrite) {
  EXPECT_EQ(IniReadString(path, "S", "K"), "");
  EXPECT_THROW(IniReadInt(path, "S", "K"), AppError);
  IniWriteInt(path, "S", "K", 7);
  EXPECT_EQ(ReadAll(path), "[S]\r\nK=7\r\n");
  EXPECT_EQ(IniReadInt(path, "S", "K"), 7);
}

TEST_F(IniFileTest, StringsAreWrappedInHashMarksAndKeepTheirBlanks) {
  IniWriteString(path, "S", "Note", "  two blanks  ");
  IniWriteString(path, "S", "Empty", "");
  EXPECT_EQ(ReadAll(path), "[S]\r\nNote=#  two blanks  #\r\nEmpty=##\r\n");
  EXPECT_EQ(IniReadString(path, "S", "Note"), "  two blanks  ");
  EXPECT_EQ(IniReadString(path, "S", "Empty"), "");
}

TEST_F(IniFileTest, HashRuleAppliesToValuesWrittenByHand) {
  dir.Write("test.ini", "[S]\nLead=#abc\nPlain=abc\nHashOnly=#\n");
  EXPECT_EQ(IniReadString(path, "S", "Lead"), "ab");  // first and last character go
  EXPECT_EQ(IniReadString(path, "S", "Plain"), "abc");
  EXPECT_EQ(IniReadString(path, "S", "HashOnly"), "");
}

TEST_F(IniFileTest, ReadsLineFeedOnlyFilesWithoutRegardToCaseAndBlanks) {
  dir.Write("test.ini", "[ General ]\n  NumCylinders =  6 \nName = #GT-1#\n");
  EXPECT_EQ(IniReadInt(path, "GENERAL", "numcylinders"), 6);
  EXPECT_EQ(IniReadString(path, "general", "NAME"), "GT-1");
}

TEST_F(IniFileTest, FirstOfDuplicateKeysAndSectionsWins) {
  dir.Write("test.ini", "[A]\nK=1\nK=2\n[a]\nK=3\nOnlyInSecond=4\n");
  EXPECT_EQ(IniReadInt(path, "A", "K"), 1);
  EXPECT_THROW(IniReadInt(path, "A", "OnlyInSecond"), AppError);
}

TEST_F(IniFileTest, ConvertsWindows1252OnDiskToUtf8InMemory) {
  dir.Write("test.ini", "[GENERAL]\r\nName=#2 Cyl. Cam 50\xB0 (2 Coil)#\r\n");
  EXPECT_EQ(IniReadString(path, "GENERAL", "Name"), "2 Cyl. Cam 50\u00B0 (2 Coil)");

  IniWriteString(path, "GENERAL", "Other", "\u20AC 5\u00B0");
  EXPECT_EQ(ReadAll(path), "[GENERAL]\r\nName=#2 Cyl. Cam 50\xB0 (2 Coil)#\r\nOther=#\x80 5\xB0#\r\n");
}

TEST_F(IniFileTest, ReadsUtf8FilesFromModernEditors) {
  dir.Write("test.ini", "\xEF\xBB\xBF[S]\nName=#50\xC2\xB0#\n");
  EXPECT_EQ(IniReadString(path, "S", "Name"), "50\u00B0");
}

TEST_F(IniFileTest, CharactersWindows1252CannotHoldAreWrittenAsQuestionMarks) {
  IniWriteString(path, "S", "K", "\u4E2D");
  EXPECT_EQ(IniReadString(path, "S", "K"), "?");
}

TEST_F(IniFileTest, ReadsTheWholeOfLongValues) {
  const std::string note(300, 'x');
  IniWriteString(path, "S", "Note", note);
  EXPECT_EQ(IniReadString(path, "S", "Note"), note);
}

TEST_F(IniFileTest, LineBreaksInAValueCannotInjectKeysOrSections) {
  IniWriteString(path, "S", "Note", "one\r\n[S]\nK=5");
  EXPECT_EQ(IniReadString(path, "S", "Note"), "one  [S] K=5");
  EXPECT_EQ(IniReadString(path, "S", "K"), "");
}

TEST_F(IniFileTest, RewritesAKeyInPlaceAndAddsNewKeysAtTheEndOfTheirSection) {
  dir.Write("test.ini", "[A]\r\nX=1\r\n\r\n[B]\r\nY=2\r\n");
  IniWriteInt(path, "a", "x", 5);
  IniWriteInt(path, "A", "Z", 6);
  IniWriteInt(path, "C", "W", 7);
  EXPECT_EQ(ReadAll(path), "[A]\r\nx=5\r\nZ=6\r\n\r\n[B]\r\nY=2\r\n[C]\r\nW=7\r\n");
}

struct IntCase {
  const char* stored;
  std::int32_t expected;
};

class IniReadIntParsing : public ::testing::TestWithParam<IntCase> {};

TEST_P(IniReadIntParsing, ParsesLikeTheProfileFunctions) {
  TempDir dir;
  const std::string path = dir.Write("t.ini", std::string("[S]\nK=") + GetParam().stored + "\n");
  EXPECT_EQ(IniReadInt(path, "S", "K"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, IniReadIntParsing,
                         ::testing::Values(IntCase{"42", 42}, IntCase{"-1", -1}, IntCase{"12abc", 12},
                                           IntCase{"abc", 0}, IntCase{"#5#", 0}, IntCase{"4897875", 4897875},
                                           IntCase{"2147483647", 2147483647},
                                           IntCase{"4294967295", -1}));

TEST(IniReadIntErrors, MissingEmptyOrSentinelValueRaisesTheReadError) {
  TempDir dir;
  const std::string path = dir.Write("t.ini", "[S]\nEmpty=\nSentinel=-134217727\n");
  for (const char* key : {"Empty", "Sentinel", "Missing"}) {
    try {
      IniReadInt(path, "S", key);
      ADD_FAILURE() << key;
    } catch (const AppError& error) {
      EXPECT_EQ(error.Number(), ErrIniRead) << key;
      EXPECT_EQ(error.Description(), "INI File Read Error");
    }
  }
}

TEST(IniWriteErrors, AnUnwritableFileRaisesTheWriteError) {
  TempDir dir;
  const std::string path = dir.File("no-such-folder/t.ini");
  try {
    IniWriteInt(path, "S", "K", 1);
    FAIL();
  } catch (const AppError& error) {
    EXPECT_EQ(error.Number(), ErrIniWrite);
    EXPECT_EQ(error.Description(), "INI File Write Error");
  }
}

}  // namespace
}  // namespace curvedesk
