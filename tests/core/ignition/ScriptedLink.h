#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <thread>

#include "core/ignition/SerialLink.h"

namespace curvedesk::testing {

// A serial link whose far end is a script: every write is shown to `board`, whose answer arrives
// at the next wait. Extra chunks queued in `arriving` come one per wait. A wait with nothing to
// deliver sleeps its timeout, so tests shorten the protocol's timings.
class ScriptedLink : public SerialLink {
 public:
  std::function<std::string(std::string_view written)> board;
  std::deque<std::string> arriving;
  std::string sent;
  std::string input;
  int opens = 0;
  int waits = 0;
  std::chrono::milliseconds slept{0};

  void Open(const std::string& /*settings*/) override {
    ++opens;
    open_ = true;
  }
  bool IsOpen() const override { return open_; }
  std::size_t BytesAvailable() override { return input.size(); }
  std::string Read(std::size_t count) override {
    if (count == 0 || count > input.size()) count = input.size();
    std::string text = input.substr(0, count);
    input.erase(0, count);
    return text;
  }
  void Write(std::string_view text) override {
    sent += text;
    if (!board) return;
    std::string answer = board(text);
    if (!answer.empty()) arriving.push_back(std::move(answer));
  }
  void ClearInput() override { input.clear(); }
  bool WaitForInput(std::chrono::milliseconds timeout) override {
    ++waits;
    if (!arriving.empty()) {
      input += arriving.front();
      arriving.pop_front();
      return true;
    }
    slept += timeout;
    std::this_thread::sleep_for(timeout);
    return !input.empty();
  }

 private:
  bool open_ = false;
};

}  // namespace curvedesk::testing
