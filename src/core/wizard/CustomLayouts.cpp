#include "core/wizard/CustomLayouts.h"

namespace curvedesk {

namespace {

// The ignition that supports only the dual-fire layout.
constexpr const char* kDualFireOnlyIgnition = "Korvane Tarvo GT-1";

}  // namespace

std::vector<std::string> CustomLayoutsFor(const std::string& ignitionName, int rotorPos, Edition edition) {
  if (ignitionName == kDualFireOnlyIgnition) return {"H-D (Dual Fire)"};
  if (rotorPos == kRotorCrank && edition == Edition::Full)
    return {"2 Cyl. Crank 80\u00B0 (2 Coil)", "2 Cyl. Crank 90\u00B0 (2 Coil)"};
  return {"H-D (Dual Fire)",         "H-D (Single Fire)",       "2 Cyl. Cam 50\u00B0 (2 Coil)",
          "2 Cyl. Cam 72\u00B0 (2 Coil)", "2 Cyl. Cam 90\u00B0 (2 Coil)", "2 Cyl. Cam 180\u00B0 (2 Coil)"};
}

int PreferredCustomLayout(const std::string& ignitionName) { return ignitionName == kDualFireOnlyIgnition ? 0 : 1; }

}  // namespace curvedesk
