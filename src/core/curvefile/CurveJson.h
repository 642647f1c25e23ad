#pragma once

#include <string>

#include "core/model/CurveData.h"

namespace curvedesk {

// The curve and its editing state as JSON for scripts and checks: the field names as keys, volts as numbers,
// Graphs as the NumSensorStates graphs in use, RPM and Nodes cut to NumTransitions entries, and
// each node's SS and TS only where a curve file carries them (NumSparks 2 and 3).
std::string CurveToJson(const CurveData& curve, const EditingState& editing);

// The text as a JSON string literal, quotes and control characters escaped.
std::string JsonString(const std::string& text);

}  // namespace curvedesk
