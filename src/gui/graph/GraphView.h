#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/document/CurveDocument.h"
#include "core/graph/GraphEditor.h"
#include "core/graph/GraphElements.h"
#include "core/graph/GridDrawing.h"
#include "gui/paint/GraphPainter.h"

namespace curvedesk {

class ComparisonCurve;
class FormSparkAdvance;
class NodeSelection;
class Prompter;

// The graph surface of the main window (picGraph): draws the shown graph of a curve document and
// lets the user drag its nodes and rev-limit line or double-click a node to type its values. A
// click selects a node (a ring marks it); the arrow keys then move it, Tab and Shift+Tab go from
// node to node, Enter opens the node dialog and Esc ends the selection. Every change goes to the
// document as an edit; the view lays the graph out again when the document says it changed. It
// maps the twip frame of the graph onto its own size, keeping the aspect.
class GraphView : public QWidget {
  Q_OBJECT
 public:
  GraphView(CurveDocument& document, Prompter& prompter, QWidget* parent = nullptr);
  ~GraphView() override;

  const GraphElements& Elements() const { return elements_; }
  const GraphEditor& Editor() const { return editor_; }
  FormSparkAdvance& NodeDialog() { return *nodeDialog_; }
  // The selected nodes, shared with the node table.
  NodeSelection& Selection() { return *selection_; }
  // Whether the pointer is down on the graph: a drag's edits are on their way.
  bool PointerDown() const { return gesture_ != 0; }
  // Draws the comparison's graph of the shown sensor state behind the edited one, faded and dashed,
  // without markers and out of reach of the pointer, and names it in the legend line. The view
  // follows the comparison as long as it lives.
  void ShowComparison(std::shared_ptr<ComparisonCurve> comparison);
  const GraphElements& ComparisonElements() const { return comparisonElements_; }
  const std::string& ComparisonLegend() const { return comparisonLegend_; }
  // Rings the markers of one node of sensor state `state` while that state is shown: every plot's
  // marker of the node, or only plot `plot`'s (0..3).
  void HighlightNode(int state, int node, int plot = -1);
  void ClearHighlight();
  // The markers ringed now.
  std::vector<NodeMarker> HighlightedMarkers() const;

  // Widget position of a point of the twip frame, and back.
  QPointF ToWidget(const QPointF& twips) const;
  QPointF ToTwips(const QPointF& widgetPoint) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

 signals:
  // The pointer was let go after it went down on the graph.
  void PointerReleased();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void DocumentChanged(const DocumentChange& change);
  // Lays out the shown graph, or nothing without a curve, and repaints what moved.
  void LayOut();
  void PointerMoved(const QPointF& widgetPoint);
  void EditNodeInDialog(const NodeRef& node);
  // Repaints the parts of the widget where elements differ from before.
  void UpdateChanged(const GraphElements& before);
  void UpdateTwips(const QRectF& twips);
  void ApplyPointerShape();
  // Keys on the selected node; false for keys it leaves to the window.
  bool NodeKeyPressed(const QKeyEvent& event);
  // Runs an edit of this view, whose notification must not end what the pointer is doing.
  void OwnEdit(const std::function<void()>& edit);
  // Repaints the rings that were drawn and the ones to draw now.
  void SelectionChanged();
  void UpdateRings(const GraphElements& before);
  // Lays out the comparison's graph of the shown state and the legend line; repaints when they changed.
  void LayOutComparison();

  CurveDocument& document_;
  Prompter& prompter_;
  int subscription_ = 0;
  QtTextMeasure measure_;
  GridDrawing grid_;
  GraphElements elements_;
  GraphEditor editor_{elements_, measure_};
  // The drag in progress, one undo step.
  CurveDocument::Gesture gesture_ = 0;
  // Set while this view's own edit is being told back to it, so a drag goes on.
  bool ownEdit_ = false;
  FormSparkAdvance* nodeDialog_;
  NodeSelection* selection_;
  // The markers the rings were last drawn around.
  std::vector<int> ringed_;

  std::shared_ptr<ComparisonCurve> comparison_;
  int comparisonSubscription_ = 0;
  // Drawn only: the editor never sees these elements, so the pointer cannot reach them.
  GraphElements comparisonElements_;
  std::string comparisonLegend_;
  struct Highlight {
    int state;
    int node;
    int plot;
  };
  std::optional<Highlight> highlight_;
};

}  // namespace curvedesk
