// The main window comparing its curve with a second one: File > Compare With... and Stop Comparing,
// the difference list dock, and whether printing shows the comparison too.
#include <QAction>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>

#include "core/common/Utils.h"
#include "core/curvefile/CurveFile.h"
#include "core/document/ComparisonCurve.h"
#include "gui/graph/GraphView.h"
#include "gui/print/FormPrintOptions.h"
#include "gui/ui/DifferenceList.h"
#include "gui/ui/FormMain.h"
#include "gui/widgets/DockPanels.h"
#include "gui/widgets/FileDialogs.h"

namespace curvedesk {

namespace {

// Room for a caption such as "Node 10 3rd Spark" and three short values.
constexpr int kDifferenceListWidth = 400;

}  // namespace

void FormMain::BuildComparison() {
  comparison_ = std::make_shared<ComparisonCurve>();
  mnuFileCompareWith_ = new QAction(tr("Compare &With..."), this);
  mnuFileCompareWith_->setObjectName(QStringLiteral("mnuFileCompareWith"));
  mnuFileStopComparing_ = new QAction(tr("S&top Comparing"), this);
  mnuFileStopComparing_->setObjectName(QStringLiteral("mnuFileStopComparing"));

  dockDifferences_ = new QDockWidget(tr("Differences"), this);
  dockDifferences_->setObjectName(QStringLiteral("dockDifferences"));
  lstDifferences_ = new DifferenceList(document_, comparison_, context_.CustName, *picGraph_, dockDifferences_);
  dockDifferences_->setWidget(lstDifferences_);
  // Beside the graph: the graph keeps its aspect, so on a laptop screen it is short of height, not
  // width, and a list under it would shrink it where one beside it does not. It shares the node
  // table's side, as a tab when both are shown.
  addDockWidget(Qt::LeftDockWidgetArea, dockDifferences_);
  dockDifferences_->hide();
  QAction* showList = dockDifferences_->toggleViewAction();
  showList->setObjectName(QStringLiteral("mnuViewDifferenceList"));
  showList->setText(tr("&Difference List"));
  connect(showList, &QAction::toggled, dockDifferences_, [this](bool shown) {
    if (shown) ShowSharingSide(*this, *dockDifferences_, *dockNodeTable_);
  });

  if (auto* file = menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"))) {
    file->insertActions(mnuFilePrintGraph_, {mnuFileCompareWith_, mnuFileStopComparing_});
    file->insertSeparator(mnuFilePrintGraph_);
  }
  if (auto* view = findChild<QMenu*>(QStringLiteral("mnuView"))) view->addAction(showList);
  picGraph_->ShowComparison(comparison_);

  connect(mnuFileCompareWith_, &QAction::triggered, this, &FormMain::CompareWith);
  connect(mnuFileStopComparing_, &QAction::triggered, this, &FormMain::StopComparing);
  comparisonCommandsSubscription_ = comparison_->Subscribe([this] { UpdateCompareCommands(); });
  UpdateCompareCommands();
}

void FormMain::UpdateCompareCommands() {
  // A curve is compared with something: there is nothing to compare without one open.
  SetCommandEnabled(mnuFileCompareWith_, document_.IsOpen());
  SetCommandEnabled(mnuFileStopComparing_, comparison_->IsOpen());
}

void FormMain::CompareWith() {
  Guarded([this] {
    if (!CommitPendingEdits()) return;
    const QString path = fileDialogs_.OpenFile(
        this, tr("Compare With"), QString::fromStdString(context_.settings.DefCurveFilePath), CurveFilter());
    if (path.isEmpty()) return;
    context_.settings.DefCurveFilePath = PathDirectory(path.toStdString());
    CompareWithFile(path.toStdString());
  });
}

void FormMain::CompareWithFile(const std::string& path) {
  CurveData curve;
  ClearCurve(curve, context_.defaultGraph);
  LoadCurveFile(curve, path, context_.ignitionDescriptions, context_.defaultGraph);
  comparison_->Open(std::move(curve), path);
  ShowSharingSide(*this, *dockDifferences_, *dockNodeTable_);
  if (dockDifferences_->isHidden()) {
    dockDifferences_->show();
    resizeDocks({dockDifferences_}, {kDifferenceListWidth}, Qt::Horizontal);
  }
}

void FormMain::StopComparing() {
  comparison_->Close();
  dockDifferences_->hide();
}

std::optional<bool> FormMain::AskIncludeComparison(const QString& title) {
  if (!comparison_->IsOpen()) return false;
  FormPrintOptions options(title, QString::fromStdString(PathFileName(comparison_->FileName())), this);
  return options.Ask();
}

}  // namespace curvedesk
