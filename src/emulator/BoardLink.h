#pragma once

#include <chrono>
#include <string>

#include "core/ignition/SerialLink.h"
#include "emulator/BoardModel.h"
#include "emulator/BoardWire.h"

namespace curvedesk::board {

// A serial link whose far end is a board model in the same process: the protocol runs without a
// port, a thread or a pseudo-terminal. The wire paces characters at the given baud rate (0: no
// pacing), so timing faults behave as on a real line. A dropped link raises ErrSerialPortLost and
// closes the link; opening it again plugs the board back in.
class BoardLink : public SerialLink {
 public:
  explicit BoardLink(BoardModel& board, int baud = 0);

  void Open(const std::string& settings) override;
  bool IsOpen() const override { return open_; }
  std::size_t BytesAvailable() override;
  std::string Read(std::size_t count = 0) override;
  void Write(std::string_view text) override;
  void ClearInput() override;
  bool WaitForInput(std::chrono::milliseconds timeout) override;

  const BoardWire& Wire() const { return wire_; }
  int Opens() const { return opens_; }

 private:
  void TakeArrivals();
  void CheckLink();

  BoardModel& board_;
  BoardWire wire_;
  std::string input_;
  bool open_ = false;
  int opens_ = 0;
};

}  // namespace curvedesk::board
