#include "core/graph/DragRules.h"

#include <algorithm>

#include "core/common/CurveLimits.h"
#include "core/model/CoilLimits.h"

namespace curvedesk {

namespace {

constexpr int kPlotCoilOn = 0;
constexpr int kPlotPrimarySpark = 1;
constexpr int kHighestPrimarySpark = kPrimarySparkRefused - 1;

// Pointer positions read back as values of 0 and up, so truncation rounds down.
int FloorToMultiple(int value, int step) { return value / step * step; }

}  // namespace

void ClampDraggedNode(const SensorStateGraph& graph, int plot, int node, int& rpm, int& angle,
                      const CurveRuleContext& rules) {
  const int lastNode = graph.NumTransitions - 1;
  const int lastPlot = graph.NumSparks;
  const GraphNode& angles = graph.Nodes[node];
  const int storedAngle = PlotAngle(angles, plot);

  rpm = FloorToMultiple(rpm, kRpmStep);
  int lowRpm = 0;
  int highRpm = 0;
  if (node > 0) {
    const int gap = NodeGap(rules.CurveFallback);
    lowRpm = graph.RPM[node - 1] + gap;
    highRpm = node < lastNode ? graph.RPM[node + 1] - gap : RpmCeiling(graph);
  }
  if (rpm < lowRpm) {
    rpm = lowRpm;
  } else if (rpm > highRpm) {
    rpm = highRpm;
  }

  int upper = plot == kPlotCoilOn ? kMaxAngle : PlotAngle(angles, plot - 1) - kMinPlotGap;
  int lower = plot == lastPlot ? 0 : PlotAngle(angles, plot + 1) + kMinPlotGap;

  // The saturation limit holds only moves that widen the coil-on span.
  const int limit = CoilOnLimit(rules.CoilLimits, rpm, rules.SparkDist, rules.NumCylinders);
  if (plot == lastPlot && plot != kPlotCoilOn && angle < storedAngle) lower = std::max(lower, angles.CO - limit);
  if (plot == kPlotCoilOn && angle > storedAngle) upper = std::min(upper, PlotAngle(angles, lastPlot) + limit);

  if (plot == kPlotPrimarySpark && upper > kHighestPrimarySpark) upper = kHighestPrimarySpark;

  if (angle < lower) {
    angle = lower;
  } else if (angle > upper) {
    angle = upper;
  }

  if (plot == kPlotCoilOn) {
    angle = FloorToMultiple(angle, kCoilOnStep);
    if (lower >= angle) angle += kCoilOnStep;
  }

  if (plot == lastPlot && plot != kPlotCoilOn && angle > PlotAngle(angles, plot - 1)) {
    rpm = graph.RPM[node];
    angle = storedAngle;
  }
}

int ClampDraggedRevLimit(const SensorStateGraph& graph, int curveFallback, int rpm) {
  const int lowest =
      std::max(curveFallback + kRpmStep * graph.NumTransitions, static_cast<int>(graph.RPM[graph.NumTransitions - 1]));
  return std::min(std::max(FloorToMultiple(rpm, kRpmStep), lowest), kMaxRpm);
}

}  // namespace curvedesk
