#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <deque>
#include <functional>

namespace curvedesk::testing {

// Answers the program's own modal dialogs as they appear: each shown dialog gets the next step of
// the script, run from the dialog's event loop once it has started. A dialog beyond the script is
// a test failure and is cancelled.
class ModalScript : public QObject {
 public:
  using Step = std::function<void(QDialog&)>;

  ModalScript() { qApp->installEventFilter(this); }
  ~ModalScript() override { qApp->removeEventFilter(this); }

  void Then(Step step) { steps_.push_back(std::move(step)); }
  bool Done() const { return steps_.empty(); }
  const std::vector<QString>& Shown() const { return shown_; }

  // Steps that click a named button, optionally after typing into a named field.
  static Step Click(const char* button) {
    return [button](QDialog& dialog) {
      auto* target = dialog.findChild<QPushButton*>(QString::fromLatin1(button));
      ASSERT_NE(target, nullptr) << button;
      QTest::mouseClick(target, Qt::LeftButton);
    };
  }
  static Step Type(const char* field, const QString& text, const char* button) {
    return [=](QDialog& dialog) {
      auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(field));
      ASSERT_NE(edit, nullptr) << field;
      edit->clear();
      QTest::keyClicks(edit, text);
      Click(button)(dialog);
    };
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (event->type() != QEvent::Show || !dialog || !dialog->isModal()) return false;
    shown_.push_back(dialog->objectName());
    Step step = steps_.empty() ? Step([](QDialog& unexpected) {
      ADD_FAILURE() << "unexpected dialog " << unexpected.objectName().toStdString();
      unexpected.reject();
    })
                               : std::move(steps_.front());
    if (!steps_.empty()) steps_.pop_front();
    QMetaObject::invokeMethod(
        dialog, [dialog, step] { step(*dialog); }, Qt::QueuedConnection);
    return false;
  }

 private:
  std::deque<Step> steps_;
  std::vector<QString> shown_;
};

}  // namespace curvedesk::testing
