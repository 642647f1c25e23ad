#include "core/graph/NodeKeySteps.h"

#include "core/common/CurveLimits.h"
#include "core/graph/DragRules.h"
#include "core/model/NodeEditRules.h"

namespace curvedesk {

namespace {

constexpr int kPlotCoilOn = 0;
constexpr int kSparkStep = 1;

int ShownPlots(const SensorStateGraph& graph) { return graph.NumSparks + 1; }

}  // namespace

int PlotGridStep(int plot) { return plot == kPlotCoilOn ? kCoilOnStep : kSparkStep; }

NodePosition SteppedPosition(const SensorStateGraph& graph, const NodeRef& node, NodeKey key, bool tenSteps) {
  const int steps = tenSteps ? kShiftSteps : 1;
  NodePosition position{graph.RPM.at(static_cast<std::size_t>(node.node)),
                        PlotAngle(graph.Nodes.at(static_cast<std::size_t>(node.node)), node.plot)};
  switch (key) {
    case NodeKey::Up:
      position.angle += steps * PlotGridStep(node.plot);
      break;
    case NodeKey::Down:
      position.angle -= steps * PlotGridStep(node.plot);
      break;
    case NodeKey::Left:
      position.rpm -= steps * kKeyRpmStep;
      break;
    case NodeKey::Right:
      position.rpm += steps * kKeyRpmStep;
      break;
  }
  return position;
}

void StepNode(SensorStateGraph& graph, const NodeRef& node, NodeKey key, bool tenSteps, const CurveRuleContext& rules) {
  const NodePosition wanted = SteppedPosition(graph, node, key, tenSteps);
  NodePosition dragged = wanted;
  ClampDraggedNode(graph, node.plot, node.node, dragged.rpm, dragged.angle, rules);
  if (dragged != wanted) {
    SetNodeOnEveryPlot(graph, node.plot, node.node, wanted.rpm, wanted.angle, rules);
    return;
  }
  SensorStateGraph moved = graph;
  StoreNodeValues(moved, node.plot, node.node, static_cast<std::int16_t>(wanted.rpm),
                  static_cast<std::int16_t>(wanted.angle));
  if (wanted.rpm != graph.RPM[static_cast<std::size_t>(node.node)]) CheckNodeOnEveryPlot(moved, node.node, rules);
  graph = std::move(moved);
}

bool IsShownNode(const SensorStateGraph& graph, const NodeRef& node) {
  return node.plot >= 0 && node.plot < ShownPlots(graph) && node.node >= 0 && node.node < graph.NumTransitions;
}

NodeRef NextShownNode(const SensorStateGraph& graph, const std::optional<NodeRef>& from, bool forward) {
  const int nodes = graph.NumTransitions;
  const int count = ShownPlots(graph) * nodes;
  if (!from || !IsShownNode(graph, *from)) return forward ? NodeRef{0, 0} : NodeRef{ShownPlots(graph) - 1, nodes - 1};
  const int index = from->plot * nodes + from->node;
  const int next = (index + (forward ? 1 : count - 1)) % count;
  return NodeRef{next / nodes, next % nodes};
}

}  // namespace curvedesk
