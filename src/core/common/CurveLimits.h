#pragma once

#include <cstdint>

namespace curvedesk {

// The fixed limits of every timing curve. They live beside the error messages because several
// messages name them; the curve rules (core/model/CurveRules) apply them.
inline constexpr int kRpmStep = 50;                  // node RPMs and typed RPMs sit on this grid
inline constexpr int kMaxRpm = 12500;                // highest node RPM and highest typed RPM
inline constexpr int kMaxAngle = 240;                // highest crank angle of any plot
inline constexpr int kCoilOnStep = 10;               // coil-on angles sit on this grid
inline constexpr int kPrimarySparkRefused = 76;      // primary spark angles from here up are refused
inline constexpr int kMinPlotGap = 5;                // degrees between neighbouring plots at one node
inline constexpr int kMinNodeGapAboveFallback = 50;  // node spacing is CurveFallback + this

}  // namespace curvedesk
