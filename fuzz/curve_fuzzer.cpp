// The curve reader on arbitrary bytes: every input either loads or is refused with an error and a
// cleared curve. A curve that loads is written again and must load back as the same curve, apart
// from what the file format itself normalises (volts to one decimal, control characters to
// blanks, the cylinder text of the layout).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/common/AppError.h"
#include "core/common/Utils.h"
#include "core/curvefile/CurveFile.h"
#include "core/curvefile/CurveJson.h"
#include "core/model/DisplayTexts.h"

namespace {

using namespace curvedesk;

IgnitionDescriptionTable Descriptions() {
  IgnitionDescriptionTable table{};
  const char* names[] = {"Korvane Tarvo GT-1", "Compact", "Full Featured", "Retired"};
  for (std::size_t i = 0; i < 4; ++i) {
    table[i].Name = names[i];
    table[i].Valid = i != 3;
  }
  return table;
}

std::string ControlsAsBlanks(std::string text) {
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F') c = ' ';
  return text;
}

Currency AsStoredVolts(Currency volts) {
  const auto stored = ParseCurrency(FormatVolts(volts));
  if (!stored) std::abort();
  return *stored;
}

// The curve as a file carries it back.
CurveData AsWritten(CurveData curve, const std::string& custName) {
  curve.Name = ControlsAsBlanks(curve.Name);
  curve.CoilType = ControlsAsBlanks(curve.CoilType);
  curve.CustType = ControlsAsBlanks(CylinderText(curve.NumCylinders, custName));
  curve.Sensor1Volt = AsStoredVolts(curve.Sensor1Volt);
  curve.Sensor2Volt = AsStoredVolts(curve.Sensor2Volt);
  for (auto& graph : curve.Graphs) graph.GraphInfo = ControlsAsBlanks(graph.GraphInfo);
  return curve;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const IgnitionDescriptionTable descriptions = Descriptions();
  static const SensorStateGraph defaultGraph = MakeDefaultGraph();
  const IniDocument file = IniDocument::Parse(std::string_view(reinterpret_cast<const char*>(data), size));

  CurveData curve;
  ClearCurve(curve, defaultGraph);
  try {
    LoadCurveDocument(curve, file, descriptions, defaultGraph);
  } catch (const AppError&) {
    if (curve.NumSensorStates != 1 || curve.Graphs[0] != defaultGraph) std::abort();
    return 0;
  }

  const std::string custName = curve.CustType;
  CurveData reloaded;
  ClearCurve(reloaded, defaultGraph);
  try {
    LoadCurveDocument(reloaded, WriteCurveDocument(curve, custName), descriptions, defaultGraph);
  } catch (const AppError&) {
    std::abort();
  }
  const CurveData expected = AsWritten(curve, custName);
  if (CurveToJson(reloaded, {}) != CurveToJson(expected, {})) std::abort();
  return 0;
}
