#include "gui/graph/NodeTablePanel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/common/Prompter.h"
#include "core/graph/NodeInterpolation.h"
#include "gui/graph/NodeSelection.h"
#include "gui/graph/NodeTableModel.h"

namespace curvedesk {

namespace {

// The widest line of a header ("Spark", under its colour swatch's line) or value, and padding.
constexpr const char* kWidestText = "Spark";
constexpr const char* kWidestValue = "12500";
constexpr int kSwatchRoom = 16;
constexpr int kCellPadding = 14;
constexpr int kMostColumns = 5;

// Cells are typed like the node dialog's fields: digits only, as many as the largest value has.
class DigitsDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
    auto* editor = new QLineEdit(parent);
    editor->setAlignment(Qt::AlignRight);
    editor->setFrame(false);
    editor->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), editor));
    return editor;
  }
};

QAction* PanelAction(QWidget* panel, const char* objectName, const QString& text, const QKeySequence& keys) {
  auto* action = new QAction(text, panel);
  action->setObjectName(QString::fromLatin1(objectName));
  action->setShortcut(keys);
  // Only while the table has the focus: elsewhere Ctrl+C and Ctrl+V belong to the text fields.
  action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  panel->addAction(action);
  return action;
}

}  // namespace

NodeTablePanel::NodeTablePanel(CurveDocument& document, Prompter& prompter, NodeSelection& selection, QWidget* parent)
    : QWidget(parent),
      document_(document),
      prompter_(prompter),
      selection_(selection),
      model_(new NodeTableModel(document, prompter, this)),
      tblNodes_(new QTableView(this)),
      cmdInterpolate_(new QPushButton(tr("Interpolate"), this)) {
  setObjectName(QStringLiteral("pnlNodeTable"));
  tblNodes_->setObjectName(QStringLiteral("tblNodes"));
  tblNodes_->setModel(model_);
  tblNodes_->setItemDelegate(new DigitsDelegate(tblNodes_));
  tblNodes_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  tblNodes_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
  tblNodes_->setTabKeyNavigation(false);
  QHeaderView& columns = *tblNodes_->horizontalHeader();
  columns.setSectionResizeMode(QHeaderView::Stretch);
  columns.setHighlightSections(false);
  columns.setMinimumSectionSize(std::max(columns.fontMetrics().horizontalAdvance(kWidestText) + kSwatchRoom,
                                         fontMetrics().horizontalAdvance(kWidestValue)) +
                                kCellPadding);
  tblNodes_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  tblNodes_->setContextMenuPolicy(Qt::ActionsContextMenu);

  interpolate_ = PanelAction(this, "actInterpolate", tr("&Interpolate"), QKeySequence(Qt::CTRL | Qt::Key_I));
  copy_ = PanelAction(this, "actCopyCells", tr("&Copy"), QKeySequence::Copy);
  paste_ = PanelAction(this, "actPasteCells", tr("&Paste"), QKeySequence::Paste);
  tblNodes_->addActions({copy_, paste_, interpolate_});
  cmdInterpolate_->setObjectName(QStringLiteral("cmdInterpolate"));
  cmdInterpolate_->setToolTip(
      tr("Set the angles between the first and last selected rows on a straight line (Ctrl+I)"));

  auto* hint = new QLabel(tr("Type a value in a cell, or select rows and interpolate between the first and the "
                             "last. Ctrl+C and Ctrl+V copy and paste values with a spreadsheet."),
                          this);
  hint->setWordWrap(true);
  hint->setForegroundRole(QPalette::PlaceholderText);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdInterpolate_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(tblNodes_, 1);
  layout->addLayout(buttons);
  layout->addWidget(hint);

  connect(interpolate_, &QAction::triggered, this, &NodeTablePanel::Interpolate);
  connect(cmdInterpolate_, &QPushButton::clicked, this, &NodeTablePanel::Interpolate);
  connect(copy_, &QAction::triggered, this, &NodeTablePanel::CopyCells);
  connect(paste_, &QAction::triggered, this, &NodeTablePanel::PasteCells);
  connect(tblNodes_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &NodeTablePanel::TableSelectionChanged);
  connect(tblNodes_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &NodeTablePanel::TableSelectionChanged);
  connect(&selection_, &NodeSelection::changed, this, &NodeTablePanel::SharedSelectionChanged);
  // A table laid out anew (other nodes or sparks, another curve) shows the selection again.
  connect(model_, &QAbstractItemModel::modelReset, this, &NodeTablePanel::SharedSelectionChanged);
  subscription_ = document_.Subscribe([this](const DocumentChange&) { DocumentChanged(); });
  DocumentChanged();
}

NodeTablePanel::~NodeTablePanel() { document_.Unsubscribe(subscription_); }

QSize NodeTablePanel::sizeHint() const {
  // Wide enough for every column of three sparks without scrolling.
  const int columns = kMostColumns * tblNodes_->horizontalHeader()->minimumSectionSize();
  const int rows = tblNodes_->verticalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("10")) + kCellPadding;
  const int margins = layout()->contentsMargins().left() + layout()->contentsMargins().right();
  return {columns + rows + 2 * tblNodes_->frameWidth() + margins, QWidget::sizeHint().height()};
}

std::vector<TableCell> NodeTablePanel::SelectedCells() const {
  std::vector<TableCell> cells;
  for (const QModelIndex& index : tblNodes_->selectionModel()->selectedIndexes())
    cells.push_back(model_->CellOf(index));
  std::sort(cells.begin(), cells.end(), [](const TableCell& a, const TableCell& b) {
    return std::pair(a.row, a.column) < std::pair(b.row, b.column);
  });
  return cells;
}

void NodeTablePanel::Interpolate() {
  if (!document_.IsOpen()) return;
  const std::vector<TableCell> cells = SelectedCells();
  RunShowingErrors(prompter_, [&] { document_.Interpolate(InterpolationRangeOf(model_->Graph(), cells)); });
}

void NodeTablePanel::CopyCells() {
  const std::vector<TableCell> cells = SelectedCells();
  if (cells.empty()) return;
  QApplication::clipboard()->setText(QString::fromStdString(CopiedCellsText(model_->Graph(), cells)));
}

void NodeTablePanel::PasteCells() {
  if (!document_.IsOpen()) return;
  // From the top left of the selection, as a spreadsheet pastes.
  const std::vector<TableCell> cells = SelectedCells();
  TableCell from = model_->CellOf(tblNodes_->currentIndex());
  if (!cells.empty()) {
    from.row = cells.front().row;
    from.column = std::min_element(cells.begin(), cells.end(), [](const TableCell& a, const TableCell& b) {
                    return a.column < b.column;
                  })->column;
  } else if (!tblNodes_->currentIndex().isValid()) {
    return;
  }
  const std::string text = QApplication::clipboard()->text().toStdString();
  RunShowingErrors(prompter_, [&] { document_.PasteValues(from.row, from.column, text); });
}

void NodeTablePanel::TableSelectionChanged() {
  if (syncing_) return;
  std::vector<NodeRef> nodes;
  for (const TableCell& cell : SelectedCells())
    if (cell.column != kRpmColumn) nodes.push_back({ColumnPlot(cell.column), cell.row});
  std::optional<NodeRef> current;
  const QModelIndex at = tblNodes_->currentIndex();
  if (at.isValid() && at.column() != kRpmColumn) current = NodeRef{ColumnPlot(at.column()), at.row()};
  syncing_ = true;
  selection_.SetSelection(std::move(nodes), current);
  syncing_ = false;
}

void NodeTablePanel::SharedSelectionChanged() {
  if (syncing_) return;
  syncing_ = true;
  QItemSelection cells;
  for (const NodeRef& node : selection_.Nodes()) {
    const QModelIndex cell = model_->index(node.node, PlotColumn(node.plot));
    if (cell.isValid()) cells.select(cell, cell);
  }
  QItemSelectionModel& chosen = *tblNodes_->selectionModel();
  chosen.select(cells, QItemSelectionModel::ClearAndSelect);
  const std::optional<NodeRef>& current = selection_.Current();
  const QModelIndex currentCell = current ? model_->index(current->node, PlotColumn(current->plot)) : QModelIndex();
  if (currentCell.isValid()) {
    chosen.setCurrentIndex(currentCell, QItemSelectionModel::NoUpdate);
    tblNodes_->scrollTo(currentCell);
  } else if (!chosen.selectedIndexes().contains(chosen.currentIndex())) {
    chosen.clearCurrentIndex();
  }
  syncing_ = false;
}

void NodeTablePanel::DocumentChanged() {
  const bool open = document_.IsOpen();
  for (QAction* action : {interpolate_, copy_, paste_}) action->setEnabled(open);
  cmdInterpolate_->setEnabled(open);
  tblNodes_->setEnabled(open);
}

}  // namespace curvedesk
