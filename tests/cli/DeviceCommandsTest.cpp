// The device commands of curvedesk-cli, against the software board on a pseudo-terminal.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "core/curvefile/CurveFile.h"
#include "core/ignition/CurveFixtures.h"
#include "emulator/PtyBoard.h"
#include "support/TempDir.h"

namespace curvedesk {
namespace {

using board::BoardMemory;
using board::BoardModel;
using board::BoardOptions;
using board::PtyBoard;
using testing::ReadAll;
using testing::TempDir;

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

// curvedesk-cli with the shipped data and a documents folder of the test's own.
CliRun RunWith(const TempDir& documents, std::vector<std::string> args) {
  args.insert(args.begin(),
              {"curvedesk-cli", "--data-dir", CURVEDESK_SOURCE_DATA_DIR, "--documents-dir", documents.Path().string()});
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  std::ostringstream out;
  std::ostringstream err;
  const int status = cli::RunCli(static_cast<int>(args.size()), argv.data(), out, err);
  return {status, out.str(), err.str()};
}

std::string SaveCurve(const TempDir& dir, const std::string& name, const CurveData& curve) {
  const std::string path = dir.File(name);
  SaveCurveFile(curve, curve.CustType, path);
  return path;
}

// The board of a test on a pseudo-terminal, without pacing so that runs take milliseconds.
struct PtyFixture {
  BoardModel board;
  PtyBoard pty;
  explicit PtyFixture(BoardOptions options = {}) : board(std::move(options)), pty(board, 0) { pty.Start(); }

  BoardMemory Memory() {
    BoardMemory memory;
    pty.WithBoard([&](BoardModel& model) { memory = model.Memory(); });
    return memory;
  }
};

TEST(CliImage, ShowsTheImageWithoutABoard) {
  TempDir documents;
  const std::string curve = SaveCurve(documents, "two-state.crv", testing::TwoStateCurve());

  const CliRun log = RunWith(documents, {"image", curve});
  EXPECT_EQ(log.status, 0) << log.err;
  EXPECT_EQ(log.out, ReadAll(std::string(CURVEDESK_TEST_DATA_DIR) + "/program/two-state.log"));

  const CliRun hex = RunWith(documents, {"image", curve, "--hex"});
  EXPECT_EQ(hex.status, 0) << hex.err;
  EXPECT_EQ(hex.out, ReadAll(std::string(CURVEDESK_TEST_DATA_DIR) + "/program/two-state.hex"));
  EXPECT_FALSE(std::filesystem::exists(documents.Path() / "Korvane CD")) << "image changes no file";
}

TEST(CliImage, CustomLayoutUsesItsVariant) {
  TempDir documents;
  CurveData custom = testing::TwoStateCurve();
  custom.NumCylinders = kCustomCylinders;
  custom.TachType = kCustomCylinders;
  custom.CustType = "2 Cyl. Cam 72\u00B0 (2 Coil)";
  const std::string curve = SaveCurve(documents, "custom.crv", custom);

  const CliRun run = RunWith(documents, {"image", curve});
  ASSERT_EQ(run.status, 0) << run.err;
  // StartTable CRANK_CUST of tables72.ini: 32 + 4 * (7 + 4) + 64 = 140 = $8C (tables.ini has $84).
  EXPECT_NE(run.out.find("    StartTable = $8C\n"), std::string::npos) << run.out.substr(0, 400);
  EXPECT_FALSE(std::filesystem::exists(documents.Path() / "Korvane CD"));
}

TEST(CliImage, CompactGivesTheCompactEditionsBytes) {
  TempDir documents;
  CurveData custom = testing::TwoStateCurve();
  custom.NumCylinders = kCustomCylinders;
  custom.TachType = kCustomCylinders;
  custom.RotorPos = kRotorCrank;
  custom.CustType = "2 Cyl. Cam 72\u00B0 (2 Coil)";
  const std::string curve = SaveCurve(documents, "custom-crank.crv", custom);

  // Only a custom layout on the crank differs: the full edition writes 255 for every spark interval.
  auto unsetIntervals = [](const std::string& log) {
    std::size_t count = 0;
    for (std::size_t at = log.find("IntervalSpark = $FF\n"); at != std::string::npos;
         at = log.find("IntervalSpark = $FF\n", at + 1))
      ++count;
    return count;
  };
  const CliRun full = RunWith(documents, {"image", curve});
  ASSERT_EQ(full.status, 0) << full.err;
  const CliRun compact = RunWith(documents, {"image", curve, "--compact"});
  ASSERT_EQ(compact.status, 0) << compact.err;
  EXPECT_EQ(unsetIntervals(full.out), 2u * 10u);  // both graphs, ten node blocks each
  EXPECT_LT(unsetIntervals(compact.out), unsetIntervals(full.out));
}

TEST(CliImage, Refusals) {
  TempDir documents;
  const std::string notCurve = documents.Write("notes.crv", "hello\r\n");
  struct Case {
    std::vector<std::string> args;
    const char* err;
  };
  const Case cases[] = {
      {{"image"}, "usage: curvedesk-cli image FILE [--hex] [--compact]\n"},
      {{"image", notCurve, "--hexx"}, "curvedesk-cli: unknown option --hexx\n"},
      {{"image", notCurve}, "0x80040403 File Error: This file is not a valid Curve File.\n"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunWith(documents, c.args);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
  }
}

TEST(CliProgram, ProgramsTheCurveAndInstallsTheTable) {
  TempDir documents;
  const std::string curve = SaveCurve(documents, "two-state.crv", testing::TwoStateCurve());
  PtyFixture fixture;
  const CliRun run = RunWith(documents, {"program", curve, "--port", fixture.pty.DevicePath()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("PROGRAMMING COMPLETED.\nIgnition programmed successfully\n"), std::string::npos);
  EXPECT_EQ(run.out.find("Close button"), std::string::npos) << "a terminal has no window to close";
  EXPECT_TRUE(std::filesystem::exists(documents.Path() / "Korvane CD" / "Tarvo" / "tables.ini"));

  // The board holds what the image shows.
  const CliRun hex = RunWith(documents, {"image", curve, "--hex"});
  BoardMemory expected;
  std::istringstream records(hex.out);
  for (std::string record; std::getline(records, record);) {
    const auto count = std::stoul(record.substr(1, 2), nullptr, 16);
    const auto address = std::stoul(record.substr(3, 4), nullptr, 16);
    for (std::size_t i = 0; i < count; ++i)
      expected.Set(BoardMemory::kPlain, static_cast<std::uint16_t>(address + i),
                   static_cast<std::uint8_t>(std::stoul(record.substr(9 + 2 * i, 2), nullptr, 16)));
  }
  EXPECT_TRUE(fixture.Memory() == expected);
}

TEST(CliProgram, FailuresExitWithTheErrorAndTouchNothingTheyShouldNot) {
  TempDir documents;
  CurveData untouched = testing::TwoStateCurve();
  untouched.Graphs[1] = MakeDefaultGraph();
  const std::string untouchedFile = SaveCurve(documents, "untouched.crv", untouched);
  const std::string good = SaveCurve(documents, "good.crv", testing::TwoStateCurve());

  {
    PtyFixture fixture;
    const CliRun run = RunWith(documents, {"program", untouchedFile, "--port", fixture.pty.DevicePath()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "curvedesk-cli: You must complete the graphs for every Sensor State\nbefore programming is allowed.\n");
    EXPECT_EQ(fixture.pty.CharactersToBoard(), 0u) << "nothing reaches the board";
  }
  {
    PtyFixture fixture({.faults = {.rejectRecord = 5, .rejectWith = '%'}});
    const CliRun run = RunWith(documents, {"program", good, "--port", fixture.pty.DevicePath()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("-------------------------- ERROR ---------------------------\n"), std::string::npos);
    EXPECT_NE(run.err.find(": 0x80040206 An error occured while programming the ignition board."), std::string::npos)
        << run.err;
  }
  {
    const CliRun run = RunWith(documents, {"program", good, "--port", documents.File("no-such-port")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(": 8002 "), std::string::npos) << run.err;  // the port's own error number
  }
  {
    const CliRun run = RunWith(documents, {"program", good});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("--port is required"), std::string::npos);
  }
}

TEST(CliProgram, VerifiesByDefaultAndNamesAWronglyStoredByte) {
  TempDir documents;
  const std::string curve = SaveCurve(documents, "two-state.crv", testing::TwoStateCurve());
  {
    PtyFixture fixture;
    const CliRun run = RunWith(documents, {"program", curve, "--port", fixture.pty.DevicePath()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\nWriting end-of-file marker ...\n... successful.\n\nVerifying ...\n"
                           "... 388 bytes verified.\n\nPROGRAMMING COMPLETED.\n"),
              std::string::npos)
        << run.out;
  }
  {
    PtyFixture fixture({.faults = {.corruptAt = 0x05FE}});
    const CliRun run = RunWith(documents, {"program", curve, "--port", fixture.pty.DevicePath()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("Verifying ...\n... 1 of 388 bytes differs:\n    $05FE TachStart: written $3F, read $3E\n\n"
                           "-------------------------- ERROR ---------------------------\n"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(run.out.find("COMPLETED"), std::string::npos);
    EXPECT_NE(run.err.find(": 0x8004020B The data read back from the ignition board does not match what was "
                           "programmed. Please program the ignition again or contact Korvane technical support.\n"
                           "    $05FE TachStart: written $3F, read $3E\n"),
              std::string::npos)
        << run.err;
  }
  {
    PtyFixture fixture({.faults = {.corruptAt = 0x05FE}});
    const CliRun run = RunWith(documents, {"program", curve, "--port", fixture.pty.DevicePath(), "--no-verify"});
    EXPECT_EQ(run.status, 0) << "nobody looks" << run.err;
    EXPECT_EQ(run.out.find("Verifying"), std::string::npos);
    EXPECT_EQ(fixture.Memory().Get(BoardMemory::kPlain, 0x05FE), 0x3E);
  }
}

TEST(CliVerify, ComparesTheCurveWithTheIgnition) {
  TempDir documents;
  const std::string curve = SaveCurve(documents, "two-state.crv", testing::TwoStateCurve());
  PtyFixture fixture;
  const std::string port = fixture.pty.DevicePath();
  ASSERT_EQ(RunWith(documents, {"program", curve, "--port", port}).status, 0);
  std::filesystem::remove_all(documents.Path() / "Korvane CD");

  const CliRun equal = RunWith(documents, {"verify", curve, "--port", port});
  EXPECT_EQ(equal.status, 0) << equal.err;
  EXPECT_EQ(equal.out, "The ignition holds this curve.\n");
  EXPECT_FALSE(std::filesystem::exists(documents.Path() / "Korvane CD")) << "verify changes no file";

  fixture.pty.WithBoard([](BoardModel& board) { board.Memory().Set(BoardMemory::kPlain, 0x066F, 0x7A); });
  const CliRun different = RunWith(documents, {"verify", curve, "--port", port});
  EXPECT_EQ(different.status, 1) << different.err;
  EXPECT_EQ(different.out,
            "The ignition does not hold this curve: 1 of 388 bytes differs.\n"
            "\n"
            "Sensor state 1 in slot 2\n"
            "    rev limit (REV, $066F): curve 6000 RPM ($79), ignition 6050 RPM ($7A)\n");
  EXPECT_EQ(fixture.Memory().Get(BoardMemory::kPlain, 0x066F), 0x7A) << "verify writes nothing";
}

TEST(CliVerify, NoVerdictExitsWithTwo) {
  TempDir documents;
  const std::string curve = SaveCurve(documents, "two-state.crv", testing::TwoStateCurve());
  const std::string notCurve = documents.Write("notes.crv", "hello\r\n");
  struct Case {
    std::vector<std::string> args;
    const char* err;
  };
  const Case cases[] = {
      {{"verify", curve}, "--port is required"},
      {{"verify", "--port", "x"}, "usage: curvedesk-cli verify FILE --port DEV [--compact]"},
      {{"verify", curve, "--port", "x", "--hex"}, "unknown option --hex"},
      {{"verify", notCurve, "--port", documents.File("no-such-port")}, "0x80040403"},
      {{"verify", curve, "--port", documents.File("no-such-port")}, ": 8002 "},  // no board
  };
  for (const Case& c : cases) {
    const CliRun run = RunWith(documents, c.args);
    EXPECT_EQ(run.status, 2) << c.args.back();
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
}

TEST(CliService, ReadRevLimitAndPasswordProtectedFunctions) {
  TempDir documents;
  PtyFixture fixture;
  fixture.pty.WithBoard([](BoardModel& board) {
    const std::uint8_t serial[] = {0x00, 0x12, 0x34, 0x78};
    board.Memory().Store(BoardMemory::kPlain, 0x05F8, serial);
    const std::uint8_t counters[] = {0x34, 0x12, 0x07, 0x00, 0x00, 121};
    board.Memory().Store(BoardMemory::kStar, 4, counters);
  });
  const std::string port = fixture.pty.DevicePath();

  const CliRun read = RunWith(documents, {"read", "--port", port});
  EXPECT_EQ(read.status, 0) << read.err;
  EXPECT_EQ(read.out,
            "Serial Number: 1193080\nFirmware Version: (blank)\nNo. of Engine Starts: 4660\nExceeded Max. RPMs: 7\n");

  const CliRun revLimit = RunWith(documents, {"rev-limit", "6000", "--port", port});
  EXPECT_EQ(revLimit.status, 0) << revLimit.err;
  EXPECT_EQ(revLimit.out, "Ignition programmed successfully\n");
  EXPECT_EQ(fixture.Memory().Get(BoardMemory::kPlain, 0x072B), 0x79);
  fixture.pty.WithBoard([](BoardModel& board) { board.Options().faults.corruptAt = 0x066F; });
  const CliRun wrongByte = RunWith(documents, {"rev-limit", "6000", "--port", port});
  EXPECT_EQ(wrongByte.status, 1);
  EXPECT_EQ(wrongByte.out, "");
  EXPECT_NE(wrongByte.err.find("0x8004020B The data read back"), std::string::npos) << wrongByte.err;
  EXPECT_TRUE(wrongByte.err.ends_with("\n    $066F slot 2 REV: written $79, read $78\n")) << wrongByte.err;
  EXPECT_EQ(RunWith(documents, {"rev-limit", "6000", "--port", port, "--no-verify"}).status, 0);
  fixture.pty.WithBoard([](BoardModel& board) { board.Options().faults.corruptAt.reset(); });

  // The first password is stored, then required.
  const CliRun clear = RunWith(documents, {"clear-starts", "--port", port, "--password", "4242"});
  EXPECT_EQ(clear.status, 0) << clear.err;
  EXPECT_NE(clear.out.find("No. of Engine Starts: 0\n"), std::string::npos) << clear.out;
  EXPECT_NE(clear.out.find("You will be required to enter a\n"), std::string::npos);

  const CliRun wrong = RunWith(documents, {"max-rpm", "8000", "--port", port, "--password", "4243"});
  EXPECT_EQ(wrong.status, 1);
  EXPECT_EQ(wrong.err, "curvedesk-cli: Incorrect Password\n");
  EXPECT_EQ(fixture.Memory().Get(BoardMemory::kStar, 9), 121);

  const CliRun maxRpm = RunWith(documents, {"max-rpm", "8000", "--port", port, "--password", "4242"});
  EXPECT_EQ(maxRpm.status, 0) << maxRpm.err;
  EXPECT_EQ(fixture.Memory().Get(BoardMemory::kStar, 9), 161);
}

TEST(CliService, RefusesBadValuesBeforeContactingTheBoard) {
  TempDir documents;
  PtyFixture fixture;
  const std::string port = fixture.pty.DevicePath();
  struct Case {
    std::vector<std::string> args;
    const char* err;
  };
  const Case cases[] = {
      {{"rev-limit", "6025", "--port", port}, "curvedesk-cli: RPM value must be a multiple of 50.\n"},
      {{"rev-limit", "12550", "--port", port}, "curvedesk-cli: RPM value must be less than or equal to 12500.\n"},
      {{"max-rpm", "0", "--port", port, "--password", "1"},
       "curvedesk-cli: The Max Desired @RPM value must be between 50 and 12500 in increments of 50.\n"},
      {{"max-rpm", "6010", "--port", port, "--password", "1"},
       "curvedesk-cli: The Max Desired @RPM value must be a multiple of 50.\n"},
      {{"clear-starts", "--port", port, "--password", "0"},
       "curvedesk-cli: Value entered must be between 1 and 16777214.\n"},
      {{"clear-starts", "--port", port, "--password", "16777215"},
       "curvedesk-cli: Value entered must be between 1 and 16777214.\n"},
      {{"clear-starts", "--port", port}, "curvedesk-cli: --password is required\n"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunWith(documents, c.args);
    EXPECT_EQ(run.status, 1) << c.args[0];
    EXPECT_TRUE(run.err.starts_with(c.err)) << run.err;
  }
  EXPECT_EQ(fixture.pty.CharactersToBoard(), 0u);
}

TEST(CliFirmware, UpgradesAndRefusesAFileWithoutVersion) {
  TempDir documents;
  PtyFixture fixture;
  std::string scrambled;
  for (char c : std::string(":020000001234B8\r\n:00000001FF")) scrambled += static_cast<char>(c ^ 0x3B);
  scrambled += '\x00';
  const std::string firmware = documents.Write("ign2105.rzx", scrambled);
  const std::string unnamed = documents.Write("ignition.rzx", scrambled);

  const CliRun run = RunWith(documents, {"firmware", firmware, "--port", fixture.pty.DevicePath()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Firmware updated successfully\n");
  const BoardMemory memory = fixture.Memory();
  EXPECT_EQ(memory.Bytes(BoardMemory::kPlain, 0x0F00, 2), (std::vector<std::uint8_t>{0x21, 0x05}));
  EXPECT_EQ(memory.Bytes(BoardMemory::kPlain, 0x0000, 2), (std::vector<std::uint8_t>{0x12, 0x34}));

  const std::size_t sent = fixture.pty.CharactersToBoard();
  const CliRun refused = RunWith(documents, {"firmware", unnamed, "--port", fixture.pty.DevicePath()});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("0x80040208 The .RZX file name needs to contain a 4-digit version number."),
            std::string::npos)
      << refused.err;
  EXPECT_EQ(fixture.pty.CharactersToBoard(), sent) << "refused before any serial traffic";
}

}  // namespace
}  // namespace curvedesk
