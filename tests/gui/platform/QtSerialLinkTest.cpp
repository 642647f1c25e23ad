#include "gui/platform/QtSerialLink.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <functional>

#include "core/common/AppError.h"
#include "core/ignition/Firmware.h"
#include "core/ignition/Programmer.h"
#include "core/ignition/SerialErrors.h"
#include "emulator/PtyBoard.h"
#include "support/TempDir.h"

namespace curvedesk {
namespace {

using namespace std::chrono_literals;
using board::BoardMemory;
using board::BoardModel;
using board::BoardOptions;
using board::PtyBoard;

ErrorNumber ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const AppError& error) {
    return error.Number();
  }
  return 0;
}

// The real protocol limits, shortened where a fault would otherwise keep a test for seconds, but
// with room for a loaded machine (a sanitizer build beside other tests) to answer late.
constexpr ProtocolTimings kTestTimings{.identifyWait = 250ms,
                                       .identifyAttempts = 8,
                                       .readySilence = 1000ms,
                                       .endRecordWait = 1000ms,
                                       .wordReadLimit = 500ms};

// A board on a pseudo-terminal at 19200 baud and the program's link to it.
struct PtyFixture {
  BoardModel board;
  PtyBoard pty;
  QtSerialLink link;
  Programmer programmer;

  explicit PtyFixture(BoardOptions options = {})
      : board(std::move(options)),
        pty(board, 19200),
        link([this] { return pty.DevicePath(); }),
        programmer(link, "19200,n,8,1", kTestTimings) {
    pty.Start();
  }

  void WriteJob() {
    programmer.EstablishComms(1);
    const std::uint8_t serial[] = {0x00, 0x12, 0x34, 0x78};
    programmer.WriteRecord(0, 0x05F8, serial);
    programmer.WriteWord(1, 6, 0x0180);
    programmer.EndTransfer();
  }
};

TEST(QtSerialLink, RunsJobsAgainstTheBoardOnAPseudoTerminal) {
  PtyFixture fixture;
  fixture.WriteJob();
  fixture.pty.WithBoard([](BoardModel& board) {
    EXPECT_EQ(board.Memory().Bytes(BoardMemory::kPlain, 0x05F8, 4), (std::vector<std::uint8_t>{0x00, 0x12, 0x34, 0x78}));
    EXPECT_EQ(board.Memory().Bytes(BoardMemory::kStar, 6, 2), (std::vector<std::uint8_t>{0x01, 0x80}));
  });

  EXPECT_DOUBLE_EQ(fixture.programmer.EstablishComms(2), 2.10);
  EXPECT_EQ(fixture.programmer.ReadWord(0, 0x05FA), 0x3478);
  EXPECT_EQ(fixture.programmer.ReadWord(1, 6), 0x8001);
  fixture.programmer.EndTransfer();
}

TEST(QtSerialLink, EachBoardFaultEndsTheJobWithItsError) {
  struct Case {
    const char* name;
    board::BoardFaults faults;
    ErrorNumber error;
  } cases[] = {
      {"silent", {.silent = true}, ErrBoardNotResponding},
      {"rejects a record", {.rejectRecord = 2, .rejectWith = '%'}, ErrProgramming},
      {"noise before the answers", {.garbageBefore = board::kIdentifyAnswer | board::kReadyAnswer | board::kEndAnswer}, 0},
      {"no end answer", {.noEndAnswer = true}, ErrProgramming},
      {"link dropped", {.dropAfterRecord = 1}, ErrSerialPortLost},
      {"ready too slow", {.slowReady = 2500ms}, ErrProgramming},
  };
  for (const Case& c : cases) {
    PtyFixture fixture({.faults = c.faults});
    EXPECT_EQ(ErrorOf([&] { fixture.WriteJob(); }), c.error) << c.name;
  }
}

TEST(QtSerialLink, UpgradesFirmware) {
  struct NoProgress : ProgressSink {
    void SetProgress(int) override {}
  } progress;
  std::string file;
  for (char c : std::string(":021000001234A8\r\n:0206110029BFFF\r\n:00000001FF")) file += static_cast<char>(c ^ FirmwareXorKey);
  testing::TempDir dir;
  PtyFixture fixture;
  ProgramFirmware(fixture.programmer, dir.Write("ign2105.rzx", file + '\0'), progress);
  fixture.pty.WithBoard([](BoardModel& board) {
    EXPECT_EQ(board.Memory().Bytes(BoardMemory::kPlain, 0x0F00, 2), (std::vector<std::uint8_t>{0x21, 0x05}));
    EXPECT_EQ(board.Memory().Bytes(BoardMemory::kPlain, 0x1000, 2), (std::vector<std::uint8_t>{0x12, 0x34}));
    EXPECT_EQ(board.Memory().Bytes(BoardMemory::kPlain, 0x0611, 2), (std::vector<std::uint8_t>{0x29, 0xBF}));
    EXPECT_EQ(board.RecordsStored(), 3);
  });
}

TEST(QtSerialLink, NoiseBeforeAWordFailsTheRead) {
  PtyFixture fixture({.faults = {.garbageBefore = board::kWordAnswer}});
  fixture.programmer.EstablishComms(2);
  EXPECT_EQ(ErrorOf([&] { fixture.programmer.ReadWord(1, 4); }), ErrReading);
}

TEST(QtSerialLink, OpensOnceAndReportsWhyAPortCannotBeUsed) {
  int asked = 0;
  PtyFixture fixture;
  QtSerialLink link([&] {
    ++asked;
    return fixture.pty.DevicePath();
  });
  link.Open("19200,n,8,1");
  link.Open("19200,n,8,1");
  EXPECT_TRUE(link.IsOpen());
  EXPECT_EQ(asked, 1);

  struct Case {
    const char* name;
    std::string port;
    const char* settings;
    ErrorNumber error;
  } cases[] = {
      {"no port configured", "", "19200,n,8,1", ErrNoComPort},
      {"no such device", "/dev/curvedesk-no-such-port", "19200,n,8,1", ErrSerialPortNotFound},
      {"bad settings", fixture.pty.DevicePath(), "19200,x,8,1", ErrSerialSettings},
  };
  for (const Case& c : cases) {
    QtSerialLink failing([&] { return c.port; });
    EXPECT_EQ(ErrorOf([&] { failing.Open(c.settings); }), c.error) << c.name;
    EXPECT_FALSE(failing.IsOpen()) << c.name;
  }
}

TEST(QtSerialLink, KeepsEventsRunningWhileItWaits) {
  PtyFixture fixture({.faults = {.silent = true}});
  fixture.link.Open("19200,n,8,1");
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(10);
  EXPECT_FALSE(fixture.link.WaitForInput(200ms));
  EXPECT_GT(ticks, 5);
}

}  // namespace
}  // namespace curvedesk
