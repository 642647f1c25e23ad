#include <gtest/gtest.h>

#include <algorithm>

#include "core/graph/GridDrawing.h"
#include "support/graph/FixedTextMeasure.h"

namespace curvedesk {
namespace {

TEST(GridLabels, AngleAndRpmTexts) {
  const struct {
    int angle;
    const char* text;
  } angles[] = {{0, "TDC"}, {5, " "}, {10, "10"}, {15, " "}, {55, " "}, {60, "60"}, {100, "100"}, {240, "240"}};
  for (const auto& c : angles) EXPECT_EQ(AngleLabel(c.angle), c.text) << c.angle;

  const struct {
    int rpm;
    const char* text;
  } rpms[] = {{0, "0"}, {500, ".5"}, {1000, "1"}, {1500, "1.5"}, {3500, "3.5"}, {4000, "4"}, {12000, "12"}};
  for (const auto& c : rpms) EXPECT_EQ(RpmLabel(c.rpm), c.text) << c.rpm;
}

std::vector<double> Positions(const GridDrawing& drawing, bool dotted, bool horizontal) {
  std::vector<double> positions;
  for (const GridLine& line : drawing.lines)
    if (line.dotted == dotted && (line.y1 == line.y2) == horizontal)
      positions.push_back(horizontal ? line.y1 : line.x1);
  return positions;
}

TEST(ScreenGrid, DottedLinesRunThroughTheMiddleOfRowsAndFullColumns) {
  const GridDrawing grid = DescribeGrid(ScreenGridStyle(), testing::FixedTextMeasure());
  const std::vector<double> rows = Positions(grid, true, true);
  ASSERT_EQ(rows.size(), 17u);
  EXPECT_EQ(rows.front(), 292);
  EXPECT_EQ(rows.back(), 292 + 385 * 16);
  const std::vector<double> columns = Positions(grid, true, false);
  ASSERT_EQ(columns.size(), 16u);  // the last half column has none
  EXPECT_EQ(columns.front(), 1000);
  EXPECT_EQ(columns.back(), 1000 + 500 * 15);

  for (const GridLine& line : grid.lines) {
    if (!line.dotted) continue;
    EXPECT_EQ(line.colour, (Rgb{230, 230, 230}));
    EXPECT_EQ(line.width, 15);  // one pixel at the reference resolution
    if (line.y1 == line.y2) {
      EXPECT_EQ(line.x1, 750);
      EXPECT_EQ(line.x2, 9000);
    } else {
      EXPECT_EQ(line.y1, 100);
      EXPECT_EQ(line.y2, 6645);
    }
  }
}

TEST(ScreenGrid, SolidLinesSitOnEveryScalePointAndTheRightBorder) {
  const GridDrawing grid = DescribeGrid(ScreenGridStyle(), testing::FixedTextMeasure());
  std::vector<double> rows = Positions(grid, false, true);
  ASSERT_EQ(rows.size(), 18u);
  EXPECT_EQ(rows.front(), 100);
  EXPECT_EQ(rows.back(), 6645);
  std::vector<double> columns = Positions(grid, false, false);
  ASSERT_EQ(columns.size(), 18u);
  EXPECT_EQ(columns[16], 8750);
  EXPECT_EQ(columns[17], 9000);
  for (const GridLine& line : grid.lines)
    if (!line.dotted) {
      EXPECT_EQ(line.colour, (Rgb{160, 160, 160}));
      EXPECT_EQ(line.width, 30);
    }
  // Dotted lines come first so the solid ones are drawn over them.
  EXPECT_TRUE(std::is_partitioned(grid.lines.begin(), grid.lines.end(), [](const GridLine& l) { return l.dotted; }));
}

const GridText* FindText(const GridDrawing& grid, const std::string& text, std::size_t occurrence = 0) {
  for (const GridText& t : grid.texts)
    if (t.text == text && occurrence-- == 0) return &t;
  return nullptr;
}

TEST(ScreenGrid, LabelsAndTitlesArePlacedFromTheirMeasuredWidth) {
  const GridDrawing grid = DescribeGrid(ScreenGridStyle(), testing::FixedTextMeasure());  // bold: 120 per char
  const struct {
    std::string text;
    std::size_t occurrence;
    double left, top;
    TextStyle style;
  } cases[] = {
      // Angle labels right-aligned 120 twips left of the plot area.
      {"TDC", 0, 750 - 360 - 120, 6565, {8, true}},
      {"60", 0, 750 - 240 - 120, 6565 - 385 * 12, {8, true}},
      {"240", 0, 750 - 360 - 120, 6565 - 385 * 17, {8, true}},
      // RPM labels centred 15 twips left of their grid line.
      {"0", 0, 750 - 15 - 60, 6725, {8, true}},
      {".5", 0, 1250 - 15 - 120, 6725, {8, true}},
      {"12", 0, 8750 - 15 - 120, 6725, {8, true}},
      {"RPM x 1000", 0, 4860 - 600, 6945, {10, true}},
      // The vertical title: one character per line, lines 200 - 20 apart.
      {"D", 0, 160 - 60, 2650, {8, true}},
      {"e", 0, 150 - 60, 2650 + 180, {8, true}},
      {"C", 0, 160 - 60, 2650 + 180 * 8, {8, true}},
      {"A", 0, 160 - 60, 2650 + 180 * 14, {8, true}},
  };
  for (const auto& c : cases) {
    const GridText* text = FindText(grid, c.text, c.occurrence);
    ASSERT_NE(text, nullptr) << c.text;
    EXPECT_EQ(text->left, c.left) << c.text;
    EXPECT_EQ(text->top, c.top) << c.text;
    EXPECT_EQ(text->style, c.style) << c.text;
  }
  EXPECT_EQ(FindText(grid, "12.5"), nullptr);  // 12,500 is not labelled
  EXPECT_EQ(std::count_if(grid.texts.begin(), grid.texts.end(), [](const GridText& t) { return t.text == " "; }),
            6 + 2);  // unlabelled rows 5..55, and the two blanks of the vertical title
}

TEST(PrintGrid, UsesThePrintedFrameWidthsAndFonts) {
  const GridDrawing grid = DescribeGrid(PrintGridStyle(), testing::FixedTextMeasure());
  const std::vector<double> dottedRows = Positions(grid, true, true);
  EXPECT_EQ(dottedRows.front(), 1272);
  EXPECT_EQ(Positions(grid, true, false).front(), 1072);
  const std::vector<double> solidColumns = Positions(grid, false, false);
  EXPECT_EQ(solidColumns.back(), 8193);
  EXPECT_DOUBLE_EQ(grid.lines.front().width, 9.6);  // 4 dots at 600 dots per inch
  const GridText* tdc = FindText(grid, "TDC");
  ASSERT_NE(tdc, nullptr);
  EXPECT_EQ(tdc->left, 850 - 360 - 85);
  EXPECT_EQ(tdc->top, 6885);
  EXPECT_EQ(tdc->style, (TextStyle{10, true}));
  const GridText* title = FindText(grid, "RPM x 1000");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->left, 4506 - 600);
  EXPECT_EQ(title->top, 7235);
  EXPECT_EQ(title->style, (TextStyle{12, true}));
}

// Printer fonts are often taller and wider than the ones the title's place was chosen for.
class LargeTextMeasure : public TextMeasure {
 public:
  double Width(const std::string& text, const TextStyle&) const override {
    return static_cast<double>(text.size()) * 170;
  }
  double Height(const TextStyle&) const override { return 300; }
};

struct Box {
  double left, top, right, bottom;
  bool Overlaps(const Box& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
};

Box BoxOf(const GridText& text, const TextMeasure& measure) {
  return {text.left, text.top, text.left + measure.Width(text.text, text.style), text.top + measure.Height(text.style)};
}

TEST(AngleAxisTitle, StaysInItsPlaceWhenItFitsAndClearOfLabelsAndRpmRowWhenItDoesNot) {
  const testing::FixedTextMeasure fixed;
  const LargeTextMeasure large;
  const struct {
    const char* name;
    GridStyle style;
    const TextMeasure* measure;
    double firstTop;  // where "D" starts; 0 when only the invariants are checked
  } cases[] = {
      {"screen", ScreenGridStyle(), &fixed, 2650},
      {"print", PrintGridStyle(), &fixed, 3300},
      {"print, large font", PrintGridStyle(), &large, 0},
  };
  for (const auto& c : cases) {
    const GridDrawing grid = DescribeGrid(c.style, *c.measure);
    const std::size_t labels = 18;  // the angle labels come first, then the title's 19 characters
    ASSERT_GE(grid.texts.size(), labels + 19) << c.name;
    const std::string title = kAngleAxisTitle;
    for (std::size_t i = 0; i < title.size(); ++i) {
      const GridText& letter = grid.texts[labels + i];
      ASSERT_EQ(letter.text, std::string(1, title[i])) << c.name;
      const Box box = BoxOf(letter, *c.measure);
      EXPECT_GE(box.left, 0) << c.name << " " << i;
      EXPECT_GE(box.top, c.style.frame.top) << c.name << " " << i;
      EXPECT_LE(box.bottom, c.style.frame.Bottom()) << c.name << " " << i;
      for (std::size_t label = 0; label < labels; ++label)
        EXPECT_FALSE(box.Overlaps(BoxOf(grid.texts[label], *c.measure)))
            << c.name << ": title letter " << i << " over label " << grid.texts[label].text;
    }
    if (c.firstTop != 0) {
      EXPECT_EQ(grid.texts[labels].top, c.firstTop) << c.name;
    }
  }
}

}  // namespace
}  // namespace curvedesk
