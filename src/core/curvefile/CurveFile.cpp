#include "core/curvefile/CurveFile.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>

#include "core/common/AppError.h"
#include "core/common/FileRoutines.h"
#include "core/common/IniFile.h"
#include "core/common/Utils.h"
#include "core/model/CurveRules.h"
#include "core/model/DisplayTexts.h"

namespace curvedesk {

namespace {

constexpr std::string_view kVersion = "VERSION";
constexpr std::string_view kGeneral = "GENERAL";

// Ignitions of older files that load without a description of their own.
constexpr std::array<std::string_view, 5> kOlderIgnitionNames = {
    "Korvane Tarvo LM4", "Korvane Tarvo LM2", "Korvane Tarvo JT2", "Korvane Tarvo HB2", "Korvane Tarvo HB1"};

// Revisions 1 and 2 name the ignition by a number: 1 the compact one, anything else the full one.
constexpr std::int32_t kCompactIgnitionType = 1;
constexpr std::string_view kCompactName = "Compact";
constexpr std::string_view kFullFeaturedName = "Full Featured";

constexpr int kMinTransitions = 2;
constexpr int kMinSparks = 1;
constexpr int kMaxSparks = 3;

std::size_t Slot(int index) { return static_cast<std::size_t>(index); }

std::string GraphSection(int number) { return "GRAPH_" + std::to_string(number); }

std::string NodeKey(std::string_view prefix, int index) { return std::string(prefix) + std::to_string(index + 1); }

// The node angles of one plot as the file lays them out: one key prefix per plot.
constexpr std::array<std::string_view, 4> kPlotKeyPrefixes = {"CO_", "PS_", "SS_", "TS_"};

// The writer indexes the node arrays with the counts; a curve outside them is a program error.
void RequireWritableCounts(const CurveData& curve) {
  bool inRange = curve.NumSensorStates >= 1 && curve.NumSensorStates <= kMaxSensorStates;
  for (int g = 0; inRange && g < curve.NumSensorStates; ++g) {
    const SensorStateGraph& graph = curve.Graphs[Slot(g)];
    inRange = graph.NumTransitions >= 0 && graph.NumTransitions <= kMaxNodes;
  }
  if (!inRange) RaiseError(ErrGeneric, "Subscript out of range");
}

void WriteGraph(IniDocument& file, const std::string& section, const SensorStateGraph& graph) {
  IniWriteString(file, section, "GraphInfo", graph.GraphInfo);
  IniWriteInt(file, section, "RevLimit", graph.RevLimit);
  IniWriteInt(file, section, "RpmSw1Start", graph.RpmSw1Start);
  IniWriteInt(file, section, "RpmSw1Stop", graph.RpmSw1Stop);
  IniWriteInt(file, section, "RpmSw2Start", graph.RpmSw2Start);
  IniWriteInt(file, section, "RpmSw2Stop", graph.RpmSw2Stop);
  IniWriteInt(file, section, "NumSparks", graph.NumSparks);
  IniWriteInt(file, section, "NumTransitions", graph.NumTransitions);
  for (int n = 0; n < graph.NumTransitions; ++n) IniWriteInt(file, section, NodeKey("RPM_", n), graph.RPM[Slot(n)]);
  // Coil on and primary spark always; the second and third spark only while in use.
  const int lastPlot = std::clamp<int>(graph.NumSparks, 1, kMaxSparks);
  for (int plot = 0; plot <= lastPlot; ++plot)
    for (int n = 0; n < graph.NumTransitions; ++n)
      IniWriteInt(file, section, NodeKey(kPlotKeyPrefixes[Slot(plot)], n), PlotAngle(graph.Nodes[Slot(n)], plot));
}

// Reads of one loaded file, each raising the error the curve reader reports.
class CurveReader {
 public:
  explicit CurveReader(const IniDocument& file) : file_(file) {}

  std::int32_t Int(std::string_view section, std::string_view key) const { return IniReadInt(file_, section, key); }

  // Integer fields of the curve are 16-bit; a value that does not fit makes the file corrupt.
  std::int16_t Int16(std::string_view section, std::string_view key) const {
    const std::int32_t value = Int(section, key);
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
      RaiseError(ErrCurveCorrupt, "Overflow");
    return static_cast<std::int16_t>(value);
  }

  std::string String(std::string_view section, std::string_view key) const {
    return IniReadString(file_, section, key);
  }

  // Volts are stored with a decimal point, or a decimal comma where a regional setting wrote one.
  Currency Volts(std::string_view section, std::string_view key) const {
    const auto volts = ParseCurrency(String(section, key));
    if (!volts) RaiseError(ErrCurveCorrupt, "Type mismatch");
    return *volts;
  }

 private:
  const IniDocument& file_;
};

void ReadGraph(const CurveReader& read, const std::string& section, SensorStateGraph& graph) {
  graph.GraphInfo = read.String(section, "GraphInfo");
  graph.RevLimit = read.Int16(section, "RevLimit");
  graph.RpmSw1Start = read.Int16(section, "RpmSw1Start");
  graph.RpmSw1Stop = read.Int16(section, "RpmSw1Stop");
  graph.RpmSw2Start = read.Int16(section, "RpmSw2Start");
  graph.RpmSw2Stop = read.Int16(section, "RpmSw2Stop");
  graph.NumSparks = read.Int16(section, "NumSparks");
  graph.NumTransitions = read.Int16(section, "NumTransitions");
  if (graph.NumTransitions < kMinTransitions || graph.NumTransitions > kMaxNodes || graph.NumSparks < kMinSparks ||
      graph.NumSparks > kMaxSparks)
    RaiseError(ErrCurveCorrupt);
  for (int n = 0; n < graph.NumTransitions; ++n) graph.RPM[Slot(n)] = read.Int16(section, NodeKey("RPM_", n));
  for (int plot = 0; plot <= graph.NumSparks; ++plot)
    for (int n = 0; n < graph.NumTransitions; ++n)
      PlotAngle(graph.Nodes[Slot(n)], plot) = read.Int16(section, NodeKey(kPlotKeyPrefixes[Slot(plot)], n));
}

// Sets IgnitionIndex to the first description with the curve's name; refuses names no valid
// description carries, except the older ignitions.
void FindIgnition(CurveData& curve, const IgnitionDescriptionTable& descriptions) {
  const auto match = std::find_if(descriptions.begin(), descriptions.end(),
                                  [&](const IgnitionDescription& d) { return d.Name == curve.Name; });
  if (match != descriptions.end())
    curve.IgnitionIndex = static_cast<std::int16_t>(std::distance(descriptions.begin(), match) + 1);
  if (std::find(kOlderIgnitionNames.begin(), kOlderIgnitionNames.end(), curve.Name) != kOlderIgnitionNames.end())
    return;
  if (match == descriptions.end() || !match->Valid) RaiseError(ErrIgnNameNotFound);
}

void ReadCurve(CurveData& curve, const IniDocument& file, const IgnitionDescriptionTable& descriptions) {
  const CurveReader read(file);
  std::int32_t magic = 0;
  try {
    magic = read.Int(kVersion, "Magic");
  } catch (const AppError&) {
    RaiseError(ErrNotCurveFile);
  }
  if (magic != kCurveFileMagic) RaiseError(ErrNotCurveFile);
  const std::int32_t revision = read.Int(kVersion, "CrvFileRev");
  if (revision < 1 || revision > kCurveFileRevision) RaiseError(ErrCurveVersion);

  curve.EngineType = read.Int(kGeneral, "EngineType");
  curve.SparkDist = read.Int(kGeneral, "SparkDist");
  curve.RotorPos = read.Int(kGeneral, "RotorPos");
  curve.NumCylinders = read.Int(kGeneral, "NumCylinders");
  curve.CustType = read.String(kGeneral, "CustType");
  curve.CoilType = read.String(kGeneral, "CoilType");
  curve.CurveFallback = read.Int16(kGeneral, "CurveFallback");
  curve.NumSensorStates = read.Int16(kGeneral, "NumSensorStates");
  curve.Sensor1Type = read.Int(kGeneral, "Sensor1Type");
  curve.Sensor1Volt = read.Volts(kGeneral, "Sensor1Volt");
  curve.Sensor2Type = read.Int(kGeneral, "Sensor2Type");
  curve.Sensor2Volt = read.Volts(kGeneral, "Sensor2Volt");
  curve.TachType = revision == 1 ? curve.NumCylinders : read.Int(kGeneral, "TachType");
  if (revision == kCurveFileRevision) {
    curve.Name = read.String(kGeneral, "Name");
  } else {
    curve.IgnitionIndex = read.Int16(kGeneral, "IgnitionType");
    curve.Name = curve.IgnitionIndex == kCompactIgnitionType ? kCompactName : kFullFeaturedName;
  }
  FindIgnition(curve, descriptions);

  if (curve.NumSensorStates < 1 || curve.NumSensorStates > kMaxSensorStates) RaiseError(ErrCurveCorrupt);
  for (int n = 1; n <= curve.NumSensorStates; ++n) ReadGraph(read, GraphSection(n), curve.Graphs[Slot(n - 1)]);
}

}  // namespace

IniDocument WriteCurveDocument(const CurveData& curve, const std::string& custName) {
  RequireWritableCounts(curve);
  IniDocument file;
  IniWriteInt(file, kVersion, "Magic", kCurveFileMagic);
  IniWriteInt(file, kVersion, "CrvFileRev", kCurveFileRevision);

  file.AppendBlankLines(1);
  IniWriteString(file, kGeneral, "Name", curve.Name);
  IniWriteInt(file, kGeneral, "EngineType", curve.EngineType);
  IniWriteInt(file, kGeneral, "SparkDist", curve.SparkDist);
  IniWriteInt(file, kGeneral, "RotorPos", curve.RotorPos);
  IniWriteInt(file, kGeneral, "NumCylinders", curve.NumCylinders);
  IniWriteInt(file, kGeneral, "TachType", curve.TachType);
  IniWriteInt(file, kGeneral, "CurveFallback", curve.CurveFallback);
  IniWriteInt(file, kGeneral, "NumSensorStates", curve.NumSensorStates);
  IniWriteString(file, kGeneral, "CustType", CylinderText(curve.NumCylinders, custName));
  IniWriteString(file, kGeneral, "CoilType", curve.CoilType);
  IniWriteInt(file, kGeneral, "Sensor1Type", curve.Sensor1Type);
  IniWriteString(file, kGeneral, "Sensor1Volt", FormatVolts(curve.Sensor1Volt));
  IniWriteInt(file, kGeneral, "Sensor2Type", curve.Sensor2Type);
  IniWriteString(file, kGeneral, "Sensor2Volt", FormatVolts(curve.Sensor2Volt));

  for (int n = 1; n <= curve.NumSensorStates; ++n) {
    file.AppendBlankLines(1);
    WriteGraph(file, GraphSection(n), curve.Graphs[Slot(n - 1)]);
  }
  return file;
}

void SaveCurveFile(const CurveData& curve, const std::string& custName, const std::string& path) {
  WriteFileAtomically(path, WriteCurveDocument(curve, custName).Serialize());
}

void LoadCurveDocument(CurveData& curve, const IniDocument& file, const IgnitionDescriptionTable& descriptions,
                       const SensorStateGraph& defaultGraph) {
  try {
    ReadCurve(curve, file, descriptions);
  } catch (const AppError&) {
    ClearCurve(curve, defaultGraph);
    throw;
  }
}

void LoadCurveFile(CurveData& curve, const std::string& path, const IgnitionDescriptionTable& descriptions,
                   const SensorStateGraph& defaultGraph) {
  IniDocument file;
  try {
    file = LoadIniDocument(path);
  } catch (const AppError&) {
    // The profile functions read an unreadable file as an empty one: no curve file.
    ClearCurve(curve, defaultGraph);
    RaiseError(ErrNotCurveFile);
  }
  LoadCurveDocument(curve, file, descriptions, defaultGraph);
}

}  // namespace curvedesk
