#pragma once

#include <memory>

#include "core/common/Prompter.h"
#include "core/document/CurveDocument.h"
#include "core/model/AppContext.h"
#include "core/recovery/RecoveryKeeper.h"
#include "gui/platform/QtRecoveryTimer.h"
#include "gui/platform/RecoveryFolder.h"

namespace curvedesk {

// Unsaved changes that survive the program being killed, crashing or the machine losing power.
// While it lives, the document's unsaved changes are kept in this program's recovery copy; at
// start-up the copies that other runs left behind are offered for restoring.
class CrashRecovery {
 public:
  // Takes this program's place in the recovery folder of the context's folders; a folder that
  // cannot be used is told through the prompter, and the program runs without copies.
  CrashRecovery(const AppContext& context, CurveDocument& document, Prompter& prompter);
  ~CrashRecovery();

  // Asks about each copy left by a run that did not end normally, newest first; the one restored
  // opens in the document with its file name, as unsaved changes, at the sensor state it showed.
  // Needs the ignition descriptions read.
  void OfferLeftCopies();
  // The program ends normally: its copy and its lock go.
  void Discard();

  bool Keeping() const { return keeper_ != nullptr; }
  const RecoveryCopyFiles& OwnFiles() const { return folder_.OwnFiles(); }

 private:
  const AppContext& context_;
  CurveDocument& document_;
  Prompter& prompter_;
  RecoveryFolder folder_;
  QtRecoveryTimer timer_;
  std::unique_ptr<RecoveryKeeper> keeper_;
};

}  // namespace curvedesk
