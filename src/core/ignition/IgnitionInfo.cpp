#include "core/ignition/IgnitionInfo.h"

#include <cstdint>

#include "core/common/Utils.h"

namespace curvedesk {

namespace {

constexpr std::uint16_t kSerialNumberAddress = 0x05F8;
constexpr std::uint16_t kFirmwareVersionAddress = 0x0F00;
constexpr std::uint16_t kEngineStartsAddress = 4;    // "*" space
constexpr std::uint16_t kExceededMaxRpmAddress = 6;  // "*" space
constexpr std::uint16_t kErased = 0xFFFF;

}  // namespace

IgnitionInfo ReadIgnitionInfo(Programmer& programmer) {
  const double version = programmer.EstablishComms(Programmer::kReadTransfer);
  IgnitionInfo info;

  // Plain-space words hold the byte at the address first: the serial number reads most
  // significant word first.
  const std::uint16_t serialHigh = programmer.ReadWord(0, kSerialNumberAddress);
  if (serialHigh == kErased) {
    info.SerialNumber = "(blank)";
  } else {
    const std::uint32_t serialLow = programmer.ReadWord(0, kSerialNumberAddress + 2);
    info.SerialNumber = std::to_string((static_cast<std::uint32_t>(serialHigh) << 16) | serialLow);
  }

  const std::uint16_t firmware = programmer.ReadWord(0, kFirmwareVersionAddress);
  info.FirmwareVersion = firmware == kErased ? "(blank)"
                                             : " v" + HexPadded(firmware >> 8, 1) + "." + HexPadded(firmware & 0xFF, 2);

  // A board answering "?" (version 1.00) keeps no counters.
  if (version <= 1.0) {
    info.EngineStarts = info.ExceededMaxRpm = "----";
  } else {
    info.EngineStarts = std::to_string(programmer.ReadWord(1, kEngineStartsAddress));
    info.ExceededMaxRpm = std::to_string(programmer.ReadWord(1, kExceededMaxRpmAddress));
  }
  programmer.EndTransfer();
  return info;
}

IgnitionInfo UnreadableIgnitionInfo() { return IgnitionInfo{"????", "????", "????", "????"}; }

}  // namespace curvedesk
