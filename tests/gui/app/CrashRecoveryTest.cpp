#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "core/curvefile/CurveFile.h"
#include "core/document/DocumentText.h"
#include "core/recovery/RecoveryCopy.h"
#include "gui/app/CrashRecovery.h"
#include "gui/app/StartUp.h"
#include "gui/platform/QtRegistryStore.h"
#include "gui/ui/FormMain.h"
#include "gui/ui/MainWindowFixture.h"
#include "gui/widgets/MessageBoxPrompter.h"

namespace curvedesk::testing {
namespace {

using Answer = Prompter::Answer;

// Runs of the program, one after the other or side by side, sharing one recovery folder.
class CrashRecoveryTest : public ::testing::Test {
 protected:
  struct Run {
    Run(CrashRecoveryTest& test, std::deque<Answer> answers = {}) : startUp(context, test.store, prompter, dialogs) {
      context.folders = test.folders;
      prompter.answers = std::move(answers);
    }
    FormMain& Window() const { return *startUp.MainWindow(); }
    CurveDocument& Document() const { return *startUp.Document(); }
    // Types a note as the user would.
    void TypeNote(const QString& text) const {
      auto* note = Window().findChild<QLineEdit*>("txtGraphInfo");
      note->setFocus();
      note->selectAll();
      QTest::keyClicks(note, text);
    }
    void Trigger(const char* action) const { Window().findChild<QAction*>(action)->trigger(); }

    AppContext context;
    ScriptedPrompter prompter;
    ScriptedFileDialogs dialogs;
    StartUp startUp;
  };

  void SetUp() override {
    InstallData(folders);
    std::filesystem::copy_file(std::filesystem::path(CURVEDESK_SOURCE_DATA_DIR) / "tables.ini",
                               DataFilePath(folders, "tables.ini"));
  }

  // A four-state curve file; graph n carries the note "graph n".
  std::string WriteCurve(const std::string& name) {
    CurveData curve;
    ClearCurve(curve, MakeDefaultGraph());
    curve.Name = "Korvane Tarvo GT-1";
    curve.CustType = "4";
    curve.CoilType = "KX-1";
    curve.NumSensorStates = 4;
    curve.Sensor1Type = kSensorDigital;
    curve.Sensor2Type = kSensorDigital;
    for (int n = 0; n < 4; ++n) curve.Graphs[static_cast<std::size_t>(n)].GraphInfo = "graph " + std::to_string(n);
    const std::string path = dir.File(name);
    SaveCurveFile(curve, "", path);
    return path;
  }
  // A copy as a program that was killed leaves it: no live lock.
  RecoveryCopyFiles LeaveCopy(const std::string& stem, const std::string& fileName, const std::string& note,
                              std::int64_t savedAt) {
    CurveData curve;
    LoadCurveFile(curve, WriteCurve("left.crv"), ReadDescriptions(), MakeDefaultGraph());
    curve.Graphs[0].GraphInfo = note;
    const RecoveryCopyFiles files = RecoveryFilesOf(folders.recoveryDir, stem);
    std::filesystem::create_directories(folders.recoveryDir);
    WriteRecoveryCopy(files, curve, {fileName, 0, savedAt});
    return files;
  }
  static bool Exists(const std::string& path) { return std::filesystem::exists(PathFromUtf8(path)); }
  static bool CopyExists(const RecoveryCopyFiles& files) { return Exists(files.curve) && Exists(files.info); }
  // The copy is written by the program's timer: the test waits for it on the event loop.
  static bool AwaitCopy(const RecoveryCopyFiles& files, const std::function<bool(const RecoveredCurve&)>& holds) {
    return QTest::qWaitFor(
        [&] {
          try {
            return CopyExists(files) && holds(ReadRecoveryCopy(files, ReadDescriptions(), MakeDefaultGraph()));
          } catch (const AppError&) {
            return false;
          }
        },
        30000);
  }
  static IgnitionDescriptionTable ReadDescriptions() {
    IgnitionDescriptionTable descriptions{};
    descriptions[0].Name = "Korvane Tarvo GT-1";
    descriptions[0].Valid = true;
    return descriptions;
  }
  std::vector<std::string> RecoveryFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(PathFromUtf8(folders.recoveryDir)))
      names.push_back(Utf8FromPath(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
  }

  TempDir dir;
  AppFolders folders{dir.File("data"), dir.File("docs"), dir.File("share/recovery")};
  QtRegistryStore store{QString::fromStdString(dir.File("config/settings.reg"))};
};

TEST_F(CrashRecoveryTest, AnEditIsKeptUntilItIsSaved) {
  const std::string path = WriteCurve("race.crv");
  Run run(*this);
  ASSERT_TRUE(run.startUp.Run(path));
  const RecoveryCopyFiles& files = run.startUp.Recovery()->OwnFiles();
  EXPECT_TRUE(Exists(files.lock)) << "the program holds its place from the start";
  EXPECT_FALSE(Exists(files.curve)) << "nothing unsaved, nothing kept";

  run.Document().ShowState(2);
  run.TypeNote("wet track");
  ASSERT_TRUE(
      AwaitCopy(files, [](const RecoveredCurve& copy) { return copy.curve.Graphs[2].GraphInfo == "wet track"; }));
  const RecoveredCurve copy = ReadRecoveryCopy(files, ReadDescriptions(), MakeDefaultGraph());
  EXPECT_EQ(copy.info.fileName, path);
  EXPECT_EQ(copy.info.shownState, 2);
  EXPECT_TRUE(copy.curve == run.Document().Curve());

  run.Trigger("mnuFileSave");
  EXPECT_FALSE(run.Document().Modified());
  EXPECT_FALSE(Exists(files.curve));
  EXPECT_FALSE(Exists(files.info));
  EXPECT_TRUE(run.prompter.asked.empty()) << ::testing::PrintToString(run.prompter.Texts());
}

// Each way of giving up or keeping the changes in a normal run; the copy goes with each.
TEST_F(CrashRecoveryTest, ClosingWithoutSavingAndEndingTheProgramRemoveTheCopy) {
  const std::string path = WriteCurve("race.crv");
  const struct {
    const char* how;
    const char* command;  // nullptr: the window is closed
    Answer answer;        // to the save prompt
    bool ends;
  } cases[] = {
      {"closed without saving", "mnuFileClose", Answer::No, false},
      {"ended without saving", nullptr, Answer::No, true},
      {"ended saving", nullptr, Answer::Yes, true},
  };
  for (const auto& c : cases) {
    Run run(*this);
    ASSERT_TRUE(run.startUp.Run(path)) << c.how;
    const RecoveryCopyFiles files = run.startUp.Recovery()->OwnFiles();
    run.TypeNote(c.how);
    ASSERT_TRUE(AwaitCopy(files, [](const RecoveredCurve&) { return true; })) << c.how;
    run.prompter.answers = {c.answer};
    if (c.command != nullptr)
      run.Trigger(c.command);
    else
      EXPECT_TRUE(run.Window().close()) << c.how;
    EXPECT_EQ(run.prompter.asked.size(), 1u) << c.how;
    EXPECT_FALSE(Exists(files.curve)) << c.how;
    EXPECT_FALSE(Exists(files.info)) << c.how;
    EXPECT_EQ(Exists(files.lock), !c.ends) << c.how << ": the lock goes with the program";
  }
}

TEST_F(CrashRecoveryTest, TheChangesOfARunThatDidNotEndAreRestoredAtTheNextStart) {
  const std::string path = WriteCurve("race.crv");
  RecoveryCopyFiles left;
  {
    Run killed(*this);
    ASSERT_TRUE(killed.startUp.Run(path));
    killed.Document().ShowState(3);
    killed.TypeNote("after the crash");
    left = killed.startUp.Recovery()->OwnFiles();
    ASSERT_TRUE(AwaitCopy(left, [](const RecoveredCurve& copy) { return copy.info.shownState == 3; }));
    // The run ends without its window closing; only its lock goes with it.
  }
  ASSERT_TRUE(CopyExists(left));

  Run next(*this, {Answer::Yes});
  ASSERT_TRUE(next.startUp.Run(""));
  ASSERT_EQ(next.prompter.asked.size(), 1u);
  EXPECT_EQ(next.prompter.asked[0].title, kRestoreTitle);
  EXPECT_TRUE(QString::fromStdString(next.prompter.asked[0].text)
                  .contains(QRegularExpression("^Restore the unsaved changes of race.crv from "
                                               "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d\\?$")))
      << next.prompter.asked[0].text;
  EXPECT_EQ(next.prompter.asked[0].buttons, Prompter::Buttons::YesNo);

  EXPECT_EQ(next.Window().windowTitle(), "CurveDesk - [race.crv]*");
  EXPECT_EQ(next.Document().FileName(), path);
  EXPECT_EQ(next.Document().ShownState(), 3);
  EXPECT_EQ(next.Window().findChild<QLineEdit*>("txtGraphInfo")->text(), "after the crash");
  EXPECT_FALSE(next.Document().CanUndo()) << "a fresh history";
  EXPECT_TRUE(next.Window().findChild<QAction*>("mnuFileSave")->isEnabled());
  // The curve moved into the copy of the program that restored it.
  EXPECT_FALSE(Exists(left.curve));
  EXPECT_FALSE(Exists(left.info));
  EXPECT_TRUE(CopyExists(next.startUp.Recovery()->OwnFiles()));

  // Saved, it is the file's content.
  next.Trigger("mnuFileSave");
  CurveData saved;
  LoadCurveFile(saved, path, ReadDescriptions(), MakeDefaultGraph());
  EXPECT_EQ(saved.Graphs[3].GraphInfo, "after the crash");
}

TEST_F(CrashRecoveryTest, OneOfSeveralCopiesIsRestoredNewestFirstAndTheOthersWaitForTheNextStart) {
  LeaveCopy("curvedesk-20250130-090000-11", dir.File("older.crv"), "older", 1738227600);
  LeaveCopy("curvedesk-20250131-090000-12", "", "newest", 1738314000);
  LeaveCopy("curvedesk-20250129-090000-13", dir.File("oldest.crv"), "oldest", 1738141200);
  {
    Run run(*this, {Answer::No, Answer::Yes});
    ASSERT_TRUE(run.startUp.Run(""));
    ASSERT_EQ(run.prompter.asked.size(), 2u);
    EXPECT_NE(run.prompter.asked[0].text.find(" of a new curve from "), std::string::npos);
    EXPECT_NE(run.prompter.asked[1].text.find(" of older.crv from "), std::string::npos);
    EXPECT_EQ(run.Window().windowTitle(), "CurveDesk - [older.crv]*");
    EXPECT_EQ(run.Document().Curve().Graphs[0].GraphInfo, "older");
    run.prompter.answers = {Answer::No};
    EXPECT_TRUE(run.Window().close());
  }
  Run next(*this, {Answer::Yes});
  ASSERT_TRUE(next.startUp.Run(""));
  ASSERT_EQ(next.prompter.asked.size(), 1u) << "the discarded copies are gone";
  EXPECT_NE(next.prompter.asked[0].text.find(" of oldest.crv from "), std::string::npos);
  EXPECT_EQ(next.Document().Curve().Graphs[0].GraphInfo, "oldest");
}

// With a copy restored and a curve file named on the command line: the answer to the save prompt,
// the curve shown afterwards, and what the restored curve's file holds then.
TEST_F(CrashRecoveryTest, AStartUpFileOpensAfterTheQuestionThroughTheSavePrompt) {
  const std::string race = WriteCurve("race.crv");
  const std::string other = WriteCurve("other.crv");
  const struct {
    Answer answer;
    std::string titleAfter;
    std::string noteInRaceFile;
  } cases[] = {
      {Answer::Cancel, "CurveDesk - [race.crv]*", "graph 0"},
      {Answer::No, "CurveDesk - [other.crv]", "graph 0"},
      {Answer::Yes, "CurveDesk - [other.crv]", "restored"},
  };
  for (const auto& c : cases) {
    WriteCurve("race.crv");
    LeaveCopy("curvedesk-20250131-090000-12", race, "restored", 1738314000);
    Run run(*this, {Answer::Yes, c.answer});
    ASSERT_TRUE(run.startUp.Run(other));
    ASSERT_EQ(run.prompter.asked.size(), 2u);
    EXPECT_EQ(run.prompter.asked[0].title, kRestoreTitle);
    EXPECT_EQ(run.prompter.asked[1].title, kSaveChangesTitle);
    EXPECT_EQ(run.prompter.asked[1].text, SaveChangesQuestion(race));
    EXPECT_EQ(run.Window().windowTitle().toStdString(), c.titleAfter);
    EXPECT_TRUE(run.Window().isVisible());
    CurveData inFile;
    LoadCurveFile(inFile, race, ReadDescriptions(), MakeDefaultGraph());
    EXPECT_EQ(inFile.Graphs[0].GraphInfo, c.noteInRaceFile);
    run.prompter.answers = {Answer::No};
    run.Window().close();
  }
}

TEST_F(CrashRecoveryTest, TwoRunningProgramsAndTheTwoEditionsDoNotTakeEachOthersCopy) {
  const std::string path = WriteCurve("race.crv");
  LeaveCopy("curvedesk_compact-20250131-090000-12", path, "compact", 1738314000);
  Run first(*this);
  ASSERT_TRUE(first.startUp.Run(path));
  first.TypeNote("first");
  const RecoveryCopyFiles firstFiles = first.startUp.Recovery()->OwnFiles();
  ASSERT_TRUE(AwaitCopy(firstFiles, [](const RecoveredCurve&) { return true; }));

  {
    Run second(*this);
    ASSERT_TRUE(second.startUp.Run(path));
    EXPECT_TRUE(second.prompter.asked.empty()) << "the running program's copy is not offered";
    const RecoveryCopyFiles secondFiles = second.startUp.Recovery()->OwnFiles();
    EXPECT_NE(secondFiles.curve, firstFiles.curve);
    second.TypeNote("second");
    ASSERT_TRUE(AwaitCopy(secondFiles, [](const RecoveredCurve&) { return true; }));
    second.prompter.answers = {Answer::No};
    EXPECT_TRUE(second.Window().close());
    EXPECT_FALSE(Exists(secondFiles.curve));
  }
  const RecoveredCurve kept = ReadRecoveryCopy(firstFiles, ReadDescriptions(), MakeDefaultGraph());
  EXPECT_EQ(kept.curve.Graphs[0].GraphInfo, "first");
  EXPECT_TRUE(Exists(firstFiles.lock));

  Run compact(*this, {Answer::No});
  compact.context.edition = Edition::Compact;
  ASSERT_TRUE(compact.startUp.Run(""));
  ASSERT_EQ(compact.prompter.asked.size(), 1u) << "only the compact edition's copy";
  EXPECT_NE(compact.prompter.asked[0].text.find(" of race.crv from "), std::string::npos);
  EXPECT_TRUE(CopyExists(firstFiles));
}

TEST_F(CrashRecoveryTest, ADamagedCopyIsToldOnceAndKeptAside) {
  const RecoveryCopyFiles damaged = LeaveCopy("curvedesk-20250131-090000-12", "", "lost", 1738314000);
  std::ofstream(PathFromUtf8(damaged.curve), std::ios::trunc) << "not a curve";
  {
    Run run(*this);
    ASSERT_TRUE(run.startUp.Run(""));
    ASSERT_EQ(run.prompter.asked.size(), 1u);
    EXPECT_EQ(run.prompter.asked[0].title, kRecoveryTitle);
    EXPECT_NE(run.prompter.asked[0].text.find(folders.recoveryDir + "/curvedesk-20250131-090000-12-damaged.crv"),
              std::string::npos)
        << run.prompter.asked[0].text;
    EXPECT_TRUE(run.Window().isVisible());
    EXPECT_FALSE(run.Document().IsOpen());
    EXPECT_TRUE(run.Window().close());
  }
  EXPECT_EQ(RecoveryFiles(), (std::vector<std::string>{"curvedesk-20250131-090000-12-damaged.crv",
                                                       "curvedesk-20250131-090000-12-damaged.ini"}));
  Run next(*this);
  ASSERT_TRUE(next.startUp.Run(""));
  EXPECT_TRUE(next.prompter.asked.empty());
}

TEST_F(CrashRecoveryTest, AFolderThatCannotBeUsedIsToldAndTheProgramRuns) {
  std::filesystem::create_directories(dir.Path() / "share");
  dir.Write("share/recovery", "a file where the folder should be");
  const std::string path = WriteCurve("race.crv");
  Run run(*this);
  ASSERT_TRUE(run.startUp.Run(path));
  ASSERT_EQ(run.prompter.asked.size(), 1u);
  EXPECT_EQ(run.prompter.asked[0].title, kRecoveryTitle);
  EXPECT_NE(run.prompter.asked[0].text.find(folders.recoveryDir), std::string::npos);
  run.TypeNote("edited");
  EXPECT_EQ(run.Window().windowTitle(), "CurveDesk - [race.crv]*");
}

// The question as the program shows it: how the user answers and what the program hears.
TEST(RestoreQuestionBox, EnterRestoresNoDiscardsAndPuttingTheQuestionAwayDecidesNothing) {
  const struct {
    const char* how;
    std::function<void(QMessageBox&)> answer;
    Answer heard;
  } cases[] = {
      {"Enter", [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); }, Answer::Yes},
      {"No", [](QMessageBox& box) { box.button(QMessageBox::No)->click(); }, Answer::No},
      {"Escape", [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }, Answer::Cancel},
      {"the close button", [](QMessageBox& box) { box.close(); }, Answer::Cancel},
  };
  const std::string question = RestoreQuestion({"/curves/race.crv", 0, 1738314000});
  for (const auto& c : cases) {
    MessageBoxPrompter prompter;
    QString text;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr) << c.how;
      text = box->text();
      EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes)) << c.how;
      c.answer(*box);
    });
    EXPECT_EQ(prompter.Ask(kRestoreTitle, question, Prompter::Icon::Question, Prompter::Buttons::YesNo), c.heard)
        << c.how;
    EXPECT_EQ(text.toStdString(), question);
  }
}

TEST_F(CrashRecoveryTest, AQuestionPutAwayKeepsTheCopyForTheNextStart) {
  const RecoveryCopyFiles left = LeaveCopy("curvedesk-20250131-090000-12", "", "kept", 1738314000);
  for (int start = 0; start < 2; ++start) {
    Run run(*this, {Answer::Cancel});
    ASSERT_TRUE(run.startUp.Run(""));
    EXPECT_EQ(run.prompter.asked.size(), 1u);
    EXPECT_FALSE(run.Document().IsOpen());
    EXPECT_TRUE(CopyExists(left));
    EXPECT_TRUE(run.Window().close());
  }
}

}  // namespace
}  // namespace curvedesk::testing
