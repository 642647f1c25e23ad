#include "gui/app/CrashRecovery.h"

#include <QDateTime>

#include "core/recovery/RecoveryOffer.h"

namespace curvedesk {

CrashRecovery::CrashRecovery(const AppContext& context, CurveDocument& document, Prompter& prompter)
    : context_(context),
      document_(document),
      prompter_(prompter),
      folder_(QString::fromStdString(context.folders.recoveryDir), context.edition),
      timer_([this] {
        if (keeper_) keeper_->TimerFired();
      }) {
  std::string reason;
  if (!folder_.Open(reason)) {
    prompter_.Tell(kRecoveryTitle, CopiesNotKeptMessage(folder_.Path(), reason), Prompter::Icon::Warning);
    return;
  }
  keeper_ = std::make_unique<RecoveryKeeper>(document_, timer_, folder_.OwnFiles(), prompter_,
                                             [] { return QDateTime::currentSecsSinceEpoch(); });
}

CrashRecovery::~CrashRecovery() = default;

void CrashRecovery::OfferLeftCopies() {
  if (!keeper_) return;
  const std::vector<LeftCopy> copies = ReadLeftCopies(folder_.Path(), folder_.TakeLeftCopies(),
                                                      context_.ignitionDescriptions, context_.defaultGraph, prompter_);
  const auto chosen =
      curvedesk::OfferLeftCopies(prompter_, copies, [](const LeftCopy& copy) { RemoveRecoveryCopy(copy.files); });
  if (chosen) {
    const LeftCopy& copy = copies[*chosen];
    const RecoveredCurve& recovered = copy.recovered;
    document_.Open(recovered.curve, recovered.info.fileName, true, recovered.info.shownState);
    // The curve is safe in this program's copy before the copy it came from goes.
    if (keeper_->WriteNow()) RemoveRecoveryCopy(copy.files);
  }
  folder_.ReleaseLeftCopies();
}

void CrashRecovery::Discard() {
  if (keeper_) keeper_->Discard();
  folder_.Close();
}

}  // namespace curvedesk
