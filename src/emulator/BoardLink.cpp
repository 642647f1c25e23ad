#include "emulator/BoardLink.h"

#include <algorithm>
#include <thread>

#include "core/common/AppError.h"
#include "core/ignition/SerialErrors.h"

namespace curvedesk::board {

BoardLink::BoardLink(BoardModel& board, int baud) : board_(board), wire_(board, baud) {}

void BoardLink::Open(const std::string& /*settings*/) {
  if (open_) return;
  if (board_.LinkDropped()) {
    wire_.Cut();
    input_.clear();
    board_.Replug();
  }
  open_ = true;
  ++opens_;
}

void BoardLink::CheckLink() {
  if (!board_.LinkDropped()) return;
  open_ = false;
  RaiseError(ErrSerialPortLost, "The link to the board was dropped.");
}

void BoardLink::TakeArrivals() { input_ += wire_.Advance(BoardWire::Clock::now()); }

std::size_t BoardLink::BytesAvailable() {
  CheckLink();
  TakeArrivals();
  return input_.size();
}

std::string BoardLink::Read(std::size_t count) {
  CheckLink();
  TakeArrivals();
  if (count == 0 || count > input_.size()) count = input_.size();
  std::string text = input_.substr(0, count);
  input_.erase(0, count);
  return text;
}

void BoardLink::Write(std::string_view text) {
  CheckLink();
  wire_.HostWrites(text, BoardWire::Clock::now());
  // An instant wire lets the board take the text at once.
  TakeArrivals();
}

void BoardLink::ClearInput() {
  TakeArrivals();
  input_.clear();
}

// Sleeps until the wire's next character arrives or the timeout passes: the wire is simulated, so
// there is no event to wait on, only the time its next character is due.
bool BoardLink::WaitForInput(std::chrono::milliseconds timeout) {
  const auto deadline = BoardWire::Clock::now() + timeout;
  const std::size_t before = BytesAvailable();
  while (input_.size() == before && BoardWire::Clock::now() < deadline) {
    const auto next = wire_.NextArrival();
    std::this_thread::sleep_until(next ? std::min(*next, deadline) : deadline);
    CheckLink();
    TakeArrivals();
  }
  return !input_.empty();
}

}  // namespace curvedesk::board
