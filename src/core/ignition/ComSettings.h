#pragma once

#include <string_view>

namespace curvedesk {

// The serial line settings string of the ComSettings setting, "19200,n,8,1": baud, parity
// (n none, e even, o odd, m mark, s space), data bits (5..8), stop bits (1, 1.5 or 2).
struct LineSettings {
  int baud = 19200;
  char parity = 'n';
  int dataBits = 8;
  double stopBits = 1;
};

// Raises ErrSerialSettings, with the text in its description, for a string it cannot take.
LineSettings ParseComSettings(std::string_view text);

}  // namespace curvedesk
