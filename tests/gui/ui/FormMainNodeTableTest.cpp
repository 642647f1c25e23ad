// The node table beside the graph: typing values, interpolating, copying and pasting, sharing the
// selection with the graph, and its place in the window.
#include <QClipboard>
#include <QDockWidget>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>

#include "core/common/ErrorMessages.h"
#include "gui/graph/GraphView.h"
#include "gui/graph/NodeSelection.h"
#include "gui/paint/GraphPainter.h"
#include "gui/ui/MainWindowFixture.h"

namespace curvedesk::testing {
namespace {

enum Column { kRpm = 0, kCoilOn = 1, kFirst = 2, kSecond = 3, kThird = 4 };

class FormMainNodeTableTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    Open(WriteCurve("race.crv"));  // the default graph with a rev limit of 9,000
    Action("mnuViewNodeTable")->trigger();
    table = Find<QTableView>("tblNodes");
    QApplication::processEvents();
  }

  const SensorStateGraph& Graph() const { return document->ShownGraph(); }
  QString Cell(int row, int column) const { return table->model()->index(row, column).data().toString(); }

  // Types into a cell as the user would: the first key opens the cell's editor, the typed text
  // replaces the value, Enter takes it.
  void TypeInCell(int row, int column, const QString& text) {
    table->setFocus();
    table->setCurrentIndex(table->model()->index(row, column));
    QTest::keyClick(table, text.front().toLatin1());
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, table);
    QTest::keyClicks(editor, text.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
    // The view commits the value once the key has been handled, and the table takes it as an edit
    // once the editor has closed: two rounds of posted events.
    for (int round = 0; round < 2; ++round) QApplication::processEvents();
  }
  void SelectCells(int firstRow, int firstColumn, int lastRow, int lastColumn) {
    const QAbstractItemModel& model = *table->model();
    table->selectionModel()->select(
        QItemSelection(model.index(firstRow, firstColumn), model.index(lastRow, lastColumn)),
        QItemSelectionModel::ClearAndSelect);
    table->selectionModel()->setCurrentIndex(model.index(firstRow, firstColumn), QItemSelectionModel::NoUpdate);
    table->setFocus();
  }
  void ClickGraphNode(int plot, int node) {
    auto* graph = Find<GraphView>("picGraph");
    const NodeMarker& marker = graph->Elements().Marker(ElementOf(plot, node));
    const QPointF at = graph->ToWidget(QPointF(marker.left + kMarkerHalf, marker.top + kMarkerHalf));
    QTest::mouseClick(graph, Qt::LeftButton, Qt::NoModifier, at.toPoint());
  }

  QTableView* table = nullptr;
};

TEST_F(FormMainNodeTableTest, ShowsTheShownSensorStatesNodesAndFollowsTheDocument) {
  ASSERT_EQ(table->model()->rowCount(), 10);
  ASSERT_EQ(table->model()->columnCount(), 5);
  EXPECT_EQ(table->model()->headerData(kThird, Qt::Horizontal).toString(), "3rd\nSpark");
  EXPECT_EQ(Cell(9, kRpm), "5000");
  EXPECT_EQ(Cell(4, kCoilOn), "20");

  document->SetNumSparks(2);
  document->SetNumTransitions(4);
  EXPECT_EQ(table->model()->columnCount(), 4);
  EXPECT_EQ(table->model()->rowCount(), 4);
  document->SetNodeValue(1, 3, 1600, 12);
  EXPECT_EQ(Cell(3, kRpm), "1600");
  EXPECT_EQ(Cell(3, kFirst), "12");

  prompter.answers = {Prompter::Answer::No};  // the changes are not saved
  Action("mnuFileClose")->trigger();
  EXPECT_EQ(table->model()->rowCount(), 0);
  EXPECT_FALSE(Find<QWidget>("cmdInterpolate")->isEnabled());
}

TEST_F(FormMainNodeTableTest, ACellTakesWhatTheNodeDialogTakesAndKeepsItsValueOtherwise) {
  const struct {
    int row, column;
    const char* typed;
    std::string message;  // empty: taken
    const char* shown;    // the cell afterwards
  } cases[] = {
      {3, kFirst, "12", "", "12"},
      {4, kRpm, "2100", "", "2100"},
      {3, kCoilOn, "35", GetErrorMessage(ErrCoilOnMultiple), "20"},
      {3, kRpm, "1225", GetErrorMessage(ErrRpmMultiple), "1500"},
      {0, kRpm, "50", GetErrorMessage(ErrFirstNodeRpm), "0"},
      {9, kRpm, "9050", GetErrorMessage(ErrRpmOverRevLimit), "5000"},
      {2, kFirst, "80", GetErrorMessage(ErrPrimarySparkMax), "10"},
      {5, kCoilOn, "x30", "", "30"},  // letters are not typed
  };
  for (const auto& c : cases) {
    Arrange([](CurveData&) {});
    prompter.asked.clear();
    TypeInCell(c.row, c.column, c.typed);
    EXPECT_EQ(Cell(c.row, c.column), c.shown) << c.typed;
    if (c.message.empty()) {
      EXPECT_TRUE(prompter.asked.empty()) << c.typed;
      EXPECT_EQ(document->UndoName(), edit_names::kNodeValue) << c.typed;
      document->Undo();
      EXPECT_FALSE(document->CanUndo()) << c.typed;
    } else {
      EXPECT_EQ(prompter.Texts(), std::vector<std::string>{c.message}) << c.typed;
      EXPECT_FALSE(document->CanUndo()) << c.typed;
    }
  }
}

TEST_F(FormMainNodeTableTest, InterpolateSetsTheRowsBetweenAsOneStep) {
  ArrangeShown([](SensorStateGraph& graph) {
    graph.Nodes[5].PS = 14;
    graph.Nodes[5].CO = 60;
  });
  const CurveData before = document->Curve();

  // The 1st Spark column from row 1 to row 5: only that plot.
  SelectCells(1, kFirst, 5, kFirst);
  Find<QPushButton>("cmdInterpolate")->click();
  EXPECT_EQ(Cell(3, kFirst), "12");
  EXPECT_EQ(Cell(3, kCoilOn), "20");
  EXPECT_EQ(document->UndoName(), edit_names::kInterpolate);
  document->Undo();
  EXPECT_EQ(document->Curve(), before);

  // Whole rows with Ctrl+I: every plot.
  SelectCells(1, kRpm, 5, kThird);
  QTest::keyClick(table, Qt::Key_I, Qt::ControlModifier);
  EXPECT_EQ(Cell(3, kFirst), "12");
  EXPECT_EQ(Cell(3, kCoilOn), "40");
  document->Undo();
  EXPECT_EQ(document->Curve(), before);

  // Two neighbouring rows have nothing between them.
  SelectCells(1, kFirst, 2, kFirst);
  Find<QPushButton>("cmdInterpolate")->click();
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>{
                                  "Select a first and a last row with at least one row between them to interpolate."});
  EXPECT_FALSE(document->CanUndo());
}

TEST_F(FormMainNodeTableTest, CopyGivesTabSeparatedTextAndPasteTakesItAllOrNothing) {
  SelectCells(2, kRpm, 3, kFirst);
  QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "1000\t20\t10\n1500\t20\t10\n");

  QApplication::clipboard()->setText("12\t7\r\n13\t8\r\n");
  SelectCells(4, kFirst, 4, kFirst);
  QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Cell(4, kFirst), "12");
  EXPECT_EQ(Cell(5, kSecond), "8");
  EXPECT_EQ(document->UndoName(), edit_names::kPasteValues);
  document->Undo();
  EXPECT_FALSE(document->CanUndo());

  // A value that breaks a rule in the middle: nothing is pasted.
  const CurveData before = document->Curve();
  QApplication::clipboard()->setText("12\n80\n13\n");
  QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(prompter.asked[0].text, GetErrorMessage(ErrPrimarySparkMax) + "\r\n\r\nAt node 6, 1st Spark.");
  EXPECT_EQ(document->Curve(), before);
  EXPECT_EQ(Cell(4, kFirst), "10");
  EXPECT_FALSE(document->CanUndo());
}

TEST_F(FormMainNodeTableTest, TheGraphAndTheTableShareTheSelection) {
  ClickGraphNode(1, 3);
  EXPECT_EQ(table->currentIndex(), table->model()->index(3, kFirst));
  EXPECT_TRUE(table->selectionModel()->isSelected(table->model()->index(3, kFirst)));
  EXPECT_EQ(Find<QLabel>("lblSelectedNode")->text(), "1st Spark, node 4: 1500 RPM, 10 Deg");
  QTest::keyClick(Find<GraphView>("picGraph"), Qt::Key_Up);
  EXPECT_EQ(Find<QLabel>("lblSelectedNode")->text(), "1st Spark, node 4: 1500 RPM, 11 Deg");
  EXPECT_EQ(Cell(3, kFirst), "11");

  SelectCells(6, kCoilOn, 7, kSecond);
  NodeSelection& selection = Find<GraphView>("picGraph")->Selection();
  EXPECT_EQ(selection.Current(), (NodeRef{0, 6}));
  EXPECT_EQ(selection.Nodes().size(), 6u);
  EXPECT_EQ(Find<QLabel>("lblSelectedNode")->text(), "Coil On, node 7: 3000 RPM, 20 Deg");

  // The RPM column selects no plot's node.
  SelectCells(2, kRpm, 2, kRpm);
  EXPECT_FALSE(selection.Current());
  EXPECT_EQ(Find<QLabel>("lblSelectedNode")->text(), "");
}

TEST_F(FormMainNodeTableTest, TabMovesBetweenNodesOnlyWhileOneIsSelected) {
  auto* graph = Find<GraphView>("picGraph");
  graph->setFocus();
  QTest::keyClick(graph, Qt::Key_Tab);
  EXPECT_FALSE(graph->hasFocus());

  ClickGraphNode(2, 9);
  QTest::keyClick(graph, Qt::Key_Tab);
  EXPECT_TRUE(graph->hasFocus());
  EXPECT_EQ(graph->Selection().Current(), (NodeRef{3, 0}));
  EXPECT_EQ(table->currentIndex(), table->model()->index(0, kThird));
}

TEST_F(FormMainNodeTableTest, ThePanelIsADockWhoseShowingIsRemembered) {
  auto* dock = Find<QDockWidget>("dockNodeTable");
  EXPECT_TRUE(dock->isVisible());
  EXPECT_TRUE(context.settings.NodeTableVisible);
  Action("mnuViewNodeTable")->trigger();
  EXPECT_FALSE(dock->isVisible());
  EXPECT_FALSE(context.settings.NodeTableVisible);

  // A window made with the table remembered as shown shows it; closing the window forgets nothing.
  context.settings.NodeTableVisible = true;
  window = std::make_unique<FormMain>(context, *document, prompter, dialogs);
  window->show();
  EXPECT_TRUE(Find<QDockWidget>("dockNodeTable")->isVisible());
  window->close();
  EXPECT_TRUE(context.settings.NodeTableVisible);

  context.settings.NodeTableVisible = false;
  window = std::make_unique<FormMain>(context, *document, prompter, dialogs);
  window->show();
  EXPECT_FALSE(Find<QDockWidget>("dockNodeTable")->isVisible());
  EXPECT_FALSE(Action("mnuViewNodeTable")->isChecked());
}

TEST_F(FormMainNodeTableTest, OnALaptopScreenTheGraphShrinksBesideTheTableAndKeepsItsAspect) {
  window->resize(FormMain::DefaultSize(QSize(1366, 728)));
  Action("mnuViewNodeTable")->trigger();
  QApplication::processEvents();
  auto* graph = Find<GraphView>("picGraph");
  const double alone = graph->ToWidget(kGraphSurface.bottomRight()).x() - graph->ToWidget(kGraphSurface.topLeft()).x();

  Action("mnuViewNodeTable")->trigger();
  QApplication::processEvents();
  const QPointF topLeft = graph->ToWidget(kGraphSurface.topLeft());
  const QPointF bottomRight = graph->ToWidget(kGraphSurface.bottomRight());
  EXPECT_LT(bottomRight.x() - topLeft.x(), alone);
  EXPECT_NEAR((bottomRight.x() - topLeft.x()) / (bottomRight.y() - topLeft.y()),
              kGraphSurface.width() / kGraphSurface.height(), 1e-9);
  EXPECT_GE(topLeft.x(), 0);
  EXPECT_LE(bottomRight.x(), graph->width());
  EXPECT_GE(graph->height(), 300);

  // Every column and row of the table, and every field, without scrolling.
  EXPECT_FALSE(table->horizontalScrollBar()->isVisible());
  EXPECT_FALSE(table->verticalScrollBar()->isVisible());
  EXPECT_FALSE(Find<QScrollArea>("scrFields")->verticalScrollBar()->isVisible());
  EXPECT_TRUE(Find("cboCoilSat")->isVisible());
}

TEST_F(FormMainNodeTableTest, WhileComparingTheTableAndTheDifferenceListShareOneSideAsTabs) {
  window->resize(FormMain::DefaultSize(QSize(1366, 728)));
  // A panel behind another's tab stays "visible", moved out of the window.
  const auto inView = [](const QWidget* widget) { return widget->isVisible() && !widget->visibleRegion().isEmpty(); };
  auto* list = Find("lstDifferences");
  window->CompareWithFile(WriteCurve("shipped.crv", 2));
  QApplication::processEvents();
  EXPECT_TRUE(window->tabifiedDockWidgets(Find<QDockWidget>("dockNodeTable")).contains(Find<QDockWidget>("dockDifferences")));
  // The list just asked for is in front, the table a tab away.
  EXPECT_TRUE(inView(list));
  EXPECT_FALSE(inView(table));

  // Shown again from the View menu, the table comes to the front, whole.
  Action("mnuViewNodeTable")->trigger();
  Action("mnuViewNodeTable")->trigger();
  QApplication::processEvents();
  EXPECT_TRUE(inView(table));
  EXPECT_FALSE(inView(list));
  EXPECT_FALSE(table->horizontalScrollBar()->isVisible());
  EXPECT_FALSE(Find<QScrollArea>("scrFields")->verticalScrollBar()->isVisible());
  EXPECT_GE(Find<GraphView>("picGraph")->height(), 300);

  // And the list again.
  Action("mnuViewDifferenceList")->trigger();
  Action("mnuViewDifferenceList")->trigger();
  QApplication::processEvents();
  EXPECT_TRUE(inView(list));
  EXPECT_FALSE(inView(table));
}

TEST_F(FormMainNodeTableTest, TheCompactEditionHasTheTableAndTheKeysToo) {
  window.reset();
  context.edition = Edition::Compact;
  context.settings.NodeTableVisible = true;
  window = std::make_unique<FormMain>(context, *document, prompter, dialogs);
  window->show();
  table = Find<QTableView>("tblNodes");
  EXPECT_TRUE(table->isVisible());
  ClickGraphNode(0, 5);
  QTest::keyClick(Find<GraphView>("picGraph"), Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>{GetErrorMessage(ErrAngleOrder)});
  QTest::keyClick(Find<GraphView>("picGraph"), Qt::Key_Up);
  EXPECT_EQ(Cell(5, kCoilOn), "30");
}

}  // namespace
}  // namespace curvedesk::testing
