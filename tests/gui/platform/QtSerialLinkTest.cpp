#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>
#include <QTimer>
#include <functional>
#include <memory>

#include "core/common/AppError.h"
#include "core/ignition/Firmware.h"
#include "core/ignition/Programmer.h"
#include "core/ignition/SerialErrors.h"
#include "core/ignition/SerialPortDiagnosis.h"
#include "emulator/PtyBoard.h"
#include "gui/platform/QtSerialLink.h"
#include "gui/platform/SerialPortProbe.h"
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

AppError FailureOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const AppError& error) {
    return error;
  }
  return AppError(0);
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
    EXPECT_EQ(board.Memory().Bytes(BoardMemory::kPlain, 0x05F8, 4),
              (std::vector<std::uint8_t>{0x00, 0x12, 0x34, 0x78}));
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
      {"noise before the answers",
       {.garbageBefore = board::kIdentifyAnswer | board::kReadyAnswer | board::kEndAnswer},
       0},
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
  for (char c : std::string(":021000001234A8\r\n:0206110029BFFF\r\n:00000001FF"))
    file += static_cast<char>(c ^ FirmwareXorKey);
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

// The port's lock taken as another serial program takes it: a lock file naming a running process,
// where the serial component looks for one. Root ignores a device's exclusive use but not a lock.
std::unique_ptr<QLockFile> LockPort(const std::string& port) {
  for (const std::string& candidate : SerialLockFileCandidates(port)) {
    const QFileInfo directory(QFileInfo(QString::fromStdString(candidate)).absolutePath());
    if (!directory.isReadable() || !directory.isWritable()) continue;
    auto lock = std::make_unique<QLockFile>(QString::fromStdString(candidate));
    if (lock->tryLock()) return lock;
  }
  return nullptr;
}

TEST(QtSerialLink, ALockedPortNamesTheProgramThatHoldsTheLock) {
  PtyFixture fixture;
  const auto lock = LockPort(fixture.pty.DevicePath());
  ASSERT_NE(lock, nullptr);
  const AppError error = FailureOf([&] { fixture.link.Open("19200,n,8,1"); });
  EXPECT_EQ(error.Number(), ErrSerialPortOpen);
  const std::string self = QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
  EXPECT_EQ(error.Description(),
            "The serial port " + fixture.pty.DevicePath() + " is locked by another program: " + self + " (process " +
                std::to_string(QCoreApplication::applicationPid()) + "). Close that program and try again.");
  EXPECT_FALSE(fixture.link.IsOpen());
}

TEST(QtSerialLink, PermissionAndBusyAreToldApartByWhatTheSystemSays) {
  // The serial component fails the open with its permission error (a lock makes it do so for
  // real); the facts the system gives decide what the user reads.
  PtyFixture fixture;
  const auto lock = LockPort(fixture.pty.DevicePath());
  ASSERT_NE(lock, nullptr);
  SerialPortFacts denied;
  denied.examined = true;
  denied.readWriteAllowed = false;
  denied.group = "dialout";
  SerialPortFacts busy;
  busy.examined = true;
  busy.heldExclusively = true;
  busy.users = {{4321, "minicom"}};
  const struct {
    const char* name;
    SerialPortFacts facts;
    std::string ending;
  } cases[] = {
      {"no permission", denied,
       ", which belongs to the group dialout. To use it, add yourself to the group dialout with: sudo usermod -aG "
       "dialout $USER, then log out and in."},
      {"busy", busy, " is in use by another program: minicom (process 4321). Close that program and try again."},
  };
  for (const auto& c : cases) {
    std::string asked;
    QtSerialLink link([&] { return fixture.pty.DevicePath(); },
                      [&](const std::string& port) {
                        asked = port;
                        return c.facts;
                      });
    const AppError error = FailureOf([&] { link.Open("19200,n,8,1"); });
    EXPECT_EQ(error.Number(), ErrSerialPortOpen) << c.name;
    EXPECT_TRUE(error.Description().ends_with(c.ending)) << c.name << ": " << error.Description();
    EXPECT_EQ(asked, fixture.pty.DevicePath()) << c.name;
  }
}

TEST(QtSerialLink, AnUnpluggedProgrammerEndsTheJobAndTheNextJobOpensThePortWhereItCameBack) {
  PtyFixture fixture({.faults = {.dropAfterRecord = 1}});
  const std::string unplugged = fixture.pty.DevicePath();
  const AppError lost = FailureOf([&] { fixture.WriteJob(); });
  // Lost, not the silence after it: the failure of the port itself ends the job.
  EXPECT_EQ(lost.Number(), ErrSerialPortLost);
  EXPECT_EQ(lost.Description(), DescribePortLost(unplugged).Description());
  EXPECT_FALSE(fixture.link.IsOpen());

  EXPECT_NE(fixture.pty.DevicePath(), unplugged) << "the board came back on another terminal";
  fixture.WriteJob();
  EXPECT_TRUE(fixture.link.IsOpen());
  fixture.pty.WithBoard([](BoardModel& board) {
    EXPECT_EQ(board.Memory().Bytes(BoardMemory::kStar, 6, 2), (std::vector<std::uint8_t>{0x01, 0x80}));
  });
}

}  // namespace
}  // namespace curvedesk
