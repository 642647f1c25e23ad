#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/ignition/TimingTable.h"
#include "core/model/Edition.h"
#include "core/model/CurveData.h"

namespace curvedesk {

// The ignition's memory layout for a curve: a common block, then four sensor-state slots of a
// head and ten node blocks each.
inline constexpr std::uint16_t kCommonBlockAddress = 0x05FC;
inline constexpr std::uint16_t kFirstSlotAddress = 0x0608;
inline constexpr std::uint16_t kSlotSize = 94;
inline constexpr std::uint16_t kRevByteOffset = 9;  // "REV" within a slot
inline constexpr int kIgnitionSlotCount = 4;

inline constexpr std::array<std::string_view, 12> kCommonSymbols{
    "(UNUSED)",    "StartTable2Init", "TachStart",     "TachInterval",  "IgnDescrip", "StartTable",
    "StartTable2", "SparkDuration",   "ResetCylSpSat", "CurveFallback", "Sensor1Volt", "Sensor2Volt"};
inline constexpr std::array<std::string_view, 14> kSlotHeadSymbols{
    "RPM1", "RPM2", "RPM3", "RPM4", "RPM5", "RPM6", "RPM7", "RPM8", "RPM9", "REV",
    "AUX1START", "AUX1STOP", "AUX2START", "AUX2STOP"};
inline constexpr std::array<std::string_view, 8> kNodeSymbols{
    "InitialSatCyl", "InitialSat", "IntervalSat", "NumSparks", "InitialSpark", "SecondSpark", "ThirdSpark",
    "IntervalSpark"};

// The byte that unused memory of a slot holds: a graph beyond NumSensorStates, an unused spark.
inline constexpr std::uint8_t kUnusedByte = 128;

// The bytes programmed for a curve, computed from the curve and the timing table. Every value must
// fit a byte: one that does not raises ErrOverflow naming the symbol, so a broken curve never
// reaches the board as wrapped-around bytes. An unknown symbol raises ErrGeneric. The compact
// edition writes one node byte differently ("IntervalSpark" of a custom layout on the crank).
class CurveBytes {
 public:
  CurveBytes(const CurveData& curve, const TimingTable& table, Edition edition = Edition::Full)
      : curve_(curve), table_(table), edition_(edition) {}

  std::uint8_t CommonDataByte(std::string_view symbol) const;
  // graphIndex 0..3; a graph at or beyond NumSensorStates gives 128 for every symbol.
  std::uint8_t SensorStateByte(std::string_view symbol, int graphIndex) const;
  // nodeIndex 0..9; nodes beyond the last node in use repeat the last node's values.
  std::uint8_t NodeByte(std::string_view symbol, int graphIndex, int nodeIndex) const;

 private:
  int SparkDuration() const;
  int IntervalSat() const;
  int SecondSpark(const SensorStateGraph& graph, const GraphNode& node) const;
  int ThirdSpark(const SensorStateGraph& graph, const GraphNode& node) const;
  int NodeValue(std::string_view symbol, const SensorStateGraph& graph, const GraphNode& node) const;

  // Whether "IntervalSpark" is 255: the cylinder fires once per interval.
  bool SingleFiring() const;

  const CurveData& curve_;
  const TimingTable& table_;
  Edition edition_;
};

// The graph indices that the ignition's slots 1..4 receive, as four digits ("1230": the only graph
// of a one-state curve goes to the fourth slot).
std::string SlotOrder(const IgnitionConfig& config);

}  // namespace curvedesk
