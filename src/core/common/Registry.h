#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/common/ErrorCode.h"

namespace curvedesk {

// Settings live under one registry-style key path, "HKEY_CURRENT_USER\Software\...". The store
// behind it is the platform's (the Windows registry, a settings file elsewhere, memory in tests);
// it answers with Win32 status codes, which the operations below turn into program errors.

enum class RootKey {
  None,  // an unknown root name: every call on it fails
  ClassesRoot,
  CurrentUser,
  LocalMachine,
  Users,
  PerformanceData,
  CurrentConfig,
  DynData,
};

// Win32 status codes the stores answer with.
namespace win32 {
inline constexpr long kSuccess = 0;
inline constexpr long kFileNotFound = 2;
inline constexpr long kTooManyOpenFiles = 4;
inline constexpr long kAccessDenied = 5;
inline constexpr long kInvalidHandle = 6;
inline constexpr long kNotEnoughMemory = 8;
inline constexpr long kInvalidData = 13;
inline constexpr long kOutOfMemory = 14;
inline constexpr long kBadDatabase = 1009;
inline constexpr long kBadKey = 1010;
inline constexpr long kCannotOpen = 1011;
inline constexpr long kCannotRead = 1012;
inline constexpr long kCannotWrite = 1013;
inline constexpr long kRegistryCorrupt = 1015;
}  // namespace win32

class RegistryStore {
 public:
  virtual ~RegistryStore() = default;

  virtual long CreateKey(RootKey root, const std::string& subKey) = 0;
  virtual long SetDword(RootKey root, const std::string& subKey, const std::string& name, std::uint32_t value) = 0;
  virtual long GetDword(RootKey root, const std::string& subKey, const std::string& name, std::uint32_t& value) = 0;
  virtual long SetString(RootKey root, const std::string& subKey, const std::string& name, const std::string& text) = 0;
  virtual long GetString(RootKey root, const std::string& subKey, const std::string& name, std::string& text) = 0;

  // Where the settings are a file of the program's own and that file is damaged: moves it aside,
  // so that the settings start again from their defaults, and answers where the damaged copy
  // went. Nothing otherwise; the Windows registry is not the program's to move.
  virtual std::optional<std::string> SetAsideDamagedStore() { return std::nullopt; }
};

struct RegistryPath {
  std::string rootName;
  std::string subKey;
};

// Cuts at the first backslash; a path without one is a root name with an empty sub-key.
RegistryPath SplitRegistryPath(std::string_view keyPath);
RootKey RootKeyFromName(std::string_view name);
ErrorNumber MapRegistryError(long status);

// Each raises MapRegistryError of a non-zero status, without a description.
void RegCreateKeyPath(RegistryStore& store, std::string_view keyPath);
void RegSetDword(RegistryStore& store, std::string_view keyPath, const std::string& name, std::int32_t value);
std::int32_t RegGetDword(RegistryStore& store, std::string_view keyPath, const std::string& name);
void RegSetString(RegistryStore& store, std::string_view keyPath, const std::string& name, const std::string& text);
// Blanks trimmed from both ends.
std::string RegGetString(RegistryStore& store, std::string_view keyPath, const std::string& name);

}  // namespace curvedesk
