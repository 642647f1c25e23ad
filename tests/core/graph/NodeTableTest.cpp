#include <gtest/gtest.h>

#include <functional>

#include "core/common/ErrorMessages.h"
#include "core/graph/NodeInterpolation.h"
#include "core/graph/NodeTable.h"
#include "core/model/NodeEditRules.h"
#include "support/ErrorOf.h"

namespace curvedesk {
namespace {

using testing::MessageOf;

// Nodes at 0, 500 ... 4000, 5000 RPM; coil on 100, sparks 30, 20 and 10 at every node.
SensorStateGraph Fixture() {
  SensorStateGraph graph = MakeDefaultGraph();
  for (GraphNode& node : graph.Nodes) node = GraphNode{100, 30, 20, 10};
  return graph;
}

class NodeTableTest : public ::testing::Test {
 protected:
  NodeTableTest() {
    for (CoilLimitRow& row : limits.Rows) row.Percent = 100;
  }
  CurveRuleContext Rules() const { return CurveRuleContext{200, kSparkDistCoil, 4, limits}; }
  static std::string At(const std::string& message, const char* place) { return message + "\r\n\r\nAt " + place + "."; }

  CoilLimitTable limits;
};

TEST_F(NodeTableTest, ShowsTheRpmAndThePlotsInUse) {
  SensorStateGraph graph = Fixture();
  graph.NumSparks = 2;
  graph.NumTransitions = 4;
  EXPECT_EQ(NodeTableRows(graph), 4);
  EXPECT_EQ(NodeTableColumns(graph), 4);
  EXPECT_EQ(NodeColumnCaption(kRpmColumn), "RPM");
  EXPECT_EQ(NodeColumnCaption(PlotColumn(0)), "Coil On");
  EXPECT_EQ(NodeColumnCaption(PlotColumn(2)), "2nd Spark");
  EXPECT_EQ(NodeCellValue(graph, {3, kRpmColumn}), 1500);
  EXPECT_EQ(NodeCellValue(graph, {3, PlotColumn(1)}), 30);
  EXPECT_EQ(SelectedNodeText(graph, {1, 3}), "1st Spark, node 4: 1500 RPM, 30 Deg");
}

TEST_F(NodeTableTest, CopiesTheRectangleAroundTheCellsAsTabSeparatedLines) {
  const SensorStateGraph graph = Fixture();
  EXPECT_EQ(CopiedCellsText(graph, {{1, 0}, {1, 1}, {2, 1}}), "500\t100\n\t100\n");
  EXPECT_EQ(CopiedCellsText(graph, {{4, 2}}), "30\n");
  EXPECT_EQ(CopiedCellsText(graph, {}), "");
}

TEST_F(NodeTableTest, PastesEveryValueOrNothing) {
  const struct {
    const char* what;
    int row, column;
    const char* text;
    std::function<void(SensorStateGraph&)> expected;  // what the paste changes
    std::string message;                              // the refusal, empty when it is pasted
  } cases[] = {
      {"a row of a spreadsheet", 2, 2, "35\t25\t15\n",
       [](SensorStateGraph& g) {
         g.Nodes[2] = GraphNode{100, 35, 25, 15};
       },
       ""},
      {"a column with Windows line ends", 1, 2, "32\r\n33\r\n34\r\n",
       [](SensorStateGraph& g) {
         g.Nodes[1].PS = 32;
         g.Nodes[2].PS = 33;
         g.Nodes[3].PS = 34;
       },
       ""},
      {"empty cells keep their values", 4, 2, "\t25", [](SensorStateGraph& g) { g.Nodes[4].SS = 25; }, ""},
      // One by one, node 3 at 1,800 would come too close to node 4 still at 2,000.
      {"RPMs checked as a whole", 0, 0, "0\n600\n1200\n1800\n2400\n3000\n3600\n4200\n4800\n5400\n",
       [](SensorStateGraph& g) {
         for (int n = 0; n < 10; ++n) g.RPM[n] = static_cast<std::int16_t>(600 * n);
       },
       ""},
      {"text that is not a number", 2, 2, "35\tabc\n", {}, At("\"abc\" is not a whole number.", "node 3, 2nd Spark")},
      {"a decimal", 2, 2, "35.5", {}, At("\"35.5\" is not a whole number.", "node 3, 1st Spark")},
      {"more columns than the table",
       0,
       3,
       "1\t2\t3\n",
       {},
       "The values do not fit in the table: they reach past its last row or column."},
      {"more rows than the table",
       9,
       1,
       "100\n100\n",
       {},
       "The values do not fit in the table: they reach past its last row or column."},
      {"a value that breaks a rule",
       2,
       2,
       "35\n80\n",
       {},
       At(GetErrorMessage(ErrPrimarySparkMax), "node 4, 1st Spark")},
      {"a negative angle", 2, 4, "-5", {}, At(kAngleBelowZeroMessage, "node 3, 3rd Spark")},
      {"a negative RPM", 2, 0, "-500", {}, At("RPM value must be greater than or equal to 0.", "node 3, RPM")},
      {"an RPM off the grid", 2, 0, "1225", {}, At(GetErrorMessage(ErrRpmMultiple), "node 3, RPM")},
      {"a number too large for any field",
       2,
       1,
       "99999999999",
       {},
       At(GetErrorMessage(ErrAngleMax), "node 3, Coil On")},
      {"nothing", 0, 0, "\n", {}, "There are no values to paste."},
  };
  for (const auto& c : cases) {
    SensorStateGraph graph = Fixture();
    SensorStateGraph expected = graph;
    if (c.expected) c.expected(expected);
    SensorStateGraph pasted = graph;
    EXPECT_EQ(MessageOf([&] { pasted = PastedCells(graph, c.row, c.column, c.text, Rules()); }), c.message) << c.what;
    EXPECT_EQ(pasted, expected) << c.what;
  }
}

TEST_F(NodeTableTest, CopiedCellsPasteBackUnchanged) {
  SensorStateGraph graph = Fixture();
  graph.Nodes[3] = GraphNode{90, 28, 18, 8};
  std::vector<TableCell> all;
  for (int row = 0; row < NodeTableRows(graph); ++row)
    for (int column = 0; column < NodeTableColumns(graph); ++column) all.push_back({row, column});
  EXPECT_EQ(PastedCells(graph, 0, 0, CopiedCellsText(graph, all), Rules()), graph);
}

TEST_F(NodeTableTest, InterpolatesLinearlyInRpmRoundedToEachPlotsStep) {
  const struct {
    const char* what;
    std::function<void(SensorStateGraph&)> ends;  // the rows the line runs between
    InterpolationRange range;
    std::function<void(SensorStateGraph&)> expected;
  } cases[] = {
      {"a spark plot",
       [](SensorStateGraph& g) {
         g.Nodes[1].PS = 30;
         g.Nodes[5].PS = 50;
       },
       {1, 5, {1}},
       [](SensorStateGraph& g) {
         g.Nodes[2].PS = 35;
         g.Nodes[3].PS = 40;
         g.Nodes[4].PS = 45;
       }},
      {"to the nearest degree",
       [](SensorStateGraph& g) {
         g.Nodes[1].PS = 30;
         g.Nodes[4].PS = 41;
       },
       {1, 4, {1}},
       [](SensorStateGraph& g) {
         g.Nodes[2].PS = 34;  // 33.67
         g.Nodes[3].PS = 37;  // 37.33
       }},
      {"halves up",
       [](SensorStateGraph& g) {
         g.Nodes[1].PS = 30;
         g.Nodes[3].PS = 31;
       },
       {1, 3, {1}},
       [](SensorStateGraph& g) { g.Nodes[2].PS = 31; }},
      {"coil on to 10 degrees",
       [](SensorStateGraph& g) {
         g.Nodes[1].CO = 60;
         g.Nodes[4].CO = 100;
       },
       {1, 4, {0}},
       [](SensorStateGraph& g) {
         g.Nodes[2].CO = 70;  // 73.3
         g.Nodes[3].CO = 90;  // 86.7
       }},
      // Rows 7, 8 and 9 sit at 3,500, 4,000 and 5,000 RPM: a third of the way, not half.
      {"by RPM, not by row",
       [](SensorStateGraph& g) {
         g.Nodes[7].PS = 30;
         g.Nodes[9].PS = 60;
       },
       {7, 9, {1}},
       [](SensorStateGraph& g) { g.Nodes[8].PS = 40; }},
      {"several plots",
       [](SensorStateGraph& g) {
         g.Nodes[0] = GraphNode{80, 20, 15, 10};
         g.Nodes[2] = GraphNode{120, 40, 35, 30};
       },
       {0, 2, {0, 1, 2, 3}},
       [](SensorStateGraph& g) {
         g.Nodes[1] = GraphNode{100, 30, 25, 20};
       }},
  };
  for (const auto& c : cases) {
    SensorStateGraph graph = Fixture();
    c.ends(graph);
    SensorStateGraph expected = graph;
    c.expected(expected);
    EXPECT_EQ(InterpolatedNodes(graph, c.range, Rules()), expected) << c.what;
  }
}

TEST_F(NodeTableTest, InterpolationIsRefusedAsAWhole) {
  SensorStateGraph graph = Fixture();
  graph.Nodes[1].SS = 20;
  graph.Nodes[5].SS = 40;
  const struct {
    const char* what;
    InterpolationRange range;
    std::string message;
  } cases[] = {
      // The second spark reaches the primary spark at 30 at node 4 (row 3), after node 3 was fine.
      {"a value that breaks a rule", {1, 5, {2}}, At(GetErrorMessage(ErrNodesTooCloseAngle), "node 4, 2nd Spark")},
      {"no row between",
       {2, 3, {1}},
       "Select a first and a last row with at least one row between them to interpolate."},
      {"no angle column", {1, 5, {}}, "Select the angles to interpolate: cells of the Coil On or Spark columns."},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MessageOf([&] { InterpolatedNodes(graph, c.range, Rules()); }), c.message) << c.what;
}

TEST_F(NodeTableTest, ASelectionInterpolatesItsColumnsOrEveryPlotForWholeRows) {
  SensorStateGraph graph = Fixture();
  graph.NumSparks = 1;  // columns RPM, Coil On, 1st Spark
  const struct {
    const char* what;
    std::vector<TableCell> cells;
    InterpolationRange range;
  } cases[] = {
      {"one column", {{5, 2}, {1, 2}, {3, 2}}, {1, 5, {1}}},
      {"the RPM column is not interpolated", {{1, 0}, {1, 1}, {4, 0}, {4, 1}}, {1, 4, {0}}},
      {"a whole row", {{2, 0}, {2, 1}, {2, 2}, {6, 1}}, {2, 6, {0, 1}}},
      {"nothing", {}, {0, 0, {}}},
  };
  for (const auto& c : cases) EXPECT_EQ(InterpolationRangeOf(graph, c.cells), c.range) << c.what;
}

}  // namespace
}  // namespace curvedesk
