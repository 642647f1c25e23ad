#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/ignition/ImageVerification.h"
#include "core/ignition/Programmer.h"
#include "core/ignition/ProgressSink.h"
#include "core/model/AppContext.h"
#include "core/model/CurveData.h"

namespace curvedesk {

inline constexpr const char* kCompareIgnitionCaption = "Comparing with ignition ...";
inline constexpr const char* kIgnitionHoldsCurve = "The ignition holds this curve.";

// Whether an ignition holds a curve as programming would write it.
struct IgnitionComparison {
  std::size_t bytesCompared = 0;
  std::vector<ByteDifference> differences;  // expected: the curve's byte; actual: the ignition's

  bool Equal() const { return differences.empty(); }
};

// Reads the ignition's curve area in a read transfer and compares it with the image programming
// would write for the curve with the timing table at tablePath. Nothing is written, and the image
// is computed before the board is contacted, so a table error raises before any traffic.
IgnitionComparison CompareWithIgnition(const CurveData& curve, const std::string& tablePath, Programmer& programmer,
                                       ProgressSink& progress, Edition edition = Edition::Full);

// The comparison for a tuner: kIgnitionHoldsCurve, or a count line, a blank line and the
// differences grouped by slot (the sensor state it holds, or unused) and node, each named as the
// curve names it ("rev limit", "node 3 RPM", "coil-on", "primary spark") with the symbol, the
// address and both values.
std::vector<std::string> ComparisonReport(const IgnitionComparison& comparison);

}  // namespace curvedesk
