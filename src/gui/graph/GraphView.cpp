#include "gui/graph/GraphView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <exception>

#include "core/common/Prompter.h"
#include "core/document/ComparisonCurve.h"
#include "core/graph/NodeDialogFields.h"
#include "core/graph/NodeKeySteps.h"
#include "core/model/CurveRules.h"
#include "gui/graph/FormSparkAdvance.h"
#include "gui/graph/NodeSelection.h"

namespace curvedesk {

namespace {

constexpr int kPreferredWidth = 760;

// Outside every element, for a pointer that left the surface.
const QPointF kOffSurface(-1e6, -1e6);

Qt::CursorShape ToQt(PointerShape shape) {
  switch (shape) {
    case PointerShape::Cross:
      return Qt::CrossCursor;
    case PointerShape::SizeHorizontal:
      return Qt::SizeHorCursor;
    case PointerShape::Arrow:
      break;
  }
  return Qt::ArrowCursor;
}

}  // namespace

GraphView::GraphView(CurveDocument& document, Prompter& prompter, QWidget* parent)
    : QWidget(parent),
      document_(document),
      prompter_(prompter),
      grid_(DescribeGrid(ScreenGridStyle(), measure_)),
      nodeDialog_(new FormSparkAdvance(this)),
      selection_(new NodeSelection(this)) {
  subscription_ = document_.Subscribe([this](const DocumentChange& change) { DocumentChanged(change); });
  connect(selection_, &NodeSelection::changed, this, &GraphView::SelectionChanged);
  setObjectName("picGraph");
  setFocusPolicy(Qt::ClickFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  LayOut();
}

GraphView::~GraphView() {
  document_.Unsubscribe(subscription_);
  if (comparison_) comparison_->Unsubscribe(comparisonSubscription_);
}

void GraphView::DocumentChanged(const DocumentChange& change) {
  const bool shownGraph = change.TouchesGraph(document_.ShownState()) || change.Has(DocumentChange::kShownState) ||
                          change.Has(DocumentChange::kConfiguration);
  if (!shownGraph) return;
  // A change from elsewhere (undo, a field, another graph shown) ends what the pointer was doing.
  if (!ownEdit_) {
    editor_.Reset();
    ApplyPointerShape();
  }
  LayOut();
  // The comparison and whether the highlight ring shows depend on the state shown, not on the edited
  // values; a moved ring repaints with its node.
  if (change.Has(DocumentChange::kShownState) || change.Has(DocumentChange::kDocument)) {
    LayOutComparison();
    if (highlight_) update();
  }
  // The selection is the window's, not the curve's: a new curve starts without one, and nodes the
  // graph no longer shows leave it.
  if (change.Has(DocumentChange::kDocument) || !document_.IsOpen())
    selection_->Clear();
  else
    selection_->KeepShown(document_.ShownGraph());
}

void GraphView::LayOut() {
  const GraphElements before = elements_;
  if (document_.IsOpen())
    elements_.DrawGraph(document_.ShownGraph());
  else
    elements_.HideGraph();
  editor_.ElementsMoved();
  UpdateChanged(before);
}

void GraphView::ShowComparison(std::shared_ptr<ComparisonCurve> comparison) {
  if (comparison_) comparison_->Unsubscribe(comparisonSubscription_);
  comparison_ = std::move(comparison);
  comparisonSubscription_ = comparison_->Subscribe([this] { LayOutComparison(); });
  LayOutComparison();
}

void GraphView::LayOutComparison() {
  GraphElements elements;
  std::string legend;
  const SensorStateGraph* graph = comparison_ ? comparison_->Graph(document_.ShownState()) : nullptr;
  if (comparison_ && document_.IsOpen()) {
    if (graph) elements.DrawGraph(*graph);
    legend = curvedesk::ComparisonLegend(*comparison_, document_.ShownState());
  }
  if (elements == comparisonElements_ && legend == comparisonLegend_) return;
  comparisonElements_ = elements;
  comparisonLegend_ = legend;
  update();
}

void GraphView::HighlightNode(int state, int node, int plot) {
  highlight_ = Highlight{state, node, plot};
  update();
}

void GraphView::ClearHighlight() {
  if (!highlight_) return;
  highlight_.reset();
  update();
}

std::vector<NodeMarker> GraphView::HighlightedMarkers() const {
  std::vector<NodeMarker> markers;
  if (!highlight_ || !document_.IsOpen() || highlight_->state != document_.ShownState()) return markers;
  for (int plot = 0; plot < kPlots; ++plot) {
    if (highlight_->plot >= 0 && plot != highlight_->plot) continue;
    const NodeMarker& marker = elements_.Marker(ElementOf(plot, highlight_->node));
    if (marker.visible) markers.push_back(marker);
  }
  return markers;
}

QPointF GraphView::ToWidget(const QPointF& twips) const { return SurfaceTransform(QRectF(rect())).map(twips); }

QPointF GraphView::ToTwips(const QPointF& widgetPoint) const {
  return SurfaceTransform(QRectF(rect())).inverted().map(widgetPoint);
}

QSize GraphView::sizeHint() const { return {kPreferredWidth, heightForWidth(kPreferredWidth)}; }

QSize GraphView::minimumSizeHint() const { return {380, heightForWidth(380)}; }

int GraphView::heightForWidth(int width) const {
  return static_cast<int>(width * kGraphSurface.height() / kGraphSurface.width() + 0.5);
}

void GraphView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), Qt::white);
  PaintGraphView(painter, QRectF(rect()), grid_, elements_,
                 {comparisonLegend_.empty() ? nullptr : &comparisonElements_, comparisonLegend_, HighlightedMarkers()});
  const std::optional<NodeRef>& current = selection_->Current();
  PaintSelectionRings(painter, QRectF(rect()), elements_, ringed_,
                      current ? ElementOf(current->plot, current->node) : kNoElement);
}

void GraphView::mousePressEvent(QMouseEvent* event) {
  const GraphElements before = elements_;
  const QPointF twips = ToTwips(event->position());
  editor_.GraphMouseDown(twips.x(), twips.y());
  gesture_ = document_.IsOpen() ? document_.BeginGesture() : 0;
  const int target = editor_.DragTarget();
  if (document_.IsOpen() && target >= 1 && target <= kElements) {
    selection_->Select({PlotOf(target), NodeOf(target)});
    setFocus(Qt::MouseFocusReason);
  } else if (target == kNoElement) {
    selection_->Clear();
  }
  ApplyPointerShape();
  UpdateChanged(before);
}

void GraphView::mouseReleaseEvent(QMouseEvent*) {
  const GraphElements before = elements_;
  editor_.GraphMouseUp();
  const bool wasDown = gesture_ != 0;
  gesture_ = 0;
  UpdateChanged(before);
  if (wasDown) emit PointerReleased();
}

void GraphView::mouseMoveEvent(QMouseEvent* event) { PointerMoved(event->position()); }

void GraphView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (rect().isEmpty()) return;
  // The dashed line is a pixel or two wide whatever the scale; keep a strip the pointer can find.
  constexpr double kRevLimitGrabPixels = 4;
  const double twipsPerPixel = 1 / SurfaceTransform(QRectF(rect())).m11();
  editor_.SetRevLimitGrabDistance(kRevLimitGrabPixels * twipsPerPixel);
}

void GraphView::leaveEvent(QEvent*) {
  if (editor_.DragTarget() == kNoElement) PointerMoved(ToWidget(kOffSurface));
}

void GraphView::PointerMoved(const QPointF& widgetPoint) {
  const GraphElements before = elements_;
  const QPointF twips = ToTwips(widgetPoint);
  const std::optional<DragEdit> edit =
      editor_.GraphMouseMove(document_.ShownGraph(), document_.Rules(), twips.x(), twips.y());
  ApplyPointerShape();
  UpdateChanged(before);
  if (!edit || !document_.IsOpen()) return;
  ownEdit_ = true;
  try {
    if (edit->kind == DragEdit::Kind::RevLimit)
      document_.MoveRevLimit(edit->rpm, gesture_);
    else
      document_.MoveNode(edit->plot, edit->node, edit->rpm, edit->angle, gesture_);
  } catch (const AppError& error) {
    ownEdit_ = false;
    ShowError(prompter_, error);
    return;
  }
  ownEdit_ = false;
}

void GraphView::mouseDoubleClickEvent(QMouseEvent*) {
  const GraphElements before = elements_;
  const std::optional<NodeRef> node = editor_.BeginNodeDialog();
  ApplyPointerShape();
  UpdateChanged(before);
  if (node && document_.IsOpen()) EditNodeInDialog(*node);
}

void GraphView::EditNodeInDialog(const NodeRef& ref) {
  const SensorStateGraph& graph = document_.ShownGraph();
  RunShowingErrors(prompter_, [&] {
    const QString tag = nodeDialog_->Ask(graph.RPM.at(ref.node), PlotAngle(graph.Nodes.at(ref.node), ref.plot));
    if (tag != "1") return;
    const int rpm = NodeDialogFieldValue(nodeDialog_->RpmText().toStdString());
    const int angle = NodeDialogFieldValue(nodeDialog_->AngleText().toStdString());
    document_.SetNodeValue(ref.plot, ref.node, rpm, angle);
  });
}

void GraphView::keyPressEvent(QKeyEvent* event) {
  if (!NodeKeyPressed(*event)) QWidget::keyPressEvent(event);
}

bool GraphView::NodeKeyPressed(const QKeyEvent& event) {
  if (!document_.IsOpen() || !selection_->Current()) return false;
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  if (modifiers & ~Qt::ShiftModifier) return false;
  const NodeRef node = *selection_->Current();
  NodeKey key = NodeKey::Up;
  switch (event.key()) {
    case Qt::Key_Up:
      break;
    case Qt::Key_Down:
      key = NodeKey::Down;
      break;
    case Qt::Key_Left:
      key = NodeKey::Left;
      break;
    case Qt::Key_Right:
      key = NodeKey::Right;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      EditNodeInDialog(node);
      return true;
    case Qt::Key_Escape:
      selection_->Clear();
      return true;
    default:
      return false;
  }
  OwnEdit([&] { document_.NudgeNode(node, key, modifiers == Qt::ShiftModifier); });
  return true;
}

bool GraphView::focusNextPrevChild(bool next) {
  // Tab goes from node to node while one is selected; otherwise it moves the focus on as usual.
  if (!document_.IsOpen() || !selection_->Current()) return QWidget::focusNextPrevChild(next);
  selection_->Select(NextShownNode(document_.ShownGraph(), selection_->Current(), next));
  return true;
}

void GraphView::OwnEdit(const std::function<void()>& edit) {
  std::exception_ptr failure;
  ownEdit_ = true;
  try {
    edit();
  } catch (...) {
    failure = std::current_exception();
  }
  ownEdit_ = false;
  if (failure) RunShowingErrors(prompter_, [&] { std::rethrow_exception(failure); });
}

void GraphView::SelectionChanged() {
  for (const int element : ringed_) UpdateTwips(RingBounds(elements_.Marker(element)));
  ringed_.clear();
  for (const NodeRef& node : selection_->Nodes()) ringed_.push_back(ElementOf(node.plot, node.node));
  for (const int element : ringed_) UpdateTwips(RingBounds(elements_.Marker(element)));
}

// The selection's rings and the highlight's follow their nodes.
void GraphView::UpdateRings(const GraphElements& before) {
  std::vector<int> rings = ringed_;
  if (highlight_)
    for (int plot = 0; plot < kPlots; ++plot) rings.push_back(ElementOf(plot, highlight_->node));
  for (const int element : rings) {
    if (before.Marker(element) == elements_.Marker(element)) continue;
    UpdateTwips(RingBounds(before.Marker(element)));
    UpdateTwips(RingBounds(elements_.Marker(element)));
  }
}

void GraphView::ApplyPointerShape() { setCursor(ToQt(editor_.Pointer())); }

void GraphView::UpdateChanged(const GraphElements& before) {
  // Where an element was drawn and where it is drawn now; hidden elements leave nothing to repaint.
  const auto repaint = [this](const auto& was, const auto& is, auto bounds) {
    if (was == is) return;
    if (was.visible) UpdateTwips(bounds(was));
    if (is.visible) UpdateTwips(bounds(is));
  };
  for (int k = 1; k <= kElements; ++k) {
    repaint(before.Marker(k), elements_.Marker(k), MarkerBounds);
    repaint(before.Line(k), elements_.Line(k), LineBounds);
  }
  repaint(before.RevLimit(), elements_.RevLimit(), RevLimitBounds);
  repaint(before.Label(), elements_.Label(), LabelBounds);
  UpdateRings(before);
}

// The grid under a moved element is repainted too, so the area is widened by a pixel for
// antialiased edges.
void GraphView::UpdateTwips(const QRectF& twips) {
  update(SurfaceTransform(QRectF(rect())).mapRect(twips).toAlignedRect().adjusted(-1, -1, 1, 1));
}

}  // namespace curvedesk
