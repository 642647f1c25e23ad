#pragma once

#include <QDialog>
#include <cstdint>

#include "core/common/Prompter.h"

class QLineEdit;
class QPushButton;

namespace curvedesk {

// "Clear Engine Starts": Clear (tag "1") or Cancel (tag "2").
class FormClearEngineStarts : public QDialog {
  Q_OBJECT
 public:
  explicit FormClearEngineStarts(QWidget* parent = nullptr);
  // Shows the dialog modal; returns the tag.
  QString Ask();
  const QString& Tag() const { return tag_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QString tag_ = QStringLiteral("2");
};

// "Maximum Desired RPM": the value to edit and the exceeded count; Clear (tag "0", only with a
// count), OK (tag "1", once the value passes its check) or Cancel (tag "2").
class FormMaxDesiredRPM : public QDialog {
  Q_OBJECT
 public:
  FormMaxDesiredRPM(Prompter& prompter, QWidget* parent = nullptr);
  // Fills the fields and shows the dialog modal; returns the tag.
  QString Ask(std::int32_t currentRpm, std::int32_t exceededCount);
  std::int32_t Rpm() const;
  const QString& Tag() const { return tag_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Answer(const QString& tag);
  void Confirm();

  Prompter& prompter_;
  QLineEdit* txtMaxDesiredRPM_;
  QLineEdit* txtExcMaxRPM_;
  QPushButton* cmdClear_;
  QString tag_ = QStringLiteral("2");
};

}  // namespace curvedesk
