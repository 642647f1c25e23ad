#include "gui/print/FormPrintOptions.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/DialogButtons.h"
#include "gui/widgets/DialogPlacement.h"

namespace curvedesk {

FormPrintOptions::FormPrintOptions(const QString& title, const QString& comparisonName, QWidget* parent)
    : QDialog(parent), chkIncludeComparison_(new QCheckBox(tr("Include the comparison curve"), this)) {
  setObjectName(QStringLiteral("FormPrintOptions"));
  setWindowTitle(title);
  setModal(true);
  chkIncludeComparison_->setObjectName(QStringLiteral("chkIncludeComparison"));
  chkIncludeComparison_->setChecked(true);
  auto* explanation = new QLabel(
      tr("Each page can show the comparison curve %1 faded and dashed behind this curve.").arg(comparisonName));
  explanation->setWordWrap(true);
  explanation->setMinimumWidth(320);

  const auto [ok, cancel, buttons] = MakeOkCancelButtons(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(chkIncludeComparison_);
  layout->addWidget(explanation);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<bool> FormPrintOptions::Ask() {
  if (exec() != QDialog::Accepted) return std::nullopt;
  return chkIncludeComparison_->isChecked();
}

void FormPrintOptions::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (parentWidget()) PlaceDialog(*this, *parentWidget()->window());
}

}  // namespace curvedesk
