#include "core/graph/GridDrawing.h"

#include <algorithm>
#include <cmath>

namespace curvedesk {

namespace {

constexpr int kRows = 17;
constexpr int kFullColumns = 16;
constexpr double kLabelDrop = 80;  // label tops sit this far below their row line or the bottom edge
constexpr double kAxisTitleLineOverlap = 20;
constexpr double kAxisTitleClearance = 40;  // least room between the vertical title and the angle labels

void AddGridLines(const GridStyle& style, GridDrawing& drawing) {
  const GraphFrame& f = style.frame;
  const double right = f.Right();
  const double bottom = f.Bottom();
  // Dotted lines through the middle of every row and of every full column.
  for (int i = 0; i < kRows; ++i) {
    const double y = f.top + std::floor(f.row / 2) + f.row * i;
    drawing.lines.push_back({f.left, y, right, y, style.dottedWidth, true, kDottedGridColour});
  }
  for (int i = 0; i < kFullColumns; ++i) {
    const double x = f.left + std::floor(f.column / 2) + f.column * i;
    drawing.lines.push_back({x, f.top, x, bottom, style.dottedWidth, true, kDottedGridColour});
  }
  // Solid lines on every scale point and the right border.
  for (int k = 0; k <= kRows; ++k) {
    const double y = f.top + f.row * k;
    drawing.lines.push_back({f.left, y, right, y, style.solidWidth, false, kSolidGridColour});
  }
  for (int i = 0; i <= kFullColumns; ++i) {
    const double x = f.left + f.column * i;
    drawing.lines.push_back({x, f.top, x, bottom, style.solidWidth, false, kSolidGridColour});
  }
  drawing.lines.push_back(
      {style.rightBorderX, f.top, style.rightBorderX, bottom, style.solidWidth, false, kSolidGridColour});
}

void AddAngleLabels(const GridStyle& style, const TextMeasure& measure, GridDrawing& drawing) {
  const GraphFrame& f = style.frame;
  for (int m = 0; m < kScalePoints; ++m) {
    std::string text = AngleLabel(kAngleScale[m]);
    const double left = f.left - measure.Width(text, style.labelFont) - style.angleLabelGap;
    drawing.texts.push_back({std::move(text), left, f.Bottom() - kLabelDrop - f.row * m, style.labelFont});
  }
}

// One character per line; capitals are centred a little right of the others, as lettering is.
// The given place suits the fonts it was made for; a taller or wider font would run the title into
// the angle labels or down past the plot, so the title moves up and left just enough to stay clear.
void AddAngleAxisTitle(const GridStyle& style, const TextMeasure& measure, GridDrawing& drawing) {
  const std::string title = kAngleAxisTitle;
  const double lineHeight = measure.Height(style.labelFont);
  const double step = lineHeight - kAxisTitleLineOverlap;
  const double titleHeight = step * static_cast<double>(title.size() - 1) + lineHeight;
  const double top = std::max(style.frame.top, std::min(style.axisTitleTop, style.frame.Bottom() - titleHeight));

  auto centreOf = [&](char c) { return (c >= 'A' && c <= 'Z') ? style.axisCapitalX : style.axisOtherX; };
  auto widthOf = [&](char c) { return measure.Width(std::string(1, c), style.labelFont); };
  double titleLeft = style.axisCapitalX;
  double titleRight = style.axisCapitalX;
  for (const char c : title) {
    titleLeft = std::min(titleLeft, centreOf(c) - widthOf(c) / 2);
    titleRight = std::max(titleRight, centreOf(c) + widthOf(c) / 2);
  }
  double labelsLeft = style.frame.left;
  for (const GridText& label : drawing.texts) labelsLeft = std::min(labelsLeft, label.left);  // the angle labels
  const double overlap = titleRight + kAxisTitleClearance - labelsLeft;
  const double shift = std::clamp(overlap, 0.0, std::max(0.0, titleLeft));

  for (std::size_t i = 0; i < title.size(); ++i) {
    const char c = title[i];
    drawing.texts.push_back({std::string(1, c), centreOf(c) - shift - widthOf(c) / 2,
                             top + step * static_cast<double>(i), style.labelFont});
  }
}

void AddRpmLabels(const GridStyle& style, const TextMeasure& measure, GridDrawing& drawing) {
  const GraphFrame& f = style.frame;
  for (int i = 0; i <= kFullColumns; ++i) {
    std::string text = RpmLabel(kRpmScale[i]);
    const double centre = f.left + f.column * i + style.rpmLabelShift;
    const double left = centre - measure.Width(text, style.labelFont) / 2;
    drawing.texts.push_back({std::move(text), left, f.Bottom() + kLabelDrop, style.labelFont});
  }
  const double width = measure.Width(kRpmAxisTitle, style.titleFont);
  drawing.texts.push_back({kRpmAxisTitle, style.rpmTitleCentreX - width / 2, style.rpmTitleTop, style.titleFont});
}

}  // namespace

GridStyle ScreenGridStyle() {
  return GridStyle{
      .frame = kScreenFrame,
      .dottedWidth = 1 * kTwipsPerPixel,
      .solidWidth = 2 * kTwipsPerPixel,
      .rightBorderX = kRightEdge,
      .labelFont = {8, true},
      .titleFont = {10, true},
      .angleLabelGap = 120,
      .axisTitleTop = 2650,
      .axisCapitalX = 160,
      .axisOtherX = 150,
      .rpmLabelShift = -15,
      .rpmTitleCentreX = kLeftEdge + 4125 - 15,
      .rpmTitleTop = 6945,
  };
}

GridStyle PrintGridStyle() {
  return GridStyle{
      .frame = kPrintFrame,
      .dottedWidth = 4 * kTwipsPerPrintUnit,
      .solidWidth = 16 * kTwipsPerPrintUnit,
      .rightBorderX = 8193,
      .labelFont = {10, true},
      .titleFont = {12, true},
      .angleLabelGap = 85,
      .axisTitleTop = 3300,
      .axisCapitalX = 465,
      .axisOtherX = 450,
      .rpmLabelShift = 0,
      .rpmTitleCentreX = 4521 - 15,
      .rpmTitleTop = 7235,
  };
}

GridDrawing DescribeGrid(const GridStyle& style, const TextMeasure& measure) {
  GridDrawing drawing;
  AddGridLines(style, drawing);
  AddAngleLabels(style, measure, drawing);
  AddAngleAxisTitle(style, measure, drawing);  // placed clear of the angle labels, so after them
  AddRpmLabels(style, measure, drawing);
  return drawing;
}

std::string AngleLabel(int angle) {
  if (angle == 0) return "TDC";
  if (angle < 60 && angle % 10 == 5) return " ";
  return std::to_string(angle);
}

std::string RpmLabel(int rpm) {
  if (rpm % 1000 == 0) return std::to_string(rpm / 1000);
  const std::string whole = rpm >= 1000 ? std::to_string(rpm / 1000) : "";
  return whole + "." + std::to_string(rpm % 1000 / 100);
}

}  // namespace curvedesk
