#include <gtest/gtest.h>

#include <functional>

#include "core/common/AppError.h"
#include "core/ignition/Programmer.h"
#include "core/ignition/SerialErrors.h"
#include "emulator/BoardLink.h"

namespace curvedesk::board {
namespace {

using namespace std::chrono_literals;

ErrorNumber ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const AppError& error) {
    return error.Number();
  }
  return 0;
}

// Short, but long enough for a few characters at 19200 baud (half a millisecond each).
constexpr ProtocolTimings kFast{
    .identifyWait = 20ms, .identifyAttempts = 8, .readySilence = 100ms, .endRecordWait = 100ms, .wordReadLimit = 50ms};

// A small job of each kind: two records in both spaces, then the words read back.
void WriteJob(Programmer& programmer) {
  programmer.EstablishComms(1);
  const std::uint8_t serial[] = {0x00, 0x12, 0x34, 0x78};
  programmer.WriteRecord(0, 0x05F8, serial);
  programmer.WriteWord(1, 4, 0x0180);
  programmer.EndTransfer();
}

TEST(BoardLink, RunsWriteAndReadJobsAgainstTheBoard) {
  for (int baud : {0, 19200}) {
    BoardModel board;
    BoardLink link(board, baud);
    Programmer programmer(link, "19200,n,8,1", kFast);
    WriteJob(programmer);
    EXPECT_EQ(board.Memory().Bytes(BoardMemory::kPlain, 0x05F8, 4),
              (std::vector<std::uint8_t>{0x00, 0x12, 0x34, 0x78}));
    EXPECT_EQ(board.Memory().Bytes(BoardMemory::kStar, 4, 2), (std::vector<std::uint8_t>{0x01, 0x80}));

    EXPECT_DOUBLE_EQ(programmer.EstablishComms(2), 2.10);
    EXPECT_EQ(programmer.ReadWord(0, 0x05F8), 0x0012);
    EXPECT_EQ(programmer.ReadWord(0, 0x05FA), 0x3478);
    EXPECT_EQ(programmer.ReadWord(1, 4), 0x8001);
    EXPECT_EQ(programmer.ReadWord(1, 0x0100), 0xFFFF);
    programmer.EndTransfer();
    EXPECT_EQ(link.Opens(), 1);
  }
}

TEST(BoardLink, AfterTheLinkDroppedTheNextJobOpensItAgain) {
  BoardModel board({.faults = {.dropAfterRecord = 1}});
  BoardLink link(board);
  Programmer programmer(link, "19200,n,8,1", kFast);
  EXPECT_EQ(ErrorOf([&] { WriteJob(programmer); }), ErrSerialPortLost);
  EXPECT_FALSE(link.IsOpen());
  WriteJob(programmer);
  EXPECT_EQ(link.Opens(), 2);
  EXPECT_EQ(board.Memory().Bytes(BoardMemory::kStar, 4, 2), (std::vector<std::uint8_t>{0x01, 0x80}));
}

TEST(BoardLink, EachFaultEndsTheJobWithItsError) {
  struct Case {
    const char* name;
    BoardOptions options;
    ErrorNumber error;
  } cases[] = {
      {"healthy", {}, 0},
      {"silent", {.faults = {.silent = true}}, ErrBoardNotResponding},
      {"rejects the first record", {.faults = {.rejectRecord = 1}}, ErrProgramming},
      {"rejects the end record", {.faults = {.rejectRecord = 3, .rejectWith = '%'}}, ErrProgramming},
      {"noise before each ready", {.faults = {.garbageBefore = kReadyAnswer | kEndAnswer}}, 0},
      {"no end answer", {.faults = {.noEndAnswer = true}}, ErrProgramming},
      {"link dropped", {.faults = {.dropAfterRecord = 1}}, ErrSerialPortLost},
      {"ready slower than the silence limit", {.faults = {.slowReady = 250ms}}, ErrProgramming},
      {"ready slow within the limit", {.storingDelay = 20ms, .faults = {.slowReady = 20ms}}, 0},
  };
  for (const Case& c : cases) {
    BoardModel board(c.options);
    BoardLink link(board, 19200);
    Programmer programmer(link, "19200,n,8,1", kFast);
    EXPECT_EQ(ErrorOf([&] { WriteJob(programmer); }), c.error) << c.name;
  }
}

// On an instant wire the noise and the answer arrive together, so the answer cannot be taken apart.
TEST(BoardLink, NoiseBeforeAWholeAnswerFailsIt) {
  BoardModel noisyIdentify({.faults = {.garbageBefore = kIdentifyAnswer}});
  BoardLink identifyLink(noisyIdentify, 0);
  Programmer identifying(identifyLink, "19200,n,8,1", kFast);
  EXPECT_EQ(ErrorOf([&] { identifying.EstablishComms(2); }), ErrBoardNotResponding);

  BoardModel noisyWord({.faults = {.garbageBefore = kWordAnswer}});
  BoardLink wordLink(noisyWord, 0);
  Programmer reading(wordLink, "19200,n,8,1", kFast);
  reading.EstablishComms(2);
  EXPECT_EQ(ErrorOf([&] { reading.ReadWord(1, 4); }), ErrReading);
}

TEST(BoardLink, AFailedJobLeavesTheBoardReadyForTheNextHandshake) {
  BoardModel board({.faults = {.rejectRecord = 2}});
  BoardLink link(board, 0);
  Programmer programmer(link, "19200,n,8,1", kFast);
  EXPECT_EQ(ErrorOf([&] { WriteJob(programmer); }), ErrProgramming);
  board.Options().faults = {};
  WriteJob(programmer);
  EXPECT_EQ(board.Memory().Bytes(BoardMemory::kStar, 4, 2), (std::vector<std::uint8_t>{0x01, 0x80}));
}

}  // namespace
}  // namespace curvedesk::board
