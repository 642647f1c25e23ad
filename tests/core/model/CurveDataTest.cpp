#include <gtest/gtest.h>

#include "core/model/AppContext.h"
#include "core/model/CurveData.h"

namespace curvedesk {
namespace {

TEST(DefaultGraph, IsTheUntouchedTemplate) {
  const SensorStateGraph graph = MakeDefaultGraph();
  EXPECT_EQ(graph.GraphInfo, "");
  for (auto value : {graph.RpmSw1Start, graph.RpmSw1Stop, graph.RpmSw2Start, graph.RpmSw2Stop, graph.RevLimit})
    EXPECT_EQ(value, -1);
  EXPECT_EQ(graph.NumSparks, 3);
  EXPECT_EQ(graph.NumTransitions, 10);
  const std::array<std::int16_t, 10> rpm = {0, 500, 1000, 1500, 2000, 2500, 3000, 3500, 4000, 5000};
  EXPECT_EQ(graph.RPM, rpm);
  for (const GraphNode& node : graph.Nodes) EXPECT_EQ(node, (GraphNode{20, 10, 5, 0}));
}

TEST(ClearCurve, ResetsEverythingButNameCylinderTextAndCoil) {
  const SensorStateGraph defaultGraph = MakeDefaultGraph();
  CurveData curve;
  curve.Name = "Korvane Tarvo GT-1";
  curve.CustType = "6";
  curve.CoilType = "ZNQ";
  curve.IgnitionIndex = 3;
  curve.EngineType = 2;
  curve.SparkDist = 1;
  curve.RotorPos = 1;
  curve.NumCylinders = 6;
  curve.TachType = 6;
  curve.CurveFallback = 500;
  curve.NumSensorStates = 4;
  curve.Sensor1Type = 2;
  curve.Sensor1Volt = Currency::FromScaled(25000);
  curve.Sensor2Type = 1;
  curve.Sensor2Volt = Currency::FromScaled(10000);
  curve.Graphs[2].RevLimit = 7000;
  curve.Graphs[3].GraphInfo = "note";

  ClearCurve(curve, defaultGraph);

  EXPECT_EQ(curve.Name, "Korvane Tarvo GT-1");
  EXPECT_EQ(curve.CustType, "6");
  EXPECT_EQ(curve.CoilType, "ZNQ");
  EXPECT_EQ(curve.IgnitionIndex, 1);
  EXPECT_EQ(curve.EngineType, 4);
  EXPECT_EQ(curve.SparkDist, 0);
  EXPECT_EQ(curve.RotorPos, 0);
  EXPECT_EQ(curve.NumCylinders, 4);
  EXPECT_EQ(curve.TachType, 4);
  EXPECT_EQ(curve.CurveFallback, 200);
  EXPECT_EQ(curve.NumSensorStates, 1);
  EXPECT_EQ(curve.Sensor1Type, 0);
  EXPECT_EQ(curve.Sensor1Volt, Currency{});
  EXPECT_EQ(curve.Sensor2Type, 0);
  EXPECT_EQ(curve.Sensor2Volt, Currency{});
  for (const auto& graph : curve.Graphs) EXPECT_EQ(graph, defaultGraph);
}

}  // namespace
}  // namespace curvedesk
