#include "core/document/ComparisonCurve.h"

#include "core/common/Utils.h"

namespace curvedesk {

void ComparisonCurve::Open(CurveData curve, std::string fileName) {
  curve_ = std::move(curve);
  fileName_ = std::move(fileName);
  subscribers_.Notify();
}

void ComparisonCurve::Close() {
  if (!IsOpen()) return;
  curve_.reset();
  fileName_.clear();
  subscribers_.Notify();
}

const SensorStateGraph* ComparisonCurve::Graph(int state) const {
  if (!curve_ || state < 0 || state >= curve_->NumSensorStates || state >= kMaxSensorStates) return nullptr;
  return &curve_->Graphs[static_cast<std::size_t>(state)];
}

std::string ComparisonLegend(const std::string& fileName, int numSensorStates, int state) {
  const std::string name = PathFileName(fileName);
  if (state >= numSensorStates) return name + " has no sensor state " + std::to_string(state + 1);
  return "Dashed: " + name;
}

std::string ComparisonLegend(const ComparisonCurve& comparison, int state) {
  if (!comparison.IsOpen()) return {};
  return ComparisonLegend(comparison.FileName(), comparison.Curve().NumSensorStates, state);
}

}  // namespace curvedesk
