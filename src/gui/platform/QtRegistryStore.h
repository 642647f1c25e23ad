#pragma once

#include <QString>
#include <memory>

#include "core/common/Registry.h"

class QSettings;

namespace curvedesk {

// The settings store of the running program. On Windows it is the registry itself (QSettings'
// native format under the given root key); elsewhere a file in the registry export layout
// (RegFileFormat) that keeps string and DWORD values apart. Each call opens the store, does one
// thing and closes it, like the registry calls it stands for.
class QtRegistryStore : public RegistryStore {
 public:
  // filePath: the settings file used where there is no registry. Ignored on Windows.
  explicit QtRegistryStore(QString filePath);

  long CreateKey(RootKey root, const std::string& subKey) override;
  long SetDword(RootKey root, const std::string& subKey, const std::string& name, std::uint32_t value) override;
  long GetDword(RootKey root, const std::string& subKey, const std::string& name, std::uint32_t& value) override;
  long SetString(RootKey root, const std::string& subKey, const std::string& name, const std::string& text) override;
  long GetString(RootKey root, const std::string& subKey, const std::string& name, std::string& text) override;
  // Off Windows: a settings file that cannot be read is renamed with the date beside itself.
  std::optional<std::string> SetAsideDamagedStore() override;

  // The settings file of this user: <config folder>/curvedesk/settings.reg.
  static QString DefaultFilePath();

 private:
  std::unique_ptr<QSettings> Open(RootKey root, const std::string& subKey) const;
  long Get(RootKey root, const std::string& subKey, const std::string& name, QVariant& value) const;
  long Set(RootKey root, const std::string& subKey, const std::string& name, const QVariant& value) const;

  QString filePath_;
};

}  // namespace curvedesk
