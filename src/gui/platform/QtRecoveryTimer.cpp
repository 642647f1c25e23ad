#include "gui/platform/QtRecoveryTimer.h"

namespace curvedesk {

QtRecoveryTimer::QtRecoveryTimer(std::function<void()> fired) {
  timer_.setSingleShot(true);
  QObject::connect(&timer_, &QTimer::timeout, &timer_, std::move(fired));
}

}  // namespace curvedesk
