#pragma once

#include <chrono>

#include "core/ignition/Programmer.h"
#include "emulator/BoardLink.h"
#include "emulator/BoardModel.h"

namespace curvedesk::testing {

using namespace std::chrono_literals;

// Waits short enough that failures show in milliseconds, long enough for an in-process board.
inline constexpr ProtocolTimings kBoardTimings{.identifyWait = 20ms,
                                               .identifyAttempts = 3,
                                               .readySilence = 100ms,
                                               .endRecordWait = 100ms,
                                               .wordReadLimit = 50ms};

// A software board reached in process, with the program's protocol in front of it.
struct BoardFixture {
  explicit BoardFixture(board::BoardOptions options = {}) : board(std::move(options)) {}

  board::BoardModel board;
  board::BoardLink link{board};
  Programmer programmer{link, "19200,n,8,1", kBoardTimings};

  std::uint8_t Plain(std::uint16_t address) const { return board.Memory().Get(board::BoardMemory::kPlain, address); }
  std::uint8_t Star(std::uint16_t address) const { return board.Memory().Get(board::BoardMemory::kStar, address); }
};

}  // namespace curvedesk::testing
