#include "core/document/FieldRules.h"

#include <array>
#include <charconv>
#include <string_view>

#include "core/document/DocumentText.h"
#include "core/model/CurveRules.h"
#include "core/model/CylinderLayouts.h"
#include "core/model/DisplayTexts.h"

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

namespace {

bool IsWholeNumber(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::string CylinderFieldText(const CurveData& curve, const std::string& custName) {
  const std::string text = CylinderText(curve.NumCylinders, custName);
  return IsWholeNumber(text) ? text : curve.CustType;
}

bool NeedsCustomLayoutName(const CurveData& curve, const std::string& custName) {
  return !IsWholeNumber(CylinderText(curve.NumCylinders, custName)) && curve.CustType.empty();
}

void NameCustomLayout(CurveData& curve, const std::string& chosen, std::string& custName) {
  if (IsCustomCylinderLayout(chosen)) custName = chosen;
  curve.CustType = custName;
  curve.TachType = 2;
}

std::optional<std::string> RpmSwitchRefusal(const std::string& text, bool isStart, const std::string& partnerText) {
  if (text.empty()) return std::nullopt;
  if (auto refusal = ValidateRpmValue(text)) return refusal;
  const int value = std::stoi(text);
  const int partner = partnerText.empty() ? kNotSet : std::stoi(partnerText);
  if (!RpmSwitchOrderHolds(isStart ? value : partner, isStart ? partner : value)) return kSwitchOrderMessage;
  return std::nullopt;
}

}  // namespace curvedesk
