// The real program, killed after an edit and started again, on a virtual X display driven by
// xdotool as a user's keyboard would drive it.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "core/curvefile/CurveFile.h"
#include "core/model/IgnitionDescriptionReader.h"
#include "core/recovery/RecoveryCopy.h"

namespace curvedesk::testing {
namespace {

constexpr int kPatience = 60000;  // milliseconds for anything a loaded machine may make slow

class RecoveryProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home.isValid());
    for (const char* tool : {"Xvfb", "xdotool"})
      ASSERT_FALSE(QStandardPaths::findExecutable(tool).isEmpty()) << tool << " is needed (scripts/install-deps.sh)";
    // The virtual display names itself on standard output once it accepts clients.
    display.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", "1366x900x24", "-nolisten", "tcp"});
    ASSERT_TRUE(display.waitForStarted(kPatience));
    ASSERT_TRUE(QTest::qWaitFor([this] { return display.canReadLine(); }, kPatience));
    displayName = ":" + QString::fromLatin1(display.readLine()).trimmed();

    QDir(home.path()).mkpath("docs");
    QDir(home.path()).mkpath("runtime");
    QFile::setPermissions(home.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    environment = QProcessEnvironment::systemEnvironment();
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("DISPLAY", displayName);
    environment.insert("HOME", home.path());
    environment.insert("XDG_DATA_HOME", home.filePath(".local/share"));
    environment.insert("XDG_CONFIG_HOME", home.filePath(".config"));
    environment.insert("XDG_RUNTIME_DIR", home.filePath("runtime"));
    environment.insert("CURVEDESK_DATA_DIR", CURVEDESK_SOURCE_DATA_DIR);
    environment.insert("CURVEDESK_DOCUMENTS_DIR", home.filePath("docs"));
    // In a sanitizer build the program's leaks are checked at its end; the session bus library that
    // the X11 platform loads keeps a buffer of its own until then.
    QFile suppressions(home.filePath("leaks.supp"));
    ASSERT_TRUE(suppressions.open(QIODevice::WriteOnly));
    suppressions.write("leak:libdbus-1.so\n");
    suppressions.close();
    environment.insert("LSAN_OPTIONS", "suppressions=" + suppressions.fileName());
  }

  void TearDown() override {
    for (QProcess* process : {&program, &display}) {
      if (process->state() == QProcess::NotRunning) continue;
      process->kill();
      process->waitForFinished(kPatience);
    }
  }

  void StartProgram(const QStringList& arguments) {
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(CURVEDESK_BUILD_BIN_DIR "/curvedesk"), arguments);
    ASSERT_TRUE(program.waitForStarted(kPatience));
  }

  // Runs xdotool on the display and answers what it printed; empty when it failed.
  QString XDoTool(const QStringList& arguments) {
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForFinished(kPatience)) {
      tool.kill();
      tool.waitForFinished();
      return {};
    }
    return tool.exitCode() == 0 ? QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed() : QString();
  }
  // The first window whose title matches, once it is there.
  QString AwaitWindow(const QString& titlePattern) {
    return XDoTool({"search", "--sync", "--onlyvisible", "--name", titlePattern}).section(u'\n', 0, 0);
  }
  // Keys go to the window that has the keyboard focus; there is no window manager to give it.
  void Keys(const QString& window, const QStringList& keys) {
    ASSERT_FALSE(window.isEmpty());
    XDoTool({"windowfocus", "--sync", window});
    XDoTool(QStringList{"key", "--clearmodifiers", "--delay", "50"} + keys);
  }
  void Type(const QString& window, const QString& text) {
    XDoTool({"windowfocus", "--sync", window});
    XDoTool({"type", "--delay", "50", text});
  }

  // The recovery copies the program keeps under the user's data folder.
  QStringList Copies() const {
    QStringList found;
    QDirIterator files(home.filePath(".local/share"), {"*.crv", "*.ini"}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) found << files.next();
    return found;
  }
  QStringList Locks() const {
    QStringList found;
    QDirIterator files(home.filePath(".local/share"), {"*.lock"}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) found << files.next();
    return found;
  }

  IgnitionDescriptionTable Shipped() const {
    IgnitionDescriptionTable descriptions{};
    ReadIgnitionDescriptions(descriptions, AppFolders{CURVEDESK_SOURCE_DATA_DIR, home.filePath("docs").toStdString()});
    return descriptions;
  }
  std::string WriteCurve() const {
    CurveData curve;
    ClearCurve(curve, MakeDefaultGraph());
    curve.Name = Shipped()[0].Name;
    curve.CustType = "4";
    curve.CoilType = "KX-1";
    const std::string path = home.filePath("docs/race.crv").toStdString();
    SaveCurveFile(curve, "", path);
    return path;
  }
  std::string NoteOf(const std::string& curveFile) const {
    CurveData curve;
    LoadCurveFile(curve, curveFile, Shipped(), MakeDefaultGraph());
    return curve.Graphs[0].GraphInfo;
  }
  std::string NoteOfCopy() const {
    for (const QString& file : Copies())
      if (file.endsWith(".crv")) return NoteOf(file.toStdString());
    return {};
  }

  QTemporaryDir home;
  QProcess display;
  QString displayName;
  QProcessEnvironment environment;
  QProcess program;
};

TEST_F(RecoveryProcessTest, AnEditSurvivesTheProgramBeingKilledAndIsRestoredAtTheNextStart) {
  const std::string curveFile = WriteCurve();
  StartProgram({QString::fromStdString(curveFile)});
  const QString window = AwaitWindow("^CurveDesk - \\[race\\.crv\\]$");
  ASSERT_FALSE(window.isEmpty());
  EXPECT_TRUE(Copies().isEmpty());

  // Alt+N is the Notes field's key.
  Keys(window, {"alt+n"});
  Type(window, "after the crash");
  ASSERT_FALSE(AwaitWindow("^CurveDesk - \\[race\\.crv\\]\\*$").isEmpty()) << "the edit reached the curve";
  ASSERT_TRUE(QTest::qWaitFor([this] { return NoteOfCopy() == "after the crash"; }, kPatience))
      << Copies().join(' ').toStdString();

  program.kill();  // SIGKILL: nothing of the program runs any more
  ASSERT_TRUE(program.waitForFinished(kPatience));
  EXPECT_EQ(program.exitStatus(), QProcess::CrashExit);
  EXPECT_EQ(Copies().size(), 2);
  EXPECT_EQ(Locks().size(), 1) << "left behind by the killed program";

  StartProgram({});
  const QString question = AwaitWindow("^Restore Unsaved Changes\\?$");
  Keys(question, {"Return"});  // Yes is the default
  const QString restored = AwaitWindow("^CurveDesk - \\[race\\.crv\\]\\*$");
  ASSERT_FALSE(restored.isEmpty());
  EXPECT_EQ(NoteOf(curveFile), "") << "the file itself is as it was";

  Keys(restored, {"ctrl+s"});
  ASSERT_FALSE(AwaitWindow("^CurveDesk - \\[race\\.crv\\]$").isEmpty());
  EXPECT_EQ(NoteOf(curveFile), "after the crash");
  EXPECT_TRUE(Copies().isEmpty()) << "saved, nothing is kept";

  Keys(restored, {"ctrl+q"});
  ASSERT_TRUE(program.waitForFinished(kPatience));
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().right(4000).toStdString();
  EXPECT_TRUE(Locks().isEmpty()) << "the stale lock was taken over and went with the normal end";
}

}  // namespace
}  // namespace curvedesk::testing
