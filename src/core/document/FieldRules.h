#pragma once

#include <string>
#include <vector>

#include "core/model/Edition.h"
#include "core/model/CurveData.h"

namespace curvedesk {

// True when a switch value may stand beside its partner of the same switch: start below stop, or
// either one not set (-1).
bool RpmSwitchOrderHolds(int start, int stop);

// The coils the coil selector offers for the spark distribution shown ("Coil" or "Distrib."). The
// compact edition offers the "Quad Stack" and no "RW-1" or "Hex Stack".
std::vector<std::string> CoilTypesOffered(const std::string& shownSparkDist, Edition edition);

// One of the named custom cylinder layouts (exact text).
bool IsCustomCylinderLayout(const std::string& name);

}  // namespace curvedesk
