#include "core/graph/GraphElements.h"

#include <algorithm>

#include "core/graph/GraphScale.h"
#include "core/model/CurveRules.h"

namespace curvedesk {

namespace {

constexpr int kRevLimitTopAngle = 190;
constexpr int kLabelExtraWidth = 100;

}  // namespace

GraphElements::GraphElements() {
  revLimit_.top = AngleToY(kRevLimitTopAngle);
  revLimit_.bottom = AngleToY(0);
}

void GraphElements::DrawGraph(const SensorStateGraph& graph) {
  HideGraph();
  const int lastPlot = std::clamp<int>(graph.NumSparks, 1, kPlots - 1);
  for (int plot = 0; plot <= lastPlot; ++plot) DrawPlot(graph, plot);
  ShowRevLimit(graph);
}

void GraphElements::DrawPlot(const SensorStateGraph& graph, int plot) {
  const int nodesInUse = std::clamp<int>(graph.NumTransitions, 0, kMaxNodes);
  for (int node = 0; node < kMaxNodes; ++node) {
    PlotLine& line = lines_[ElementOf(plot, node) - 1];
    line.role = node < nodesInUse - 1    ? LineRole::JoinsNext
                : node == nodesInUse - 1 ? LineRole::LastNode
                                         : LineRole::NotInUse;
  }
  for (int node = 0; node < nodesInUse; ++node) {
    const int angle = PlotAngle(graph.Nodes[node], plot);
    MoveNode(plot, node, graph.RPM[node], angle);
    if (node == nodesInUse - 1) {
      PlotLine& line = lines_[ElementOf(plot, node) - 1];
      line.x2 = kRightEdge;
      line.y2 = AngleToY(angle);
    }
  }
  for (int node = 0; node < kMaxNodes; ++node) {
    const int element = ElementOf(plot, node);
    markers_[element - 1].visible = node < nodesInUse;
    lines_[element - 1].visible = lines_[element - 1].role != LineRole::NotInUse;
  }
}

void GraphElements::MoveNode(int plot, int node, int rpm, int angle) {
  const int x = RpmToX(rpm);
  const int y = AngleToY(angle);
  const int element = ElementOf(plot, node);
  markers_[element - 1].top = y - kMarkerHalf;
  if (node > 0) lines_[element - 2].y2 = y;
  PlotLine& line = lines_[element - 1];
  line.y1 = y;
  if (line.role == LineRole::LastNode) line.y2 = y;

  for (int each = 0; each < kPlots; ++each) {
    const int k = ElementOf(each, node);
    markers_[k - 1].left = x - kMarkerHalf;
    if (node > 0) lines_[k - 2].x2 = x;
    lines_[k - 1].x1 = x;
  }
}

void GraphElements::ShowRevLimit(const SensorStateGraph& graph) {
  if (graph.RevLimit == kNotSet) {
    revLimit_.visible = false;
    return;
  }
  revLimit_.x = RpmToX(graph.RevLimit);
  revLimit_.visible = true;
}

void GraphElements::HideGraph() {
  for (NodeMarker& marker : markers_) marker.visible = false;
  for (PlotLine& line : lines_) line.visible = false;
  revLimit_.visible = false;
}

void GraphElements::ShowNodeInfo(int element, const TextMeasure& measure) {
  const NodeMarker& marker = Marker(element);
  label_.rpmLine = std::to_string(XToRpm(marker.left + kMarkerHalf)) + " RPM";
  label_.angleLine = std::to_string(YToAngle(marker.top + kMarkerHalf)) + " Deg";
  label_.width = RoundHalfEven(std::max(measure.Width(label_.rpmLine, kNodeInfoStyle),
                                        measure.Width(label_.angleLine, kNodeInfoStyle))) +
                 kLabelExtraWidth;
  label_.height = RoundHalfEven(2 * measure.Height(kNodeInfoStyle));

  label_.top = marker.top - label_.height;
  if (label_.top <= kTopEdge) label_.top = marker.top + kMarkerSize;
  label_.left = marker.left + kMarkerSize;
  if (label_.left + label_.width >= kRightEdge) label_.left = marker.left - label_.width;
  label_.visible = true;
}

}  // namespace curvedesk
