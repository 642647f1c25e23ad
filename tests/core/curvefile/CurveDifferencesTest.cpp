#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/curvefile/CurveDifferences.h"
#include "core/curvefile/CurveFile.h"
#include "support/TempDir.h"

namespace curvedesk {
namespace {

using testing::TempDir;

const std::string kGolden = std::string(CURVEDESK_TEST_DATA_DIR) + "/curves/";

// Two sensor states (sensor 1 digital); state 1 has three sparks and four nodes, state 2 two sparks
// and three nodes. Node slots past the nodes in use hold the default graph's values.
CurveData BaseCurve() {
  CurveData curve;
  ClearCurve(curve, MakeDefaultGraph());
  curve.Name = "Korvane Tarvo GT-1";
  curve.CustType = "4";
  curve.CoilType = "KX-1";
  curve.NumSensorStates = 2;
  curve.Sensor1Type = kSensorDigital;
  SensorStateGraph& street = curve.Graphs[0];
  street.GraphInfo = "street";
  street.RevLimit = 9000;
  street.NumTransitions = 4;
  street.RPM = {0, 1500, 4000, 6500, 2000, 2500, 3000, 3500, 4000, 5000};
  street.Nodes[0] = {60, 10, 5, 0};
  street.Nodes[1] = {90, 20, 12, 4};
  street.Nodes[2] = {120, 30, 20, 10};
  street.Nodes[3] = {110, 32, 15, 8};
  SensorStateGraph& race = curve.Graphs[1];
  race.GraphInfo = "race";
  race.NumSparks = 2;
  race.NumTransitions = 3;
  race.RPM = {0, 2000, 5000, 1500, 2000, 2500, 3000, 3500, 4000, 5000};
  race.Nodes[0] = {50, 10, 5, 0};
  race.Nodes[1] = {80, 25, 15, 0};
  race.Nodes[2] = {100, 35, 20, 0};
  return curve;
}

CurveDifference Diff(int state, int node, const char* field, std::optional<FileValue> a, std::optional<FileValue> b) {
  return {state, node, field, std::move(a), std::move(b)};
}

// The differences of BaseCurve changed by changeA and changeB.
std::vector<CurveDifference> DifferencesAfter(const std::function<void(CurveData&)>& changeA,
                                              const std::function<void(CurveData&)>& changeB) {
  CurveData a = BaseCurve();
  CurveData b = BaseCurve();
  changeA(a);
  changeB(b);
  return CurveDifferences(a, b);
}

void Unchanged(CurveData&) {}

TEST(CurveDifferences, CountOnlyWhatACurveFileStores) {
  struct Case {
    const char* name;
    std::function<void(CurveData&)> changeB;
    std::vector<CurveDifference> expected;
  };
  const std::nullopt_t missing = std::nullopt;
  const Case cases[] = {
      {"the same curve", Unchanged, {}},
      {"a node slot past the nodes in use", [](CurveData& c) { c.Graphs[0].RPM[7] = 12000; }, {}},
      {"the third spark of a two-spark graph", [](CurveData& c) { c.Graphs[1].Nodes[1].TS = 60; }, {}},
      {"a graph past the sensor states in use", [](CurveData& c) { c.Graphs[3].RevLimit = 5000; }, {}},
      {"the ignition's slot number", [](CurveData& c) { c.IgnitionIndex = 3; }, {}},
      {"the cylinder text of a counted curve (the wizard leaves it empty)", [](CurveData& c) { c.CustType = ""; }, {}},
      {"volts past the one decimal a file keeps",
       [](CurveData& c) {
         c.Sensor2Type = kSensorAnalog;
         c.Sensor2Volt = Currency::FromScaled(25'400);
       },
       {Diff(0, 0, "Sensor2Type", 0, 2), Diff(0, 0, "Sensor2Volt", "0.0", "2.5")}},
      {"the fallback RPM", [](CurveData& c) { c.CurveFallback = 300; }, {Diff(0, 0, "CurveFallback", 200, 300)}},
      {"the coil", [](CurveData& c) { c.CoilType = "ZNQ"; }, {Diff(0, 0, "CoilType", "KX-1", "ZNQ")}},
      {"the cylinder count, written as the count and the cylinder text",
       [](CurveData& c) { c.NumCylinders = 6; },
       {Diff(0, 0, "NumCylinders", 4, 6), Diff(0, 0, "CustType", "4", "6")}},
      {"a node angle", [](CurveData& c) { c.Graphs[1].Nodes[1].PS = 28; }, {Diff(2, 2, "PS", 25, 28)}},
      {"a note and a switch",
       [](CurveData& c) {
         c.Graphs[0].GraphInfo = "street, new plugs";
         c.Graphs[0].RpmSw2Start = 3000;
       },
       {Diff(1, 0, "GraphInfo", "street", "street, new plugs"), Diff(1, 0, "RpmSw2Start", -1, 3000)}},
      {"a node more: its keys are missing on the other side",
       [](CurveData& c) {
         c.Graphs[1].NumTransitions = 4;
         c.Graphs[1].RPM[3] = 8000;
         c.Graphs[1].Nodes[3] = {100, 40, 30, 0};
       },
       {Diff(2, 0, "NumTransitions", 3, 4), Diff(2, 4, "RPM", missing, 8000), Diff(2, 4, "CO", missing, 100),
        Diff(2, 4, "PS", missing, 40), Diff(2, 4, "SS", missing, 30)}},
      {"fewer sparks: the spark angles no longer written",
       [](CurveData& c) { c.Graphs[1].NumSparks = 1; },
       {Diff(2, 0, "NumSparks", 2, 1), Diff(2, 1, "SS", 5, missing), Diff(2, 2, "SS", 15, missing),
        Diff(2, 3, "SS", 20, missing)}},
  };
  for (const Case& c : cases) EXPECT_EQ(DifferencesAfter(Unchanged, c.changeB), c.expected) << c.name;
}

TEST(CurveDifferences, ASensorStateOnOneSideOnlyListsEveryKeyOfItsSection) {
  const auto differences = DifferencesAfter(
      [](CurveData& a) {
        a.NumSensorStates = 1;
        a.Sensor1Type = kSensorNone;
      },
      Unchanged);
  // Two GENERAL keys, the eight graph keys and three nodes of RPM, CO, PS and SS.
  ASSERT_EQ(differences.size(), 2u + 8u + 3u * 4u);
  EXPECT_EQ(differences[0], Diff(0, 0, "NumSensorStates", 1, 2));
  EXPECT_EQ(differences[1], Diff(0, 0, "Sensor1Type", 0, 1));
  EXPECT_EQ(differences[2].Section(), "GRAPH_2");
  EXPECT_EQ(differences[2], Diff(2, 0, "GraphInfo", std::nullopt, "race"));
  EXPECT_EQ(differences.back(), Diff(2, 3, "SS", std::nullopt, 20));
  for (const CurveDifference& d : differences) {
    if (d.state == 2) {
      EXPECT_FALSE(d.a) << d.field;
    }
  }
}

TEST(CurveDifferences, LinesNameTheFilesKeysAndNumbers) {
  const struct {
    CurveDifference difference;
    const char* line;
  } cases[] = {
      {Diff(2, 4, "PS", 32, 35), "state 2 node 4 PS: 32 -> 35"},
      {Diff(0, 0, "CurveFallback", 200, 300), "GENERAL CurveFallback: 200 -> 300"},
      {Diff(1, 0, "RevLimit", -1, 9000), "state 1 RevLimit: -1 -> 9000"},
      {Diff(3, 10, "TS", std::nullopt, 4), "state 3 node 10 TS: - -> 4"},
      {Diff(1, 0, "GraphInfo", "", "say \"hi\""), "state 1 GraphInfo: \"\" -> \"say \\\"hi\\\"\""},
      {Diff(0, 0, "Sensor1Volt", "2.5", "-"), "GENERAL Sensor1Volt: \"2.5\" -> \"-\""},
  };
  for (const auto& c : cases) EXPECT_EQ(DifferenceLine(c.difference), c.line);
}

TEST(CurveDifferences, JsonListsTheSameWithNullForWhatIsMissing) {
  EXPECT_EQ(DifferencesToJson({}), "[]\n");
  EXPECT_EQ(DifferencesToJson({Diff(0, 0, "CoilType", "KX-1", "ZNQ"), Diff(2, 4, "PS", std::nullopt, 35)}),
            "[\n"
            "  {\"section\": \"GENERAL\", \"state\": null, \"node\": null, \"field\": \"CoilType\", \"a\": \"KX-1\", "
            "\"b\": \"ZNQ\"},\n"
            "  {\"section\": \"GRAPH_2\", \"state\": 2, \"node\": 4, \"field\": \"PS\", \"a\": null, \"b\": 35}\n"
            "]\n");
}

IgnitionDescriptionTable Descriptions() {
  IgnitionDescriptionTable table{};
  const char* names[] = {"Korvane Tarvo GT-1", "Compact", "Full Featured"};
  for (std::size_t i = 0; i < 3; ++i) {
    table[i].Name = names[i];
    table[i].Valid = true;
  }
  return table;
}

CurveData Load(const std::string& path) {
  CurveData curve;
  ClearCurve(curve, MakeDefaultGraph());
  LoadCurveFile(curve, path, Descriptions(), MakeDefaultGraph());
  return curve;
}

// A file of any revision saved again as revision 3 stores the same curve: the older ignition number
// became a name, revision 1 its tach type, a decimal comma a point.
TEST(CurveDifferences, AFileOfEveryRevisionEqualsItsSavedCopy) {
  for (const char* name : {"compact-rev1.crv", "full-featured-rev2.crv", "gt1-rev3.crv"}) {
    TempDir dir;
    const CurveData original = Load(kGolden + name);
    // The custom layout's name as the program knows it: what Save writes for a custom-layout curve.
    SaveCurveFile(original, original.CustType, dir.File("copy.crv"));
    EXPECT_EQ(CurveDifferences(original, Load(dir.File("copy.crv"))), std::vector<CurveDifference>{}) << name;
  }
}

TEST(CurveDifferences, FilesOfDifferentRevisionsDifferInTheirOwnKeys) {
  const auto differences =
      CurveDifferences(Load(kGolden + "compact-rev1.crv"), Load(kGolden + "full-featured-rev2.crv"));
  ASSERT_FALSE(differences.empty());
  EXPECT_EQ(differences[0], Diff(0, 0, "Name", "Compact", "Full Featured"));
  EXPECT_EQ(differences[1], Diff(0, 0, "EngineType", 2, 4));
  EXPECT_EQ(CurveDifferences(Load(kGolden + "full-featured-rev2.crv"), Load(kGolden + "compact-rev1.crv")).size(),
            differences.size());
}

}  // namespace
}  // namespace curvedesk
