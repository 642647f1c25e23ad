// Verification after programming and Compare with Ignition through the main window, against the
// emulated board on a pseudo-terminal.
#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "core/common/ErrorMessages.h"
#include "core/common/FileRoutines.h"
#include "core/ignition/CurveFixtures.h"
#include "core/ignition/ProgrammingImage.h"
#include "gui/ignition/FormCompareIgnition.h"
#include "gui/widgets/FormProgress.h"
#include "gui/ignition/FormScrollText.h"
#include "gui/ignition/IgnitionFixture.h"

namespace curvedesk::testing {
namespace {

using Answer = Prompter::Answer;

class VerifyAndCompareWindow : public IgnitionFixture {
 protected:
  void ShowCurve(const CurveData& curve) { document->Open(curve, "", true); }
  // The board holds the image of the curve as programming would leave it.
  void HoldOnBoard(const CurveData& curve, const std::string& table) {
    const ProgrammingImage image = BuildCurveImage(curve, TimingTable::Load(table));
    WithMemory([&](BoardMemory& memory) {
      for (const ImageBlock& block : image.blocks) memory.Store(BoardMemory::kPlain, block.address, block.bytes);
    });
  }
  std::string ShippedTable() const { return std::string(CURVEDESK_SOURCE_DATA_DIR) + "/tables.ini"; }
  QString LogText() const { return commands->LogWindow()->Text(); }
};

TEST_F(VerifyAndCompareWindow, AWronglyStoredByteFailsTheRunAndTheLogStaysToBeRead) {
  SetBoardOptions([](board::BoardOptions& options) { options.faults.corruptAt = 0x05FE; });
  ShowCurve(TwoStateCurve());
  prompter.answers = {Answer::Ok};
  Action("mnuFileProgramIgnition")->trigger();

  ASSERT_EQ(prompter.asked.size(), 2u);
  EXPECT_EQ(prompter.asked[1].title, "Error");
  EXPECT_EQ(prompter.asked[1].text, GetErrorMessage(ErrVerify));
  EXPECT_TRUE(
      LogText().contains("\nVerifying ...\n... 1 of 388 bytes differs:\n"
                         "    $05FE TachStart: written $3F, read $3E\n"));
  EXPECT_FALSE(LogText().contains("PROGRAMMING COMPLETED."));
  EXPECT_FALSE(commands->ProgressWindow()->isVisible());
  EXPECT_TRUE(commands->LogWindow()->isVisible()) << "the differing bytes stay readable";
  EXPECT_TRUE(commands->LogWindow()->close()) << "and the user can close the log";
  EXPECT_TRUE(Action("mnuFileProgramIgnition")->isEnabled());
}

TEST_F(VerifyAndCompareWindow, TheSettingTurnsVerificationOff) {
  QAction* verify = Action("mnuConfigVerifyAfterWrite");
  ASSERT_TRUE(verify->isCheckable());
  EXPECT_TRUE(verify->isChecked()) << "on by default";
  verify->trigger();
  EXPECT_FALSE(context.settings.VerifyAfterWrite);

  // The board stores a byte wrongly, and nobody looks.
  SetBoardOptions([](board::BoardOptions& options) { options.faults.corruptAt = 0x05FE; });
  ShowCurve(TwoStateCurve());
  prompter.answers = {Answer::Ok};
  Action("mnuFileProgramIgnition")->trigger();
  ASSERT_EQ(prompter.asked.size(), 2u);
  EXPECT_EQ(prompter.asked[1].text, "Ignition programmed successfully");
  EXPECT_FALSE(LogText().contains("Verifying"));
  EXPECT_TRUE(LogText().contains("\nWriting end-of-file marker ...\n... successful.\n\nPROGRAMMING COMPLETED.\n"));
}

TEST_F(VerifyAndCompareWindow, TheRevLimitsWrongByteIsNamedInTheMessage) {
  SetBoardOptions([](board::BoardOptions& options) { options.faults.corruptAt = 0x066F; });
  script.Then(ModalScript::Click("cmdProgram"));
  prompter.answers = {Answer::Ok};
  Action("mnuFileProgramRevLimit")->trigger();
  ASSERT_EQ(prompter.asked.size(), 2u);
  EXPECT_EQ(prompter.asked[1].title, "Error");
  EXPECT_EQ(prompter.asked[1].text, GetErrorMessage(ErrVerify) + "\r\n\r\n$066F slot 2 REV: written $79, read $78");
  EXPECT_EQ(window->findChildren<FormProgress*>().size(), 0);
}

TEST_F(VerifyAndCompareWindow, CompareIsOfferedWhereProgrammingIs) {
  QAction* compare = Action("mnuFileCompareIgnition");
  EXPECT_EQ(compare->text(), "Co&mpare with Ignition");
  EXPECT_FALSE(compare->isEnabled()) << "no curve";
  ShowCurve(TwoStateCurve());
  EXPECT_TRUE(compare->isEnabled());
  document->Close();
  EXPECT_FALSE(compare->isEnabled());
}

TEST_F(VerifyAndCompareWindow, CompareShowsThatTheIgnitionHoldsTheCurve) {
  HoldOnBoard(TwoStateCurve(), ShippedTable());
  ShowCurve(TwoStateCurve());

  // While the board is read, no other job can start.
  bool lookedDuringRun = false;
  QTimer duringRun;
  QObject::connect(&duringRun, &QTimer::timeout, [&] {
    if (lookedDuringRun || window->findChildren<FormProgress*>().isEmpty()) return;
    lookedDuringRun = true;
    EXPECT_FALSE(Action("mnuFileCompareIgnition")->isEnabled());
    EXPECT_FALSE(Action("mnuFileProgramIgnition")->isEnabled());
  });
  duringRun.start(0);
  Action("mnuFileCompareIgnition")->trigger();
  duringRun.stop();

  EXPECT_TRUE(lookedDuringRun);
  EXPECT_TRUE(prompter.asked.empty()) << "no question and no error";
  FormCompareIgnition* result = commands->CompareWindow();
  ASSERT_NE(result, nullptr);
  EXPECT_TRUE(result->isVisible());
  EXPECT_EQ(result->Verdict(), "The ignition holds this curve.");
  EXPECT_FALSE(result->findChild<QPlainTextEdit*>("txtDifferences")->isVisible());
  EXPECT_EQ(window->findChildren<FormProgress*>().size(), 0);
  EXPECT_TRUE(Action("mnuFileCompareIgnition")->isEnabled());
}

TEST_F(VerifyAndCompareWindow, CompareListsTheDifferencesBySensorStateAndNode) {
  HoldOnBoard(TwoStateCurve(), ShippedTable());
  WithMemory([](BoardMemory& memory) { memory.Set(BoardMemory::kPlain, 0x066F, 0x7A); });
  ShowCurve(TwoStateCurve());
  Action("mnuFileCompareIgnition")->trigger();

  FormCompareIgnition* result = commands->CompareWindow();
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->Verdict(), "The ignition does not hold this curve: 1 of 388 bytes differs.");
  EXPECT_EQ(result->Differences(),
            "Sensor state 1 in slot 2\n"
            "    rev limit (REV, $066F): curve 6000 RPM ($79), ignition 6050 RPM ($7A)\n");
  EXPECT_TRUE(result->findChild<QPlainTextEdit*>("txtDifferences")->isVisible());
  EXPECT_EQ(Plain(0x066F), 0x7A) << "comparing writes nothing";
}

TEST_F(VerifyAndCompareWindow, CompareWithoutABoardShowsTheError) {
  SetBoardOptions([](board::BoardOptions& options) { options.faults.silent = true; });
  ShowCurve(TwoStateCurve());
  Action("mnuFileCompareIgnition")->trigger();
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(prompter.asked[0].title, "Error");
  EXPECT_EQ(prompter.asked[0].text, GetErrorMessage(ErrBoardNotResponding));
  EXPECT_EQ(commands->CompareWindow(), nullptr);
  EXPECT_EQ(window->findChildren<FormProgress*>().size(), 0);
}

TEST_F(VerifyAndCompareWindow, CompareAsksForThePortAsReadDoes) {
  store = MemoryRegistryStore();
  ShowCurve(TwoStateCurve());
  script.Then([](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Serial Port Settings");
    ModalScript::Click("cmdDetectPorts")(dialog);
    ModalScript::Click("cmdOK")(dialog);
  });
  Action("mnuFileCompareIgnition")->trigger();
  EXPECT_TRUE(script.Done());
  ASSERT_GE(prompter.asked.size(), 1u);
  EXPECT_EQ(prompter.asked[0].title, "Detect and choose the serial COM port");
  EXPECT_TRUE(prompter.asked[0].text.starts_with("You must configure the serial port before reading an ignition"));
  ASSERT_NE(commands->CompareWindow(), nullptr);
}

TEST_F(VerifyAndCompareWindow, CompareReadsTheLayoutsVariantAndTakesAnUntouchedGraphAsItIs) {
  const std::string variant = "tables72.ini";
  std::filesystem::copy_file(std::string(CURVEDESK_SOURCE_DATA_DIR) + "/" + variant,
                             context.folders.dataDir + "/" + variant);
  CurveData custom = TwoStateCurve();
  custom.NumCylinders = kCustomCylinders;
  custom.TachType = kCustomCylinders;
  custom.CustType = "2 Cyl. Cam 72\u00B0 (2 Coil)";
  custom.Graphs[1] = context.defaultGraph;  // programming would refuse this curve
  HoldOnBoard(custom, std::string(CURVEDESK_SOURCE_DATA_DIR) + "/" + variant);
  const std::string table = TimingTablePath(context.folders);
  const auto before = ReadFileBytes(table);

  ShowCurve(custom);
  Action("mnuFileCompareIgnition")->trigger();

  EXPECT_TRUE(prompter.asked.empty());
  ASSERT_NE(commands->CompareWindow(), nullptr);
  EXPECT_EQ(commands->CompareWindow()->Verdict(), "The ignition holds this curve.");
  EXPECT_EQ(ReadFileBytes(table), before) << "the variant is not copied over the timing table";
}

}  // namespace
}  // namespace curvedesk::testing
