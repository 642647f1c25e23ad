#pragma once

#include <string>
#include <vector>

#include "core/graph/GraphColours.h"
#include "core/graph/GraphScale.h"
#include "core/graph/TextMeasure.h"

namespace curvedesk {

// The background grid as a list of drawing steps, so that the screen and the printed page paint
// the same description at their own sizes. Positions and line widths are in twips.
struct GridLine {
  double x1, y1, x2, y2;
  double width;
  bool dotted;
  Rgb colour;
};

struct GridText {
  std::string text;
  double left;
  double top;
  TextStyle style;
};

struct GridDrawing {
  std::vector<GridLine> lines;  // drawn first, in order
  std::vector<GridText> texts;  // drawn over the lines, in order
};

// What differs between the screen and the printed page.
struct GridStyle {
  GraphFrame frame;
  double dottedWidth;       // twips
  double solidWidth;        // twips
  double rightBorderX;      // the solid line closing the half column
  TextStyle labelFont;      // angle and RPM labels, and the vertical title
  TextStyle titleFont;      // "RPM x 1000"
  double angleLabelGap;     // between an angle label's right end and the plot area
  double axisTitleTop;      // where "Degrees Crank Angle" starts
  double axisCapitalX;      // centre of its capital letters
  double axisOtherX;        // centre of its other characters
  double rpmLabelShift;     // RPM labels are centred this far right of their grid line
  double rpmTitleCentreX;
  double rpmTitleTop;
};

// Twips per pixel of the surface at the reference screen resolution (96 dots per inch).
inline constexpr double kTwipsPerPixel = 15;
// Printed line widths are given in dots of a 600 dots-per-inch printer.
inline constexpr double kTwipsPerPrintUnit = 1440.0 / 600.0;

GridStyle ScreenGridStyle();
GridStyle PrintGridStyle();

GridDrawing DescribeGrid(const GridStyle& style, const TextMeasure& measure);

// "TDC" for 0, a blank for the odd multiples of 5 up to 55, otherwise the number.
std::string AngleLabel(int angle);
// RPM in thousands: "0", ".5", "1", "1.5" ... "12".
std::string RpmLabel(int rpm);

inline constexpr const char* kAngleAxisTitle = "Degrees Crank Angle";
inline constexpr const char* kRpmAxisTitle = "RPM x 1000";

}  // namespace curvedesk
