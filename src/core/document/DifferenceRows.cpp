#include "core/document/DifferenceRows.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "core/curvefile/CurveDifferences.h"
#include "core/document/FieldRules.h"
#include "core/graph/NodeTable.h"
#include "core/model/DisplayTexts.h"

namespace curvedesk {

namespace {

constexpr const char* kMissing = "-";

std::string Signed(int value) { return (value > 0 ? "+" : "") + std::to_string(value); }

// A configuration field of the window and the file keys shown in it.
struct ConfigField {
  const char* caption;
  std::array<std::string_view, 2> keys;
  std::string (*text)(const CurveData& curve, const std::string& custName);
  std::optional<int> (*number)(const CurveData& curve);  // for the difference; null when not a number
};

constexpr std::array<ConfigField, 11> kConfigFields = {{
    {"Ignition Name/Model", {"Name"}, [](const CurveData& c, const std::string&) { return c.Name; }, nullptr},
    {"Engine Type",
     {"EngineType"},
     [](const CurveData& c, const std::string&) { return EngineTypeName(c.EngineType); },
     nullptr},
    {"Number of Cylinders",
     {"NumCylinders", "CustType"},
     [](const CurveData& c, const std::string& custName) { return CylinderFieldText(c, custName); },
     nullptr},
    {"H.V. Distr.",
     {"SparkDist"},
     [](const CurveData& c, const std::string&) { return SparkDistName(c.SparkDist); },
     nullptr},
    {"Rotor Pos.",
     {"RotorPos"},
     [](const CurveData& c, const std::string&) { return RotorPosName(c.RotorPos); },
     nullptr},
    {"Tach",
     {"TachType"},
     [](const CurveData& c, const std::string& custName) { return TachTypeName(c.TachType, custName); },
     nullptr},
    {"Fallback RPM",
     {"CurveFallback"},
     [](const CurveData& c, const std::string&) { return std::to_string(c.CurveFallback); },
     [](const CurveData& c) -> std::optional<int> { return c.CurveFallback; }},
    {"Sensor 1",
     {"Sensor1Type", "Sensor1Volt"},
     [](const CurveData& c, const std::string&) { return SensorName(c.Sensor1Type, c.Sensor1Volt); },
     nullptr},
    {"Sensor 2",
     {"Sensor2Type", "Sensor2Volt"},
     [](const CurveData& c, const std::string&) { return SensorName(c.Sensor2Type, c.Sensor2Volt); },
     nullptr},
    {"Sensor States",
     {"NumSensorStates"},
     [](const CurveData& c, const std::string&) { return std::to_string(c.NumSensorStates); },
     [](const CurveData& c) -> std::optional<int> { return c.NumSensorStates; }},
    {"Coil Type", {"CoilType"}, [](const CurveData& c, const std::string&) { return c.CoilType; }, nullptr},
}};

// The graph keys in the window's order, with their captions. Rev limit and switches read "off"
// when not set.
struct GraphField {
  std::string_view key;
  const char* caption;
  bool offWhenNotSet;
};

constexpr std::array<GraphField, 8> kGraphFields = {{
    {"RevLimit", "Rev Limit @ RPM", true},
    {"RpmSw1Start", "RPM Switch 1 Start", true},
    {"RpmSw1Stop", "RPM Switch 1 Stop", true},
    {"RpmSw2Start", "RPM Switch 2 Start", true},
    {"RpmSw2Stop", "RPM Switch 2 Stop", true},
    {"NumTransitions", "Number of Transitions", false},
    {"NumSparks", "Number of Sparks", false},
    {"GraphInfo", "Notes", false},
}};

// The node keys: the RPM, then the plots' angles by plot number.
constexpr std::array<std::string_view, 5> kNodeKeys = {"RPM", "CO", "PS", "SS", "TS"};

bool Touches(const std::vector<CurveDifference>& differences, std::string_view key) {
  return std::any_of(differences.begin(), differences.end(),
                     [&](const CurveDifference& d) { return d.state == 0 && d.field == key; });
}

// A file value's text, and the number it holds when a difference can be taken.
struct ShownValue {
  std::string text;
  std::optional<int> number;
};

ShownValue Show(const std::optional<FileValue>& value, bool offWhenNotSet) {
  if (!value) return {kMissing, std::nullopt};
  if (const auto* text = std::get_if<std::string>(&*value)) return {*text, std::nullopt};
  const int number = std::get<std::int32_t>(*value);
  if (offWhenNotSet && number == kNotSet) return {"off", std::nullopt};
  return {std::to_string(number), number};
}

DifferenceRow Row(int state, int node, int plot, std::string caption, const CurveDifference& difference,
                  bool offWhenNotSet) {
  const ShownValue edited = Show(difference.a, offWhenNotSet);
  const ShownValue comparison = Show(difference.b, offWhenNotSet);
  const std::string apart =
      edited.number && comparison.number ? Signed(*edited.number - *comparison.number) : std::string();
  return {state, node, plot, std::move(caption), edited.text, comparison.text, apart};
}

void AddConfigRows(std::vector<DifferenceRow>& rows, const std::vector<CurveDifference>& differences,
                   const CurveData& edited, const CurveData& comparison, const std::string& custName) {
  for (const ConfigField& field : kConfigFields) {
    if (!std::any_of(field.keys.begin(), field.keys.end(),
                     [&](std::string_view key) { return !key.empty() && Touches(differences, key); }))
      continue;
    std::string apart;
    if (field.number) apart = Signed(*field.number(edited) - *field.number(comparison));
    rows.push_back({-1, -1, -1, field.caption, field.text(edited, custName), field.text(comparison, custName), apart});
  }
}

void AddStateRows(std::vector<DifferenceRow>& rows, const std::vector<CurveDifference>& differences, int state,
                  const CurveData& edited, const CurveData& comparison) {
  const int index = state - 1;
  const bool inEdited = index < edited.NumSensorStates;
  const bool inComparison = index < comparison.NumSensorStates;
  if (inEdited != inComparison) {
    rows.push_back({index, -1, -1, "Graph", inEdited ? "in use" : kMissing, inComparison ? "in use" : kMissing, ""});
    return;
  }
  const auto ofState = [&](const CurveDifference& d) { return d.state == state; };
  for (const GraphField& field : kGraphFields)
    for (const CurveDifference& d : differences)
      if (ofState(d) && d.node == 0 && d.field == field.key)
        rows.push_back(Row(index, -1, -1, field.caption, d, field.offWhenNotSet));
  for (const CurveDifference& d : differences) {
    if (!ofState(d) || d.node == 0) continue;
    const auto key = static_cast<int>(std::find(kNodeKeys.begin(), kNodeKeys.end(), d.field) - kNodeKeys.begin());
    rows.push_back(Row(index, d.node - 1, key - 1,
                       "Node " + std::to_string(d.node) + " " + NodeColumnCaption(key), d,
                       false));
  }
}

}  // namespace

std::vector<DifferenceRow> DifferenceRows(const CurveData& edited, const CurveData& comparison,
                                          const std::string& custName) {
  const std::vector<CurveDifference> differences = CurveDifferences(edited, comparison);
  std::vector<DifferenceRow> rows;
  AddConfigRows(rows, differences, edited, comparison, custName);
  const int states = std::clamp<int>(std::max(edited.NumSensorStates, comparison.NumSensorStates), 0, kMaxSensorStates);
  for (int state = 1; state <= states; ++state) AddStateRows(rows, differences, state, edited, comparison);
  return rows;
}

}  // namespace curvedesk
