#pragma once

#include <cstdint>

#include "core/model/CurveData.h"

namespace curvedesk {

// Plot numbering: 0 coil on, 1 primary spark, 2 second spark, 3 third spark.
inline constexpr int kPlotCoilOn = 0;
inline constexpr int kPlotPrimarySpark = 1;
inline constexpr int kPlots = 4;

// The angle of one plot at one node.
inline std::int16_t& PlotAngle(GraphNode& node, int plot) {
  switch (plot) {
    case 0: return node.CO;
    case 1: return node.PS;
    case 2: return node.SS;
    default: return node.TS;
  }
}
inline std::int16_t PlotAngle(const GraphNode& node, int plot) {
  switch (plot) {
    case 0: return node.CO;
    case 1: return node.PS;
    case 2: return node.SS;
    default: return node.TS;
  }
}

// The last plot in use is the plot numbered NumSparks.
inline int LastPlotInUse(const SensorStateGraph& graph) { return graph.NumSparks; }
inline int LastNodeInUse(const SensorStateGraph& graph) { return graph.NumTransitions - 1; }

}  // namespace curvedesk
