#include "core/model/CurveData.h"

namespace curvedesk {

SensorStateGraph MakeDefaultGraph() {
  SensorStateGraph graph;
  graph.RPM = {0, 500, 1000, 1500, 2000, 2500, 3000, 3500, 4000, 5000};
  graph.Nodes.fill(GraphNode{20, 10, 5, 0});
  return graph;
}

void ClearCurve(CurveData& curve, const SensorStateGraph& defaultGraph) {
  IgnitionConfig& config = curve;
  IgnitionConfig cleared;
  cleared.Name = std::move(config.Name);
  cleared.CustType = std::move(config.CustType);
  cleared.CoilType = std::move(config.CoilType);
  config = std::move(cleared);

  curve.IgnitionIndex = 1;
  curve.Graphs.fill(defaultGraph);
}

}  // namespace curvedesk
