// Program Ignition, Program Rev. Limit and Upgrade Firmware through the main window, against the
// emulated board on a pseudo-terminal.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <fstream>

#include "core/common/ErrorMessages.h"
#include "core/common/Utils.h"
#include "core/ignition/CurveFixtures.h"
#include "core/ignition/SerialErrors.h"
#include "core/ignition/SerialPortDiagnosis.h"
#include "gui/widgets/FormProgress.h"
#include "gui/ignition/FormScrollText.h"
#include "gui/ignition/IgnitionFixture.h"

namespace curvedesk::testing {
namespace {

using Answer = Prompter::Answer;

class ProgramIgnitionWindow : public IgnitionFixture {
 protected:
  // A finished curve in the window, ready to be programmed.
  void ShowFinishedCurve() { document->Open(TwoStateCurve(), "", true); }
  bool Asked(const std::string& text) const {
    for (const auto& question : prompter.asked)
      if (question.text.find(text) != std::string::npos) return true;
    return false;
  }
};

TEST_F(ProgramIgnitionWindow, WithoutACurveOnlyTheIgnitionCommandsThatNeedNoneAreOffered) {
  ASSERT_FALSE(window->DocumentOpen());
  for (const char* name : {"mnuFileProgramRevLimit", "mnuConfigSerialPort", "mnuConfigUpgradeFirmware", "mnuHelpAbout"})
    EXPECT_TRUE(Action(name)->isEnabled()) << name;
  EXPECT_FALSE(Action("mnuFileProgramIgnition")->isEnabled());
  EXPECT_TRUE(Find<QToolButton>("CmdAbout")->isEnabled());

  ShowFinishedCurve();
  EXPECT_TRUE(Action("mnuFileProgramIgnition")->isEnabled());
}

TEST_F(ProgramIgnitionWindow, WritesTheCurveWithTheLogAndTheSuccessMessage) {
  ShowFinishedCurve();
  prompter.answers = {Answer::Ok};  // the confirmation; the success message is an OK box

  // While the run waits for the board, the windows answer events: look at them then, and try to
  // start a second job and to close the windows.
  bool lookedDuringRun = false;
  QTimer duringRun;
  QObject::connect(&duringRun, &QTimer::timeout, [&] {
    FormScrollText* log = commands->LogWindow();
    if (!log || !log->isVisible() || lookedDuringRun) return;
    lookedDuringRun = true;
    EXPECT_TRUE(log->isVisible());
    EXPECT_TRUE(commands->ProgressWindow()->isVisible());
    EXPECT_FALSE(log->close());
    EXPECT_TRUE(log->isVisible());
    EXPECT_FALSE(Action("mnuFileProgramIgnition")->isEnabled());
    EXPECT_FALSE(Action("mnuFileProgramRevLimit")->isEnabled());
    EXPECT_FALSE(Action("mnuConfigUpgradeFirmware")->isEnabled());
    EXPECT_FALSE(Action("mnuFileOpen")->isEnabled());
    EXPECT_FALSE(window->close());
    commands->ProgramIgnition(document->Curve());  // a second start from anywhere is ignored
  });
  duringRun.start(0);
  Find<QToolButton>("cmdProgramIgnition")->click();
  duringRun.stop();

  EXPECT_TRUE(lookedDuringRun);
  ASSERT_EQ(prompter.asked.size(), 2u);
  EXPECT_EQ(prompter.asked[0].title, "Program Ignition");
  EXPECT_EQ(prompter.asked[1].title, "");
  EXPECT_EQ(prompter.asked[1].text, "Ignition programmed successfully");

  const QString log = commands->LogWindow()->Text();
  for (const char* line :
       {"Establishing communications with ignition board ...\n... successful.\n",
        "Programming common data for all sensor states ...\n    (UNUSED) = $00\n", "    CurveFallback = $",
        "\nProgramming sensor state data in slot 4 ...\n", "\n    STARTUP RPM ...\n    -----------------------\n",
        "\n    RPM 9 ...\n",
        "\nWriting end-of-file marker ...\n... successful.\n\nVerifying ...\n... 388 bytes verified.\n\n"
        "PROGRAMMING COMPLETED.\n"})
    EXPECT_TRUE(log.contains(QString::fromLatin1(line))) << line;
  const QString rule(60, QLatin1Char('='));
  EXPECT_TRUE(log.endsWith("\n" + rule + "\n    Please press this window's Close button to continue.\n" + rule + "\n"));
  EXPECT_FALSE(commands->LogWindow()->isVisible());
  EXPECT_FALSE(commands->ProgressWindow()->isVisible());
  EXPECT_EQ(commands->ProgressWindow()->Progress(), 100);

  // The board holds the curve: sensor state 0 in slot 2 ("2031"), its rev limit 6000 as 0x79.
  EXPECT_EQ(Plain(0x0611 + 94 * 1), 0x79);
  EXPECT_EQ(Plain(0x0611 + 94 * 0), 128);  // slot 1 takes graph 2, which the curve does not use
  EXPECT_TRUE(Action("mnuFileProgramIgnition")->isEnabled());
  EXPECT_TRUE(Action("mnuFileOpen")->isEnabled());
}

TEST_F(ProgramIgnitionWindow, AnUnconfiguredPortShowsTheInstructionsAndThePortDialogFirst) {
  store = MemoryRegistryStore();
  ShowFinishedCurve();
  script.Then([this](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Serial Port Settings");
    ModalScript::Click("cmdDetectPorts")(dialog);
    ModalScript::Click("cmdOK")(dialog);
  });
  prompter.answers = {Answer::Ok, Answer::Cancel};  // the instructions, then the confirmation
  Action("mnuFileProgramIgnition")->trigger();

  EXPECT_TRUE(script.Done());
  ASSERT_EQ(prompter.asked.size(), 2u);
  EXPECT_EQ(prompter.asked[0].text.rfind("You must configure the serial port before programming an ignition\r\n", 0),
            0u);
  EXPECT_EQ(prompter.asked[1].title, "Program Ignition");
  EXPECT_TRUE(IsProgramSerialSet(store, kSettingsKey));
  EXPECT_EQ(LoadComDevice(store, kSettingsKey), pty.DevicePath());
  EXPECT_EQ(pty.CharactersToBoard(), 0u) << "cancelled before the board was contacted";
}

TEST_F(ProgramIgnitionWindow, AnUntouchedGraphIsRefusedWithoutContactingTheBoard) {
  CurveData untouched = TwoStateCurve();
  untouched.Graphs[1] = context.defaultGraph;
  document->Open(untouched, "", true);
  Action("mnuFileProgramIgnition")->trigger();
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(prompter.asked[0].text,
            "You must complete the graphs for every Sensor State\r\nbefore programming is allowed.");
  EXPECT_EQ(commands->LogWindow(), nullptr);
  EXPECT_EQ(pty.CharactersToBoard(), 0u);
}

TEST_F(ProgramIgnitionWindow, BoardFailuresShowTheirMessageWithTheWindowsClosed) {
  const struct {
    const char* name;
    std::function<void(board::BoardOptions&)> fault;
    ErrorNumber error;
  } cases[] = {
      {"silent board", [](board::BoardOptions& options) { options.faults.silent = true; }, ErrBoardNotResponding},
      {"rejected record", [](board::BoardOptions& options) { options.faults.rejectRecord = 3; }, ErrProgramming},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetBoardOptions(c.fault);
    ShowFinishedCurve();
    prompter.asked.clear();
    prompter.answers = {Answer::Ok};
    Action("mnuFileProgramIgnition")->trigger();

    ASSERT_EQ(prompter.asked.size(), 2u);
    EXPECT_EQ(prompter.asked[1].title, "Error");
    EXPECT_EQ(prompter.asked[1].text, GetErrorMessage(c.error));
    const QString log = commands->LogWindow()->Text();
    const QString message = QString::fromStdString(GetErrorMessage(c.error)).replace("\r\n", "\n");
    EXPECT_TRUE(log.endsWith("\n-------------------------- ERROR ---------------------------\n" + message + "\n"));
    EXPECT_FALSE(log.contains("PROGRAMMING COMPLETED."));
    EXPECT_FALSE(commands->LogWindow()->isVisible());
    EXPECT_FALSE(commands->ProgressWindow()->isVisible());
    EXPECT_TRUE(Action("mnuFileProgramIgnition")->isEnabled());
    SetBoardOptions([](board::BoardOptions& options) { options.faults = {}; });
  }
}

TEST_F(ProgramIgnitionWindow, AnUnpluggedProgrammerStopsTheRunSayingSoAndThePortWorksAgainOncePluggedBackIn) {
  SetBoardOptions([](board::BoardOptions& options) { options.faults.dropAfterRecord = 2; });
  const std::string unplugged = pty.DevicePath();
  ShowFinishedCurve();
  prompter.answers = {Answer::Ok};
  // What the windows show while the message is read.
  QString progressLine;
  bool windowsUp = false;
  prompter.whileAsked = [&](const ScriptedPrompter::Question& question) {
    if (question.title != "Error") return;
    windowsUp = commands->LogWindow()->isVisible() && commands->ProgressWindow()->isVisible();
    progressLine = commands->ProgressWindow()->findChild<QLabel*>("lblProgress")->text();
  };
  Action("mnuFileProgramIgnition")->trigger();

  ASSERT_EQ(prompter.asked.size(), 2u);
  const std::string message = GetErrorMessage(ErrSerialPortLost, DescribePortLost(unplugged).Description());
  EXPECT_EQ(prompter.asked[1].text, message);
  EXPECT_NE(message.find("The programmer was disconnected"), std::string::npos);
  EXPECT_TRUE(windowsUp);
  EXPECT_EQ(progressLine, "The programmer was disconnected.");
  EXPECT_TRUE(commands->LogWindow()->Text().endsWith("-------------------------- ERROR ---------------------------\n" +
                                                     QString::fromStdString(message).replace("\r\n", "\n") + "\n"));
  EXPECT_FALSE(commands->LogWindow()->isVisible());

  // Plugged back in, under another name: Detect Ports finds it, and the same program programs it.
  ASSERT_NE(pty.DevicePath(), unplugged);
  script.Then([](QDialog& dialog) {
    ModalScript::Click("cmdDetectPorts")(dialog);
    ModalScript::Click("cmdOK")(dialog);
  });
  Action("mnuConfigSerialPort")->trigger();
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(context.settings.ComDevice, pty.DevicePath());
  prompter.whileAsked = nullptr;
  prompter.asked.clear();
  prompter.answers = {Answer::Ok};
  Action("mnuFileProgramIgnition")->trigger();
  ASSERT_EQ(prompter.asked.size(), 2u);
  EXPECT_EQ(prompter.asked[1].text, "Ignition programmed successfully");
  EXPECT_EQ(Plain(0x0611 + 94 * 1), 0x79);
}

TEST_F(ProgramIgnitionWindow, RevLimit6000GoesToTheFourSlots) {
  script.Then([](QDialog& dialog) {
    EXPECT_EQ(dialog.findChild<QLineEdit*>("txtRevLimit")->text(), "6000");
    ModalScript::Click("cmdProgram")(dialog);
  });
  prompter.answers = {Answer::Ok};
  Find<QToolButton>("CmdProgRevLimit")->click();

  EXPECT_TRUE(script.Done());
  ASSERT_EQ(prompter.asked.size(), 2u);
  EXPECT_EQ(prompter.asked[0].title, "Program Rev. Limit");
  EXPECT_EQ(prompter.asked[1].text, "Ignition programmed successfully");
  for (std::uint16_t address : {0x0611, 0x066F, 0x06CD, 0x072B}) EXPECT_EQ(Plain(address), 0x79) << address;
  EXPECT_EQ(window->findChildren<FormProgress*>().size(), 0);
}

TEST_F(ProgramIgnitionWindow, RevLimitCancelledAtTheQuestionWritesNothing) {
  script.Then(ModalScript::Click("cmdProgram"));
  prompter.answers = {Answer::Cancel};
  Action("mnuFileProgramRevLimit")->trigger();
  EXPECT_EQ(pty.CharactersToBoard(), 0u);
}

// An rzx file: the text scrambled with the key, plus the last byte that carries nothing.
std::string WriteFirmware(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  for (char c : text) file.put(static_cast<char>(c ^ 0x3B));
  file.put('\x1A');
  return path;
}

TEST_F(ProgramIgnitionWindow, UpgradesTheFirmwareFromTheChosenFile) {
  std::filesystem::create_directories(dir.Path() / "firmware");
  const std::string path =
      WriteFirmware(dir.File("firmware/ign2105.rzx"), ":0401000012345678E7\r\n:020200009ABCA6\r\n:00000001FF");
  dialogs.paths = {QString::fromStdString(path)};
  prompter.answers = {Answer::Ok};
  Action("mnuConfigUpgradeFirmware")->trigger();

  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_TRUE(dialogs.shown[0].filter.startsWith("Tarvo Firmware Files (*.rzx)"));
  EXPECT_EQ(context.settings.DefFirmwareFilePath, PathDirectory(path));
  ASSERT_EQ(prompter.asked.size(), 2u);
  EXPECT_EQ(prompter.asked[0].title, "Upgrade Firmware");
  EXPECT_EQ(prompter.asked[1].text, "Firmware updated successfully");
  EXPECT_EQ(Plain(0x0F00), 0x21);
  EXPECT_EQ(Plain(0x0F01), 0x05);
  EXPECT_EQ(Plain(0x0103), 0x78);
  EXPECT_EQ(Plain(0x0201), 0xBC);
  EXPECT_EQ(window->findChildren<FormProgress*>().size(), 0);
}

TEST_F(ProgramIgnitionWindow, AFirmwareFileWithoutAVersionIsRefusedBeforeAnyTraffic) {
  const std::string path = WriteFirmware(dir.File("ignition.rzx"), ":00000001FF");
  dialogs.paths = {QString::fromStdString(path)};
  prompter.answers = {Answer::Ok};
  Action("mnuConfigUpgradeFirmware")->trigger();
  ASSERT_EQ(prompter.asked.size(), 2u);
  EXPECT_EQ(prompter.asked[1].text, GetErrorMessage(ErrFirmwareFileName));
  EXPECT_EQ(pty.CharactersToBoard(), 0u);
}

}  // namespace
}  // namespace curvedesk::testing
