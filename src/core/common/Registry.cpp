#include "core/common/Registry.h"

#include <array>
#include <utility>

#include "core/common/AppError.h"
#include "core/common/IniDocument.h"

namespace curvedesk {

namespace {

struct Located {
  RootKey root;
  std::string subKey;
};

Located Locate(std::string_view keyPath) {
  RegistryPath path = SplitRegistryPath(keyPath);
  return {RootKeyFromName(path.rootName), std::move(path.subKey)};
}

void RaiseOnFailure(long status) {
  if (status != win32::kSuccess) RaiseError(MapRegistryError(status));
}

}  // namespace

RegistryPath SplitRegistryPath(std::string_view keyPath) {
  const auto slash = keyPath.find('\\');
  if (slash == std::string_view::npos) return {std::string(keyPath), {}};
  return {std::string(keyPath.substr(0, slash)), std::string(keyPath.substr(slash + 1))};
}

RootKey RootKeyFromName(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, RootKey>, 7> kRoots = {{
      {"HKEY_CLASSES_ROOT", RootKey::ClassesRoot},
      {"HKEY_CURRENT_USER", RootKey::CurrentUser},
      {"HKEY_LOCAL_MACHINE", RootKey::LocalMachine},
      {"HKEY_USERS", RootKey::Users},
      {"HKEY_PERFORMANCE_DATA", RootKey::PerformanceData},
      {"HKEY_CURRENT_CONFIG", RootKey::CurrentConfig},
      {"HKEY_DYN_DATA", RootKey::DynData},
  }};
  for (const auto& [rootName, root] : kRoots)
    if (rootName == name) return root;
  return RootKey::None;
}

ErrorNumber MapRegistryError(long status) {
  switch (status) {
    case win32::kFileNotFound:
    case win32::kBadKey:
      return ErrRegistryMissing;
    case win32::kTooManyOpenFiles:
    case win32::kAccessDenied:
    case win32::kCannotOpen:
    case win32::kCannotRead:
    case win32::kCannotWrite:
      return ErrRegistryDenied;
    case win32::kNotEnoughMemory:
    case win32::kOutOfMemory:
      return ErrOutOfMemory;
    case win32::kBadDatabase:
    case win32::kRegistryCorrupt:
      return ErrRegistryCorrupt;
    default:
      return ErrGeneric;
  }
}

void RegCreateKeyPath(RegistryStore& store, std::string_view keyPath) {
  const Located key = Locate(keyPath);
  RaiseOnFailure(store.CreateKey(key.root, key.subKey));
}

void RegSetDword(RegistryStore& store, std::string_view keyPath, const std::string& name, std::int32_t value) {
  const Located key = Locate(keyPath);
  RaiseOnFailure(store.SetDword(key.root, key.subKey, name, static_cast<std::uint32_t>(value)));
}

std::int32_t RegGetDword(RegistryStore& store, std::string_view keyPath, const std::string& name) {
  const Located key = Locate(keyPath);
  std::uint32_t value = 0;
  RaiseOnFailure(store.GetDword(key.root, key.subKey, name, value));
  return static_cast<std::int32_t>(value);
}

void RegSetString(RegistryStore& store, std::string_view keyPath, const std::string& name, const std::string& text) {
  const Located key = Locate(keyPath);
  RaiseOnFailure(store.SetString(key.root, key.subKey, name, text));
}

std::string RegGetString(RegistryStore& store, std::string_view keyPath, const std::string& name) {
  const Located key = Locate(keyPath);
  std::string text;
  RaiseOnFailure(store.GetString(key.root, key.subKey, name, text));
  return std::string(TrimBlanks(text));
}

}  // namespace curvedesk
