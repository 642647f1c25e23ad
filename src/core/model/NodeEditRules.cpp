#include "core/model/NodeEditRules.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/common/AppError.h"
#include "core/common/ErrorMessages.h"

namespace curvedesk {

namespace {

constexpr int kRpmPlace = -1;

std::size_t Slot(int index) { return static_cast<std::size_t>(index); }

// The rules of SetGraphNode that judge the node's RPM rather than the plot's angle.
bool IsRpmRule(ErrorNumber number) {
  switch (number) {
    case ErrRpmMax:
    case ErrRpmOverRevLimit:
    case ErrRpmMultiple:
    case ErrFirstNodeRpm:
    case ErrRpmOrder:
    case ErrNodesTooCloseRpm:
      return true;
    default:
      return false;
  }
}

std::vector<int> PlotsInUse(const SensorStateGraph& graph) {
  std::vector<int> plots;
  for (int plot = 0; plot <= graph.NumSparks; ++plot) plots.push_back(plot);
  return plots;
}

// Checks the node as it stands on the plots given, in their order, with SetGraphNode's rules;
// `failed` names the plot whose check failed, or kRpmPlace for a rule of the RPM.
void CheckNodePlots(const SensorStateGraph& graph, int node, const std::vector<int>& plots,
                    const CurveRuleContext& rules, int& failed) {
  const GraphNode& at = graph.Nodes.at(Slot(node));
  for (const int plot : plots) {
    failed = plot;
    const int angle = PlotAngle(at, plot);
    // SetGraphNode checks the value against the graph around it; a copy takes its store step.
    SensorStateGraph copy = graph;
    try {
      SetGraphNode(copy, plot, node, graph.RPM[Slot(node)], angle, rules);
    } catch (const AppError& error) {
      if (IsRpmRule(error.Number())) failed = kRpmPlace;
      throw;
    }
    if (angle < 0) throw RefusedWithMessage(kAngleBelowZeroMessage);
  }
}

}  // namespace

void SetNodeOnEveryPlot(SensorStateGraph& graph, int plot, int node, int rpm, int angle,
                        const CurveRuleContext& rules) {
  SensorStateGraph changed = graph;
  SetGraphNode(changed, plot, node, rpm, angle, rules);
  // The dialog's digits cannot go below TDC, but a key press or a pasted "-5" could.
  if (angle < 0) throw RefusedWithMessage(kAngleBelowZeroMessage);
  if (rpm != graph.RPM[Slot(node)]) CheckNodeOnEveryPlot(changed, node, rules);
  graph = std::move(changed);
}

void SetNodeRpm(SensorStateGraph& graph, int node, int rpm, const CurveRuleContext& rules) {
  SensorStateGraph changed = graph;
  for (int plot = 0; plot <= graph.NumSparks; ++plot)
    SetGraphNode(changed, plot, node, rpm, PlotAngle(changed.Nodes.at(Slot(node)), plot), rules);
  graph = std::move(changed);
}

void CheckNodeOnEveryPlot(const SensorStateGraph& graph, int node, const CurveRuleContext& rules) {
  int failed = 0;
  CheckNodePlots(graph, node, PlotsInUse(graph), rules, failed);
}

void CheckChangedNodes(const SensorStateGraph& before, const SensorStateGraph& after, const CurveRuleContext& rules) {
  const auto located = [](const std::string& message, int node, int plot) {
    return RefusedWithMessage(message + "\r\n\r\nAt " + NodePlace(node, plot) + ".");
  };
  for (int node = 0; node < after.NumTransitions; ++node) {
    const GraphNode& was = before.Nodes[Slot(node)];
    const GraphNode& is = after.Nodes[Slot(node)];
    if (before.RPM[Slot(node)] == after.RPM[Slot(node)] && was == is) continue;
    // The plots that changed first, so that a broken rule is found at the value that broke it.
    std::vector<int> plots = PlotsInUse(after);
    std::stable_partition(plots.begin(), plots.end(),
                          [&](int plot) { return PlotAngle(was, plot) != PlotAngle(is, plot); });
    int plot = kRpmPlace;
    try {
      CheckNodePlots(after, node, plots, rules, plot);
    } catch (const AppError& error) {
      throw located(GetErrorMessage(error.Number(), error.Description()), node, plot);
    } catch (const RefusedWithMessage& refusal) {
      throw located(refusal.what(), node, plot);
    }
  }
}

std::string NodePlace(int node, int plot) {
  return "node " + std::to_string(node + 1) + ", " + (plot == kRpmPlace ? std::string("RPM") : PlotCaption(plot));
}

}  // namespace curvedesk
