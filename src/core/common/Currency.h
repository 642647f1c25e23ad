#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string_view>

namespace curvedesk {

// A fixed-point number with four decimals, as the older program kept volts: a 64-bit count of
// ten-thousandths.
struct Currency {
  std::int64_t scaled = 0;

  static constexpr std::int64_t kScale = 10000;
  static constexpr Currency FromScaled(std::int64_t value) { return Currency{value}; }
  static constexpr Currency FromTenths(std::int64_t tenths) { return Currency{tenths * 1000}; }
  double ToDouble() const { return static_cast<double>(scaled) / kScale; }

  friend constexpr auto operator<=>(const Currency&, const Currency&) = default;
};

// Parses a decimal number as typed or stored: optional sign, digits, and a decimal point or a
// decimal comma ("2.5" and "2,5" are both 2.5), blanks around it allowed. Digits past the fourth
// decimal round half away from zero. Nothing for any other text or a value out of range.
std::optional<Currency> ParseCurrency(std::string_view text);

}  // namespace curvedesk
