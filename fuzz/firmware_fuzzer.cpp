// The firmware file reader on arbitrary bytes: every input is either refused as damaged or split
// into lines that are each empty or one well-formed HEX record, with no line ends left inside.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/common/AppError.h"
#include "core/ignition/Firmware.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace curvedesk;
  std::string text;
  for (std::size_t i = 0; i + 1 < size; ++i) text += static_cast<char>(data[i] ^ FirmwareXorKey);
  try {
    for (const std::string& line : FirmwareLines(text)) {
      if (line.find_first_of("\r\n") != std::string::npos) std::abort();
      if (!line.empty() && !IsHexRecord(line)) std::abort();
    }
  } catch (const AppError& error) {
    if (error.Number() != ErrFirmwareFileDamaged) std::abort();
  }
  return 0;
}
