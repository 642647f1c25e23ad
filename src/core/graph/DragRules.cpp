#include "core/graph/DragRules.h"

#include <algorithm>

#include "core/graph/PlotAngle.h"

namespace curvedesk {

namespace {

constexpr int kRpmGrid = 50;
constexpr int kCoilOnGrid = 10;
constexpr int kMaxRpm = 12500;
constexpr int kMaxAngle = 240;
constexpr int kPlotGap = 5;
constexpr int kHighestPrimarySpark = 75;

// Pointer positions read back as values of 0 and up, so truncation rounds down.
int FloorToMultiple(int value, int step) { return value / step * step; }

}  // namespace

void ClampDraggedNode(const SensorStateGraph& graph, int plot, int node, int& rpm, int& angle, const DragRules& rules) {
  const int gap = rules.curveFallback + kRpmGrid;
  const int lastNode = LastNodeInUse(graph);
  const int lastPlot = LastPlotInUse(graph);
  const GraphNode& angles = graph.Nodes[node];
  const int storedAngle = PlotAngle(angles, plot);

  rpm = FloorToMultiple(rpm, kRpmGrid);
  int lowRpm = 0;
  int highRpm = 0;
  if (node > 0) {
    lowRpm = graph.RPM[node - 1] + gap;
    if (node < lastNode) {
      highRpm = graph.RPM[node + 1] - gap;
    } else {
      highRpm = graph.RevLimit == kNotSet ? kMaxRpm : graph.RevLimit;
    }
  }
  if (rpm < lowRpm) {
    rpm = lowRpm;
  } else if (rpm > highRpm) {
    rpm = highRpm;
  }

  int upper = plot == kPlotCoilOn ? kMaxAngle : PlotAngle(angles, plot - 1) - kPlotGap;
  int lower = plot == lastPlot ? 0 : PlotAngle(angles, plot + 1) + kPlotGap;

  const int limit = rules.coilOnLimit(rpm);
  if (plot == lastPlot && plot != kPlotCoilOn && angle < storedAngle) lower = std::max(lower, angles.CO - limit);
  if (plot == kPlotCoilOn && angle > storedAngle) upper = std::min(upper, PlotAngle(angles, lastPlot) + limit);

  if (plot == kPlotPrimarySpark && upper > kHighestPrimarySpark) upper = kHighestPrimarySpark;

  if (angle < lower) {
    angle = lower;
  } else if (angle > upper) {
    angle = upper;
  }

  if (plot == kPlotCoilOn) {
    angle = FloorToMultiple(angle, kCoilOnGrid);
    if (lower >= angle) angle += kCoilOnGrid;
  }

  if (plot == lastPlot && plot != kPlotCoilOn && angle > PlotAngle(angles, plot - 1)) {
    rpm = graph.RPM[node];
    angle = storedAngle;
  }
}

int ClampDraggedRevLimit(const SensorStateGraph& graph, int curveFallback, int rpm) {
  const int lowest =
      std::max(curveFallback + kRpmGrid * graph.NumTransitions, static_cast<int>(graph.RPM[LastNodeInUse(graph)]));
  return std::min(std::max(FloorToMultiple(rpm, kRpmGrid), lowest), kMaxRpm);
}

}  // namespace curvedesk
