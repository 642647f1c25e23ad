#pragma once

#include <string>
#include <variant>
#include <vector>

#include "core/graph/GraphColours.h"
#include "core/graph/TextMeasure.h"
#include "core/model/CurveData.h"

namespace curvedesk {

// One printed graph page as a list of drawing steps in printed twips, painted in order. Line widths
// are twips too: a width of n units of a 600 dots-per-inch printer is n * 2.4 twips, which the
// painter's twips-to-device mapping turns into n times the page scale factor (printer dpi / 600).
enum class PenStyle { Solid, Dotted, Dashed };

struct PageLine {
  double x1, y1, x2, y2;
  double width;
  PenStyle style;
  Rgb colour;
};

struct PageBox {
  double left, top, width, height;
  double lineWidth;
};

// A black-filled circle.
struct PageDot {
  double centreX, centreY, radius;
};

struct PageText {
  std::string text;
  double left, top;
  TextStyle style;
};

// Where the maker's logo goes.
struct PageLogo {
  double left, top, width, height;
};

using PageStep = std::variant<PageLine, PageBox, PageDot, PageText, PageLogo>;

struct PrintedPage {
  std::vector<PageStep> steps;
};

inline constexpr const char* kMakerName = "Korvane Ignitions";
// The centre line of the page layout: the middle of the plot area.
inline constexpr double kPageCentreX = 4521;

// A second curve printed behind the first, faded and dashed, and named under the legend: a tune
// sheet of "before and after". Nothing is printed for it while curve is null.
struct PrintedComparison {
  const CurveData* curve = nullptr;
  std::string fileName;
};

// What a page needs besides the curve.
struct PageInputs {
  const CurveData* curve = nullptr;
  int graphIndex = 0;
  std::string custName;    // the custom cylinder layout's name, for the cylinder and tach texts
  double logoWidth = 720;  // the logo's size on the page, twips
  double logoHeight = 720;
  PrintedComparison comparison = {};
};

PrintedPage LayOutGraphPage(const PageInputs& inputs, const TextMeasure& measure);

// The graphs a print job covers: only the shown one when the selection option is set, else all.
std::vector<int> PagesToPrint(const CurveData& curve, int shownState, bool selectionOnly);

// "Printing page 1 ..." for page number 1, 2, ...
std::string PrintingPageText(int pageNumber);

}  // namespace curvedesk
