#include "core/recovery/RecoveryCopy.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>

#include "core/common/AppError.h"
#include "core/common/FileRoutines.h"
#include "core/common/IniFile.h"
#include "core/common/PathText.h"
#include "core/common/Utils.h"
#include "core/curvefile/CurveFile.h"

namespace curvedesk {

namespace {

constexpr std::string_view kSection = "RECOVERY";
constexpr std::string_view kCurveExtension = ".crv";
constexpr std::string_view kInfoExtension = ".ini";
constexpr std::string_view kLockExtension = ".lock";
constexpr std::string_view kSetAsideSuffix = "-damaged";
// Left behind by a write that was cut short (FileRoutines).
constexpr std::string_view kTemporarySuffix = ".saving~";
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string_view StemPrefix(Edition edition) {
  return edition == Edition::Compact ? "curvedesk_compact-" : "curvedesk-";
}

std::string Join(const std::string& folder, const std::string& name) {
  return Utf8FromPath(PathFromUtf8(folder) / PathFromUtf8(name));
}

// The copy is read by this program only, so it is written in UTF-8: a note or file name in any
// script comes back as it was, where the Windows-1252 of a saved curve file would lose it.
std::string Utf8Bytes(const IniDocument& document) {
  std::string bytes(kUtf8ByteOrderMark);
  for (const std::string& line : document.Lines()) bytes += line + "\r\n";
  return bytes;
}

IniDocument ReadDocument(const std::string& path) {
  const auto bytes = ReadFileBytes(path);
  return bytes ? IniDocument::Parse(*bytes) : IniDocument();
}

bool IsId(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == '-'; });
}

std::string WithSuffix(const std::string& path, std::string_view suffix) { return path + std::string(suffix); }

// "<folder>/<stem>-damaged.crv" for "<folder>/<stem>.crv".
std::string SetAsidePath(const std::string& path, std::string_view extension) {
  return path.substr(0, path.size() - extension.size()) + std::string(kSetAsideSuffix) + std::string(extension);
}

// A UTC time laid out by a format that takes the year, month, day, hour, minute and second.
std::string TimeText(const char* format, std::int64_t secondsSince1970) {
  using namespace std::chrono;
  const sys_seconds time{seconds(secondsSince1970)};
  const sys_days day = floor<days>(time);
  const year_month_day date(day);
  const hh_mm_ss clock(time - day);
  char text[40];
  std::snprintf(text, sizeof text, format, static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                static_cast<unsigned>(date.day()), static_cast<int>(clock.hours().count()),
                static_cast<int>(clock.minutes().count()), static_cast<int>(clock.seconds().count()));
  return text;
}

}  // namespace

std::string RecoveryStem(Edition edition, std::int64_t startedAt, std::int64_t processId) {
  return std::string(StemPrefix(edition)) + TimeText("%04d%02u%02u-%02d%02d%02d", startedAt) + "-" +
         std::to_string(processId);
}

RecoveryCopyFiles RecoveryFilesOf(const std::string& folder, const std::string& stem) {
  return {Join(folder, stem + std::string(kCurveExtension)), Join(folder, stem + std::string(kInfoExtension)),
          Join(folder, stem + std::string(kLockExtension))};
}

std::vector<std::string> RecoveryStemsIn(const std::vector<std::string>& fileNames, Edition edition) {
  const std::string_view prefix = StemPrefix(edition);
  std::vector<std::string> stems;
  for (const std::string& name : fileNames) {
    for (std::string_view extension : {kCurveExtension, kInfoExtension, kLockExtension}) {
      if (name.size() <= prefix.size() + extension.size() || !name.starts_with(prefix) || !name.ends_with(extension))
        continue;
      const std::string stem = name.substr(0, name.size() - extension.size());
      if (IsId(std::string_view(stem).substr(prefix.size()))) stems.push_back(stem);
    }
  }
  std::sort(stems.begin(), stems.end());
  stems.erase(std::unique(stems.begin(), stems.end()), stems.end());
  return stems;
}

void WriteRecoveryCopy(const RecoveryCopyFiles& files, const CurveData& curve, const RecoveryInfo& info) {
  WriteFileAtomically(files.curve, Utf8Bytes(WriteCurveDocument(curve, curve.CustType)));
  IniDocument ini;
  IniWriteString(ini, kSection, "FileName", info.fileName);
  IniWriteInt(ini, kSection, "ShownState", info.shownState);
  IniWriteString(ini, kSection, "Saved", FormatUtcTime(info.savedAt));
  WriteFileAtomically(files.info, Utf8Bytes(ini));
}

RecoveredCurve ReadRecoveryCopy(const RecoveryCopyFiles& files, const IgnitionDescriptionTable& descriptions,
                                const SensorStateGraph& defaultGraph) {
  RecoveredCurve recovered;
  const IniDocument ini = ReadDocument(files.info);
  recovered.info.fileName = IniReadString(ini, kSection, "FileName");
  recovered.info.shownState = IniReadInt(ini, kSection, "ShownState");
  if (!ParseUtcTime(IniReadString(ini, kSection, "Saved"), recovered.info.savedAt)) RaiseError(ErrIniRead);

  const auto curveBytes = ReadFileBytes(files.curve);
  if (!curveBytes) RaiseError(ErrNotCurveFile);
  ClearCurve(recovered.curve, defaultGraph);
  LoadCurveDocument(recovered.curve, IniDocument::Parse(*curveBytes), descriptions, defaultGraph);
  return recovered;
}

void RemoveRecoveryCopy(const RecoveryCopyFiles& files) {
  std::error_code ignored;
  for (const std::string& path : {files.curve, files.info}) {
    std::filesystem::remove(PathFromUtf8(path), ignored);
    std::filesystem::remove(PathFromUtf8(WithSuffix(path, kTemporarySuffix)), ignored);
  }
}

std::vector<std::string> SetAsideDamagedCopy(const RecoveryCopyFiles& files) {
  std::vector<std::string> kept;
  for (const auto& [path, extension] :
       {std::pair{files.curve, kCurveExtension}, std::pair{files.info, kInfoExtension}}) {
    std::error_code error;
    if (!std::filesystem::exists(PathFromUtf8(path), error)) continue;
    const std::string target = SetAsidePath(path, extension);
    std::filesystem::rename(PathFromUtf8(path), PathFromUtf8(target), error);
    kept.push_back(error ? path : target);
  }
  return kept;
}

std::string FormatUtcTime(std::int64_t secondsSince1970) {
  return TimeText("%04d-%02u-%02uT%02d:%02d:%02dZ", secondsSince1970);
}

bool ParseUtcTime(std::string_view text, std::int64_t& secondsSince1970) {
  using namespace std::chrono;
  // Exactly "YYYY-MM-DDTHH:MM:SSZ".
  constexpr std::string_view kPattern = "0000-00-00T00:00:00Z";
  if (text.size() != kPattern.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (kPattern[i] == '0' ? !digit : text[i] != kPattern[i]) return false;
  }
  const auto number = [&](std::size_t at, std::size_t length) {
    int value = 0;
    for (std::size_t i = at; i < at + length; ++i) value = value * 10 + (text[i] - '0');
    return value;
  };
  const year_month_day date{year(number(0, 4)), month(static_cast<unsigned>(number(5, 2))),
                            day(static_cast<unsigned>(number(8, 2)))};
  const int hour = number(11, 2);
  const int minute = number(14, 2);
  const int second = number(17, 2);
  if (!date.ok() || hour > 23 || minute > 59 || second > 59) return false;
  const sys_seconds time = sys_days(date) + hours(hour) + minutes(minute) + seconds(second);
  secondsSince1970 = time.time_since_epoch().count();
  return true;
}

std::string FormatLocalTime(std::int64_t secondsSince1970) {
  const auto time = static_cast<std::time_t>(secondsSince1970);
  const std::tm* local = std::localtime(&time);
  if (local == nullptr) return FormatUtcTime(secondsSince1970);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", local);
  return text;
}

std::string RestoreQuestion(const RecoveryInfo& info) {
  const std::string curve = info.fileName.empty() ? std::string("a new curve") : PathFileName(info.fileName);
  return "Restore the unsaved changes of " + curve + " from " + FormatLocalTime(info.savedAt) + "?";
}

std::string DamagedCopyMessage(const std::vector<std::string>& keptFiles, const std::string& reason) {
  std::string text = "Unsaved changes that an earlier run of the program kept for recovery could not be read:\r\n\r\n" +
                     reason + "\r\n\r\nThey were not restored. The files are kept as:";
  for (const std::string& file : keptFiles) text += "\r\n" + file;
  return text;
}

std::string CopiesNotKeptMessage(const std::string& place, const std::string& reason) {
  return "Unsaved changes cannot be kept for recovery in " + place +
         ", so they would be lost if the program ended unexpectedly:\r\n\r\n" + reason +
         "\r\n\r\nSave your curve to keep your changes.";
}

}  // namespace curvedesk
