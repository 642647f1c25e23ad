#include "core/common/FileErrors.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace curvedesk {

ErrorNumber FileErrorFromErrno(int errnoValue) {
  switch (errnoValue) {
    case ENOENT:
    case ENOTDIR:
      return ErrPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
      return ErrPathFileAccess;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
      return ErrDiskFull;
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
      return ErrBadFileName;
    case ENXIO:
    case ENODEV:
      return ErrDeviceUnavailable;
    case ENOMEM:
      return ErrOutOfMemory;
    default:
      return ErrDeviceIO;
  }
}

ErrorNumber FileErrorFromSystem(std::error_code error) {
  if (error.category() == std::generic_category() || error.category() == std::system_category())
    return FileErrorFromErrno(error.value());
  return ErrDeviceIO;
}

std::optional<std::string> UnreadableFileReason(const std::string& path) {
  std::error_code error;
  // A folder opens for reading on some systems and only fails at the first read.
  if (std::filesystem::is_directory(path, error)) return std::generic_category().message(EISDIR);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::generic_category().message(errno);
  std::fclose(file);
  return std::nullopt;
}

}  // namespace curvedesk
