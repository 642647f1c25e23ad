#include "core/common/Currency.h"

#include <limits>

#include "core/common/IniDocument.h"

namespace curvedesk {

std::optional<Currency> ParseCurrency(std::string_view text) {
  text = TrimBlanks(text);
  std::size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) negative = text[pos++] == '-';

  constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max() / 100;
  std::int64_t whole = 0;
  bool digits = false;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    whole = whole * 10 + (text[pos] - '0');
    if (whole > kLimit / Currency::kScale) return std::nullopt;
    digits = true;
  }
  std::int64_t fraction = 0;
  std::int64_t unit = Currency::kScale / 10;
  bool roundUp = false;
  if (pos < text.size() && (text[pos] == '.' || text[pos] == ',')) {
    for (++pos; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
      if (unit > 0) {
        fraction += (text[pos] - '0') * unit;
        unit /= 10;
      } else if (unit == 0) {
        roundUp = text[pos] >= '5';
        unit = -1;  // only the first dropped digit decides
      }
      digits = true;
    }
  }
  if (!digits || pos != text.size()) return std::nullopt;
  std::int64_t scaled = whole * Currency::kScale + fraction + (roundUp ? 1 : 0);
  return Currency::FromScaled(negative ? -scaled : scaled);
}

}  // namespace curvedesk
