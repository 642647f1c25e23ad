#pragma once

#include <vector>

#include "core/graph/NodeTable.h"
#include "core/model/CurveData.h"
#include "core/model/CurveRules.h"

namespace curvedesk {

// Which nodes and plots an interpolation sets: the nodes between firstRow and lastRow (both kept),
// on the plots listed.
struct InterpolationRange {
  int firstRow = 0;
  int lastRow = 0;
  std::vector<int> plots;

  friend bool operator==(const InterpolationRange&, const InterpolationRange&) = default;
};

// The range a selection of table cells asks for: from its first to its last row, over the plots of
// its angle columns, or over every plot in use when a whole row is selected.
InterpolationRange InterpolationRangeOf(const SensorStateGraph& graph, const std::vector<TableCell>& cells);

// The graph with the angles of the nodes between the range's first and last row set on a straight
// line, in RPM, between the angles of those two rows, each rounded to the nearest step of its plot
// (10 degrees for coil on, 1 for sparks; halves up). The finished graph is checked as a whole
// (CheckChangedNodes): either every value is set or a RefusedWithMessage names the first broken
// rule and the graph is left alone.
SensorStateGraph InterpolatedNodes(const SensorStateGraph& graph, const InterpolationRange& range,
                                   const CurveRuleContext& rules);

}  // namespace curvedesk
