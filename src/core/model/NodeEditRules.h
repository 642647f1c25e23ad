#pragma once

#include <string>

#include "core/model/CurveData.h"
#include "core/model/CurveRules.h"
#include "core/model/DisplayTexts.h"

namespace curvedesk {

// The node rules for edits that move a node's RPM, or set many values at once. A node's RPM is
// shared by all its plots, so an RPM change is checked as a move of the node on every plot in use,
// the coil saturation limit at the new RPM included, whichever plot or column it was made from.

// Shown when a key press or pasted text would take an angle below TDC.
inline constexpr const char* kAngleBelowZeroMessage = "Crank Angle values cannot be less than 0 degrees.";

// A typed node value (the node dialog, a table cell): SetGraphNode's rules for the plot, then, when
// the RPM changes, the node at the new RPM on every other plot in use. Raises the first broken rule
// and changes nothing.
void SetNodeOnEveryPlot(SensorStateGraph& graph, int plot, int node, int rpm, int angle, const CurveRuleContext& rules);

// A typed RPM for a node (the table's RPM column): the node at the new RPM on every plot in use.
void SetNodeRpm(SensorStateGraph& graph, int node, int rpm, const CurveRuleContext& rules);

// Checks node `node` of the graph as it stands, on every plot in use, with SetGraphNode's rules;
// raises the first broken rule (AppError) or, for an angle below 0, RefusedWithMessage.
void CheckNodeOnEveryPlot(const SensorStateGraph& graph, int node, const CurveRuleContext& rules);

// Checks the finished graph `after` of an edit that set many values at once: every node whose values
// differ from `before` on every plot in use, against the finished neighbours, so the order in which
// the values were set does not matter. A broken rule is raised as RefusedWithMessage with the
// rule's message and the node and plot it was found at.
void CheckChangedNodes(const SensorStateGraph& before, const SensorStateGraph& after, const CurveRuleContext& rules);

// Where a value sits, for messages: "node 3, 1st Spark" (nodes counted from 1); plot -1 is the RPM.
std::string NodePlace(int node, int plot);

}  // namespace curvedesk
