#pragma once

#include <string>

#include "core/common/Currency.h"

namespace curvedesk {

// The texts the windows and printing show for configuration codes. Unknown codes give empty text.

std::string EngineTypeName(int engineType);  // 2 "2 Cycle", 4 "4 Cycle"
std::string SparkDistName(int sparkDist);    // 0 "Coil", 1 "Distrib."
std::string RotorPosName(int rotorPos);      // 0 "Cam", 1 "Crank"
// 0 "None", 1 "Digital", 2 "Analog " + volts with one decimal + "V" (Analog 2.5V).
std::string SensorName(int sensorType, Currency volts);
// The count in decimal, or custName for 0 (the custom layout).
std::string CylinderText(int numCylinders, const std::string& custName);
// The count followed by " Cyl", or custName for 0.
std::string TachTypeName(int tachType, const std::string& custName);
// Empty for -1 (not set), else the value in decimal.
std::string RpmSwitchText(int value);
// The caption of a plot (0..3) as the legend, the node table and the printed page show it:
// "Coil On", "1st Spark", "2nd Spark", "3rd Spark".
std::string PlotCaption(int plot);

// Sensor states a curve needs: 1 without sensors, 2 with one, 4 with both (never 3).
int SensorStatesFor(bool sensor1Present, bool sensor2Present);

}  // namespace curvedesk
