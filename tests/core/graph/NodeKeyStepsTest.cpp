#include <gtest/gtest.h>

#include <functional>

#include "core/common/ErrorMessages.h"
#include "core/graph/NodeKeySteps.h"
#include "core/model/NodeEditRules.h"
#include "support/ErrorOf.h"

namespace curvedesk {
namespace {

using testing::MessageOf;

CoilLimitTable Percent(int percent) {
  CoilLimitTable table;
  for (CoilLimitRow& row : table.Rows) row.Percent = percent;
  return table;
}

// 100 % up to 2,000 RPM (350 degrees of span), 20 % above (72 degrees).
CoilLimitTable NarrowAbove2000() {
  CoilLimitTable table = Percent(100);
  for (std::size_t row = 2; row < table.Rows.size(); ++row) table.Rows[row].Percent = 20;
  return table;
}

// The default graph (nodes 0, 500 ... 4000, 5000 RPM; 20, 10, 5, 0 degrees) with node 4 at 2000 RPM
// moved up to coil on 100, primary 40, second 30, third 20.
SensorStateGraph Fixture() {
  SensorStateGraph graph = MakeDefaultGraph();
  graph.Nodes[4] = GraphNode{100, 40, 30, 20};
  return graph;
}

std::string Message(ErrorNumber error) { return GetErrorMessage(error); }

TEST(StepNode, MovesOneStepOfThePlotsGridOrRefusesWithTheRulesMessage) {
  const CoilLimitTable wide = Percent(100);
  const CoilLimitTable narrow = Percent(25);  // 90 degrees of span
  const CoilLimitTable narrowAbove2000 = NarrowAbove2000();
  const struct {
    const char* what;
    std::function<void(SensorStateGraph&)> arrange;
    const CoilLimitTable& limits;
    NodeRef node;
    NodeKey key;
    bool shift;
    int rpm, angle;       // the node afterwards
    std::string message;  // the refusal, empty when the press is taken
  } cases[] = {
      {"Up moves a spark 1 degree", {}, wide, {1, 4}, NodeKey::Up, false, 2000, 41, ""},
      {"Shift+Up moves it 10", {}, wide, {1, 4}, NodeKey::Up, true, 2000, 50, ""},
      {"Down moves coil on 10 degrees", {}, wide, {0, 4}, NodeKey::Down, false, 2000, 90, ""},
      {"Shift+Up moves coil on 100", {}, wide, {0, 4}, NodeKey::Up, true, 2000, 200, ""},
      {"Right moves the node 50 RPM", {}, wide, {2, 3}, NodeKey::Right, false, 1550, 5, ""},
      {"Shift+Left moves it 500", {}, wide, {1, 9}, NodeKey::Left, true, 4500, 10, ""},
      {"coil on past 240",
       [](SensorStateGraph& g) { g.Nodes[4].CO = 240; },
       wide,
       {0, 4},
       NodeKey::Up,
       false,
       2000,
       240,
       Message(ErrAngleMax)},
      {"ten steps past the plot below", {}, wide, {0, 4}, NodeKey::Down, true, 2000, 100, Message(ErrAngleOrder)},
      {"closer than 5 degrees to the plot above",
       [](SensorStateGraph& g) { g.Nodes[4].SS = 35; },
       wide,
       {2, 4},
       NodeKey::Up,
       false,
       2000,
       35,
       Message(ErrNodesTooCloseAngle)},
      {"the primary spark past 75",
       [](SensorStateGraph& g) { g.Nodes[4].PS = 75; },
       wide,
       {1, 4},
       NodeKey::Up,
       false,
       2000,
       75,
       Message(ErrPrimarySparkMax)},
      {"the last spark below TDC", {}, wide, {3, 0}, NodeKey::Down, false, 0, 0, kAngleBelowZeroMessage},
      {"the first node sideways", {}, wide, {1, 0}, NodeKey::Left, false, 0, 10, Message(ErrFirstNodeRpm)},
      {"onto the next node", {}, wide, {1, 3}, NodeKey::Right, true, 1500, 10, Message(ErrNodesTooCloseRpm)},
      {"past the rev limit",
       [](SensorStateGraph& g) { g.RevLimit = 5000; },
       wide,
       {1, 9},
       NodeKey::Right,
       false,
       5000,
       10,
       Message(ErrRpmOverRevLimit)},
      {"past 12,500",
       [](SensorStateGraph& g) { g.RPM[9] = 12500; },
       wide,
       {1, 9},
       NodeKey::Right,
       false,
       12500,
       10,
       Message(ErrRpmMax)},
      // Coil on 100 and third spark 20 span 80 of the 90 allowed.
      {"coil on up to the saturation limit", {}, narrow, {0, 4}, NodeKey::Up, false, 2000, 110, ""},
      {"coil on past the saturation limit",
       [](SensorStateGraph& g) { g.Nodes[4].CO = 110; },
       narrow,
       {0, 4},
       NodeKey::Up,
       false,
       2000,
       110,
       Message(ErrNodeSaturation)},
      {"the last spark past the saturation limit",
       [](SensorStateGraph& g) { g.Nodes[4].CO = 110; },
       narrow,
       {3, 4},
       NodeKey::Down,
       false,
       2000,
       20,
       Message(ErrNodeSaturation)},
      // A drag takes these: it holds only moves that widen the span.
      {"narrowing a span over the limit",
       [](SensorStateGraph& g) { g.Nodes[4].CO = 200; },
       narrow,
       {0, 4},
       NodeKey::Down,
       false,
       2000,
       190,
       ""},
      // A drag keeps coil on more than 5 above the primary spark; the node dialog takes exactly 5.
      {"coil on 5 above the primary spark",
       [](SensorStateGraph& g) {
         g.Nodes[4] = GraphNode{30, 15, 10, 5};
       },
       wide,
       {0, 4},
       NodeKey::Down,
       false,
       2000,
       20,
       ""},
      // The span of 80 at 2,000 RPM is too long for the 72 allowed from 2,050 on, whichever plot moves.
      {"sideways into a narrower saturation limit",
       {},
       narrowAbove2000,
       {2, 4},
       NodeKey::Right,
       false,
       2000,
       30,
       Message(ErrNodeSaturation)},
      {"sideways within it", {}, narrowAbove2000, {2, 4}, NodeKey::Left, false, 1950, 30, ""},
  };
  for (const auto& c : cases) {
    SensorStateGraph graph = Fixture();
    if (c.arrange) c.arrange(graph);
    const SensorStateGraph before = graph;
    const CurveRuleContext rules{200, kSparkDistCoil, 4, c.limits};
    EXPECT_EQ(MessageOf([&] { StepNode(graph, c.node, c.key, c.shift, rules); }), c.message) << c.what;
    EXPECT_EQ(graph.RPM[c.node.node], c.rpm) << c.what;
    EXPECT_EQ(PlotAngle(graph.Nodes[c.node.node], c.node.plot), c.angle) << c.what;
    if (!c.message.empty()) {
      EXPECT_EQ(graph, before) << c.what;
    }
  }
}

TEST(StepNode, ARpmStepMovesTheNodeOnEveryPlotAndNothingElse) {
  SensorStateGraph graph = Fixture();
  const CoilLimitTable wide = Percent(100);
  StepNode(graph, {3, 4}, NodeKey::Right, false, CurveRuleContext{200, kSparkDistCoil, 4, wide});
  SensorStateGraph expected = Fixture();
  expected.RPM[4] = 2050;
  EXPECT_EQ(graph, expected);
}

TEST(NextShownNode, GoesPlotByPlotNodeByNodeAndRoundTheEnds) {
  SensorStateGraph graph = MakeDefaultGraph();
  graph.NumSparks = 1;
  graph.NumTransitions = 3;
  const struct {
    std::optional<NodeRef> from;
    bool forward;
    NodeRef to;
  } cases[] = {
      {NodeRef{0, 0}, true, {0, 1}},  {NodeRef{0, 2}, true, {1, 0}},  {NodeRef{1, 2}, true, {0, 0}},
      {NodeRef{1, 0}, false, {0, 2}}, {NodeRef{0, 0}, false, {1, 2}}, {std::nullopt, true, {0, 0}},
      {std::nullopt, false, {1, 2}},  {NodeRef{3, 1}, true, {0, 0}},  // a plot no longer in use
  };
  for (const auto& c : cases) {
    const NodeRef to = NextShownNode(graph, c.from, c.forward);
    EXPECT_EQ(to, c.to) << (c.from ? c.from->plot : -1) << "/" << (c.from ? c.from->node : -1) << " "
                        << (c.forward ? "Tab" : "Shift+Tab");
  }
}

}  // namespace
}  // namespace curvedesk
