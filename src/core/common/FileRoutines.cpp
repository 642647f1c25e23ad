#include "core/common/FileRoutines.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "core/common/AppError.h"
#include "core/common/FileErrors.h"
#include "core/common/PathText.h"

namespace curvedesk {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
#ifdef _WIN32
  // The wide call, so that the name reaches the disk as the characters it is (PathText.h).
  const std::wstring wideMode(mode, mode + std::strlen(mode));
  return _wfopen(path.c_str(), wideMode.c_str());
#else
  return std::fopen(path.c_str(), mode);
#endif
}

FileHandle OpenOrRaise(const std::filesystem::path& path, const char* mode) {
  errno = 0;
  FileHandle file(OpenFile(path, mode));
  if (!file) RaiseError(path.empty() ? ErrBadFileName : FileErrorFromErrno(errno));
  return file;
}

void WriteAllOrRaise(std::FILE* file, std::string_view bytes) {
  errno = 0;
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
    RaiseError(FileErrorFromErrno(errno != 0 ? errno : EIO));
  errno = 0;
  if (std::fflush(file) != 0) RaiseError(FileErrorFromErrno(errno != 0 ? errno : EIO));
}

// Closes explicitly so that a failing close (delayed write errors on network or full disks) is seen.
void CloseOrRaise(FileHandle& file) {
  errno = 0;
  const int result = std::fclose(file.release());
  if (result != 0) RaiseError(FileErrorFromErrno(errno != 0 ? errno : EIO));
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& utf8Path) {
  const std::filesystem::path path = PathFromUtf8(utf8Path);
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) return std::nullopt;
  if (error) RaiseError(FileErrorFromSystem(error));
  if (std::filesystem::is_directory(status)) RaiseError(ErrPathFileAccess);

  FileHandle file = OpenOrRaise(path, "rb");
  std::string bytes;
  char buffer[8192];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, got);
  if (std::ferror(file.get())) RaiseError(ErrDeviceIO);
  return bytes;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  if (path.empty()) RaiseError(ErrBadFileName);
  const std::filesystem::path target = PathFromUtf8(path);
  std::error_code error;
  if (std::filesystem::is_directory(target, error)) RaiseError(ErrPathFileAccess);

  // Keep an existing read-only file read-only: the rename below would otherwise replace it.
  const auto status = std::filesystem::status(target, error);
  if (!error && std::filesystem::exists(status)) {
    using std::filesystem::perms;
    if ((status.permissions() & perms::owner_write) == perms::none) RaiseError(ErrPathFileAccess);
  }

  std::filesystem::path temporary = target;
  temporary += ".saving~";
  try {
    FileHandle file = OpenOrRaise(temporary, "wb");
    WriteAllOrRaise(file.get(), bytes);
    CloseOrRaise(file);
    std::filesystem::rename(temporary, target, error);
    if (error) RaiseError(FileErrorFromSystem(error));
  } catch (...) {
    std::filesystem::remove(temporary, error);
    throw;
  }
}

void TruncateFile(const std::string& path) {
  FileHandle file = OpenOrRaise(PathFromUtf8(path), "wb");
  CloseOrRaise(file);
}

void AppendBlankLines(const std::string& path, int count) {
  FileHandle file = OpenOrRaise(PathFromUtf8(path), "ab");
  std::string lines;
  for (int i = 0; i < count; ++i) lines += "\r\n";
  WriteAllOrRaise(file.get(), lines);
  CloseOrRaise(file);
}

}  // namespace curvedesk
