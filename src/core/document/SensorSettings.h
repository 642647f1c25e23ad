#pragma once

#include <array>
#include <string>

#include "core/common/Currency.h"
#include "core/model/CurveData.h"

namespace curvedesk {

// One sensor as the sensor lists show it: the list index (kSensorNone, kSensorDigital,
// kSensorAnalog) and the analog threshold in volts.
struct SensorChoice {
  int type = kSensorNone;
  Currency threshold;
};

// The threshold a sensor keeps when its list changes to `type`: "None" and "Digital" clear it,
// "Analog" starts at 2.0 V unless a threshold is already set.
Currency ThresholdForSensorType(int type, Currency threshold);
// One step of the threshold's up/down control: 0.1 V, kept within 0.1 .. 4.0 V.
Currency SteppedThreshold(Currency threshold, bool up);

// The question asked before a sensor change drops sensor states (title "Warning", Yes and No).
std::string SensorReductionQuestion(int oldStates, int newStates);

// For each graph slot below the sensor-state count that `sensors` give, the slot of the old curve
// it takes, or -1 for a fresh default graph. Every kept sensor state keeps its graph: a sensor that
// is removed or was absent counts as above its threshold / not grounded. The same count moves
// nothing, whichever sensors give it.
std::array<int, kMaxSensorStates> GraphSourcesForSensors(const IgnitionConfig& old,
                                                         const std::array<SensorChoice, 2>& sensors);

// Gives the curve the two sensors: rearranges the graphs as GraphSourcesForSensors says (slots at or
// above the new count keep their contents), sets NumSensorStates, the sensor types and their
// thresholds (0 unless analog).
void ApplySensorSettings(CurveData& curve, const std::array<SensorChoice, 2>& sensors,
                         const SensorStateGraph& defaultGraph);

}  // namespace curvedesk
