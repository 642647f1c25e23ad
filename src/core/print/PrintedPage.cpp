#include "core/print/PrintedPage.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/document/ComparisonCurve.h"
#include "core/document/SensorStateList.h"
#include "core/graph/GraphElements.h"
#include "core/graph/GraphScale.h"
#include "core/graph/GridDrawing.h"
#include "core/model/CurveRules.h"
#include "core/model/DisplayTexts.h"
#include "core/print/WrapText.h"

namespace curvedesk {

namespace {

constexpr double Units(double printerDots) { return printerDots * kTwipsPerPrintUnit; }

constexpr TextStyle kHeaderFont{18, true};
constexpr TextStyle kValueFont{12, true};
constexpr TextStyle kCaptionFont{10, true};
constexpr TextStyle kNoteFont{10, false};
constexpr Rgb kBlack{0, 0, 0};

constexpr double kBoxLineWidth = Units(4);
constexpr double kPlotLineWidth = Units(30);
constexpr double kComparisonLineWidth = Units(20);
constexpr double kRevLimitLineWidth = Units(15);
constexpr double kNodeDotRadius = 75;

// Cell texts shrink to fit their place rather than run into their neighbours, but never below this.
constexpr int kSmallestCellPoints = 6;
// Neighbouring cells stand this far apart: a caption may use the box width and this gap.
constexpr double kCellGap = 85;
constexpr double kValueMargin = 40;

constexpr double kStateColumnX = 9392;
constexpr double kStateLeftX = 8842;
constexpr double kStateRightX = 9942;
constexpr double kStateColumnHalfWidth = 1050;

// Wide enough that each state entry keeps its two columns apart.
constexpr int kSensorListWidth = 40 * kSensorListCharWidth;

class PageBuilder {
 public:
  PageBuilder(const TextMeasure& measure) : measure_(measure) {}

  void Line(double x1, double y1, double x2, double y2, double width, PenStyle style, Rgb colour) {
    page_.steps.push_back(PageLine{x1, y1, x2, y2, width, style, colour});
  }
  void Text(const std::string& text, double left, double top, TextStyle style) {
    page_.steps.push_back(PageText{text, left, top, style});
  }
  void TextCentredAt(const std::string& text, double centreX, double top, TextStyle style) {
    Text(text, centreX - measure_.Width(text, style) / 2, top, style);
  }

  // The style made smaller, a point at a time, until the text is at most maxWidth wide.
  TextStyle FittedStyle(const std::string& text, TextStyle style, double maxWidth) const {
    while (style.pointSize > kSmallestCellPoints && measure_.Width(text, style) > maxWidth) --style.pointSize;
    return style;
  }

  // A box centred on the point with the value inside and the caption above or below it. The
  // specified fonts are wider than several cells (a long custom layout name, "Fallback RPM" over a
  // narrow box), so both texts shrink to fit instead of overlapping their neighbours.
  void Cell(const std::string& caption, const std::string& value, double width, double height, double centreX,
            double centreY, bool captionAbove) {
    const double top = centreY - height / 2;
    page_.steps.push_back(PageBox{centreX - width / 2, top, width, height, kBoxLineWidth});
    const TextStyle valueFont = FittedStyle(value, kValueFont, width - kValueMargin);
    TextCentredAt(value, centreX, centreY - measure_.Height(valueFont) / 2, valueFont);
    const TextStyle captionFont = FittedStyle(caption, kCaptionFont, width + kCellGap);
    const double captionTop = captionAbove ? top - 50 - measure_.Height(captionFont) : top + height + 70;
    TextCentredAt(caption, centreX, captionTop, captionFont);
  }

  void Add(PageStep step) { page_.steps.push_back(std::move(step)); }
  const TextMeasure& Measure() const { return measure_; }
  PrintedPage Take() { return std::move(page_); }

 private:
  const TextMeasure& measure_;
  PrintedPage page_;
};

void AddHeader(PageBuilder& page, const PageInputs& inputs) {
  const double nameWidth = page.Measure().Width(kMakerName, kHeaderFont);
  const double nameHeight = page.Measure().Height(kHeaderFont);
  const double left = kPageCentreX - (inputs.logoWidth + 100 + nameWidth) / 2;
  const double top = 700 - std::max(inputs.logoHeight, nameHeight) / 2;
  page.Add(PageLogo{left, top, inputs.logoWidth, inputs.logoHeight});
  page.Text(kMakerName, left + inputs.logoWidth + 100, 700 - nameHeight / 2, kHeaderFont);
}

void AddGrid(PageBuilder& page) {
  const GridDrawing grid = DescribeGrid(PrintGridStyle(), page.Measure());
  for (const GridLine& line : grid.lines)
    page.Line(line.x1, line.y1, line.x2, line.y2, line.width, line.dotted ? PenStyle::Dotted : PenStyle::Solid,
              line.colour);
  for (const GridText& text : grid.texts) page.Text(text.text, text.left, text.top, text.style);
}

// How a graph's plots and rev-limit line are printed: the curve itself, or a comparison behind it
// in faded colours, dashed, thinner and without node dots.
struct PlotStyle {
  double lineWidth;
  PenStyle lineStyle;
  PenStyle revLimitStyle;
  bool faded;
  bool dots;
};
constexpr PlotStyle kCurveStyle{kPlotLineWidth, PenStyle::Solid, PenStyle::Dashed, false, true};
constexpr PlotStyle kComparisonStyle{kComparisonLineWidth, PenStyle::Dashed, PenStyle::Dotted, true, false};

Rgb Styled(const Rgb& colour, const PlotStyle& style) { return style.faded ? Faded(colour) : colour; }

void AddPlot(PageBuilder& page, const SensorStateGraph& graph, int plot, const PlotStyle& style) {
  const int nodes = std::clamp<int>(graph.NumTransitions, 0, kMaxNodes);
  if (nodes == 0) return;
  auto x = [&](int node) { return RpmToX(graph.RPM[node], kPrintFrame); };
  auto y = [&](int node) { return AngleToY(PlotAngle(graph.Nodes[node], plot), kPrintFrame); };
  const Rgb colour = Styled(kPlotColours[plot], style);
  for (int node = 0; node + 1 < nodes; ++node)
    page.Line(x(node), y(node), x(node + 1), y(node + 1), style.lineWidth, style.lineStyle, colour);
  page.Line(x(nodes - 1), y(nodes - 1), RpmToX(kMaxScaleRpm, kPrintFrame), y(nodes - 1), style.lineWidth,
            style.lineStyle, colour);
  for (int node = 0; style.dots && node < nodes; ++node)
    page.Add(PageDot{double(x(node)), double(y(node)), kNodeDotRadius});
}

void AddRevLimit(PageBuilder& page, const SensorStateGraph& graph, const PlotStyle& style) {
  if (graph.RevLimit == kNotSet) return;
  const double x = RpmToX(graph.RevLimit, kPrintFrame);
  page.Line(x, kPrintFrame.top, x, kPrintFrame.Bottom(), kRevLimitLineWidth, style.revLimitStyle,
            Styled(kRevLimitColour, style));
}

// The plots in use (coil on and the sparks) and the rev-limit line of one graph.
void AddGraph(PageBuilder& page, const SensorStateGraph& graph, const PlotStyle& style) {
  const int plots = std::clamp<int>(graph.NumSparks, 1, kPlots - 1) + 1;
  for (int plot = 0; plot < plots; ++plot) AddPlot(page, graph, plot, style);
  AddRevLimit(page, graph, style);
}

// As the main window shows it: the count, or the curve's own layout name when it is not a number.
std::string CylinderCellText(const CurveData& curve, const std::string& custName) {
  const std::string text = CylinderText(curve.NumCylinders, custName);
  const bool numeric = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
  return numeric ? text : curve.CustType;
}

void AddConfigRow(PageBuilder& page, const PageInputs& inputs) {
  const CurveData& curve = *inputs.curve;
  struct ConfigCell {
    const char* caption;
    double width;
    double centreX;
    std::string value;
  };
  const std::array<ConfigCell, 9> cells = {{
      {"No. Of Cyl.", 1900, 1250, CylinderCellText(curve, inputs.custName)},
      {"H.V. Distr.", 750, 2660, SparkDistName(curve.SparkDist)},
      {"Rotor Pos.", 750, 3495, RotorPosName(curve.RotorPos)},
      {"Tach Type", 500, 4205, TachTypeName(curve.TachType, inputs.custName)},
      {"Fallback RPM", 750, 4915, std::to_string(curve.CurveFallback)},
      {"Sensor 1", 1000, 5875, SensorName(curve.Sensor1Type, curve.Sensor1Volt)},
      {"Sensor 2", 1000, 6960, SensorName(curve.Sensor2Type, curve.Sensor2Volt)},
      {"Engine Type", 750, 7920, EngineTypeName(curve.EngineType)},
      {"Ignition Name/Model", 2300, 9530, curve.Name},
  }};
  for (const ConfigCell& cell : cells) page.Cell(cell.caption, cell.value, cell.width, 250, cell.centreX, 7865, true);
}

// The two sides of a sensor-state list entry: before its first and after its last double blank.
std::pair<std::string, std::string> SplitStateEntry(const std::string& entry) {
  const std::size_t first = entry.find("  ");
  if (first == std::string::npos) return {entry, ""};
  const std::size_t last = entry.rfind("  ");
  return {entry.substr(0, first), entry.substr(last + 2)};
}

// Two rows of two entries, and under them a line naming the comparison when one is printed. The
// rows and the right-hand entries move down and right only as far as the font needs to keep a
// caption off the next row and off the swatch beside it.
void AddLegend(PageBuilder& page, const PageInputs& inputs) {
  constexpr double kSwatchLength = 200;
  constexpr double kCaptionGap = 50;
  constexpr double kEntryGap = 100;
  const double captionHeight = page.Measure().Height(kCaptionFont);
  const double firstRowY = 4250;
  const double secondRowY = std::max(4400.0, firstRowY + captionHeight);
  const double leftEntryX = kStateColumnX - kStateColumnHalfWidth;
  const double leftCaptionsEnd =
      leftEntryX + kSwatchLength + kCaptionGap +
      std::max(page.Measure().Width(PlotCaption(0), kCaptionFont), page.Measure().Width(PlotCaption(2), kCaptionFont));
  const double rightEntryX = std::max(kStateColumnX + 50, leftCaptionsEnd + kEntryGap);
  for (int plot = 0; plot < kPlots; ++plot) {
    const double lineLeft = plot % 2 == 0 ? leftEntryX : rightEntryX;
    const double rowY = plot < 2 ? firstRowY : secondRowY;
    page.Line(lineLeft, rowY, lineLeft + kSwatchLength, rowY, kPlotLineWidth, PenStyle::Solid, kPlotColours[plot]);
    page.Text(PlotCaption(plot), lineLeft + kSwatchLength + kCaptionGap, rowY - captionHeight / 2, kCaptionFont);
  }
  const CurveData* comparison = inputs.comparison.curve;
  if (!comparison) return;
  const double rowY = secondRowY + captionHeight;
  const double captionLeft = leftEntryX + kSwatchLength + kCaptionGap;
  const std::string text = ComparisonLegend(inputs.comparison.fileName, comparison->NumSensorStates, inputs.graphIndex);
  const TextStyle style = page.FittedStyle(text, kCaptionFont, kStateColumnX + kStateColumnHalfWidth - captionLeft);
  // Two dashes: one dash of a dashed pen is about as long as the whole swatch.
  for (const double dash : {0.0, 0.6 * kSwatchLength})
    page.Line(leftEntryX + dash, rowY, leftEntryX + dash + 0.4 * kSwatchLength, rowY, kComparisonLineWidth,
              PenStyle::Solid, kComparisonSwatchColour);
  page.Text(text, captionLeft, rowY - page.Measure().Height(style) / 2, style);
}

void AddWrappedText(PageBuilder& page, const std::string& text, double width, double height, double centreX,
                    double centreY) {
  const double left = centreX - width / 2;
  const double top = centreY - height / 2;
  page.Add(PageBox{left, top, width, height, kBoxLineWidth});
  const double lineHeight = page.Measure().Height(kNoteFont) + 15;
  const int linesThatFit = static_cast<int>(height / lineHeight);
  const auto measureNote = [&](const std::string& line) { return page.Measure().Width(line, kNoteFont); };
  const std::vector<std::string> lines = WrapText(text, width - 30, linesThatFit, measureNote);
  for (std::size_t i = 0; i < lines.size(); ++i)
    page.Text(lines[i], left + 15, top + 15 + static_cast<double>(i) * lineHeight, kNoteFont);
}

void AddStateColumn(PageBuilder& page, const PageInputs& inputs, const SensorStateGraph& graph) {
  const std::vector<std::string> entries = BuildSensorStateList(*inputs.curve, kSensorListWidth);
  const auto index = static_cast<std::size_t>(inputs.graphIndex);
  const auto [sensor1, sensor2] =
      index < entries.size() ? SplitStateEntry(entries[index]) : std::pair<std::string, std::string>{};
  page.Cell("Sensor 1", sensor1, 1000, 250, kStateLeftX, 1450, true);
  page.Cell("Sensor 2", sensor2, 1000, 250, kStateRightX, 1450, true);

  const double separatorLeft = kStateColumnX - kStateColumnHalfWidth;
  const double separatorRight = kStateColumnX + kStateColumnHalfWidth;
  page.Line(separatorLeft, 1700, separatorRight, 1700, kBoxLineWidth, PenStyle::Solid, kBlack);
  page.Cell("Rev Limit @ RPM", RpmSwitchText(graph.RevLimit), 800, 250, kStateColumnX, 1950, false);
  page.Line(separatorLeft, 2500, separatorRight, 2500, kBoxLineWidth, PenStyle::Solid, kBlack);

  page.TextCentredAt("Number of", kStateColumnX, 3100 - page.Measure().Height(kValueFont) / 2, kValueFont);
  page.Cell("Transitions", std::to_string(graph.NumTransitions), 800, 250, kStateLeftX, 3650, true);
  page.Cell("Sparks", std::to_string(graph.NumSparks), 800, 250, kStateRightX, 3650, true);

  AddLegend(page, inputs);
  AddWrappedText(page, graph.GraphInfo, 2000, 2100, kStateColumnX, 5950);
}

}  // namespace

PrintedPage LayOutGraphPage(const PageInputs& inputs, const TextMeasure& measure) {
  const SensorStateGraph& graph = inputs.curve->Graphs[static_cast<std::size_t>(inputs.graphIndex)];
  PageBuilder page(measure);
  AddHeader(page, inputs);
  AddGrid(page);
  // The comparison goes first, so the curve is printed over it where the two meet.
  const CurveData* comparison = inputs.comparison.curve;
  if (comparison && inputs.graphIndex < std::clamp<int>(comparison->NumSensorStates, 0, kMaxSensorStates))
    AddGraph(page, comparison->Graphs[static_cast<std::size_t>(inputs.graphIndex)], kComparisonStyle);
  AddGraph(page, graph, kCurveStyle);
  AddConfigRow(page, inputs);
  AddStateColumn(page, inputs, graph);
  return page.Take();
}

std::vector<int> PagesToPrint(const CurveData& curve, int shownState, bool selectionOnly) {
  if (selectionOnly) return {shownState};
  std::vector<int> pages;
  const int count = std::clamp<int>(curve.NumSensorStates, 1, kMaxSensorStates);
  for (int index = 0; index < count; ++index) pages.push_back(index);
  return pages;
}

std::string PrintingPageText(int pageNumber) { return "Printing page " + std::to_string(pageNumber) + " ..."; }

}  // namespace curvedesk
