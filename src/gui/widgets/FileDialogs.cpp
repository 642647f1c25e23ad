#include "gui/widgets/FileDialogs.h"

#include <QFileDialog>

#include "core/model/AppFolders.h"

namespace curvedesk {

namespace {

// The dialogs take the last part of a folder that does not exist for a file name to propose: a
// remembered folder that was deleted would offer to save the curve as a file of that name.
QString StartFolder(const QString& folder) {
  return QString::fromStdString(NearestExistingFolder(folder.toStdString()));
}

}  // namespace

QString QtFileDialogs::OpenFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter) {
  return QFileDialog::getOpenFileName(parent, title, StartFolder(folder), filter);
}

QString QtFileDialogs::SaveFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter) {
  return QFileDialog::getSaveFileName(parent, title, StartFolder(folder), filter);
}

QString FileDialogFilter(const QString& description, const QString& pattern) {
  // "*.*" would leave out files without a dot where names need no extension.
#ifdef Q_OS_WIN
  const QString allFiles = QStringLiteral("All Files (*.*)");
#else
  const QString allFiles = QStringLiteral("All Files (*)");
#endif
  return description + QStringLiteral(" (") + pattern + QStringLiteral(");;") + allFiles;
}

}  // namespace curvedesk
