#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/common/Currency.h"

namespace curvedesk {

// Field widths follow the curve file and the ignition's memory: Integer fields are 16-bit and Long
// fields 32-bit, so values that overflow them are refused where they are read.

inline constexpr int kMaxSensorStates = 4;
inline constexpr int kMaxNodes = 10;
inline constexpr std::int16_t kNotSet = -1;  // RPM switches and rev limit without a value

// The crank angles of one node, in degrees.
struct GraphNode {
  std::int16_t CO = 0;  // coil on (start of coil charging)
  std::int16_t PS = 0;  // primary spark
  std::int16_t SS = 0;  // second spark, used when NumSparks >= 2
  std::int16_t TS = 0;  // third spark, used when NumSparks == 3

  friend bool operator==(const GraphNode&, const GraphNode&) = default;
};

// One sensor state's curve. Only entries 0 .. NumTransitions-1 of RPM and Nodes are in use; the
// rest keep whatever they held.
struct SensorStateGraph {
  std::string GraphInfo;  // the user's note
  std::int16_t RpmSw1Start = kNotSet;
  std::int16_t RpmSw1Stop = kNotSet;
  std::int16_t RpmSw2Start = kNotSet;
  std::int16_t RpmSw2Stop = kNotSet;
  std::int16_t RevLimit = kNotSet;
  std::int16_t NumSparks = 3;        // 1..3
  std::int16_t NumTransitions = 10;  // number of nodes, 2..10
  std::array<std::int16_t, kMaxNodes> RPM{};
  std::array<GraphNode, kMaxNodes> Nodes{};

  friend bool operator==(const SensorStateGraph&, const SensorStateGraph&) = default;
};

// Engine and ignition configuration; the fields carry the names of the curve file's GENERAL keys.
struct IgnitionConfig {
  std::string Name;                 // ignition model, equals the Name of an ignition description
  std::int32_t EngineType = 4;      // 2 = two-stroke, 4 = four-stroke
  std::int32_t SparkDist = 0;       // 0 = coil per spark, 1 = distributor
  std::int32_t RotorPos = 0;        // 0 = camshaft, 1 = crankshaft
  std::int32_t NumCylinders = 4;    // 1, 2, 3, 4, 6, 8; 0 = the custom layout named by CustName
  std::string CustType;             // the cylinder count as text, or the custom layout's name
  std::string CoilType;             // display name of the coil
  std::int32_t TachType = 4;        // tach output, encoded like NumCylinders
  std::int16_t CurveFallback = 200;  // fallback RPM
  std::int16_t NumSensorStates = 1;  // 1, 2 or 4 (files may carry 3)
  std::int32_t Sensor1Type = 0;     // 0 = none, 1 = digital, 2 = analog
  Currency Sensor1Volt;             // analog threshold, volts
  std::int32_t Sensor2Type = 0;
  Currency Sensor2Volt;

  friend bool operator==(const IgnitionConfig&, const IgnitionConfig&) = default;
};

inline constexpr int kEngineTwoStroke = 2;
inline constexpr int kEngineFourStroke = 4;
inline constexpr int kSparkDistCoil = 0;
inline constexpr int kSparkDistDistributor = 1;
inline constexpr int kRotorCam = 0;
inline constexpr int kRotorCrank = 1;
inline constexpr int kCustomCylinders = 0;
inline constexpr int kSensorNone = 0;
inline constexpr int kSensorDigital = 1;
inline constexpr int kSensorAnalog = 2;

// A curve: what a curve file stores, the configuration and the sensor-state graphs. A value, compared
// field by field (node slots past NumTransitions included), so a copy is an exact snapshot.
struct CurveData : IgnitionConfig {
  std::int16_t IgnitionIndex = 1;  // 1-based slot of the ignition description named by Name
  std::array<SensorStateGraph, kMaxSensorStates> Graphs{};

  friend bool operator==(const CurveData&, const CurveData&) = default;
};

// How the open curve is being edited, beside what its file stores.
struct EditingState {
  std::string FileName;                 // empty for a curve never saved
  bool Modified = false;                // unsaved changes exist
  std::int16_t CurrentSensorState = 0;  // graph shown and edited, below NumSensorStates

  friend bool operator==(const EditingState&, const EditingState&) = default;
};

// The untouched graph every cleared curve and new sensor state starts from.
SensorStateGraph MakeDefaultGraph();

// Resets the curve: ignition 1, four-stroke, coil per spark, cam rotor, four cylinders, tach 4,
// fallback 200, one sensor state without sensors, and every graph a copy of defaultGraph. Name,
// CustType and CoilType keep their values.
void ClearCurve(CurveData& curve, const SensorStateGraph& defaultGraph);

}  // namespace curvedesk
