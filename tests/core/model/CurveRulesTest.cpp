#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/common/ErrorMessages.h"
#include "core/model/CurveRules.h"
#include "support/ErrorOf.h"

namespace curvedesk {
namespace {

using testing::ErrorOf;

// Five nodes 1000 RPM apart, three sparks well apart, no rev limit.
SensorStateGraph SampleGraph() {
  SensorStateGraph graph = MakeDefaultGraph();
  graph.NumTransitions = 5;
  graph.RPM = {0, 1000, 2000, 3000, 4000, 0, 0, 0, 0, 0};
  graph.Nodes.fill(GraphNode{100, 40, 30, 20});
  return graph;
}

CoilLimitTable TableWithPercent(int percent) {
  CoilLimitTable table;
  for (auto& row : table.Rows) row.Percent = percent;
  return table;
}

const CoilLimitTable kFullLimits = TableWithPercent(100);

struct NodeCase {
  const char* name;
  std::function<void(SensorStateGraph&)> prepare;
  int plot, node, rpm, angle;
  ErrorNumber expected;  // 0: accepted
  int sparkDist = kSparkDistCoil;
  int numCylinders = 4;
};

TEST(SetGraphNode, RulesInTheirOrder) {
  const auto none = [](SensorStateGraph&) {};
  const auto revLimit9000 = [](SensorStateGraph& g) { g.RevLimit = 9000; };
  const auto oneSpark = [](SensorStateGraph& g) {
    g.NumSparks = 1;
    g.Nodes[2] = GraphNode{70, 40, 0, 0};
  };
  const std::vector<NodeCase> cases = {
      {"plain change", none, 1, 2, 2000, 45, 0},
      {"no rev limit: 12,500 accepted", none, 1, 4, 12500, 40, 0},
      {"no rev limit: 12,550 refused", none, 1, 4, 12550, 40, ErrRpmMax},
      {"on the rev limit", revLimit9000, 1, 4, 9000, 40, 0},
      {"past the rev limit", revLimit9000, 1, 4, 9050, 40, ErrRpmOverRevLimit},
      {"rev limit above the ceiling still caps at 12,500", [](SensorStateGraph& g) { g.RevLimit = 13000; }, 1, 4, 12550,
       40, ErrRpmMax},
      {"240 degrees", none, 0, 1, 1000, 240, 0},
      {"241 degrees", none, 0, 1, 1000, 241, ErrAngleMax},
      {"angle checked before the RPM grid", none, 0, 1, 1025, 241, ErrAngleMax},
      {"off the RPM grid", none, 1, 1, 1025, 40, ErrRpmMultiple},
      {"first node off zero", none, 1, 0, 50, 40, ErrFirstNodeRpm},
      {"first node: grid before zero rule", none, 1, 0, 25, 40, ErrRpmMultiple},
      {"gap exactly fallback + 50", none, 1, 1, 250, 40, 0},
      {"gap below fallback + 50 to the previous node", none, 1, 1, 200, 40, ErrNodesTooCloseRpm},
      {"gap below fallback + 50 to the next node", none, 1, 1, 1800, 40, ErrNodesTooCloseRpm},
      {"past the previous node", none, 1, 2, 900, 40, ErrRpmOrder},
      {"past the next node", none, 1, 1, 2500, 40, ErrRpmOrder},
      {"last node checks only the previous node", none, 1, 4, 12000, 40, 0},
      {"last node too close to the previous", none, 1, 4, 3200, 40, ErrNodesTooCloseRpm},
      {"nodes past the last in use are ignored", [](SensorStateGraph& g) { g.RPM[5] = 4100; }, 1, 4, 4050, 40, 0},
      {"coil on off the 10 degree grid", none, 0, 1, 1000, 35, ErrCoilOnMultiple},
      {"primary spark 75", none, 1, 1, 1000, 75, 0},
      {"primary spark 76", none, 1, 1, 1000, 76, ErrPrimarySparkMax},
      {"coil on onto the primary spark", none, 0, 1, 1000, 40, ErrNodesTooCloseAngle},
      {"coil on below the primary spark", none, 0, 1, 1000, 30, ErrAngleOrder},
      {"middle spark too close above", none, 2, 1, 1000, 38, ErrNodesTooCloseAngle},
      {"middle spark above the plot above", none, 2, 1, 1000, 45, ErrAngleOrder},
      {"middle spark too close below", none, 2, 1, 1000, 22, ErrNodesTooCloseAngle},
      {"middle spark below the plot below", none, 2, 1, 1000, 15, ErrAngleOrder},
      {"last spark too close", none, 3, 1, 1000, 28, ErrNodesTooCloseAngle},
      {"last spark above the plot above", none, 3, 1, 1000, 35, ErrAngleOrder},
      {"one spark: primary is the last plot", oneSpark, 1, 2, 2000, 68, ErrNodesTooCloseAngle},
      {"one spark: primary below coil on", oneSpark, 1, 2, 2000, 65, 0},
      {"distributor with 5 cylinders refuses even a middle spark", none, 2, 1, 1000, 35, ErrNodeSaturation,
       kSparkDistDistributor, 5},
      {"16-bit overflow is a program error", none, 1, 1, 70000, 40, ErrGeneric},
      {"plot not in use", [](SensorStateGraph& g) { g.NumSparks = 2; }, 3, 1, 1000, 10, ErrGeneric},
      {"node not in use", none, 1, 5, 5000, 40, ErrGeneric},
  };
  for (const NodeCase& c : cases) {
    SCOPED_TRACE(c.name);
    SensorStateGraph graph = SampleGraph();
    c.prepare(graph);
    const SensorStateGraph before = graph;
    const CurveRuleContext rules{200, c.sparkDist, c.numCylinders, kFullLimits};
    EXPECT_EQ(ErrorOf([&] { SetGraphNode(graph, c.plot, c.node, c.rpm, c.angle, rules); }), c.expected);
    if (c.expected != 0) {
      EXPECT_EQ(graph, before);
    } else {
      EXPECT_EQ(graph.RPM[static_cast<std::size_t>(c.node)], c.rpm);
      EXPECT_EQ(PlotAngle(graph.Nodes[static_cast<std::size_t>(c.node)], c.plot), c.angle);
    }
  }
}

TEST(SetGraphNode, CoilSaturationAtTheNodesRpm) {
  CoilLimitTable limits = kFullLimits;
  limits.Rows[2].Percent = 40;  // 2050..3000 RPM: 360 * 40% = 144 degrees
  const CurveRuleContext rules{200, kSparkDistCoil, 4, limits};
  struct Case {
    int plot, rpm, angle;
    ErrorNumber expected;
  };
  // Node 2 at 2000 RPM sits in the 1050..2000 row (100%); moved to 2500 it falls into the 40% row.
  for (const Case& c : std::vector<Case>{{0, 2500, 160, 0},
                                         {0, 2500, 170, ErrNodeSaturation},
                                         {0, 2000, 170, 0},
                                         {3, 2500, 16, 0},
                                         {2, 2500, 35, 0}}) {
    SCOPED_TRACE(::testing::Message() << "plot " << c.plot << " rpm " << c.rpm << " angle " << c.angle);
    SensorStateGraph graph = SampleGraph();
    graph.Nodes[2].CO = 160;  // span to the third spark: 140
    EXPECT_EQ(ErrorOf([&] { SetGraphNode(graph, c.plot, 2, c.rpm, c.angle, rules); }), c.expected);
  }
  SensorStateGraph graph = SampleGraph();
  graph.Nodes[2].CO = 160;
  EXPECT_EQ(ErrorOf([&] { SetGraphNode(graph, 3, 2, 2500, 15, rules); }), ErrNodeSaturation);
}

TEST(SetGraphNode, StoresOnlyWhenEveryRuleHolds) {
  SensorStateGraph graph = SampleGraph();
  const CurveRuleContext rules{200, kSparkDistCoil, 4, kFullLimits};
  SetGraphNode(graph, 2, 3, 3050, 35, rules);
  EXPECT_EQ(graph.RPM[3], 3050);
  EXPECT_EQ(graph.Nodes[3].SS, 35);
  const SensorStateGraph accepted = graph;
  EXPECT_EQ(ErrorOf([&] { SetGraphNode(graph, 2, 3, 3100, 99, rules); }), ErrAngleOrder);
  EXPECT_EQ(graph, accepted);
}

TEST(SetRevLimit, RefusesLimitsThatCutOffNodes) {
  struct Case {
    const char* name;
    int numTransitions;
    std::int16_t lastRpm;
    int value;
    ErrorNumber expected;
  };
  const std::vector<Case> cases = {
      {"no rev limit", 5, 4000, -1, 0},
      {"exactly on the last node", 5, 4000, 4000, 0},
      {"below the last node", 5, 4000, 3950, ErrRevLimitBelowNode},
      {"exactly fallback + 50 per node", 2, 300, 300, 0},
      {"below fallback + 50 per node", 2, 200, 250, ErrRevLimitTooLow},
      {"too-low rule comes first", 5, 4000, 400, ErrRevLimitTooLow},
      {"above the ceiling", 5, 4000, 12550, ErrRpmMax},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SensorStateGraph graph = SampleGraph();
    graph.RevLimit = 8000;
    graph.NumTransitions = static_cast<std::int16_t>(c.numTransitions);
    graph.RPM[static_cast<std::size_t>(c.numTransitions - 1)] = c.lastRpm;
    EXPECT_EQ(ErrorOf([&] { SetRevLimit(graph, c.value, 200); }), c.expected);
    EXPECT_EQ(graph.RevLimit, c.expected == 0 ? c.value : 8000);
  }
}

TEST(SetNumSparks, MoreSparksAreAddedBelowTheLastPlot) {
  const CurveRuleContext rules{200, kSparkDistCoil, 4, kFullLimits};
  SensorStateGraph graph = SampleGraph();
  graph.NumSparks = 1;
  for (auto& node : graph.Nodes) node = GraphNode{100, 10, 99, 99};
  graph.Nodes[7].PS = 30;  // slots past the last node in use move too
  SetNumSparks(graph, 3, rules);
  EXPECT_EQ(graph.NumSparks, 3);
  EXPECT_EQ(graph.Nodes[0], (GraphNode{100, 10, 5, 0}));
  EXPECT_EQ(graph.Nodes[7], (GraphNode{100, 30, 25, 20}));
}

TEST(SetNumSparks, RefusalsAndFewerSparks) {
  struct Case {
    const char* name;
    int from, to;
    std::int16_t lowestLastPlot;  // in an unused node slot
    int percent;
    ErrorNumber expected;
  };
  const std::vector<Case> cases = {
      {"1 to 3 needs 10 degrees under the primary spark", 1, 3, 8, 100, ErrSparkPlotSpacing},
      {"1 to 3 with exactly 10 degrees", 1, 3, 10, 100, 0},
      {"2 to 3 needs 5 degrees", 2, 3, 5, 100, 0},
      {"2 to 3 with 4 degrees", 2, 3, 4, 100, ErrSparkPlotSpacing},
      // Coil on 100, primary 40: the span grows from 60 to 70; 360 * 19% = 68.
      {"longer span over the saturation limit", 1, 3, 40, 19, ErrSparkConfigSaturation},
      {"longer span within the saturation limit", 1, 3, 40, 20, 0},
      {"fewer sparks only change the count", 3, 1, 0, 0, 0},
      {"count out of range", 1, 4, 40, 100, ErrGeneric},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const CoilLimitTable limits = TableWithPercent(c.percent);
    const CurveRuleContext rules{200, kSparkDistCoil, 4, limits};
    SensorStateGraph graph = SampleGraph();
    graph.NumSparks = static_cast<std::int16_t>(c.from);
    PlotAngle(graph.Nodes[9], c.from) = c.lowestLastPlot;
    const SensorStateGraph before = graph;
    EXPECT_EQ(ErrorOf([&] { SetNumSparks(graph, c.to, rules); }), c.expected);
    if (c.expected != 0) {
      EXPECT_EQ(graph, before);
    } else {
      EXPECT_EQ(graph.NumSparks, c.to);
      if (c.to < c.from) {
        EXPECT_EQ(graph.Nodes, before.Nodes);
      }
    }
  }
}

TEST(SetNumTransitions, AppendsNodesFromTheLastOne) {
  SensorStateGraph graph = MakeDefaultGraph();
  graph.NumTransitions = 8;
  graph.RPM[7] = 8000;
  graph.Nodes[7] = GraphNode{60, 30, 20, 10};
  SetNumTransitions(graph, 10, 200);
  EXPECT_EQ(graph.NumTransitions, 10);
  EXPECT_EQ(graph.RPM[8], 8250);
  EXPECT_EQ(graph.RPM[9], 8500);
  EXPECT_EQ(graph.Nodes[9], graph.Nodes[7]);

  // Lowering then raising rebuilds the added nodes from the last kept node.
  SetNumTransitions(graph, 3, 200);
  EXPECT_EQ(graph.RPM[9], 8500);
  SetNumTransitions(graph, 4, 200);
  EXPECT_EQ(graph.RPM[3], 1250);
  EXPECT_EQ(graph.Nodes[3], graph.Nodes[2]);
}

TEST(SetNumTransitions, RefusesNodesThatDoNotFitBelowTheCeiling) {
  struct Case {
    const char* name;
    std::int16_t revLimit;
    ErrorNumber expected;
  };
  for (const Case& c : std::vector<Case>{{"exactly enough room", 8500, 0},
                                         {"50 RPM short", 8450, ErrNodesDoNotFit},
                                         {"no rev limit: up to 12,500", kNotSet, 0}}) {
    SCOPED_TRACE(c.name);
    SensorStateGraph graph = MakeDefaultGraph();
    graph.NumTransitions = 8;
    graph.RPM[7] = 8000;
    graph.RevLimit = c.revLimit;
    const SensorStateGraph before = graph;
    EXPECT_EQ(ErrorOf([&] { SetNumTransitions(graph, 10, 200); }), c.expected);
    if (c.expected != 0) {
      EXPECT_EQ(graph, before);
    }
  }
  SensorStateGraph graph = MakeDefaultGraph();
  EXPECT_EQ(ErrorOf([&] { SetNumTransitions(graph, 11, 200); }), ErrGeneric);
}

TEST(ValidateRpmValue, MessagesForTypedValues) {
  const std::string below = "RPM value must be greater than or equal to 0.";
  const std::string above = "RPM value must be less than or equal to 12500.";
  const std::string grid = "RPM value must be a multiple of 50.";
  struct Case {
    const char* text;
    std::optional<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"0", std::nullopt},
      {"12500", std::nullopt},
      {" 6000 ", std::nullopt},
      {"12550", above},
      {"1225", grid},
      {"-50", below},
      {"99999999999999999999", above},
      {"-99999999999999999999", below},
      {"12a", grid},
      {"", grid},
  };
  for (const Case& c : cases) EXPECT_EQ(ValidateRpmValue(c.text), c.expected) << "text: " << c.text;
}

TEST(CanChangeCurveFallback, ChecksNeighboursInEveryUsedGraph) {
  CurveData curve;
  ClearCurve(curve, SampleGraph());
  curve.NumSensorStates = 2;
  curve.Graphs[1].RPM[2] = 1300;  // 300 above node 1
  curve.Graphs[2].RPM[1] = 100;   // graph 2 is not in use
  curve.Graphs[0].RPM[6] = 4010;  // node 6 is not in use
  EXPECT_TRUE(CanChangeCurveFallback(curve, 250));
  EXPECT_FALSE(CanChangeCurveFallback(curve, 300));
  EXPECT_EQ(CurveFallbackRefusedMessage(300),
            "The Curve Fallback cannot be changed to 300 because some of the nodes\r\n"
            "on at least one of the Sensor State graphs are not spaced at least\r\n"
            "350 RPM apart.");
}

TEST(IsDefaultGraph, AnyChangedFieldCounts) {
  const SensorStateGraph defaultGraph = MakeDefaultGraph();
  SensorStateGraph graph = defaultGraph;
  EXPECT_TRUE(IsDefaultGraph(graph, defaultGraph));
  graph.Nodes[9].TS = 1;  // a slot of the default's own ten
  EXPECT_FALSE(IsDefaultGraph(graph, defaultGraph));
  graph = defaultGraph;
  graph.GraphInfo = "note";
  EXPECT_FALSE(IsDefaultGraph(graph, defaultGraph));
}

TEST(PrimarySparkMessage, NamesTheLimitTheRuleApplies) {
  EXPECT_EQ(GetErrorMessage(ErrPrimarySparkMax),
            "Primary Spark Crank Angle values must be less than " + std::to_string(kPrimarySparkRefused) + " degrees.");
}

}  // namespace
}  // namespace curvedesk
