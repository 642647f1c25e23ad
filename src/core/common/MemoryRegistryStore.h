#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "core/common/Registry.h"

namespace curvedesk {

// A registry held in memory, for tests and tools: keys and names compare without regard to case,
// values keep their kind, and failures can be injected.
class MemoryRegistryStore : public RegistryStore {
 public:
  enum class Kind { Dword, String };
  struct Value {
    Kind kind = Kind::String;
    std::uint32_t dword = 0;
    std::string text;
  };

  long CreateKey(RootKey root, const std::string& subKey) override;
  long SetDword(RootKey root, const std::string& subKey, const std::string& name, std::uint32_t value) override;
  long GetDword(RootKey root, const std::string& subKey, const std::string& name, std::uint32_t& value) override;
  long SetString(RootKey root, const std::string& subKey, const std::string& name, const std::string& text) override;
  long GetString(RootKey root, const std::string& subKey, const std::string& name, std::string& text) override;

  // Every later call answers with this status (0 clears it).
  void FailAll(long status) { failAll_ = status; }
  // Every later call on a value of this name answers with the status.
  void FailValue(const std::string& name, long status) { failingValues_[Lower(name)] = status; }

  bool HasKey(RootKey root, const std::string& subKey) const;
  std::optional<Value> Peek(RootKey root, const std::string& subKey, const std::string& name) const;

 private:
  static std::string Lower(std::string text);
  static std::string KeyId(RootKey root, const std::string& subKey);
  long Failure(const std::string& name) const;
  Value* Find(RootKey root, const std::string& subKey, const std::string& name, long& status);
  long Store(RootKey root, const std::string& subKey, const std::string& name, Value value);

  std::map<std::string, std::map<std::string, Value>> keys_;
  std::map<std::string, long> failingValues_;
  long failAll_ = win32::kSuccess;
};

}  // namespace curvedesk
