#include "core/document/EditHistory.h"

#include <utility>

namespace curvedesk {

void EditHistory::Clear(bool atSavedPoint) {
  steps_.clear();
  position_ = 0;
  savedAt_ = atSavedPoint ? std::optional<std::size_t>(0) : std::nullopt;
}

void EditHistory::Push(EditStep step) {
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(position_), steps_.end());
  // The saved point among the dropped steps can never be reached again.
  if (savedAt_ && *savedAt_ > position_) savedAt_.reset();

  const bool joins = !step.mergeKey.empty() && position_ > 0 && !AtSavedPoint() &&
                     steps_.back().mergeKey == step.mergeKey && steps_.back().name == step.name;
  if (!joins) {
    steps_.push_back(std::move(step));
    ++position_;
    return;
  }
  EditStep& last = steps_.back();
  last.after = std::move(step.after);
  last.shownAfter = step.shownAfter;
  if (last.after == last.before && last.shownAfter == last.shownBefore) {
    steps_.pop_back();
    --position_;
  }
}

const EditStep& EditHistory::Undo() { return steps_[--position_]; }

const EditStep& EditHistory::Redo() { return steps_[position_++]; }

}  // namespace curvedesk
