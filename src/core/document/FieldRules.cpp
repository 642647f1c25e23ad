#include "core/document/FieldRules.h"

#include <array>
#include <string_view>

namespace curvedesk {

bool RpmSwitchOrderHolds(int start, int stop) { return start == kNotSet || stop == kNotSet || start < stop; }

std::vector<std::string> CoilTypesOffered(const std::string& shownSparkDist) {
  if (shownSparkDist == "Distrib.") return {"3 Ohm Primary Coil"};
  return {"KX-1", "RW-1", "KX-2", "3 Ohm Primary Coil", "ZNQ", "Hex Stack"};
}

bool IsCustomCylinderLayout(const std::string& name) {
  static constexpr std::array<std::string_view, 6> kLayouts = {
      "H-D (Dual Fire)",          "H-D (Single Fire)",        "2 Cyl. Cam 50\u00B0 (2 Coil)",
      "2 Cyl. Cam 72\u00B0 (2 Coil)", "2 Cyl. Cam 90\u00B0 (2 Coil)", "2 Cyl. Cam 180\u00B0 (2 Coil)",
  };
  for (std::string_view layout : kLayouts)
    if (layout == name) return true;
  return false;
}

}  // namespace curvedesk
