#pragma once

#include <QDialog>
#include <optional>

class QCheckBox;

namespace curvedesk {

// Asked before printing or exporting a PDF while a comparison curve is open: whether the pages show
// it too, faded and dashed behind the curve ("before and after"). The check box starts on.
class FormPrintOptions : public QDialog {
  Q_OBJECT
 public:
  // title: the command ("Print Graph", "Export PDF"); comparisonName: the comparison's file name.
  FormPrintOptions(const QString& title, const QString& comparisonName, QWidget* parent = nullptr);

  // Shows the dialog modal: whether to include the comparison, or nothing when cancelled.
  std::optional<bool> Ask();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QCheckBox* chkIncludeComparison_;
};

}  // namespace curvedesk
