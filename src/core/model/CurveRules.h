#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/common/CurveLimits.h"
#include "core/model/CoilLimitTable.h"
#include "core/model/CurveData.h"

namespace curvedesk {

// The rules every sensor-state graph obeys. Each check works on one graph, changes it only when
// every rule holds, and otherwise raises AppError with the rule's error number; the window that
// asked shows the message and puts the old value back into its control.
//
// Plots: 0 coil on (CO), 1 primary spark (PS), 2 second spark (SS), 3 third spark (TS); plots
// 0 .. NumSparks are in use, so the last plot in use is plot NumSparks.

// What the rules read besides the graph.
struct CurveRuleContext {
  std::int32_t CurveFallback;  // the value shown in the main window's fallback field
  std::int32_t SparkDist;
  std::int32_t NumCylinders;
  const CoilLimitTable& CoilLimits;
};

CurveRuleContext RuleContextFor(const CurveData& curve, const CoilLimitTable& coilLimits);

// The angle of one plot at a node.
std::int16_t& PlotAngle(GraphNode& node, int plot);
std::int16_t PlotAngle(const GraphNode& node, int plot);

// Smallest RPM distance between neighbouring nodes: CurveFallback + 50.
int NodeGap(int curveFallback);
// Highest RPM a node may take: the rev limit, or 12,500 without one.
int RpmCeiling(const SensorStateGraph& graph);

// Stores a node's RPM and one plot's angle at it.
void StoreNodeValues(SensorStateGraph& graph, int plot, int node, std::int16_t rpm, std::int16_t angle);

// A typed node value (the node dialog): checks rpm and angle against the rules in their fixed order
// and, when all hold, stores them. Values outside the 16-bit range of the fields are a program
// error (generic message), as a typed number that does not fit was in the older program.
void SetGraphNode(SensorStateGraph& graph, int plot, int node, int rpm, int angle, const CurveRuleContext& rules);

// value -1 removes the rev limit. Otherwise it must leave room for all nodes above the fallback
// and must not cut off the last node in use.
void SetRevLimit(SensorStateGraph& graph, int value, int curveFallback);

// count 1..3. Fewer sparks only change the count; more sparks add plots 5 degrees below each other
// under the current last plot, if they fit above 0 degrees and within the coil saturation limit.
void SetNumSparks(SensorStateGraph& graph, int count, const CurveRuleContext& rules);

// count 2..10. Fewer nodes only change the count; more nodes are appended to the right of the last
// one, each CurveFallback + 50 RPM further and with its angles, if they fit below the ceiling.
void SetNumTransitions(SensorStateGraph& graph, int count, int curveFallback);

// A typed RPM value (rev limit and RPM switch fields, the rev limit dialog): the message to show
// under the title "Error", or nothing when the value is acceptable.
std::optional<std::string> ValidateRpmValue(std::string_view typedText);

// Whether every pair of neighbouring nodes in every used graph is at least newFallback + 50 apart.
bool CanChangeCurveFallback(const CurveData& curve, int newFallback);
// The message shown when CanChangeCurveFallback refuses newFallback.
std::string CurveFallbackRefusedMessage(int newFallback);

// Whether the graph is still the untouched default graph (every field, all ten node slots).
bool IsDefaultGraph(const SensorStateGraph& graph, const SensorStateGraph& defaultGraph);

}  // namespace curvedesk
