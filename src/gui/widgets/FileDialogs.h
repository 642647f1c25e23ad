#pragma once

#include <QString>

class QWidget;

namespace curvedesk {

// The Open and Save As dialogs, behind one seam so tests can answer them. Each returns the chosen
// full path, or an empty text when the user cancelled.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  virtual QString OpenFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter) = 0;
  virtual QString SaveFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter) = 0;
};

// The system's file dialogs. Open wants an existing file; Save As asks before overwriting and adds
// no extension to a typed name.
class QtFileDialogs : public FileDialogs {
 public:
  QString OpenFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter) override;
  QString SaveFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter) override;
};

// "<description> (<pattern>)" followed by the all-files entry, in the dialogs' filter form.
QString FileDialogFilter(const QString& description, const QString& pattern);

}  // namespace curvedesk
