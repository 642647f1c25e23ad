#include "core/common/MemoryRegistryStore.h"

#include <algorithm>

namespace curvedesk {

std::string MemoryRegistryStore::Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
  return text;
}

std::string MemoryRegistryStore::KeyId(RootKey root, const std::string& subKey) {
  std::string id = Lower(subKey);
  while (!id.empty() && id.back() == '\\') id.pop_back();
  return std::to_string(static_cast<int>(root)) + "\\" + id;
}

long MemoryRegistryStore::Failure(const std::string& name) const {
  if (failAll_ != win32::kSuccess) return failAll_;
  auto found = failingValues_.find(Lower(name));
  return found == failingValues_.end() ? win32::kSuccess : found->second;
}

long MemoryRegistryStore::CreateKey(RootKey root, const std::string& subKey) {
  if (failAll_ != win32::kSuccess) return failAll_;
  if (root == RootKey::None) return win32::kInvalidHandle;
  // The key and each missing parent.
  for (std::size_t slash = subKey.find('\\'); slash != std::string::npos; slash = subKey.find('\\', slash + 1))
    keys_[KeyId(root, subKey.substr(0, slash))];
  keys_[KeyId(root, subKey)];
  return win32::kSuccess;
}

MemoryRegistryStore::Value* MemoryRegistryStore::Find(RootKey root, const std::string& subKey,
                                                      const std::string& name, long& status) {
  status = Failure(name);
  if (status != win32::kSuccess) return nullptr;
  if (root == RootKey::None) {
    status = win32::kInvalidHandle;
    return nullptr;
  }
  auto key = keys_.find(KeyId(root, subKey));
  if (key == keys_.end()) {
    status = win32::kFileNotFound;
    return nullptr;
  }
  auto value = key->second.find(Lower(name));
  if (value == key->second.end()) {
    status = win32::kFileNotFound;
    return nullptr;
  }
  return &value->second;
}

long MemoryRegistryStore::Store(RootKey root, const std::string& subKey, const std::string& name, Value value) {
  if (long status = Failure(name); status != win32::kSuccess) return status;
  if (root == RootKey::None) return win32::kInvalidHandle;
  auto key = keys_.find(KeyId(root, subKey));
  if (key == keys_.end()) return win32::kFileNotFound;
  key->second[Lower(name)] = std::move(value);
  return win32::kSuccess;
}

long MemoryRegistryStore::SetDword(RootKey root, const std::string& subKey, const std::string& name,
                                   std::uint32_t value) {
  return Store(root, subKey, name, Value{Kind::Dword, value, {}});
}

long MemoryRegistryStore::SetString(RootKey root, const std::string& subKey, const std::string& name,
                                    const std::string& text) {
  return Store(root, subKey, name, Value{Kind::String, 0, text});
}

long MemoryRegistryStore::GetDword(RootKey root, const std::string& subKey, const std::string& name,
                                   std::uint32_t& value) {
  long status = win32::kSuccess;
  const Value* found = Find(root, subKey, name, status);
  if (!found) return status;
  if (found->kind != Kind::Dword) return win32::kInvalidData;
  value = found->dword;
  return win32::kSuccess;
}

long MemoryRegistryStore::GetString(RootKey root, const std::string& subKey, const std::string& name,
                                    std::string& text) {
  long status = win32::kSuccess;
  const Value* found = Find(root, subKey, name, status);
  if (!found) return status;
  if (found->kind != Kind::String) return win32::kInvalidData;
  text = found->text;
  return win32::kSuccess;
}

bool MemoryRegistryStore::HasKey(RootKey root, const std::string& subKey) const {
  return keys_.count(KeyId(root, subKey)) != 0;
}

std::optional<MemoryRegistryStore::Value> MemoryRegistryStore::Peek(RootKey root, const std::string& subKey,
                                                                    const std::string& name) const {
  auto key = keys_.find(KeyId(root, subKey));
  if (key == keys_.end()) return std::nullopt;
  auto value = key->second.find(Lower(name));
  if (value == key->second.end()) return std::nullopt;
  return value->second;
}

}  // namespace curvedesk
