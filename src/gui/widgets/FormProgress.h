#pragma once

#include <QWidget>

#include "core/ignition/ProgressSink.h"

class QProgressBar;

class QLabel;

namespace curvedesk {

// The progress window of a long job (programming, printing): a caption and a bar from 0 to 100,
// shown without blocking over the window that started the job. Only the program closes it; each
// step lets pending window events run so the windows stay alive.
class FormProgress : public QWidget, public ProgressSink {
  Q_OBJECT
 public:
  FormProgress(const QString& caption, QWidget* owner);

  // Shows the window placed over its owner by the dialog placement rule.
  void ShowOverOwner();
  void SetProgress(int percent) override;
  // A line of text above the bar ("Printing page 2 ..."); hidden while empty.
  void SetLabel(const QString& text);
  int Progress() const;
  // Closes the window for good; the user cannot.
  void CloseByProgram();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* lblProgress_;
  QProgressBar* prgProgress_;
  bool closing_ = false;
};

}  // namespace curvedesk
