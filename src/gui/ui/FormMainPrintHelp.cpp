// The main window's printing and help commands.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QWhatsThis>

#include "core/document/ComparisonCurve.h"
#include "gui/graph/GraphView.h"
#include "gui/help/HelpWindow.h"
#include "gui/paint/GraphPdfExport.h"
#include "gui/paint/MakerLogoPainter.h"
#include "gui/print/PrintGraphCommand.h"
#include "gui/ui/FormMain.h"
#include "gui/widgets/FileDialogs.h"

namespace curvedesk {

// A field whose check fails keeps the focus; then nothing is printed.
bool FormMain::FocusGraph() {
  picGraph_->setFocus(Qt::OtherFocusReason);
  QCoreApplication::processEvents();
  return focusWidget() == picGraph_;
}

namespace {

// The comparison as it is now, for a job that must not see it change; nothing unless included.
std::optional<CurveData> ComparisonSnapshot(const ComparisonCurve& comparison, bool included) {
  if (!included || !comparison.IsOpen()) return std::nullopt;
  return comparison.Curve();
}

PrintedComparison Printed(const std::optional<CurveData>& snapshot, const ComparisonCurve& comparison) {
  return snapshot ? PrintedComparison{&*snapshot, comparison.FileName()} : PrintedComparison{};
}

}  // namespace

void FormMain::PrintGraph() {
  Guarded([this] {
    if (!FocusGraph()) return;
    const std::optional<bool> includeComparison = AskIncludeComparison(tr("Print Graph"));
    if (!includeComparison) return;
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The pages show the curve as it was when printing started; nothing changes it meanwhile.
    const CurveDocument::Job job(document_);
    const CurveData snapshot = document_.Curve();
    const std::optional<CurveData> comparison = ComparisonSnapshot(*comparison_, *includeComparison);
    const int shownState = document_.ShownState();
    const std::optional<PrintRange> range = choosePrinter_(this, *printer_);
    if (!range) return;
    PrintCurvePages(this, *printer_, snapshot, shownState, *range, context_.CustName, PaintMakerLogo,
                    Printed(comparison, *comparison_));
  });
}

void FormMain::ExportPdf() {
  Guarded([this] {
    if (!FocusGraph()) return;
    const std::optional<bool> includeComparison = AskIncludeComparison(tr("Export PDF"));
    if (!includeComparison) return;
    const CurveData snapshot = document_.Curve();
    const std::optional<CurveData> comparison = ComparisonSnapshot(*comparison_, *includeComparison);
    const QString curveName = QFileInfo(QString::fromStdString(document_.FileName())).completeBaseName();
    const QString suggested = QDir(QString::fromStdString(context_.folders.documentsDir))
                                  .filePath(curveName.isEmpty() ? QStringLiteral("curve.pdf") : curveName + ".pdf");
    const QString path = fileDialogs_.SaveFile(this, tr("Export PDF"), suggested, tr("PDF Files (*.pdf)"));
    if (path.isEmpty()) return;
    const CurveDocument::Job job(document_);
    ExportGraphPdf(snapshot, context_.CustName, path, PaintMakerLogo, Printed(comparison, *comparison_));
  });
}

void FormMain::ShowHelpTopics() {
  Guarded([this] {
    auto* help = findChild<HelpWindow*>();
    if (!help) {
      help = new HelpWindow(HelpFolder(context_.folders.dataDir), this);
      help->setAttribute(Qt::WA_DeleteOnClose);
    }
    help->show();
    help->raise();
    help->activateWindow();
  });
}

void FormMain::EnterWhatsThisMode() { QWhatsThis::enterWhatsThisMode(); }

}  // namespace curvedesk
