#pragma once

#include <QString>

#include "core/model/CurveData.h"
#include "gui/paint/PrintGraphPage.h"

class QPrinter;
class QWidget;

namespace curvedesk {

// The Print Graph command after the focus check: the print dialog over parent, preset with the
// current printer and offering the selection (the graph on screen) but no page numbers; then one
// page per graph. Cancel prints nothing; a chosen printer that is not installed raises ErrPrinter.
// The curve is a snapshot the caller keeps unchanged while the pages are printed.
void PrintGraphCommand(QWidget* parent, QPrinter& printer, const CurveData& curve, int shownState,
                       const std::string& custName, const LogoPainter& logo);

// True when name is one of the installed printers, compared without regard to case.
bool IsInstalledPrinter(const QString& name);

}  // namespace curvedesk
