#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "emulator/BoardModel.h"
#include "emulator/BoardWire.h"

namespace curvedesk::board {

// The board behind a pseudo-terminal: the host opens DevicePath() as its serial port. Characters
// cross at the baud rate both ways (BoardWire). When the board's link drops, the terminal is
// closed, so the host sees its port fail as when a USB adapter is pulled out; the board comes back
// at once on a new terminal with another path, as the adapter plugged in again. Raises
// std::runtime_error when no terminal can be made.
class PtyBoard {
 public:
  PtyBoard(BoardModel& board, int baud);
  ~PtyBoard();
  PtyBoard(const PtyBoard&) = delete;
  PtyBoard& operator=(const PtyBoard&) = delete;

  // The terminal's path; a new one after the link dropped.
  std::string DevicePath() const;
  // Called with the new path when the board comes back after its link dropped, from the thread
  // that serves the board. Set before serving.
  void OnReplugged(std::function<void(const std::string& path)> replugged) { replugged_ = std::move(replugged); }

  // Serves the board on a thread of its own until Stop() or destruction.
  void Start();
  // Serves on the calling thread until RequestStop(); `quiet` runs whenever the wire falls quiet
  // after records were stored (the emulator saves the memory file there).
  void Run(const std::function<void()>& quiet = {});
  // Safe from a signal handler: only writes to a pipe.
  void RequestStop();
  void Stop();

  // Runs the action on the board while the server keeps off it.
  void WithBoard(const std::function<void(BoardModel&)>& action);
  std::size_t CharactersToBoard();
  std::size_t CharactersToHost();

 private:
  void OpenTerminal();
  void CloseTerminal();
  void Replug();

  BoardModel& board_;
  BoardWire wire_;
  mutable std::mutex mutex_;
  int master_ = -1;
  int slaveKeeper_ = -1;  // keeps the terminal alive while no host has it open
  int stopPipe_[2] = {-1, -1};
  std::string devicePath_;
  std::function<void(const std::string&)> replugged_;
  std::thread thread_;
};

}  // namespace curvedesk::board
