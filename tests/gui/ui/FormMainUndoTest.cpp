// Edit > Undo and Redo in the main window: captions, keys, the title's mark and the save prompt,
// and what undoing shows.
#include "gui/ui/MainWindowFixture.h"

#include <QMenu>
#include <QPrinter>
#include <QTimer>

#include "core/graph/GraphScale.h"
#include "gui/graph/GraphView.h"
#include "support/print/PdfFile.h"

namespace curvedesk::testing {
namespace {

using Answer = Prompter::Answer;

class FormMainUndoTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    path = WriteCurve("four.crv", 4);
    Open(path);
  }
  QString UndoText() const { return Action("mnuEditUndo")->text().remove('&'); }
  QString RedoText() const { return Action("mnuEditRedo")->text().remove('&'); }
  bool CanUndo() const { return Action("mnuEditUndo")->isEnabled(); }
  bool CanRedo() const { return Action("mnuEditRedo")->isEnabled(); }
  QString Text(const char* field) const { return Find<QLineEdit>(field)->text(); }
  void Choose(const char* list, int index) {
    auto* combo = Find<QComboBox>(list);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }
  // A key pressed in the window while the graph has the focus, as the shortcut reaches it.
  void PressOnGraph(QKeySequence keys) {
    auto* graph = Find<GraphView>("picGraph");
    graph->setFocus();
    QTest::keySequence(window.get(), keys);
  }

  std::string path;
};

TEST_F(FormMainUndoTest, TheEditMenuAndToolBarNameTheStep) {
  auto* edit = window->findChild<QMenu*>("mnuEdit");
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->title(), "&Edit");
  EXPECT_TRUE(edit->actions().contains(Action("mnuEditUndo")));
  EXPECT_TRUE(edit->actions().contains(Action("mnuEditRedo")));
  EXPECT_EQ(Find<QToolButton>("cmdUndo")->defaultAction(), Action("mnuEditUndo"));
  EXPECT_EQ(Find<QToolButton>("cmdRedo")->defaultAction(), Action("mnuEditRedo"));
  EXPECT_EQ(Action("mnuEditUndo")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  EXPECT_EQ(Action("mnuEditRedo")->shortcuts(),
            (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}));

  EXPECT_FALSE(CanUndo());
  EXPECT_FALSE(CanRedo());
  EXPECT_EQ(UndoText(), "Undo");

  Enter("txtRevLimit", "9500");
  EXPECT_TRUE(CanUndo());
  EXPECT_EQ(UndoText(), "Undo Rev Limit");
  Choose("cboNumSparks", 0);
  EXPECT_EQ(UndoText(), "Undo Number of Sparks");

  Action("mnuEditUndo")->trigger();
  EXPECT_EQ(Find<QComboBox>("cboNumSparks")->currentText(), "3");
  EXPECT_EQ(UndoText(), "Undo Rev Limit");
  EXPECT_EQ(RedoText(), "Redo Number of Sparks");
  Action("mnuEditUndo")->trigger();
  EXPECT_EQ(Text("txtRevLimit"), "9000");
  EXPECT_FALSE(CanUndo());
  EXPECT_EQ(RedoText(), "Redo Rev Limit");
}

TEST_F(FormMainUndoTest, CtrlZUndoesAndBothRedoKeysRedo) {
  Enter("txtRevLimit", "9500");
  Enter("txtRevLimit", "9600");
  PressOnGraph(QKeySequence(Qt::CTRL | Qt::Key_Z));
  EXPECT_EQ(Text("txtRevLimit"), "9500");
  PressOnGraph(QKeySequence(Qt::CTRL | Qt::Key_Z));
  EXPECT_EQ(Text("txtRevLimit"), "9000");
  PressOnGraph(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
  EXPECT_EQ(Text("txtRevLimit"), "9500");
  PressOnGraph(QKeySequence(Qt::CTRL | Qt::Key_Y));
  EXPECT_EQ(Text("txtRevLimit"), "9600");
  EXPECT_FALSE(CanRedo());
}

TEST_F(FormMainUndoTest, AFieldKeepsCtrlZForItsOwnTextAndTheMenuCommitsItFirst) {
  auto* field = Find<NumericField>("txtRevLimit");
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, "95");
  QTest::keySequence(field, QKeySequence(Qt::CTRL | Qt::Key_Z));
  EXPECT_EQ(field->text(), "9000");  // the field's own undo
  EXPECT_FALSE(document->CanUndo());

  field->selectAll();
  QTest::keyClicks(field, "9700");
  // From the menu, the typed value is taken first, then undone.
  EXPECT_TRUE(CanUndo());
  EXPECT_EQ(UndoText(), "Undo Rev Limit");
  Action("mnuEditUndo")->trigger();
  EXPECT_EQ(field->text(), "9000");
  EXPECT_EQ(RedoText(), "Redo Rev Limit");
  Action("mnuEditRedo")->trigger();
  EXPECT_EQ(field->text(), "9700");
}

TEST_F(FormMainUndoTest, TheTitleAndTheSavePromptFollowTheSavedPoint) {
  Enter("txtRevLimit", "9500");
  EXPECT_EQ(Title(), "CurveDesk - [four.crv]*");
  Action("mnuEditUndo")->trigger();
  EXPECT_EQ(Title(), "CurveDesk - [four.crv]");

  // Back at the saved curve nothing is asked.
  Action("mnuFileClose")->trigger();
  EXPECT_TRUE(prompter.asked.empty());
  EXPECT_FALSE(window->DocumentOpen());

  // Saved after an edit, undoing past the save marks the curve changed again.
  Open(path);
  Enter("txtRevLimit", "9500");
  Action("mnuFileSave")->trigger();
  EXPECT_EQ(Title(), "CurveDesk - [four.crv]");
  Action("mnuEditUndo")->trigger();
  EXPECT_EQ(Title(), "CurveDesk - [four.crv]*");
  prompter.answers = {Answer::Cancel};
  Action("mnuFileClose")->trigger();
  EXPECT_EQ(prompter.asked.size(), 1u);
  EXPECT_TRUE(window->DocumentOpen());
  Action("mnuEditRedo")->trigger();
  EXPECT_EQ(Title(), "CurveDesk - [four.crv]");
}

TEST_F(FormMainUndoTest, UndoShowsTheSensorStateTheStepEdited) {
  Choose("cboSensorSelect", 2);
  Enter("txtRevLimit", "9500");
  Choose("cboSensorSelect", 0);
  EXPECT_EQ(UndoText(), "Undo Rev Limit");  // switching states is not a step

  Action("mnuEditUndo")->trigger();
  EXPECT_EQ(document->ShownState(), 2);
  EXPECT_EQ(Find<QComboBox>("cboSensorSelect")->currentIndex(), 2);
  EXPECT_EQ(Text("txtGraphInfo"), "graph 2");
  EXPECT_EQ(Text("txtRevLimit"), "9200");
}

TEST_F(FormMainUndoTest, ADragIsOneStepAndUndoPutsTheNodeBack) {
  auto* graph = Find<GraphView>("picGraph");
  const NodeMarker& marker = graph->Elements().Marker(ElementOf(1, 4));
  const QPointF from = graph->ToWidget(QPointF(marker.left + kMarkerHalf, marker.top + kMarkerHalf));
  QTest::mousePress(graph, Qt::LeftButton, Qt::NoModifier, from.toPoint());
  for (const int rpm : {2050, 2100, 2200}) {
    const QPointF to = graph->ToWidget(QPointF(RpmToX(rpm), AngleToY(15)));
    QMouseEvent move(QEvent::MouseMove, to, graph->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(graph, &move);
  }
  QTest::mouseRelease(graph, Qt::LeftButton, Qt::NoModifier, graph->ToWidget(QPointF(RpmToX(2200), 0)).toPoint());
  EXPECT_EQ(document->ShownGraph().RPM[4], 2200);
  EXPECT_EQ(UndoText(), "Undo Move Node");
  EXPECT_TRUE(Title().endsWith("*"));

  Action("mnuEditUndo")->trigger();
  EXPECT_EQ(document->ShownGraph().RPM[4], 2000);
  EXPECT_EQ(graph->Elements().Marker(ElementOf(1, 4)).left, marker.left);
  EXPECT_FALSE(CanUndo());
  EXPECT_FALSE(Title().endsWith("*"));
}

TEST_F(FormMainUndoTest, CoilChoiceIsNotAStepAndDocumentCommandsStartAFreshHistory) {
  Enter("txtRevLimit", "9500");
  auto* coils = Find<QComboBox>("cboCoilSat");
  coils->setEnabled(true);
  coils->setFocus();
  QTest::mouseClick(coils, Qt::LeftButton);
  QApplication::processEvents();
  coils->hidePopup();
  Choose("cboCoilSat", 4);
  EXPECT_EQ(UndoText(), "Undo Rev Limit");
  Action("mnuEditUndo")->trigger();
  EXPECT_EQ(document->Curve().CoilType, "ZNQ");  // the coil chosen now stays
  EXPECT_EQ(coils->currentText(), "ZNQ");

  Action("mnuEditRedo")->trigger();
  prompter.answers = {Answer::No};
  Open(path);
  EXPECT_FALSE(CanUndo());
  EXPECT_FALSE(CanRedo());
  EXPECT_EQ(UndoText(), "Undo");
}

// While pages are printed, pending events run between them: a Close, a New or an edit queued then
// must not change the curve being printed, and the window cannot close under the job.
TEST_F(FormMainUndoTest, PrintingWorksOnASnapshotWhileQueuedCommandsWait) {
  const std::string pdf = dir.File("printed.pdf");
  window->SetPrinterChooser([&](QWidget*, QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    return std::optional<PrintRange>(PrintRange::AllGraphs);
  });
  Enter("txtRevLimit", "9500");  // something to undo
  bool lockedMeanwhile = false;
  bool closedMeanwhile = true;
  bool tried = false;
  // Once the pages are being printed, the commands are tried as if they had been queued.
  QTimer whilePrinting;
  QObject::connect(&whilePrinting, &QTimer::timeout, [&] {
    auto* progress = window->findChild<QWidget*>("FormProgress");
    if (tried || !progress || !progress->isVisible()) return;
    tried = true;
    lockedMeanwhile = !Action("mnuFileClose")->isEnabled() && !Action("mnuFileNew")->isEnabled() &&
                      !Action("mnuEditUndo")->isEnabled() && !Find("txtRevLimit")->isEnabled();
    Action("mnuFileClose")->trigger();
    Action("mnuFileNew")->trigger();
    Action("mnuEditUndo")->trigger();
    closedMeanwhile = window->close();
  });
  whilePrinting.start(0);
  Action("mnuFilePrintGraph")->trigger();
  whilePrinting.stop();

  ASSERT_TRUE(tried);
  EXPECT_TRUE(lockedMeanwhile);
  EXPECT_FALSE(closedMeanwhile);
  EXPECT_TRUE(prompter.asked.empty());
  EXPECT_TRUE(window->DocumentOpen());
  EXPECT_EQ(document->FileName(), path);
  EXPECT_EQ(document->ShownGraph().RevLimit, 9500);
  EXPECT_EQ(PdfPageCount(ReadAll(pdf)), 4);
  // Afterwards the window works again.
  EXPECT_TRUE(Action("mnuFileClose")->isEnabled());
  EXPECT_TRUE(Action("mnuEditUndo")->isEnabled());
  EXPECT_TRUE(Find("txtRevLimit")->isEnabled());
}

}  // namespace
}  // namespace curvedesk::testing
