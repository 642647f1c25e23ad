#include <gtest/gtest.h>

#include "core/model/IgnitionDescriptionReader.h"
#include "core/wizard/CurveWizard.h"
#include "support/ErrorOf.h"

namespace curvedesk {
namespace {

using testing::ErrorOf;

constexpr Currency Volts(int tenths) { return Currency::FromTenths(tenths); }

// The program's context with the shipped ignition descriptions.
class CurveWizardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ReadIgnitionDescriptions(context.ignitionDescriptions, {CURVEDESK_SOURCE_DATA_DIR, CURVEDESK_SOURCE_DATA_DIR});
  }

  int SlotOf(const CurveWizard& wizard, const std::string& name) {
    for (const auto& entry : wizard.Ignitions())
      if (entry.name == name) return entry.slotNumber;
    ADD_FAILURE() << name << " not offered";
    return 0;
  }

  void NextTo(CurveWizard& wizard, int page) {
    while (wizard.Page() < page) wizard.Next();
  }

  AppContext context;
  // The program's curve, which the wizard writes on Finish.
  CurveData programCurve = [this] {
    CurveData cleared;
    ClearCurve(cleared, context.defaultGraph);
    return cleared;
  }();
};

struct ShippedRun {
  const char* ignition;
  int engineType;
  int sparkDist;
  int rotorPos;
  int numCylinders;
  int tachType;  // preselected on the tach page
  int curveFallback;
  bool sensor1;
  bool sensor2;
  const char* custName;
};

// Every shipped description, run with the wizard's preselections only.
TEST_F(CurveWizardTest, DefaultRunOfEveryShippedDescription) {
  const ShippedRun runs[] = {
      {"Korvane Tarvo GT-1", 4, 0, 0, 0, 2, 200, true, true, "H-D (Dual Fire)"},
      {"Korvane Tarvo GT-2", 4, 1, 0, 6, 6, 300, true, false, ""},
      {"Korvane Tarvo SX-1", 2, 0, 1, 1, 2, 400, false, false, ""},
      {"Compact", 4, 0, 0, 0, 2, 200, true, false, "H-D (Single Fire)"},
      {"Full Featured", 4, 1, 1, 8, 8, 200, true, true, ""},
  };
  for (const ShippedRun& run : runs) {
    SCOPED_TRACE(run.ignition);
    context.CustName.clear();
    CurveWizard wizard(context, programCurve);
    const int slot = SlotOf(wizard, run.ignition);
    wizard.ChooseIgnition(slot);
    NextTo(wizard, 5);
    EXPECT_EQ(wizard.Chosen().tachType, run.tachType);
    EXPECT_EQ(wizard.Working().TachType, run.numCylinders);
    NextTo(wizard, 8);
    EXPECT_EQ(wizard.Chosen().sensorOffered[0], run.sensor1);
    EXPECT_EQ(wizard.Chosen().sensorOffered[1], run.sensor2);
    wizard.Finish();

    const CurveData& curve = programCurve;
    EXPECT_EQ(curve.Name, run.ignition);
    EXPECT_EQ(curve.IgnitionIndex, slot);
    EXPECT_EQ(curve.EngineType, run.engineType);
    EXPECT_EQ(curve.SparkDist, run.sparkDist);
    EXPECT_EQ(curve.RotorPos, run.rotorPos);
    EXPECT_EQ(curve.NumCylinders, run.numCylinders);
    EXPECT_EQ(curve.TachType, run.tachType);
    EXPECT_EQ(curve.CurveFallback, run.curveFallback);
    EXPECT_EQ(curve.CustType, run.custName);
    EXPECT_EQ(curve.CoilType, "");
    EXPECT_EQ(curve.NumSensorStates, 1);
    EXPECT_EQ(curve.Sensor1Type, kSensorNone);
    EXPECT_EQ(curve.Sensor2Type, kSensorNone);
    for (const SensorStateGraph& graph : curve.Graphs) {
      EXPECT_EQ(graph.NumTransitions, 10);
      EXPECT_EQ(graph.RevLimit, kNotSet);
      EXPECT_EQ(graph.RpmSw1Start, kNotSet);
      EXPECT_EQ(graph.RpmSw2Stop, kNotSet);
      EXPECT_EQ(graph.NumSparks, 3);
      EXPECT_EQ(graph.Nodes, context.defaultGraph.Nodes);
    }
  }
}

TEST_F(CurveWizardTest, OffersOnlyWhatTheDescriptionAllows) {
  CurveWizard wizard(context, programCurve);
  wizard.ChooseIgnition(SlotOf(wizard, "Korvane Tarvo SX-1"));
  wizard.Next();
  EXPECT_TRUE(wizard.Chosen().engineOffered[2]);
  EXPECT_FALSE(wizard.Chosen().engineOffered[4]);
  NextTo(wizard, 4);
  const auto& cylinders = wizard.Chosen().cylindersOffered;
  EXPECT_FALSE(cylinders[0]);
  EXPECT_TRUE(cylinders[1] && cylinders[2] && cylinders[3]);
  EXPECT_FALSE(cylinders[4] || cylinders[6] || cylinders[8]);
}

TEST_F(CurveWizardTest, ProgramCurveUntouchedUntilFinish) {
  programCurve.Name = "kept";
  programCurve.NumCylinders = 6;
  {
    CurveWizard wizard(context, programCurve);
    NextTo(wizard, 8);
  }
  EXPECT_EQ(programCurve.Name, "kept");
  EXPECT_EQ(programCurve.NumCylinders, 6);
}

TEST_F(CurveWizardTest, BackAndNextWithoutChangesKeepEveryLaterChoice) {
  CurveWizard wizard(context, programCurve);
  wizard.ChooseIgnition(SlotOf(wizard, "Korvane Tarvo GT-1"));
  NextTo(wizard, 4);
  wizard.ChooseCylinders(8);
  wizard.Next();
  wizard.ChooseTachType(4);
  wizard.Next();
  wizard.ChooseNumSparks(1);
  wizard.Next();
  wizard.ChooseCurveFallback(700);
  wizard.Next();
  wizard.ChooseSensorType(0, kSensorAnalog);
  wizard.StepThreshold(0, true);
  while (wizard.Page() > 1) wizard.Back();
  NextTo(wizard, 8);
  EXPECT_EQ(wizard.Chosen().numCylinders, 8);
  EXPECT_EQ(wizard.Chosen().tachType, 4);
  EXPECT_EQ(wizard.Chosen().numSparks, 1);
  EXPECT_EQ(wizard.Chosen().curveFallback, 700);
  EXPECT_EQ(wizard.Chosen().sensorType[0], kSensorAnalog);
  EXPECT_EQ(wizard.Chosen().threshold[0], Volts(21));
  wizard.Finish();
  EXPECT_EQ(programCurve.NumCylinders, 8);
  EXPECT_EQ(programCurve.TachType, 4);
  EXPECT_EQ(programCurve.Graphs[3].NumSparks, 1);
  EXPECT_EQ(programCurve.CurveFallback, 700);
  EXPECT_EQ(programCurve.Sensor1Volt, Volts(21));
}

// A changed choice re-initialises the pages after it, and only those.
TEST_F(CurveWizardTest, ChangedChoiceReinitialisesLaterPagesOnly) {
  CurveWizard wizard(context, programCurve);
  wizard.ChooseIgnition(SlotOf(wizard, "Korvane Tarvo GT-1"));
  NextTo(wizard, 4);
  wizard.ChooseCylinders(8);
  NextTo(wizard, 6);
  wizard.ChooseNumSparks(2);
  NextTo(wizard, 7);
  wizard.ChooseCurveFallback(600);

  // Back to the tach page: a different tach count re-initialises the sparks and what follows.
  wizard.Back();
  wizard.Back();
  wizard.ChooseTachType(3);
  wizard.Next();
  EXPECT_EQ(wizard.Chosen().numSparks, 3);
  wizard.Next();
  EXPECT_EQ(wizard.Chosen().curveFallback, 200);
  EXPECT_EQ(wizard.Working().NumCylinders, 8);

  // Back to the engine page: two-stroke re-initialises every page from the spark distribution on.
  while (wizard.Page() > 1) wizard.Back();
  wizard.ChooseEngineType(2);
  wizard.Next();
  EXPECT_EQ(wizard.Chosen().sparkDistOffered, (std::array<bool, 2>{true, false}));
  wizard.Next();
  EXPECT_EQ(wizard.Chosen().rotorPos, kRotorCrank);
  EXPECT_EQ(wizard.Chosen().rotorPosOffered, (std::array<bool, 2>{false, true}));
  wizard.Next();
  EXPECT_EQ(wizard.Chosen().numCylinders, 2);
  wizard.Next();
  EXPECT_EQ(wizard.Chosen().tachType, 2);
}

TEST_F(CurveWizardTest, ChangedIgnitionReinitialisesTheEnginePage) {
  CurveWizard wizard(context, programCurve);
  wizard.ChooseIgnition(SlotOf(wizard, "Korvane Tarvo GT-1"));
  wizard.Next();
  wizard.ChooseEngineType(2);
  wizard.Back();
  wizard.Next();
  EXPECT_EQ(wizard.Chosen().engineType, 2);
  wizard.Back();
  wizard.ChooseIgnition(SlotOf(wizard, "Korvane Tarvo GT-2"));
  wizard.Next();
  EXPECT_EQ(wizard.Chosen().engineType, 4);
  EXPECT_EQ(wizard.Working().Name, "Korvane Tarvo GT-2");
}

TEST_F(CurveWizardTest, TachPreselection) {
  const std::pair<int, int> cases[] = {{1, 2}, {0, 2}, {2, 2}, {3, 3}, {4, 4}, {6, 6}, {8, 8}};
  for (const auto& [cylinders, tach] : cases) {
    SCOPED_TRACE(cylinders);
    CurveWizard wizard(context, programCurve);
    wizard.ChooseIgnition(SlotOf(wizard, "Full Featured"));
    NextTo(wizard, 4);
    wizard.ChooseCylinders(cylinders);
    wizard.Next();
    EXPECT_EQ(wizard.Chosen().tachType, tach);
  }
}

struct SensorCase {
  int type1;
  int type2;
  int states;
  Currency volt1;
  Currency volt2;
};

TEST_F(CurveWizardTest, SensorsGiveSensorStatesAndThresholds) {
  const SensorCase cases[] = {
      {kSensorNone, kSensorNone, 1, {}, {}},
      {kSensorDigital, kSensorNone, 2, {}, {}},
      {kSensorNone, kSensorAnalog, 2, {}, Volts(20)},
      {kSensorAnalog, kSensorDigital, 4, Volts(20), {}},
      {kSensorAnalog, kSensorAnalog, 4, Volts(20), Volts(20)},
  };
  for (const SensorCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.type1) + "/" + std::to_string(c.type2));
    CurveWizard wizard(context, programCurve);
    wizard.ChooseIgnition(SlotOf(wizard, "Full Featured"));
    NextTo(wizard, 8);
    wizard.ChooseSensorType(0, c.type1);
    wizard.ChooseSensorType(1, c.type2);
    wizard.Finish();
    EXPECT_EQ(programCurve.NumSensorStates, c.states);
    EXPECT_EQ(programCurve.Sensor1Type, c.type1);
    EXPECT_EQ(programCurve.Sensor2Type, c.type2);
    EXPECT_EQ(programCurve.Sensor1Volt, c.volt1);
    EXPECT_EQ(programCurve.Sensor2Volt, c.volt2);
  }
}

TEST_F(CurveWizardTest, ThresholdStaysWithinLimits) {
  CurveWizard wizard(context, programCurve);
  NextTo(wizard, 8);
  wizard.ChooseSensorType(1, kSensorAnalog);
  for (int step = 0; step < 30; ++step) wizard.StepThreshold(1, true);
  EXPECT_EQ(wizard.Chosen().threshold[1], Volts(40));
  wizard.ChooseSensorType(1, kSensorAnalog);
  EXPECT_EQ(wizard.Chosen().threshold[1], Volts(40)) << "choosing analog again keeps the threshold";
  for (int step = 0; step < 50; ++step) wizard.StepThreshold(1, false);
  EXPECT_EQ(wizard.Chosen().threshold[1], Volts(1));
  EXPECT_EQ(wizard.Chosen().threshold[0], Currency{}) << "the other sensor is untouched";
  wizard.ChooseSensorType(1, kSensorDigital);
  EXPECT_EQ(wizard.Chosen().threshold[1], Currency{});
  wizard.ChooseSensorType(1, kSensorAnalog);
  EXPECT_EQ(wizard.Chosen().threshold[1], Volts(20));
}

TEST_F(CurveWizardTest, CustomOptionNamesTheLayout) {
  context.edition = Edition::Full;
  CurveWizard wizard(context, programCurve);
  wizard.ChooseIgnition(SlotOf(wizard, "Full Featured"));
  NextTo(wizard, 3);
  wizard.ChooseRotorPos(kRotorCrank);
  wizard.Next();
  EXPECT_TRUE(wizard.CustomLayoutLocked());
  EXPECT_EQ(wizard.CustomLayouts().size(), 2u);
  wizard.ChooseCylinders(0);
  EXPECT_FALSE(wizard.CustomLayoutLocked());
  EXPECT_EQ(context.CustName, "2 Cyl. Crank 90\u00B0 (2 Coil)");
  EXPECT_EQ(wizard.CustomLayoutIndex(), 1);
  wizard.CustomLayoutLeft("2 Cyl. Crank 80\u00B0 (2 Coil)");
  EXPECT_EQ(wizard.CustomLayoutIndex(), 0);
  NextTo(wizard, 8);
  wizard.Finish();
  EXPECT_EQ(programCurve.NumCylinders, 0);
  EXPECT_EQ(programCurve.CustType, "2 Cyl. Crank 80\u00B0 (2 Coil)");
}

TEST_F(CurveWizardTest, CompactEditionOffersCamLayoutsForACrankRotor) {
  context.edition = Edition::Compact;
  CurveWizard wizard(context, programCurve);
  wizard.ChooseIgnition(SlotOf(wizard, "Full Featured"));
  NextTo(wizard, 3);
  wizard.ChooseRotorPos(kRotorCrank);
  wizard.Next();
  wizard.ChooseCylinders(0);
  EXPECT_EQ(wizard.CustomLayouts().size(), 6u);
  EXPECT_EQ(context.CustName, "H-D (Single Fire)");
}

TEST_F(CurveWizardTest, NoIgnitionInstalledCannotGoOn) {
  context.ignitionDescriptions = {};
  CurveWizard wizard(context, programCurve);
  EXPECT_TRUE(wizard.Ignitions().empty());
  EXPECT_EQ(ErrorOf([&] { wizard.Next(); }), ErrIgnNameNotFound);
  EXPECT_EQ(wizard.Page(), 0);
}

TEST_F(CurveWizardTest, DescriptionValueOutOfRangeLeavesThePageAsItWas) {
  CurveWizard wizard(context, programCurve);
  wizard.ChooseIgnition(1);
  wizard.Next();
  wizard.ChooseEngineType(4);
  context.ignitionDescriptions[0].DefaultSparkDist[4] = 7;
  wizard.ChooseEngineType(2);
  EXPECT_EQ(ErrorOf([&] { wizard.Next(); }), 0);
  wizard.Back();
  wizard.ChooseEngineType(4);
  EXPECT_EQ(ErrorOf([&] { wizard.Next(); }), ErrIgnDescCorrupt);
  EXPECT_EQ(wizard.Page(), 1);
  EXPECT_EQ(wizard.Working().EngineType, 2) << "nothing of the failed step is kept";
  EXPECT_EQ(wizard.Chosen().engineType, 4);
}

}  // namespace
}  // namespace curvedesk
