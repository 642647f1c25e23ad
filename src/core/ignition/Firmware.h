#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/ignition/Programmer.h"
#include "core/ignition/ProgressSink.h"

namespace curvedesk {

// Firmware files ("rzx"): Intel HEX text, every byte combined by exclusive-or with this key, and
// one last byte that carries nothing.
inline constexpr std::uint8_t FirmwareXorKey = 0x3B;

// The unscrambled text of the file: every byte but the last. A file that cannot be read raises
// its file error number (a missing one ErrPathNotFound).
std::string ReadFirmwareFile(const std::string& path);

// The version bytes from the four digits just before the 4-character extension, each pair read as
// hexadecimal ("ign2105.rzx" gives 0x21, 0x05). Raises ErrFirmwareFileName when they are not four
// decimal digits.
std::array<std::uint8_t, 2> FirmwareVersionBytes(std::string_view path);

// True when the line is one Intel HEX record: ":" and hexadecimal pairs holding the byte count,
// address, type, that many data bytes and a checksum that makes the bytes add up to 0 (mod 256).
bool IsHexRecord(std::string_view line);

// The unscrambled text split at CR LF, line ends and trailing blanks removed. Raises
// ErrFirmwareFileDamaged when a line that is not empty is not a HEX record.
std::vector<std::string> FirmwareLines(const std::string& text);

// Upgrades the board's firmware: the name and the file are checked before the board is contacted
// (every line must be a HEX record, so that a damaged file never leaves a half-written board),
// then the version record, every record of the file paced by the board (its own end record
// skipped) and one end record. Progress goes 0, 5, 10, then 10 + 90 * i / N after line i of
// lines 0..N; a file of a single line shows 100 once that line is sent.
void ProgramFirmware(Programmer& programmer, const std::string& path, ProgressSink& progress);

}  // namespace curvedesk
