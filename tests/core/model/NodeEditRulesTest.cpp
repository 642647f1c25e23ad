#include <gtest/gtest.h>

#include <functional>

#include "core/common/ErrorMessages.h"
#include "core/model/NodeEditRules.h"
#include "support/ErrorOf.h"

namespace curvedesk {
namespace {

using testing::MessageOf;

// Node 4 at 2,000 RPM with coil on 100 and the third spark at 20: a span of 80. Up to 2,000 RPM the
// coil allows 350 degrees, from 2,050 on only 72.
class NodeEditRulesTest : public ::testing::Test {
 protected:
  NodeEditRulesTest() {
    graph.Nodes[4] = GraphNode{100, 40, 30, 20};
    for (std::size_t row = 0; row < limits.Rows.size(); ++row) limits.Rows[row].Percent = row < 2 ? 100 : 20;
  }
  CurveRuleContext Rules() const { return CurveRuleContext{200, kSparkDistCoil, 4, limits}; }

  SensorStateGraph graph = MakeDefaultGraph();
  CoilLimitTable limits;
};

TEST_F(NodeEditRulesTest, ANewRpmIsCheckedOnEveryPlotWhicheverPlotItWasTypedFor) {
  const SensorStateGraph before = graph;
  const struct {
    const char* what;
    std::function<void()> edit;
    std::string message;
  } refused[] = {
      // The node dialog's own rules look at the second spark only, which the limit does not hold.
      {"the dialog of a spark between", [&] { SetNodeOnEveryPlot(graph, 2, 4, 2050, 30, Rules()); },
       GetErrorMessage(ErrNodeSaturation)},
      {"the RPM column", [&] { SetNodeRpm(graph, 4, 2100, Rules()); }, GetErrorMessage(ErrNodeSaturation)},
      {"the RPM column off the grid", [&] { SetNodeRpm(graph, 4, 1990, Rules()); }, GetErrorMessage(ErrRpmMultiple)},
      {"an angle below TDC", [&] { SetNodeOnEveryPlot(graph, 3, 4, 2000, -5, Rules()); }, kAngleBelowZeroMessage},
  };
  for (const auto& c : refused) {
    EXPECT_EQ(MessageOf(c.edit), c.message) << c.what;
    EXPECT_EQ(graph, before) << c.what;
  }

  SetNodeRpm(graph, 4, 1800, Rules());
  SetNodeOnEveryPlot(graph, 1, 4, 1850, 45, Rules());
  SensorStateGraph expected = before;
  expected.RPM[4] = 1850;
  expected.Nodes[4].PS = 45;
  EXPECT_EQ(graph, expected);
}

TEST_F(NodeEditRulesTest, ChangedNodesAreCheckedAgainstTheFinishedGraphAndNamed) {
  SensorStateGraph after = graph;
  after.RPM[3] = 1800;  // too close to node 4 at 2,000 ...
  after.RPM[4] = 2100;  // ... until node 4 moves too, where the coil limit is narrower
  EXPECT_EQ(MessageOf([&] { CheckChangedNodes(graph, after, Rules()); }),
            GetErrorMessage(ErrNodeSaturation) + "\r\n\r\nAt node 5, Coil On.");

  after.Nodes[4].CO = 90;  // a span of 70
  EXPECT_EQ(MessageOf([&] { CheckChangedNodes(graph, after, Rules()); }), "");

  // A node that breaks a rule but did not change is not the edit's doing.
  SensorStateGraph damaged = graph;
  damaged.Nodes[7].CO = 35;
  SensorStateGraph edited = damaged;
  edited.Nodes[2].PS = 12;
  EXPECT_EQ(MessageOf([&] { CheckChangedNodes(damaged, edited, Rules()); }), "");
}

}  // namespace
}  // namespace curvedesk
