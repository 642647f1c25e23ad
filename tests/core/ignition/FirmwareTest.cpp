#include "core/ignition/Firmware.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/common/AppError.h"
#include "core/ignition/ScriptedLink.h"
#include "support/TempDir.h"

namespace curvedesk {
namespace {

using namespace std::chrono_literals;
using testing::ScriptedLink;
using testing::TempDir;

ErrorNumber ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const AppError& error) {
    return error.Number();
  }
  return 0;
}

constexpr ProtocolTimings kFast{.identifyWait = 5ms,
                                .identifyAttempts = 8,
                                .readySilence = 30ms,
                                .endRecordWait = 30ms,
                                .wordReadLimit = 20ms};

// The file as the maker ships it: scrambled, with one closing byte that carries nothing.
std::string Scrambled(std::string_view text) {
  std::string bytes;
  for (char c : text) bytes += static_cast<char>(c ^ FirmwareXorKey);
  return bytes + '\x7F';
}

struct RecordingProgress : ProgressSink {
  std::vector<int> values;
  void SetProgress(int percent) override { values.push_back(percent); }
};

// Answers "?" to the wake-up, "+" to ">" and to every record, "@" to the end record.
std::string ReadyBoard(std::string_view written) {
  if (written == "@&$") return "?";
  if (written == ":00000001FF") return "@";
  if (written == ">" || written.starts_with(":")) return "+";
  return "";
}

TEST(ReadFirmwareFile, UnscramblesAllButTheLastByte) {
  TempDir dir;
  EXPECT_EQ(ReadFirmwareFile(dir.Write("a2105.rzx", Scrambled(":00000001FF"))), ":00000001FF");
  EXPECT_EQ(ReadFirmwareFile(dir.Write("one0100.rzx", "\x3B")), "");
  EXPECT_EQ(ReadFirmwareFile(dir.Write("empty0100.rzx", "")), "");
  EXPECT_EQ(ErrorOf([&] { ReadFirmwareFile(dir.File("missing0100.rzx")); }), ErrPathNotFound);
}

TEST(IsHexRecord, TakesWellFormedRecordsOnly) {
  const struct {
    const char* line;
    bool record;
  } cases[] = {
      {":00000001FF", true},
      {":0106110029BF", true},
      {":0106110029bf", true},          // either case of hexadecimal digits
      {":0106110029BE", false},         // checksum one off
      {":0206110029BF", false},         // count says two data bytes, there is one
      {":00000001F", false},            // odd number of digits
      {"00000001FF", false},            // no colon
      {":000000G1FF", false},           // not hexadecimal
      {":0000FF", false},               // too short for the fixed fields
      {":", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsHexRecord(c.line), c.record) << c.line;
}

TEST(FirmwareVersionBytes, ReadsTheDigitsBeforeTheExtension) {
  EXPECT_EQ(FirmwareVersionBytes("/home/me/ign2105.rzx"), (std::array<std::uint8_t, 2>{0x21, 0x05}));
  EXPECT_EQ(FirmwareVersionBytes("0999.rzx"), (std::array<std::uint8_t, 2>{0x09, 0x99}));
  for (const char* bad : {"ignition.rzx", "ign21a5.rzx", "ign 105.rzx", "ign-105.rzx", "105.rzx", ""})
    EXPECT_EQ(ErrorOf([&] { FirmwareVersionBytes(bad); }), ErrFirmwareFileName) << bad;
}

TEST(ProgramFirmware, SendsTheVersionEveryRecordOnceAndOneEndRecord) {
  TempDir dir;
  const std::string path =
      dir.Write("ign2105.rzx", Scrambled(":020F00001234A9\r\n:0106110029BF\r\n\r\n:00000001FF"));
  ScriptedLink link;
  link.board = ReadyBoard;
  Programmer programmer(link, "19200,n,8,1", kFast);
  RecordingProgress progress;
  ProgramFirmware(programmer, path, progress);
  EXPECT_EQ(link.sent, "@&$>:020F00002105C9:020F00001234A9:0106110029BF:00000001FF");
  EXPECT_EQ(progress.values, (std::vector<int>{0, 5, 10, 10, 40, 70, 100}));
}

TEST(ProgramFirmware, ShowsFullProgressForAOneLineFile) {
  TempDir dir;
  ScriptedLink link;
  link.board = ReadyBoard;
  Programmer programmer(link, "19200,n,8,1", kFast);
  RecordingProgress progress;
  ProgramFirmware(programmer, dir.Write("ign0100.rzx", Scrambled(":0106110029BF")), progress);
  EXPECT_EQ(link.sent, "@&$>:020F00000100EE:0106110029BF:00000001FF");
  EXPECT_EQ(progress.values, (std::vector<int>{0, 5, 10, 100}));
}

TEST(ProgramFirmware, RefusesABadFileBeforeContactingTheBoard) {
  TempDir dir;
  struct Case {
    const char* name;
    std::string path;
    ErrorNumber error;
  } cases[] = {
      {"no version in the name", dir.Write("ignition.rzx", Scrambled(":00000001FF")), ErrFirmwareFileName},
      {"missing file", dir.File("ign2105.rzx"), ErrPathNotFound},
      {"wrong checksum", dir.Write("ign2110.rzx", Scrambled(":0106110029BE\r\n:00000001FF")), ErrFirmwareFileDamaged},
      {"cut short", dir.Write("ign2106.rzx", Scrambled(":020F00001234A9\r\n:01061100")), ErrFirmwareFileDamaged},
      {"not scrambled", dir.Write("ign2107.rzx", ":020F00001234A9\r\n:00000001FF\n"), ErrFirmwareFileDamaged},
      {"not a firmware file", dir.Write("ign2108.rzx", Scrambled("MZ\x90\x00 some program")), ErrFirmwareFileDamaged},
  };
  for (const Case& c : cases) {
    ScriptedLink link;
    link.board = ReadyBoard;
    Programmer programmer(link, "19200,n,8,1", kFast);
    RecordingProgress progress;
    EXPECT_EQ(ErrorOf([&] { ProgramFirmware(programmer, c.path, progress); }), c.error) << c.name;
    EXPECT_EQ(link.opens, 0) << c.name;
    EXPECT_EQ(link.sent, "") << c.name;
  }
}

TEST(ProgramFirmware, StopsAtARejectedRecord) {
  TempDir dir;
  ScriptedLink link;
  link.board = [](std::string_view written) -> std::string {
    return written == ":0106110029BF" ? "-" : ReadyBoard(written);
  };
  Programmer programmer(link, "19200,n,8,1", kFast);
  RecordingProgress progress;
  const std::string path = dir.Write("ign2105.rzx", Scrambled(":0106110029BF\r\n:020F00001234A9\r\n:00000001FF"));
  EXPECT_EQ(ErrorOf([&] { ProgramFirmware(programmer, path, progress); }), ErrProgramming);
  EXPECT_FALSE(link.sent.ends_with(":00000001FF"));
}

}  // namespace
}  // namespace curvedesk
