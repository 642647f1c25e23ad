#include "core/recovery/RecoveryKeeper.h"

#include <exception>

#include "core/common/ErrorMessages.h"

namespace curvedesk {

namespace {

// The parts of a change that alter what the copy holds; history and job changes alone do not.
constexpr unsigned kHeldByTheCopy = DocumentChange::kGraphs | DocumentChange::kConfiguration |
                                    DocumentChange::kShownState | DocumentChange::kFileState |
                                    DocumentChange::kDocument | DocumentChange::kCoil;

}  // namespace

RecoveryKeeper::RecoveryKeeper(CurveDocument& document, RecoveryTimer& timer, RecoveryCopyFiles files,
                               Prompter& prompter, std::function<std::int64_t()> now)
    : document_(document), timer_(timer), files_(std::move(files)), prompter_(prompter), now_(std::move(now)) {
  subscription_ = document_.Subscribe([this](const DocumentChange& change) { Changed(change); });
}

RecoveryKeeper::~RecoveryKeeper() { document_.Unsubscribe(subscription_); }

void RecoveryKeeper::Changed(const DocumentChange& change) {
  if (discarded_) return;
  if (!HasUnsavedChanges()) {
    timer_.Stop();
    Remove();
    return;
  }
  if ((change.parts & kHeldByTheCopy) != 0) timer_.Start(kRecoveryDelay);
}

void RecoveryKeeper::TimerFired() {
  if (!discarded_ && HasUnsavedChanges()) WriteNow();
}

bool RecoveryKeeper::WriteNow() {
  timer_.Stop();
  if (discarded_ || !HasUnsavedChanges()) return true;
  copyMayExist_ = true;
  std::string reason;
  try {
    WriteRecoveryCopy(files_, document_.Curve(), RecoveryInfo{document_.FileName(), document_.ShownState(), now_()});
    return true;
  } catch (const AppError& error) {
    reason = GetErrorMessage(error.Number(), error.Description());
  } catch (const std::exception& error) {
    reason = GetErrorMessage(ErrGeneric, error.what());
  }
  if (!failureTold_) {
    failureTold_ = true;
    prompter_.Tell(kRecoveryTitle, CopiesNotKeptMessage(files_.curve, reason), Prompter::Icon::Warning);
  }
  return false;
}

void RecoveryKeeper::Discard() {
  timer_.Stop();
  copyMayExist_ = true;
  Remove();
  discarded_ = true;
}

void RecoveryKeeper::Remove() {
  if (!copyMayExist_) return;
  RemoveRecoveryCopy(files_);
  copyMayExist_ = false;
}

}  // namespace curvedesk
