#pragma once

#include <QFont>
#include <QRectF>
#include <QTransform>
#include <string>
#include <vector>

#include "core/graph/GraphElements.h"
#include "core/graph/GridDrawing.h"
#include "core/graph/TextMeasure.h"

class QPainter;

namespace curvedesk {

// The part of the surface frame (twips) that the graph view shows: the plot area with its labels,
// titles and markers that stick out of it.
inline const QRectF kGraphSurface(0, -60, 9200, 7360);

// A graph font sized in twips, for painters that work in twips.
QFont GraphFont(const TextStyle& style);

// Measures with the graph fonts; results are twips.
class QtTextMeasure : public TextMeasure {
 public:
  double Width(const std::string& text, const TextStyle& style) const override;
  double Height(const TextStyle& style) const override;
};

// Maps the surface onto target, keeping the aspect and centring it.
QTransform SurfaceTransform(const QRectF& target);

// Paints the grid description on a painter that works in twips.
void PaintGrid(QPainter& painter, const GridDrawing& grid);
// How a layer of elements is painted: the curve being edited, or a curve only looked at behind it
// (a comparison), in the faded plot colours with thinner dashed lines, a dotted rev-limit line and
// neither node markers nor the node information label.
struct ElementStyle {
  bool faded = false;
  double plotLineWidth = 7 * kTwipsPerPixel;
  Qt::PenStyle plotLineStyle = Qt::SolidLine;
  Qt::PenStyle revLimitStyle = Qt::DashLine;
  bool markers = true;
};
inline constexpr ElementStyle kEditedStyle{};
inline constexpr ElementStyle kComparisonStyle{true, 4 * kTwipsPerPixel, Qt::DashLine, Qt::DotLine, false};

// Paints the visible plot lines, markers, the rev-limit line and the node information label on a
// painter that works in twips.
void PaintElements(QPainter& painter, const GraphElements& elements, const ElementStyle& style = kEditedStyle);

// What the view draws besides the edited curve: a comparison curve behind it, the legend's line
// about the comparison in the top left corner of the plot area (a dashed swatch and the text), and
// rings around highlighted node markers.
struct GraphOverlay {
  const GraphElements* comparison = nullptr;
  std::string legend;
  std::vector<NodeMarker> highlighted;
};

// The whole graph view into target: grid, the overlay's comparison, the elements and the rest of the
// overlay, mapped by SurfaceTransform.
void PaintGraphView(QPainter& painter, const QRectF& target, const GridDrawing& grid, const GraphElements& elements,
                    const GraphOverlay& overlay = {});

// Rings around the selected node markers (visible ones only), mapped like PaintGraphView; the
// current node's ring is drawn stronger. Elements are numbered as markers are.
void PaintSelectionRings(QPainter& painter, const QRectF& target, const GraphElements& elements,
                         const std::vector<int>& selected, int current);

// Where each element is drawn, in twips including its pen, for repainting only what moved.
QRectF MarkerBounds(const NodeMarker& marker);
QRectF LineBounds(const PlotLine& line);
QRectF RevLimitBounds(const RevLimitLine& line);
QRectF LabelBounds(const NodeInfoLabel& label);
// Both rings a marker can have: the selection ring and the comparison's highlight around it.
QRectF RingBounds(const NodeMarker& marker);

}  // namespace curvedesk
