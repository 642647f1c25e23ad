#include "emulator/BoardWire.h"

#include <algorithm>
#include <vector>

namespace curvedesk::board {

namespace {
constexpr long long kBitsPerCharacter = 10;  // start bit, 8 data bits, stop bit
}

BoardWire::BoardWire(BoardModel& board, int baud)
    : board_(board),
      characterTime_(baud > 0 ? std::chrono::nanoseconds(kBitsPerCharacter * 1'000'000'000LL / baud)
                              : std::chrono::nanoseconds(0)) {}

void BoardWire::HostWrites(std::string_view text, Clock::time_point now) {
  Clock::time_point arrival = std::max(now, toBoardFree_);
  for (char c : text) {
    arrival += characterTime_;
    toBoard_.push_back({arrival, c});
  }
  toBoardFree_ = arrival;
  toBoardCount_ += text.size();
}

std::string BoardWire::Advance(Clock::time_point now) {
  std::vector<BoardAnswer> answers;
  while (!toBoard_.empty() && toBoard_.front().arrival <= now) {
    const InFlight received = toBoard_.front();
    toBoard_.pop_front();
    answers.clear();
    board_.Receive(received.c, answers);
    for (const BoardAnswer& answer : answers) {
      Clock::time_point arrival = std::max(received.arrival + answer.delay, toHostFree_);
      for (char c : answer.text) {
        arrival += characterTime_;
        toHost_.push_back({arrival, c});
      }
      toHostFree_ = arrival;
    }
  }
  std::string arrived;
  while (!toHost_.empty() && toHost_.front().arrival <= now) {
    arrived += toHost_.front().c;
    toHost_.pop_front();
  }
  toHostCount_ += arrived.size();
  return arrived;
}

void BoardWire::Cut() {
  toBoard_.clear();
  toHost_.clear();
}

std::optional<BoardWire::Clock::time_point> BoardWire::NextArrival() const {
  std::optional<Clock::time_point> next;
  if (!toBoard_.empty()) next = toBoard_.front().arrival;
  if (!toHost_.empty()) next = next ? std::min(*next, toHost_.front().arrival) : toHost_.front().arrival;
  return next;
}

}  // namespace curvedesk::board
