#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/graph/GraphColours.h"
#include "core/graph/GraphScale.h"
#include "core/model/CurveData.h"
#include "core/print/PrintedPage.h"
#include "support/graph/FixedTextMeasure.h"

namespace curvedesk {
namespace {

// With the fixed measure every line is 200 high and bold characters are 120 wide.
class PrintedPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    curve_.Name = "CD-7";
    curve_.NumCylinders = 6;
    curve_.Sensor1Type = kSensorDigital;
    curve_.Sensor2Type = kSensorDigital;
    curve_.NumSensorStates = 4;
    for (SensorStateGraph& graph : curve_.Graphs) graph = MakeDefaultGraph();
  }

  PrintedPage Page(int graphIndex = 0) const { return LayOutGraphPage({&curve_, graphIndex, "", 600, 400}, measure_); }
  SensorStateGraph& Graph(int index = 0) { return curve_.Graphs[static_cast<std::size_t>(index)]; }

  template <typename Step>
  static std::vector<Step> All(const PrintedPage& page) {
    std::vector<Step> found;
    for (const PageStep& step : page.steps)
      if (const Step* s = std::get_if<Step>(&step)) found.push_back(*s);
    return found;
  }

  static const PageText* FindText(const PrintedPage& page, const std::string& text) {
    for (const PageStep& step : page.steps)
      if (const auto* t = std::get_if<PageText>(&step); t && t->text == text) return t;
    return nullptr;
  }

  // The text drawn just inside the box whose centre is given, empty when there is none.
  static std::string ValueInBox(const PrintedPage& page, double centreX, double centreY) {
    for (const PageText& text : All<PageText>(page))
      if (text.style.bold && text.style.pointSize <= 12 && text.top == centreY - 100 &&
          text.left + static_cast<double>(text.text.size()) * 60 == centreX)
        return text.text;
    return "";
  }

  static std::vector<PageLine> LinesIn(const PrintedPage& page, Rgb colour, PenStyle style) {
    std::vector<PageLine> lines;
    for (const PageLine& line : All<PageLine>(page))
      if (line.colour == colour && line.style == style) lines.push_back(line);
    return lines;
  }

  CurveData curve_;
  testing::FixedTextMeasure measure_;
};

TEST_F(PrintedPageTest, HeaderCentresLogoAndMakerNameOnThePage) {
  const PrintedPage page = Page();
  const auto logos = All<PageLogo>(page);
  ASSERT_EQ(logos.size(), 1u);
  const double nameWidth = 17 * 120.0;  // "Korvane Ignitions", bold
  const double pairLeft = 4521 - (600 + 100 + nameWidth) / 2;
  EXPECT_DOUBLE_EQ(logos[0].left, pairLeft);
  EXPECT_DOUBLE_EQ(logos[0].top, 700 - 400 / 2);  // the logo is taller than the name
  const PageText* name = FindText(page, "Korvane Ignitions");
  ASSERT_NE(name, nullptr);
  EXPECT_DOUBLE_EQ(name->left, pairLeft + 600 + 100);
  EXPECT_DOUBLE_EQ(name->top, 600);
  EXPECT_EQ(name->style, (TextStyle{18, true}));
}

TEST_F(PrintedPageTest, PlotsJoinNodesAndRunToTheRightEdgeWithDotsOnEveryNode) {
  SensorStateGraph& graph = Graph();
  graph.NumTransitions = 3;
  graph.NumSparks = 1;
  graph.RPM = {1000, 3000, 6000};
  graph.Nodes[0].CO = 100;
  graph.Nodes[1].CO = 60;
  graph.Nodes[2].CO = 20;
  const PrintedPage page = Page();

  const auto coilOn = LinesIn(page, kPlotColours[0], PenStyle::Solid);
  ASSERT_EQ(coilOn.size(), 3u + 1u);  // two joins, the run to the edge and the legend swatch
  EXPECT_EQ(coilOn[0].x1, RpmToX(1000, kPrintFrame));
  EXPECT_EQ(coilOn[0].y1, AngleToY(100, kPrintFrame));
  EXPECT_EQ(coilOn[1].x2, RpmToX(6000, kPrintFrame));
  EXPECT_EQ(coilOn[2].x2, 8192);
  EXPECT_EQ(coilOn[2].y2, coilOn[2].y1);
  EXPECT_DOUBLE_EQ(coilOn[0].width, 30 * 2.4);
  EXPECT_EQ(All<PageDot>(page).size(), 2u * 3u);  // coil on and the primary spark, three nodes each
  EXPECT_EQ(All<PageDot>(page)[0].radius, 75);
}

TEST_F(PrintedPageTest, SparksDecideThePlotsButTheLegendAlwaysShowsFour) {
  const struct {
    int sparks;
    int plotsDrawn;
  } cases[] = {{1, 2}, {2, 3}, {3, 4}};
  for (const auto& c : cases) {
    Graph().NumSparks = static_cast<std::int16_t>(c.sparks);
    const PrintedPage page = Page();
    int drawn = 0;
    for (int plot = 0; plot < 4; ++plot)
      if (LinesIn(page, kPlotColours[static_cast<std::size_t>(plot)], PenStyle::Solid).size() > 1) ++drawn;
    EXPECT_EQ(drawn, c.plotsDrawn) << c.sparks;
    for (const char* legend : {"Coil On", "1st Spark", "2nd Spark", "3rd Spark"})
      EXPECT_NE(FindText(page, legend), nullptr) << c.sparks << " " << legend;
  }
}

TEST_F(PrintedPageTest, LegendCaptionsKeepOffTheNextRowAndTheSwatchBesideThem) {
  const PrintedPage page = Page();
  struct Area {
    double left, top, right, bottom;
  };
  std::vector<Area> captions;
  for (const char* legend : {"Coil On", "1st Spark", "2nd Spark", "3rd Spark"}) {
    const PageText* text = FindText(page, legend);
    ASSERT_NE(text, nullptr) << legend;
    captions.push_back({text->left, text->top, text->left + measure_.Width(text->text, text->style),
                        text->top + measure_.Height(text->style)});
  }
  EXPECT_EQ(captions[0].top + 100, 4250);  // the first row where it belongs: captions centred on it
  std::vector<Area> swatches;
  for (const Rgb colour : kPlotColours) {
    const PageLine swatch = LinesIn(page, colour, PenStyle::Solid).back();
    swatches.push_back({swatch.x1, swatch.y1 - swatch.width / 2, swatch.x2, swatch.y1 + swatch.width / 2});
  }
  auto overlap = [](const Area& a, const Area& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
  };
  for (std::size_t i = 0; i < captions.size(); ++i)
    for (std::size_t j = 0; j < captions.size(); ++j) {
      if (i == j) continue;
      EXPECT_FALSE(overlap(captions[i], captions[j])) << i << " over caption " << j;
      EXPECT_FALSE(overlap(captions[i], swatches[j])) << i << " over swatch " << j;
    }
}

TEST_F(PrintedPageTest, RevLimitPrintsDashedLineAndValueOnlyWhenSet) {
  Graph().RevLimit = 6000;
  PrintedPage page = Page();
  auto dashed = LinesIn(page, kRevLimitColour, PenStyle::Dashed);
  ASSERT_EQ(dashed.size(), 1u);
  EXPECT_EQ(dashed[0].x1, RpmToX(6000, kPrintFrame));
  EXPECT_EQ(dashed[0].y1, 1100);
  EXPECT_EQ(dashed[0].y2, 6965);
  EXPECT_DOUBLE_EQ(dashed[0].width, 15 * 2.4);
  EXPECT_EQ(ValueInBox(page, 9392, 1950), "6000");

  Graph().RevLimit = kNotSet;
  page = Page();
  EXPECT_TRUE(LinesIn(page, kRevLimitColour, PenStyle::Dashed).empty());
  EXPECT_EQ(ValueInBox(page, 9392, 1950), "");
  const PageText* caption = FindText(page, "Rev Limit @ RPM");
  ASSERT_NE(caption, nullptr);
  EXPECT_DOUBLE_EQ(caption->top, 1950 + 125 + 70);  // below its box
}

TEST_F(PrintedPageTest, AComparisonPrintsFadedAndDashedBehindTheCurveWithoutDots) {
  CurveData before = curve_;
  before.NumSensorStates = 2;
  before.Graphs[0].NumSparks = 1;
  before.Graphs[0].NumTransitions = 2;
  before.Graphs[0].RPM = {0, 4000};
  before.Graphs[0].RevLimit = 7000;
  const PageInputs inputs{&curve_, 0, "", 600, 400, PrintedComparison{&before, "/curves/shipped.crv"}};
  const PrintedPage page = LayOutGraphPage(inputs, measure_);

  const auto fadedCoilOn = LinesIn(page, Faded(kPlotColours[0]), PenStyle::Dashed);
  ASSERT_EQ(fadedCoilOn.size(), 2u);  // one join and the run to the edge
  EXPECT_EQ(fadedCoilOn[0].x2, RpmToX(4000, kPrintFrame));
  EXPECT_LT(fadedCoilOn[0].width, 30 * 2.4);
  EXPECT_EQ(LinesIn(page, Faded(kPlotColours[2]), PenStyle::Dashed).size(), 0u);  // one spark: no second
  EXPECT_EQ(LinesIn(page, Faded(kRevLimitColour), PenStyle::Dotted).size(), 1u);
  EXPECT_EQ(All<PageDot>(page).size(), 4u * 10u);  // the curve's dots only
  // Behind: every line of the comparison comes before the curve's first plot line.
  const auto firstOf = [&](Rgb colour, PenStyle style) {
    for (std::size_t i = 0; i < page.steps.size(); ++i)
      if (const auto* line = std::get_if<PageLine>(&page.steps[i]);
          line && line->colour == colour && line->style == style)
        return i;
    return page.steps.size();
  };
  EXPECT_LT(firstOf(Faded(kPlotColours[1]), PenStyle::Dashed), firstOf(kPlotColours[0], PenStyle::Solid));
  EXPECT_NE(FindText(page, "Dashed: shipped.crv"), nullptr);

  // A state the comparison lacks prints the curve alone and says so.
  const PrintedPage third =
      LayOutGraphPage({&curve_, 2, "", 600, 400, PrintedComparison{&before, "shipped.crv"}}, measure_);
  EXPECT_TRUE(LinesIn(third, Faded(kPlotColours[0]), PenStyle::Dashed).empty());
  EXPECT_NE(FindText(third, "shipped.crv has no sensor state 3"), nullptr);
  EXPECT_EQ(FindText(Page(), "Dashed: shipped.crv"), nullptr);  // no comparison, no legend line
}

TEST_F(PrintedPageTest, CellTextsShrinkToTheirBoxInsteadOfRunningIntoTheirNeighbours) {
  const PrintedPage page = Page();
  const PageText* fits = FindText(page, "CD-7");  // 480 wide in the 2300 name box
  ASSERT_NE(fits, nullptr);
  EXPECT_EQ(fits->style, (TextStyle{12, true}));
  const PageText* tooWide = FindText(page, "4 Cycle");  // 840 wide in a 750 box
  ASSERT_NE(tooWide, nullptr);
  EXPECT_EQ(tooWide->style, (TextStyle{6, true}));  // the fixed measure never gets narrower
}

TEST_F(PrintedPageTest, ConfigurationRowCellsCarryTheCurveSettings) {
  const PrintedPage page = Page();
  const struct {
    double centreX;
    const char* value;
  } cells[] = {{1250, "6"},   {2660, "Coil"},    {3495, "Cam"},     {4205, "4 Cyl"},
               {4915, "200"}, {5875, "Digital"}, {7920, "4 Cycle"}, {9530, "CD-7"}};
  for (const auto& c : cells) EXPECT_EQ(ValueInBox(page, c.centreX, 7865), c.value) << c.centreX;

  const PageText* caption = FindText(page, "No. Of Cyl.");
  ASSERT_NE(caption, nullptr);
  EXPECT_DOUBLE_EQ(caption->top, 7865 - 125 - 50 - 200);  // above its box
  EXPECT_DOUBLE_EQ(caption->left, 1250 - 11 * 120 / 2.0);
}

TEST_F(PrintedPageTest, StateColumnShowsTheSensorConditionsOfItsGraph) {
  const struct {
    int numStates;
    int sensor2Type;
    int index;
    const char* sensor1;
    const char* sensor2;
  } cases[] = {
      {4, kSensorDigital, 0, "GND", "GND"},
      {4, kSensorDigital, 3, "UnGND", "UnGND"},
      {2, kSensorNone, 1, "UnGND", "None"},
  };
  for (const auto& c : cases) {
    curve_.NumSensorStates = static_cast<std::int16_t>(c.numStates);
    curve_.Sensor2Type = c.sensor2Type;
    const PrintedPage page = Page(c.index);
    EXPECT_EQ(ValueInBox(page, 8842, 1450), c.sensor1) << c.index;
    EXPECT_EQ(ValueInBox(page, 9942, 1450), c.sensor2) << c.index;
  }
  EXPECT_EQ(ValueInBox(Page(), 8842, 3650), "10");
  EXPECT_EQ(ValueInBox(Page(), 9942, 3650), "3");
}

TEST_F(PrintedPageTest, NotePrintsOnlyTheLinesThatFitItsBox) {
  // 19 characters of 100 twips fit in 2000 - 30; lines are 200 + 15 high, so 9 fit in 2100.
  std::string note;
  for (int i = 0; i < 30; ++i) note += "line" + std::to_string(i) + "\n";
  Graph().GraphInfo = note;
  const PrintedPage page = Page();
  std::vector<PageText> noteLines;
  for (const PageText& text : All<PageText>(page))
    if (text.style == TextStyle{10, false}) noteLines.push_back(text);
  ASSERT_EQ(noteLines.size(), 9u);
  EXPECT_EQ(noteLines.front().text, "line0");
  EXPECT_EQ(noteLines.back().text, "line8");
  EXPECT_DOUBLE_EQ(noteLines.front().left, 9392 - 1000 + 15);
  EXPECT_DOUBLE_EQ(noteLines.front().top, 5950 - 1050 + 15);
  EXPECT_DOUBLE_EQ(noteLines.back().top + 200, 5950 - 1050 + 9 * 215);
}

TEST(PagesToPrint, SelectionPrintsTheCurrentGraphOnly) {
  CurveData curve;
  curve.NumSensorStates = 4;
  EXPECT_EQ(PagesToPrint(curve, 2, false), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(PagesToPrint(curve, 2, true), (std::vector<int>{2}));
  curve.NumSensorStates = 1;
  EXPECT_EQ(PagesToPrint(curve, 0, false), (std::vector<int>{0}));
  EXPECT_EQ(PagesToPrint(curve, 0, true), (std::vector<int>{0}));
  EXPECT_EQ(PrintingPageText(2), "Printing page 2 ...");
}

}  // namespace
}  // namespace curvedesk
