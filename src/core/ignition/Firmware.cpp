#include "core/ignition/Firmware.h"

#include <charconv>
#include <numeric>
#include <vector>

#include "core/common/AppError.h"
#include "core/common/FileRoutines.h"

namespace curvedesk {

namespace {

constexpr std::uint16_t kVersionAddress = 0x0F00;

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

std::uint8_t HexPair(std::string_view digits) {
  return static_cast<std::uint8_t>((digits[0] - '0') * 16 + (digits[1] - '0'));
}

// The lines of the text split at CR LF, without trailing blanks or stray line-end characters.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find("\r\n", start);
    std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n' || line.back() == ' ')) line.pop_back();
    lines.push_back(std::move(line));
    if (end == std::string::npos) return lines;
    start = end + 2;
  }
}

int LineProgress(std::size_t line, std::size_t lastLine) {
  if (lastLine == 0) return 100;
  return 10 + static_cast<int>(line * 90 / lastLine);
}

}  // namespace

bool IsHexRecord(std::string_view line) {
  constexpr std::size_t kFixedBytes = 5;  // count, two address bytes, type, checksum
  if (line.empty() || line[0] != ':' || (line.size() - 1) % 2 != 0) return false;
  std::vector<unsigned> bytes;
  for (std::size_t i = 1; i < line.size(); i += 2) {
    unsigned byte = 0;
    const char* pair = line.data() + i;
    const auto [end, error] = std::from_chars(pair, pair + 2, byte, 16);
    if (error != std::errc() || end != pair + 2) return false;
    bytes.push_back(byte);
  }
  if (bytes.size() < kFixedBytes || bytes.size() != kFixedBytes + bytes[0]) return false;
  return std::accumulate(bytes.begin(), bytes.end(), 0U) % 256 == 0;
}

std::vector<std::string> FirmwareLines(const std::string& text) {
  std::vector<std::string> lines = SplitLines(text);
  for (const std::string& line : lines)
    if (!line.empty() && !IsHexRecord(line)) RaiseError(ErrFirmwareFileDamaged);
  return lines;
}

std::string ReadFirmwareFile(const std::string& path) {
  const std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) RaiseError(ErrPathNotFound);
  std::string text;
  if (bytes->empty()) return text;
  text.reserve(bytes->size() - 1);
  for (std::size_t i = 0; i + 1 < bytes->size(); ++i) text += static_cast<char>((*bytes)[i] ^ FirmwareXorKey);
  return text;
}

std::array<std::uint8_t, 2> FirmwareVersionBytes(std::string_view path) {
  if (path.size() < 8) RaiseError(ErrFirmwareFileName);
  const std::string_view digits = path.substr(path.size() - 8, 4);
  for (char c : digits)
    if (!IsDecimalDigit(c)) RaiseError(ErrFirmwareFileName);
  return {HexPair(digits.substr(0, 2)), HexPair(digits.substr(2, 2))};
}

void ProgramFirmware(Programmer& programmer, const std::string& path, ProgressSink& progress) {
  const std::array<std::uint8_t, 2> version = FirmwareVersionBytes(path);
  // Read before the board is touched: a board given the new version but not the new firmware
  // would report a version it does not run.
  const std::vector<std::string> lines = FirmwareLines(ReadFirmwareFile(path));

  progress.SetProgress(0);
  progress.SetProgress(5);
  programmer.EstablishComms(Programmer::kWriteTransfer);
  progress.SetProgress(10);
  programmer.WriteRecord(0, kVersionAddress, version);

  const std::size_t lastLine = lines.size() - 1;
  for (std::size_t i = 0; i <= lastLine; ++i) {
    // An empty line would take the board's "+" and send nothing, leaving the next record waiting.
    if (lines[i] != kEndOfFileRecord && !lines[i].empty()) programmer.SendWhenReady(lines[i]);
    progress.SetProgress(LineProgress(i, lastLine));
  }
  programmer.EndTransfer();
}

}  // namespace curvedesk
