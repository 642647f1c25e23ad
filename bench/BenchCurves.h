#pragma once

#include "core/model/CurveData.h"

namespace curvedesk::bench {

// Four sensor states with both sensors analog, ten nodes and three sparks each: every slot and
// node block carries its own values.
inline CurveData FourStateCurve() {
  CurveData curve;
  ClearCurve(curve, MakeDefaultGraph());
  curve.RotorPos = kRotorCrank;
  curve.NumSensorStates = 4;
  curve.Sensor1Type = kSensorAnalog;
  curve.Sensor1Volt = Currency::FromTenths(25);
  curve.Sensor2Type = kSensorAnalog;
  curve.Sensor2Volt = Currency::FromTenths(40);
  for (std::size_t g = 0; g < 4; ++g) {
    SensorStateGraph& graph = curve.Graphs[g];
    graph.RevLimit = static_cast<std::int16_t>(9000 + 500 * g);
    for (std::size_t n = 0; n < 10; ++n) {
      graph.RPM[n] = static_cast<std::int16_t>(n * 800);
      const auto spark = static_cast<std::int16_t>(20 + 4 * n + g);
      graph.Nodes[n] = GraphNode{static_cast<std::int16_t>(60 + 10 * n), spark, static_cast<std::int16_t>(spark - 6),
                                 static_cast<std::int16_t>(spark - 12)};
    }
  }
  return curve;
}

}  // namespace curvedesk::bench
