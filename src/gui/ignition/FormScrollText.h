#pragma once

#include <QString>
#include <QWidget>
#include <string>

#include "core/ignition/LogSink.h"

class QPlainTextEdit;
class QPushButton;

namespace curvedesk {

// The programming log: a read-only text that grows at the end and follows its last line, shown
// without blocking over the main window. The user's close (the title bar or the Close button) sets
// the tag to "2"; during a run it is refused and only the program closes the window.
class FormScrollText : public QWidget, public LogSink {
  Q_OBJECT
 public:
  FormScrollText(const QString& caption, QWidget* owner);

  // Shows the window placed over its owner by the dialog placement rule.
  void ShowOverOwner();
  void AddTextLine(const std::string& line) override;
  void ClearText();
  QString Text() const;

  const QString& Tag() const { return tag_; }
  void SetTag(const QString& tag) { tag_ = tag; }
  // While a run goes on the user cannot close the window.
  void SetRunning(bool running);
  // Closes the window for good, also during a run.
  void CloseByProgram();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QPlainTextEdit* txtText_;
  QPushButton* cmdClose_;
  QString tag_ = QStringLiteral("0");
  bool running_ = false;
  bool closing_ = false;
};

}  // namespace curvedesk
