#include "core/ignition/Programmer.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/common/AppError.h"
#include "core/ignition/ScriptedLink.h"

namespace curvedesk {
namespace {

using namespace std::chrono_literals;
using testing::ScriptedLink;

ErrorNumber ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const AppError& error) {
    return error.Number();
  }
  return 0;
}

// Short waits so that failures show in milliseconds; the silence limits stay well apart.
constexpr ProtocolTimings kFast{.identifyWait = 5ms,
                                .identifyAttempts = 8,
                                .readySilence = 30ms,
                                .endRecordWait = 30ms,
                                .wordReadLimit = 20ms};

// A board that identifies with `identify`, answers "+" to ">" and to each record, "@" to the end record.
std::function<std::string(std::string_view)> ReadyBoard(std::string identify = "?") {
  return [identify](std::string_view written) -> std::string {
    if (written == "@&$") return identify;
    if (written == ">") return "+";
    if (written == ":00000001FF") return "@";
    if (written.starts_with(":") || written.starts_with("*:")) return "+";
    return "";
  };
}

TEST(BuildHexRecord, MatchesTheIntelHexLayout) {
  struct Case {
    std::uint16_t address;
    std::vector<std::uint8_t> bytes;
    const char* record;
  } cases[] = {
      {0x0F00, {0x12, 0x34}, ":020F00001234A9"},
      {0x0611, {0x29}, ":0106110029BF"},
      {0x0000, {0xFF}, ":01000000FF00"},  // data sum a multiple of 256: checksum "00"
      {0xFFFF, {0x01, 0x00}, ":02FFFF000100FF"},
      {0x000A, {0x00, 0x30, 0x39}, ":03000A000030398A"},
      {0x0000, {}, ":0000000000"},
  };
  for (const Case& c : cases) EXPECT_EQ(BuildHexRecord(c.address, c.bytes), c.record);
}

TEST(EstablishComms, ReadsTheVersionFromTheIdentifyAnswer) {
  struct Case {
    std::vector<std::string> chunks;  // the answer as it arrives
    int mode;
    double version;
    const char* modeText;
  } cases[] = {
      {{"?"}, 1, 1.0, ">"},
      {{"V2.10?"}, 1, 2.10, ">"},
      {{"V2", ".1", "0?"}, 2, 2.10, "<"},  // the version comes in pieces
      {{"V21.0?"}, 2, 21.0, "<"},
  };
  for (const Case& c : cases) {
    ScriptedLink link;
    link.board = [&](std::string_view written) -> std::string {
      if (written == "@&$") link.arriving.assign(c.chunks.begin(), c.chunks.end());
      return "";
    };
    Programmer programmer(link, "19200,n,8,1", kFast);
    EXPECT_DOUBLE_EQ(programmer.EstablishComms(c.mode), c.version);
    EXPECT_EQ(link.sent, std::string("@&$") + c.modeText);
    EXPECT_EQ(programmer.TransferMode(), c.mode);
  }
}

TEST(EstablishComms, GivesUpAfterEightUnrecognisedAnswers) {
  // Silent, a wrong letter, and a "V" answer that never completes all count as failed attempts.
  for (const char* answer : {"", "X", "V2.1"}) {
    ScriptedLink link;
    link.board = [answer](std::string_view) { return std::string(answer); };
    Programmer programmer(link, "19200,n,8,1", kFast);
    EXPECT_EQ(ErrorOf([&] { programmer.EstablishComms(1); }), ErrBoardNotResponding) << answer;
    std::string eightWakeUps;
    for (int i = 0; i < 8; ++i) eightWakeUps += "@&$";
    EXPECT_EQ(link.sent, eightWakeUps) << answer;
    EXPECT_EQ(programmer.TransferMode(), Programmer::kNoTransfer);
  }
}

TEST(EstablishComms, RetriesUntilTheBoardAnswers) {
  ScriptedLink link;
  int attempts = 0;
  link.board = [&](std::string_view written) -> std::string {
    if (written != "@&$") return "";
    return ++attempts < 8 ? "X" : "?";
  };
  Programmer programmer(link, "19200,n,8,1", kFast);
  EXPECT_DOUBLE_EQ(programmer.EstablishComms(1), 1.0);
  EXPECT_EQ(attempts, 8);
}

TEST(EstablishComms, DiscardsALateAnswerBeforeTheNextAttempt) {
  ScriptedLink link;
  link.input = "V9.99?";  // left over from an earlier job
  link.board = ReadyBoard("?");
  Programmer programmer(link, "19200,n,8,1", kFast);
  EXPECT_DOUBLE_EQ(programmer.EstablishComms(1), 1.0);
}

TEST(EstablishComms, OpensThePortOnceAndPassesItsErrorsOn) {
  ScriptedLink link;
  link.board = ReadyBoard();
  Programmer programmer(link, "19200,n,8,1", kFast);
  programmer.EstablishComms(2);
  EXPECT_EQ(link.opens, 1);

  struct NoPortLink : ScriptedLink {
    void Open(const std::string&) override { RaiseError(ErrNoComPort); }
  } noPort;
  Programmer unconfigured(noPort, "19200,n,8,1", kFast);
  EXPECT_EQ(ErrorOf([&] { unconfigured.EstablishComms(1); }), ErrNoComPort);
  EXPECT_EQ(noPort.sent, "");
}

TEST(SendWhenReady, SendsTheRecordOnlyAfterItsOwnReady) {
  ScriptedLink link;
  link.board = ReadyBoard();
  Programmer programmer(link, "19200,n,8,1", kFast);
  programmer.EstablishComms(1);
  const std::uint8_t bytes[] = {0x12, 0x34};
  programmer.WriteRecord(0, 0x0F00, bytes);
  programmer.WriteRecord(1, 0x0004, bytes);
  EXPECT_EQ(link.sent, "@&$>:020F00001234A9*:020004001234B4");
}

TEST(SendWhenReady, RejectionOrSilenceStopsTheRecord) {
  struct Case {
    const char* name;
    std::vector<std::string> answers;  // what the board sends after ">"
    ErrorNumber error;
  } cases[] = {
      {"ready", {"+"}, 0},
      {"noise before ready", {"xy", "z+"}, 0},
      {"minus", {"-"}, ErrProgramming},
      {"percent", {"%"}, ErrProgramming},
      {"minus with the ready", {"+-"}, ErrProgramming},
      {"silence", {}, ErrProgramming},
  };
  for (const Case& c : cases) {
    ScriptedLink link;
    link.board = ReadyBoard();
    Programmer programmer(link, "19200,n,8,1", kFast);
    programmer.EstablishComms(1);
    link.arriving.assign(c.answers.begin(), c.answers.end());
    link.board = nullptr;
    EXPECT_EQ(ErrorOf([&] { programmer.SendWhenReady(":0106110029BF"); }), c.error) << c.name;
    EXPECT_EQ(link.sent.ends_with(":0106110029BF"), c.error == 0) << c.name;
  }
}

TEST(SendWhenReady, WaitsForSilenceWithoutSpinning) {
  ScriptedLink link;
  link.board = ReadyBoard();
  ProtocolTimings timings = kFast;
  timings.readySilence = 200ms;
  Programmer programmer(link, "19200,n,8,1", timings);
  programmer.EstablishComms(1);
  link.arriving.clear();
  link.board = nullptr;
  const int waitsBefore = link.waits;
  EXPECT_EQ(ErrorOf([&] { programmer.SendWhenReady(":00000001FF"); }), ErrProgramming);
  EXPECT_LE(link.waits - waitsBefore, 3);  // one wait for the whole silence, plus clock rounding
  EXPECT_GE(link.slept, 200ms);
}

TEST(EndTransfer, EndsEachKindOfTransfer) {
  struct Case {
    const char* name;
    int mode;
    std::string endAnswer;  // the board's answer to the end record
    ErrorNumber error;
    const char* sentAfterHandshake;
  } cases[] = {
      {"write acknowledged", 1, "@", 0, ":00000001FF"},
      {"write acknowledged after noise", 1, "xx@", 0, ":00000001FF"},
      {"write rejected", 1, "-", ErrProgramming, ":00000001FF"},
      {"write never acknowledged", 1, "", ErrProgramming, ":00000001FF"},
      {"read", 2, "", 0, "@"},
  };
  for (const Case& c : cases) {
    ScriptedLink link;
    link.board = [&](std::string_view written) -> std::string {
      if (written == ":00000001FF") return c.endAnswer;
      return ReadyBoard()(written);
    };
    Programmer programmer(link, "19200,n,8,1", kFast);
    programmer.EstablishComms(c.mode);
    const std::size_t handshake = link.sent.size();
    EXPECT_EQ(ErrorOf([&] { programmer.EndTransfer(); }), c.error) << c.name;
    EXPECT_EQ(link.sent.substr(handshake), c.sentAfterHandshake) << c.name;
    EXPECT_EQ(programmer.TransferMode(), Programmer::kNoTransfer) << c.name;
  }
}

TEST(EndTransfer, DoesNothingOutsideATransfer) {
  ScriptedLink link;
  Programmer programmer(link, "19200,n,8,1", kFast);
  programmer.EndTransfer();
  EXPECT_EQ(link.sent, "");
}

TEST(ReadWord, ReturnsTheFourDigitsOrRaises) {
  struct Case {
    const char* name;
    std::vector<std::string> chunks;
    std::uint16_t value;
    ErrorNumber error;
  } cases[] = {
      {"word", {"1234"}, 0x1234, 0},
      {"erased", {"FFFF"}, 0xFFFF, 0},
      {"lower case", {"abcd"}, 0xABCD, 0},
      {"in pieces", {"12", "3", "4"}, 0x1234, 0},
      {"short", {"12A"}, 0, ErrReading},
      {"long", {"12345"}, 0, ErrReading},
      {"not hex", {"12G4"}, 0, ErrReading},
      {"signed", {"+123"}, 0, ErrReading},
      {"nothing", {}, 0, ErrReading},
  };
  for (const Case& c : cases) {
    ScriptedLink link;
    link.board = ReadyBoard();
    Programmer programmer(link, "19200,n,8,1", kFast);
    programmer.EstablishComms(2);
    link.arriving.assign(c.chunks.begin(), c.chunks.end());
    link.board = nullptr;
    std::uint16_t value = 0;
    EXPECT_EQ(ErrorOf([&] { value = programmer.ReadWord(0, 0x05F8); }), c.error) << c.name;
    EXPECT_EQ(value, c.value) << c.name;
  }
}

TEST(ReadWord, AsksInTheRightSpaceAndReturnsAsSoonAsTheDigitsAreIn) {
  ScriptedLink link;
  link.board = [](std::string_view written) -> std::string {
    if (written == "@&$") return "?";
    return written.ends_with(":000A") ? "3900" : "";
  };
  ProtocolTimings timings = kFast;
  timings.wordReadLimit = 10s;  // a fixed pause would make this test take ten seconds
  Programmer programmer(link, "19200,n,8,1", timings);
  programmer.EstablishComms(2);
  link.input = "stale";
  EXPECT_EQ(programmer.ReadWord(1, 0x000A), 0x3900);
  EXPECT_EQ(link.sent, "@&$<*:000A");
  EXPECT_EQ(link.slept, 0ms);
}

TEST(WriteWord, SendsTheHighByteFirst) {
  ScriptedLink link;
  link.board = ReadyBoard();
  Programmer programmer(link, "19200,n,8,1", kFast);
  programmer.EstablishComms(1);
  programmer.WriteWord(1, 4, 0x0180);
  EXPECT_EQ(link.sent, "@&$>*:02000400018079");
  EXPECT_EQ(ErrorOf([&] { programmer.WriteWord(1, 6, -1); }), ErrOverflow);
}

}  // namespace
}  // namespace curvedesk
