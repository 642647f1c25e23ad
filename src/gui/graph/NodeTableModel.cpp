#include "gui/graph/NodeTableModel.h"

#include <QColor>
#include <QPixmap>

#include "core/common/Prompter.h"
#include "core/graph/GraphColours.h"
#include "core/graph/NodeDialogFields.h"

namespace curvedesk {

namespace {

constexpr int kSwatchSize = 10;

QPixmap PlotSwatch(int plot) {
  const Rgb& colour = kPlotColours.at(static_cast<std::size_t>(plot));
  QPixmap swatch(kSwatchSize, kSwatchSize);
  swatch.fill(QColor(colour.r, colour.g, colour.b));
  return swatch;
}

}  // namespace

NodeTableModel::NodeTableModel(CurveDocument& document, Prompter& prompter, QObject* parent)
    : QAbstractTableModel(parent), document_(document), prompter_(prompter) {
  subscription_ = document_.Subscribe([this](const DocumentChange& change) { DocumentChanged(change); });
  DocumentChanged(DocumentChange(DocumentChange::kDocument));
}

NodeTableModel::~NodeTableModel() { document_.Unsubscribe(subscription_); }

int NodeTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !open_ ? 0 : NodeTableRows(graph_);
}

int NodeTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() || !open_ ? 0 : NodeTableColumns(graph_);
}

QVariant NodeTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      // Text, so that the cell is edited in a plain field rather than a spin box.
      return QString::number(NodeCellValue(graph_, CellOf(index)));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant NodeTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
  // Two lines ("1st" over "Spark") keep the columns narrow enough to sit beside the graph.
  if (role == Qt::DisplayRole) return QString::fromStdString(NodeColumnCaption(section)).replace(' ', '\n');
  if (role == Qt::DecorationRole && section != kRpmColumn) return PlotSwatch(ColumnPlot(section));
  return {};
}

Qt::ItemFlags NodeTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool NodeTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  const TableCell cell = CellOf(index);
  const QString text = value.toString().trimmed();
  if (text.isEmpty() || text == QString::number(NodeCellValue(graph_, cell))) return false;
  QMetaObject::invokeMethod(
      this, [this, cell, text] { EditCell(cell, text); }, Qt::QueuedConnection);
  return false;
}

void NodeTableModel::EditCell(const TableCell& cell, const QString& text) {
  if (!document_.IsOpen() || cell.row >= rowCount() || cell.column >= columnCount()) return;
  RunShowingErrors(prompter_, [&] {
    const int value = NodeDialogFieldValue(text.toStdString());
    if (cell.column == kRpmColumn)
      document_.SetNodeRpm(cell.row, value);
    else
      document_.SetNodeValue(ColumnPlot(cell.column), cell.row, graph_.RPM.at(static_cast<std::size_t>(cell.row)),
                             value);
  });
}

void NodeTableModel::DocumentChanged(const DocumentChange& change) {
  if (!change.Has(DocumentChange::kDocument) && !change.Has(DocumentChange::kShownState) &&
      !change.Has(DocumentChange::kConfiguration) && !change.TouchesGraph(document_.ShownState()))
    return;
  const bool open = document_.IsOpen();
  const SensorStateGraph& shown = document_.ShownGraph();
  if (open == open_ && NodeTableRows(shown) == NodeTableRows(graph_) &&
      NodeTableColumns(shown) == NodeTableColumns(graph_)) {
    graph_ = shown;
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    return;
  }
  beginResetModel();
  open_ = open;
  graph_ = shown;
  endResetModel();
}

}  // namespace curvedesk
