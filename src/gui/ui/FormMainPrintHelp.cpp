// The main window's printing and help commands.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QWhatsThis>

#include "gui/graph/GraphView.h"
#include "gui/help/HelpWindow.h"
#include "gui/paint/GraphPdfExport.h"
#include "gui/print/PrintGraphCommand.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/ui/FormMain.h"
#include "gui/paint/MakerLogoPainter.h"

namespace curvedesk {

// A field whose check fails keeps the focus; then nothing is printed.
bool FormMain::FocusGraph() {
  picGraph_->setFocus(Qt::OtherFocusReason);
  QCoreApplication::processEvents();
  return focusWidget() == picGraph_;
}

void FormMain::PrintGraph() {
  Guarded([this] {
    if (!FocusGraph()) return;
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The pages show the curve as it was when printing started; nothing changes it meanwhile.
    const CurveDocument::Job job(document_);
    const CurveData snapshot = document_.Curve();
    const int shownState = document_.ShownState();
    const std::optional<PrintRange> range = choosePrinter_(this, *printer_);
    if (!range) return;
    PrintCurvePages(this, *printer_, snapshot, shownState, *range, context_.CustName, PaintMakerLogo);
  });
}

void FormMain::ExportPdf() {
  Guarded([this] {
    if (!FocusGraph()) return;
    const CurveData snapshot = document_.Curve();
    const QString curveName = QFileInfo(QString::fromStdString(document_.FileName())).completeBaseName();
    const QString suggested = QDir(QString::fromStdString(context_.folders.documentsDir))
                                  .filePath(curveName.isEmpty() ? QStringLiteral("curve.pdf") : curveName + ".pdf");
    const QString path = fileDialogs_.SaveFile(this, tr("Export PDF"), suggested, tr("PDF Files (*.pdf)"));
    if (path.isEmpty()) return;
    const CurveDocument::Job job(document_);
    ExportGraphPdf(snapshot, context_.CustName, path, PaintMakerLogo);
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
