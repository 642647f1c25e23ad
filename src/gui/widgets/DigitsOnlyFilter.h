#pragma once

#include <QObject>

namespace curvedesk {

// Key rule of the number fields: digits, Tab and Backspace pass; any other typed character is
// dropped with a beep. Keys without text (arrows, Delete) and Enter and Escape, which belong to the
// dialog's buttons, pass. Getting the focus selects the whole text.
class DigitsOnlyFilter : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace curvedesk
