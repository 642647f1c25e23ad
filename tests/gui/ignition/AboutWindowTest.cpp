// FormAbout against preset board memory, and the service functions behind the password.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "core/common/ErrorMessages.h"
#include "gui/ignition/FormAbout.h"
#include "gui/ignition/IgnitionFixture.h"

namespace curvedesk::testing {
namespace {

using Answer = Prompter::Answer;

// The identity and counters of a board in use: serial 00 12 34 78, firmware 21.05, 300 engine
// starts, the maximum desired RPM exceeded 7 times, that RPM set to 6000 (code 121).
void PresetBoard(BoardMemory& memory) {
  memory.Store(BoardMemory::kPlain, 0x05F8, std::vector<std::uint8_t>{0x00, 0x12, 0x34, 0x78});
  memory.Store(BoardMemory::kPlain, 0x0F00, std::vector<std::uint8_t>{0x21, 0x05});
  // Words of the "*" space read the byte after the address first.
  memory.Store(BoardMemory::kStar, 4, std::vector<std::uint8_t>{0x2C, 0x01, 0x07, 0x00});
  memory.Set(BoardMemory::kStar, 9, 121);
}

void PresetPassword(BoardMemory& memory, std::uint32_t password) {
  memory.Store(
      BoardMemory::kStar, 10,
      std::vector<std::uint8_t>{static_cast<std::uint8_t>(password >> 16), static_cast<std::uint8_t>(password >> 8),
                                static_cast<std::uint8_t>(password)});
}

class AboutWindow : public IgnitionFixture {
 protected:
  void SetUp() override {
    IgnitionFixture::SetUp();
    about = std::make_unique<FormAbout>(*commands, window.get());
    about->setModal(false);  // the script answers the dialogs it opens, not the window itself
    about->show();
  }

  QString Value(const char* label) const { return about->findChild<QLabel*>(label)->text(); }
  std::vector<QString> Values() const {
    return {Value("lblSerialNoVal"), Value("lblFwVersionVal"), Value("lblEngineStartsVal"),
            Value("lblEngineExcMaxRPMVal")};
  }
  void DoubleClick(const char* label) { QTest::mouseDClick(about->findChild<QLabel*>(label), Qt::LeftButton); }

  std::unique_ptr<FormAbout> about;
};

TEST_F(AboutWindow, ValueLabelsStartBlankWithTheirFixedWidths) {
  EXPECT_EQ(Values(), (std::vector<QString>{QString(12, ' '), QString(10, ' '), QString(9, ' '), QString(8, ' ')}));
}

TEST_F(AboutWindow, ReadShowsThePaddedValuesOfTheBoard) {
  const struct {
    const char* name;
    const char* identifyAnswer;
    bool erasedSerial;
    std::vector<QString> shown;
  } cases[] = {
      {"board with counters", "V2.10?", false, {"1193080     ", " v21.05   ", "300      ", "7       "}},
      {"board answering ?", "?", false, {"1193080     ", " v21.05   ", "----     ", "----    "}},
      {"erased serial number", "V2.10?", true, {"(blank)     ", " v21.05   ", "300      ", "7       "}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WithMemory([&](BoardMemory& memory) {
      memory = BoardMemory();
      PresetBoard(memory);
      if (c.erasedSerial) memory.Store(BoardMemory::kPlain, 0x05F8, std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF});
    });
    SetBoardOptions([&](board::BoardOptions& options) { options.identifyAnswer = c.identifyAnswer; });
    QTest::mouseClick(about->findChild<QPushButton*>("cmdRead"), Qt::LeftButton);
    EXPECT_EQ(Values(), c.shown);
    EXPECT_TRUE(prompter.asked.empty());
  }
}

TEST_F(AboutWindow, AFailedReadShowsQuestionMarksAndTheMessage) {
  SetBoardOptions([](board::BoardOptions& options) { options.faults.silent = true; });
  QTest::mouseClick(about->findChild<QPushButton*>("cmdRead"), Qt::LeftButton);
  EXPECT_EQ(Values(), (std::vector<QString>{"????        ", "????      ", "????     ", "????    "}));
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(prompter.asked[0].text, GetErrorMessage(ErrBoardNotResponding));
  EXPECT_TRUE(about->findChild<QPushButton*>("cmdRead")->isEnabled());
}

TEST_F(AboutWindow, ReadWithoutAConfiguredPortShowsTheInstructionsAndThePortDialog) {
  store = MemoryRegistryStore();
  WithMemory(PresetBoard);
  script.Then([](QDialog& dialog) {
    ModalScript::Click("cmdDetectPorts")(dialog);
    ModalScript::Click("cmdOK")(dialog);
  });
  QTest::mouseClick(about->findChild<QPushButton*>("cmdRead"), Qt::LeftButton);
  EXPECT_TRUE(script.Done());
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(prompter.asked[0].title, "Detect and choose the serial COM port");
  EXPECT_EQ(Value("lblSerialNoVal"), "1193080     ");
}

TEST_F(AboutWindow, AFirstPasswordIsStoredAndAcceptedAtOnce) {
  WithMemory(PresetBoard);  // no password: erased
  script.Then([](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Password");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("txtResponse")->echoMode(), QLineEdit::Password);
    ModalScript::Type("txtResponse", "4321", "cmdOK")(dialog);
  });
  script.Then(ModalScript::Click("cmdClear"));  // Clear Engine Starts
  DoubleClick("lblEngineStartsVal");

  EXPECT_TRUE(script.Done());
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(prompter.asked[0].title, "Warning");
  EXPECT_EQ(prompter.asked[0].text.rfind("You will be required to enter a\r\nnumerical password", 0), 0u);
  EXPECT_EQ((std::vector<int>{Star(10), Star(11), Star(12)}), (std::vector<int>{0x00, 0x10, 0xE1}));
  EXPECT_EQ(Star(4), 0);
  EXPECT_EQ(Star(5), 0);
  // Read again after the action.
  EXPECT_EQ(Value("lblEngineStartsVal"), "0        ");
  EXPECT_EQ(Value("lblSerialNoVal"), "1193080     ");
}

TEST_F(AboutWindow, AWrongPasswordStopsTheServiceFunction) {
  WithMemory([](BoardMemory& memory) {
    PresetBoard(memory);
    PresetPassword(memory, 4321);
  });
  script.Then(ModalScript::Type("txtResponse", "1234", "cmdOK"));
  DoubleClick("lblEngineStartsVal");
  EXPECT_TRUE(script.Done());
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(prompter.asked[0].title, "Error");
  EXPECT_EQ(prompter.asked[0].text, "Incorrect Password");
  EXPECT_EQ(Star(4), 0x2C) << "the counter is kept";
}

TEST_F(AboutWindow, ClearInTheMaximumDesiredRpmDialogShowsItAgainWithCountZero) {
  WithMemory([](BoardMemory& memory) {
    PresetBoard(memory);
    PresetPassword(memory, 4321);
  });
  script.Then(ModalScript::Type("txtResponse", "4321", "cmdOK"));
  script.Then([](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Maximum Desired RPM");
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) labels << label->text();
    EXPECT_TRUE(labels.contains("Max. Desired @RPM")) << labels.join("|").toStdString();
    EXPECT_TRUE(labels.contains("Exceeded Max. @RPM")) << labels.join("|").toStdString();
    EXPECT_EQ(dialog.findChild<QLineEdit*>("txtMaxDesiredRPM")->text(), "6000");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("txtExcMaxRPM")->text(), "7");
    EXPECT_TRUE(dialog.findChild<QPushButton*>("cmdClear")->isEnabled());
    ModalScript::Click("cmdClear")(dialog);
  });
  script.Then([](QDialog& dialog) {
    EXPECT_EQ(dialog.findChild<QLineEdit*>("txtExcMaxRPM")->text(), "0");
    EXPECT_FALSE(dialog.findChild<QPushButton*>("cmdClear")->isEnabled());
    ModalScript::Type("txtMaxDesiredRPM", "7000", "cmdOK")(dialog);
  });
  DoubleClick("lblEngineExcMaxRPMVal");

  EXPECT_TRUE(script.Done());
  EXPECT_TRUE(prompter.asked.empty());
  EXPECT_EQ(Star(6), 0);
  EXPECT_EQ(Star(9), 7000 / 50 + 1);
  EXPECT_EQ(Value("lblEngineExcMaxRPMVal"), "0       ");
}

TEST_F(AboutWindow, ABoardWithoutCountersEndsTheServiceAfterTheHandshake) {
  WithMemory(PresetBoard);
  SetBoardOptions([](board::BoardOptions& options) { options.identifyAnswer = "?"; });
  DoubleClick("lblEngineExcMaxRPMVal");
  EXPECT_EQ(script.Shown().size(), 0u);
  EXPECT_TRUE(prompter.asked.empty());
}

}  // namespace
}  // namespace curvedesk::testing
