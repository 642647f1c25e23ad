#include "gui/ignition/FormCompareIgnition.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/DialogPlacement.h"

namespace curvedesk {

FormCompareIgnition::FormCompareIgnition(QWidget* owner)
    : QWidget(owner, Qt::Tool),
      lblVerdict_(new QLabel(this)),
      txtDifferences_(new QPlainTextEdit(this)),
      cmdClose_(new QPushButton(tr("Close"), this)) {
  setObjectName(QStringLiteral("FormCompareIgnition"));
  setWindowTitle(tr("Compare with Ignition"));
  setAttribute(Qt::WA_DeleteOnClose);
  lblVerdict_->setObjectName(QStringLiteral("lblVerdict"));
  lblVerdict_->setTextFormat(Qt::PlainText);
  QFont bold = lblVerdict_->font();
  bold.setBold(true);
  lblVerdict_->setFont(bold);
  txtDifferences_->setObjectName(QStringLiteral("txtDifferences"));
  txtDifferences_->setReadOnly(true);
  txtDifferences_->setLineWrapMode(QPlainTextEdit::NoWrap);
  txtDifferences_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // Wide enough for a difference line with both values spelled out.
  const QFontMetrics metrics(txtDifferences_->font());
  txtDifferences_->setMinimumSize(metrics.horizontalAdvance(QString(88, QLatin1Char('m'))), metrics.lineSpacing() * 18);
  cmdClose_->setObjectName(QStringLiteral("cmdClose"));
  cmdClose_->setDefault(true);
  connect(cmdClose_, &QPushButton::clicked, this, &QWidget::close);
  // The caption stays readable above a short verdict.
  setMinimumWidth(360);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdClose_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblVerdict_);
  layout->addWidget(txtDifferences_, 1);
  layout->addLayout(buttons);
}

void FormCompareIgnition::ShowReport(const std::vector<std::string>& report) {
  lblVerdict_->setText(report.empty() ? QString() : QString::fromStdString(report.front()));
  QString differences;
  for (std::size_t i = 2; i < report.size(); ++i) differences += QString::fromStdString(report[i]) + QLatin1Char('\n');
  txtDifferences_->setPlainText(differences);
  txtDifferences_->setVisible(!differences.isEmpty());
}

void FormCompareIgnition::ShowOverOwner() {
  adjustSize();
  if (parentWidget()) PlaceDialog(*this, *parentWidget()->window());
  show();
  raise();
  activateWindow();
}

QString FormCompareIgnition::Verdict() const { return lblVerdict_->text(); }

QString FormCompareIgnition::Differences() const { return txtDifferences_->toPlainText(); }

}  // namespace curvedesk
