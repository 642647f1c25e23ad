#pragma once

#include "core/model/CurveData.h"
#include "core/model/IgnitionDescription.h"
#include "support/TempDir.h"
#include "support/TwoStateCurve.h"

namespace curvedesk::testing {

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
