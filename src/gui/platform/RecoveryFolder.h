#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "core/model/Edition.h"
#include "core/recovery/RecoveryCopy.h"

class QLockFile;

namespace curvedesk {

// The recovery folder as the running program sees it: its own copy, whose lock it holds while it
// runs so that no other program takes the copy, and the copies that programs which ended without
// removing theirs left behind. A lock whose program no longer runs is stale and can be taken.
class RecoveryFolder {
 public:
  RecoveryFolder(QString folder, Edition edition);
  ~RecoveryFolder();
  RecoveryFolder(const RecoveryFolder&) = delete;
  RecoveryFolder& operator=(const RecoveryFolder&) = delete;

  // Makes the folder and takes a lock under a name of this program's own. False, with the reason,
  // when the folder cannot be used.
  bool Open(std::string& reason);
  const RecoveryCopyFiles& OwnFiles() const { return ownFiles_; }
  // The program ends: its place is given up.
  void Close();
  std::string Path() const { return folder_.toStdString(); }

  // The stems of the edition's copies whose programs no longer run. Their locks are held from here
  // until ReleaseLeftCopies, so that a program started meanwhile does not offer them too. Stale lock
  // files without a copy are removed.
  std::vector<std::string> TakeLeftCopies();
  void ReleaseLeftCopies();

 private:
  QString folder_;
  Edition edition_;
  RecoveryCopyFiles ownFiles_;
  std::unique_ptr<QLockFile> ownLock_;
  std::vector<std::unique_ptr<QLockFile>> leftLocks_;
};

}  // namespace curvedesk
