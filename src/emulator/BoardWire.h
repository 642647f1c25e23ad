#pragma once

#include <chrono>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "emulator/BoardModel.h"

namespace curvedesk::board {

// The serial wire between the host and the board: every character takes 10 bits at the baud rate
// in each direction, so the board sees a record only once all of it has crossed, and its answers
// reach the host one character time after another. Baud 0 makes the wire instant.
class BoardWire {
 public:
  using Clock = std::chrono::steady_clock;

  BoardWire(BoardModel& board, int baud);

  // The host's characters, written at `now`, start crossing once the line to the board is free.
  void HostWrites(std::string_view text, Clock::time_point now);
  // Lets the board take every character that has reached it by `now`, and returns the answer
  // characters that have reached the host by then.
  std::string Advance(Clock::time_point now);
  // The line is cut: characters on their way in either direction are lost.
  void Cut();
  // When a character next reaches either end; nothing when the wire is quiet.
  std::optional<Clock::time_point> NextArrival() const;

  std::chrono::nanoseconds CharacterTime() const { return characterTime_; }
  std::size_t CharactersToBoard() const { return toBoardCount_; }
  std::size_t CharactersToHost() const { return toHostCount_; }

 private:
  struct InFlight {
    Clock::time_point arrival;
    char c;
  };

  BoardModel& board_;
  std::chrono::nanoseconds characterTime_;
  std::deque<InFlight> toBoard_;
  std::deque<InFlight> toHost_;
  Clock::time_point toBoardFree_{};
  Clock::time_point toHostFree_{};
  std::size_t toBoardCount_ = 0;
  std::size_t toHostCount_ = 0;
};

}  // namespace curvedesk::board
