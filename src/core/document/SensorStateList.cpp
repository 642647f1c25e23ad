#include "core/document/SensorStateList.h"

#include <cmath>

#include "core/common/Utils.h"

namespace curvedesk {

namespace {

// high: the sensor is above its threshold or not grounded.
std::string Condition(std::int32_t type, Currency volts, bool high) {
  switch (type) {
    case kSensorDigital: return high ? "UnGND" : "GND";
    case kSensorAnalog: return std::string(high ? ">" : "<") + FormatVolts(volts) + " VDC";
    default: return "None";
  }
}

}  // namespace

std::string PadColumns(const std::string& left, const std::string& right, int widthTwips) {
  const double room =
      (widthTwips - kSensorListCharWidth * static_cast<double>(left.size() + right.size())) / kSensorListCharWidth;
  const long blanks = std::max(2L, std::lrint(room));
  return left + std::string(static_cast<std::size_t>(blanks), ' ') + right;
}

std::vector<std::string> BuildSensorStateList(const IgnitionConfig& config, int widthTwips) {
  std::vector<std::string> entries;
  auto add = [&](const std::string& left, const std::string& right) {
    entries.push_back(PadColumns(left, right, widthTwips));
  };
  const int states = config.NumSensorStates;
  if (states == 2) {
    const bool firstSensor = config.Sensor1Type != kSensorNone;
    for (bool high : {false, true}) {
      if (firstSensor)
        add(Condition(config.Sensor1Type, config.Sensor1Volt, high), "None");
      else
        add("None", Condition(config.Sensor2Type, config.Sensor2Volt, high));
    }
  } else if (states >= 3 && states <= kMaxSensorStates) {
    for (int state = 0; state < states; ++state)
      add(Condition(config.Sensor1Type, config.Sensor1Volt, state / 2 == 1),
          Condition(config.Sensor2Type, config.Sensor2Volt, state % 2 == 1));
  } else {
    add("None", "None");
  }
  return entries;
}

}  // namespace curvedesk
