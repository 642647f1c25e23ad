#pragma once

#include <QDialog>
#include <cstdint>

#include "core/common/Prompter.h"

class QLabel;
class QLineEdit;

namespace curvedesk {

// The generic text entry dialog: a prompt and one field. In numeric mode only digits, Tab and
// Backspace can be typed and OK wants a number within lMinValue .. lMaxValue.
class FormEnterText : public QDialog {
  Q_OBJECT
 public:
  FormEnterText(Prompter& prompter, QWidget* parent = nullptr);

  // Set by the caller before Ask.
  bool bIsNumericEntry = false;
  std::int32_t lMinValue = 0;
  std::int32_t lMaxValue = 0;

  // Shows the dialog modal; returns the tag: "1" for OK, "2" for Cancel.
  QString Ask(const QString& caption, const QString& prompt, const QString& text);
  // The character shown in place of each typed one ('*' for a password), at most maxLength of them.
  void SetPasswordChar(bool hidden);
  void SetMaxLength(int maxLength);
  QString Response() const;
  const QString& Tag() const { return tag_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Confirm();

  Prompter& prompter_;
  QLabel* lblPrompt_;
  QLineEdit* txtResponse_;
  QString tag_ = QStringLiteral("2");
};

}  // namespace curvedesk
