#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace curvedesk {

inline constexpr int kIgnitionSlots = 10;

// What one installed ignition model offers and preselects. Arrays indexed by engine type use the
// engine type itself (2 or 4) as index; index 3 and below 2 are never filled.
struct IgnitionDescription {
  template <typename T>
  using ByEngine = std::array<T, 5>;
  template <typename T>
  using ByEngineAndChoice = std::array<std::array<T, 2>, 5>;

  bool Valid = false;  // the file existed, was not empty and was read completely
  std::string Name;
  std::int16_t DefaultNumSparks = 3;
  std::int16_t DefaultCurveFallback = 200;
  ByEngine<bool> EngineAllowed{};
  std::int32_t DefaultEngineType = 4;
  ByEngineAndChoice<bool> SparkDistAllowed{};  // [engine][0 coil, 1 distributor]
  ByEngine<std::int32_t> DefaultSparkDist{};
  ByEngineAndChoice<bool> RotorPosAllowed{};   // [engine][0 cam, 1 crank]
  ByEngine<std::int32_t> DefaultRotorPos{};
  // [engine][spark distribution][rotor position][cylinders 0..8; 0 = custom layout]
  std::array<std::array<std::array<std::array<bool, 9>, 2>, 2>, 5> NumCylAllowed{};
  std::array<std::array<std::array<std::int32_t, 2>, 2>, 5> DefaultNumCyl{};
  bool Sensor1Allowed = false;
  bool Sensor2Allowed = false;
  bool RpmSwitch1Allowed = false;
  bool RpmSwitch2Allowed = false;
};

using IgnitionDescriptionTable = std::array<IgnitionDescription, kIgnitionSlots>;

}  // namespace curvedesk
