#include "gui/platform/FolderLookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace curvedesk {

namespace {
QString FirstSet(const QString& override, const char* variable, const QString& fallback) {
  if (!override.isEmpty()) return override;
  const QString fromEnvironment = qEnvironmentVariable(variable);
  return fromEnvironment.isEmpty() ? fallback : fromEnvironment;
}
}  // namespace

AppFolders LookUpAppFolders(const QString& dataOverride, const QString& documentsOverride) {
  const QString shipped =
      QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../share/curvedesk"));
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  AppFolders folders;
  folders.dataDir = QDir::cleanPath(FirstSet(dataOverride, "CURVEDESK_DATA_DIR", shipped)).toStdString();
  folders.documentsDir =
      QDir::cleanPath(FirstSet(documentsOverride, "CURVEDESK_DOCUMENTS_DIR", documents)).toStdString();
  return folders;
}

QString RecoveryFolderPath() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
      .filePath(QStringLiteral("recovery"));
}

}  // namespace curvedesk
