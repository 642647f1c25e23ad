#include "core/wizard/CustomLayouts.h"

#include "core/model/CylinderLayouts.h"

namespace curvedesk {

namespace {

// The ignition that supports only the dual-fire layout.
constexpr const char* kDualFireOnlyIgnition = "Korvane Tarvo GT-1";

}  // namespace

std::vector<std::string> CustomLayoutsFor(const std::string& ignitionName, int rotorPos, Edition edition) {
  if (ignitionName == kDualFireOnlyIgnition) return {std::string(kCylinderLayoutNames[0])};
  if (rotorPos == kRotorCrank && edition == Edition::Full)
    return {"2 Cyl. Crank 80\u00B0 (2 Coil)", "2 Cyl. Crank 90\u00B0 (2 Coil)"};
  return {kCylinderLayoutNames.begin(), kCylinderLayoutNames.end()};
}

int PreferredCustomLayout(const std::string& ignitionName) { return ignitionName == kDualFireOnlyIgnition ? 0 : 1; }

}  // namespace curvedesk
