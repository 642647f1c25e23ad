#pragma once

#include "core/model/CurveData.h"
#include "core/model/CurveRules.h"

namespace curvedesk {

// Snaps and clamps a dragged node into the region the curve rules allow, changing rpm and angle in
// place: the node keeps its RPM order and spacing, its plots stay 5 degrees apart, coil on stays on
// its 10 degree grid, the primary spark at 75 or below and the coil-on span within the saturation
// limit at the new RPM. A drag never fails: a move the rules cannot place anywhere puts back the
// stored values.
void ClampDraggedNode(const SensorStateGraph& graph, int plot, int node, int& rpm, int& angle,
                      const CurveRuleContext& rules);

// The rev limit for the rev-limit line dragged to RPM rpm: on the 50 RPM grid, at most 12,500,
// at least CurveFallback + 50 per node and at least the last node's RPM.
int ClampDraggedRevLimit(const SensorStateGraph& graph, int curveFallback, int rpm);

}  // namespace curvedesk
