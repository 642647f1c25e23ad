// The dialogs of the ignition commands on their own: their fields, checks and results.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "core/app/Settings.h"
#include "core/common/MemoryRegistryStore.h"
#include "core/ignition/SerialPortSettings.h"
#include "gui/ignition/FormCfgSerialPort.h"
#include "gui/ignition/FormChangeRevLimit.h"
#include "gui/ignition/ServiceForms.h"
#include "gui/widgets/FormEnterText.h"
#include "gui/ui/ScriptedDialogs.h"

namespace curvedesk::testing {
namespace {

template <typename T>
T* Child(QWidget& dialog, const char* name) {
  T* found = dialog.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

void Click(QWidget& dialog, const char* button) {
  QTest::mouseClick(Child<QPushButton>(dialog, button), Qt::LeftButton);
}

TEST(FormEnterText, NumericEntryTakesOnlyDigitsWithinTheRange) {
  ScriptedPrompter prompter;
  FormEnterText dialog(prompter);
  dialog.bIsNumericEntry = true;
  dialog.lMinValue = 1;
  dialog.lMaxValue = 16777214;
  dialog.show();
  auto* field = Child<QLineEdit>(dialog, "txtResponse");

  QTest::keyClicks(field, "1a2-3");
  EXPECT_EQ(field->text(), "123");

  const struct {
    const char* typed;
    bool accepted;
  } cases[] = {{"", false}, {"0", false}, {"16777215", false}, {"16777214", true}, {"1", true}};
  for (const auto& c : cases) {
    prompter.asked.clear();
    dialog.show();
    field->setText(c.typed);
    Click(dialog, "cmdOK");
    EXPECT_EQ(dialog.Tag() == "1", c.accepted) << c.typed;
    EXPECT_EQ(dialog.isVisible(), !c.accepted) << c.typed;
    const bool outOfRange = !c.accepted && std::string(c.typed) != "";
    ASSERT_EQ(prompter.asked.size(), outOfRange ? 1u : 0u) << c.typed;
    if (outOfRange) {
      EXPECT_EQ(prompter.asked[0].text, "Value entered must be between 1 and 16777214.");
    }
  }

  // Too large for a 32-bit number: an input error, and the dialog stays.
  prompter.asked.clear();
  dialog.show();
  field->setText("99999999999");
  Click(dialog, "cmdOK");
  EXPECT_TRUE(dialog.isVisible());
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_NE(prompter.asked[0].text.find("Error # 6"), std::string::npos);
}

TEST(FormEnterText, TextEntryTakesAnyText) {
  ScriptedPrompter prompter;
  FormEnterText dialog(prompter);
  dialog.show();
  QTest::keyClicks(Child<QLineEdit>(dialog, "txtResponse"), "ab 12");
  Click(dialog, "cmdOK");
  EXPECT_EQ(dialog.Tag(), "1");
  EXPECT_EQ(dialog.Response(), "ab 12");
}

TEST(FormMaxDesiredRPM, OkChecksTheValueAndTheDialogStays) {
  ScriptedPrompter prompter;
  FormMaxDesiredRPM dialog(prompter);
  auto* field = Child<QLineEdit>(dialog, "txtMaxDesiredRPM");
  const struct {
    const char* typed;
    const char* message;  // nullptr: accepted
  } cases[] = {
      {"12550", "The Max Desired @RPM value must be between 50 and 12500 in increments of 50."},
      {"0", "The Max Desired @RPM value must be between 50 and 12500 in increments of 50."},
      {"", "The Max Desired @RPM value must be between 50 and 12500 in increments of 50."},
      {"6025", "The Max Desired @RPM value must be a multiple of 50."},
      {"12500", nullptr},
      {"50", nullptr},
  };
  for (const auto& c : cases) {
    prompter.asked.clear();
    dialog.show();
    field->setText(c.typed);
    Click(dialog, "cmdOK");
    if (c.message) {
      ASSERT_EQ(prompter.asked.size(), 1u) << c.typed;
      EXPECT_EQ(prompter.asked[0].text, c.message);
      EXPECT_TRUE(dialog.isVisible());
    } else {
      EXPECT_TRUE(prompter.asked.empty()) << c.typed;
      EXPECT_EQ(dialog.Tag(), "1");
      EXPECT_EQ(dialog.Rpm(), std::stoi(c.typed));
    }
  }
  QTest::keyClicks(field, "x");  // digits only
  EXPECT_EQ(field->text(), "50");
}

class ChangeRevLimit : public ::testing::Test {
 protected:
  void SetUp() override { dialog.show(); }
  QString Shown() { return Child<QLineEdit>(dialog, "txtRevLimit")->text(); }
  void Show(const QString& text) { Child<QLineEdit>(dialog, "txtRevLimit")->setText(text); }

  ScriptedPrompter prompter;
  FormChangeRevLimit dialog{prompter};
};

TEST_F(ChangeRevLimit, StepsBy50WithinTheRpmRange) {
  const struct {
    const char* from;
    bool up;
    const char* to;
  } cases[] = {{"6000", true, "6050"},  {"12450", true, "12500"}, {"12500", true, "12500"},
               {"6000", false, "5950"}, {"50", false, "0"},       {"0", false, "0"}};
  for (const auto& c : cases) {
    Show(c.from);
    c.up ? dialog.StepUp() : dialog.StepDown();
    EXPECT_EQ(Shown(), c.to) << c.from << (c.up ? " up" : " down");
  }
}

TEST_F(ChangeRevLimit, HoldingAnArrowRepeatsSlowlyTwiceThenQuickly) {
  Show("6000");
  auto* timer = dialog.findChild<QTimer*>("tmrRepeatTimer");
  auto* up = Child<QToolButton>(dialog, "udRevLimitUp");
  QTest::mousePress(up, Qt::LeftButton);
  EXPECT_EQ(Shown(), "6050");
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 300);
  const int expectedIntervals[] = {300, 50, 50};
  for (int interval : expectedIntervals) {
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_EQ(timer->interval(), interval);
  }
  EXPECT_EQ(Shown(), "6200");
  QTest::mouseRelease(up, Qt::LeftButton);
  EXPECT_FALSE(timer->isActive());
}

TEST_F(ChangeRevLimit, ProgramWantsAValidRpm) {
  for (const char* bad : {"", "6025", "13000"}) {
    prompter.asked.clear();
    Show(bad);
    Click(dialog, "cmdProgram");
    EXPECT_TRUE(dialog.isVisible()) << bad;
    EXPECT_EQ(prompter.asked.size(), 1u) << bad;
  }
  Show("7000");
  Click(dialog, "cmdProgram");
  EXPECT_EQ(dialog.Tag(), "1");
  EXPECT_EQ(dialog.RevLimit(), 7000);
}

class SerialPortDialog : public ::testing::Test {
 protected:
  std::unique_ptr<FormCfgSerialPort> Open(PortNaming naming = PortNaming::Numbered) {
    auto dialog = std::make_unique<FormCfgSerialPort>(settings, store, prompter, naming, [this] {
      std::vector<PortEntry> present = EntriesOfList(detected, {});
      present.insert(present.end(), adapters.begin(), adapters.end());
      return present;
    });
    dialog->show();
    return dialog;
  }
  QStringList Entries(FormCfgSerialPort& dialog) {
    QStringList entries;
    auto* list = Child<QComboBox>(dialog, "cboSerialPort");
    for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
    return entries;
  }
  QString ShownEntry(FormCfgSerialPort& dialog) { return Child<QComboBox>(dialog, "cboSerialPort")->currentText(); }
  std::string Stored(const char* name) {
    try {
      return RegGetString(store, kSettingsKey, name);
    } catch (const AppError&) {
      return "(missing)";
    }
  }

  AppSettings settings;
  MemoryRegistryStore store;
  ScriptedPrompter prompter;
  std::string detected;
  std::vector<PortEntry> adapters;  // detected after `detected`, with what they say they are
};

TEST_F(SerialPortDialog, LoadsTheListAndSelectsTheConfiguredPort) {
  settings.ComPortsList = "COM1,COM3,COM10";
  settings.ComPort = 10;
  auto dialog = Open();
  EXPECT_EQ(dialog->windowTitle(), "Serial Port Settings");
  EXPECT_EQ(Entries(*dialog), (QStringList{"COM1", "COM3", "COM10"}));
  EXPECT_EQ(ShownEntry(*dialog), "COM10");

  settings.ComPort = 4;  // not in the list: the first entry
  EXPECT_EQ(ShownEntry(*Open()), "COM1");
}

TEST_F(SerialPortDialog, DetectOffersTheHighestPortAndOkStoresTheChoice) {
  settings.ComPort = 1;
  detected = "COM1,COM3";
  auto dialog = Open();
  Click(*dialog, "cmdDetectPorts");
  EXPECT_EQ(Entries(*dialog), (QStringList{"COM1", "COM3"}));
  EXPECT_EQ(settings.ComPortsList, "COM1,COM3");
  EXPECT_EQ(ShownEntry(*dialog), "COM3");
  EXPECT_EQ(settings.ComPort, 3);
  Click(*dialog, "cmdOK");
  EXPECT_EQ(dialog->Tag(), "1");
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(RegGetDword(store, kSettingsKey, "ComPort"), 3);
  EXPECT_EQ(Stored("ComPortsList"), "COM1,COM3");
  EXPECT_EQ(Stored("ProgramSerialSet"), "1");
}

TEST_F(SerialPortDialog, CancelKeepsTheChosenPortForThisRunButStoresNothing) {
  settings.ComPortsList = "COM1,COM10";
  auto dialog = Open();
  auto* list = Child<QComboBox>(*dialog, "cboSerialPort");
  list->setCurrentIndex(1);
  emit list->activated(1);
  EXPECT_EQ(settings.ComPort, 10);
  Click(*dialog, "cmdCancel");
  EXPECT_EQ(dialog->Tag(), "2");
  EXPECT_EQ(settings.ComPort, 10);
  EXPECT_EQ(Stored("ProgramSerialSet"), "(missing)");
  EXPECT_EQ(Stored("ComPortsList"), "(missing)");
}

TEST_F(SerialPortDialog, DetectingNothingEmptiesTheListAndOkMeansNoPort) {
  settings.ComPortsList = "COM1";
  auto dialog = Open();
  Click(*dialog, "cmdDetectPorts");
  EXPECT_TRUE(Entries(*dialog).isEmpty());
  EXPECT_EQ(settings.ComPortsList, "");
  Click(*dialog, "cmdOK");
  EXPECT_EQ(settings.ComPort, 0);
  EXPECT_EQ(Stored("ProgramSerialSet"), "1");
}

TEST_F(SerialPortDialog, ATypedPortIsTakenOrRefusedWithAMessage) {
  auto dialog = Open();
  auto* entry = Child<QComboBox>(*dialog, "cboSerialPort")->lineEdit();
  entry->setText("LPT1");
  Click(*dialog, "cmdOK");
  EXPECT_TRUE(dialog->isVisible());
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(prompter.asked[0].title, "Error");
  EXPECT_EQ(Stored("ProgramSerialSet"), "(missing)");

  entry->setText("COM20");
  Click(*dialog, "cmdOK");
  EXPECT_EQ(settings.ComPort, 20);

  // Where ports are device paths, a pseudo-terminal the system does not list.
  auto paths = Open(PortNaming::DevicePaths);
  Child<QComboBox>(*paths, "cboSerialPort")->lineEdit()->setText("/dev/pts/9");
  Click(*paths, "cmdOK");
  EXPECT_EQ(Stored(kComDeviceValue), "/dev/pts/9");
  EXPECT_EQ(ConfiguredPortName(settings.ComPort, settings.ComDevice, PortNaming::DevicePaths), "/dev/pts/9");
}

TEST_F(SerialPortDialog, TheListFollowsAdaptersWhileOpenKeepingTheChoiceAndThePort) {
  const PortEntry ftdi{"/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0",
                       "/dev/ttyUSB0 \u2014 FT232R USB UART (FTDI)"};
  settings.ComPortsList = "/dev/ttyS0";
  settings.ComPort = 1;
  settings.ComDevice = "/dev/ttyS0";
  detected = "/dev/ttyS0";
  auto dialog = Open(PortNaming::DevicePaths);
  auto* list = Child<QComboBox>(*dialog, "cboSerialPort");
  auto* refresh = dialog->findChild<QTimer*>("tmrRefreshPorts");
  ASSERT_NE(refresh, nullptr);
  EXPECT_TRUE(refresh->isActive());
  EXPECT_EQ(refresh->interval(), 1000);
  const auto tick = [&] { QMetaObject::invokeMethod(refresh, "timeout"); };

  // Plugged in: listed with what it says it is; the shown port and the settings stay.
  adapters = {ftdi};
  tick();
  EXPECT_EQ(Entries(*dialog), (QStringList{"/dev/ttyS0", "/dev/ttyUSB0 \u2014 FT232R USB UART (FTDI)"}));
  EXPECT_EQ(ShownEntry(*dialog), "/dev/ttyS0");
  EXPECT_EQ(settings.ComDevice, "/dev/ttyS0");
  EXPECT_EQ(settings.ComPortsList, "/dev/ttyS0," + ftdi.port);

  // Chosen: the stable name is the port.
  list->setCurrentIndex(1);
  emit list->activated(1);
  EXPECT_EQ(settings.ComDevice, ftdi.port);
  const std::int32_t chosenPort = settings.ComPort;

  // Pulled out and plugged in again: the choice stays in the field and comes back to its entry.
  adapters.clear();
  tick();
  EXPECT_EQ(Entries(*dialog), QStringList{"/dev/ttyS0"});
  EXPECT_EQ(ShownEntry(*dialog).toStdString(), ftdi.port);
  EXPECT_EQ(settings.ComPort, chosenPort);
  EXPECT_EQ(settings.ComDevice, ftdi.port);
  adapters = {ftdi};
  tick();
  EXPECT_EQ(ShownEntry(*dialog).toStdString(), ftdi.label);
  EXPECT_EQ(list->currentIndex(), 1);

  // A typed port stays as typed while the list changes.
  list->lineEdit()->setText("/dev/pts/9");
  adapters.clear();
  tick();
  EXPECT_EQ(ShownEntry(*dialog), "/dev/pts/9");
  list->setCurrentIndex(0);
  adapters = {ftdi};
  tick();
  Click(*dialog, "cmdOK");
  EXPECT_EQ(Stored(kComDeviceValue), "/dev/ttyS0");
  EXPECT_EQ(Stored("ComPortsList"), "/dev/ttyS0," + ftdi.port);
  EXPECT_FALSE(refresh->isActive()) << "no polling once the dialog is gone";
}

TEST_F(SerialPortDialog, OkStoresTheStableNameOfTheAdapterShown) {
  const PortEntry ftdi{"/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0",
                       "/dev/ttyUSB0 \u2014 FT232R USB UART (FTDI)"};
  adapters = {ftdi};
  auto dialog = Open(PortNaming::DevicePaths);
  Click(*dialog, "cmdDetectPorts");
  EXPECT_EQ(ShownEntry(*dialog).toStdString(), ftdi.label);
  EXPECT_EQ(Child<QComboBox>(*dialog, "cboSerialPort")->itemData(0, Qt::ToolTipRole).toString().toStdString(),
            ftdi.port);
  Click(*dialog, "cmdOK");
  EXPECT_EQ(Stored(kComDeviceValue), ftdi.port);
  EXPECT_EQ(ConfiguredPortName(settings.ComPort, settings.ComDevice, PortNaming::DevicePaths), ftdi.port);
}

}  // namespace
}  // namespace curvedesk::testing
