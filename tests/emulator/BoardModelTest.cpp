#include <gtest/gtest.h>

#include <stdexcept>

#include "emulator/BoardModel.h"
#include "emulator/BoardWire.h"
#include "support/TempDir.h"

namespace curvedesk::board {
namespace {

using namespace std::chrono_literals;

// Feeds the host's text and returns the board's answers joined, with their delays.
struct Exchange {
  BoardModel board;
  std::vector<BoardAnswer> answers;

  explicit Exchange(BoardOptions options = {}, BoardMemory memory = {})
      : board(std::move(options), std::move(memory)) {}

  std::string Send(std::string_view text) {
    answers.clear();
    for (char c : text) board.Receive(c, answers);
    std::string joined;
    for (const BoardAnswer& answer : answers) joined += answer.text;
    return joined;
  }
};

TEST(BoardMemory, SavesWhatIsNotErasedAndLoadsItBack) {
  BoardMemory memory;
  const std::uint8_t serial[] = {0x00, 0x12, 0x34, 0x78};
  memory.Store(BoardMemory::kPlain, 0x05F8, serial);
  memory.Set(BoardMemory::kStar, 0x000A, 0x30);
  for (std::uint16_t a = 0x0100; a < 0x0112; ++a) memory.Set(BoardMemory::kPlain, a, 0x11);  // longer than one line
  EXPECT_EQ(memory.ToText(),
            "# board memory: bytes not listed are erased (FF)\n"
            "plain 0100: 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11\n"
            "plain 0110: 11 11\n"
            "plain 05F8: 00 12 34 78\n"
            "star 000A: 30\n");
  EXPECT_EQ(BoardMemory::FromText(memory.ToText()), memory);

  testing::TempDir dir;
  memory.Save(dir.File("board.mem"));
  EXPECT_EQ(BoardMemory::Load(dir.File("board.mem")), memory);
  EXPECT_EQ(BoardMemory::Load(dir.File("missing.mem")), BoardMemory());
}

TEST(BoardMemory, ReadsAHandWrittenFile) {
  const BoardMemory memory =
      BoardMemory::FromText("# preset\r\n\r\nstar 0004: 10 00 20 00  # starts\r\n  plain FFFF: ab\r\n");
  EXPECT_EQ(memory.Bytes(BoardMemory::kStar, 4, 4), (std::vector<std::uint8_t>{0x10, 0x00, 0x20, 0x00}));
  EXPECT_EQ(memory.Get(BoardMemory::kPlain, 0xFFFF), 0xAB);
  EXPECT_EQ(memory.Get(BoardMemory::kPlain, 0x0000), 0xFF);
}

TEST(BoardMemory, NamesTheLineOfAMistake) {
  const char* bad[] = {
      "plain 0000: 01\nflash 0000: 01\n",     // unknown space
      "plain 0000: 01\nplain 0000 01\n",      // no colon
      "plain 0000: 01\nplain 10000: 01\n",    // address too big
      "plain 0000: 01\nplain 0000: 1\n",      // one digit
      "plain 0000: 01\nplain 0000: zz\n",     // not hex
      "plain 0000: 01\nplain FFFF: 01 02\n",  // past the end
  };
  for (const char* text : bad) {
    try {
      BoardMemory::FromText(text);
      ADD_FAILURE() << text;
    } catch (const std::runtime_error& error) {
      EXPECT_NE(std::string(error.what()).find("line 2"), std::string::npos) << error.what();
    }
  }
}

TEST(BoardModel, IdentifiesInEveryStateAndEntersTransfers) {
  Exchange plain({.identifyAnswer = "?", .faults = {}});
  EXPECT_EQ(plain.Send("xx@&$"), "?");
  EXPECT_EQ(plain.Send(">"), "+");
  EXPECT_EQ(plain.Send(":0106"), "");  // a record cut off ...
  EXPECT_EQ(plain.Send("@&$"), "?");   // ... gives way to a fresh wake-up
  EXPECT_EQ(plain.Send("<:05F8"), "FFFF");

  Exchange versioned;
  EXPECT_EQ(versioned.Send("@&$"), "V2.10?");
  EXPECT_EQ(versioned.Send("<:0000@@&$"), "FFFFV2.10?");  // "@" ends the read transfer
}

TEST(BoardModel, StoresCheckedRecordsInTheirSpace) {
  Exchange exchange;
  exchange.Send("@&$");
  EXPECT_EQ(exchange.Send(">"), "+");
  EXPECT_EQ(exchange.Send(":020F00001234A9"), "+");
  EXPECT_EQ(exchange.Send("\r\n*:03000A000030398A"), "+");
  EXPECT_EQ(exchange.Send(":020F00001234A8"), "-");  // wrong checksum
  EXPECT_EQ(exchange.Send(":02G"), "-");             // not hex
  EXPECT_EQ(exchange.Send(":00000001FF"), "@");
  EXPECT_EQ(exchange.board.RecordsStored(), 2);

  const BoardMemory& memory = exchange.board.Memory();
  EXPECT_EQ(memory.Bytes(BoardMemory::kPlain, 0x0F00, 3), (std::vector<std::uint8_t>{0x12, 0x34, 0xFF}));
  EXPECT_EQ(memory.Bytes(BoardMemory::kStar, 0x000A, 3), (std::vector<std::uint8_t>{0x00, 0x30, 0x39}));
  EXPECT_EQ(memory.Get(BoardMemory::kPlain, 0x000A), 0xFF);

  // After the end record the board waits for a new wake-up.
  EXPECT_EQ(exchange.Send(":0106110029BF"), "");
}

TEST(BoardModel, ReadsWordsInEachSpacesByteOrder) {
  BoardMemory memory;
  const std::uint8_t bytes[] = {0x12, 0x34};
  memory.Store(BoardMemory::kPlain, 0x05F8, bytes);
  memory.Store(BoardMemory::kStar, 0x0004, bytes);
  Exchange exchange({}, memory);
  exchange.Send("@&$<");
  EXPECT_EQ(exchange.Send(":05F8"), "1234");   // byte at the address first
  EXPECT_EQ(exchange.Send("*:0004"), "3412");  // byte after the address first
  EXPECT_EQ(exchange.Send(":0004"), "FFFF");
}

TEST(BoardModel, ShowsTheFaultsItIsToldTo) {
  struct Case {
    const char* name;
    BoardFaults faults;
    const char* host;
    const char* board;
  } cases[] = {
      {"silent", {.silent = true}, "@&$>:0106110029BF", ""},
      {"reject second",
       {.rejectRecord = 2, .rejectWith = '%'},
       "@&$>:0106110029BF:0106110029BF:0106110029BF",
       "V2.10?++%+"},
      {"reject end", {.rejectRecord = 2}, "@&$>:0106110029BF:00000001FF", "V2.10?++-"},
      {"garbage",
       {.garbageBefore = kReadyAnswer | kWordAnswer, .garbage = "!"},
       "@&$>:00000001FF@&$<:0000",
       "V2.10?!+@V2.10?!FFFF"},
      {"no end answer", {.noEndAnswer = true}, "@&$>:0106110029BF:00000001FF", "V2.10?++"},
      {"dropped", {.dropAfterRecord = 1}, "@&$>:0106110029BF:0106110029BF@&$", "V2.10?+"},
      // The third word of a read transfer goes unanswered; the next transfer is answered again.
      {"silent after two words", {.silentAfterWords = 2}, "@&$<:0000:0000:0000@@&$<:0000", "V2.10?FFFFFFFFV2.10?FFFF"},
  };
  for (const Case& c : cases) {
    Exchange exchange({.faults = c.faults});
    EXPECT_EQ(exchange.Send(c.host), c.board) << c.name;
  }
  Exchange dropped({.faults = {.dropAfterRecord = 1}});
  dropped.Send("@&$>:0106110029BF");
  EXPECT_TRUE(dropped.board.LinkDropped());
  EXPECT_EQ(dropped.board.Memory().Get(BoardMemory::kPlain, 0x0611), 0x29);

  // Plugged in again: the loader starts outside any transfer and the drop does not come again.
  dropped.board.Replug();
  EXPECT_FALSE(dropped.board.LinkDropped());
  EXPECT_EQ(dropped.Send(":0106120029BE@&$>:0106120029BE:0106130029BD"), "V2.10?+++");
  EXPECT_EQ(dropped.board.Memory().Get(BoardMemory::kPlain, 0x0612), 0x29);
}

TEST(BoardModel, StoresTheChosenByteWrongly) {
  Exchange exchange({.faults = {.corruptAt = 0x0611}});
  // A record over the address, one beside it, and one to the same address in the "*" space.
  EXPECT_EQ(exchange.Send("@&$>:02061000282997:0106120029BE*:0106110029BF:00000001FF"), "V2.10?++++@");
  const BoardMemory& memory = exchange.board.Memory();
  EXPECT_EQ(memory.Bytes(BoardMemory::kPlain, 0x0610, 3), (std::vector<std::uint8_t>{0x28, 0x28, 0x29}));
  EXPECT_EQ(memory.Get(BoardMemory::kStar, 0x0611), 0x29);
  EXPECT_EQ(exchange.Send("@&$<:0610"), "V2.10?2828") << "the wrong byte is what a read gives";
}

TEST(BoardModel, DelaysTheReadyByStoringAndSlowness) {
  Exchange exchange({.storingDelay = 7ms, .faults = {.slowReady = 20ms}});
  exchange.Send("@&$");
  exchange.Send(">");
  ASSERT_EQ(exchange.answers.size(), 1u);
  EXPECT_EQ(exchange.answers[0].delay, 20ms);  // nothing was stored yet
  exchange.Send(":0106110029BF");
  ASSERT_EQ(exchange.answers.size(), 1u);
  EXPECT_EQ(exchange.answers[0].delay, 27ms);
}

TEST(BoardWire, TakesTenBitsPerCharacterEachWay) {
  BoardModel board({.identifyAnswer = "?", .faults = {}});
  BoardWire wire(board, 1000);  // 10 ms a character
  const auto t0 = BoardWire::Clock::now();
  wire.HostWrites("@&$", t0);
  wire.HostWrites("<", t0 + 5ms);  // queued behind the wake-up
  EXPECT_EQ(wire.Advance(t0 + 39ms), "");
  EXPECT_EQ(wire.NextArrival(), t0 + 40ms);
  EXPECT_EQ(wire.Advance(t0 + 40ms), "?");  // 30 ms to the board, 10 ms back
  wire.HostWrites(":05F8", t0 + 100ms);
  EXPECT_EQ(wire.Advance(t0 + 189ms), "FFF");
  EXPECT_EQ(wire.Advance(t0 + 190ms), "F");
  EXPECT_FALSE(wire.NextArrival());
  EXPECT_EQ(wire.CharactersToBoard(), 9u);
  EXPECT_EQ(wire.CharactersToHost(), 5u);
}

}  // namespace
}  // namespace curvedesk::board
