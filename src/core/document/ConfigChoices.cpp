#include "core/document/ConfigChoices.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace curvedesk {

namespace {

template <std::size_t N>
int EntryOf(const std::array<int, N>& choices, int value) {
  const auto found = std::find(choices.begin(), choices.end(), value);
  return found == choices.end() ? -1 : static_cast<int>(std::distance(choices.begin(), found));
}

using Offered = std::array<bool, 2>;

// The [engine type] entry of a description's table, or nothing for an unknown ignition or engine.
template <typename Table>
std::optional<Offered> ByEngine(const CurveData& curve, const IgnitionDescriptionTable& descriptions,
                                Table IgnitionDescription::*table) {
  const int slot = curve.IgnitionIndex - 1;
  if (slot < 0 || slot >= kIgnitionSlots) return std::nullopt;
  const IgnitionDescription& description = descriptions[static_cast<std::size_t>(slot)];
  const auto& byEngine = description.*table;
  if (!description.Valid || curve.EngineType < 0 || curve.EngineType >= static_cast<int>(byEngine.size()))
    return std::nullopt;
  return byEngine[static_cast<std::size_t>(curve.EngineType)];
}

}  // namespace

std::array<bool, 2> RotorPositionsOffered(const CurveData& curve, const IgnitionDescriptionTable& descriptions) {
  return ByEngine(curve, descriptions, &IgnitionDescription::RotorPosAllowed).value_or(Offered{true, true});
}

std::array<bool, 2> SparkDistsOffered(const CurveData& curve, const IgnitionDescriptionTable& descriptions) {
  return ByEngine(curve, descriptions, &IgnitionDescription::SparkDistAllowed).value_or(Offered{true, true});
}

int TachTypeEntry(int tachType) {
  const int entry = EntryOf(kTachTypeChoices, tachType);
  return entry >= 0 ? entry : EntryOf(kTachTypeChoices, 2);
}

int TachTypeFromText(const std::string& text, const std::string& custName) {
  if (text == custName) return 0;
  return std::stoi(text);
}

int CurveFallbackEntry(int curveFallback) { return EntryOf(kCurveFallbackChoices, curveFallback); }

}  // namespace curvedesk
