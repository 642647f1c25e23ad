#include "core/model/CurveRules.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "core/common/AppError.h"
#include "core/common/IniDocument.h"
#include "core/model/CoilLimits.h"

namespace curvedesk {

namespace {

constexpr int kMaxPlot = 3;
constexpr int kMinSparks = 1;
constexpr int kMaxSparks = 3;
constexpr int kMinTransitions = 2;

[[noreturn]] void RaiseOutOfRange() { RaiseError(ErrGeneric, "Subscript out of range"); }

bool FitsInt16(int value) {
  return value >= std::numeric_limits<std::int16_t>::min() && value <= std::numeric_limits<std::int16_t>::max();
}

std::size_t Slot(int index) { return static_cast<std::size_t>(index); }

// One neighbour of a node: upper minus lower must be positive and at least the gap.
void CheckNodeDistance(int upperMinusLower, int gap) {
  if (upperMinusLower < 0) RaiseError(ErrRpmOrder);
  if (upperMinusLower < gap) RaiseError(ErrNodesTooCloseRpm);
}

// One neighbouring plot at a node: upper minus lower must be positive and at least 5 degrees.
void CheckPlotDistance(int upperMinusLower) {
  if (upperMinusLower < 0) RaiseError(ErrAngleOrder);
  if (upperMinusLower < kMinPlotGap) RaiseError(ErrNodesTooCloseAngle);
}

void CheckRpmCeiling(const SensorStateGraph& graph, int rpm) {
  if (graph.RevLimit == kNotSet) {
    if (rpm > kMaxRpm) RaiseError(ErrRpmMax);
    return;
  }
  if (rpm > graph.RevLimit) RaiseError(ErrRpmOverRevLimit);
  // Only reachable with a rev limit above the ceiling, which a hand-edited file may carry.
  if (rpm > kMaxRpm) RaiseError(ErrRpmMax);
}

void CheckNodeSpacing(const SensorStateGraph& graph, int node, int rpm, int gap) {
  if (node >= 1) CheckNodeDistance(rpm - graph.RPM[Slot(node - 1)], gap);
  if (node < graph.NumTransitions - 1) CheckNodeDistance(graph.RPM[Slot(node + 1)] - rpm, gap);
}

void CheckPlotOrder(const GraphNode& at, int plot, int angle, int lastPlot) {
  if (plot == 0) {
    CheckPlotDistance(angle - at.PS);
    return;
  }
  CheckPlotDistance(PlotAngle(at, plot - 1) - angle);
  if (plot < lastPlot) CheckPlotDistance(angle - PlotAngle(at, plot + 1));
}

// The crank angle from coil on to the last spark once angle is in place; 0 for a spark between.
int CoilOnSpan(const GraphNode& at, int plot, int angle, int lastPlot) {
  if (plot == 0) return angle - PlotAngle(at, lastPlot);
  if (plot == lastPlot) return at.CO - angle;
  return 0;
}

// Node is GraphNode or const GraphNode.
template <typename Node>
auto& PlotAngleOf(Node& node, int plot) {
  switch (plot) {
    case 0:
      return node.CO;
    case 1:
      return node.PS;
    case 2:
      return node.SS;
    case 3:
      return node.TS;
    default:
      RaiseOutOfRange();
  }
}

}  // namespace

CurveRuleContext RuleContextFor(const CurveData& curve, const CoilLimitTable& coilLimits) {
  return CurveRuleContext{curve.CurveFallback, curve.SparkDist, curve.NumCylinders, coilLimits};
}

std::int16_t& PlotAngle(GraphNode& node, int plot) { return PlotAngleOf(node, plot); }

std::int16_t PlotAngle(const GraphNode& node, int plot) { return PlotAngleOf(node, plot); }

int NodeGap(int curveFallback) { return curveFallback + kMinNodeGapAboveFallback; }

int RpmCeiling(const SensorStateGraph& graph) { return graph.RevLimit == kNotSet ? kMaxRpm : graph.RevLimit; }

void StoreNodeValues(SensorStateGraph& graph, int plot, int node, std::int16_t rpm, std::int16_t angle) {
  graph.RPM[Slot(node)] = rpm;
  PlotAngle(graph.Nodes[Slot(node)], plot) = angle;
}

void SetGraphNode(SensorStateGraph& graph, int plot, int node, int rpm, int angle, const CurveRuleContext& rules) {
  if (plot < 0 || plot > std::min<int>(graph.NumSparks, kMaxPlot) || node < 0 ||
      node >= std::min<int>(graph.NumTransitions, kMaxNodes))
    RaiseOutOfRange();
  if (!FitsInt16(rpm) || !FitsInt16(angle)) RaiseError(ErrGeneric, "Overflow");

  CheckRpmCeiling(graph, rpm);
  if (angle > kMaxAngle) RaiseError(ErrAngleMax);
  if (rpm % kRpmStep != 0) RaiseError(ErrRpmMultiple);
  if (node == 0 && rpm != 0) RaiseError(ErrFirstNodeRpm);
  CheckNodeSpacing(graph, node, rpm, NodeGap(rules.CurveFallback));
  if (plot == 0 && angle % kCoilOnStep != 0) RaiseError(ErrCoilOnMultiple);
  if (plot == 1 && angle >= kPrimarySparkRefused) RaiseError(ErrPrimarySparkMax);

  const GraphNode& at = graph.Nodes[Slot(node)];
  const int lastPlot = graph.NumSparks;
  CheckPlotOrder(at, plot, angle, lastPlot);
  if (CoilOnLimit(rules.CoilLimits, rpm, rules.SparkDist, rules.NumCylinders) < CoilOnSpan(at, plot, angle, lastPlot))
    RaiseError(ErrNodeSaturation);

  StoreNodeValues(graph, plot, node, static_cast<std::int16_t>(rpm), static_cast<std::int16_t>(angle));
}

void SetRevLimit(SensorStateGraph& graph, int value, int curveFallback) {
  if (value == kNotSet) {
    graph.RevLimit = kNotSet;
    return;
  }
  if (value < curveFallback + kRpmStep * graph.NumTransitions) RaiseError(ErrRevLimitTooLow);
  if (value < graph.RPM[Slot(graph.NumTransitions - 1)]) RaiseError(ErrRevLimitBelowNode);
  // Callers pass typed values through ValidateRpmValue first; this keeps the field in range anyway.
  if (value > kMaxRpm) RaiseError(ErrRpmMax);
  graph.RevLimit = static_cast<std::int16_t>(value);
}

void SetNumSparks(SensorStateGraph& graph, int count, const CurveRuleContext& rules) {
  if (count < kMinSparks || count > kMaxSparks) RaiseOutOfRange();
  const int lastPlot = graph.NumSparks;
  if (count <= lastPlot) {
    graph.NumSparks = static_cast<std::int16_t>(count);
    return;
  }

  const int drop = kMinPlotGap * (count - lastPlot);
  int lowest = std::numeric_limits<int>::max();
  for (const GraphNode& node : graph.Nodes) lowest = std::min<int>(lowest, PlotAngle(node, lastPlot));
  if (lowest < drop) RaiseError(ErrSparkPlotSpacing);

  for (int n = 0; n < graph.NumTransitions; ++n) {
    const GraphNode& node = graph.Nodes[Slot(n)];
    const int span = node.CO - PlotAngle(node, lastPlot) + drop;
    if (CoilOnLimit(rules.CoilLimits, graph.RPM[Slot(n)], rules.SparkDist, rules.NumCylinders) < span)
      RaiseError(ErrSparkConfigSaturation);
  }

  for (int plot = lastPlot + 1; plot <= count; ++plot)
    for (GraphNode& node : graph.Nodes)
      PlotAngle(node, plot) = static_cast<std::int16_t>(PlotAngle(node, plot - 1) - kMinPlotGap);
  graph.NumSparks = static_cast<std::int16_t>(count);
}

void SetNumTransitions(SensorStateGraph& graph, int count, int curveFallback) {
  if (count < kMinTransitions || count > kMaxNodes) RaiseOutOfRange();
  const int used = graph.NumTransitions;
  if (count <= used) {
    graph.NumTransitions = static_cast<std::int16_t>(count);
    return;
  }

  const int gap = NodeGap(curveFallback);
  if (RpmCeiling(graph) - graph.RPM[Slot(used - 1)] < gap * (count - used)) RaiseError(ErrNodesDoNotFit);

  for (int n = used; n < count; ++n) {
    graph.RPM[Slot(n)] = static_cast<std::int16_t>(graph.RPM[Slot(n - 1)] + gap);
    graph.Nodes[Slot(n)] = graph.Nodes[Slot(n - 1)];
  }
  graph.NumTransitions = static_cast<std::int16_t>(count);
}

std::optional<std::string> ValidateRpmValue(std::string_view typedText) {
  const std::string_view text = TrimBlanks(typedText);
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  const bool whole = !text.empty() && end == text.data() + text.size();
  // A number too long for the field is above or below the range, by its sign.
  if (error == std::errc::result_out_of_range)
    value = text.front() == '-' ? -1 : kMaxRpm + 1;
  else if (!whole || error != std::errc())
    return "RPM value must be a multiple of 50.";

  if (value < 0) return "RPM value must be greater than or equal to 0.";
  if (value > kMaxRpm) return "RPM value must be less than or equal to " + std::to_string(kMaxRpm) + ".";
  if (value % kRpmStep != 0) return "RPM value must be a multiple of 50.";
  return std::nullopt;
}

bool CanChangeCurveFallback(const CurveData& curve, int newFallback) {
  const int gap = NodeGap(newFallback);
  const int graphs = std::clamp<int>(curve.NumSensorStates, 0, kMaxSensorStates);
  for (int g = 0; g < graphs; ++g) {
    const SensorStateGraph& graph = curve.Graphs[Slot(g)];
    const int nodes = std::clamp<int>(graph.NumTransitions, 0, kMaxNodes);
    for (int n = 1; n < nodes; ++n)
      if (graph.RPM[Slot(n)] - graph.RPM[Slot(n - 1)] < gap) return false;
  }
  return true;
}

std::string CurveFallbackRefusedMessage(int newFallback) {
  return "The Curve Fallback cannot be changed to " + std::to_string(newFallback) +
         " because some of the nodes\r\n"
         "on at least one of the Sensor State graphs are not spaced at least\r\n" +
         std::to_string(NodeGap(newFallback)) + " RPM apart.";
}

bool IsDefaultGraph(const SensorStateGraph& graph, const SensorStateGraph& defaultGraph) {
  return graph == defaultGraph;
}

}  // namespace curvedesk
