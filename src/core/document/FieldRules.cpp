#include "core/document/FieldRules.h"

#include "core/model/CylinderLayouts.h"

#include <array>
#include <string_view>

namespace curvedesk {

bool RpmSwitchOrderHolds(int start, int stop) { return start == kNotSet || stop == kNotSet || start < stop; }

std::vector<std::string> CoilTypesOffered(const std::string& shownSparkDist, Edition edition) {
  if (shownSparkDist == "Distrib.") return {"3 Ohm Primary Coil"};
  if (edition == Edition::Compact) return {"KX-1", "KX-2", "3 Ohm Primary Coil", "ZNQ", "Quad Stack"};
  return {"KX-1", "RW-1", "KX-2", "3 Ohm Primary Coil", "ZNQ", "Hex Stack"};
}

bool IsCustomCylinderLayout(const std::string& name) {
  for (std::string_view layout : kCylinderLayoutNames)
    if (layout == name) return true;
  return false;
}

}  // namespace curvedesk
