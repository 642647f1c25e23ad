// The main window's node table: a dock beside the graph, shown or hidden from the View menu (the
// choice is remembered), and the selected node in the status bar.
#include <QAction>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "gui/graph/GraphView.h"
#include "gui/graph/NodeTablePanel.h"
#include "gui/graph/SelectedNodeLabel.h"
#include "gui/ui/FormMain.h"
#include "gui/widgets/DockPanels.h"

namespace curvedesk {

void FormMain::BuildNodeTable() {
  dockNodeTable_ = new QDockWidget(tr("Node Table"), this);
  dockNodeTable_->setObjectName(QStringLiteral("dockNodeTable"));
  dockNodeTable_->setWidget(new NodeTablePanel(document_, prompter_, picGraph_->Selection()));
  dockNodeTable_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
  dockNodeTable_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
  addDockWidget(Qt::LeftDockWidgetArea, dockNodeTable_);
  const bool shown = context_.settings.NodeTableVisible;
  dockNodeTable_->setVisible(shown);

  QAction* showTable = dockNodeTable_->toggleViewAction();
  showTable->setObjectName(QStringLiteral("mnuViewNodeTable"));
  showTable->setText(tr("&Node Table"));
  showTable->setChecked(shown);
  // The action follows the dock, which also hides when the window closes: only what the user does
  // while the window is shown is remembered.
  connect(showTable, &QAction::toggled, this, [this](bool visible) {
    if (isVisible()) context_.settings.NodeTableVisible = visible;
    if (visible && dockDifferences_) ShowSharingSide(*this, *dockNodeTable_, *dockDifferences_);
  });

  auto* view = new QMenu(tr("&View"), this);
  view->setObjectName(QStringLiteral("mnuView"));
  view->addAction(showTable);
  auto* config = findChild<QMenu*>(QStringLiteral("mnuConfig"));
  menuBar()->insertMenu(config ? config->menuAction() : nullptr, view);

  statusBar()->setObjectName(QStringLiteral("sbMain"));
  statusBar()->addWidget(new SelectedNodeLabel(document_, picGraph_->Selection()), 1);
}

}  // namespace curvedesk
