#pragma once

#include <QTimer>
#include <functional>

#include "core/recovery/RecoveryKeeper.h"

namespace curvedesk {

// The recovery keeper's timer on the Qt event loop.
class QtRecoveryTimer : public RecoveryTimer {
 public:
  explicit QtRecoveryTimer(std::function<void()> fired);

  void Start(std::chrono::milliseconds delay) override { timer_.start(delay); }
  void Stop() override { timer_.stop(); }

 private:
  QTimer timer_;
};

}  // namespace curvedesk
