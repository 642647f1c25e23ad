// The Config menu's dialogs over the main window: how they open, what OK and Cancel leave in the
// curve and in the window's fields.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "core/model/CurveRules.h"
#include "gui/ignition/ModalScript.h"
#include "gui/ui/MainWindowFixture.h"

namespace curvedesk::testing {
namespace {

using Answer = Prompter::Answer;
using Step = ModalScript::Step;

constexpr const char* kGt1 = "Korvane Tarvo GT-1";

class ConfigDialogsTest : public MainWindowFixture {
 protected:
  // A four-cylinder GT-1 curve with one sensor state whose graphs are told apart by their notes.
  CurveData Curve() const {
    CurveData curve;
    ClearCurve(curve, context.defaultGraph);
    curve.Name = kGt1;
    curve.CoilType = "KX-1";
    curve.CustType = "4";
    for (std::size_t slot = 0; slot < curve.Graphs.size(); ++slot)
      curve.Graphs[slot].GraphInfo = "graph " + std::to_string(slot);
    return curve;
  }
  // Shows the curve in the window as a file opened from disk.
  void Show(const CurveData& curve, const std::string& custName = "") {
    if (window->DocumentOpen()) Arrange([](CurveData&) {});  // the curve shown before goes without a question
    const std::string path = dir.File("curves/shown.crv");
    SaveCurveFile(curve, custName, path);
    Open(path);
    ASSERT_TRUE(window->DocumentOpen());
  }
  QString Field(const char* name) const { return Find<QLineEdit>(name)->text(); }

  static Step Choose(const char* list, const QString& text, Step then) {
    return [=](QDialog& dialog) {
      auto* combo = dialog.findChild<QComboBox*>(QString::fromLatin1(list));
      ASSERT_NE(combo, nullptr) << list;
      const int index = combo->findText(text);
      ASSERT_GE(index, 0) << text.toStdString();
      combo->setCurrentIndex(index);
      emit combo->activated(index);
      then(dialog);
    };
  }
  static Step Pick(const char* option, Step then) {
    return [=](QDialog& dialog) {
      auto* button = dialog.findChild<QRadioButton*>(QString::fromLatin1(option));
      ASSERT_NE(button, nullptr) << option;
      ASSERT_TRUE(button->isEnabled()) << option;
      button->click();
      then(dialog);
    };
  }

  ModalScript script;
};

TEST_F(ConfigDialogsTest, EachConfigEntryOpensItsDialogPlacedOverTheWindow) {
  Show(Curve());
  const struct {
    const char* entry;
    const char* dialog;
    const char* title;
  } cases[] = {
      {"mnuConfigSensors", "FormCfgSensors", "Adjust Sensors"},
      {"mnuConfigSparkDist", "FormCfgSparkDist", "Change Distribution Type"},
      {"mnuConfigCurveFallback", "FormCfgCurveFallback", "Adjust Curve Fallback"},
      {"mnuConfigRotorPos", "FormCfgRotorPos", "Change Rotor/Encoder Position"},
      {"mnuConfigTachType", "FormCfgTachType", "Change Tach Type"},
  };
  window->move(40, 30);
  for (const auto& c : cases) {
    script.Then([&](QDialog& dialog) {
      EXPECT_EQ(dialog.objectName(), c.dialog);
      EXPECT_EQ(dialog.windowTitle(), c.title);
      // The placement rule: (owner top + owner height) / 2 - own height / 2, and so across.
      const QRect owner = window->frameGeometry();
      const QSize own = dialog.frameGeometry().size();
      EXPECT_EQ(dialog.pos(), QPoint((owner.left() + owner.width()) / 2 - own.width() / 2,
                                     (owner.top() + owner.height()) / 2 - own.height() / 2))
          << c.dialog;
      ModalScript::Click("cmdCancel")(dialog);
    });
    Action(c.entry)->trigger();
    EXPECT_TRUE(script.Done()) << c.entry;
  }
  EXPECT_FALSE(Modified());
  EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(ConfigDialogsTest, DoubleClicksOnTheReadOnlyFieldsOpenTheirDialogs) {
  Show(Curve());
  const struct {
    const char* field;
    const char* dialog;
  } cases[] = {
      {"txtSparkDist", "FormCfgSparkDist"}, {"txtRotorPos", "FormCfgRotorPos"},
      {"txtTachType", "FormCfgTachType"},   {"txtCurveFallback", "FormCfgCurveFallback"},
      {"txtSensor1", "FormCfgSensors"},     {"txtSensor2", "FormCfgSensors"},
  };
  for (const auto& c : cases) {
    script.Then(ModalScript::Click("cmdCancel"));
    QTest::mouseDClick(Find<QLineEdit>(c.field), Qt::LeftButton);
    ASSERT_TRUE(script.Done()) << c.field;
    EXPECT_EQ(script.Shown().back(), c.dialog) << c.field;
  }
  // The other read-only fields have no dialog.
  QTest::mouseDClick(Find<QLineEdit>("txtEngineType"), Qt::LeftButton);
  EXPECT_EQ(script.Shown().size(), std::size(cases));
}

TEST_F(ConfigDialogsTest, WithoutACurveTheDialogsAreNotOffered) {
  for (const char* entry : {"mnuConfigSensors", "mnuConfigCustEng", "mnuConfigSparkDist", "mnuConfigCurveFallback",
                            "mnuConfigRotorPos", "mnuConfigTachType"})
    EXPECT_FALSE(Action(entry)->isEnabled()) << entry;
  Show(Curve());
  Action("mnuFileClose")->trigger();
  EXPECT_FALSE(Action("mnuConfigRotorPos")->isEnabled());
  EXPECT_TRUE(script.Shown().empty());
}

TEST_F(ConfigDialogsTest, RotorPositionChangesOnlyWithOkAndADifferentChoice) {
  const struct {
    const char* option;
    const char* button;
    int rotorPos;
    const char* shown;
    bool modified;
  } cases[] = {
      {"optRotorPosCrank", "cmdOK", kRotorCrank, "Crank", true},
      {"optRotorPosCrank", "cmdCancel", kRotorCam, "Cam", false},
      {"optRotorPosCam", "cmdOK", kRotorCam, "Cam", false},
  };
  for (const auto& c : cases) {
    Show(Curve());
    script.Then(Pick(c.option, ModalScript::Click(c.button)));
    Action("mnuConfigRotorPos")->trigger();
    EXPECT_EQ(document->Curve().RotorPos, c.rotorPos) << c.option << " " << c.button;
    EXPECT_EQ(Field("txtRotorPos"), c.shown);
    EXPECT_EQ(Modified(), c.modified);
    EXPECT_EQ(Title().endsWith("*"), c.modified);
  }
}

TEST_F(ConfigDialogsTest, OptionsFollowWhatTheIgnitionAllowsForTheEngine) {
  std::ofstream(IgnitionDescriptionPath(context.folders, 1)) << "[Ign_Name]\r\nNAME=#Korvane Tarvo GT-1#\r\n"
                                                                "[Rotor_Mount_Pos_4_Cycle]\r\nCRANK=#D#\r\n"
                                                                "[Spark_Dist_4_Cycle]\r\nDISTRIBUTOR=#D#\r\n";
  ReadIgnitionDescriptions(context.ignitionDescriptions, context.folders);
  Show(Curve());
  const struct {
    const char* entry;
    const char* option;
    bool enabled;
  } cases[] = {
      {"mnuConfigRotorPos", "optRotorPosCam", true},
      {"mnuConfigRotorPos", "optRotorPosCrank", false},
      {"mnuConfigSparkDist", "optSparkDistCoil", true},
      {"mnuConfigSparkDist", "optSparkDistDist", false},
  };
  for (const auto& c : cases) {
    script.Then([&](QDialog& dialog) {
      auto* option = dialog.findChild<QRadioButton*>(QString::fromLatin1(c.option));
      ASSERT_NE(option, nullptr);
      EXPECT_EQ(option->isEnabled(), c.enabled) << c.option;
      ModalScript::Click("cmdCancel")(dialog);
    });
    Action(c.entry)->trigger();
    EXPECT_TRUE(script.Done());
  }
}

TEST_F(ConfigDialogsTest, FallbackChangesOnlyWhenEveryGraphsNodesAreFarEnoughApart) {
  // The default graphs' nodes are 500 RPM apart: a fallback up to 450 keeps them apart enough.
  const struct {
    const char* chosen;
    const char* button;
    int fallback;
    std::string message;
  } cases[] = {
      {"400", "cmdOK", 400, ""},
      {"500", "cmdOK", 200, CurveFallbackRefusedMessage(500)},
      {"100", "cmdCancel", 200, ""},
      {"200", "cmdOK", 200, ""},
  };
  for (const auto& c : cases) {
    Show(Curve());
    prompter.asked.clear();
    script.Then([&](QDialog& dialog) {
      EXPECT_EQ(dialog.findChild<QComboBox*>("cboCurveFallback")->currentText(), "200");
      Choose("cboCurveFallback", c.chosen, ModalScript::Click(c.button))(dialog);
    });
    Action("mnuConfigCurveFallback")->trigger();
    EXPECT_EQ(document->Curve().CurveFallback, c.fallback) << c.chosen;
    EXPECT_EQ(Field("txtCurveFallback"), QString::number(c.fallback));
    EXPECT_EQ(prompter.Texts(), c.message.empty() ? std::vector<std::string>{} : std::vector{c.message});
    EXPECT_EQ(Modified(), c.fallback != 200);
  }
}

TEST_F(ConfigDialogsTest, TachTypeShowsTwoForAnUnlistedValueAndStoresTheChosenNumber) {
  const struct {
    int stored;
    const char* shownInDialog;
    const char* chosen;
    const char* button;
    int tachType;
    const char* field;
  } cases[] = {
      {4, "4", "6", "cmdOK", 6, "6 Cyl"},
      {5, "2", nullptr, "cmdOK", 2, "2 Cyl"},
      {4, "4", "8", "cmdCancel", 4, "4 Cyl"},
  };
  for (const auto& c : cases) {
    CurveData curve = Curve();
    curve.TachType = c.stored;
    Show(curve);
    script.Then([&](QDialog& dialog) {
      EXPECT_EQ(dialog.findChild<QComboBox*>("cboTachType")->currentText(), c.shownInDialog);
      if (c.chosen)
        Choose("cboTachType", c.chosen, ModalScript::Click(c.button))(dialog);
      else
        ModalScript::Click(c.button)(dialog);
    });
    Action("mnuConfigTachType")->trigger();
    EXPECT_EQ(document->Curve().TachType, c.tachType) << c.stored;
    EXPECT_EQ(Field("txtTachType"), c.field);
    EXPECT_EQ(Modified(), c.tachType != c.stored);
  }
}

class SensorDialogTest : public ConfigDialogsTest {
 protected:
  // Four sensor states: digital sensor 1, analog sensor 2 at 2.5 V, the last state shown.
  void ShowFourStates() {
    CurveData curve = Curve();
    curve.NumSensorStates = 4;
    curve.Sensor1Type = kSensorDigital;
    curve.Sensor2Type = kSensorAnalog;
    curve.Sensor2Volt = Currency::FromTenths(25);
    Show(curve);
    Find<QComboBox>("cboSensorSelect")->setCurrentIndex(3);
    emit Find<QComboBox>("cboSensorSelect")->activated(3);
    ASSERT_EQ(document->ShownState(), 3);
  }
  std::vector<std::string> Notes() const {
    std::vector<std::string> notes;
    for (const SensorStateGraph& graph : document->Curve().Graphs)
      notes.push_back(IsDefaultGraph(graph, context.defaultGraph) ? "default" : graph.GraphInfo);
    return notes;
  }
};

TEST_F(SensorDialogTest, ReducingTheStatesAsksFirstAndNoKeepsTheDialogOpen) {
  ShowFourStates();
  prompter.answers = {Answer::No, Answer::Yes};
  script.Then(Choose("cboSensor2Type", "None", [](QDialog& dialog) {
    ModalScript::Click("cmdOK")(dialog);
    EXPECT_TRUE(dialog.isVisible()) << "No leaves the dialog open";
    ModalScript::Click("cmdOK")(dialog);
  }));
  Action("mnuConfigSensors")->trigger();

  ASSERT_EQ(prompter.asked.size(), 2u);
  EXPECT_EQ(prompter.asked[0].title, "Warning");
  EXPECT_EQ(prompter.asked[0].buttons, Prompter::Buttons::YesNo);
  EXPECT_EQ(prompter.asked[0].text,
            "The sensor settings you have chosen will reduce the number of\r\nSensor States from 4 to 2.\r\n\r\n"
            "This will result in part of the ignition curve being deleted.\r\nDo you want to proceed?");
  // Sensor 1 kept: the states in which sensor 2 was above its threshold keep their graphs.
  EXPECT_EQ(Notes(), (std::vector<std::string>{"graph 1", "graph 3", "graph 2", "graph 3"}));
  EXPECT_EQ(document->Curve().NumSensorStates, 2);
  EXPECT_EQ(document->Curve().Sensor2Type, kSensorNone);
  EXPECT_EQ(document->Curve().Sensor2Volt, Currency{});
  EXPECT_EQ(document->ShownState(), 1);
  EXPECT_EQ(Find<QComboBox>("cboSensorSelect")->count(), 2);
  EXPECT_EQ(Find<QComboBox>("cboSensorSelect")->currentIndex(), 1);
  EXPECT_EQ(Field("txtSensor2"), "None");
  EXPECT_EQ(Find<QLineEdit>("txtGraphInfo")->text(), "graph 3");
  EXPECT_TRUE(Modified());
}

TEST_F(SensorDialogTest, RefusingTheReductionAndCancellingChangesNothing) {
  ShowFourStates();
  const CurveData before = document->Curve();
  prompter.answers = {Answer::No};
  script.Then(Choose("cboSensor1Type", "None", [](QDialog& dialog) {
    ModalScript::Click("cmdOK")(dialog);
    ModalScript::Click("cmdCancel")(dialog);
  }));
  Action("mnuConfigSensors")->trigger();
  EXPECT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(document->Curve().Graphs, before.Graphs);
  EXPECT_EQ(document->Curve().NumSensorStates, 4);
  EXPECT_EQ(document->Curve().Sensor1Type, kSensorDigital);
  EXPECT_FALSE(Modified());
}

TEST_F(SensorDialogTest, AddingASensorAsksNothingAndStartsFreshGraphs) {
  CurveData curve = Curve();
  curve.NumSensorStates = 2;
  curve.Sensor2Type = kSensorDigital;
  Show(curve);
  script.Then(Choose("cboSensor1Type", "Digital", ModalScript::Click("cmdOK")));
  Action("mnuConfigSensors")->trigger();
  EXPECT_TRUE(prompter.asked.empty());
  EXPECT_EQ(Notes(), (std::vector<std::string>{"default", "default", "graph 0", "graph 1"}));
  EXPECT_EQ(document->Curve().NumSensorStates, 4);
  EXPECT_EQ(Find<QComboBox>("cboSensorSelect")->count(), 4);
}

TEST_F(SensorDialogTest, AnAnalogSensorShowsItsThresholdAndStepsIt) {
  Show(Curve());
  script.Then([](QDialog& dialog) {
    auto* volts = dialog.findChild<QLineEdit*>("txtSensor1Volt");
    auto* upDown = dialog.findChild<QWidget*>("udSensor1Volt");
    EXPECT_FALSE(volts->isVisible());
    Choose("cboSensor1Type", "Analog", [](QDialog&) {})(dialog);
    EXPECT_TRUE(volts->isVisible());
    EXPECT_TRUE(upDown->isVisible());
    EXPECT_EQ(volts->text(), "2.0");
    for (int click = 0; click < 3; ++click)
      QTest::mouseClick(upDown, Qt::LeftButton, {}, QPoint(upDown->width() / 2, 2));
    QTest::mouseClick(upDown, Qt::LeftButton, {}, QPoint(upDown->width() / 2, upDown->height() - 2));
    EXPECT_EQ(volts->text(), "2.2");
    // Digital forgets the threshold; analog starts again at 2.0 V.
    Choose("cboSensor1Type", "Digital", [](QDialog&) {})(dialog);
    EXPECT_FALSE(volts->isVisible());
    Choose("cboSensor1Type", "Analog", [](QDialog&) {})(dialog);
    EXPECT_EQ(volts->text(), "2.0");
    QTest::mouseClick(upDown, Qt::LeftButton, {}, QPoint(upDown->width() / 2, 2));
    ModalScript::Click("cmdOK")(dialog);
  });
  Action("mnuConfigSensors")->trigger();
  EXPECT_EQ(document->Curve().Sensor1Type, kSensorAnalog);
  EXPECT_EQ(document->Curve().Sensor1Volt, Currency::FromTenths(21));
  EXPECT_EQ(Field("txtSensor1"), "Analog 2.1V");
  EXPECT_EQ(document->Curve().NumSensorStates, 2);
}

TEST_F(SensorDialogTest, TheSensorListsFollowTheIgnition) {
  std::ofstream(IgnitionDescriptionPath(context.folders, 2))
      << "[Ign_Name]\r\nNAME=#Korvane Tarvo ST#\r\n[Sensors]\r\nSENSOR2=#D#\r\n";
  ReadIgnitionDescriptions(context.ignitionDescriptions, context.folders);
  const struct {
    const char* name;
    bool sensor1, sensor2;
  } cases[] = {
      {kGt1, true, true},
      {"Korvane Tarvo ST", false, false},
  };
  for (const auto& c : cases) {
    CurveData curve = Curve();
    curve.Name = c.name;
    Show(curve);
    script.Then([&](QDialog& dialog) {
      EXPECT_EQ(dialog.findChild<QComboBox*>("cboSensor1Type")->isEnabled(), c.sensor1) << c.name;
      EXPECT_EQ(dialog.findChild<QComboBox*>("cboSensor2Type")->isEnabled(), c.sensor2) << c.name;
      ModalScript::Click("cmdCancel")(dialog);
    });
    Action("mnuConfigSensors")->trigger();
    EXPECT_TRUE(script.Done());
  }
}

TEST_F(ConfigDialogsTest, SparkDistributionChangesOnlyWithinTheCoilLimits) {
  // The test limits allow 60 %: 216 degrees per coil, 108 for a four-cylinder distributor.
  const struct {
    std::int16_t coilOn;
    const char* button;
    int sparkDist;
    const char* shown;
    std::string message;
  } cases[] = {
      {100, "cmdOK", kSparkDistDistributor, "Distrib.", ""},
      {150, "cmdOK", kSparkDistCoil, "Coil",
       "Changing to this Spark Distribution type would violate\r\nthe Maximum Coil On Saturation limits of the "
       "ignition."},
      {100, "cmdCancel", kSparkDistCoil, "Coil", ""},
  };
  for (const auto& c : cases) {
    CurveData curve = Curve();
    curve.Graphs[0].Nodes[4].CO = c.coilOn;
    Show(curve);
    prompter.asked.clear();
    script.Then(Pick("optSparkDistDist", ModalScript::Click(c.button)));
    QTest::mouseDClick(Find<QLineEdit>("txtSparkDist"), Qt::LeftButton);
    EXPECT_EQ(document->Curve().SparkDist, c.sparkDist) << c.coilOn << " " << c.button;
    EXPECT_EQ(Field("txtSparkDist"), c.shown);
    EXPECT_EQ(prompter.Texts(), c.message.empty() ? std::vector<std::string>{} : std::vector{c.message});
    EXPECT_EQ(Modified(), c.sparkDist != kSparkDistCoil);
  }
}

class CustomLayoutDialogTest : public ConfigDialogsTest {
 protected:
  CurveData CustomCurve(const std::string& custType) const {
    CurveData curve = Curve();
    curve.NumCylinders = kCustomCylinders;
    curve.CustType = custType;
    return curve;
  }
};

TEST_F(CustomLayoutDialogTest, AnUnnamedCustomLayoutIsNamedAsTheCurveIsShown) {
  script.Then([](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Change Custom Cylinder Angle");
    EXPECT_EQ(dialog.findChild<QPushButton*>("cmdCancel"), nullptr);
    EXPECT_TRUE(dialog.findChild<QLabel*>("lblExplanation")
                    ->text()
                    .startsWith("You have opened a version 2 curve file with a custom cylinder angle."));
    EXPECT_EQ(dialog.findChild<QComboBox*>("cboChangeCustAngle")->count(), 6);
    Choose("cboChangeCustAngle", QString::fromUtf8("2 Cyl. Cam 72\u00B0 (2 Coil)"),
           ModalScript::Click("Command1"))(dialog);
  });
  CurveData curve = CustomCurve("");
  curve.TachType = 4;
  Show(curve);

  EXPECT_TRUE(script.Done());
  EXPECT_EQ(document->Curve().CustType, "2 Cyl. Cam 72\u00B0 (2 Coil)");
  EXPECT_EQ(context.CustName, document->Curve().CustType);
  EXPECT_EQ(document->Curve().TachType, 2);
  EXPECT_EQ(Field("txtNumCylinders"), QString::fromUtf8("2 Cyl. Cam 72\u00B0 (2 Coil)"));
  EXPECT_TRUE(Modified());
  EXPECT_TRUE(Title().endsWith("*"));
}

TEST_F(CustomLayoutDialogTest, ClosingTheQuestionAnyWayStillNamesTheLayout) {
  const std::pair<const char*, Step> ways[] = {
      {"Escape", [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }},
      {"close box", [](QDialog& dialog) { dialog.close(); }},
  };
  for (const auto& [way, close] : ways) {
    SCOPED_TRACE(way);
    const std::size_t asked = script.Shown().size();
    context.CustName = "H-D (Single Fire)";
    script.Then(close);
    Show(CustomCurve(""));
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(document->Curve().CustType, "H-D (Single Fire)");
    EXPECT_EQ(document->Curve().TachType, 2);
    // Shown again, the curve asks nothing more.
    window->RefreshFromCurve();
    EXPECT_EQ(script.Shown().size(), asked + 1);
  }
}

TEST_F(CustomLayoutDialogTest, OnlyACustomLayoutCurveOffersToRenameItsLayout) {
  Show(Curve());
  EXPECT_FALSE(Action("mnuConfigCustEng")->isEnabled());

  const std::string layout = "2 Cyl. Cam 90\u00B0 (2 Coil)";
  Show(CustomCurve(layout), layout);
  ASSERT_TRUE(Action("mnuConfigCustEng")->isEnabled());
  EXPECT_TRUE(script.Shown().empty()) << "a named layout is not asked for";
  script.Then([&](QDialog& dialog) {
    EXPECT_EQ(dialog.findChild<QComboBox*>("cboChangeCustAngle")->currentText().toStdString(), layout);
    Choose("cboChangeCustAngle", "H-D (Single Fire)", ModalScript::Click("Command1"))(dialog);
  });
  Action("mnuConfigCustEng")->trigger();
  EXPECT_EQ(document->Curve().CustType, "H-D (Single Fire)");
  EXPECT_EQ(Field("txtNumCylinders"), "H-D (Single Fire)");
  EXPECT_TRUE(Modified());

  // Renaming is a step of its own; naming at opening is not.
  EXPECT_EQ(Action("mnuEditUndo")->text().remove('&'), "Undo Custom Cylinder Angle");
  Action("mnuEditUndo")->trigger();
  EXPECT_EQ(Field("txtNumCylinders"), QString::fromStdString(layout));
  EXPECT_FALSE(Modified());
  EXPECT_FALSE(Action("mnuEditUndo")->isEnabled());
}

}  // namespace
}  // namespace curvedesk::testing
