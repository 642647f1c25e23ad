#pragma once

#include <optional>
#include <string>

#include "core/common/Subscribers.h"
#include "core/model/CurveData.h"

namespace curvedesk {

// A second curve shown beside the one being edited, read from a file to see what changed. It is
// only looked at: it has no history and no editing state, and it stays while other curves are
// opened for editing, until comparing stops. Views subscribe and hear every open and close.
class ComparisonCurve {
 public:
  bool IsOpen() const { return curve_.has_value(); }
  // The curve and the file it was read from; only while open.
  const CurveData& Curve() const { return *curve_; }
  const std::string& FileName() const { return fileName_; }

  void Open(CurveData curve, std::string fileName);
  void Close();

  // The graph of sensor state `state` (0-based), or nothing when the comparison is closed or has
  // fewer sensor states.
  const SensorStateGraph* Graph(int state) const;

  int Subscribe(std::function<void()> listener) { return subscribers_.Subscribe(std::move(listener)); }
  void Unsubscribe(int subscription) { subscribers_.Unsubscribe(subscription); }

 private:
  std::optional<CurveData> curve_;
  std::string fileName_;
  Subscribers<> subscribers_;
};

// What the legend says about a comparison read from fileName with numSensorStates graphs while
// sensor state `state` (0-based) is shown: "Dashed: base.crv", or "base.crv has no sensor state 3"
// for a state the comparison lacks.
std::string ComparisonLegend(const std::string& fileName, int numSensorStates, int state);
// The same for the comparison curve; empty while nothing is compared.
std::string ComparisonLegend(const ComparisonCurve& comparison, int state);

}  // namespace curvedesk
