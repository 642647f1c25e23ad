#pragma once

#include <string>

#include "core/model/AppFolders.h"
#include "core/model/AppSettings.h"
#include "core/model/CoilLimitTable.h"
#include "core/model/CurveData.h"
#include "core/model/IgnitionDescription.h"

namespace curvedesk {

enum class Edition { Full, Compact };

// The application-wide records. One instance is made at start-up and handed by reference to
// whoever needs it; tests make their own.
struct AppContext {
  Edition edition = Edition::Full;
  AppFolders folders;
  AppSettings settings;
  SensorStateGraph defaultGraph = MakeDefaultGraph();
  CurveData curve;
  IgnitionDescriptionTable ignitionDescriptions{};
  CoilLimitTable coilLimits;
  std::string CustName;     // name of the custom cylinder layout
  std::string StartupFile;  // curve file named on the command line

  AppContext() { ClearCurve(curve, defaultGraph); }
};

}  // namespace curvedesk
