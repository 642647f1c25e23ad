#pragma once

#include <string>
#include <vector>

#include "core/model/CurveData.h"

namespace curvedesk {

// Width of one character of the sensor-state list, in twips.
inline constexpr int kSensorListCharWidth = 175;

// Left and right text with as many blanks between them as fill the list's width (in twips) at 175
// twips a character, halves rounded to even. At least two blanks are kept so the two columns can
// always be told apart (printing splits the entry at its double blank).
std::string PadColumns(const std::string& left, const std::string& right, int widthTwips);

// One entry per sensor state of the configuration, in state order: sensor 1's condition on the
// left, sensor 2's on the right ("GND" / "UnGND", "<2.5 VDC" / ">2.5 VDC", or "None").
std::vector<std::string> BuildSensorStateList(const IgnitionConfig& config, int widthTwips);

}  // namespace curvedesk
