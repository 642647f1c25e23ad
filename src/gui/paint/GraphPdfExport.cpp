#include "gui/paint/GraphPdfExport.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include "core/common/AppError.h"
#include "core/print/PrintedPage.h"

namespace curvedesk {

namespace {

constexpr int kPdfDotsPerInch = 600;

}  // namespace

void ExportGraphPdf(const CurveData& curve, const std::string& custName, const QString& path, const LogoPainter& logo,
                    const PrintedComparison& comparison) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) RaiseError(ErrPathFileAccess, path.toStdString());
  bool painted = false;
  {
    QPdfWriter writer(&file);
    writer.setResolution(kPdfDotsPerInch);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(QString::fromStdString(curve.Name));
    writer.setCreator(QString::fromLatin1(kMakerName));
    painted = PrintGraphPages(writer, kPdfDotsPerInch, curve, custName, PagesToPrint(curve, 0, false), logo, nullptr,
                              comparison);
  }
  if (!painted || !file.commit()) RaiseError(ErrPathFileAccess, path.toStdString());
}

}  // namespace curvedesk
