#pragma once

#include <QAbstractTableModel>

#include "core/document/CurveDocument.h"
#include "core/graph/NodeTable.h"

namespace curvedesk {

class Prompter;

// The node table of the shown sensor state as an item model: a row per node in use, the RPM and
// the angle of each plot in use. It follows the document's change notifications. An edited cell
// becomes an edit of the document, checked by the node dialog's rules; a refused value is shown
// with its message and the cell keeps the value the curve holds.
class NodeTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  NodeTableModel(CurveDocument& document, Prompter& prompter, QObject* parent = nullptr);
  ~NodeTableModel() override;

  // The graph the table shows; an empty table without a curve.
  const SensorStateGraph& Graph() const { return graph_; }
  TableCell CellOf(const QModelIndex& index) const { return {index.row(), index.column()}; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // Takes the typed text as an edit of the document once the cell's editor has closed, so that a
  // message about a refused value does not take the focus from an editor still open.
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 private:
  void DocumentChanged(const DocumentChange& change);
  void EditCell(const TableCell& cell, const QString& text);

  CurveDocument& document_;
  Prompter& prompter_;
  int subscription_ = 0;
  bool open_ = false;
  SensorStateGraph graph_;
};

}  // namespace curvedesk
