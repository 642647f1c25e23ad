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
// The legend's dashed swatch that stands for the comparison curve, whatever its plot.
inline constexpr Rgb kComparisonSwatchColour{128, 128, 128};

// A colour mixed with the white paper, for a curve drawn behind the one being edited: the same hue,
// so each plot is still recognised, but plainly the paler of the two.
constexpr Rgb Faded(const Rgb& colour) {
  constexpr int kKeptPercent = 55;
  const auto mix = [](int channel) { return (channel * kKeptPercent + 255 * (100 - kKeptPercent) + 50) / 100; };
  return {mix(colour.r), mix(colour.g), mix(colour.b)};
}

}  // namespace curvedesk
