#include <gtest/gtest.h>

#include "core/common/TextEncoding.h"

namespace curvedesk {
namespace {

TEST(TextEncoding, Windows1252RoundTripsEveryDefinedByte) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(TextEncoding, DegreeSignIsOneByteOnDisk) {
  EXPECT_EQ(Cp1252ToUtf8("50\xB0"), "50\u00B0");
  EXPECT_EQ(Utf8ToCp1252("50\u00B0"), "50\xB0");
}

TEST(TextEncoding, DataFilesAreWindows1252UnlessClearlyUtf8) {
  EXPECT_EQ(DecodeDataFileText("50\xB0"), "50\u00B0");             // a lone 0xB0 is not UTF-8
  EXPECT_EQ(DecodeDataFileText("50\xC2\xB0"), "50\u00B0");         // valid multi-byte UTF-8
  EXPECT_EQ(DecodeDataFileText("\xEF\xBB\xBFplain"), "plain");     // the mark is dropped
  EXPECT_EQ(DecodeDataFileText("\xEF\xBB\xBF\xB0"), "\u00B0");     // marked but not UTF-8
}

TEST(TextEncoding, InvalidUtf8BytesPassThroughAsWindows1252) {
  EXPECT_EQ(Utf8ToCp1252("a\xB0z"), "a\xB0z");
}

}  // namespace
}  // namespace curvedesk
