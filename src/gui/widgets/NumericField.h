#pragma once

#include <QLineEdit>
#include <functional>

namespace curvedesk {

// An entry field for a whole number, with the program's key rules: digits, Tab and Backspace pass,
// Enter runs the validation and on success moves to the next field, any other typed character is
// dropped with a beep. Getting the focus selects the whole text. Leaving the field with changed
// text runs the validation too; a rejection puts the focus back, and the text stays for the user
// to correct. The validation itself (and its messages) belongs to the window.
class NumericField : public QLineEdit {
  Q_OBJECT
 public:
  explicit NumericField(QWidget* parent = nullptr);

  // Returns whether the text was accepted.
  void SetValidation(std::function<bool()> validate) { validate_ = std::move(validate); }
  // Where Enter moves the focus after an accepted value; a disabled target passes the focus on to
  // its own next field (the end of the chain is never a numeric field).
  void SetNextField(QWidget* next) { next_ = next; }

  // Shows a value without marking it as typed.
  void ShowText(const QString& text);
  // Runs the validation when the text was typed since it was last accepted or shown; true when
  // there is nothing pending or the text was accepted.
  bool CommitPending();
  bool HasPendingText() const { return pending_; }

 signals:
  // Text was typed that is not yet accepted, or that text was accepted or replaced.
  void pendingChanged(bool pending);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void MoveToNext();
  void SetPending(bool pending);

  std::function<bool()> validate_;
  QWidget* next_ = nullptr;
  bool pending_ = false;
  bool validating_ = false;
};

}  // namespace curvedesk
