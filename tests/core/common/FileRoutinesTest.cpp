#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>

#include "core/common/AppError.h"
#include "core/common/FileErrors.h"
#include "core/common/FileRoutines.h"
#include "support/TempDir.h"

namespace curvedesk {
namespace {

using testing::ReadAll;
using testing::TempDir;

ErrorNumber ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const AppError& error) {
    return error.Number();
  }
  return 0;
}

TEST(FileRoutines, TruncateThenAppendBlankLines) {
  TempDir dir;
  const std::string path = dir.Write("f.txt", "old contents");
  TruncateFile(path);
  EXPECT_EQ(ReadAll(path), "");
  AppendBlankLines(path, 2);
  EXPECT_EQ(ReadAll(path), "\r\n\r\n");
}

TEST(FileRoutines, WriteFileAtomicallyReplacesTheFileAndLeavesNoTemporary) {
  TempDir dir;
  const std::string path = dir.Write("f.crv", "old");
  WriteFileAtomically(path, "new");
  EXPECT_EQ(ReadAll(path), "new");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(FileRoutines, MissingFolderGivesPathNotFound) {
  TempDir dir;
  EXPECT_EQ(ErrorOf([&] { WriteFileAtomically(dir.File("missing/f.crv"), "x"); }), ErrPathNotFound);
  EXPECT_EQ(ErrorOf([&] { TruncateFile(dir.File("missing/f.crv")); }), ErrPathNotFound);
}

TEST(FileRoutines, ReadOnlyFileIsRefusedAndKeptWhole) {
  TempDir dir;
  const std::string path = dir.Write("f.crv", "keep me");
  std::filesystem::permissions(path, std::filesystem::perms::owner_read, std::filesystem::perm_options::replace);
  EXPECT_EQ(ErrorOf([&] { WriteFileAtomically(path, "x"); }), ErrPathFileAccess);
  EXPECT_EQ(ReadAll(path), "keep me");
}

TEST(FileRoutines, FolderInPlaceOfTheFileIsAnAccessError) {
  TempDir dir;
  std::filesystem::create_directory(dir.Path() / "f.crv");
  EXPECT_EQ(ErrorOf([&] { WriteFileAtomically(dir.File("f.crv"), "x"); }), ErrPathFileAccess);
  EXPECT_EQ(ErrorOf([&] { ReadFileBytes(dir.File("f.crv")); }), ErrPathFileAccess);
}

TEST(FileRoutines, SystemErrorsMapToTheRunTimeFileErrors) {
  const std::pair<int, ErrorNumber> cases[] = {
      {ENOENT, ErrPathNotFound}, {ENOTDIR, ErrPathNotFound}, {EACCES, ErrPathFileAccess},
      {EROFS, ErrPathFileAccess}, {ENOSPC, ErrDiskFull},       {EIO, ErrDeviceIO},
      {ENAMETOOLONG, ErrBadFileName}, {ENXIO, ErrDeviceUnavailable},
  };
  for (auto [errnoValue, expected] : cases) EXPECT_EQ(FileErrorFromErrno(errnoValue), expected) << errnoValue;
}

// Names are UTF-8 in memory. Windows keeps them in UTF-16 and reads the bytes given to its narrow
// file calls in the ANSI code page, which would turn each of these characters into two.
TEST(FileRoutines, NamesOutsideAsciiAreTheSameCharactersOnDisk) {
  TempDir dir;
  const std::string path = dir.File("") + "Z\xC3\xBCndkurve 50\xC2\xB0.crv";
  const std::filesystem::path onDisk = dir.Path() / std::filesystem::path(u8"Z\u00FCndkurve 50\u00B0.crv");
  WriteFileAtomically(path, "new");
  EXPECT_TRUE(std::filesystem::exists(onDisk));
  EXPECT_EQ(ReadFileBytes(path), "new");
  TruncateFile(path);
  AppendBlankLines(path, 1);
  EXPECT_EQ(std::filesystem::file_size(onDisk), 2u);  // one CR LF
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(FileRoutines, ReadFileBytesOfAMissingFileIsNothing) {
  TempDir dir;
  EXPECT_FALSE(ReadFileBytes(dir.File("none")).has_value());
}

}  // namespace
}  // namespace curvedesk
