#include "core/graph/NodeTable.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "core/common/AppError.h"
#include "core/common/ErrorMessages.h"
#include "core/common/IniDocument.h"
#include "core/model/NodeEditRules.h"

namespace curvedesk {

namespace {

constexpr const char* kNothingToPaste = "There are no values to paste.";
constexpr const char* kPasteDoesNotFit = "The values do not fit in the table: they reach past its last row or column.";
constexpr const char* kNegativeRpm = "RPM value must be greater than or equal to 0.";

std::size_t Slot(int index) { return static_cast<std::size_t>(index); }

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// The lines of pasted text; the line break that ends the last line (as spreadsheets copy) adds none.
std::vector<std::string_view> PastedLines(std::string_view text) {
  std::vector<std::string_view> lines = Split(text, '\n');
  for (std::string_view& line : lines)
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (lines.size() > 1 && lines.back().empty()) lines.pop_back();
  return lines;
}

[[noreturn]] void RefuseAt(const std::string& message, const TableCell& cell) {
  throw RefusedWithMessage(message + "\r\n\r\nAt " + NodePlace(cell.row, ColumnPlot(cell.column)) + ".");
}

// A pasted cell's value, refused where no 16-bit field of the graph could take it.
std::int16_t PastedValue(std::string_view text, const TableCell& cell) {
  long long value = 0;
  const char* first = text.data() + (text.front() == '+' ? 1 : 0);
  const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
  const bool rpm = cell.column == kRpmColumn;
  if (error == std::errc::invalid_argument || end != text.data() + text.size())
    RefuseAt("\"" + std::string(text) + "\" is not a whole number.", cell);
  const bool negative = error == std::errc::result_out_of_range ? text.front() == '-' : value < 0;
  if (negative) RefuseAt(rpm ? kNegativeRpm : kAngleBelowZeroMessage, cell);
  if (error == std::errc::result_out_of_range || value > std::numeric_limits<std::int16_t>::max())
    RefuseAt(GetErrorMessage(rpm ? ErrRpmMax : ErrAngleMax), cell);
  return static_cast<std::int16_t>(value);
}

}  // namespace

int NodeTableRows(const SensorStateGraph& graph) { return std::clamp<int>(graph.NumTransitions, 0, kMaxNodes); }

int NodeTableColumns(const SensorStateGraph& graph) { return PlotColumn(std::clamp<int>(graph.NumSparks, 0, 3)) + 1; }

int ColumnPlot(int column) { return column - 1; }

int PlotColumn(int plot) { return plot + 1; }

std::string NodeColumnCaption(int column) { return column == kRpmColumn ? "RPM" : PlotCaption(ColumnPlot(column)); }

int NodeCellValue(const SensorStateGraph& graph, const TableCell& cell) {
  if (cell.column == kRpmColumn) return graph.RPM.at(Slot(cell.row));
  return PlotAngle(graph.Nodes.at(Slot(cell.row)), ColumnPlot(cell.column));
}

std::string SelectedNodeText(const SensorStateGraph& graph, const NodeRef& node) {
  return PlotCaption(node.plot) + ", node " + std::to_string(node.node + 1) + ": " +
         std::to_string(graph.RPM.at(Slot(node.node))) + " RPM, " +
         std::to_string(PlotAngle(graph.Nodes.at(Slot(node.node)), node.plot)) + " Deg";
}

std::string CopiedCellsText(const SensorStateGraph& graph, const std::vector<TableCell>& cells) {
  if (cells.empty()) return {};
  const auto [rowLow, rowHigh] = std::minmax_element(
      cells.begin(), cells.end(), [](const TableCell& a, const TableCell& b) { return a.row < b.row; });
  const auto [columnLow, columnHigh] = std::minmax_element(
      cells.begin(), cells.end(), [](const TableCell& a, const TableCell& b) { return a.column < b.column; });
  std::string text;
  for (int row = rowLow->row; row <= rowHigh->row; ++row) {
    for (int column = columnLow->column; column <= columnHigh->column; ++column) {
      if (column > columnLow->column) text += '\t';
      const TableCell cell{row, column};
      if (std::find(cells.begin(), cells.end(), cell) != cells.end())
        text += std::to_string(NodeCellValue(graph, cell));
    }
    text += '\n';
  }
  return text;
}

SensorStateGraph PastedCells(const SensorStateGraph& graph, int topRow, int leftColumn, std::string_view text,
                             const CurveRuleContext& rules) {
  SensorStateGraph pasted = graph;
  bool anyValue = false;
  const std::vector<std::string_view> lines = PastedLines(text);
  for (std::size_t line = 0; line < lines.size(); ++line) {
    const std::vector<std::string_view> values = Split(lines[line], '\t');
    for (std::size_t value = 0; value < values.size(); ++value) {
      const std::string_view trimmed = TrimBlanks(values[value]);
      if (trimmed.empty()) continue;
      const TableCell cell{topRow + static_cast<int>(line), leftColumn + static_cast<int>(value)};
      if (cell.row < 0 || cell.row >= NodeTableRows(graph) || cell.column < 0 || cell.column >= NodeTableColumns(graph))
        throw RefusedWithMessage(kPasteDoesNotFit);
      const std::int16_t number = PastedValue(trimmed, cell);
      if (cell.column == kRpmColumn)
        pasted.RPM[Slot(cell.row)] = number;
      else
        PlotAngle(pasted.Nodes[Slot(cell.row)], ColumnPlot(cell.column)) = number;
      anyValue = true;
    }
  }
  if (!anyValue) throw RefusedWithMessage(kNothingToPaste);
  CheckChangedNodes(graph, pasted, rules);
  return pasted;
}

}  // namespace curvedesk
