#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

#include "core/common/Prompter.h"
#include "core/document/CurveDocument.h"
#include "core/recovery/RecoveryCopy.h"

namespace curvedesk {

// A single-shot timer of the platform's event loop. Its owner calls RecoveryKeeper::TimerFired when
// it runs out.
class RecoveryTimer {
 public:
  virtual ~RecoveryTimer() = default;
  // Starts the timer, or starts it again from the beginning when it is running.
  virtual void Start(std::chrono::milliseconds delay) = 0;
  virtual void Stop() = 0;
};

// How long after the last change the copy is written: short enough that the copy is on disk within
// two seconds of any change, long enough that a drag or a spell of typing is written once.
inline constexpr std::chrono::milliseconds kRecoveryDelay{1500};

// Keeps the running program's recovery copy in step with its document. While the document has
// unsaved changes, every change of what the copy holds (the curve, its file name, the sensor state
// shown) starts the timer again, and the copy is written when it runs out: once after a burst of
// changes, never while nothing changes. When the document has no unsaved changes any more (saved,
// closed without saving, undone to the saved point) the copy is removed.
class RecoveryKeeper {
 public:
  // now: the time the copy is stamped with, in seconds since 1970 UTC. A copy that cannot be written
  // is told through the prompter once in the keeper's life.
  RecoveryKeeper(CurveDocument& document, RecoveryTimer& timer, RecoveryCopyFiles files, Prompter& prompter,
                 std::function<std::int64_t()> now);
  ~RecoveryKeeper();
  RecoveryKeeper(const RecoveryKeeper&) = delete;
  RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;

  // The timer ran out: the copy is written when there are still unsaved changes.
  void TimerFired();
  // Writes the copy at once when there are unsaved changes. False when it could not be written.
  bool WriteNow();
  // The program ends normally: the copy is removed and no other is written.
  void Discard();

  const RecoveryCopyFiles& Files() const { return files_; }

 private:
  void Changed(const DocumentChange& change);
  bool HasUnsavedChanges() const { return document_.IsOpen() && document_.Modified(); }
  void Remove();

  CurveDocument& document_;
  RecoveryTimer& timer_;
  RecoveryCopyFiles files_;
  Prompter& prompter_;
  std::function<std::int64_t()> now_;
  int subscription_ = 0;
  bool copyMayExist_ = false;
  bool failureTold_ = false;
  bool discarded_ = false;
};

}  // namespace curvedesk
