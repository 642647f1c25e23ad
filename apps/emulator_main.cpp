// curvedesk-emulator: a software ignition board on a pseudo-terminal, for tests, benchmarks and
// demonstrations without hardware.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "emulator/BoardMemory.h"
#include "emulator/EmulatorOptions.h"
#include "emulator/PtyBoard.h"

namespace {

curvedesk::board::PtyBoard* runningBoard = nullptr;

extern "C" void OnStopSignal(int) {
  if (runningBoard != nullptr) runningBoard->RequestStop();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace curvedesk::board;
  try {
    const EmulatorOptions options = ParseEmulatorOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (options.help) {
      std::cout << kEmulatorUsage;
      return 0;
    }
    BoardModel board(options.board, options.memoryFile.empty() ? BoardMemory() : BoardMemory::Load(options.memoryFile));
    PtyBoard pty(board, options.baud);
    auto save = [&] {
      if (!options.memoryFile.empty()) board.Memory().Save(options.memoryFile);
    };
    runningBoard = &pty;
    std::signal(SIGINT, OnStopSignal);
    std::signal(SIGTERM, OnStopSignal);
    std::cout << pty.DevicePath() << std::endl;
    // After the --drop-after fault the board comes back on another terminal: one line per path.
    pty.OnReplugged([](const std::string& path) { std::cout << path << std::endl; });
    pty.Run(save);
    runningBoard = nullptr;
    save();
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "curvedesk-emulator: " << error.what() << "\n" << kEmulatorUsage;
    return 2;
  }
}
