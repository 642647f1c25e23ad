#include "gui/print/PrintGraphCommand.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QVBoxLayout>

#include "core/common/AppError.h"
#include "core/print/PrintedPage.h"

namespace curvedesk {

PrintProgressWindow::PrintProgressWindow(QWidget* parent) : QDialog(parent), label_(new QLabel(this)) {
  setObjectName(QStringLiteral("frmPrintProgress"));
  setWindowTitle(tr("Printing"));
  label_->setMinimumWidth(240);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
}

void PrintProgressWindow::PageStarting(const std::string& text) {
  label_->setText(QString::fromStdString(text));
  QCoreApplication::processEvents();
}

bool IsInstalledPrinter(const QString& name) {
  for (const QString& installed : QPrinterInfo::availablePrinterNames())
    if (installed.compare(name, Qt::CaseInsensitive) == 0) return true;
  return false;
}

void PrintGraphCommand(QWidget* parent, QPrinter& printer, const CurveData& curve, const std::string& custName,
                       const LogoPainter& logo) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!IsInstalledPrinter(printer.printerName())) RaiseError(ErrPrinter);

  const bool selectionOnly = dialog.printRange() == QAbstractPrintDialog::Selection;
  PrintProgressWindow progress(parent);
  progress.show();
  const bool printed = PrintGraphPages(printer, printer.resolution(), curve, custName,
                                       PagesToPrint(curve, selectionOnly), logo, &progress);
  progress.close();
  if (!printed) RaiseError(ErrPrinter);
}

}  // namespace curvedesk
