#include <gtest/gtest.h>

#include "core/common/Currency.h"
#include "core/common/Utils.h"

namespace curvedesk {
namespace {

TEST(PathParts, SplitAtTheLastSeparator) {
  EXPECT_EQ(PathDirectory("/home/me/curves/a.crv"), "/home/me/curves/");
  EXPECT_EQ(PathFileName("/home/me/curves/a.crv"), "a.crv");
  EXPECT_EQ(PathDirectory("a.crv"), "");
  EXPECT_EQ(PathFileName("a.crv"), "a.crv");
  EXPECT_EQ(PathDirectory(""), "");
  EXPECT_EQ(PathFileName(""), "");
}

// Where the separator is a backslash (Windows, also taking the slash that Qt and typed paths use),
// and where a backslash is a character of the name (Linux).
TEST(PathParts, SplitAtTheSystemsSeparators) {
#ifdef _WIN32
  EXPECT_EQ(PathDirectory("C:\\Users\\me\\Curves\\a.crv"), "C:\\Users\\me\\Curves\\");
  EXPECT_EQ(PathFileName("C:\\Users\\me\\Curves\\a.crv"), "a.crv");
  EXPECT_EQ(PathFileName("C:\\Users\\me/Curves/a.crv"), "a.crv");
  EXPECT_EQ(PathFileName("\\\\server\\share\\a.crv"), "a.crv");
  EXPECT_EQ(AbbreviatePath("C:\\Users\\me\\Curves\\a.crv", 12), "...\\Curves\\a.crv");
  EXPECT_EQ(AbbreviatePath("\\\\server\\share\\dir\\a.crv", 23), "...\\server\\share\\dir\\a.crv");
#else
  EXPECT_EQ(PathFileName("/home/me/a\\b.crv"), "a\\b.crv");
  EXPECT_EQ(PathDirectory("/home/me/a\\b.crv"), "/home/me/");
#endif
}

struct AbbreviateCase {
  const char* path;
  std::size_t maxLen;
  const char* expected;
};

class AbbreviatePathTest : public ::testing::TestWithParam<AbbreviateCase> {};

TEST_P(AbbreviatePathTest, KeepsTheFileNameAndWholeFoldersThatFit) {
  EXPECT_EQ(AbbreviatePath(GetParam().path, GetParam().maxLen), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AbbreviatePathTest,
    ::testing::Values(AbbreviateCase{"/home/me/a.crv", 14, "/home/me/a.crv"},  // fits exactly
                      AbbreviateCase{"/home/me/curves/a.crv", 12, ".../curves/a.crv"},
                      AbbreviateCase{"/home/me/curves/a.crv", 15, ".../me/curves/a.crv"},
                      AbbreviateCase{"/home/me/curves/a.crv", 20, ".../home/me/curves/a.crv"},
                      AbbreviateCase{"/home/me/curves/long-name.crv", 5, ".../long-name.crv"},
                      AbbreviateCase{"//server/share/dir/a.crv", 23, ".../server/share/dir/a.crv"}));

TEST(FormatVolts, OneDecimalWithLeadingZero) {
  EXPECT_EQ(FormatVolts(Currency::FromScaled(25000)), "2.5");
  EXPECT_EQ(FormatVolts(Currency::FromScaled(0)), "0.0");
  EXPECT_EQ(FormatVolts(Currency::FromScaled(4000)), "0.4");
  EXPECT_EQ(FormatVolts(Currency::FromScaled(40000)), "4.0");
  EXPECT_EQ(FormatVolts(Currency::FromScaled(12500)), "1.3");  // halves away from zero
}

TEST(HexPadded, SixteenBitsUpperCasePadded) {
  EXPECT_EQ(HexPadded(0x79, 2), "79");
  EXPECT_EQ(HexPadded(0xA, 4), "000A");
  EXPECT_EQ(HexPadded(0x1234, 2), "1234");
  EXPECT_EQ(HexPadded(-1, 2), "FFFF");
  EXPECT_EQ(HexPadded(0xabc, 0), "ABC");
}

TEST(ParseCurrency, AcceptsPointOrCommaAndRefusesOtherText) {
  EXPECT_EQ(ParseCurrency("2.5"), Currency::FromScaled(25000));
  EXPECT_EQ(ParseCurrency("2,5"), Currency::FromScaled(25000));
  EXPECT_EQ(ParseCurrency(" 4 "), Currency::FromScaled(40000));
  EXPECT_EQ(ParseCurrency("-0.1"), Currency::FromScaled(-1000));
  EXPECT_EQ(ParseCurrency("0.123456"), Currency::FromScaled(1235));
  EXPECT_EQ(ParseCurrency(".5"), Currency::FromScaled(5000));
  EXPECT_FALSE(ParseCurrency(""));
  EXPECT_FALSE(ParseCurrency("abc"));
  EXPECT_FALSE(ParseCurrency("2.5V"));
  EXPECT_FALSE(ParseCurrency("99999999999999999999"));
}

}  // namespace
}  // namespace curvedesk
