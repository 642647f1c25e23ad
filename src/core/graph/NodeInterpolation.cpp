#include "core/graph/NodeInterpolation.h"

#include <algorithm>

#include "core/common/AppError.h"
#include "core/graph/NodeKeySteps.h"
#include "core/model/NodeEditRules.h"

namespace curvedesk {

namespace {

constexpr const char* kNeedRowsBetween =
    "Select a first and a last row with at least one row between them to interpolate.";
constexpr const char* kNeedPlots = "Select the angles to interpolate: cells of the Coil On or Spark columns.";

std::size_t Slot(int index) { return static_cast<std::size_t>(index); }

// a at rpm0 and b at rpm1, read at rpm and rounded to the nearest multiple of step, halves up.
// Angles and RPMs are not negative and rpm lies between rpm0 and rpm1, so integers stay exact.
int OnTheLine(int a, int b, int rpm0, int rpm1, int rpm, int step) {
  const long long span = rpm1 - rpm0;
  const long long scaled = static_cast<long long>(a) * (rpm1 - rpm) + static_cast<long long>(b) * (rpm - rpm0);
  return static_cast<int>((2 * scaled + span * step) / (2 * span * step) * step);
}

}  // namespace

InterpolationRange InterpolationRangeOf(const SensorStateGraph& graph, const std::vector<TableCell>& cells) {
  InterpolationRange range;
  if (cells.empty()) return range;
  const auto [low, high] = std::minmax_element(cells.begin(), cells.end(),
                                               [](const TableCell& a, const TableCell& b) { return a.row < b.row; });
  range.firstRow = low->row;
  range.lastRow = high->row;

  const int columns = NodeTableColumns(graph);
  bool wholeRow = false;
  for (int row = range.firstRow; row <= range.lastRow && !wholeRow; ++row) {
    const auto inRow = std::count_if(cells.begin(), cells.end(), [row](const TableCell& c) { return c.row == row; });
    wholeRow = inRow == columns;
  }
  for (int column = PlotColumn(0); column < columns; ++column) {
    const bool selected = wholeRow || std::any_of(cells.begin(), cells.end(),
                                                  [column](const TableCell& c) { return c.column == column; });
    if (selected) range.plots.push_back(ColumnPlot(column));
  }
  return range;
}

SensorStateGraph InterpolatedNodes(const SensorStateGraph& graph, const InterpolationRange& range,
                                   const CurveRuleContext& rules) {
  if (range.firstRow < 0 || range.lastRow >= NodeTableRows(graph) || range.lastRow - range.firstRow < 2)
    throw RefusedWithMessage(kNeedRowsBetween);
  if (range.plots.empty()) throw RefusedWithMessage(kNeedPlots);
  for (const int plot : range.plots)
    if (plot < 0 || plot > graph.NumSparks) RaiseError(ErrGeneric, "Subscript out of range");

  SensorStateGraph interpolated = graph;
  const int rpm0 = graph.RPM[Slot(range.firstRow)];
  const int rpm1 = graph.RPM[Slot(range.lastRow)];
  // Only a damaged file holds nodes out of order; the line between them is not defined.
  if (rpm1 <= rpm0) RaiseError(ErrRpmOrder);
  for (const int plot : range.plots) {
    const int a = PlotAngle(graph.Nodes[Slot(range.firstRow)], plot);
    const int b = PlotAngle(graph.Nodes[Slot(range.lastRow)], plot);
    for (int row = range.firstRow + 1; row < range.lastRow; ++row)
      PlotAngle(interpolated.Nodes[Slot(row)], plot) =
          static_cast<std::int16_t>(OnTheLine(a, b, rpm0, rpm1, graph.RPM[Slot(row)], PlotGridStep(plot)));
  }
  CheckChangedNodes(graph, interpolated, rules);
  return interpolated;
}

}  // namespace curvedesk
