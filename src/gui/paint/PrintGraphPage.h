#pragma once

#include <QFont>
#include <QPagedPaintDevice>
#include <functional>

#include "core/model/CurveData.h"
#include "core/print/PrintedPage.h"

class QPainter;

namespace curvedesk {

// The printed page's font, sized in twips: a narrow sans serif, so that values fit their cells as
// they do in the printed forms customers know.
QFont PrintFont(const TextStyle& style);

// Measures with the print fonts; results are twips.
class PrintTextMeasure : public TextMeasure {
 public:
  double Width(const std::string& text, const TextStyle& style) const override;
  double Height(const TextStyle& style) const override;
};

// Paints the maker's logo into a rectangle of the page.
using LogoPainter = std::function<void(QPainter&, const QRectF&)>;

// Paints one laid-out page; the painter's unit is mapped from printed twips to the device's dots,
// so a width of n printer units becomes n * (device dpi / 600) dots.
void PaintPrintedPage(QPainter& painter, const PrintedPage& page, const LogoPainter& logo);

// Lays out and paints graph `graphIndex` of the curve on the painter's device, whose resolution is
// dotsPerInch, with the comparison's graph of that state behind it when one is given.
void PrintGraphPage(QPainter& painter, int dotsPerInch, const CurveData& curve, const std::string& custName,
                    int graphIndex, const LogoPainter& logo, const PrintedComparison& comparison = {});

// Told before each page is printed.
class PrintProgressSink {
 public:
  virtual ~PrintProgressSink() = default;
  virtual void PageStarting(const std::string& text) = 0;
};

// Prints the pages on the device, one graph a page; false when the device cannot be painted on.
bool PrintGraphPages(QPagedPaintDevice& device, int dotsPerInch, const CurveData& curve, const std::string& custName,
                     const std::vector<int>& graphs, const LogoPainter& logo, PrintProgressSink* progress,
                     const PrintedComparison& comparison = {});

}  // namespace curvedesk
