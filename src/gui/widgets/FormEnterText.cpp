#include "gui/widgets/FormEnterText.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/widgets/DialogButtons.h"
#include "gui/widgets/DialogPlacement.h"

namespace curvedesk {

namespace {

// The numeric mode's key rule: digits, Tab and Backspace pass, other typed characters beep.
class NumericKeys : public QObject {
 public:
  NumericKeys(const bool& numeric, QObject* parent) : QObject(parent), numeric_(numeric) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) {
      // Getting the focus selects the whole text, as a typed answer replaces it.
      if (auto* field = qobject_cast<QLineEdit*>(watched))
        QMetaObject::invokeMethod(field, &QLineEdit::selectAll, Qt::QueuedConnection);
      return false;
    }
    if (!numeric_ || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backspace ||
        key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape)
      return false;
    if (text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9')) return false;
    QApplication::beep();
    return true;
  }

 private:
  const bool& numeric_;
};

}  // namespace

FormEnterText::FormEnterText(Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter), lblPrompt_(new QLabel(this)), txtResponse_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("FormEnterText"));
  setModal(true);
  lblPrompt_->setObjectName(QStringLiteral("lblPrompt"));
  txtResponse_->setObjectName(QStringLiteral("txtResponse"));
  txtResponse_->setMinimumWidth(220);
  txtResponse_->setContextMenuPolicy(Qt::NoContextMenu);  // no pasting letters past the key rule
  txtResponse_->installEventFilter(new NumericKeys(bIsNumericEntry, txtResponse_));

  const auto [ok, cancel, buttons] = MakeOkCancelButtons(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblPrompt_);
  layout->addWidget(txtResponse_);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(ok, &QPushButton::clicked, this, &FormEnterText::Confirm);
  connect(cancel, &QPushButton::clicked, this, [this] {
    tag_ = QStringLiteral("2");
    reject();
  });
}

QString FormEnterText::Ask(const QString& caption, const QString& prompt, const QString& text) {
  setWindowTitle(caption);
  lblPrompt_->setText(prompt);
  txtResponse_->setText(text);
  tag_ = QStringLiteral("2");  // closing the dialog any other way is a Cancel
  exec();
  return tag_;
}

void FormEnterText::SetPasswordChar(bool hidden) {
  txtResponse_->setEchoMode(hidden ? QLineEdit::Password : QLineEdit::Normal);
  // The password character is "*", whatever the style would draw.
  txtResponse_->setStyleSheet(hidden ? QStringLiteral("lineedit-password-character: 42;") : QString());
}

void FormEnterText::SetMaxLength(int maxLength) { txtResponse_->setMaxLength(maxLength); }

QString FormEnterText::Response() const { return txtResponse_->text(); }

void FormEnterText::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (parentWidget()) PlaceDialog(*this, *parentWidget()->window());
  txtResponse_->setFocus(Qt::ActiveWindowFocusReason);
}

void FormEnterText::Confirm() {
  const QString text = txtResponse_->text();
  if (text.isEmpty()) return;
  if (bIsNumericEntry) {
    bool isNumber = false;
    const qlonglong value = text.toLongLong(&isNumber);
    if (!isNumber || value > INT32_MAX) {
      // A number beyond the 32-bit range is an input error, not a range message.
      ShowError(prompter_, AppError(ErrOverflow, "Overflow"));
      return;
    }
    if (value < lMinValue || value > lMaxValue) {
      ShowErrorText(prompter_, "Value entered must be between " + std::to_string(lMinValue) + " and " +
                                   std::to_string(lMaxValue) + ".");
      return;
    }
  }
  tag_ = QStringLiteral("1");
  accept();
}

}  // namespace curvedesk
