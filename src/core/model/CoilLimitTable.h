#pragma once

#include <array>
#include <cstdint>

namespace curvedesk {

// Coil saturation percentages by RPM range, read from the limits file. The ranges are fixed.
struct CoilLimitRow {
  std::int32_t LowRpm = 0;
  std::int32_t HighRpm = 0;
  std::int32_t Percent = 0;
};

struct CoilLimitTable {
  std::array<CoilLimitRow, 10> Rows{{
      {0, 1000, 0},
      {1050, 2000, 0},
      {2050, 3000, 0},
      {3050, 4000, 0},
      {4050, 5000, 0},
      {5050, 6000, 0},
      {6050, 7000, 0},
      {7050, 8000, 0},
      {8050, 9000, 0},
      {9050, 12500, 0},
  }};
};

}  // namespace curvedesk
