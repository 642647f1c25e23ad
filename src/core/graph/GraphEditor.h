#pragma once

#include <optional>

#include "core/graph/DragRules.h"
#include "core/graph/GraphElements.h"
#include "core/graph/TextMeasure.h"
#include "core/model/CurveData.h"

namespace curvedesk {

inline constexpr double kRevLimitGrabDistance = 20;

enum class PointerShape { Arrow, Cross, SizeHorizontal };

struct NodeRef {
  int plot;
  int node;

  friend bool operator==(const NodeRef&, const NodeRef&) = default;
};

// The pointer editing of the graph: hovering, dragging node markers and the rev-limit line, and
// picking the node for the node dialog. Positions are surface twips; elements move only through
// the element pool, values only through its PlaceNode or the graph's RevLimit.
class GraphEditor {
 public:
  GraphEditor(GraphElements& elements, const TextMeasure& measure) : elements_(elements), measure_(measure) {}

  // The element under the pointer: a visible marker (the highest-numbered one where several
  // overlap), else the rev-limit line, else kNoElement.
  int HitTest(double x, double y) const;

  // How far beside the rev-limit line the pointer still takes it: 20 twips, or more when the
  // surface is shown so small that 20 twips is too thin a strip to find with the pointer.
  void SetRevLimitGrabDistance(double twips);

  void GraphMouseDown(double x, double y);
  void GraphMouseUp();
  // True when the drag changed the graph (a node or the rev limit moved).
  bool GraphMouseMove(SensorStateGraph& graph, const CurveRuleContext& rules, double x, double y);
  // The hovered node for a double-click; ends any drag and hides the label.
  std::optional<NodeRef> BeginNodeDialog();
  // Back to idle, for a graph drawn anew or hidden.
  void Reset();

  PointerShape Pointer() const { return pointer_; }
  int DragTarget() const { return dragTarget_; }
  int HoverTarget() const { return hoverTarget_; }

 private:
  void Hover(int element);
  bool DragRevLimit(SensorStateGraph& graph, const CurveRuleContext& rules, double x);
  bool DragNode(SensorStateGraph& graph, const CurveRuleContext& rules, double x, double y);

  GraphElements& elements_;
  const TextMeasure& measure_;
  int dragTarget_ = kNoElement;
  int hoverTarget_ = kNoElement;
  double grabOffsetX_ = 0;
  double grabOffsetY_ = 0;
  double revLimitGrabDistance_ = kRevLimitGrabDistance;
  PointerShape pointer_ = PointerShape::Arrow;
};

}  // namespace curvedesk
