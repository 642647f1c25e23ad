#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/model/CurveData.h"

namespace curvedesk {

// The named custom cylinder layouts (NumCylinders 0) that a curve may carry as its CustType.
inline constexpr std::array<std::string_view, 6> kCylinderLayoutNames = {"H-D (Dual Fire)",
                                                                         "H-D (Single Fire)",
                                                                         "2 Cyl. Cam 50\u00B0 (2 Coil)",
                                                                         "2 Cyl. Cam 72\u00B0 (2 Coil)",
                                                                         "2 Cyl. Cam 90\u00B0 (2 Coil)",
                                                                         "2 Cyl. Cam 180\u00B0 (2 Coil)"};

// Before a save: when the curve's CustType is one of the named layouts, it becomes the custom
// layout name, so that the writer stores it for a curve with NumCylinders 0.
inline void RecordCylinderLayoutName(const IgnitionConfig& curve, std::string& custName) {
  for (std::string_view name : kCylinderLayoutNames)
    if (curve.CustType == name) custName = name;
}

}  // namespace curvedesk
