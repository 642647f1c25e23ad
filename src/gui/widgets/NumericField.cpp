#include "gui/widgets/NumericField.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace curvedesk {

NumericField::NumericField(QWidget* parent) : QLineEdit(parent) {
  // Pasted text must follow the key rules too.
  setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
  connect(this, &QLineEdit::textEdited, this, [this] { SetPending(true); });
}

void NumericField::SetPending(bool pending) {
  if (pending == pending_) return;
  pending_ = pending;
  emit pendingChanged(pending);
}

void NumericField::ShowText(const QString& text) {
  setText(text);
  SetPending(false);
}

bool NumericField::CommitPending() {
  if (!pending_ || validating_) return !pending_;
  validating_ = true;
  const bool accepted = !validate_ || validate_();
  validating_ = false;
  if (accepted) SetPending(false);
  return accepted;
}

void NumericField::MoveToNext() {
  QWidget* next = next_;
  while (next && !next->isEnabled()) {
    auto* field = qobject_cast<NumericField*>(next);
    next = field ? field->next_ : nullptr;
  }
  if (next) next->setFocus(Qt::TabFocusReason);
}

void NumericField::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    // Enter validates even unchanged text: the user asked for it.
    SetPending(true);
    if (CommitPending()) MoveToNext();
    return;
  }
  const QString text = event->text();
  const bool typesCharacter = !text.isEmpty() && text.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier);
  if (typesCharacter && !(text.size() == 1 && text.at(0).isDigit() && text.at(0).unicode() < 128)) {
    QApplication::beep();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void NumericField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // After the mouse press that gave the focus has placed the cursor.
  QTimer::singleShot(0, this, [this] {
    if (hasFocus()) selectAll();
  });
}

void NumericField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Switching windows or opening a popup is not leaving the field.
  if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
  if (!CommitPending()) QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
}

}  // namespace curvedesk
