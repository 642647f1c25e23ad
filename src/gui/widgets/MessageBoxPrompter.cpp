#include "gui/widgets/MessageBoxPrompter.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>

namespace curvedesk {

namespace {

QMessageBox::Icon ToQt(Prompter::Icon icon) {
  switch (icon) {
    case Prompter::Icon::Information:
      return QMessageBox::Information;
    case Prompter::Icon::Warning:
      return QMessageBox::Warning;
    case Prompter::Icon::Critical:
      return QMessageBox::Critical;
    case Prompter::Icon::Question:
      return QMessageBox::Question;
    case Prompter::Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(Prompter::Buttons buttons) {
  switch (buttons) {
    case Prompter::Buttons::Ok:
      return QMessageBox::Ok;
    case Prompter::Buttons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompter::Buttons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case Prompter::Buttons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

// A message box that knows whether it was dismissed (Escape, the window's close button) rather than
// answered with a button: Qt answers a Yes/No box dismissed so with No.
class DismissableBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;
  bool Dismissed() const { return dismissed_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->matches(QKeySequence::Cancel)) dismissed_ = true;
    QMessageBox::keyPressEvent(event);
  }
  void closeEvent(QCloseEvent* event) override {
    dismissed_ = true;
    QMessageBox::closeEvent(event);
  }

 private:
  bool dismissed_ = false;
};

}  // namespace

Prompter::Answer MessageBoxPrompter::Ask(const std::string& title, const std::string& text, Icon icon,
                                         Buttons buttons) {
  // Messages carry CR LF line breaks; Qt wants LF.
  QString body = QString::fromStdString(text);
  body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  DismissableBox box(ToQt(icon), QString::fromStdString(title), body, ToQt(buttons), parent_);
  // Enter answers with the first button, Yes or OK, whatever order the desktop lays the buttons out in.
  box.setDefaultButton(buttons == Buttons::Ok || buttons == Buttons::OkCancel ? QMessageBox::Ok : QMessageBox::Yes);
  const int answer = box.exec();
  // A question put away unanswered is no answer: a No could discard what the user meant to keep.
  if (box.Dismissed()) return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
  switch (answer) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    case QMessageBox::Ok:
      return Answer::Ok;
    default:
      return Answer::Cancel;
  }
}

}  // namespace curvedesk
