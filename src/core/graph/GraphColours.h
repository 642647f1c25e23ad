#pragma once

#include <array>

namespace curvedesk {

struct Rgb {
  int r = 0;
  int g = 0;
  int b = 0;

  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Plot colours, shared by the plot lines, the legend swatches and printing: coil on, primary spark,
// second spark, third spark.
inline constexpr std::array<Rgb, 4> kPlotColours = {{{224, 0, 0}, {224, 224, 0}, {0, 0, 224}, {0, 160, 0}}};
inline constexpr Rgb kRevLimitColour{255, 0, 0};
inline constexpr Rgb kDottedGridColour{230, 230, 230};
inline constexpr Rgb kSolidGridColour{160, 160, 160};

}  // namespace curvedesk
