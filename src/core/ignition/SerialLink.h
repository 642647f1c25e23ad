#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace curvedesk {

// The serial port as the board protocol sees it. The program keeps one link; it is opened by the
// first job and stays open until the program ends. Implementations: the Qt serial port of the
// program, a pseudo-terminal in tests, the in-process board model in fast tests.
class SerialLink {
 public:
  virtual ~SerialLink() = default;

  // Opens the configured port with the settings string ("19200,n,8,1"), XON/XOFF handshaking.
  // Does nothing when already open. Raises ErrNoComPort when no port is configured, and the port's
  // own failure as an AppError otherwise.
  virtual void Open(const std::string& settings) = 0;
  virtual bool IsOpen() const = 0;

  // Characters waiting in the receive buffer.
  virtual std::size_t BytesAvailable() = 0;
  // Reads count characters, or everything waiting when count is 0.
  virtual std::string Read(std::size_t count = 0) = 0;
  // Queues the text for sending, unchanged.
  virtual void Write(std::string_view text) = 0;
  // Discards everything in the receive buffer.
  virtual void ClearInput() = 0;

  // Waits until more input than now is waiting or the timeout passes, whichever comes first, and
  // keeps the windows responsive meanwhile. Returns true when input is waiting. Never a busy wait.
  virtual bool WaitForInput(std::chrono::milliseconds timeout) = 0;
};

}  // namespace curvedesk
