#pragma once

#include <string>

#include "core/model/AppFolders.h"
#include "core/model/AppSettings.h"
#include "core/model/CurveData.h"
#include "core/model/Edition.h"
#include "core/model/IgnitionDescription.h"

namespace curvedesk {

// The application-wide records. One instance is made at start-up and handed by reference to
// whoever needs it; tests make their own. The curve being edited, with its coil limits, lives in
// its document (CurveDocument).
struct AppContext {
  Edition edition = Edition::Full;
  AppFolders folders;
  AppSettings settings;
  SensorStateGraph defaultGraph = MakeDefaultGraph();
  IgnitionDescriptionTable ignitionDescriptions{};
  std::string CustName;     // name of the custom cylinder layout
  std::string StartupFile;  // curve file named on the command line
};

}  // namespace curvedesk
