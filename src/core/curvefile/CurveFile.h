#pragma once

#include <cstdint>
#include <string>

#include "core/common/IniDocument.h"
#include "core/model/CurveData.h"
#include "core/model/IgnitionDescription.h"

namespace curvedesk {

// The ".crv" curve file: an INI file with the sections VERSION, GENERAL and GRAPH_1 ..
// GRAPH_<NumSensorStates>, string values wrapped in "#" marks, Windows-1252 with CR LF, so that
// files travel between this program and the older one in both directions.
//
// Strings are written as one value: a line break or other control character in a note or name
// is written as a blank (IniDocument::Write), because the older program reads escapes literally
// and the note field is a single line anyway.

inline constexpr std::int32_t kCurveFileMagic = 4897875;  // 0x4ABC53
inline constexpr std::int32_t kCurveFileRevision = 3;     // written; 1 to 3 are read

// The curve as the writer lays it out; custName is the custom layout's name, stored as the
// cylinder text of a curve with NumCylinders 0.
IniDocument WriteCurveDocument(const CurveData& curve, const std::string& custName);

// Writes the whole curve to path. The file is replaced only once it was written completely: a
// failed save raises the run-time file error and leaves the previous file whole.
void SaveCurveFile(const CurveData& curve, const std::string& custName, const std::string& path);

// Replaces the configuration and the first NumSensorStates graphs of curve with the file's. The
// ignition is looked up by name in descriptions. Any failure clears the curve (ClearCurve with
// defaultGraph) and raises the error again.
void LoadCurveFile(CurveData& curve, const std::string& path, const IgnitionDescriptionTable& descriptions,
                   const SensorStateGraph& defaultGraph);

// The same on a file already in memory.
void LoadCurveDocument(CurveData& curve, const IniDocument& file, const IgnitionDescriptionTable& descriptions,
                       const SensorStateGraph& defaultGraph);

}  // namespace curvedesk
