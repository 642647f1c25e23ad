#pragma once

#include <QDialog>
#include <cstdint>

#include "core/common/Prompter.h"

class QTimer;
class QToolButton;

namespace curvedesk {

class NumericField;

// "Change Rev. Limit": the rev limit to write into every sensor state, typed or stepped by 50 RPM
// with the up-down control (held down it repeats after 300 ms, another 300 ms, then every 50 ms).
// Program (tag "1") only with a value that passes the RPM check; Cancel is tag "2".
class FormChangeRevLimit : public QDialog {
  Q_OBJECT
 public:
  FormChangeRevLimit(Prompter& prompter, QWidget* parent = nullptr);

  // Shows the dialog modal with "6000"; returns the tag.
  QString Ask();
  std::int32_t RevLimit() const;
  const QString& Tag() const { return tag_; }

  // One step of the up-down control: +50 up to 12500, -50 while above 0.
  void StepUp();
  void StepDown();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool CheckRevLimit();
  void StartRepeat(int direction);
  void Repeat();

  Prompter& prompter_;
  NumericField* txtRevLimit_;
  QTimer* tmrRepeatTimer_;
  int repeatDirection_ = 0;
  int repeats_ = 0;
  QString tag_ = QStringLiteral("2");
};

}  // namespace curvedesk
