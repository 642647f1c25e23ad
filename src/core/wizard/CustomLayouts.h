#pragma once

#include <string>
#include <vector>

#include "core/model/CurveData.h"
#include "core/model/Edition.h"

namespace curvedesk {

// The custom cylinder layouts the wizard offers for an ignition and rotor position. The compact
// edition never offers the crank layouts.
std::vector<std::string> CustomLayoutsFor(const std::string& ignitionName, int rotorPos, Edition edition);

// The layout picked when the custom option is chosen: the first for the ignition whose only layout
// is the dual-fire one, the second for every other ignition.
int PreferredCustomLayout(const std::string& ignitionName);

}  // namespace curvedesk
