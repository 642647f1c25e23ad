#pragma once

#include <QString>

#include "core/model/CurveData.h"
#include "gui/paint/PrintGraphPage.h"

namespace curvedesk {

// Writes the printed pages of every graph of the curve to a PDF file (Letter, 600 dots per inch),
// with no printer involved, and the comparison behind them when one is given. The file is replaced
// only when every page was written; otherwise AppError ErrPathFileAccess is raised and an existing
// file is kept.
void ExportGraphPdf(const CurveData& curve, const std::string& custName, const QString& path, const LogoPainter& logo,
                    const PrintedComparison& comparison = {});

}  // namespace curvedesk
