#pragma once

#include "core/model/CurveData.h"
#include "core/model/IgnitionDescription.h"
#include "support/TempDir.h"

namespace curvedesk::testing {

// A curve of the one ignition the tests install, with two sensor states.
inline CurveData RecoverableCurve() {
  CurveData curve;
  ClearCurve(curve, MakeDefaultGraph());
  curve.Name = "Korvane Tarvo GT-1";
  curve.CoilType = "KX-1";
  curve.CustType = "4";
  curve.NumSensorStates = 2;
  curve.Sensor1Type = kSensorDigital;
  // Graphs past the sensor states are not part of a curve file; they stay as a cleared curve has them.
  curve.Graphs[0].RevLimit = 9000;
  curve.Graphs[1].RevLimit = 9000;
  curve.Graphs[1].GraphInfo = "second";
  return curve;
}

inline IgnitionDescriptionTable InstalledIgnitions() {
  IgnitionDescriptionTable descriptions{};
  descriptions[0].Name = "Korvane Tarvo GT-1";
  descriptions[0].Valid = true;
  return descriptions;
}

// Generous coil limits for every coil the tests use.
inline std::string WriteLimits(const TempDir& dir) {
  std::string limits;
  for (const char* section : {"COIL_CUST_KX1", "DIST_4"}) {
    limits += std::string("[") + section + "]\r\n";
    for (int row = 0; row < 10; ++row) limits += "Range" + std::to_string(row) + "=100\r\n";
  }
  return dir.Write("Limits.ini", limits);
}

}  // namespace curvedesk::testing
