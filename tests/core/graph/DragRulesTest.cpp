#include <gtest/gtest.h>

#include "core/graph/DragRules.h"

namespace curvedesk {
namespace {

// Coil per spark (a firing span of 360 degrees) with one percentage in every RPM range: 100 % allows
// 350 degrees (the span - 10), 25 % allows 90 and 17 % allows 61.
CoilLimitTable Percent(int percent) {
  CoilLimitTable table;
  for (CoilLimitRow& row : table.Rows) row.Percent = percent;
  return table;
}

CurveRuleContext Rules(const CoilLimitTable& table) {
  return CurveRuleContext{200, kSparkDistCoil, 4, table};
}

struct NodeDrag {
  const char* what;
  int plot, node;
  int wantedRpm, wantedAngle;
  int rpm, angle;
};

// The default graph (nodes 0, 500 ... 4000, 5000 RPM; 20, 10, 5, 0 degrees) with node 4 at 2000 RPM
// moved up to coil on 100, primary 40, second 30, third 20.
SensorStateGraph Fixture() {
  SensorStateGraph graph = MakeDefaultGraph();
  graph.Nodes[4] = GraphNode{100, 40, 30, 20};
  return graph;
}

TEST(ClampDraggedNode, KeepsNodesOnTheGridInOrderAndSpaced) {
  const NodeDrag cases[] = {
      {"node 0 stays at 0 RPM", 1, 0, 700, 10, 0, 10},
      {"node 0 moves up and down", 1, 0, 0, 12, 0, 12},
      {"RPM snaps down to 50", 1, 4, 2049, 40, 2000, 40},
      {"stops fallback + 50 after the previous node", 1, 4, 1100, 40, 1750, 40},
      {"stops fallback + 50 before the next node", 1, 4, 2400, 40, 2250, 40},
      {"the last node stops at 12,500 without a rev limit", 1, 9, 12998, 10, 12500, 10},
      {"the last node may not pass the previous one", 1, 9, 3000, 10, 4250, 10},
      {"angles stay 5 below the plot above", 2, 4, 2000, 39, 2000, 35},
      {"angles stay 5 above the plot below", 2, 4, 2000, 21, 2000, 25},
      {"the primary spark stops at 75", 1, 4, 2000, 90, 2000, 75},
      {"the primary spark stops 5 below coil on when that is lower", 1, 2, 1000, 40, 1000, 15},
      {"coil on moves in steps of 10", 0, 4, 2000, 117, 2000, 110},
      {"coil on stays more than 5 above the primary spark", 0, 4, 2000, 45, 2000, 50},
      {"coil on stops at 240", 0, 4, 2000, 240, 2000, 240},
      {"the last spark stops at 0", 3, 4, 2000, 0, 2000, 0},
  };
  const CoilLimitTable wide = Percent(100);
  for (const NodeDrag& c : cases) {
    const SensorStateGraph graph = Fixture();
    int rpm = c.wantedRpm;
    int angle = c.wantedAngle;
    ClampDraggedNode(graph, c.plot, c.node, rpm, angle, Rules(wide));
    EXPECT_EQ(rpm, c.rpm) << c.what;
    EXPECT_EQ(angle, c.angle) << c.what;
  }
}

TEST(ClampDraggedNode, TheLastNodeStopsAtTheRevLimit) {
  SensorStateGraph graph = Fixture();
  graph.RevLimit = 9000;
  int rpm = 9600;
  int angle = 10;
  ClampDraggedNode(graph, 1, 9, rpm, angle, Rules(Percent(100)));
  EXPECT_EQ(rpm, 9000);
}

TEST(ClampDraggedNode, WithPrimarySparkAt15TheLowestCoilOnIs30) {
  SensorStateGraph graph = Fixture();
  graph.Nodes[4] = GraphNode{60, 15, 10, 5};
  for (int wanted : {0, 20, 25, 29, 30, 31, 39}) {
    int rpm = 2000;
    int angle = wanted;
    ClampDraggedNode(graph, 0, 4, rpm, angle, Rules(Percent(100)));
    EXPECT_EQ(angle, 30) << wanted;
  }
}

TEST(ClampDraggedNode, CoilSaturationLimitsTheSpanFromCoilOnToTheLastSpark) {
  const NodeDrag cases[] = {
      // Span limit 90: the third spark may go down to 100 - 90 = 10.
      {"the last spark stops at the limit", 3, 4, 2000, 0, 2000, 10},
      {"coil on stops at the last spark + limit", 0, 4, 2000, 200, 2000, 110},
      {"the limit holds only for moves that widen the span", 3, 4, 2000, 25, 2000, 25},
      {"plots between are not limited", 2, 4, 2000, 25, 2000, 25},
  };
  for (const NodeDrag& c : cases) {
    const SensorStateGraph graph = Fixture();
    int rpm = c.wantedRpm;
    int angle = c.wantedAngle;
    ClampDraggedNode(graph, c.plot, c.node, rpm, angle, Rules(Percent(25)));
    EXPECT_EQ(rpm, c.rpm) << c.what;
    EXPECT_EQ(angle, c.angle) << c.what;
  }
}

TEST(ClampDraggedNode, TheLimitIsTakenAtTheNewRpm) {
  const SensorStateGraph graph = Fixture();
  CoilLimitTable table = Percent(100);
  table.Rows[2].Percent = 20;  // 2,050 to 3,000 RPM: 72 degrees
  int rpm = 2200;
  int angle = 0;
  ClampDraggedNode(graph, 3, 4, rpm, angle, Rules(table));
  EXPECT_EQ(rpm, 2200);
  EXPECT_EQ(angle, 28);  // coil on 100 - 72; at the stored 2,000 RPM it could have gone down to 0
}

TEST(ClampDraggedNode, AMoveTheLimitCannotPlaceIsDropped) {
  // Coil on 100, second spark 30: a limit of 61 wants the third spark at 39 or higher, above the
  // second spark, so the node keeps its RPM and angle.
  const SensorStateGraph graph = Fixture();
  int rpm = 2100;
  int angle = 10;
  ClampDraggedNode(graph, 3, 4, rpm, angle, Rules(Percent(17)));
  EXPECT_EQ(rpm, 2000);
  EXPECT_EQ(angle, 20);
}

TEST(ClampDraggedNode, WithOneSparkThePrimaryIsTheLastPlot) {
  SensorStateGraph graph = Fixture();
  graph.NumSparks = 1;
  const NodeDrag cases[] = {
      {"the primary may go down to 0", 1, 4, 2000, 0, 2000, 0},
      {"and is held by the coil limit", 1, 6, 3000, 0, 3000, 9},
  };
  CoilLimitTable table = Percent(100);
  table.Rows[2].Percent = 3;  // 2,050 to 3,000 RPM: 11 degrees below coil on at 20
  for (const NodeDrag& c : cases) {
    int rpm = c.wantedRpm;
    int angle = c.wantedAngle;
    ClampDraggedNode(graph, c.plot, c.node, rpm, angle, Rules(table));
    EXPECT_EQ(rpm, c.rpm) << c.what;
    EXPECT_EQ(angle, c.angle) << c.what;
  }
}

TEST(ClampDraggedRevLimit, StaysBetweenTheLowestAllowedAnd12500) {
  SensorStateGraph tenNodes = MakeDefaultGraph();  // last node at 5,000
  SensorStateGraph twoNodes = MakeDefaultGraph();
  twoNodes.NumTransitions = 2;  // last node at 500
  const struct {
    const SensorStateGraph* graph;
    int fallback;
    int wanted;
    int value;
  } cases[] = {
      {&tenNodes, 200, 3000, 5000},   // the last node's RPM is higher than 200 + 10 * 50
      {&tenNodes, 200, 7033, 7000},   // multiples of 50, rounded down
      {&tenNodes, 200, 12998, 12500},
      {&twoNodes, 200, 0, 500},       // 200 + 2 * 50 = 300 is below the last node
      {&twoNodes, 800, 0, 900},       // 800 + 2 * 50 is above it
      {&twoNodes, 800, 950, 950},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ClampDraggedRevLimit(*c.graph, c.fallback, c.wanted), c.value)
        << c.wanted << " with fallback " << c.fallback;
}

}  // namespace
}  // namespace curvedesk
