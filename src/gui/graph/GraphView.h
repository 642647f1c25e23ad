#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "core/graph/GraphEditor.h"
#include "core/graph/GraphElements.h"
#include "core/graph/GridDrawing.h"
#include "core/model/AppContext.h"
#include "gui/paint/GraphPainter.h"

namespace curvedesk {

class FormSparkAdvance;
class Prompter;

// The graph surface of the main window (picGraph): draws the graph of the current sensor state and
// lets the user drag its nodes and rev-limit line or double-click a node to type its values. It
// maps the twip frame of the graph onto its own size, keeping the aspect.
class GraphView : public QWidget {
  Q_OBJECT
 public:
  // What the main window shows for the coil limits: the spark distribution text ("Coil" or
  // "Distrib.") and the coil type text.
  struct ShownCoil {
    std::string sparkDist;
    std::string coilType;
  };
  using ShownCoilSource = std::function<ShownCoil()>;

  GraphView(AppContext& context, Prompter& prompter, QWidget* parent = nullptr);
  ~GraphView() override;

  void SetShownCoilSource(ShownCoilSource source) { shownCoil_ = std::move(source); }

  // Full redraw of the graph of CurrentSensorState, then the coil limits are loaded for what the
  // main window shows. Raises the limits file's error.
  void DrawGraph();
  // Shows the rev-limit line of the current graph anew (after the rev limit field changed it).
  void ShowRevLimit();
  // Shows the bare grid (no curve open).
  void HideGraph();

  const GraphElements& Elements() const { return elements_; }
  const GraphEditor& Editor() const { return editor_; }
  FormSparkAdvance& NodeDialog() { return *nodeDialog_; }
  // Widget position of a point of the twip frame, and back.
  QPointF ToWidget(const QPointF& twips) const;
  QPointF ToTwips(const QPointF& widgetPoint) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

 signals:
  // A node or the rev limit was changed by the user.
  void modified();
  // The rev-limit line was dragged to this value.
  void revLimitDragged(int value);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  SensorStateGraph& CurrentGraph();
  void PointerMoved(const QPointF& widgetPoint);
  void EditNodeInDialog(const NodeRef& node);
  // Repaints the parts of the widget where elements differ from before.
  void UpdateChanged(const GraphElements& before);
  void UpdateTwips(const QRectF& twips);
  void ApplyPointerShape();

  AppContext& context_;
  Prompter& prompter_;
  QtTextMeasure measure_;
  GridDrawing grid_;
  GraphElements elements_;
  GraphEditor editor_{elements_, measure_};
  ShownCoilSource shownCoil_;
  FormSparkAdvance* nodeDialog_;
};

}  // namespace curvedesk
