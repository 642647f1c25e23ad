#pragma once

#include <optional>

#include "core/common/CurveLimits.h"
#include "core/graph/GraphEditor.h"
#include "core/model/CurveData.h"
#include "core/model/CurveRules.h"

namespace curvedesk {

// Editing the selected node of the graph from the keyboard.
enum class NodeKey { Up, Down, Left, Right };

// One key press moves the node by one step of the plot's grid, or 50 RPM sideways; with Shift it
// moves ten steps.
inline constexpr int kKeyRpmStep = kRpmStep;
inline constexpr int kShiftSteps = 10;
// The grid of a plot's angles: 10 degrees on the coil-on plot, 1 degree on a spark plot.
int PlotGridStep(int plot);

// The RPM and angle a key press asks for, before any rule.
struct NodePosition {
  int rpm = 0;
  int angle = 0;

  friend bool operator==(const NodePosition&, const NodePosition&) = default;
};
NodePosition SteppedPosition(const SensorStateGraph& graph, const NodeRef& node, NodeKey key, bool tenSteps);

// Moves the node of one plot as a key press asks. A position a drag could reach (the drag rules
// leave it where it is) is taken as a drag would take it; any other position goes through the node
// dialog's rules and is refused with their message. Either way a change of RPM is checked as a move
// of the node on every plot in use. A refused press raises the rule's error and changes nothing.
void StepNode(SensorStateGraph& graph, const NodeRef& node, NodeKey key, bool tenSteps, const CurveRuleContext& rules);

// Whether the node is drawn: a plot in use and a node in use.
bool IsShownNode(const SensorStateGraph& graph, const NodeRef& node);
// The shown node after (or before) `from` in the order plot by plot, node by node, going round from
// the last to the first. From a node that is not shown it starts at the first (last) one.
NodeRef NextShownNode(const SensorStateGraph& graph, const std::optional<NodeRef>& from, bool forward);

}  // namespace curvedesk
