#include "core/common/FileErrors.h"

#include <cerrno>

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

}  // namespace curvedesk
