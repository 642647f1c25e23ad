#include "gui/paint/GraphPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <optional>

#include "core/graph/GraphColours.h"
#include "core/graph/GraphScale.h"

namespace curvedesk {

namespace {

constexpr double kTwipsPerPoint = 20;
constexpr double kPlotLineWidth = kEditedStyle.plotLineWidth;
constexpr double kRevLimitWidth = 2 * kTwipsPerPixel;
constexpr double kMarkerOutlineWidth = 1 * kTwipsPerPixel;
constexpr double kLabelPadding = 50;  // half of the 100 twips the label is wider than its text
// A selection ring stands clear of the marker's outline, so the marker's colour stays readable.
constexpr double kRingGap = 70;
constexpr double kRingWidth = 2 * kTwipsPerPixel;
constexpr double kCurrentRingWidth = 3 * kTwipsPerPixel;
// A comparison's highlight ring goes round the selection ring, so a node both selected and
// highlighted shows both.
constexpr double kHighlightGap = 130;
constexpr double kHighlightWidth = 3 * kTwipsPerPixel;

QRectF RingRect(const NodeMarker& marker) {
  return QRectF(marker.left - kRingGap, marker.top - kRingGap, kMarkerSize + 2 * kRingGap, kMarkerSize + 2 * kRingGap);
}

QColor ToQColor(const Rgb& rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

// Line widths are twips; on a small surface they never get thinner than one device pixel.
QPen GraphPen(const QPainter& painter, const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine) {
  const double twipsPerDevicePixel = 1.0 / std::max(painter.deviceTransform().m11(), 1e-9);
  QPen pen(colour, std::max(width, twipsPerDevicePixel), style, Qt::FlatCap);
  return pen;
}

QRectF Grown(const QRectF& rect, double margin) { return rect.adjusted(-margin, -margin, margin, margin); }

// A ring around a marker, wide enough to be seen beside the marker's own outline.
void PaintHighlight(QPainter& painter, const NodeMarker& marker) {
  painter.setPen(GraphPen(painter, QColor(255, 120, 0), kHighlightWidth));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(Grown(QRectF(marker.left, marker.top, kMarkerSize, kMarkerSize), kHighlightGap));
}

// The legend's line about the comparison: a dashed grey swatch and the text on a white box, at the
// top left of the plot area, where a timing curve seldom reaches.
void PaintLegendLine(QPainter& painter, const std::string& text) {
  constexpr TextStyle kLegendStyle{8, true};
  constexpr QPointF kTopLeft(kLeftEdge + 60, kTopEdge + 60);
  constexpr double kSwatchLength = 420;
  constexpr double kGap = 90;
  painter.setFont(GraphFont(kLegendStyle));
  const QFontMetricsF metrics(painter.font());
  const QString caption = QString::fromStdString(text);
  const QRectF box(kTopLeft, QSizeF(kGap + kSwatchLength + kGap + metrics.horizontalAdvance(caption) + kGap,
                                    metrics.height() + kGap));
  painter.setPen(GraphPen(painter, QColor(160, 160, 160), kMarkerOutlineWidth));
  painter.setBrush(QColor(255, 255, 255, 230));
  painter.drawRect(box);
  painter.setBrush(Qt::NoBrush);
  const double middle = box.center().y();
  painter.setPen(GraphPen(painter, ToQColor(kComparisonSwatchColour), kComparisonStyle.plotLineWidth,
                          kComparisonStyle.plotLineStyle));
  painter.drawLine(QPointF(box.left() + kGap, middle), QPointF(box.left() + kGap + kSwatchLength, middle));
  painter.setPen(Qt::black);
  painter.drawText(QPointF(box.left() + kGap + kSwatchLength + kGap, middle - metrics.height() / 2 + metrics.ascent()),
                   caption);
}

}  // namespace

QFont GraphFont(const TextStyle& style) {
  QFont font;
  font.setPixelSize(static_cast<int>(style.pointSize * kTwipsPerPoint));
  font.setBold(style.bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

double QtTextMeasure::Width(const std::string& text, const TextStyle& style) const {
  return QFontMetricsF(GraphFont(style)).horizontalAdvance(QString::fromStdString(text));
}

double QtTextMeasure::Height(const TextStyle& style) const { return QFontMetricsF(GraphFont(style)).height(); }

QTransform SurfaceTransform(const QRectF& target) {
  const double scale = std::min(target.width() / kGraphSurface.width(), target.height() / kGraphSurface.height());
  const QPointF offset(target.left() + (target.width() - kGraphSurface.width() * scale) / 2,
                       target.top() + (target.height() - kGraphSurface.height() * scale) / 2);
  QTransform transform;
  transform.translate(offset.x(), offset.y());
  transform.scale(scale, scale);
  transform.translate(-kGraphSurface.left(), -kGraphSurface.top());
  return transform;
}

void PaintGrid(QPainter& painter, const GridDrawing& grid) {
  for (const GridLine& line : grid.lines) {
    painter.setPen(GraphPen(painter, ToQColor(line.colour), line.width, line.dotted ? Qt::DotLine : Qt::SolidLine));
    painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
  }
  painter.setPen(Qt::black);
  // The labels come in a few styles: set a font only when the style changes.
  std::optional<TextStyle> style;
  double ascent = 0;
  for (const GridText& text : grid.texts) {
    if (style != text.style) {
      style = text.style;
      painter.setFont(GraphFont(text.style));
      ascent = QFontMetricsF(painter.font()).ascent();
    }
    painter.drawText(QPointF(text.left, text.top + ascent), QString::fromStdString(text.text));
  }
}

void PaintElements(QPainter& painter, const GraphElements& elements, const ElementStyle& style) {
  const auto colour = [&style](const Rgb& rgb) { return ToQColor(style.faded ? Faded(rgb) : rgb); };
  for (int k = 1; k <= kElements; ++k) {
    const PlotLine& line = elements.Line(k);
    if (!line.visible) continue;
    painter.setPen(GraphPen(painter, colour(kPlotColours[PlotOf(k)]), style.plotLineWidth, style.plotLineStyle));
    painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
  }
  for (int k = 1; style.markers && k <= kElements; ++k) {
    const NodeMarker& marker = elements.Marker(k);
    if (!marker.visible) continue;
    painter.setPen(GraphPen(painter, QColor(40, 40, 40), kMarkerOutlineWidth));
    painter.setBrush(ToQColor(kPlotColours[PlotOf(k)]));
    painter.drawEllipse(QRectF(marker.left, marker.top, kMarkerSize, kMarkerSize));
  }
  painter.setBrush(Qt::NoBrush);

  const RevLimitLine& revLimit = elements.RevLimit();
  if (revLimit.visible) {
    painter.setPen(GraphPen(painter, colour(kRevLimitColour), kRevLimitWidth, style.revLimitStyle));
    painter.drawLine(QPointF(revLimit.x, revLimit.top), QPointF(revLimit.x, revLimit.bottom));
  }

  const NodeInfoLabel& label = elements.Label();
  if (label.visible && style.markers) {
    const QRectF box(label.left, label.top, label.width, label.height);
    painter.setPen(GraphPen(painter, QColor(120, 120, 120), kMarkerOutlineWidth));
    painter.setBrush(QColor(255, 255, 225));
    painter.drawRect(box);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::black);
    painter.setFont(GraphFont(kNodeInfoStyle));
    const QFontMetricsF metrics(painter.font());
    const double left = label.left + kLabelPadding;
    painter.drawText(QPointF(left, label.top + metrics.ascent()), QString::fromStdString(label.rpmLine));
    painter.drawText(QPointF(left, label.top + metrics.height() + metrics.ascent()),
                     QString::fromStdString(label.angleLine));
  }
}

void PaintGraphView(QPainter& painter, const QRectF& target, const GridDrawing& grid, const GraphElements& elements,
                    const GraphOverlay& overlay) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setTransform(SurfaceTransform(target), true);
  PaintGrid(painter, grid);
  if (overlay.comparison) PaintElements(painter, *overlay.comparison, kComparisonStyle);
  PaintElements(painter, elements);
  for (const NodeMarker& marker : overlay.highlighted) PaintHighlight(painter, marker);
  if (!overlay.legend.empty()) PaintLegendLine(painter, overlay.legend);
  painter.restore();
}

void PaintSelectionRings(QPainter& painter, const QRectF& target, const GraphElements& elements,
                         const std::vector<int>& selected, int current) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setTransform(SurfaceTransform(target), true);
  painter.setBrush(Qt::NoBrush);
  for (const int element : selected) {
    const NodeMarker& marker = elements.Marker(element);
    if (!marker.visible) continue;
    const bool isCurrent = element == current;
    painter.setPen(GraphPen(painter, isCurrent ? QColor(0, 0, 0) : QColor(90, 90, 90),
                            isCurrent ? kCurrentRingWidth : kRingWidth, isCurrent ? Qt::SolidLine : Qt::DashLine));
    painter.drawEllipse(RingRect(marker));
  }
  painter.restore();
}

QRectF MarkerBounds(const NodeMarker& marker) {
  return Grown(QRectF(marker.left, marker.top, kMarkerSize, kMarkerSize), kMarkerOutlineWidth);
}

QRectF LineBounds(const PlotLine& line) {
  return Grown(QRectF(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2)).normalized(), kPlotLineWidth);
}

QRectF RevLimitBounds(const RevLimitLine& line) {
  return Grown(QRectF(QPointF(line.x, line.top), QPointF(line.x, line.bottom)).normalized(), kRevLimitWidth);
}

QRectF LabelBounds(const NodeInfoLabel& label) {
  return Grown(QRectF(label.left, label.top, label.width, label.height), kMarkerOutlineWidth);
}

QRectF RingBounds(const NodeMarker& marker) {
  return Grown(QRectF(marker.left, marker.top, kMarkerSize, kMarkerSize), kHighlightGap + kHighlightWidth);
}

}  // namespace curvedesk
