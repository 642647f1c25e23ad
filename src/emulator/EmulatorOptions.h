#pragma once

#include <string>
#include <vector>

#include "emulator/BoardModel.h"

namespace curvedesk::board {

// The emulator program's command line.
struct EmulatorOptions {
  int baud = 19200;
  std::string memoryFile;  // loaded at start, saved after each job and at exit; empty: memory only
  BoardOptions board;
  bool help = false;
};

// Raises std::runtime_error with a one-line reason for an unknown or malformed option.
EmulatorOptions ParseEmulatorOptions(const std::vector<std::string>& arguments);

extern const char* const kEmulatorUsage;

}  // namespace curvedesk::board
