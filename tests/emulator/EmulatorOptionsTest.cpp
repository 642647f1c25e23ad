#include "emulator/EmulatorOptions.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace curvedesk::board {
namespace {

using namespace std::chrono_literals;

TEST(EmulatorOptions, ReadsEveryOption) {
  const EmulatorOptions options = ParseEmulatorOptions(
      {"--baud", "9600", "--memory", "board.mem", "--identify", "?", "--storing-delay", "5", "--silent", "--reject",
       "3:%", "--garbage", "ready,word:xx", "--no-end-answer", "--drop-after", "4", "--slow-ready", "20",
       "--corrupt-at", "0611", "--silent-after-words", "3"});
  EXPECT_EQ(options.baud, 9600);
  EXPECT_EQ(options.memoryFile, "board.mem");
  EXPECT_EQ(options.board.identifyAnswer, "?");
  EXPECT_EQ(options.board.storingDelay, 5ms);
  const BoardFaults& faults = options.board.faults;
  EXPECT_TRUE(faults.silent);
  EXPECT_EQ(faults.rejectRecord, 3);
  EXPECT_EQ(faults.rejectWith, '%');
  EXPECT_EQ(faults.garbageBefore, kReadyAnswer | kWordAnswer);
  EXPECT_EQ(faults.garbage, "xx");
  EXPECT_TRUE(faults.noEndAnswer);
  EXPECT_EQ(faults.dropAfterRecord, 4);
  EXPECT_EQ(faults.slowReady, 20ms);
  EXPECT_EQ(faults.corruptAt, 0x0611);
  EXPECT_EQ(faults.silentAfterWords, 3);
  EXPECT_EQ(ParseEmulatorOptions({"--corrupt-at", "0x05fe"}).board.faults.corruptAt, 0x05FE);

  const EmulatorOptions defaults = ParseEmulatorOptions({"--reject", "2"});
  EXPECT_EQ(defaults.baud, 19200);
  EXPECT_EQ(defaults.board.identifyAnswer, "V2.10?");
  EXPECT_EQ(defaults.board.faults.rejectWith, '-');
}

TEST(EmulatorOptions, RefusesWhatItCannotUse) {
  const std::vector<std::vector<std::string>> bad = {
      {"--baud"}, {"--baud", "fast"}, {"--baud", "-1"}, {"--identify", "V2.1?"}, {"--identify", "X"},
      {"--reject", "2:x"}, {"--garbage", "ready,nothing"}, {"--frobnicate"}, {"--corrupt-at", "10000"},
      {"--corrupt-at", "0x"}, {"--corrupt-at", "06G1"}, {"--silent-after-words", "x"},
  };
  for (const auto& arguments : bad) EXPECT_THROW(ParseEmulatorOptions(arguments), std::runtime_error) << arguments[0];
}

}  // namespace
}  // namespace curvedesk::board
