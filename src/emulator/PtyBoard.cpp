#include "emulator/PtyBoard.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <stdexcept>

namespace curvedesk::board {

namespace {

[[noreturn]] void SystemFailure(const std::string& what) {
  throw std::runtime_error(what + ": " + std::strerror(errno));
}

timespec ToTimespec(std::chrono::nanoseconds duration) {
  if (duration.count() < 0) duration = {};
  return {static_cast<time_t>(duration.count() / 1'000'000'000), static_cast<long>(duration.count() % 1'000'000'000)};
}

}  // namespace

PtyBoard::PtyBoard(BoardModel& board, int baud) : board_(board), wire_(board, baud) {
  OpenTerminal();
  if (pipe2(stopPipe_, O_CLOEXEC | O_NONBLOCK) != 0) SystemFailure("cannot make a pipe");
}

PtyBoard::~PtyBoard() {
  Stop();
  CloseTerminal();
  for (int fd : stopPipe_)
    if (fd >= 0) close(fd);
}

void PtyBoard::OpenTerminal() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0) SystemFailure("cannot open a pseudo-terminal");
  if (grantpt(master_) != 0 || unlockpt(master_) != 0) SystemFailure("cannot unlock the pseudo-terminal");
  const char* name = ptsname(master_);
  if (name == nullptr) SystemFailure("cannot name the pseudo-terminal");
  devicePath_ = name;
  slaveKeeper_ = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slaveKeeper_ < 0) SystemFailure("cannot open " + devicePath_);
  // Raw characters both ways until the host sets its own line settings.
  termios settings{};
  tcgetattr(slaveKeeper_, &settings);
  cfmakeraw(&settings);
  tcsetattr(slaveKeeper_, TCSANOW, &settings);
}

std::string PtyBoard::DevicePath() const {
  std::lock_guard lock(mutex_);
  return devicePath_;
}

void PtyBoard::CloseTerminal() {
  if (master_ >= 0) close(master_);
  if (slaveKeeper_ >= 0) close(slaveKeeper_);
  master_ = slaveKeeper_ = -1;
}

void PtyBoard::Replug() {
  // The new terminal is made while the old one still exists, so that it gets another path.
  const int oldMaster = master_;
  const int oldKeeper = slaveKeeper_;
  OpenTerminal();
  close(oldMaster);
  close(oldKeeper);
  wire_.Cut();
  board_.Replug();
  if (replugged_) replugged_(devicePath_);
}

void PtyBoard::Start() {
  thread_ = std::thread([this] {
    try {
      Run();
    } catch (const std::exception& error) {
      std::cerr << "board on " << devicePath_ << " stopped: " << error.what() << "\n";
    }
  });
}

void PtyBoard::RequestStop() {
  const char wake = 's';
  [[maybe_unused]] const auto written = write(stopPipe_[1], &wake, 1);
}

void PtyBoard::Stop() {
  if (!thread_.joinable()) return;
  RequestStop();
  thread_.join();
}

void PtyBoard::WithBoard(const std::function<void(BoardModel&)>& action) {
  std::lock_guard lock(mutex_);
  action(board_);
}

std::size_t PtyBoard::CharactersToBoard() {
  std::lock_guard lock(mutex_);
  return wire_.CharactersToBoard();
}

std::size_t PtyBoard::CharactersToHost() {
  std::lock_guard lock(mutex_);
  return wire_.CharactersToHost();
}

void PtyBoard::Run(const std::function<void()>& quiet) {
  // A character is due at its time on the wire: without this the kernel may wake the thread up to
  // 50 microseconds late for every character, which a long run of short exchanges adds up.
  prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  int storedWhenQuiet = board_.RecordsStored();
  for (;;) {
    std::optional<BoardWire::Clock::time_point> next;
    {
      std::lock_guard lock(mutex_);
      next = wire_.NextArrival();
    }
    pollfd fds[2] = {{master_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    const nfds_t count = master_ >= 0 ? 2 : 1;
    pollfd* watched = master_ >= 0 ? fds : fds + 1;
    timespec timeout{};
    if (next) timeout = ToTimespec(*next - BoardWire::Clock::now());
    if (ppoll(watched, count, next ? &timeout : nullptr, nullptr) < 0 && errno != EINTR) SystemFailure("poll");
    if ((fds[1].revents & POLLIN) != 0) return;

    std::lock_guard lock(mutex_);
    if (master_ >= 0 && (fds[0].revents & POLLIN) != 0) {
      char buffer[4096];
      const ssize_t got = read(master_, buffer, sizeof buffer);
      if (got > 0) wire_.HostWrites(std::string_view(buffer, static_cast<std::size_t>(got)), BoardWire::Clock::now());
    }
    const std::string answer = wire_.Advance(BoardWire::Clock::now());
    if (master_ >= 0 && !answer.empty() && write(master_, answer.data(), answer.size()) < 0) SystemFailure("write");
    if (board_.LinkDropped()) Replug();
    if (!wire_.NextArrival() && board_.RecordsStored() != storedWhenQuiet) {
      storedWhenQuiet = board_.RecordsStored();
      if (quiet) quiet();
    }
  }
}

}  // namespace curvedesk::board
