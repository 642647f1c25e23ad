#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/common/ErrorMessages.h"
#include "core/model/IgnitionDescriptionReader.h"
#include "gui/ui/FormWizard.h"
#include "gui/widgets/RepeatUpDown.h"
#include "gui/ui/ScriptedDialogs.h"

namespace curvedesk::testing {
namespace {

// The wizard over the shipped ignition descriptions, shown without blocking.
class FormWizardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ReadIgnitionDescriptions(context.ignitionDescriptions, {CURVEDESK_SOURCE_DATA_DIR, CURVEDESK_SOURCE_DATA_DIR});
  }

  void Open() {
    wizard = std::make_unique<FormWizard>(context, curve, prompter);
    wizard->show();
    wizard->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(wizard.get()));
  }

  template <typename T = QWidget>
  T* Find(const char* name) const {
    T* found = wizard->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  // Clicks near the left edge, where a radio button's indicator is, whatever the button's width.
  void Click(const char* name) {
    auto* button = Find<QAbstractButton>(name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }
  void Next() { Click("cmdNav3"); }
  void Back() { Click("cmdNav2"); }
  bool Checked(const char* option) { return Find<QRadioButton>(option)->isChecked(); }
  bool Enabled(const char* option) { return Find<QWidget>(option)->isEnabled(); }

  // Picks an entry of a list with the keyboard, as the user would.
  void Choose(const char* list, const QString& text) {
    auto* combo = Find<QComboBox>(list);
    const int target = combo->findText(text);
    ASSERT_GE(target, 0) << text.toStdString();
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < target; ++i) QTest::keyClick(combo, Qt::Key_Down);
    ASSERT_EQ(combo->currentText(), text);
  }

  QString VisibleCaption() const {
    for (QGroupBox* frame : wizard->findChildren<QGroupBox*>())
      if (frame->objectName().startsWith("frPage") && frame->isVisible()) return frame->title();
    return {};
  }

  AppContext context;
  CurveData curve;  // the curve the wizard writes on Finish
  ScriptedPrompter prompter;
  std::unique_ptr<FormWizard> wizard;
};

struct WizardRun {
  const char* ignition;
  int numCylinders;
  const char* tachShown;
  const char* custType;
  int sensorStates;
};

// A full run for each shipped description: preselections, the first sensor digital where offered.
TEST_F(FormWizardTest, FullRunForEachShippedDescription) {
  const WizardRun runs[] = {
      {"Korvane Tarvo GT-1", 0, "2", "H-D (Dual Fire)", 2},
      {"Korvane Tarvo GT-2", 6, "6", "", 2},
      {"Korvane Tarvo SX-1", 1, "2", "", 1},
      {"Compact", 0, "2", "H-D (Single Fire)", 2},
      {"Full Featured", 8, "8", "", 2},
  };
  const char* captions[] = {"Ignition Type", "Engine Type", "Spark Distribution",
                            "Encoder Encoder Disk Mounting Position", "Number of Cylinders", "Tach Type",
                            "Number of Sparks", "Curve Fallback", "Sensors"};
  for (const WizardRun& run : runs) {
    SCOPED_TRACE(run.ignition);
    context.CustName.clear();
    Open();
    Choose("cboIgnitionType", run.ignition);
    for (int page = 0; page < CurveWizard::kPages; ++page) {
      EXPECT_EQ(VisibleCaption(), captions[page]);
      if (page == 5) {
        EXPECT_EQ(Find<QComboBox>("cboTachType")->currentText(), run.tachShown);
      }
      if (page == 8 && Enabled("cboSensor1Type")) Choose("cboSensor1Type", "Digital");
      EXPECT_EQ(Find<QPushButton>("cmdNav3")->text(), page == 8 ? "&Finished" : "&Next >");
      Next();
    }
    EXPECT_EQ(wizard->Tag(), "1");
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(curve.Name, run.ignition);
    EXPECT_EQ(curve.NumCylinders, run.numCylinders);
    EXPECT_EQ(curve.TachType, QString(run.tachShown).toInt());
    EXPECT_EQ(curve.CustType, run.custType);
    EXPECT_EQ(curve.NumSensorStates, run.sensorStates);
    EXPECT_TRUE(prompter.asked.empty());
  }
}

TEST_F(FormWizardTest, PagesShowWhatTheDescriptionOffers) {
  Open();
  EXPECT_FALSE(Enabled("cmdNav2")) << "no Back from the first page";
  Choose("cboIgnitionType", "Korvane Tarvo SX-1");
  Next();
  EXPECT_TRUE(Enabled("cmdNav2"));
  EXPECT_TRUE(Checked("optEngine2Cycle"));
  EXPECT_FALSE(Enabled("optEngine4Cycle"));
  Next();
  Next();
  EXPECT_FALSE(Enabled("optRotorCam"));
  EXPECT_TRUE(Checked("optRotorCrank"));
  Next();
  EXPECT_TRUE(Checked("optCyl1"));
  EXPECT_FALSE(Enabled("optCyl4"));
  EXPECT_FALSE(Enabled("optCylCustom"));
  EXPECT_FALSE(Enabled("cboChngCustCylAngle"));
  for (int page = 4; page < 8; ++page) Next();
  EXPECT_FALSE(Enabled("cboSensor1Type"));
  EXPECT_FALSE(Enabled("cboSensor2Type"));
}

TEST_F(FormWizardTest, BackAndNextKeepOrReinitialiseChoices) {
  Open();
  Choose("cboIgnitionType", "Korvane Tarvo GT-1");
  for (int page = 0; page < 4; ++page) Next();
  Click("optCyl8");
  Next();
  Choose("cboTachType", "4");
  Next();
  Click("optSparks1");
  Back();
  Back();
  Back();
  Back();
  EXPECT_EQ(VisibleCaption(), "Spark Distribution");
  for (int page = 2; page < 6; ++page) Next();
  EXPECT_TRUE(Checked("optSparks1"));
  Back();
  EXPECT_EQ(Find<QComboBox>("cboTachType")->currentText(), "4");
  Back();
  EXPECT_TRUE(Checked("optCyl8"));

  // A different engine type re-initialises the pages after it from the description.
  while (wizard->Wizard().Page() > 1) Back();
  Click("optEngine2Cycle");
  Next();
  EXPECT_TRUE(Checked("optSparkDistCoil"));
  EXPECT_FALSE(Enabled("optSparkDistDistributor"));
  Next();
  Next();
  EXPECT_TRUE(Checked("optCyl2"));
  EXPECT_FALSE(Checked("optCyl8"));
  Next();
  Next();
  EXPECT_TRUE(Checked("optSparks3"));
}

TEST_F(FormWizardTest, CancelAndClosingReportCancelled) {
  const std::pair<const char*, std::function<void(FormWizard&)>> ways[] = {
      {"Cancel", [this](FormWizard&) { Click("cmdNav1"); }},
      {"Escape", [](FormWizard& w) { QTest::keyClick(&w, Qt::Key_Escape); }},
      {"window closed", [](FormWizard& w) { w.close(); }},
  };
  for (const auto& [way, cancel] : ways) {
    SCOPED_TRACE(way);
    curve.Name = "untouched";
    Open();
    for (int page = 0; page < 8; ++page) Next();
    cancel(*wizard);
    EXPECT_EQ(wizard->Tag(), "2");
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(curve.Name, "untouched");
  }
}

TEST_F(FormWizardTest, SensorThresholdThroughTheUpDownControl) {
  Open();
  Choose("cboIgnitionType", "Full Featured");
  for (int page = 0; page < 8; ++page) Next();
  auto* volts = Find<QLineEdit>("txtSensor2Volt");
  auto* upDown = Find<RepeatUpDown>("udSensor2Volt");
  EXPECT_FALSE(volts->isVisible());
  Choose("cboSensor2Type", "Analog");
  ASSERT_TRUE(volts->isVisible() && upDown->isVisible());
  EXPECT_EQ(volts->text(), "2.0");
  EXPECT_TRUE(volts->isReadOnly());

  const QPoint upper(upDown->width() / 2, 2);
  const QPoint lower(upDown->width() / 2, upDown->height() - 2);
  QTest::mousePress(upDown, Qt::LeftButton, {}, upper);
  EXPECT_EQ(volts->text(), "2.1");
  EXPECT_TRUE(upDown->RepeatTimer().isActive());
  EXPECT_EQ(upDown->RepeatTimer().interval(), RepeatUpDown::kFirstRepeatMs);
  // QTRY_COMPARE would not fail a GoogleTest case.
  EXPECT_TRUE(QTest::qWaitFor([volts] { return volts->text() == "2.2"; }, 5000)) << volts->text().toStdString();
  EXPECT_EQ(upDown->RepeatTimer().interval(), RepeatUpDown::kRepeatMs);
  EXPECT_TRUE(QTest::qWaitFor([volts] { return volts->text() == "2.3"; }, 5000)) << volts->text().toStdString();
  QTest::mouseRelease(upDown, Qt::LeftButton, {}, upper);
  EXPECT_FALSE(upDown->RepeatTimer().isActive());

  for (int i = 0; i < 30; ++i) QTest::mouseClick(upDown, Qt::LeftButton, {}, lower);
  EXPECT_EQ(volts->text(), "0.1");
  for (int i = 0; i < 50; ++i) QTest::mouseClick(upDown, Qt::LeftButton, {}, upper);
  EXPECT_EQ(volts->text(), "4.0");

  Choose("cboSensor2Type", "Digital");
  EXPECT_FALSE(volts->isVisible());
  Choose("cboSensor2Type", "Analog");
  EXPECT_EQ(volts->text(), "2.0");
  Next();
  EXPECT_EQ(curve.Sensor2Type, kSensorAnalog);
  EXPECT_EQ(curve.Sensor2Volt, Currency::FromTenths(20));
  EXPECT_EQ(curve.NumSensorStates, 2);
}

struct LayoutCase {
  Edition edition;
  const char* rotorOption;
  QStringList layouts;
  const char* chosen;
};

TEST_F(FormWizardTest, CustomLayoutsOfEachEdition) {
  const QStringList cam = {"H-D (Dual Fire)",         "H-D (Single Fire)",       "2 Cyl. Cam 50\u00B0 (2 Coil)",
                           "2 Cyl. Cam 72\u00B0 (2 Coil)", "2 Cyl. Cam 90\u00B0 (2 Coil)", "2 Cyl. Cam 180\u00B0 (2 Coil)"};
  const LayoutCase cases[] = {
      {Edition::Full, "optRotorCam", cam, "H-D (Single Fire)"},
      {Edition::Full, "optRotorCrank", {"2 Cyl. Crank 80\u00B0 (2 Coil)", "2 Cyl. Crank 90\u00B0 (2 Coil)"},
       "2 Cyl. Crank 90\u00B0 (2 Coil)"},
      {Edition::Compact, "optRotorCam", cam, "H-D (Single Fire)"},
      {Edition::Compact, "optRotorCrank", cam, "H-D (Single Fire)"},
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(std::string(c.edition == Edition::Full ? "full " : "compact ") + c.rotorOption);
    context.edition = c.edition;
    context.CustName.clear();
    Open();
    Choose("cboIgnitionType", "Full Featured");
    Next();
    Next();
    Click("optSparkDistCoil");
    Next();
    Click(c.rotorOption);
    Next();
    auto* list = Find<QComboBox>("cboChngCustCylAngle");
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->itemText(i);
    EXPECT_EQ(shown, c.layouts);
    Click("optCylCustom");
    EXPECT_EQ(list->currentText(), c.chosen);
    Next();
    EXPECT_EQ(context.CustName, c.chosen);
  }
}

TEST_F(FormWizardTest, CustomListIsLockedUntilTheCustomOptionAndNamesTheLayoutOnLeaving) {
  Open();
  Choose("cboIgnitionType", "Full Featured");
  Next();
  Next();
  Click("optSparkDistCoil");
  Next();
  Next();
  auto* list = Find<QComboBox>("cboChngCustCylAngle");
  ASSERT_TRUE(Checked("optCyl4"));
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(list->currentIndex(), -1) << "locked before the custom option is chosen";
  Click("optCylCustom");
  EXPECT_EQ(list->currentText(), "2 Cyl. Crank 90\u00B0 (2 Coil)");
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Up);
  EXPECT_EQ(list->currentText(), "2 Cyl. Crank 80\u00B0 (2 Coil)");
  EXPECT_EQ(context.CustName, "2 Cyl. Crank 90\u00B0 (2 Coil)") << "named only when the list is left";
  Find<QWidget>("optCyl4")->setFocus();
  EXPECT_EQ(context.CustName, "2 Cyl. Crank 80\u00B0 (2 Coil)");
  for (int page = 4; page < 9; ++page) Next();
  EXPECT_EQ(curve.CustType, "2 Cyl. Crank 80\u00B0 (2 Coil)");
}

TEST_F(FormWizardTest, HelpButtonAndF1) {
  Open();
  EXPECT_FALSE(Enabled("cmdNav0")) << "no help viewer to open";
  int opened = 0;
  wizard->SetHelpHandler([&] { ++opened; });
  Click("cmdNav0");
  Next();
  QTest::keyClick(Find<QWidget>("optEngine4Cycle"), Qt::Key_F1);
  EXPECT_EQ(opened, 2);
  wizard->SetHelpHandler([] { throw AppError(ErrHelpViewer); });
  QTest::keyClick(wizard.get(), Qt::Key_F1);
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>{GetErrorMessage(ErrHelpViewer)});
  EXPECT_TRUE(wizard->isVisible());
}

TEST_F(FormWizardTest, NoIgnitionShowsTheErrorAndStays) {
  context.ignitionDescriptions = {};
  Open();
  EXPECT_EQ(Find<QComboBox>("cboIgnitionType")->count(), 0);
  Next();
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>{GetErrorMessage(ErrIgnNameNotFound)});
  EXPECT_EQ(VisibleCaption(), "Ignition Type");
  EXPECT_TRUE(wizard->isVisible());
}

}  // namespace
}  // namespace curvedesk::testing
