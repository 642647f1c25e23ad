#include "core/curvefile/CurveDifferences.h"

#include <algorithm>
#include <array>

#include "core/common/Utils.h"
#include "core/curvefile/CurveJson.h"
#include "core/model/CurveRules.h"

namespace curvedesk {

namespace {

using Value = std::optional<FileValue>;

struct GeneralKey {
  const char* field;
  FileValue (*value)(const CurveData& curve);
};

// The GENERAL keys in the writer's order. A custom-layout curve stores its layout's name as the
// cylinder text, any other curve its cylinder count; volts keep one decimal.
constexpr std::array<GeneralKey, 14> kGeneralKeys = {{
    {"Name", [](const CurveData& c) -> FileValue { return c.Name; }},
    {"EngineType", [](const CurveData& c) -> FileValue { return c.EngineType; }},
    {"SparkDist", [](const CurveData& c) -> FileValue { return c.SparkDist; }},
    {"RotorPos", [](const CurveData& c) -> FileValue { return c.RotorPos; }},
    {"NumCylinders", [](const CurveData& c) -> FileValue { return c.NumCylinders; }},
    {"TachType", [](const CurveData& c) -> FileValue { return c.TachType; }},
    {"CurveFallback", [](const CurveData& c) -> FileValue { return c.CurveFallback; }},
    {"NumSensorStates", [](const CurveData& c) -> FileValue { return c.NumSensorStates; }},
    {"CustType",
     [](const CurveData& c) -> FileValue {
       return c.NumCylinders == kCustomCylinders ? c.CustType : std::to_string(c.NumCylinders);
     }},
    {"CoilType", [](const CurveData& c) -> FileValue { return c.CoilType; }},
    {"Sensor1Type", [](const CurveData& c) -> FileValue { return c.Sensor1Type; }},
    {"Sensor1Volt", [](const CurveData& c) -> FileValue { return FormatVolts(c.Sensor1Volt); }},
    {"Sensor2Type", [](const CurveData& c) -> FileValue { return c.Sensor2Type; }},
    {"Sensor2Volt", [](const CurveData& c) -> FileValue { return FormatVolts(c.Sensor2Volt); }},
}};

struct GraphKey {
  const char* field;
  Value (*value)(const SensorStateGraph& graph);
};

constexpr std::array<GraphKey, 8> kGraphKeys = {{
    {"GraphInfo", [](const SensorStateGraph& g) -> Value { return g.GraphInfo; }},
    {"RevLimit", [](const SensorStateGraph& g) -> Value { return g.RevLimit; }},
    {"RpmSw1Start", [](const SensorStateGraph& g) -> Value { return g.RpmSw1Start; }},
    {"RpmSw1Stop", [](const SensorStateGraph& g) -> Value { return g.RpmSw1Stop; }},
    {"RpmSw2Start", [](const SensorStateGraph& g) -> Value { return g.RpmSw2Start; }},
    {"RpmSw2Stop", [](const SensorStateGraph& g) -> Value { return g.RpmSw2Stop; }},
    {"NumSparks", [](const SensorStateGraph& g) -> Value { return g.NumSparks; }},
    {"NumTransitions", [](const SensorStateGraph& g) -> Value { return g.NumTransitions; }},
}};

// The node keys of one node, one per plot after the RPM.
constexpr std::array<const char*, 4> kPlotFields = {"CO", "PS", "SS", "TS"};
constexpr int kLastPlot = static_cast<int>(kPlotFields.size()) - 1;

int StatesInUse(const CurveData& curve) { return std::clamp<int>(curve.NumSensorStates, 0, kMaxSensorStates); }
int NodesInUse(const SensorStateGraph& graph) { return std::clamp<int>(graph.NumTransitions, 0, kMaxNodes); }
// Plots 0 .. NumSparks are written: coil on and the primary spark always.
int PlotsInUse(const SensorStateGraph& graph) { return std::clamp<int>(graph.NumSparks, 1, kLastPlot) + 1; }

const SensorStateGraph* GraphInUse(const CurveData& curve, int index) {
  return index < StatesInUse(curve) ? &curve.Graphs[static_cast<std::size_t>(index)] : nullptr;
}

Value NodeRpm(const SensorStateGraph* graph, int node) {
  if (!graph || node >= NodesInUse(*graph)) return std::nullopt;
  return graph->RPM[static_cast<std::size_t>(node)];
}

Value NodeAngle(const SensorStateGraph* graph, int node, int plot) {
  if (!graph || node >= NodesInUse(*graph) || plot >= PlotsInUse(*graph)) return std::nullopt;
  return PlotAngle(graph->Nodes[static_cast<std::size_t>(node)], plot);
}

std::string ValueText(const Value& value) {
  if (!value) return "-";
  if (const auto* number = std::get_if<std::int32_t>(&*value)) return std::to_string(*number);
  return JsonString(std::get<std::string>(*value));
}

std::string ValueJson(const Value& value) { return value ? ValueText(value) : "null"; }

}  // namespace

std::string CurveDifference::Section() const { return state == 0 ? "GENERAL" : "GRAPH_" + std::to_string(state); }

std::vector<CurveDifference> CurveDifferences(const CurveData& a, const CurveData& b) {
  std::vector<CurveDifference> differences;
  const auto compare = [&](int state, int node, const char* field, Value valueA, Value valueB) {
    if (valueA != valueB) differences.push_back({state, node, field, std::move(valueA), std::move(valueB)});
  };
  for (const GeneralKey& key : kGeneralKeys) compare(0, 0, key.field, key.value(a), key.value(b));

  for (int index = 0; index < std::max(StatesInUse(a), StatesInUse(b)); ++index) {
    const SensorStateGraph* graphA = GraphInUse(a, index);
    const SensorStateGraph* graphB = GraphInUse(b, index);
    const int state = index + 1;
    for (const GraphKey& key : kGraphKeys)
      compare(state, 0, key.field, graphA ? key.value(*graphA) : Value(), graphB ? key.value(*graphB) : Value());
    const int nodes = std::max(graphA ? NodesInUse(*graphA) : 0, graphB ? NodesInUse(*graphB) : 0);
    for (int node = 0; node < nodes; ++node) {
      compare(state, node + 1, "RPM", NodeRpm(graphA, node), NodeRpm(graphB, node));
      for (int plot = 0; plot <= kLastPlot; ++plot)
        compare(state, node + 1, kPlotFields[static_cast<std::size_t>(plot)], NodeAngle(graphA, node, plot),
                NodeAngle(graphB, node, plot));
    }
  }
  return differences;
}

std::string DifferenceLine(const CurveDifference& difference) {
  std::string line = difference.state == 0 ? "GENERAL" : "state " + std::to_string(difference.state);
  if (difference.node != 0) line += " node " + std::to_string(difference.node);
  return line + " " + difference.field + ": " + ValueText(difference.a) + " -> " + ValueText(difference.b);
}

std::string DifferencesToJson(const std::vector<CurveDifference>& differences) {
  if (differences.empty()) return "[]\n";
  std::string json = "[\n";
  for (std::size_t i = 0; i < differences.size(); ++i) {
    const CurveDifference& d = differences[i];
    json += "  {\"section\": " + JsonString(d.Section()) +
            ", \"state\": " + (d.state == 0 ? "null" : std::to_string(d.state)) +
            ", \"node\": " + (d.node == 0 ? "null" : std::to_string(d.node)) + ", \"field\": " + JsonString(d.field) +
            ", \"a\": " + ValueJson(d.a) + ", \"b\": " + ValueJson(d.b) + "}" +
            (i + 1 < differences.size() ? ",\n" : "\n");
  }
  return json + "]\n";
}

}  // namespace curvedesk
