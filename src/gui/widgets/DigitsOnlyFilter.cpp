#include "gui/widgets/DigitsOnlyFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace curvedesk {

namespace {

bool PassesKey(const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      return true;
    default:
      break;
  }
  const QString text = key.text();
  if (text.isEmpty()) return true;
  return text.size() == 1 && text[0] >= '0' && text[0] <= '9';
}

}  // namespace

bool DigitsOnlyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && !PassesKey(static_cast<QKeyEvent&>(*event))) {
    QApplication::beep();
    return true;
  }
  if (event->type() == QEvent::FocusIn) {
    // After the focus change completes, or the click that gave the focus clears the selection.
    if (auto* field = qobject_cast<QLineEdit*>(watched)) QTimer::singleShot(0, field, &QLineEdit::selectAll);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace curvedesk
