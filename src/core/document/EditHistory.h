#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/model/CurveData.h"

namespace curvedesk {

// One named edit of a curve: the whole curve and the shown sensor state before and after it. A curve
// is a few hundred bytes, so whole snapshots keep undo exact and simple.
struct EditStep {
  std::string name;      // "Move Node", "Rev Limit" ...
  std::string mergeKey;  // steps in a row with the same non-empty key become one (a drag, typing)
  CurveData before;
  CurveData after;
  int shownBefore = 0;
  int shownAfter = 0;
};

// The undo history of one document: the steps done (before the current position) and undone
// (after it), and the saved point, the position at which the curve equals its file.
class EditHistory {
 public:
  // Forgets every step. A document that starts at its file has its saved point here; one that
  // starts changed (a new curve, a curve that changed while it was opened) has none to return to.
  void Clear(bool atSavedPoint);

  // Adds a step at the current position, dropping the undone steps. A step with the merge key of the
  // last step done joins it, unless the curve was saved in between; a joined step that ends where it
  // began leaves nothing (a node dragged back to where it started).
  void Push(EditStep step);

  bool CanUndo() const { return position_ > 0; }
  bool CanRedo() const { return position_ < steps_.size(); }
  // The step the next Undo or Redo would take; only when CanUndo or CanRedo says so.
  const EditStep& NextUndo() const { return steps_[position_ - 1]; }
  const EditStep& NextRedo() const { return steps_[position_]; }
  // Moves the position and returns the step passed.
  const EditStep& Undo();
  const EditStep& Redo();

  void MarkSaved() { savedAt_ = position_; }
  bool AtSavedPoint() const { return savedAt_ == position_; }
  std::size_t Size() const { return steps_.size(); }

 private:
  std::vector<EditStep> steps_;
  std::size_t position_ = 0;
  std::optional<std::size_t> savedAt_ = 0;
};

}  // namespace curvedesk
