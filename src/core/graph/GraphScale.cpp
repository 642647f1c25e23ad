#include "core/graph/GraphScale.h"

#include <algorithm>
#include <cmath>

namespace curvedesk {

namespace {

// The segment whose lower point is at or below value, the first one for values below the scale.
int SegmentOf(const std::array<int, kScalePoints>& scale, int value) {
  int segment = 0;
  while (segment < kScalePoints - 2 && value >= scale[segment + 1]) ++segment;
  return segment;
}

int SegmentSpan(const std::array<int, kScalePoints>& scale, int segment) {
  return scale[segment + 1] - scale[segment];
}

// Columns are full except the last one, which is a half column.
double ColumnWidth(const GraphFrame& frame, int segment) {
  return segment == kScalePoints - 2 ? frame.column / 2 : frame.column;
}

}  // namespace

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

int RpmToX(int rpm, const GraphFrame& frame) {
  if (rpm >= kMaxScaleRpm) return RoundHalfEven(frame.Right());
  const int i = SegmentOf(kRpmScale, rpm);
  return RoundHalfEven(frame.left + frame.column * i +
                       (rpm - kRpmScale[i]) * ColumnWidth(frame, i) / SegmentSpan(kRpmScale, i));
}

int AngleToY(int angle, const GraphFrame& frame) {
  if (angle >= kMaxScaleAngle) return RoundHalfEven(frame.top);
  const int m = SegmentOf(kAngleScale, angle);
  return RoundHalfEven(frame.Bottom() - frame.row * m - (angle - kAngleScale[m]) * frame.row / SegmentSpan(kAngleScale, m));
}

int XToRpm(double x) {
  const GraphFrame& frame = kScreenFrame;
  const double b = std::max(x - frame.left, 0.0);
  const int c = RoundHalfEven(b) / static_cast<int>(frame.column);
  if (c > kScalePoints - 2) return kMaxScaleRpm;
  const int h = RoundHalfEven(b - frame.column * c);
  return RoundHalfEven(h * SegmentSpan(kRpmScale, c) / ColumnWidth(frame, c) + kRpmScale[c]);
}

int YToAngle(double y) {
  const GraphFrame& frame = kScreenFrame;
  const double b = std::max(frame.Bottom() - y, 0.0);
  const int c = RoundHalfEven(b) / static_cast<int>(frame.row);
  if (c > kScalePoints - 2) return kMaxScaleAngle;
  const int h = RoundHalfEven(b - frame.row * c);
  return RoundHalfEven(h * SegmentSpan(kAngleScale, c) / frame.row + kAngleScale[c]);
}

}  // namespace curvedesk
