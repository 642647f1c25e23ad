#include <gtest/gtest.h>

#include <QAction>
#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTest>

#include "core/app/Settings.h"
#include "core/common/ErrorMessages.h"
#include "core/common/MemoryRegistryStore.h"
#include "core/curvefile/CurveFile.h"
#include "core/document/ComparisonCurve.h"
#include "gui/app/StartUp.h"
#include "gui/platform/QtRegistryStore.h"
#include "gui/ui/FormMain.h"
#include "gui/ui/MainWindowFixture.h"

namespace curvedesk::testing {
namespace {

// One run of the program from start-up to the main window, on a settings file in a temporary folder.
class StartUpTest : public ::testing::Test {
 protected:
  struct Run {
    explicit Run(StartUpTest& test, RegistryStore& store) : startUp(context, store, prompter, dialogs) {
      context.folders = test.folders;
    }
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

  std::string WriteCurve(const std::string& name) {
    CurveData curve;
    ClearCurve(curve, MakeDefaultGraph());
    curve.Name = "Korvane Tarvo GT-1";
    curve.CustType = "4";
    const std::string path = dir.File(name);
    SaveCurveFile(curve, "", path);
    return path;
  }

  TempDir dir;
  AppFolders folders{dir.File("data"), dir.File("docs")};
  QtRegistryStore store{QString::fromStdString(dir.File("config/settings.reg"))};
};

TEST_F(StartUpTest, SettingsWrittenAtShutDownAreReadAtTheNextStart) {
  const std::string path = WriteCurve("race.crv");
  {
    Run first(*this, store);
    ASSERT_TRUE(first.startUp.Run(""));
    FormMain* window = first.startUp.MainWindow();
    EXPECT_EQ(window->windowTitle(), "CurveDesk - [New]");
    EXPECT_EQ(first.context.settings.DefCurveFilePath, DefaultCurveFolder(folders));
    first.dialogs.paths = {QString::fromStdString(path)};
    window->findChild<QAction*>("mnuFileOpen")->trigger();
    window->move(300, 200);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(first.prompter.asked.empty());
  }
  Run second(*this, store);
  ASSERT_TRUE(second.startUp.Run(""));
  const AppSettings& settings = second.context.settings;
  EXPECT_EQ(settings.LastFileOrder, "A");
  EXPECT_EQ(settings.LastFiles[0], path);
  EXPECT_EQ(settings.DefCurveFilePath, dir.File(""));
  EXPECT_EQ(settings.MainLeft, 300 * 15);
  EXPECT_EQ(settings.MainTop, 200 * 15);
  FormMain* window = second.startUp.MainWindow();
  EXPECT_TRUE(window->findChild<QAction*>("mnuFileMRU0")->text().endsWith("race.crv"));
  EXPECT_EQ(window->pos(), QPoint(300, 200));
}

TEST_F(StartUpTest, FirstStartInstallsTheTimingTableMakesTheDocumentFoldersAndReadsTheCustomLayoutName) {
  std::filesystem::create_directories(std::filesystem::path(CustomNameTablePath(folders)).parent_path());
  std::ofstream(CustomNameTablePath(folders)) << "[CustName]\r\nNAME=#H-D (Dual Fire)#\r\n";
  Run run(*this, store);
  ASSERT_TRUE(run.startUp.Run(""));
  EXPECT_TRUE(std::filesystem::exists(TimingTablePath(folders)));
  EXPECT_TRUE(std::filesystem::is_directory(DefaultCurveFolder(folders))) << "the Save As dialog starts there";
  EXPECT_TRUE(std::filesystem::is_directory(DefaultFirmwareFolder(folders)));
  EXPECT_EQ(run.context.CustName, "H-D (Dual Fire)");
  EXPECT_TRUE(run.context.ignitionDescriptions[0].Valid);
  EXPECT_TRUE(run.prompter.asked.empty());
}

TEST_F(StartUpTest, AMissingShippedTimingTableIsReportedButTheEditorStarts) {
  std::filesystem::remove(DataFilePath(folders, "tables.ini"));
  Run run(*this, store);
  ASSERT_TRUE(run.startUp.Run(""));
  EXPECT_EQ(run.prompter.asked.size(), 1u);
  EXPECT_TRUE(run.startUp.MainWindow()->isVisible());
}

TEST_F(StartUpTest, ACurveNamedOnTheCommandLineIsOpened) {
  const std::string path = WriteCurve("race.crv");
  Run run(*this, store);
  ASSERT_TRUE(run.startUp.Run(path));
  EXPECT_EQ(run.startUp.MainWindow()->windowTitle(), "CurveDesk - [race.crv]");
  EXPECT_TRUE(run.startUp.MainWindow()->isVisible());
  EXPECT_TRUE(run.startUp.MainWindow()->DocumentOpen());
}

TEST_F(StartUpTest, ACurveNamedWithACompareFileOpensBothInOneStep) {
  const std::string edited = WriteCurve("race.crv");
  const std::string shipped = WriteCurve("shipped.crv");
  Run run(*this, store);
  ASSERT_TRUE(run.startUp.Run(edited, shipped));
  FormMain* window = run.startUp.MainWindow();
  EXPECT_EQ(window->windowTitle(), "CurveDesk - [race.crv]");
  ASSERT_TRUE(window->Comparison().IsOpen());
  EXPECT_EQ(window->Comparison().FileName(), shipped);
  EXPECT_TRUE(run.prompter.asked.empty());

  // A comparison that cannot be read is reported; the curve stays open without one.
  Run broken(*this, store);
  ASSERT_TRUE(broken.startUp.Run(edited, dir.File("missing.crv")));
  EXPECT_EQ(broken.prompter.Texts(), std::vector<std::string>{GetErrorMessage(ErrNotCurveFile)});
  EXPECT_TRUE(broken.startUp.MainWindow()->DocumentOpen());
  EXPECT_FALSE(broken.startUp.MainWindow()->Comparison().IsOpen());
}

TEST_F(StartUpTest, AStartUpFileThatCannotBeLoadedLeavesTheProgramUp) {
  Run run(*this, store);
  ASSERT_TRUE(run.startUp.Run(dir.File("missing.crv")));
  EXPECT_EQ(run.prompter.Texts(), std::vector<std::string>{GetErrorMessage(ErrNotCurveFile)});
  EXPECT_TRUE(run.startUp.MainWindow()->isVisible());
  EXPECT_FALSE(run.startUp.MainWindow()->DocumentOpen());
  EXPECT_EQ(run.startUp.MainWindow()->windowTitle(), "CurveDesk - [New]");
}

TEST_F(StartUpTest, ARegistryFailureEndsStartUpWithItsMessage) {
  MemoryRegistryStore broken;
  broken.FailAll(win32::kRegistryCorrupt);
  Run run(*this, broken);
  EXPECT_FALSE(run.startUp.Run(""));
  ASSERT_EQ(run.prompter.asked.size(), 1u);
  EXPECT_EQ(run.prompter.asked[0].title, "Error");
  EXPECT_EQ(run.prompter.asked[0].text, GetErrorMessage(ErrRegistryCorrupt));
  EXPECT_EQ(run.startUp.MainWindow(), nullptr);
}

TEST_F(StartUpTest, ADamagedSettingsFileIsSetAsideAndTheProgramStartsWithTheDefaults) {
  std::filesystem::create_directories(dir.Path() / "config");
  const std::string damaged = "[Software\\Korvane\\Tarvo\\1.0\\Vista]\n\"ComPort\"=dword:00000003\n\x01\x02garbage\n";
  dir.Write("config/settings.reg", damaged);
  const std::string copy =
      dir.File("config/settings-damaged-" + QDate::currentDate().toString(Qt::ISODate).toStdString() + ".reg");
  {
    Run run(*this, store);
    ASSERT_TRUE(run.startUp.Run("")) << ::testing::PrintToString(run.prompter.Texts());
    EXPECT_TRUE(run.startUp.MainWindow()->isVisible());
    ASSERT_EQ(run.prompter.asked.size(), 1u) << "told once";
    EXPECT_EQ(run.prompter.asked[0].title, "Settings");
    EXPECT_NE(run.prompter.asked[0].text.find(copy), std::string::npos);
    EXPECT_NE(run.prompter.asked[0].text.find("defaults"), std::string::npos);
    EXPECT_EQ(ReadAll(copy), damaged);
    EXPECT_EQ(run.context.settings.ComPort, 1);
    EXPECT_EQ(run.context.settings.DefCurveFilePath, DefaultCurveFolder(folders));

    // Damaged again while the program runs: the settings of this run are saved all the same.
    run.context.settings.ComPort = 5;
    dir.Write("config/settings.reg", damaged);
    EXPECT_TRUE(run.startUp.MainWindow()->close());
    EXPECT_EQ(run.prompter.asked.size(), 2u);
  }
  Run next(*this, store);
  ASSERT_TRUE(next.startUp.Run(""));
  EXPECT_TRUE(next.prompter.asked.empty());
  EXPECT_EQ(next.context.settings.ComPort, 5);
}

TEST_F(StartUpTest, ACorruptIgnitionDescriptionEndsStartUp) {
  std::filesystem::remove(IgnitionDescriptionPath(folders, 2));
  std::filesystem::create_directories(IgnitionDescriptionPath(folders, 2));
  Run run(*this, store);
  EXPECT_FALSE(run.startUp.Run(""));
  EXPECT_EQ(run.prompter.Texts(), std::vector<std::string>{GetErrorMessage(ErrIgnDescCorrupt)});
}

TEST_F(StartUpTest, AFailedSaveAtShutDownIsShownAndTheWindowStillCloses) {
  MemoryRegistryStore memory;
  Run run(*this, memory);
  ASSERT_TRUE(run.startUp.Run(""));
  memory.FailValue("LastFileA", win32::kAccessDenied);
  EXPECT_TRUE(run.startUp.MainWindow()->close());
  EXPECT_EQ(run.prompter.Texts(), std::vector<std::string>{GetErrorMessage(ErrRegistryDenied)});
}

TEST_F(StartUpTest, EachEditionShowsTheInstalledIconAndNamesItsDesktopEntry) {
  // The file the desktop shows, drawn by Qt's SVG renderer itself: a window showing the painted
  // stand-in (icon not linked in, SVG plugin missing) differs from it.
  QSvgRenderer installedIcon(QStringLiteral(CURVEDESK_SOURCE_DATA_DIR "/icons/org.curvedesk.curvedesk.svg"));
  ASSERT_TRUE(installedIcon.isValid());
  QImage expected(64, 64, QImage::Format_ARGB32_Premultiplied);
  expected.fill(Qt::transparent);
  QPainter painter(&expected);
  installedIcon.render(&painter);
  painter.end();

  for (const Edition edition : {Edition::Full, Edition::Compact}) {
    Run run(*this, store);
    run.context.edition = edition;
    ASSERT_TRUE(run.startUp.Run(""));
    const QImage shown = run.startUp.MainWindow()->windowIcon().pixmap(QSize(64, 64)).toImage();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied), expected);
    const QString entry = QGuiApplication::desktopFileName() + ".desktop";
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral(CURVEDESK_SOURCE_DATA_DIR "/desktop/") + entry))
        << entry.toStdString();
    EXPECT_EQ(entry.contains("compact"), edition == Edition::Compact) << entry.toStdString();
  }
}

TEST(InstallerSwitchTest, RegistrationEndsTheProgramWithoutAWindow) {
  for (const char* word : {"/REG", "/unreg"}) {
    QProcess program;
    // No window system at all: reaching for one would fail the run.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(CURVEDESK_BUILD_BIN_DIR "/curvedesk"), {QString::fromLatin1(word), "a.ocx", "b.ocx"});
    ASSERT_TRUE(program.waitForFinished(20000)) << word;
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << word;
    EXPECT_EQ(program.exitCode(), 0) << word;
  }
}

}  // namespace
}  // namespace curvedesk::testing
