#pragma once

#include <functional>

#include "core/model/CurveData.h"

namespace curvedesk {

// What a drag needs to know beyond the graph: the curve's fallback RPM and the coil saturation
// limit (the largest coil-on span in degrees) at a given RPM.
struct DragRules {
  int curveFallback = 200;
  std::function<int(int rpm)> coilOnLimit;
};

// Snaps and clamps a dragged node into the region the curve rules allow, changing rpm and angle in
// place. A drag never fails: a move the rules cannot place anywhere puts back the stored values.
void ClampDraggedNode(const SensorStateGraph& graph, int plot, int node, int& rpm, int& angle, const DragRules& rules);

// The rev limit for the rev-limit line dragged to RPM rpm: on the 50 RPM grid, at most 12,500,
// at least CurveFallback + 50 per node and at least the last node's RPM.
int ClampDraggedRevLimit(const SensorStateGraph& graph, int curveFallback, int rpm);

}  // namespace curvedesk
