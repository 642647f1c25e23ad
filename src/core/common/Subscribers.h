#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace curvedesk {

// The views that follow one model: each subscription is a number to unsubscribe with later, and
// every listener hears each notification in the order they subscribed.
template <typename... Args>
class Subscribers {
 public:
  using Listener = std::function<void(Args...)>;

  int Subscribe(Listener listener) {
    listeners_.emplace_back(++last_, std::move(listener));
    return last_;
  }
  void Unsubscribe(int subscription) {
    std::erase_if(listeners_, [subscription](const auto& entry) { return entry.first == subscription; });
  }
  void Notify(const Args&... args) const {
    // A listener may subscribe or unsubscribe others while it runs.
    const auto listeners = listeners_;
    for (const auto& entry : listeners) entry.second(args...);
  }

 private:
  std::vector<std::pair<int, Listener>> listeners_;
  int last_ = 0;
};

}  // namespace curvedesk
