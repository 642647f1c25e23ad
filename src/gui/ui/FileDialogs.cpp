#include "gui/ui/FileDialogs.h"

#include <QFileDialog>

namespace curvedesk {

QString QtFileDialogs::OpenFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter) {
  return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString QtFileDialogs::SaveFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter) {
  return QFileDialog::getSaveFileName(parent, title, folder, filter);
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
