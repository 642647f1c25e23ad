#include "gui/ui/MainWindowFixture.h"

#include "core/common/ErrorMessages.h"
#include "gui/graph/GraphView.h"

#include <QScrollArea>
#include <QScrollBar>

namespace curvedesk::testing {
namespace {

using Answer = Prompter::Answer;

const std::string kChanges = "The current data contains changes that have not been saved.\r\n\r\n";

class FormMainDocumentsTest : public MainWindowFixture {
 protected:
  bool Enabled(const char* name) const { return Action(name)->isEnabled(); }
  // The note of the shown graph changed as the user would type it.
  void EditNote(const QString& text) {
    auto* note = Find<QLineEdit>("txtGraphInfo");
    note->setFocus();
    note->selectAll();
    QTest::keyClicks(note, text);
  }
  std::string NoteInFile(const std::string& path) {
    CurveData loaded;
    LoadCurveFile(loaded, path, context.ignitionDescriptions, context.defaultGraph);
    return loaded.Graphs[0].GraphInfo;
  }
};

TEST_F(FormMainDocumentsTest, WithoutACurveOnlyTheCommandsThatNeedNoneAreOffered) {
  EXPECT_EQ(Title(), "CurveDesk - [New]");
  for (const char* name : {"mnuFileNew", "mnuFileOpen", "mnuFileExit", "mnuHelpWeb"})
    EXPECT_TRUE(Enabled(name)) << name;
  for (const char* name : {"mnuFileClose", "mnuFileSave", "mnuFileSaveAs", "actGraphCopy", "actGraphPaste"})
    EXPECT_FALSE(Enabled(name)) << name;
  for (const char* name : {"mnuFilePrintGraph", "mnuFileExportPdf", "mnuConfigSensors", "mnuEditUndo", "mnuEditRedo"})
    EXPECT_FALSE(Enabled(name)) << name;
  EXPECT_FALSE(Find<QLineEdit>("txtRevLimit")->isEnabled());
  EXPECT_FALSE(Find<QComboBox>("cboNumSparks")->isEnabled());
  EXPECT_TRUE(Find("frWarning")->isVisible());
  // A button runs the same command as its menu entry.
  EXPECT_EQ(Find<QToolButton>("CmdSaveAs")->defaultAction(), Action("mnuFileSaveAs"));
  EXPECT_FALSE(Find<QToolButton>("CmdSaveAs")->isEnabled());
}

TEST_F(FormMainDocumentsTest, OpeningAFileShowsItAndRemembersIt) {
  const std::string path = WriteCurve("race.crv");
  Open(path);

  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].title, "Open");
  EXPECT_EQ(dialogs.shown[0].folder.toStdString(), dir.File("curves") + "/");
  EXPECT_EQ(dialogs.shown[0].filter, "Korvane Tarvo (*.crv);;All Files (*)");
  EXPECT_TRUE(prompter.asked.empty());
  EXPECT_EQ(Title(), "CurveDesk - [race.crv]");
  EXPECT_EQ(document->FileName(), path);
  for (const char* name : {"mnuFileClose", "mnuFileSave", "mnuFileSaveAs", "actGraphCopy"})
    EXPECT_TRUE(Enabled(name)) << name;
  EXPECT_EQ(Find<QLineEdit>("txtIgnitionNameModel")->text(), "Korvane Tarvo GT-1");
  EXPECT_EQ(Find<QLineEdit>("txtNumCylinders")->text(), "4");
  EXPECT_EQ(Find<QLineEdit>("txtEngineType")->text(), "4 Cycle");
  EXPECT_EQ(Find<QLineEdit>("txtRevLimit")->text(), "9000");
  EXPECT_EQ(Find<QLineEdit>("txtGraphInfo")->text(), "graph 0");
  EXPECT_EQ(Find<QComboBox>("cboNumTransitions")->currentText(), "10");
  EXPECT_EQ(context.settings.LastFileOrder, "A");
  EXPECT_EQ(context.settings.LastFiles[0], path);
  EXPECT_TRUE(Action("mnuFileMRU0")->isVisible());
  EXPECT_TRUE(Action("mnuFileMRU0")->text().endsWith("race.crv"));
  EXPECT_TRUE(Action("mnuFileSepRecent")->isVisible());
  EXPECT_FALSE(Modified());
}

TEST_F(FormMainDocumentsTest, AFileThatIsNoCurveIsReportedAndLeavesNoCurve) {
  Open(WriteCurve("good.crv"));
  dir.Write("curves/notes.txt", "shopping list\r\n");
  Open(dir.File("curves/notes.txt"));

  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(prompter.asked[0].title, "Error");
  EXPECT_EQ(prompter.asked[0].text, GetErrorMessage(ErrNotCurveFile));
  EXPECT_FALSE(window->DocumentOpen());
  EXPECT_EQ(Title(), "CurveDesk - [New]");
  EXPECT_FALSE(Enabled("mnuFileSave"));
  EXPECT_EQ(Find<QLineEdit>("txtIgnitionNameModel")->text(), "");
  EXPECT_EQ(context.settings.LastFileOrder, "A");
}

TEST_F(FormMainDocumentsTest, CancellingOpenLeavesNoCurveShowing) {
  Open(WriteCurve("race.crv"));
  Action("mnuFileOpen")->trigger();
  EXPECT_FALSE(window->DocumentOpen());
  EXPECT_EQ(Find<QLineEdit>("txtRevLimit")->text(), "");
  EXPECT_EQ(Title(), "CurveDesk - [New]");
}

TEST_F(FormMainDocumentsTest, SavePromptAnswersForANamedCurve) {
  struct Case {
    Answer answer;
    bool closed;
    std::string noteInFile;
  };
  const Case cases[] = {
      {Answer::Cancel, false, "graph 0"},
      {Answer::No, true, "graph 0"},
      {Answer::Yes, true, "changed"},
  };
  for (const Case& c : cases) {
    const std::string path = WriteCurve("race.crv");
    Open(path);
    EditNote("changed");
    prompter.asked.clear();
    prompter.answers = {c.answer};
    Action("mnuFileClose")->trigger();

    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].title, "Save Changes?");
    EXPECT_EQ(prompter.asked[0].text, kChanges + "Save changes to file " + path + "?");
    EXPECT_EQ(prompter.asked[0].buttons, Prompter::Buttons::YesNoCancel);
    EXPECT_EQ(!window->DocumentOpen(), c.closed);
    EXPECT_EQ(Modified(), !c.closed);
    EXPECT_EQ(NoteInFile(path), c.noteInFile);
    if (!c.closed) {
      prompter.answers = {Answer::No};
      Action("mnuFileClose")->trigger();
    }
  }
}

TEST_F(FormMainDocumentsTest, AnUnnamedCurveIsOfferedTheSaveAsDialog) {
  Open(WriteCurve("template.crv"));
  document->Open(document->Curve(), "", true);  // as the wizard leaves a new curve

  // Cancelling the dialog abandons the command and keeps the curve.
  prompter.answers = {Answer::Yes};
  Action("mnuFileClose")->trigger();
  EXPECT_EQ(prompter.asked.back().text, kChanges + "Do you want to save the changes first?");
  EXPECT_EQ(dialogs.shown.back().title, "Save As");
  EXPECT_TRUE(window->DocumentOpen());
  EXPECT_TRUE(Modified());

  // A chosen name is written and remembered before the command goes on.
  const std::string saved = dir.File("curves/kept.crv");
  prompter.answers = {Answer::Yes};
  dialogs.paths = {QString::fromStdString(saved)};
  Action("mnuFileClose")->trigger();
  EXPECT_FALSE(window->DocumentOpen());
  EXPECT_EQ(NoteInFile(saved), "graph 0");
  EXPECT_EQ(context.settings.LastFiles[context.settings.LastFileOrder[0] - 'A'], saved);
}

TEST_F(FormMainDocumentsTest, SaveAsNamesTheCurveAndSaveWritesItAgain) {
  Open(WriteCurve("race.crv"));
  EditNote("wet");
  EXPECT_EQ(Title(), "CurveDesk - [race.crv]*");
  EditNote("wetter");
  EXPECT_EQ(Title().count('*'), 1);

  const std::string copy = dir.File("curves/wet.crv");
  dialogs.paths = {QString::fromStdString(copy)};
  Find<QToolButton>("CmdSaveAs")->click();
  EXPECT_EQ(Title(), "CurveDesk - [wet.crv]");
  EXPECT_EQ(document->FileName(), copy);
  EXPECT_EQ(NoteInFile(copy), "wetter");
  EXPECT_EQ(context.settings.LastFileOrder, "BA");

  EditNote("dry");
  Action("mnuFileSave")->trigger();
  EXPECT_EQ(Title(), "CurveDesk - [wet.crv]");
  EXPECT_EQ(NoteInFile(copy), "dry");
  EXPECT_EQ(context.settings.LastFileOrder, "BA");
}

TEST_F(FormMainDocumentsTest, AFailedSaveIsReportedAndKeepsTheChanges) {
  Open(WriteCurve("race.crv"));
  EditNote("lost?");
  dialogs.paths = {QString::fromStdString(dir.File("no such folder/x.crv"))};
  Action("mnuFileSaveAs")->trigger();
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(prompter.asked[0].title, "Error");
  EXPECT_TRUE(Modified());
  EXPECT_EQ(Title(), "CurveDesk - [race.crv]*");
}

TEST_F(FormMainDocumentsTest, RecentEntriesReopenTheirFiles) {
  const std::string first = WriteCurve("first.crv");
  const std::string second = WriteCurve("second.crv");
  Open(first);
  Open(second);
  EXPECT_TRUE(Action("mnuFileMRU0")->text().endsWith("second.crv"));
  EXPECT_TRUE(Action("mnuFileMRU1")->text().endsWith("first.crv"));
  EXPECT_FALSE(Action("mnuFileMRU2")->isVisible());

  Action("mnuFileMRU1")->trigger();
  EXPECT_EQ(document->FileName(), first);
  EXPECT_TRUE(Action("mnuFileMRU0")->text().endsWith("first.crv"));

  // A file that has gone fails like any load and stays in the list.
  std::filesystem::remove(second);
  Action("mnuFileMRU1")->trigger();
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(prompter.asked[0].title, "Error");
  EXPECT_FALSE(window->DocumentOpen());
  EXPECT_TRUE(Action("mnuFileMRU1")->text().endsWith("second.crv"));
}

TEST_F(FormMainDocumentsTest, ClosingTheWindowAsksAboutChanges) {
  bool unloaded = false;
  window->SetUnloadHandler([&] { unloaded = true; });
  Open(WriteCurve("race.crv"));
  document->Open(document->Curve(), "", true);  // as the wizard leaves a new curve

  prompter.answers = {Answer::Cancel};
  EXPECT_FALSE(window->close());
  EXPECT_FALSE(unloaded);

  // Cancelling the Save As dialog while closing closes without saving.
  prompter.answers = {Answer::Yes};
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(unloaded);
  EXPECT_EQ(dialogs.shown.back().title, "Save As");
}

TEST_F(FormMainDocumentsTest, ARejectedFieldStopsTheDocumentCommands) {
  const std::string path = WriteCurve("race.crv");
  Open(path);
  EditNote("typed");
  auto* revLimit = Find<NumericField>("txtRevLimit");
  revLimit->setFocus();
  revLimit->selectAll();
  QTest::keyClicks(revLimit, "1225");
  Action("mnuFileSave")->trigger();

  EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"RPM value must be a multiple of 50."});
  EXPECT_EQ(NoteInFile(path), "graph 0");
  EXPECT_TRUE(revLimit->hasFocus());
  EXPECT_TRUE(Modified());
}

TEST_F(FormMainDocumentsTest, OnALaptopScreenTheGraphAndEveryFieldShowWithoutScrolling) {
  // 1366 x 768 with a task bar of 40 pixels.
  const QSize size = FormMain::DefaultSize(QSize(1366, 728));
  EXPECT_LE(size.width(), 1366);
  EXPECT_LE(size.height(), 728);
  window->resize(size);
  Open(WriteCurve("four.crv", 4));
  QApplication::processEvents();

  auto* fields = Find<QScrollArea>("scrFields");
  EXPECT_FALSE(fields->verticalScrollBar()->isVisible());
  const QRect shown = fields->viewport()->rect();
  for (const char* name : {"txtIgnitionNameModel", "txtSensor2", "txtRevLimit", "cboNumSparks", "txtRpmSw2Stop",
                           "cboCoilSat", "frWarning"}) {
    auto* widget = Find<QWidget>(name);
    if (fields->isAncestorOf(widget)) {
      const QRect at(widget->mapTo(fields->viewport(), QPoint(0, 0)), widget->size());
      EXPECT_TRUE(shown.contains(at)) << name;
    }
    EXPECT_TRUE(widget->isVisible()) << name;
  }
  // The whole graph, its labels included, is inside the surface the window gives it.
  auto* graph = Find<GraphView>("picGraph");
  EXPECT_GE(graph->ToWidget(kGraphSurface.topLeft()).y(), 0);
  EXPECT_LE(graph->ToWidget(kGraphSurface.bottomRight()).y(), graph->height());
  EXPECT_GE(graph->height(), 400);
  EXPECT_TRUE(Find("txtGraphInfo")->isVisible());
}

}  // namespace
}  // namespace curvedesk::testing
