#pragma once

#include <array>

namespace curvedesk {

// The graph's two non-linear scales. The RPM axis has 16 full columns (500 RPM each up to 4,000,
// 1,000 RPM above) and a half column from 12,000 to 12,500; the angle axis has 17 rows (5 degrees
// each up to 60, then 40, 40, 40, 20, 40).
inline constexpr int kScalePoints = 18;
inline constexpr std::array<int, kScalePoints> kRpmScale = {0,    500,  1000, 1500, 2000,  2500,  3000,  3500,  4000,
                                                            5000, 6000, 7000, 8000, 9000, 10000, 11000, 12000, 12500};
inline constexpr std::array<int, kScalePoints> kAngleScale = {0,  5,  10, 15, 20,  25,  30,  35,  40,
                                                              45, 50, 55, 60, 100, 140, 180, 200, 240};
inline constexpr int kMaxScaleRpm = kRpmScale.back();
inline constexpr int kMaxScaleAngle = kAngleScale.back();

// Where the plot area sits in a frame of twips (1/1440 inch): its top-left corner and the size of
// one full column and one row. The screen and the printed page use the same scales at two sizes.
struct GraphFrame {
  double left;
  double top;
  double column;
  double row;

  constexpr double Right() const { return left + 16.5 * column; }
  constexpr double Bottom() const { return top + 17 * row; }
};

// The graph surface: plot area x 750..9000, y 100..6645.
inline constexpr GraphFrame kScreenFrame{750, 100, 500, 385};
// The printed page: plot area x 850..8192, y 1100..6965.
inline constexpr GraphFrame kPrintFrame{850, 1100, 445, 345};

// The surface's plot-area edges, as whole twips.
inline constexpr int kLeftEdge = 750;
inline constexpr int kTopEdge = 100;
inline constexpr int kRightEdge = 9000;
inline constexpr int kBottomEdge = 6645;

// Rounds to the nearest integer, halves to the even neighbour.
int RoundHalfEven(double value);

// Value to position; every result is rounded halves to even. At or above the top of the scale the
// result is the right (top) edge; below 0 the first segment is extended.
int RpmToX(int rpm, const GraphFrame& frame = kScreenFrame);
int AngleToY(int angle, const GraphFrame& frame = kScreenFrame);

// Surface position to value. Left of (below) the plot area reads as 0. Between the right edge and
// a half column past it the RPM runs on past 12,500 (up to 12,998): callers clamp it.
int XToRpm(double x);
int YToAngle(double y);

}  // namespace curvedesk
