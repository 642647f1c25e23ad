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

// What a drag asks of the curve: a node at clamped values, or the rev limit at a clamped value.
struct DragEdit {
  enum class Kind { Node, RevLimit };
  Kind kind = Kind::Node;
  int plot = 0;
  int node = 0;
  int rpm = 0;  // the node's RPM, or the rev limit
  int angle = 0;

  friend bool operator==(const DragEdit&, const DragEdit&) = default;
};

// The new values of a drag in the graph, as the document stores them.
void ApplyDragEdit(SensorStateGraph& graph, const DragEdit& edit);

// The pointer editing of the graph: hovering, dragging node markers and the rev-limit line, and
// picking the node for the node dialog. Positions are surface twips. The editor only reads the
// graph: a drag says which values it wants, the caller makes the edit and lays the graph out
// again, then tells the editor (ElementsMoved) so that the label follows.
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
  // The edit a drag asks for: clamped by the drag rules and different from what the graph holds.
  // Nothing while hovering, or when the pointer moved without changing a value.
  std::optional<DragEdit> GraphMouseMove(const SensorStateGraph& graph, const CurveRuleContext& rules, double x,
                                         double y);
  // The elements were laid out anew: the label of the dragged or hovered marker moves with it.
  void ElementsMoved();
  // The hovered node for a double-click; ends any drag and hides the label.
  std::optional<NodeRef> BeginNodeDialog();
  // Back to idle, for a graph drawn anew or hidden.
  void Reset();

  PointerShape Pointer() const { return pointer_; }
  int DragTarget() const { return dragTarget_; }
  int HoverTarget() const { return hoverTarget_; }

 private:
  void Hover(int element);
  std::optional<DragEdit> DragRevLimit(const SensorStateGraph& graph, const CurveRuleContext& rules, double x) const;
  std::optional<DragEdit> DragNode(const SensorStateGraph& graph, const CurveRuleContext& rules, double x,
                                   double y) const;

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
