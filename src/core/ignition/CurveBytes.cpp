#include "core/ignition/CurveBytes.h"

#include <algorithm>

#include "core/common/AppError.h"

namespace curvedesk {

namespace {

[[noreturn]] void RaiseUnknownSymbol(std::string_view symbol) {
  RaiseError(ErrGeneric, "Unknown programming symbol " + std::string(symbol));
}

std::uint8_t CheckedByte(std::string_view symbol, std::int64_t value) {
  if (value < 0 || value > 255) {
    RaiseError(ErrOverflow, "Overflow: " + std::string(symbol) + " = " + std::to_string(value) +
                                " does not fit a byte (0..255)");
  }
  return static_cast<std::uint8_t>(value);
}

// RPM values are stored as RPM div 50 + 1; 0 means "not set".
std::int64_t RpmCode(std::int16_t rpm) { return rpm == kNotSet ? 0 : rpm / 50 + 1; }

// Volts x 30 rounded to the nearest integer, halves to the even neighbour.
std::int64_t VoltsCode(Currency volts) {
  const std::int64_t scaled = volts.scaled * 30;
  std::int64_t whole = scaled / Currency::kScale;
  std::int64_t rest = scaled % Currency::kScale;
  if (rest < 0) {
    whole -= 1;
    rest += Currency::kScale;
  }
  if (rest * 2 > Currency::kScale || (rest * 2 == Currency::kScale && whole % 2 != 0)) whole += 1;
  return whole;
}

std::int64_t SensorCode(std::int32_t type, Currency volts) {
  if (type == kSensorNone) return 255;
  if (type == kSensorDigital) return 254;
  return VoltsCode(volts);
}

std::string AnglePart(std::int16_t angle) { return std::to_string(angle); }

// Graph and node indices outside the curve's arrays are a program error, not a curve's.
void CheckIndex(int index, int count, const char* what) {
  if (index < 0 || index >= count) RaiseError(ErrGeneric, std::string(what) + " index out of range: " + std::to_string(index));
}

}  // namespace

std::uint8_t CurveBytes::CommonDataByte(std::string_view symbol) const {
  const std::string rotor = RotorPart(curve_);
  const std::string cylinders = CylinderPart(curve_);
  if (symbol == "(UNUSED)") return 0;
  if (symbol == "StartTable2Init" || symbol == "StartTable" || symbol == "StartTable2" || symbol == "SparkDuration")
    return table_.Lookup(symbol, rotor + "_" + cylinders);
  if (symbol == "TachStart" || symbol == "TachInterval") return table_.Lookup(symbol, rotor + "_" + TachPart(curve_));
  if (symbol == "ResetCylSpSat")
    return table_.Lookup(symbol, (curve_.SparkDist == kSparkDistDistributor ? "DIST_" : "COIL_") + cylinders);
  if (symbol == "IgnDescrip") {
    std::int64_t value = curve_.NumCylinders;
    if (value == kCustomCylinders) value = 5;
    if (value == 8) value = 7;
    if (curve_.EngineType == kEngineFourStroke) value += 0x10;
    if (curve_.NumCylinders == kCustomCylinders || (curve_.NumCylinders == 2 && curve_.RotorPos == kRotorCam))
      value += 0x20;
    if (curve_.SparkDist == kSparkDistDistributor) value += 0x40;
    if (curve_.RotorPos == kRotorCam) value += 0x80;
    return CheckedByte(symbol, value);
  }
  if (symbol == "CurveFallback") return CheckedByte(symbol, curve_.CurveFallback / 50);
  if (symbol == "Sensor1Volt") return CheckedByte(symbol, SensorCode(curve_.Sensor1Type, curve_.Sensor1Volt));
  if (symbol == "Sensor2Volt") return CheckedByte(symbol, SensorCode(curve_.Sensor2Type, curve_.Sensor2Volt));
  RaiseUnknownSymbol(symbol);
}

std::uint8_t CurveBytes::SensorStateByte(std::string_view symbol, int graphIndex) const {
  const bool known = std::find(kSlotHeadSymbols.begin(), kSlotHeadSymbols.end(), symbol) != kSlotHeadSymbols.end();
  if (!known) RaiseUnknownSymbol(symbol);
  CheckIndex(graphIndex, kMaxSensorStates, "Graph");
  if (graphIndex >= curve_.NumSensorStates) return kUnusedByte;
  const SensorStateGraph& graph = curve_.Graphs[static_cast<std::size_t>(graphIndex)];

  if (symbol.starts_with("RPM")) {
    const int node = symbol[3] - '0';
    return CheckedByte(symbol, node >= graph.NumTransitions ? 255 : RpmCode(graph.RPM[static_cast<std::size_t>(node)]));
  }
  if (symbol == "REV") return CheckedByte(symbol, RpmCode(graph.RevLimit));
  if (symbol == "AUX1START") return CheckedByte(symbol, RpmCode(graph.RpmSw1Start));
  if (symbol == "AUX1STOP") return CheckedByte(symbol, RpmCode(graph.RpmSw1Stop));
  if (symbol == "AUX2START") return CheckedByte(symbol, RpmCode(graph.RpmSw2Start));
  return CheckedByte(symbol, RpmCode(graph.RpmSw2Stop));
}

std::uint8_t CurveBytes::NodeByte(std::string_view symbol, int graphIndex, int nodeIndex) const {
  const bool known = std::find(kNodeSymbols.begin(), kNodeSymbols.end(), symbol) != kNodeSymbols.end();
  if (!known) RaiseUnknownSymbol(symbol);
  CheckIndex(graphIndex, kMaxSensorStates, "Graph");
  CheckIndex(nodeIndex, kMaxNodes, "Node");
  if (graphIndex >= curve_.NumSensorStates) return kUnusedByte;
  const SensorStateGraph& graph = curve_.Graphs[static_cast<std::size_t>(graphIndex)];
  // The blocks past the last node in use are copies of the last one.
  const int lastNode = std::clamp<int>(graph.NumTransitions, 1, kMaxNodes) - 1;
  const GraphNode& node = graph.Nodes[static_cast<std::size_t>(std::min(nodeIndex, lastNode))];
  return CheckedByte(symbol, NodeValue(symbol, graph, node));
}

int CurveBytes::NodeValue(std::string_view symbol, const SensorStateGraph& graph, const GraphNode& node) const {
  const std::string rotor = RotorPart(curve_);
  const std::string cylinders = CylinderPart(curve_);
  if (symbol == "InitialSatCyl") {
    if (curve_.SparkDist == kSparkDistDistributor) return 0;
    return table_.Lookup(symbol, "COIL_" + cylinders + "_" + AnglePart(node.CO));
  }
  if (symbol == "InitialSat") return table_.Lookup(symbol, rotor + "_" + cylinders + "_" + AnglePart(node.CO));
  if (symbol == "IntervalSat") return IntervalSat();
  if (symbol == "NumSparks") {
    switch (graph.NumSparks) {
      case 1: return 2;
      case 2: return 4;
      case 3: return 7;
      default: return kUnusedByte;
    }
  }
  if (symbol == "InitialSpark") return table_.Lookup(symbol, rotor + "_" + cylinders + "_" + AnglePart(node.PS));
  if (symbol == "SecondSpark") return SecondSpark(graph, node);
  if (symbol == "ThirdSpark") return ThirdSpark(graph, node);

  // IntervalSpark
  if (SingleFiring()) return 255;
  const int interval = IntervalSat();
  switch (graph.NumSparks) {
    case 1: return interval;
    case 2: return interval - (SecondSpark(graph, node) + SparkDuration());
    case 3: return interval - (ThirdSpark(graph, node) + SecondSpark(graph, node) + 2 * SparkDuration());
    default: return kUnusedByte;
  }
}

bool CurveBytes::SingleFiring() const {
  // The compact edition's custom layouts with the crank rotor get the interval computed like any
  // other layout.
  const bool customLayout =
      curve_.NumCylinders == kCustomCylinders && (edition_ == Edition::Full || curve_.RotorPos == kRotorCam);
  return customLayout || curve_.NumCylinders == 1 ||
         (curve_.NumCylinders == 2 && curve_.EngineType == kEngineFourStroke);
}

int CurveBytes::SparkDuration() const { return table_.Lookup("SparkDuration", RotorPart(curve_) + "_" + CylinderPart(curve_)); }

int CurveBytes::IntervalSat() const {
  const std::int32_t cylinders = curve_.NumCylinders;
  if (curve_.EngineType == kEngineTwoStroke) {
    if (cylinders == 2) return 180;
    if (cylinders == 4) return 90;
  }
  switch (cylinders) {
    case 0:
    case 1:
    case 2: return 255;
    case 3:
    case 6: return 120;
    case 4: return 180;
    case 8: return 90;
    default: return 128;
  }
}

int CurveBytes::SecondSpark(const SensorStateGraph& graph, const GraphNode& node) const {
  if (graph.NumSparks <= 1) return kUnusedByte;
  return node.PS - (SparkDuration() + node.SS);
}

int CurveBytes::ThirdSpark(const SensorStateGraph& graph, const GraphNode& node) const {
  if (graph.NumSparks != 3) return kUnusedByte;
  return node.SS - (SparkDuration() + node.TS);
}

std::string SlotOrder(const IgnitionConfig& config) {
  if (config.NumSensorStates == 1) return "1230";
  if (config.NumSensorStates == 2) {
    if (config.Sensor1Type == kSensorNone) return "2301";
    if (config.Sensor2Type == kSensorNone) return "2031";
  }
  return "0123";
}

}  // namespace curvedesk
