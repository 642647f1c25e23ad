#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/model/CurveData.h"

namespace curvedesk {

// A value as a curve file holds it: an integer key, or a string key (its text without the "#" marks).
using FileValue = std::variant<std::int32_t, std::string>;

// One key whose value differs between two curves, named as the curve file names it: the section
// (GENERAL, or GRAPH_n for sensor state n), the key without its node number and the node number of
// the "_n" keys. A side that has no such key (fewer sensor states, nodes or sparks) has no value.
struct CurveDifference {
  int state = 0;      // 1-based sensor state of the GRAPH_n section; 0 for GENERAL
  int node = 0;       // 1-based node of an RPM_n, CO_n, PS_n, SS_n or TS_n key; 0 for other keys
  std::string field;  // "CurveFallback", "RevLimit", "PS", ...
  std::optional<FileValue> a;
  std::optional<FileValue> b;

  std::string Section() const;  // "GENERAL" or "GRAPH_n"

  friend bool operator==(const CurveDifference&, const CurveDifference&) = default;
};

// Where curve b differs from curve a in what their files store: the GENERAL keys, and the keys of
// the sensor states, nodes and plots in use. Node slots past NumTransitions, spark angles past
// NumSparks, graphs past NumSensorStates and the ignition's slot number do not count; the cylinder
// text counts as it is written (the count, or the custom layout's name) and volts with the one
// decimal a file keeps. The order is the file's: GENERAL in the writer's order, then each sensor
// state with its graph keys and then its nodes one after the other (RPM, CO, PS, SS, TS).
std::vector<CurveDifference> CurveDifferences(const CurveData& a, const CurveData& b);

// One line of the difference: "state 2 node 4 PS: 32 -> 35", "GENERAL CurveFallback: 200 -> 300",
// "state 1 GraphInfo: \"street\" -> \"race\"". A side without the key reads "-".
std::string DifferenceLine(const CurveDifference& difference);

// The differences as a JSON list of objects with "section", "state", "node", "field", "a" and "b":
// state and node are null where the key has none, integer keys are numbers, string keys strings, and
// a side without the key is null.
std::string DifferencesToJson(const std::vector<CurveDifference>& differences);

}  // namespace curvedesk
