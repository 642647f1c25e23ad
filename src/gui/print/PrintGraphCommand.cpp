#include "gui/print/PrintGraphCommand.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/common/AppError.h"
#include "core/print/PrintedPage.h"
#include "gui/widgets/FormProgress.h"

namespace curvedesk {

namespace {

// The progress window of the device jobs, captioned "Printing", naming the page being printed.
class PrintingProgress : public PrintProgressSink {
 public:
  explicit PrintingProgress(FormProgress& window) : window_(window) {}
  void PageStarting(const std::string& text) override { window_.SetLabel(QString::fromStdString(text)); }

 private:
  FormProgress& window_;
};

}  // namespace

bool IsInstalledPrinter(const QString& name) {
  for (const QString& installed : QPrinterInfo::availablePrinterNames())
    if (installed.compare(name, Qt::CaseInsensitive) == 0) return true;
  return false;
}

std::optional<PrintRange> AskForPrinter(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  if (!IsInstalledPrinter(printer.printerName())) RaiseError(ErrPrinter);
  return dialog.printRange() == QAbstractPrintDialog::Selection ? PrintRange::ShownGraph : PrintRange::AllGraphs;
}

void PrintCurvePages(QWidget* parent, QPrinter& printer, const CurveData& curve, int shownState, PrintRange range,
                     const std::string& custName, const LogoPainter& logo, const PrintedComparison& comparison) {
  FormProgress window(QObject::tr("Printing"), parent);
  window.ShowOverOwner();
  PrintingProgress progress(window);
  const bool printed =
      PrintGraphPages(printer, printer.resolution(), curve, custName,
                      PagesToPrint(curve, shownState, range == PrintRange::ShownGraph), logo, &progress, comparison);
  window.CloseByProgram();
  if (!printed) RaiseError(ErrPrinter);
}

}  // namespace curvedesk
