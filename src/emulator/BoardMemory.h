#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace curvedesk::board {

// The board's two address spaces of 64 KiB each: the plain one and the one records prefixed with
// "*" go to. Erased memory holds 0xFF.
class BoardMemory {
 public:
  enum Space { kPlain = 0, kStar = 1 };
  static constexpr std::size_t kSpaceSize = 0x10000;

  BoardMemory();

  std::uint8_t Get(Space space, std::uint16_t address) const { return bytes_[space][address]; }
  void Set(Space space, std::uint16_t address, std::uint8_t value) { bytes_[space][address] = value; }
  // Stores the bytes from the address on; an address past 0xFFFF wraps to 0.
  void Store(Space space, std::uint16_t address, std::span<const std::uint8_t> bytes);
  std::vector<std::uint8_t> Bytes(Space space, std::uint16_t address, std::size_t count) const;

  // The memory file: one line per run of up to 16 bytes that are not erased,
  //   plain 05F8: 00 12 34 78
  //   star 000A: 00 30 39
  // Blank lines and everything after a "#" are skipped; bytes not listed are erased.
  std::string ToText() const;
  // Raises std::runtime_error naming the line of the first mistake.
  static BoardMemory FromText(std::string_view text);

  // Raises std::runtime_error when the file cannot be read or is not a memory file; a missing
  // file gives an erased board.
  static BoardMemory Load(const std::string& path);
  void Save(const std::string& path) const;

  bool operator==(const BoardMemory&) const = default;

 private:
  std::array<std::vector<std::uint8_t>, 2> bytes_;
};

}  // namespace curvedesk::board
