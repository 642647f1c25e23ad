#include <gtest/gtest.h>

#include <functional>

#include "core/document/ComparisonCurve.h"
#include "core/document/DifferenceRows.h"

namespace curvedesk {
namespace {

CurveData TwoStateCurve() {
  CurveData curve;
  ClearCurve(curve, MakeDefaultGraph());
  curve.Name = "Korvane Tarvo GT-1";
  curve.CoilType = "KX-1";
  curve.NumSensorStates = 2;
  curve.Sensor1Type = kSensorDigital;
  curve.Graphs[0].NumTransitions = 3;
  curve.Graphs[0].NumSparks = 2;
  curve.Graphs[0].RevLimit = 9000;
  return curve;
}

TEST(ComparisonCurve, TellsItsViewsAndGivesOnlyTheGraphsItHas) {
  ComparisonCurve comparison;
  int told = 0;
  const int subscription = comparison.Subscribe([&] { ++told; });
  EXPECT_EQ(comparison.Graph(0), nullptr);
  EXPECT_EQ(ComparisonLegend(comparison, 0), "");

  comparison.Open(TwoStateCurve(), "/curves/shipped/base.crv");
  EXPECT_EQ(told, 1);
  ASSERT_NE(comparison.Graph(1), nullptr);
  EXPECT_EQ(comparison.Graph(0)->RevLimit, 9000);
  EXPECT_EQ(comparison.Graph(2), nullptr);  // the comparison has two sensor states
  EXPECT_EQ(comparison.Graph(-1), nullptr);
  EXPECT_EQ(ComparisonLegend(comparison, 1), "Dashed: base.crv");
  EXPECT_EQ(ComparisonLegend(comparison, 3), "base.crv has no sensor state 4");

  comparison.Close();
  comparison.Close();  // nothing left to close: nobody is told
  EXPECT_EQ(told, 2);
  EXPECT_FALSE(comparison.IsOpen());
  comparison.Unsubscribe(subscription);
  comparison.Open(TwoStateCurve(), "b.crv");
  EXPECT_EQ(told, 2);
}

TEST(DifferenceRows, CaptionsAndTextsAsTheWindowShowsThem) {
  const CurveData comparison = TwoStateCurve();
  struct Case {
    const char* name;
    std::function<void(CurveData&)> edit;
    std::vector<DifferenceRow> expected;
  };
  const Case cases[] = {
      {"the same curve (a stale node slot does not count)", [](CurveData& c) { c.Graphs[0].RPM[8] = 7000; }, {}},
      {"configuration fields by their captions, both keys of a sensor in one row",
       [](CurveData& c) {
         c.CurveFallback = 300;
         c.Sensor1Type = kSensorAnalog;
         c.Sensor1Volt = Currency::FromTenths(25);
         c.SparkDist = kSparkDistDistributor;
         c.CoilType = "3 Ohm Primary Coil";
       },
       {{-1, -1, -1, "H.V. Distr.", "Distrib.", "Coil", ""},
        {-1, -1, -1, "Fallback RPM", "300", "200", "+100"},
        {-1, -1, -1, "Sensor 1", "Analog 2.5V", "Digital", ""},
        {-1, -1, -1, "Coil Type", "3 Ohm Primary Coil", "KX-1", ""}}},
      {"a state's values in the window's order, then its nodes",
       [](CurveData& c) {
         SensorStateGraph& g = c.Graphs[0];
         g.GraphInfo = "race";
         g.NumSparks = 1;
         g.RevLimit = 8000;
         g.RpmSw1Stop = 6000;
         g.Nodes[2].PS = 14;
       },
       {{0, -1, -1, "Rev Limit @ RPM", "8000", "9000", "-1000"},
        {0, -1, -1, "RPM Switch 1 Stop", "6000", "off", ""},
        {0, -1, -1, "Number of Sparks", "1", "2", "-1"},
        {0, -1, -1, "Notes", "race", "", ""},
        {0, 0, 2, "Node 1 2nd Spark", "-", "5", ""},
        {0, 1, 2, "Node 2 2nd Spark", "-", "5", ""},
        {0, 2, 1, "Node 3 1st Spark", "14", "10", "+4"},
        {0, 2, 2, "Node 3 2nd Spark", "-", "5", ""}}},
      {"a node's RPM and a node only one curve has",
       [](CurveData& c) {
         c.Graphs[0].RPM[1] = 450;
         c.Graphs[0].NumTransitions = 2;
       },
       {{0, -1, -1, "Number of Transitions", "2", "3", "-1"},
        {0, 1, -1, "Node 2 RPM", "450", "500", "-50"},
        {0, 2, -1, "Node 3 RPM", "-", "1000", ""},
        {0, 2, 0, "Node 3 Coil On", "-", "20", ""},
        {0, 2, 1, "Node 3 1st Spark", "-", "10", ""},
        {0, 2, 2, "Node 3 2nd Spark", "-", "5", ""}}},
      {"a sensor state only the edited curve has is one row",
       [](CurveData& c) {
         c.NumSensorStates = 4;
         c.Sensor2Type = kSensorDigital;
       },
       {{-1, -1, -1, "Sensor 2", "Digital", "None", ""},
        {-1, -1, -1, "Sensor States", "4", "2", "+2"},
        {2, -1, -1, "Graph", "in use", "-", ""},
        {3, -1, -1, "Graph", "in use", "-", ""}}},
  };
  for (const Case& c : cases) {
    CurveData edited = comparison;
    c.edit(edited);
    EXPECT_EQ(DifferenceRows(edited, comparison, ""), c.expected) << c.name;
  }
}

TEST(DifferenceRows, TheCylinderFieldShowsTheCustomLayoutByName) {
  CurveData comparison = TwoStateCurve();
  CurveData edited = comparison;
  edited.NumCylinders = kCustomCylinders;
  edited.CustType = "H-D (Dual Fire)";
  edited.TachType = 2;
  const std::vector<DifferenceRow> expected = {{-1, -1, -1, "Number of Cylinders", "H-D (Dual Fire)", "4", ""},
                                               {-1, -1, -1, "Tach", "2 Cyl", "4 Cyl", ""}};
  EXPECT_EQ(DifferenceRows(edited, comparison, "H-D (Dual Fire)"), expected);
}

}  // namespace
}  // namespace curvedesk
