#pragma once

#include <array>
#include <string_view>

namespace curvedesk {

// The named custom cylinder layouts (NumCylinders 0) that a curve may carry as its CustType; each has
// its own timing table variant.
inline constexpr std::array<std::string_view, 6> kCylinderLayoutNames = {
    "H-D (Dual Fire)",
    "H-D (Single Fire)",
    "2 Cyl. Cam 50\u00B0 (2 Coil)",
    "2 Cyl. Cam 72\u00B0 (2 Coil)",
    "2 Cyl. Cam 90\u00B0 (2 Coil)",
    "2 Cyl. Cam 180\u00B0 (2 Coil)",
};

}  // namespace curvedesk
