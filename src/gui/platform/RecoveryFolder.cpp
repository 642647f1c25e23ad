#include "gui/platform/RecoveryFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace curvedesk {

namespace {

// Names tried when this process already holds the first (two programs of one process in tests).
constexpr int kMostNamesTried = 100;

void Release(std::unique_ptr<QLockFile>& lock) {
  if (!lock) return;
  lock->unlock();
  lock.reset();
}

bool CopyExists(const RecoveryCopyFiles& files) {
  return QFileInfo::exists(QString::fromStdString(files.curve)) ||
         QFileInfo::exists(QString::fromStdString(files.info));
}

// A lock file that stays held by this process until it is released; a stale one is taken over.
std::unique_ptr<QLockFile> TryLock(const QString& path) {
  auto lock = std::make_unique<QLockFile>(path);
  // A lock is stale only when its program no longer runs, however long it has been held.
  lock->setStaleLockTime(0);
  if (lock->tryLock(0)) return lock;
  // A lock naming this process was left by an earlier one whose id this one got after a restart,
  // unless this process holds it; removing a stale lock fails while any program holds it.
  qint64 owner = 0;
  QString host;
  QString application;
  const bool namesThisProcess = lock->error() == QLockFile::LockFailedError &&
                                lock->getLockInfo(&owner, &host, &application) &&
                                owner == QCoreApplication::applicationPid();
  if (namesThisProcess && lock->removeStaleLockFile() && lock->tryLock(0)) return lock;
  return nullptr;
}

}  // namespace

RecoveryFolder::RecoveryFolder(QString folder, Edition edition) : folder_(std::move(folder)), edition_(edition) {}

RecoveryFolder::~RecoveryFolder() { Close(); }

void RecoveryFolder::Close() {
  ReleaseLeftCopies();
  Release(ownLock_);
}

bool RecoveryFolder::Open(std::string& reason) {
  if (folder_.isEmpty() || !QDir().mkpath(folder_)) {
    reason = kRecoveryFolderNotMade;
    return false;
  }
  const std::string first =
      RecoveryStem(edition_, QDateTime::currentSecsSinceEpoch(), QCoreApplication::applicationPid());
  for (int attempt = 1; attempt <= kMostNamesTried; ++attempt) {
    const std::string stem = attempt == 1 ? first : first + "-" + std::to_string(attempt);
    const RecoveryCopyFiles files = RecoveryFilesOf(Path(), stem);
    if (CopyExists(files)) continue;
    if (auto lock = TryLock(QString::fromStdString(files.lock))) {
      ownLock_ = std::move(lock);
      ownFiles_ = files;
      return true;
    }
  }
  reason = kRecoveryFolderNotWritable;
  return false;
}

std::vector<std::string> RecoveryFolder::TakeLeftCopies() {
  std::vector<std::string> fileNames;
  for (const QString& name : QDir(folder_).entryList(QDir::Files | QDir::Hidden))
    fileNames.push_back(name.toStdString());
  std::vector<std::string> stems;
  for (const std::string& stem : RecoveryStemsIn(fileNames, edition_)) {
    const RecoveryCopyFiles files = RecoveryFilesOf(Path(), stem);
    if (files.lock == ownFiles_.lock) continue;
    auto lock = TryLock(QString::fromStdString(files.lock));
    if (!lock) continue;  // its program runs
    if (!CopyExists(files)) {
      Release(lock);  // a program that ended with nothing unsaved
      continue;
    }
    leftLocks_.push_back(std::move(lock));
    stems.push_back(stem);
  }
  return stems;
}

void RecoveryFolder::ReleaseLeftCopies() {
  for (auto& lock : leftLocks_) Release(lock);
  leftLocks_.clear();
}

}  // namespace curvedesk
