#include <gtest/gtest.h>

#include "core/print/WrapText.h"

namespace curvedesk {
namespace {

// One unit per character.
double CharCount(const std::string& text) { return static_cast<double>(text.size()); }

TEST(WrapText, BreaksAtWordsLineBreaksAndTabs) {
  const struct {
    const char* name;
    const char* text;
    double width;
    int maxLines;
    std::vector<std::string> lines;
  } cases[] = {
      {"fits on one line", "advance curve", 20, 5, {"advance curve"}},
      {"wraps before the word that overflows", "one two three four", 9, 5, {"one two", "three", "four"}},
      {"a line exactly the width fits", "abcd efgh", 9, 5, {"abcd efgh"}},
      {"line breaks start new lines", "a\nb\r\nc", 20, 5, {"a", "b", "c"}},
      {"an empty line is kept", "a\n\nb", 20, 5, {"a", "", "b"}},
      {"tabs become four blanks", "a\tb", 20, 5, {"a    b"}},
      {"a wrapped line drops its leading blanks", "abc   def", 4, 5, {"abc", "def"}},
      {"a word wider than a line is split", "abcdefghij", 4, 5, {"abcd", "efgh", "ij"}},
      {"text past the last line is dropped", "a b c d e f", 1, 3, {"a", "b", "c"}},
      {"line breaks past the last line are dropped", "a\nb\nc\nd", 9, 2, {"a", "b"}},
      {"no room at all", "a", 9, 0, {}},
      {"empty text", "", 9, 3, {""}},
  };
  for (const auto& c : cases) EXPECT_EQ(WrapText(c.text, c.width, c.maxLines, CharCount), c.lines) << c.name;
}

}  // namespace
}  // namespace curvedesk
