#include <QString>
#include <ostream>
#include <string>

#include "cli/CliCommand.h"
#include "cli/CliSupport.h"
#include "core/common/AppError.h"
#include "gui/paint/GraphPdfExport.h"
#include "gui/paint/MakerLogoPainter.h"

namespace curvedesk::cli {

namespace {

int Print(CliContext& context) {
  const char* usage = "print FILE --pdf OUT";
  if (!HasArgs(context, 3, 3, usage)) return 1;
  if (context.args[1] != "--pdf") {
    context.err << "usage: curvedesk-cli " << usage << "\n";
    return 1;
  }
  AppContext app;
  if (!StartUp(context, app)) return 1;
  const std::string& in = context.args[0];
  const std::string& out = context.args[2];
  CurveData curve;
  if (!OpenReporting(context, app, in, curve)) return 1;
  try {
    ExportGraphPdf(curve, app.CustName, QString::fromStdString(out), PaintMakerLogo);
  } catch (const AppError& error) {
    ReportError(context, out, error);
    return 1;
  }
  return 0;
}

constexpr CliCommand kPrintCommands[] = {
    {"print", "FILE --pdf OUT",
     "Writes the printed graph pages of a curve file, one page per sensor state, to a PDF file.", Print},
};

}  // namespace

std::span<const CliCommand> PrintCommands() { return kPrintCommands; }

}  // namespace curvedesk::cli
