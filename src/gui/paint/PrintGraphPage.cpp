#include "gui/paint/PrintGraphPage.h"

#include <QFontMetricsF>
#include <QPainter>
#include <type_traits>

#include "gui/paint/GraphPainter.h"

namespace curvedesk {

namespace {

constexpr double kTwipsPerInch = 1440;

QColor ToQColor(const Rgb& rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

Qt::PenStyle ToQtStyle(PenStyle style) {
  switch (style) {
    case PenStyle::Dotted:
      return Qt::DotLine;
    case PenStyle::Dashed:
      return Qt::DashLine;
    case PenStyle::Solid:
      break;
  }
  return Qt::SolidLine;
}

}  // namespace

QFont PrintFont(const TextStyle& style) {
  QFont font = GraphFont(style);
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
  font.setStretch(QFont::SemiCondensed);
  return font;
}

double PrintTextMeasure::Width(const std::string& text, const TextStyle& style) const {
  return QFontMetricsF(PrintFont(style)).horizontalAdvance(QString::fromStdString(text));
}

double PrintTextMeasure::Height(const TextStyle& style) const { return QFontMetricsF(PrintFont(style)).height(); }

void PaintPrintedPage(QPainter& painter, const PrintedPage& page, const LogoPainter& logo) {
  for (const PageStep& step : page.steps) {
    std::visit(
        [&](const auto& item) {
          using Item = std::decay_t<decltype(item)>;
          if constexpr (std::is_same_v<Item, PageLine>) {
            painter.setPen(QPen(ToQColor(item.colour), item.width, ToQtStyle(item.style), Qt::FlatCap));
            painter.drawLine(QPointF(item.x1, item.y1), QPointF(item.x2, item.y2));
          } else if constexpr (std::is_same_v<Item, PageBox>) {
            painter.setPen(QPen(Qt::black, item.lineWidth));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(item.left, item.top, item.width, item.height));
          } else if constexpr (std::is_same_v<Item, PageDot>) {
            painter.save();
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::black);
            painter.drawEllipse(QPointF(item.centreX, item.centreY), item.radius, item.radius);
            painter.restore();
          } else if constexpr (std::is_same_v<Item, PageText>) {
            painter.setPen(Qt::black);
            painter.setFont(PrintFont(item.style));
            painter.drawText(QPointF(item.left, item.top + QFontMetricsF(painter.font()).ascent()),
                             QString::fromStdString(item.text));
          } else {
            if (logo) logo(painter, QRectF(item.left, item.top, item.width, item.height));
          }
        },
        step);
  }
}

void PrintGraphPage(QPainter& painter, int dotsPerInch, const CurveData& curve, const std::string& custName,
                    int graphIndex, const LogoPainter& logo, const PrintedComparison& comparison) {
  const PrintTextMeasure measure;
  const PrintedPage page = LayOutGraphPage({&curve, graphIndex, custName, 720, 720, comparison}, measure);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const double dotsPerTwip = dotsPerInch / kTwipsPerInch;
  painter.scale(dotsPerTwip, dotsPerTwip);
  PaintPrintedPage(painter, page, logo);
  painter.restore();
}

bool PrintGraphPages(QPagedPaintDevice& device, int dotsPerInch, const CurveData& curve, const std::string& custName,
                     const std::vector<int>& graphs, const LogoPainter& logo, PrintProgressSink* progress,
                     const PrintedComparison& comparison) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  for (std::size_t page = 0; page < graphs.size(); ++page) {
    if (progress) progress->PageStarting(PrintingPageText(static_cast<int>(page) + 1));
    if (page > 0) device.newPage();
    PrintGraphPage(painter, dotsPerInch, curve, custName, graphs[page], logo, comparison);
  }
  return painter.end();
}

}  // namespace curvedesk
