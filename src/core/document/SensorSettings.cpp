#include "core/document/SensorSettings.h"

#include <algorithm>

#include "core/model/DisplayTexts.h"

namespace curvedesk {

namespace {

constexpr Currency kAnalogStart = Currency::FromTenths(20);
constexpr Currency kThresholdMin = Currency::FromTenths(1);
constexpr Currency kThresholdMax = Currency::FromTenths(40);
constexpr Currency kThresholdStep = Currency::FromTenths(1);
constexpr int kFreshGraph = -1;

// Which sensors a curve's graph slots are numbered by. A two-state curve is numbered by sensor 1
// only when sensor 1 alone is set; files may carry three states, which are numbered like four.
struct SensorLayout {
  bool sensor1 = false;
  bool sensor2 = false;
};

SensorLayout OldLayout(const IgnitionConfig& old) {
  if (old.NumSensorStates >= 3) return {true, true};
  if (old.NumSensorStates == 2) {
    const bool sensor1Alone = old.Sensor1Type != kSensorNone && old.Sensor2Type == kSensorNone;
    return {sensor1Alone, !sensor1Alone};
  }
  return {};
}

// The slot of the state with these conditions (0 below / grounded, 1 above / not grounded).
int SlotOf(const SensorLayout& layout, int condition1, int condition2) {
  if (layout.sensor1 && layout.sensor2) return 2 * condition1 + condition2;
  if (layout.sensor1) return condition1;
  if (layout.sensor2) return condition2;
  return 0;
}

}  // namespace

Currency ThresholdForSensorType(int type, Currency threshold) {
  if (type != kSensorAnalog) return Currency{};
  return threshold == Currency{} ? kAnalogStart : threshold;
}

Currency SteppedThreshold(Currency threshold, bool up) {
  if (up && threshold < kThresholdMax) threshold.scaled += kThresholdStep.scaled;
  if (!up && threshold > kThresholdMin) threshold.scaled -= kThresholdStep.scaled;
  return threshold;
}

std::string SensorReductionQuestion(int oldStates, int newStates) {
  return "The sensor settings you have chosen will reduce the number of\r\nSensor States from " +
         std::to_string(oldStates) + " to " + std::to_string(newStates) +
         ".\r\n\r\nThis will result in part of the ignition curve being deleted.\r\nDo you want to proceed?";
}

std::array<int, kMaxSensorStates> GraphSourcesForSensors(const IgnitionConfig& old,
                                                         const std::array<SensorChoice, 2>& sensors) {
  const SensorLayout after{sensors[0].type != kSensorNone, sensors[1].type != kSensorNone};
  const int newStates = SensorStatesFor(after.sensor1, after.sensor2);
  std::array<int, kMaxSensorStates> sources{};
  for (int slot = 0; slot < kMaxSensorStates; ++slot) sources[static_cast<std::size_t>(slot)] = slot;
  if (newStates == old.NumSensorStates) return sources;

  const SensorLayout before = OldLayout(old);
  for (int slot = 0; slot < newStates; ++slot) {
    // The conditions of the new slot; a sensor the new curve lacks counts as above / not grounded.
    int condition1 = 1;
    int condition2 = 1;
    if (after.sensor1 && after.sensor2) {
      condition1 = slot / 2;
      condition2 = slot % 2;
    } else if (after.sensor1) {
      condition1 = slot;
    } else if (after.sensor2) {
      condition2 = slot;
    }
    // A sensor the old curve lacked was above / not grounded in every old graph: the states below
    // it are new.
    const bool fresh = (!before.sensor1 && condition1 == 0) || (!before.sensor2 && condition2 == 0);
    sources[static_cast<std::size_t>(slot)] = fresh ? kFreshGraph : SlotOf(before, condition1, condition2);
  }
  return sources;
}

void ApplySensorSettings(CurveData& curve, const std::array<SensorChoice, 2>& sensors,
                         const SensorStateGraph& defaultGraph) {
  const std::array<int, kMaxSensorStates> sources = GraphSourcesForSensors(curve, sensors);
  const std::array<SensorStateGraph, kMaxSensorStates> old = curve.Graphs;
  for (std::size_t slot = 0; slot < sources.size(); ++slot) {
    const int source = sources[slot];
    curve.Graphs[slot] = source == kFreshGraph ? defaultGraph : old[static_cast<std::size_t>(source)];
  }
  const int newStates = SensorStatesFor(sensors[0].type != kSensorNone, sensors[1].type != kSensorNone);
  curve.NumSensorStates = static_cast<std::int16_t>(newStates);
  curve.Sensor1Type = sensors[0].type;
  curve.Sensor1Volt = sensors[0].type == kSensorAnalog ? sensors[0].threshold : Currency{};
  curve.Sensor2Type = sensors[1].type;
  curve.Sensor2Volt = sensors[1].type == kSensorAnalog ? sensors[1].threshold : Currency{};
}

}  // namespace curvedesk
