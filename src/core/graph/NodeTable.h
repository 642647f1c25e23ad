#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/graph/GraphEditor.h"
#include "core/model/CurveData.h"
#include "core/model/CurveRules.h"

namespace curvedesk {

// The node table of the shown sensor state: one row per node in use; column 0 holds the node's
// RPM and columns 1 .. NumSparks + 1 the angles of the plots in use (coil on, 1st spark ...).
inline constexpr int kRpmColumn = 0;

struct TableCell {
  int row = 0;
  int column = 0;

  friend bool operator==(const TableCell&, const TableCell&) = default;
};

int NodeTableRows(const SensorStateGraph& graph);
int NodeTableColumns(const SensorStateGraph& graph);
// The plot of an angle column; -1 for the RPM column.
int ColumnPlot(int column);
int PlotColumn(int plot);
// "RPM", "Coil On", "1st Spark", "2nd Spark", "3rd Spark".
std::string NodeColumnCaption(int column);
int NodeCellValue(const SensorStateGraph& graph, const TableCell& cell);

// The selected node as the status bar shows it: "1st Spark, node 5: 2000 RPM, 40 Deg".
std::string SelectedNodeText(const SensorStateGraph& graph, const NodeRef& node);

// The values of the cells as tab-separated text that a spreadsheet takes: the rectangle around the
// cells, a line per row ending in a line break, cells that are not among them left empty.
std::string CopiedCellsText(const SensorStateGraph& graph, const std::vector<TableCell>& cells);

// The graph with tab-separated text pasted from the cell at (topRow, leftColumn) to the right and
// down. Empty cells of the text keep their values. Every value must be a whole number in the table;
// the finished graph is then checked as a whole (CheckChangedNodes), so nothing is pasted unless
// every value can be. Raises RefusedWithMessage, or the rule's error, and leaves the graph alone.
SensorStateGraph PastedCells(const SensorStateGraph& graph, int topRow, int leftColumn, std::string_view text,
                             const CurveRuleContext& rules);

}  // namespace curvedesk
