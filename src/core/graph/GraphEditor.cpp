#include "core/graph/GraphEditor.h"

#include <algorithm>

#include "core/graph/GraphScale.h"
#include "core/model/CurveRules.h"

namespace curvedesk {

namespace {

bool IsMarker(int element) { return element >= 1 && element <= kElements; }

}  // namespace

int GraphEditor::HitTest(double x, double y) const {
  for (int k = kElements; k >= 1; --k) {
    const NodeMarker& marker = elements_.Marker(k);
    if (marker.visible && marker.left <= x && x <= marker.left + kMarkerSize && marker.top <= y &&
        y <= marker.top + kMarkerSize)
      return k;
  }
  const RevLimitLine& line = elements_.RevLimit();
  if (line.visible && line.x - revLimitGrabDistance_ <= x && x <= line.x + revLimitGrabDistance_ && line.top <= y &&
      y <= line.bottom)
    return kRevLimitElement;
  return kNoElement;
}

void GraphEditor::SetRevLimitGrabDistance(double twips) {
  revLimitGrabDistance_ = std::max(kRevLimitGrabDistance, twips);
}

void GraphEditor::GraphMouseDown(double x, double y) {
  const int hit = HitTest(x, y);
  if (IsMarker(hit)) {
    dragTarget_ = hit;
    if (hit != hoverTarget_) Hover(hit);
    grabOffsetX_ = x - elements_.Marker(hit).left;
    grabOffsetY_ = y - elements_.Marker(hit).top;
    return;
  }
  dragTarget_ = hoverTarget_ = hit;
  pointer_ = hit == kRevLimitElement ? PointerShape::SizeHorizontal : PointerShape::Arrow;
}

void GraphEditor::GraphMouseUp() {
  dragTarget_ = kNoElement;
  elements_.HideNodeInfo();
}

void ApplyDragEdit(SensorStateGraph& graph, const DragEdit& edit) {
  if (edit.kind == DragEdit::Kind::RevLimit) {
    graph.RevLimit = static_cast<std::int16_t>(edit.rpm);
    return;
  }
  StoreNodeValues(graph, edit.plot, edit.node, static_cast<std::int16_t>(edit.rpm),
                  static_cast<std::int16_t>(edit.angle));
}

std::optional<DragEdit> GraphEditor::GraphMouseMove(const SensorStateGraph& graph, const CurveRuleContext& rules,
                                                    double x, double y) {
  if (dragTarget_ == kRevLimitElement) return DragRevLimit(graph, rules, x);
  if (IsMarker(dragTarget_)) return DragNode(graph, rules, x, y);

  const int hit = HitTest(x, y);
  if (!IsMarker(hit)) {
    hoverTarget_ = hit;
    pointer_ = hit == kRevLimitElement ? PointerShape::SizeHorizontal : PointerShape::Arrow;
    elements_.HideNodeInfo();
  } else if (hit != hoverTarget_) {
    Hover(hit);
  }
  return std::nullopt;
}

void GraphEditor::ElementsMoved() {
  const int shown = IsMarker(dragTarget_) ? dragTarget_ : hoverTarget_;
  if (IsMarker(shown) && elements_.Label().visible) elements_.ShowNodeInfo(shown, measure_);
}

std::optional<NodeRef> GraphEditor::BeginNodeDialog() {
  if (!IsMarker(hoverTarget_)) return std::nullopt;
  const NodeRef node{PlotOf(hoverTarget_), NodeOf(hoverTarget_)};
  Reset();
  return node;
}

void GraphEditor::Reset() {
  dragTarget_ = hoverTarget_ = kNoElement;
  pointer_ = PointerShape::Arrow;
  elements_.HideNodeInfo();
}

void GraphEditor::Hover(int element) {
  hoverTarget_ = element;
  pointer_ = PointerShape::Cross;
  elements_.ShowNodeInfo(element, measure_);
}

std::optional<DragEdit> GraphEditor::DragRevLimit(const SensorStateGraph& graph, const CurveRuleContext& rules,
                                                  double x) const {
  const int value = ClampDraggedRevLimit(graph, rules.CurveFallback, XToRpm(x));
  if (value == graph.RevLimit) return std::nullopt;
  return DragEdit{DragEdit::Kind::RevLimit, 0, 0, value, 0};
}

std::optional<DragEdit> GraphEditor::DragNode(const SensorStateGraph& graph, const CurveRuleContext& rules, double x,
                                              double y) const {
  const int plot = PlotOf(dragTarget_);
  const int node = NodeOf(dragTarget_);
  const int storedRpm = graph.RPM[node];
  const int storedAngle = PlotAngle(graph.Nodes[node], plot);
  int rpm = XToRpm(x - grabOffsetX_ + kMarkerHalf);
  int angle = YToAngle(y - grabOffsetY_ + kMarkerHalf);
  if (rpm == storedRpm && angle == storedAngle) return std::nullopt;
  ClampDraggedNode(graph, plot, node, rpm, angle, rules);
  if (rpm == storedRpm && angle == storedAngle) return std::nullopt;
  return DragEdit{DragEdit::Kind::Node, plot, node, rpm, angle};
}

}  // namespace curvedesk
