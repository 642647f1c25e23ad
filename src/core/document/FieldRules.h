#pragma once

#include <string>

#include "core/model/CurveData.h"

namespace curvedesk {

// True when a switch value may stand beside its partner of the same switch: start below stop, or
// either one not set (-1).
bool RpmSwitchOrderHolds(int start, int stop);

// The six named custom cylinder layouts.
bool IsCustomCylinderLayout(const std::string& name);

}  // namespace curvedesk
