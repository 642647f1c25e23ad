#pragma once

#include <array>
#include <string>

#include "core/model/CurveData.h"
#include "core/model/IgnitionDescription.h"

namespace curvedesk {

// The choices of the configuration dialogs that change a curve after it was made.

// The tach list ("Number of Cylinders"): each entry carries its number.
inline constexpr std::array<int, 6> kTachTypeChoices = {1, 2, 3, 4, 6, 8};
// The fallback list: 100 .. 800 RPM in steps of 100.
inline constexpr std::array<int, 8> kCurveFallbackChoices = {100, 200, 300, 400, 500, 600, 700, 800};

// The tach list entry that carries tachType; the entry "2" when none does.
int TachTypeEntry(int tachType);
// The tach type of a chosen text: 0 (the custom layout) when it equals custName, else its number.
int TachTypeFromText(const std::string& text, const std::string& custName);
// The fallback list entry shown for a curve's fallback (CurveFallback / 100 - 1); -1, nothing
// chosen, for a fallback between the list's steps, so that OK alone changes nothing.
int CurveFallbackEntry(int curveFallback);

// The choices the curve's ignition offers for its engine type, by value (0 cam / 1 crank, 0 coil /
// 1 distributor). When the curve names no installed ignition nothing is known, and both are offered.
std::array<bool, 2> RotorPositionsOffered(const CurveData& curve, const IgnitionDescriptionTable& descriptions);
std::array<bool, 2> SparkDistsOffered(const CurveData& curve, const IgnitionDescriptionTable& descriptions);

}  // namespace curvedesk
