#include "core/model/DisplayTexts.h"

#include <array>

#include "core/common/Utils.h"
#include "core/model/CurveData.h"

namespace curvedesk {

std::string EngineTypeName(int engineType) {
  switch (engineType) {
    case kEngineTwoStroke:
      return "2 Cycle";
    case kEngineFourStroke:
      return "4 Cycle";
    default:
      return {};
  }
}

std::string SparkDistName(int sparkDist) {
  switch (sparkDist) {
    case kSparkDistCoil:
      return "Coil";
    case kSparkDistDistributor:
      return "Distrib.";
    default:
      return {};
  }
}

std::string RotorPosName(int rotorPos) {
  switch (rotorPos) {
    case kRotorCam:
      return "Cam";
    case kRotorCrank:
      return "Crank";
    default:
      return {};
  }
}

std::string SensorName(int sensorType, Currency volts) {
  switch (sensorType) {
    case kSensorNone:
      return "None";
    case kSensorDigital:
      return "Digital";
    case kSensorAnalog:
      return "Analog " + FormatVolts(volts) + "V";
    default:
      return {};
  }
}

std::string CylinderText(int numCylinders, const std::string& custName) {
  return numCylinders == kCustomCylinders ? custName : std::to_string(numCylinders);
}

std::string TachTypeName(int tachType, const std::string& custName) {
  return tachType == kCustomCylinders ? custName : std::to_string(tachType) + " Cyl";
}

std::string RpmSwitchText(int value) { return value == kNotSet ? std::string() : std::to_string(value); }

int SensorStatesFor(bool sensor1Present, bool sensor2Present) {
  if (sensor1Present && sensor2Present) return 4;
  return (sensor1Present || sensor2Present) ? 2 : 1;
}

std::string PlotCaption(int plot) {
  static constexpr std::array<const char*, 4> kCaptions = {"Coil On", "1st Spark", "2nd Spark", "3rd Spark"};
  return kCaptions.at(static_cast<std::size_t>(plot));
}

}  // namespace curvedesk
