#pragma once

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace curvedesk {

// The result of Compare with Ignition: the verdict in bold, and below it the bytes that differ,
// grouped by sensor state and node. Shown without blocking over the main window, so the curve can
// be looked at beside it; the user closes it.
class FormCompareIgnition : public QWidget {
  Q_OBJECT
 public:
  explicit FormCompareIgnition(QWidget* owner);

  // The report's first line is the verdict; the lines after the blank line that follows it are the
  // differences. The list is hidden when there are none.
  void ShowReport(const std::vector<std::string>& report);
  // Shows the window placed over its owner by the dialog placement rule.
  void ShowOverOwner();

  QString Verdict() const;
  QString Differences() const;

 private:
  QLabel* lblVerdict_;
  QPlainTextEdit* txtDifferences_;
  QPushButton* cmdClose_;
};

}  // namespace curvedesk
