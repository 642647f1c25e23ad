#include "core/curvefile/CurveJson.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace curvedesk {

std::string JsonString(const std::string& text) {
  std::string json = "\"";
  for (const char c : text) {
    switch (c) {
      case '"':
        json += "\\\"";
        break;
      case '\\':
        json += "\\\\";
        break;
      case '\n':
        json += "\\n";
        break;
      case '\r':
        json += "\\r";
        break;
      case '\t':
        json += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          json += escaped;
        } else {
          json += c;
        }
    }
  }
  return json + "\"";
}

namespace {

// Shortest decimal form: 2.5, 0, -0.25, 12.3456.
std::string Number(Currency value) {
  const std::int64_t scaled = value.scaled;
  const std::uint64_t magnitude =
      scaled < 0 ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
  std::string text = (scaled < 0 ? "-" : "") + std::to_string(magnitude / Currency::kScale);
  std::string fraction = std::to_string(magnitude % Currency::kScale + Currency::kScale).substr(1);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  if (!fraction.empty()) text += "." + fraction;
  return text;
}

// Collects "key": value members of one object at one indentation.
class ObjectWriter {
 public:
  explicit ObjectWriter(int depth) : indent_(static_cast<std::size_t>(2 * (depth + 1)), ' ') {}

  void Raw(const char* key, const std::string& json) {
    text_ += text_.empty() ? "{\n" : ",\n";
    text_ += indent_ + JsonString(key) + ": " + json;
  }
  void Int(const char* key, std::int64_t value) { Raw(key, std::to_string(value)); }
  void String(const char* key, const std::string& value) { Raw(key, JsonString(value)); }
  void Bool(const char* key, bool value) { Raw(key, value ? "true" : "false"); }

  std::string Close() const { return text_ + "\n" + indent_.substr(2) + "}"; }

 private:
  std::string indent_;
  std::string text_;
};

std::string NodeJson(const GraphNode& node, int numSparks) {
  std::string json = "{\"CO\": " + std::to_string(node.CO) + ", \"PS\": " + std::to_string(node.PS);
  if (numSparks >= 2) json += ", \"SS\": " + std::to_string(node.SS);
  if (numSparks >= 3) json += ", \"TS\": " + std::to_string(node.TS);
  return json + "}";
}

template <typename Item, typename ToJson>
std::string ListJson(const Item* items, int count, int depth, ToJson toJson) {
  if (count == 0) return "[]";
  const std::string indent(static_cast<std::size_t>(2 * (depth + 1)), ' ');
  std::string json = "[\n";
  for (int i = 0; i < count; ++i) json += indent + toJson(items[i]) + (i + 1 < count ? ",\n" : "\n");
  return json + indent.substr(2) + "]";
}

std::string GraphJson(const SensorStateGraph& graph, int depth) {
  const int nodes = std::clamp<int>(graph.NumTransitions, 0, kMaxNodes);
  ObjectWriter object(depth);
  object.String("GraphInfo", graph.GraphInfo);
  object.Int("RpmSw1Start", graph.RpmSw1Start);
  object.Int("RpmSw1Stop", graph.RpmSw1Stop);
  object.Int("RpmSw2Start", graph.RpmSw2Start);
  object.Int("RpmSw2Stop", graph.RpmSw2Stop);
  object.Int("RevLimit", graph.RevLimit);
  object.Int("NumSparks", graph.NumSparks);
  object.Int("NumTransitions", graph.NumTransitions);
  std::string rpm = "[";
  for (int n = 0; n < nodes; ++n) rpm += (n ? ", " : "") + std::to_string(graph.RPM[static_cast<std::size_t>(n)]);
  object.Raw("RPM", rpm + "]");
  object.Raw("Nodes", ListJson(graph.Nodes.data(), nodes, depth + 1,
                               [&](const GraphNode& node) { return NodeJson(node, graph.NumSparks); }));
  return object.Close();
}

}  // namespace

std::string CurveToJson(const CurveData& curve, const EditingState& editing) {
  ObjectWriter object(0);
  object.String("FileName", editing.FileName);
  object.String("Name", curve.Name);
  object.Bool("Modified", editing.Modified);
  object.Int("IgnitionIndex", curve.IgnitionIndex);
  object.Int("EngineType", curve.EngineType);
  object.Int("SparkDist", curve.SparkDist);
  object.Int("RotorPos", curve.RotorPos);
  object.Int("NumCylinders", curve.NumCylinders);
  object.String("CustType", curve.CustType);
  object.String("CoilType", curve.CoilType);
  object.Int("TachType", curve.TachType);
  object.Int("CurveFallback", curve.CurveFallback);
  object.Int("NumSensorStates", curve.NumSensorStates);
  object.Int("Sensor1Type", curve.Sensor1Type);
  object.Raw("Sensor1Volt", Number(curve.Sensor1Volt));
  object.Int("Sensor2Type", curve.Sensor2Type);
  object.Raw("Sensor2Volt", Number(curve.Sensor2Volt));
  object.Int("CurrentSensorState", editing.CurrentSensorState);
  const int graphs = std::clamp<int>(curve.NumSensorStates, 0, kMaxSensorStates);
  object.Raw("Graphs", ListJson(curve.Graphs.data(), graphs, 1,
                                [](const SensorStateGraph& graph) { return GraphJson(graph, 2); }));
  return object.Close() + "\n";
}

}  // namespace curvedesk
