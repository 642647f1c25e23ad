#pragma once

#include <QDialog>
#include <QString>

class QGroupBox;
class QPushButton;
class QVBoxLayout;

namespace curvedesk {

// A small modal dialog of the Config menu: a body over a row of buttons, placed over its owner
// by the program's placement rule when shown. The answer is a result tag: "1" for OK, "2" for
// Cancel or any other way of closing.
class ConfigDialog : public QDialog {
  Q_OBJECT
 public:
  static inline const QString kOk = QStringLiteral("1");
  static inline const QString kCancel = QStringLiteral("2");

  // Shows the dialog modal and returns its tag.
  QString Ask();
  const QString& Tag() const { return tag_; }

  // Esc or the window's close box: Cancel, or OK for a dialog whose only answer is OK.
  void reject() override;

 protected:
  enum class Buttons { OkCancel, OkOnly };
  ConfigDialog(const char* objectName, const QString& title, QWidget* owner, Buttons buttons = Buttons::OkCancel);

  // The area above the buttons.
  QVBoxLayout* Body() const { return body_; }
  // A captioned frame added to the body, for the dialog's controls.
  QGroupBox* AddFrame(const QString& caption);
  QPushButton* OkButton() const { return ok_; }
  // Runs on OK; false keeps the dialog open.
  virtual bool Confirm() { return true; }

  void showEvent(QShowEvent* event) override;

 private:
  void AnswerOk();

  QVBoxLayout* body_;
  QPushButton* ok_;
  Buttons buttons_;
  QString tag_ = kCancel;
};

}  // namespace curvedesk
