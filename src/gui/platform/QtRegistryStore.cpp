#include "gui/platform/QtRegistryStore.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "core/app/DamagedSettings.h"
#include "gui/platform/RegFileFormat.h"

namespace curvedesk {

namespace {

QString RootName(RootKey root) {
  switch (root) {
    case RootKey::ClassesRoot:
      return QStringLiteral("HKEY_CLASSES_ROOT");
    case RootKey::CurrentUser:
      return QStringLiteral("HKEY_CURRENT_USER");
    case RootKey::LocalMachine:
      return QStringLiteral("HKEY_LOCAL_MACHINE");
    case RootKey::Users:
      return QStringLiteral("HKEY_USERS");
    case RootKey::PerformanceData:
      return QStringLiteral("HKEY_PERFORMANCE_DATA");
    case RootKey::CurrentConfig:
      return QStringLiteral("HKEY_CURRENT_CONFIG");
    case RootKey::DynData:
      return QStringLiteral("HKEY_DYN_DATA");
    case RootKey::None:
      break;
  }
  return {};
}

long StatusOf(const QSettings& settings) {
  switch (settings.status()) {
    case QSettings::NoError:
      return win32::kSuccess;
    case QSettings::AccessError:
      return win32::kAccessDenied;
    case QSettings::FormatError:
      return win32::kRegistryCorrupt;
  }
  return win32::kRegistryCorrupt;
}

// Value names compare without regard to case, as in the registry; the stored spelling is kept.
QString StoredName(const QSettings& settings, const QString& name) {
  for (const QString& existing : settings.childKeys())
    if (existing.compare(name, Qt::CaseInsensitive) == 0) return existing;
  return name;
}

}  // namespace

QtRegistryStore::QtRegistryStore(QString filePath) : filePath_(std::move(filePath)) {}

QString QtRegistryStore::DefaultFilePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/curvedesk/settings.reg");
}

std::unique_ptr<QSettings> QtRegistryStore::Open(RootKey root, const std::string& subKey) const {
  const QString group = QString::fromStdString(subKey).replace(u'\\', u'/');
#ifdef Q_OS_WIN
  return std::make_unique<QSettings>(RootName(root) + u'\\' + QString::fromStdString(subKey), QSettings::NativeFormat);
#else
  auto settings = std::make_unique<QSettings>(filePath_, RegFileFormat());
  if (root != RootKey::CurrentUser) settings->beginGroup(RootName(root));
  if (!group.isEmpty()) settings->beginGroup(group);
  return settings;
#endif
}

long QtRegistryStore::CreateKey(RootKey root, const std::string& subKey) {
  if (root == RootKey::None) return win32::kInvalidHandle;
  QFileInfo file(filePath_);
  if (!file.exists() && !QDir().mkpath(file.absolutePath())) return win32::kAccessDenied;
  auto settings = Open(root, subKey);
  return StatusOf(*settings);
}

long QtRegistryStore::Get(RootKey root, const std::string& subKey, const std::string& name, QVariant& value) const {
  if (root == RootKey::None) return win32::kInvalidHandle;
  auto settings = Open(root, subKey);
  if (long status = StatusOf(*settings); status != win32::kSuccess) return status;
  const QString stored = StoredName(*settings, QString::fromStdString(name));
  if (!settings->contains(stored)) return win32::kFileNotFound;
  value = settings->value(stored);
  return win32::kSuccess;
}

long QtRegistryStore::Set(RootKey root, const std::string& subKey, const std::string& name,
                          const QVariant& value) const {
  if (root == RootKey::None) return win32::kInvalidHandle;
  auto settings = Open(root, subKey);
  if (long status = StatusOf(*settings); status != win32::kSuccess) return status;
  settings->setValue(StoredName(*settings, QString::fromStdString(name)), value);
  settings->sync();
  return StatusOf(*settings);
}

long QtRegistryStore::SetDword(RootKey root, const std::string& subKey, const std::string& name, std::uint32_t value) {
  return Set(root, subKey, name, QVariant::fromValue(static_cast<uint>(value)));
}

long QtRegistryStore::SetString(RootKey root, const std::string& subKey, const std::string& name,
                                const std::string& text) {
  return Set(root, subKey, name, QString::fromStdString(text));
}

long QtRegistryStore::GetDword(RootKey root, const std::string& subKey, const std::string& name, std::uint32_t& value) {
  QVariant stored;
  if (long status = Get(root, subKey, name, stored); status != win32::kSuccess) return status;
  const auto type = stored.metaType().id();
  if (type != QMetaType::UInt && type != QMetaType::Int) return win32::kInvalidData;
  value = stored.toUInt();
  return win32::kSuccess;
}

long QtRegistryStore::GetString(RootKey root, const std::string& subKey, const std::string& name, std::string& text) {
  QVariant stored;
  if (long status = Get(root, subKey, name, stored); status != win32::kSuccess) return status;
  if (stored.metaType().id() != QMetaType::QString) return win32::kInvalidData;
  text = stored.toString().toStdString();
  return win32::kSuccess;
}

std::optional<std::string> QtRegistryStore::SetAsideDamagedStore() {
#ifdef Q_OS_WIN
  return std::nullopt;
#else
  if (!IsDamagedRegFile(filePath_)) return std::nullopt;
  // Copies of damaged settings files beyond this many a day are not made.
  constexpr int kMostDamagedCopiesADay = 100;
  const QFileInfo file(filePath_);
  const std::string date = QDate::currentDate().toString(Qt::ISODate).toStdString();
  for (int copy = 1; copy <= kMostDamagedCopiesADay; ++copy) {
    const QString copyPath =
        file.dir().filePath(QString::fromStdString(DamagedSettingsCopyName(file.fileName().toStdString(), date, copy)));
    if (QFileInfo::exists(copyPath)) continue;
    if (!QFile::rename(filePath_, copyPath)) return std::nullopt;
    return copyPath.toStdString();
  }
  return std::nullopt;
#endif
}

}  // namespace curvedesk
