#pragma once

#include "core/model/CurveData.h"

namespace curvedesk::testing {

// A finished two-state curve: four-stroke, four cylinders, crank rotor, coil per spark, tach 4,
// digital sensor 1. Graph 0 has four nodes and three sparks with a rev limit and RPM switch 1;
// graph 1 has ten nodes and one spark.
inline CurveData TwoStateCurve() {
  CurveData curve;
  ClearCurve(curve, MakeDefaultGraph());
  curve.Name = "Korvane Tarvo GT-1";
  curve.RotorPos = kRotorCrank;
  curve.NumSensorStates = 2;
  curve.Sensor1Type = kSensorDigital;

  SensorStateGraph& first = curve.Graphs[0];
  first.NumTransitions = 4;
  first.NumSparks = 3;
  first.RevLimit = 6000;
  first.RpmSw1Start = 2000;
  first.RpmSw1Stop = 5000;
  first.RPM = {0, 1000, 3000, 5500, 6000, 6500, 7000, 7500, 8000, 8500};
  first.Nodes = {GraphNode{60, 30, 20, 10}, GraphNode{80, 35, 25, 15}, GraphNode{120, 40, 30, 20},
                 GraphNode{150, 45, 35, 25}};

  SensorStateGraph& second = curve.Graphs[1];
  second.NumSparks = 1;
  second.NumTransitions = 10;
  for (int node = 0; node < kMaxNodes; ++node) {
    second.RPM[static_cast<std::size_t>(node)] = static_cast<std::int16_t>(node * 1000);
    second.Nodes[static_cast<std::size_t>(node)] =
        GraphNode{static_cast<std::int16_t>(40 + 10 * node), static_cast<std::int16_t>(10 + 5 * node), 0, 0};
  }
  return curve;
}

}  // namespace curvedesk::testing
