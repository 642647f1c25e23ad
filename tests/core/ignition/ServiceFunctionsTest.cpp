// Reading the ignition and its service functions against the software board.
#include <gtest/gtest.h>

#include <deque>

#include "core/common/AppError.h"
#include "core/ignition/BoardFixture.h"
#include "core/ignition/IgnitionInfo.h"
#include "core/ignition/ProgramRevLimit.h"
#include "core/ignition/ServiceFunctions.h"

namespace curvedesk {
namespace {

using board::BoardMemory;
using board::BoardOptions;
using testing::BoardFixture;

// An ignition with a version, serial number 1193080, firmware 21.05, 4660 engine starts, 7
// exceeded maximum RPMs, maximum desired RPM 6000 (code 121) and the given password.
BoardFixture& Preload(BoardFixture& fixture, std::int32_t password) {
  BoardMemory& memory = fixture.board.Memory();
  const std::uint8_t serial[] = {0x00, 0x12, 0x34, 0x78};
  memory.Store(BoardMemory::kPlain, 0x05F8, serial);
  const std::uint8_t firmware[] = {0x21, 0x05};
  memory.Store(BoardMemory::kPlain, 0x0F00, firmware);
  const std::uint8_t counters[] = {0x34, 0x12, 0x07, 0x00, 0x00, 121};  // "*" 4..9, low byte first
  memory.Store(BoardMemory::kStar, 4, counters);
  const std::uint8_t secret[] = {static_cast<std::uint8_t>(password >> 16), static_cast<std::uint8_t>(password >> 8),
                                 static_cast<std::uint8_t>(password)};
  memory.Store(BoardMemory::kStar, 10, secret);
  return fixture;
}

class ScriptedDialogs final : public ServiceDialogs, public Prompter {
 public:
  std::deque<std::optional<std::int32_t>> passwords;
  bool clear = true;
  std::deque<MaxRpmAnswer> maxRpmAnswers;
  std::vector<std::pair<std::int32_t, std::int32_t>> maxRpmShown;  // current, count
  std::vector<std::string> messages;
  int busyDepth = 0;
  int questions = 0;

  void SetBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
  std::optional<std::int32_t> AskPassword() override {
    ++questions;
    auto answer = passwords.front();
    passwords.pop_front();
    return answer;
  }
  bool ConfirmClearEngineStarts() override {
    ++questions;
    return clear;
  }
  MaxRpmAnswer AskMaxDesiredRpm(std::int32_t currentRpm, std::int32_t exceededCount) override {
    ++questions;
    maxRpmShown.emplace_back(currentRpm, exceededCount);
    auto answer = maxRpmAnswers.front();
    maxRpmAnswers.pop_front();
    return answer;
  }
  Answer Ask(const std::string& title, const std::string& text, Icon, Buttons) override {
    messages.push_back(title + ": " + text.substr(0, text.find('\r')));
    return Answer::Ok;
  }
};

ErrorNumber ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const AppError& error) {
    return error.Number();
  }
  return 0;
}

TEST(ReadIgnitionInfo, ShowsWhatTheBoardHolds) {
  struct Case {
    const char* what;
    std::string identify;
    bool preload;
    IgnitionInfo expected;
  };
  const Case cases[] = {
      {"board with a version", "V2.10?", true, {"1193080", " v21.05", "4660", "7"}},
      {"board without a version keeps no counters", "?", true, {"1193080", " v21.05", "----", "----"}},
      {"erased board", "V2.10?", false, {"(blank)", "(blank)", "65535", "65535"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    BoardOptions options;
    options.identifyAnswer = c.identify;
    BoardFixture fixture(options);
    if (c.preload) Preload(fixture, 0);
    const IgnitionInfo info = ReadIgnitionInfo(fixture.programmer);
    EXPECT_EQ(info.SerialNumber, c.expected.SerialNumber);
    EXPECT_EQ(info.FirmwareVersion, c.expected.FirmwareVersion);
    EXPECT_EQ(info.EngineStarts, c.expected.EngineStarts);
    EXPECT_EQ(info.ExceededMaxRpm, c.expected.ExceededMaxRpm);
    EXPECT_EQ(fixture.programmer.TransferMode(), Programmer::kNoTransfer);
  }
}

TEST(ReadIgnitionInfo, FailureRaisesAndShowsQuestionMarks) {
  BoardFixture fixture(BoardOptions{.faults = {.silent = true}});
  EXPECT_EQ(ErrorOf([&] { ReadIgnitionInfo(fixture.programmer); }), ErrBoardNotResponding);
  const IgnitionInfo shown = UnreadableIgnitionInfo();
  EXPECT_EQ(shown.SerialNumber + shown.FirmwareVersion + shown.EngineStarts + shown.ExceededMaxRpm,
            "????????????????");
}

TEST(RunProtected, PasswordRules) {
  struct Case {
    const char* what;
    std::string identify;
    std::int32_t stored;
    std::optional<std::int32_t> typed;
    bool ran;
    std::vector<std::string> messages;
    std::int32_t storedAfter;
  };
  const Case cases[] = {
      {"board without counters does nothing", "?", 0x123456, 0x123456, false, {}, 0x123456},
      {"right password", "V2.10?", 4242, 4242, true, {}, 4242},
      {"wrong password", "V2.10?", 4242, 4243, false, {"Error: Incorrect Password"}, 4242},
      {"first password is stored and accepted", "V2.10?", 0, 16777214, true,
       {"Warning: You will be required to enter a"}, 16777214},
      {"erased password area counts as none", "V2.10?", 0xFFFFFF, 77, true,
       {"Warning: You will be required to enter a"}, 77},
      {"cancel at the password", "V2.10?", 4242, std::nullopt, false, {}, 4242},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    BoardOptions options;
    options.identifyAnswer = c.identify;
    BoardFixture fixture(options);
    Preload(fixture, c.stored);
    ScriptedDialogs dialogs;
    dialogs.passwords.push_back(c.typed);
    EXPECT_EQ(RunProtected(ServiceAction::ClearEngineStarts, fixture.programmer, dialogs, dialogs), c.ran);
    EXPECT_EQ(dialogs.messages, c.messages);
    EXPECT_EQ(fixture.Star(10) << 16 | fixture.Star(11) << 8 | fixture.Star(12), c.storedAfter);
    EXPECT_EQ(fixture.Star(4) | fixture.Star(5) << 8, c.ran ? 0 : 4660) << "engine starts";
    EXPECT_EQ(dialogs.busyDepth, 0);
    if (c.identify == "?") {
      EXPECT_EQ(dialogs.questions, 0);
    }
  }
}

TEST(ClearEngineStarts, OnlyOnClear) {
  for (bool clear : {true, false}) {
    BoardFixture fixture;
    Preload(fixture, 1);
    ScriptedDialogs dialogs;
    dialogs.clear = clear;
    EXPECT_EQ(ClearEngineStarts(fixture.programmer, dialogs), clear);
    EXPECT_EQ(fixture.Star(4) | fixture.Star(5) << 8, clear ? 0 : 4660);
    EXPECT_EQ(fixture.Star(6), 7) << "the other counter stays";
  }
}

TEST(EditMaxDesiredRPM, ShowsClearsAndStores) {
  using Button = ServiceDialogs::MaxRpmButton;
  struct Case {
    const char* what;
    std::uint8_t code;
    std::vector<ServiceDialogs::MaxRpmAnswer> answers;
    std::vector<std::pair<std::int32_t, std::int32_t>> shown;
    std::uint8_t codeAfter;
    std::uint8_t countAfter;
  };
  const Case cases[] = {
      {"not set shows 12500", 255, {{Button::Cancel, 0}}, {{12500, 7}}, 255, 7},
      {"a new value is stored", 121, {{Button::Ok, 8000}}, {{6000, 7}}, 161, 7},
      {"the same value writes nothing", 121, {{Button::Ok, 6000}}, {{6000, 7}}, 121, 7},
      {"clear shows the dialog again with no count", 121, {{Button::Clear, 0}, {Button::Ok, 50}},
       {{6000, 7}, {6000, 0}}, 2, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    BoardFixture fixture;
    Preload(fixture, 1);
    fixture.board.Memory().Set(BoardMemory::kStar, 9, c.code);
    ScriptedDialogs dialogs;
    dialogs.maxRpmAnswers.assign(c.answers.begin(), c.answers.end());
    const int storedBefore = fixture.board.RecordsStored();
    EditMaxDesiredRPM(fixture.programmer, dialogs);
    EXPECT_EQ(dialogs.maxRpmShown, c.shown);
    EXPECT_EQ(fixture.Star(9), c.codeAfter);
    EXPECT_EQ(fixture.Star(6), c.countAfter);
    if (c.codeAfter == c.code && c.countAfter == 7) {
      EXPECT_EQ(fixture.board.RecordsStored(), storedBefore);
    }
  }
}

TEST(EditMaxDesiredRPM, RefusesValuesTheDialogMustNotPass) {
  struct Case {
    std::int32_t rpm;
    const char* message;  // nullptr: accepted
  };
  const Case cases[] = {
      {50, nullptr},
      {12500, nullptr},
      {0, "The Max Desired @RPM value must be between 50 and 12500 in increments of 50."},
      {12550, "The Max Desired @RPM value must be between 50 and 12500 in increments of 50."},
      {6025, "The Max Desired @RPM value must be a multiple of 50."},
  };
  for (const Case& c : cases) {
    const auto message = CheckMaxDesiredRpm(c.rpm);
    EXPECT_EQ(message.value_or(""), c.message ? c.message : "") << c.rpm;
  }
  BoardFixture fixture;
  Preload(fixture, 1);
  ScriptedDialogs dialogs;
  dialogs.maxRpmAnswers.push_back({ServiceDialogs::MaxRpmButton::Ok, 13000});
  EXPECT_EQ(ErrorOf([&] { EditMaxDesiredRPM(fixture.programmer, dialogs); }), ErrGeneric);
  EXPECT_EQ(fixture.Star(9), 121);
}

TEST(ParsePassword, AcceptsOnlyTheRange) {
  struct Case {
    const char* typed;
    std::optional<std::int32_t> expected;
  };
  const Case cases[] = {{"1", 1},           {"16777214", 16777214}, {"0", std::nullopt},
                        {"16777215", std::nullopt}, {"", std::nullopt}, {"12a", std::nullopt},
                        {"-5", std::nullopt},       {"000000042", std::nullopt},  // nine characters
                        {"00000042", 42}};
  for (const Case& c : cases) EXPECT_EQ(ParsePassword(c.typed), c.expected) << c.typed;
}

class ProgressRecorder final : public ProgressSink {
 public:
  std::vector<int> values;
  void SetProgress(int percent) override { values.push_back(percent); }
};

TEST(ProgramRevLimit, WritesEverySlot) {
  BoardFixture fixture;
  ProgressRecorder progress;
  ProgramRevLimit(fixture.programmer, 6000, progress, Verification::Off);
  for (std::uint16_t address : {0x0611, 0x066F, 0x06CD, 0x072B}) EXPECT_EQ(fixture.Plain(address), 0x79) << address;
  EXPECT_EQ(fixture.board.RecordsStored(), 4);
  EXPECT_EQ(progress.values, (std::vector<int>{5, 10, 30, 50, 70, 90, 100}));
  EXPECT_EQ(fixture.programmer.TransferMode(), Programmer::kNoTransfer);
}

TEST(ProgramRevLimit, FailuresRaiseTheirNumber) {
  struct Case {
    const char* what;
    BoardOptions options;
    std::int32_t rpm;
    ErrorNumber expected;
    int stored;
  };
  const Case cases[] = {
      {"rejected third record", {.faults = {.rejectRecord = 3}}, 6000, ErrProgramming, 2},
      {"no end answer", {.faults = {.noEndAnswer = true}}, 6000, ErrProgramming, 4},
      {"beyond a byte, before any traffic", {}, 13000, ErrOverflow, 0},
  };
  for (const Case& c : cases) {
    BoardFixture fixture(c.options);
    ProgressRecorder progress;
    EXPECT_EQ(ErrorOf([&] { ProgramRevLimit(fixture.programmer, c.rpm, progress); }), c.expected) << c.what;
    EXPECT_EQ(fixture.board.RecordsStored(), c.stored) << c.what;
  }
}

}  // namespace
}  // namespace curvedesk
