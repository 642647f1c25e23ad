#include "core/ignition/IgnitionComparison.h"

#include <string_view>

#include "core/common/Utils.h"
#include "core/ignition/ProgrammingImage.h"
#include "core/ignition/TimingTable.h"

namespace curvedesk {

namespace {

// How a field's byte reads as the curve's value.
enum class Meaning {
  Code,        // a byte of the ignition's own, shown as it is
  SwitchRpm,   // RPM div 50 + 1, 0: not set
  NodeRpm,     // RPM div 50 + 1, 255: the node is not used
  Fallback,    // RPM div 50
  SparkCount,  // 2, 4, 7: one, two, three sparks
};

struct Field {
  std::string_view symbol;
  const char* name;
  Meaning meaning;
};

constexpr Field kFields[] = {
    {"(UNUSED)", "unused byte", Meaning::Code},
    {"StartTable2Init", "start table 2 start", Meaning::Code},
    {"TachStart", "tach start", Meaning::Code},
    {"TachInterval", "tach interval", Meaning::Code},
    {"IgnDescrip", "engine layout", Meaning::Code},
    {"StartTable", "start table", Meaning::Code},
    {"StartTable2", "start table 2", Meaning::Code},
    {"SparkDuration", "spark duration", Meaning::Code},
    {"ResetCylSpSat", "cylinder reset", Meaning::Code},
    {"CurveFallback", "curve fallback", Meaning::Fallback},
    {"Sensor1Volt", "sensor 1 switching point", Meaning::Code},
    {"Sensor2Volt", "sensor 2 switching point", Meaning::Code},
    {"RPM1", "node 1 RPM", Meaning::NodeRpm},
    {"RPM2", "node 2 RPM", Meaning::NodeRpm},
    {"RPM3", "node 3 RPM", Meaning::NodeRpm},
    {"RPM4", "node 4 RPM", Meaning::NodeRpm},
    {"RPM5", "node 5 RPM", Meaning::NodeRpm},
    {"RPM6", "node 6 RPM", Meaning::NodeRpm},
    {"RPM7", "node 7 RPM", Meaning::NodeRpm},
    {"RPM8", "node 8 RPM", Meaning::NodeRpm},
    {"RPM9", "node 9 RPM", Meaning::NodeRpm},
    {"REV", "rev limit", Meaning::SwitchRpm},
    {"AUX1START", "RPM switch 1 on", Meaning::SwitchRpm},
    {"AUX1STOP", "RPM switch 1 off", Meaning::SwitchRpm},
    {"AUX2START", "RPM switch 2 on", Meaning::SwitchRpm},
    {"AUX2STOP", "RPM switch 2 off", Meaning::SwitchRpm},
    {"InitialSatCyl", "coil-on cylinder", Meaning::Code},
    {"InitialSat", "coil-on", Meaning::Code},
    {"IntervalSat", "coil-on interval", Meaning::Code},
    {"NumSparks", "number of sparks", Meaning::SparkCount},
    {"InitialSpark", "primary spark", Meaning::Code},
    {"SecondSpark", "second spark", Meaning::Code},
    {"ThirdSpark", "third spark", Meaning::Code},
    {"IntervalSpark", "spark interval", Meaning::Code},
};

const Field& FieldOf(std::string_view symbol) {
  for (const Field& field : kFields)
    if (field.symbol == symbol) return field;
  static const Field unknown{"", "byte", Meaning::Code};
  return unknown;
}

std::string Rpm(int rpm) { return std::to_string(rpm) + " RPM"; }

std::string ValueText(Meaning meaning, std::uint8_t value) {
  const std::string hex = "$" + HexPadded(value, 2);
  switch (meaning) {
    case Meaning::SwitchRpm:
      return (value == 0 ? std::string("not set") : Rpm((value - 1) * 50)) + " (" + hex + ")";
    case Meaning::NodeRpm:
      return (value == 255 ? std::string("no node") : Rpm((value - 1) * 50)) + " (" + hex + ")";
    case Meaning::Fallback:
      return Rpm(value * 50) + " (" + hex + ")";
    case Meaning::SparkCount:
      if (value == 2) return "1 spark (" + hex + ")";
      if (value == 4) return "2 sparks (" + hex + ")";
      if (value == 7) return "3 sparks (" + hex + ")";
      return hex;
    case Meaning::Code:
      break;
  }
  return hex;
}

std::string SlotHeading(const BlockPlace& place) {
  if (place.slot == 0) return "Common data";
  if (place.unusedSlot) return "Slot " + std::to_string(place.slot) + " (unused: no sensor state)";
  return "Sensor state " + std::to_string(place.sensorState + 1) + " in slot " + std::to_string(place.slot);
}

std::string NodeHeading(int node) { return node == 0 ? "Startup node" : "Node " + std::to_string(node); }

}  // namespace

IgnitionComparison CompareWithIgnition(const CurveData& curve, const std::string& tablePath, Programmer& programmer,
                                       ProgressSink& progress, Edition edition) {
  const ProgrammingImage image = BuildCurveImage(curve, TimingTable::Load(tablePath), edition);
  return {image.ByteCount(), ReadBackAndCompare(programmer, image, progress, 0)};
}

std::vector<std::string> ComparisonReport(const IgnitionComparison& comparison) {
  if (comparison.Equal()) return {kIgnitionHoldsCurve};
  std::vector<std::string> lines{"The ignition does not hold this curve: " +
                                     DifferenceCount(comparison.differences.size(), comparison.bytesCompared) + ".",
                                 ""};
  const BlockPlace* group = nullptr;
  for (const ByteDifference& difference : comparison.differences) {
    const BlockPlace& place = difference.place;
    if (!group || group->slot != place.slot) lines.push_back(SlotHeading(place));
    if (place.node >= 0 && (!group || group->slot != place.slot || group->node != place.node))
      lines.push_back("    " + NodeHeading(place.node));
    group = &place;
    const Field& field = FieldOf(difference.symbol);
    // An unused slot is filled with 128: its bytes carry no value to spell out.
    const Meaning meaning = place.unusedSlot ? Meaning::Code : field.meaning;
    lines.push_back(std::string(place.node >= 0 ? 8 : 4, ' ') + field.name + " (" + std::string(difference.symbol) +
                    ", $" + HexPadded(difference.address, 4) + "): curve " + ValueText(meaning, difference.expected) +
                    ", ignition " + ValueText(meaning, difference.actual));
  }
  return lines;
}

}  // namespace curvedesk
