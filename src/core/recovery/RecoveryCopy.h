#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/CurveData.h"
#include "core/model/Edition.h"
#include "core/model/IgnitionDescription.h"

namespace curvedesk {

// A recovery copy keeps the unsaved changes of a running program so that they survive the program
// being killed, crashing or the machine losing power. It is two files in the recovery folder: the
// curve as a curve file, and a small INI file beside it with what the curve file does not hold (the
// curve's own file name, the sensor state shown and when the copy was written). Each running
// program writes one copy under a name of its own and holds a lock file beside it while it runs.

// What the INI file beside the curve holds.
struct RecoveryInfo {
  std::string fileName;      // the curve's file, empty for a curve never saved
  int shownState = 0;        // the sensor state shown
  std::int64_t savedAt = 0;  // when the copy was written: seconds since 1970-01-01 00:00 UTC
};

// The files of one copy.
struct RecoveryCopyFiles {
  std::string curve;  // <folder>/<stem>.crv
  std::string info;   // <folder>/<stem>.ini
  std::string lock;   // <folder>/<stem>.lock, held by the program that writes the copy
};

// The name of one program's copy, without folder and extension: the edition's program name and an
// id made of the start time (UTC) and the process id, "curvedesk-20250131-130509-4242", so that the
// two editions never read each other's copies and two programs never share a name.
std::string RecoveryStem(Edition edition, std::int64_t startedAt, std::int64_t processId);
RecoveryCopyFiles RecoveryFilesOf(const std::string& folder, const std::string& stem);

// The stems of the edition's copies and lock files among the names of a folder's files, each once,
// in name order. Set-aside copies, temporary files and anything else are not among them.
std::vector<std::string> RecoveryStemsIn(const std::vector<std::string>& fileNames, Edition edition);

// Writes the curve, then the INI file, each replacing its previous version only once written in
// full. The curve file stores the curve's own cylinder text, so that it reads back as it is.
// Raises the file error of a failed write.
void WriteRecoveryCopy(const RecoveryCopyFiles& files, const CurveData& curve, const RecoveryInfo& info);

struct RecoveredCurve {
  CurveData curve;
  RecoveryInfo info;
};
// Reads a copy back. A copy is damaged when either file is missing or unreadable, the INI file lacks
// the sensor state or a valid time, or the curve file does not load (the ignition it names is no
// longer installed, say): that raises the error the reading ended with.
RecoveredCurve ReadRecoveryCopy(const RecoveryCopyFiles& files, const IgnitionDescriptionTable& descriptions,
                                const SensorStateGraph& defaultGraph);

// Removes the copy's curve and INI files and any temporary file a write left behind; missing files
// are fine. The lock file belongs to its program.
void RemoveRecoveryCopy(const RecoveryCopyFiles& files);

// Moves a damaged copy's files out of the way, to "<stem>-damaged.crv" and "<stem>-damaged.ini"
// beside them, so that it is reported once and never read again. Returns where each file that
// existed now is (its old place when it could not be moved).
std::vector<std::string> SetAsideDamagedCopy(const RecoveryCopyFiles& files);

// The time as the INI file stores it, "2025-01-31T13:05:09Z", and back; false for any other text.
std::string FormatUtcTime(std::int64_t secondsSince1970);
bool ParseUtcTime(std::string_view text, std::int64_t& secondsSince1970);

// The question asked at start-up for a copy, under kRestoreTitle:
// "Restore the unsaved changes of race.crv from 2025-01-31 14:05?" (the local time), or "... of a
// new curve from ..." for a curve never saved.
inline constexpr const char* kRestoreTitle = "Restore Unsaved Changes?";
std::string RestoreQuestion(const RecoveryInfo& info);
// "2025-01-31 14:05" in the local time zone.
std::string FormatLocalTime(std::int64_t secondsSince1970);

// The other messages about recovery copies, under kRecoveryTitle.
inline constexpr const char* kRecoveryTitle = "Unsaved Changes";
// A copy that could not be read, told once, at the start that set it aside: where its files are
// kept and why it could not be read.
std::string DamagedCopyMessage(const std::vector<std::string>& keptFiles, const std::string& reason);
// Told once in a run: unsaved changes are not kept in case the program ends unexpectedly, because
// the copy at `place` could not be written (or its folder not used) for `reason`.
std::string CopiesNotKeptMessage(const std::string& place, const std::string& reason);
inline constexpr const char* kRecoveryFolderNotMade = "The folder cannot be made.";
inline constexpr const char* kRecoveryFolderNotWritable = "The folder cannot be written to.";

}  // namespace curvedesk
