#pragma once

#include <QWidget>
#include <vector>

#include "core/document/CurveDocument.h"
#include "core/graph/NodeTable.h"

class QAction;
class QPushButton;
class QTableView;

namespace curvedesk {

class NodeSelection;
class NodeTableModel;
class Prompter;

// The node table panel beside the graph: the shown sensor state's nodes as a table to type in,
// with "Interpolate" (button and Ctrl+I) and copy and paste of tab-separated values (Ctrl+C,
// Ctrl+V) that spreadsheets exchange. Its selection is the graph's: cells of the angle columns
// select those nodes of the graph, and a node selected in the graph selects its cell.
class NodeTablePanel : public QWidget {
  Q_OBJECT
 public:
  NodeTablePanel(CurveDocument& document, Prompter& prompter, NodeSelection& selection, QWidget* parent = nullptr);
  ~NodeTablePanel() override;

  QTableView& View() const { return *tblNodes_; }
  NodeTableModel& Model() const { return *model_; }

  void Interpolate();
  void CopyCells();
  void PasteCells();

  QSize sizeHint() const override;

 private:
  std::vector<TableCell> SelectedCells() const;
  // The table's selection told to the graph, and the graph's shown in the table.
  void TableSelectionChanged();
  void SharedSelectionChanged();
  void DocumentChanged();

  CurveDocument& document_;
  Prompter& prompter_;
  NodeSelection& selection_;
  int subscription_ = 0;
  NodeTableModel* model_;
  QTableView* tblNodes_;
  QPushButton* cmdInterpolate_;
  QAction* interpolate_;
  QAction* copy_;
  QAction* paste_;
  // Set while one side of the selection follows the other, so it does not answer back.
  bool syncing_ = false;
};

}  // namespace curvedesk
