// Verification after programming: the curve area and the rev limit bytes read back from the software
// board, a board that stores a byte wrongly, and one that stops answering during the read-back.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/common/AppError.h"
#include "core/common/ErrorMessages.h"
#include "core/common/Utils.h"
#include "core/ignition/BoardFixture.h"
#include "core/ignition/CurveFixtures.h"
#include "core/ignition/CurveRecords.h"
#include "core/ignition/ProgramCurve.h"
#include "core/ignition/ProgramRevLimit.h"

namespace curvedesk {
namespace {

using board::BoardOptions;

std::string ShippedTable() { return std::string(CURVEDESK_SOURCE_DATA_DIR) + "/tables.ini"; }

class Recorder final : public LogSink, public ProgressSink, public Prompter {
 public:
  std::vector<std::string> lines;
  std::vector<int> progress;
  std::vector<std::string> told;
  void AddTextLine(const std::string& line) override { lines.push_back(line); }
  void SetProgress(int percent) override { progress.push_back(percent); }
  Answer Ask(const std::string&, const std::string& text, Icon, Buttons) override {
    told.push_back(text);
    return Answer::Ok;
  }
  bool Logged(const std::string& line) const { return std::find(lines.begin(), lines.end(), line) != lines.end(); }
};

struct VerifiedRun {
  testing::BoardFixture fixture;
  Recorder recorder;
  ErrorNumber error = 0;

  explicit VerifiedRun(BoardOptions options = {}, Verification verification = Verification::On)
      : fixture(std::move(options)) {
    try {
      ProgramCurve(testing::TwoStateCurve(), ShippedTable(), fixture.programmer, recorder, recorder, recorder,
                   Edition::Full, verification);
    } catch (const AppError& e) {
      error = e.Number();
    }
  }
};

std::uint8_t ImageByte(std::uint16_t address) {
  const ProgrammingImage image = BuildCurveImage(testing::TwoStateCurve(), TimingTable::Load(ShippedTable()));
  for (const ImageBlock& block : image.blocks)
    if (address >= block.address && address < block.address + block.bytes.size())
      return block.bytes[address - block.address];
  ADD_FAILURE() << "no byte at " << address;
  return 0;
}

TEST(VerifyAfterWrite, ReadsTheCurveAreaBackBeforeCompleting) {
  VerifiedRun run;
  ASSERT_EQ(run.error, 0);

  std::vector<std::string> expected{"Establishing communications with ignition board ...", "... successful."};
  const auto image = CurveImageLog(testing::TwoStateCurve(), TimingTable::Load(ShippedTable()));
  expected.insert(expected.end(), image.begin(), image.end());
  for (const char* line :
       {"", "Writing end-of-file marker ...", "... successful.", "", "Verifying ...", "... 388 bytes verified.", "",
        "PROGRAMMING COMPLETED.", "", "============================================================",
        "    Please press this window's Close button to continue.",
        "============================================================"})
    expected.emplace_back(line);
  EXPECT_EQ(run.recorder.lines, expected);
  EXPECT_EQ(run.recorder.told, std::vector<std::string>{"Ignition programmed successfully"});
  EXPECT_EQ(run.fixture.programmer.TransferMode(), Programmer::kNoTransfer) << "the read transfer was ended";

  // The writing's own values fill the first 43 %, the reading the rest; the bar never goes back.
  const std::vector<int> writing{0, 2, 4, 8, 15, 21, 27, 34, 40};
  const auto& progress = run.recorder.progress;
  ASSERT_GT(progress.size(), writing.size());
  EXPECT_EQ(std::vector<int>(progress.begin(), progress.begin() + writing.size()), writing);
  EXPECT_EQ(progress[writing.size()], 43);
  EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
  EXPECT_EQ(progress.back(), 100);
}

TEST(VerifyAfterWrite, AByteStoredWronglyFailsTheRunNamingIt) {
  const std::uint16_t slotByte = 0x0666 + 14 + 3 * 8 + 4;  // slot 2 holds sensor state 1: node 3's primary spark
  struct Case {
    std::uint16_t address;
    std::string symbol;
  };
  const Case cases[] = {
      {0x05FE, "TachStart"},
      {slotByte, "slot 2 (sensor state 1) node 3 InitialSpark"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.symbol);
    VerifiedRun run({.faults = {.corruptAt = c.address}});
    EXPECT_EQ(run.error, ErrVerify);
    const std::uint8_t written = ImageByte(c.address);
    const std::string difference = "    $" + HexPadded(c.address, 4) + " " + c.symbol + ": written $" +
                                   HexPadded(written, 2) + ", read $" + HexPadded(written ^ 0x01, 2);
    const auto& lines = run.recorder.lines;
    const auto verifying = std::find(lines.begin(), lines.end(), "Verifying ...");
    ASSERT_NE(verifying, lines.end());
    const std::vector<std::string> tail(verifying, lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Verifying ...", "... 1 of 388 bytes differs:", difference, "",
                                              "-------------------------- ERROR ---------------------------",
                                              GetErrorMessage(ErrVerify)}));
    EXPECT_FALSE(run.recorder.Logged("PROGRAMMING COMPLETED."));
    EXPECT_TRUE(run.recorder.told.empty()) << "no success message";
  }
}

TEST(VerifyAfterWrite, ABoardThatStopsAnsweringFailsWithTheReadError) {
  VerifiedRun run({.faults = {.silentAfterWords = 20}});
  EXPECT_EQ(run.error, ErrReading);
  EXPECT_TRUE(run.recorder.Logged("Verifying ..."));
  EXPECT_EQ(run.recorder.lines.back(), GetErrorMessage(ErrReading));
  EXPECT_FALSE(run.recorder.Logged("PROGRAMMING COMPLETED."));
}

TEST(VerifyAfterWrite, OffWritesAndCompletesWithoutReading) {
  // The board stores a byte wrongly, and nobody looks.
  VerifiedRun run({.faults = {.corruptAt = 0x05FE}}, Verification::Off);
  EXPECT_EQ(run.error, 0);
  EXPECT_FALSE(run.recorder.Logged("Verifying ..."));
  EXPECT_TRUE(run.recorder.Logged("PROGRAMMING COMPLETED."));
  EXPECT_EQ(run.recorder.progress, (std::vector<int>{0, 5, 10, 20, 35, 50, 65, 80, 95, 100}));
}

TEST(VerifyAfterWrite, RevLimitReadsItsFourBytesBack) {
  {
    testing::BoardFixture fixture;
    Recorder progress;
    ProgramRevLimit(fixture.programmer, 6000, progress);
    EXPECT_EQ(progress.progress.front(), 5 * 63 / 100);
    EXPECT_TRUE(std::is_sorted(progress.progress.begin(), progress.progress.end()));
    EXPECT_EQ(progress.progress.back(), 100);
  }
  testing::BoardFixture fixture({.faults = {.corruptAt = 0x066F}});
  Recorder progress;
  try {
    ProgramRevLimit(fixture.programmer, 6000, progress);
    FAIL() << "the wrong byte must be found";
  } catch (const AppError& error) {
    EXPECT_EQ(error.Number(), ErrVerify);
    EXPECT_EQ(error.Description(), "$066F slot 2 REV: written $79, read $78");
    EXPECT_EQ(ErrorTextWithDifferences(error),
              GetErrorMessage(ErrVerify) + "\r\n\r\n$066F slot 2 REV: written $79, read $78");
  }
  EXPECT_EQ(ErrorTextWithDifferences(AppError(ErrReading)), GetErrorMessage(ErrReading));
}

}  // namespace
}  // namespace curvedesk
