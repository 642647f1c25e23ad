#pragma once

namespace curvedesk {

// Where a long board job reports how far it has come: the progress window, the command line's
// progress bar, or nothing in tests. Windows let pending events run here.
class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  // 0 to 100.
  virtual void SetProgress(int percent) = 0;
};

}  // namespace curvedesk
