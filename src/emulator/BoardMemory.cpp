#include "emulator/BoardMemory.h"

#include <charconv>
#include <sstream>
#include <stdexcept>

#include "core/common/FileRoutines.h"
#include "core/common/Utils.h"

namespace curvedesk::board {

namespace {

constexpr std::uint8_t kErased = 0xFF;
constexpr std::size_t kBytesPerLine = 16;

const char* SpaceName(BoardMemory::Space space) { return space == BoardMemory::kPlain ? "plain" : "star"; }

bool ParseHex(std::string_view digits, unsigned& value) {
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  return !digits.empty() && error == std::errc() && end == digits.data() + digits.size();
}

[[noreturn]] void BadLine(int lineNumber, const std::string& why) {
  throw std::runtime_error("board memory file, line " + std::to_string(lineNumber) + ": " + why);
}

}  // namespace

BoardMemory::BoardMemory() {
  for (auto& space : bytes_) space.assign(kSpaceSize, kErased);
}

void BoardMemory::Store(Space space, std::uint16_t address, std::span<const std::uint8_t> bytes) {
  for (std::uint8_t byte : bytes) bytes_[space][address++] = byte;
}

std::vector<std::uint8_t> BoardMemory::Bytes(Space space, std::uint16_t address, std::size_t count) const {
  std::vector<std::uint8_t> result;
  for (std::size_t i = 0; i < count; ++i) result.push_back(bytes_[space][address++]);
  return result;
}

std::string BoardMemory::ToText() const {
  std::string text = "# board memory: bytes not listed are erased (FF)\n";
  for (Space space : {kPlain, kStar}) {
    const auto& bytes = bytes_[space];
    std::size_t address = 0;
    while (address < kSpaceSize) {
      if (bytes[address] == kErased) {
        ++address;
        continue;
      }
      text += SpaceName(space) + std::string(" ") + HexPadded(static_cast<std::int32_t>(address), 4) + ":";
      for (std::size_t n = 0; n < kBytesPerLine && address < kSpaceSize && bytes[address] != kErased; ++n)
        text += " " + HexPadded(bytes[address++], 2);
      text += "\n";
    }
  }
  return text;
}

BoardMemory BoardMemory::FromText(std::string_view text) {
  BoardMemory memory;
  std::istringstream lines{std::string(text)};
  std::string line;
  for (int lineNumber = 1; std::getline(lines, line); ++lineNumber) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream words(line);
    std::string spaceName;
    if (!(words >> spaceName) || spaceName.starts_with('#')) continue;
    Space space = kPlain;
    if (spaceName == "star") {
      space = kStar;
    } else if (spaceName != "plain") {
      BadLine(lineNumber, "expected \"plain\" or \"star\", found \"" + spaceName + "\"");
    }
    std::string addressText;
    words >> addressText;
    unsigned address = 0;
    if (!addressText.ends_with(':') || !ParseHex(std::string_view(addressText).substr(0, addressText.size() - 1), address) ||
        address >= kSpaceSize)
      BadLine(lineNumber, "expected a 4-digit hex address and \":\", found \"" + addressText + "\"");
    for (std::string byteText; words >> byteText && !byteText.starts_with('#'); ++address) {
      unsigned value = 0;
      if (byteText.size() != 2 || !ParseHex(byteText, value)) BadLine(lineNumber, "\"" + byteText + "\" is not a hex byte");
      if (address >= kSpaceSize) BadLine(lineNumber, "the bytes run past address FFFF");
      memory.Set(space, static_cast<std::uint16_t>(address), static_cast<std::uint8_t>(value));
    }
  }
  return memory;
}

BoardMemory BoardMemory::Load(const std::string& path) {
  std::optional<std::string> bytes;
  try {
    bytes = ReadFileBytes(path);
  } catch (const std::exception& error) {
    throw std::runtime_error("cannot read the board memory file " + path + ": " + error.what());
  }
  return bytes ? FromText(*bytes) : BoardMemory();
}

void BoardMemory::Save(const std::string& path) const {
  try {
    WriteFileAtomically(path, ToText());
  } catch (const std::exception& error) {
    throw std::runtime_error("cannot write the board memory file " + path + ": " + error.what());
  }
}

}  // namespace curvedesk::board
