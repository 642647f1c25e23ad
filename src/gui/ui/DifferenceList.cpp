#include "gui/ui/DifferenceList.h"

#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <tuple>

#include "core/common/Utils.h"
#include "core/document/ComparisonCurve.h"
#include "core/document/DifferenceRows.h"
#include "gui/graph/GraphView.h"

namespace curvedesk {

namespace {

// Where a row belongs, kept on its item: the sensor state, the node and the plot (-1 for none).
constexpr int kStateRole = Qt::UserRole;
constexpr int kNodeRole = Qt::UserRole + 1;
constexpr int kPlotRole = Qt::UserRole + 2;

enum Column { kCaption, kEdited, kComparison, kDifference };
constexpr int kValueColumnWidth = 60;
// How often the list follows a drag: ten times a second reads as following it.
constexpr int kDragRefreshMs = 100;

std::tuple<int, int, int, QString> RowKey(const QTreeWidgetItem& item) {
  return {item.data(kCaption, kStateRole).toInt(), item.data(kCaption, kNodeRole).toInt(),
          item.data(kCaption, kPlotRole).toInt(), item.text(kCaption)};
}

// The same lines in the same order, whatever their values.
bool SameRows(const std::vector<DifferenceRow>& a, const std::vector<DifferenceRow>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const DifferenceRow& x, const DifferenceRow& y) {
    return x.state == y.state && x.node == y.node && x.plot == y.plot && x.caption == y.caption;
  });
}

void ShowValue(QTreeWidgetItem& item, int column, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  item.setText(column, shown);
  item.setToolTip(column, shown);
}

QString GroupCaption(int state) {
  return state < 0 ? QObject::tr("Configuration") : QObject::tr("Sensor State %1").arg(state + 1);
}

QString FileCaption(const std::string& path) {
  return path.empty() ? QObject::tr("the new curve") : QString::fromStdString(PathFileName(path));
}

}  // namespace

DifferenceList::DifferenceList(CurveDocument& document, std::shared_ptr<ComparisonCurve> comparison,
                               const std::string& custName, GraphView& graph, QWidget* parent)
    : QWidget(parent),
      document_(document),
      comparison_(std::move(comparison)),
      custName_(custName),
      graph_(graph),
      status_(new QLabel),
      tree_(new QTreeWidget) {
  setObjectName(QStringLiteral("DifferenceList"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  status_->setObjectName(QStringLiteral("lblDifferences"));
  status_->setWordWrap(true);
  layout->addWidget(status_);
  tree_->setObjectName(QStringLiteral("lstDifferences"));
  tree_->setColumnCount(4);
  tree_->setHeaderLabels({tr("Item"), tr("Edited"), tr("Comparison"), tr("Difference")});
  tree_->setRootIsDecorated(false);
  tree_->setUniformRowHeights(true);
  tree_->setAlternatingRowColors(true);
  tree_->header()->setStretchLastSection(false);
  tree_->header()->setSectionResizeMode(kCaption, QHeaderView::Stretch);
  // Values are short but for the notes, which are cut to the column and shown whole as a tip.
  for (int column : {kEdited, kComparison, kDifference}) {
    tree_->header()->setSectionResizeMode(column, QHeaderView::Interactive);
    const int headerWidth = tree_->header()->sectionSizeHint(column);
    tree_->setColumnWidth(column, std::max(kValueColumnWidth, headerWidth));
  }
  layout->addWidget(tree_, 1);

  documentSubscription_ = document_.Subscribe([this](const DocumentChange& change) {
    // The list does not depend on the state shown, the history or a job.
    constexpr unsigned kListed = DocumentChange::kGraphs | DocumentChange::kConfiguration | DocumentChange::kDocument |
                                 DocumentChange::kCoil | DocumentChange::kFileState;
    if ((change.parts & kListed) != 0) DocumentChanged();
  });
  dragRefresh_.setSingleShot(true);
  dragRefresh_.setInterval(kDragRefreshMs);
  connect(&dragRefresh_, &QTimer::timeout, this, &DifferenceList::Refresh);
  connect(&graph_, &GraphView::PointerReleased, this, [this] {
    if (!dragRefresh_.isActive()) return;
    dragRefresh_.stop();
    Refresh();
  });
  comparisonSubscription_ = comparison_->Subscribe([this] { Refresh(); });
  connect(tree_, &QTreeWidget::itemSelectionChanged, this, &DifferenceList::RowChosen);
  Refresh();
}

DifferenceList::~DifferenceList() {
  document_.Unsubscribe(documentSubscription_);
  comparison_->Unsubscribe(comparisonSubscription_);
}

QString DifferenceList::Status() const { return status_->text(); }

void DifferenceList::DocumentChanged() {
  if (!graph_.PointerDown()) {
    dragRefresh_.stop();
    Refresh();
  } else if (!dragRefresh_.isActive()) {
    dragRefresh_.start();
  }
}

void DifferenceList::Refresh() {
  std::vector<DifferenceRow> rows;
  QString status;
  if (!comparison_->IsOpen()) {
    status = tr("Nothing is compared: File > Compare With... chooses a curve file to compare with.");
  } else if (!document_.IsOpen()) {
    status = tr("Open a curve to compare it with %1.").arg(FileCaption(comparison_->FileName()));
  } else {
    rows = DifferenceRows(document_.Curve(), comparison_->Curve(), custName_);
    const QString edited = FileCaption(document_.FileName());
    const QString other = FileCaption(comparison_->FileName());
    status = rows.empty() ? tr("%1 and %2 hold the same curve.").arg(edited, other)
                          : tr("Edited: %1. Comparison: %2 (dashed on the graph).").arg(edited, other);
  }
  // Most edits (a drag step among them) change a value or two, or nothing listed: the rows then stay
  // and only their texts change, so the choice and the scroll position stay too.
  if (status == status_->text() && SameRows(rows, shownRows_)) {
    if (rows != shownRows_) ShowValues(rows);
    shownRows_ = rows;
    return;
  }
  status_->setText(status);
  shownRows_ = rows;

  std::optional<std::tuple<int, int, int, QString>> selected;
  if (const QTreeWidgetItem* item = tree_->currentItem(); item && item->isSelected()) selected = RowKey(*item);
  const QSignalBlocker quiet(tree_);
  tree_->clear();
  QTreeWidgetItem* group = nullptr;
  int groupState = -2;
  for (const DifferenceRow& row : rows) {
    if (!group || row.state != groupState) {
      groupState = row.state;
      group = new QTreeWidgetItem(tree_, {GroupCaption(row.state)});
      group->setFirstColumnSpanned(true);
      group->setFlags(Qt::ItemIsEnabled);
      QFont bold = group->font(kCaption);
      bold.setBold(true);
      group->setFont(kCaption, bold);
    }
    auto* item = new QTreeWidgetItem(group, {QString::fromStdString(row.caption)});
    item->setData(kCaption, kStateRole, row.state);
    item->setData(kCaption, kNodeRole, row.node);
    item->setData(kCaption, kPlotRole, row.plot);
    for (int column : {kEdited, kComparison, kDifference})
      item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    ShowValue(*item, kEdited, row.edited);
    ShowValue(*item, kComparison, row.comparison);
    ShowValue(*item, kDifference, row.difference);
    if (selected && RowKey(*item) == *selected) {
      tree_->setCurrentItem(item);
      item->setSelected(true);
    }
  }
  tree_->expandAll();
  // The row chosen is gone (the edit made the values equal, or comparing stopped): so is its ring.
  if (selected && tree_->selectedItems().isEmpty()) graph_.ClearHighlight();
}

void DifferenceList::ShowValues(const std::vector<DifferenceRow>& rows) {
  auto row = rows.begin();
  for (int g = 0; g < tree_->topLevelItemCount(); ++g) {
    QTreeWidgetItem* group = tree_->topLevelItem(g);
    for (int r = 0; r < group->childCount() && row != rows.end(); ++r, ++row) {
      ShowValue(*group->child(r), kEdited, row->edited);
      ShowValue(*group->child(r), kComparison, row->comparison);
      ShowValue(*group->child(r), kDifference, row->difference);
    }
  }
}

void DifferenceList::RowChosen() {
  const QList<QTreeWidgetItem*> chosen = tree_->selectedItems();
  if (chosen.isEmpty()) {
    graph_.ClearHighlight();
    return;
  }
  const auto [state, node, plot, caption] = RowKey(*chosen.front());
  if (state >= 0 && document_.IsOpen()) document_.ShowState(state);
  if (state >= 0 && node >= 0)
    graph_.HighlightNode(state, node, plot);
  else
    graph_.ClearHighlight();
}

}  // namespace curvedesk
