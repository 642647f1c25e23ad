#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "core/model/CurveData.h"
#include "gui/paint/PrintGraphPage.h"

class QPrinter;
class QWidget;

namespace curvedesk {

// Which graphs the print dialog asked for: all of them, or the one on screen (the selection).
enum class PrintRange { AllGraphs, ShownGraph };

// The print dialog over parent, preset with the current printer and offering the selection but no
// page numbers. Nothing when cancelled; a chosen printer that is not installed raises ErrPrinter.
std::optional<PrintRange> AskForPrinter(QWidget* parent, QPrinter& printer);
using PrinterChooser = std::function<std::optional<PrintRange>(QWidget* parent, QPrinter& printer)>;

// Prints one page per graph of the range under the "Printing" progress window, which lets pending
// events run before each page, with the comparison behind each graph when one is given. The curves
// are snapshots the caller keeps unchanged meanwhile. Raises ErrPrinter when the printer cannot be
// painted on.
void PrintCurvePages(QWidget* parent, QPrinter& printer, const CurveData& curve, int shownState, PrintRange range,
                     const std::string& custName, const LogoPainter& logo, const PrintedComparison& comparison = {});

// True when name is one of the installed printers, compared without regard to case.
bool IsInstalledPrinter(const QString& name);

}  // namespace curvedesk
