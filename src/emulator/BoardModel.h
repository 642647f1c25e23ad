#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "emulator/BoardMemory.h"

namespace curvedesk::board {

// Kinds of answer the board gives, as a bit set for the garbage fault.
enum AnswerKind : unsigned {
  kIdentifyAnswer = 1,  // "?" or "V2.10?"
  kReadyAnswer = 2,     // "+"
  kWordAnswer = 4,      // the four digits of a word read
  kEndAnswer = 8,       // "@" after the end record
};

// Faults the board can be told to show, for tests and demonstrations.
struct BoardFaults {
  bool silent = false;         // answers nothing at all
  int rejectRecord = 0;        // rejects this record of each write transfer (1-based, end record included)
  char rejectWith = '-';       // '-' or '%'
  unsigned garbageBefore = 0;  // AnswerKind bits: these answers come after `garbage`
  std::string garbage = "~#";
  bool noEndAnswer = false;  // never sends "@" after the end record
  int dropAfterRecord = 0;   // the link drops after storing this record of a write transfer (1-based), once
  std::chrono::milliseconds slowReady{0};  // every "+" comes this much later
  std::optional<std::uint16_t> corruptAt{};  // this plain-space byte is stored with its lowest bit flipped
  int silentAfterWords = 0;                  // answers only the first this many word reads of each read transfer
};

struct BoardOptions {
  std::string identifyAnswer = "V2.10?";      // "?" for a board without a version
  std::chrono::milliseconds storingDelay{0};  // time the board takes to store a record
  BoardFaults faults;
};

// Something the board sends: the text, once `delay` has passed after the character that caused it.
struct BoardAnswer {
  std::chrono::milliseconds delay{0};
  std::string text;
};

// The board's resident loader as a character-fed state machine: the wake-up and identify answer,
// write transfers of Intel HEX records recognised by their length field and checked by their
// checksum, read transfers of single words, in both address spaces. No time passes in here;
// BoardWire paces the characters.
class BoardModel {
 public:
  explicit BoardModel(BoardOptions options = {}, BoardMemory memory = {});

  // Takes one character from the host and appends what the board answers to it.
  void Receive(char c, std::vector<BoardAnswer>& answers);

  BoardMemory& Memory() { return memory_; }
  const BoardMemory& Memory() const { return memory_; }
  BoardOptions& Options() { return options_; }
  bool LinkDropped() const { return linkDropped_; }
  // The programmer plugged in again after its link dropped: the loader starts afresh, outside any
  // transfer, and the drop, having happened, does not come again.
  void Replug();
  int RecordsStored() const { return recordsStored_; }

 private:
  enum class State { Idle, Identified, Write, Read };

  void Answer(AnswerKind kind, std::string text, std::chrono::milliseconds delay,
              std::vector<BoardAnswer>& answers) const;
  void ReceiveInWrite(char c, std::vector<BoardAnswer>& answers);
  void ReceiveInRead(char c, std::vector<BoardAnswer>& answers);
  void FinishRecord(std::vector<BoardAnswer>& answers);
  // The corrupt-at fault: a record that covers the address leaves a wrong byte there.
  void StoreWronglyIfAsked(BoardMemory::Space space, std::uint16_t address, std::size_t count);
  BoardMemory::Space CurrentSpace() const { return starPrefix_ ? BoardMemory::kStar : BoardMemory::kPlain; }

  BoardOptions options_;
  BoardMemory memory_;
  State state_ = State::Idle;
  std::string lastThree_;  // the wake-up "@&$" is recognised in every state
  std::string request_;    // the record or the read request being received
  bool starPrefix_ = false;
  int recordInTransfer_ = 0;
  int wordsInTransfer_ = 0;
  int recordsStored_ = 0;
  bool linkDropped_ = false;
};

}  // namespace curvedesk::board
