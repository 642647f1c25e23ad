#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/common/ErrorMessages.h"
#include "core/model/CoilLimits.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

namespace curvedesk {
namespace {

using testing::ErrorOf;
using testing::TempDir;

std::string Section(const std::string& name, int firstPercent, int rows = 10) {
  std::string text = "[" + name + "]\r\n";
  for (int row = 0; row < rows; ++row)
    text += "Range" + std::to_string(row) + "=" + std::to_string(firstPercent + row) + "\r\n";
  return text;
}

TEST(CoilLimitSection, FollowsTheShownDistributionAndCoil) {
  struct Case {
    const char* sparkDist;
    const char* coil;
    int cylinders;
    Edition edition;
    const char* expected;
  };
  const std::vector<Case> cases = {
      {"Distrib.", "KX-2", 6, Edition::Full, "DIST_6"},
      {"Distrib.", "", 0, Edition::Full, "DIST_0"},
      {"Coil", "KX-1", 4, Edition::Full, "COIL_CUST_KX1"},
      {"Coil", "RW-1", 4, Edition::Full, "COIL_CUST_RW1"},
      {"Coil", "KX-2", 4, Edition::Full, "COIL_CUST_KX2"},
      {"Coil", "3 Ohm Primary Coil", 4, Edition::Full, "COIL_CUST_3OHM"},
      {"Coil", "ZNQ", 4, Edition::Full, "COIL_CUST_ZN"},
      {"Coil", "Hex Stack", 4, Edition::Full, "COIL_CUST_HS"},
      {"Coil", "Quad Stack", 4, Edition::Full, "COIL_CUST_KX1"},
      {"Coil", "kx-2", 4, Edition::Full, "COIL_CUST_KX1"},
      {"", "", 4, Edition::Full, "COIL_CUST_KX1"},
      {"distrib.", "ZNQ", 4, Edition::Full, "COIL_CUST_ZN"},
      {"Coil", "Quad Stack", 4, Edition::Compact, "COIL_CUST_QS"},
      {"Coil", "RW-1", 4, Edition::Compact, "COIL_CUST_KX1"},
      {"Coil", "Hex Stack", 4, Edition::Compact, "COIL_CUST_KX1"},
      {"Coil", "ZNQ", 4, Edition::Compact, "COIL_CUST_ZN"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CoilLimitSection(c.sparkDist, c.coil, c.cylinders, c.edition), c.expected)
        << c.sparkDist << " / " << c.coil;
}

TEST(LoadCoilLimits, ReadsTenRowsOfTheChosenSection) {
  TempDir dir;
  const std::string path = dir.Write("Limits.ini", Section("COIL_CUST_KX1", 10) + Section("DIST_4", 50));
  CoilLimitTable table;
  LoadCoilLimits(path, "Distrib.", "KX-1", 4, Edition::Full, table);
  EXPECT_EQ(table.Rows[0].Percent, 50);
  EXPECT_EQ(table.Rows[9].Percent, 59);
  EXPECT_EQ(table.Rows[9].LowRpm, 9050);
  LoadCoilLimits(path, "Coil", "KX-1", 4, Edition::Full, table);
  EXPECT_EQ(table.Rows[9].Percent, 19);
}

TEST(LoadCoilLimits, UnreadableLimitsAreCorrupt) {
  TempDir dir;
  const std::string partial = dir.Write("partial.ini", Section("DIST_4", 50, 6));
  CoilLimitTable table;
  for (auto& row : table.Rows) row.Percent = 7;
  EXPECT_EQ(ErrorOf([&] { LoadCoilLimits(partial, "Distrib.", "", 4, Edition::Full, table); }), ErrLimitsCorrupt);
  EXPECT_EQ(table.Rows[5].Percent, 55);  // rows read before the failure keep their new values
  EXPECT_EQ(table.Rows[6].Percent, 7);

  EXPECT_EQ(ErrorOf([&] { LoadCoilLimits(dir.File("missing.ini"), "Coil", "", 4, Edition::Full, table); }),
            ErrLimitsCorrupt);
  std::filesystem::create_directory(dir.Path() / "folder.ini");
  EXPECT_EQ(ErrorOf([&] { LoadCoilLimits(dir.File("folder.ini"), "Coil", "", 4, Edition::Full, table); }),
            ErrLimitsCorrupt);
  EXPECT_EQ(ErrorOf([&] { LoadCoilLimits(partial, "Distrib.", "", 6, Edition::Full, table); }), ErrLimitsCorrupt);
}

TEST(CoilOnLimit, FiringSpanTimesPercentRoundedHalfToEven) {
  struct Case {
    int sparkDist, cylinders, percent, rpm, expected;
  };
  const std::vector<Case> cases = {
      {kSparkDistCoil, 4, 40, 3000, 144},        // min(144, 350)
      {kSparkDistCoil, 0, 100, 3000, 350},       // never more than the span - 10
      {kSparkDistDistributor, 4, 45, 3000, 81},  // 180 * 45%
      {kSparkDistDistributor, 8, 45, 3000, 40},  // 40.5 rounds to the even 40
      {kSparkDistDistributor, 8, 55, 3000, 50},  // 49.5 rounds to the even 50
      {kSparkDistDistributor, 4, 100, 3000, 170},
      {kSparkDistDistributor, 1, 50, 3000, 180},
      {kSparkDistDistributor, 2, 50, 3000, 180},
      {kSparkDistDistributor, 3, 50, 3000, 120},
      {kSparkDistDistributor, 6, 50, 3000, 60},
      {kSparkDistDistributor, 5, 50, 3000, -10},  // no firing span: every span is refused
      {kSparkDistDistributor, 0, 50, 3000, -10},
      {kSparkDistCoil, 4, 40, 1025, 0},  // between the 1000 and 1050 rows
      {kSparkDistCoil, 4, 40, 12550, 0},
  };
  for (const Case& c : cases) {
    CoilLimitTable table;
    for (auto& row : table.Rows) row.Percent = c.percent;
    EXPECT_EQ(CoilOnLimit(table, c.rpm, c.sparkDist, c.cylinders), c.expected)
        << "dist " << c.sparkDist << " cylinders " << c.cylinders << " percent " << c.percent << " rpm " << c.rpm;
  }
  CoilLimitTable table;
  table.Rows[0].Percent = 10;
  table.Rows[1].Percent = 20;
  EXPECT_EQ(CoilOnLimit(table, 1000, kSparkDistCoil, 4), 36);  // high end inclusive
  EXPECT_EQ(CoilOnLimit(table, 1050, kSparkDistCoil, 4), 72);  // low end inclusive
  table.Rows[0].Percent = -2000000000;                         // a damaged file must not overflow the result
  EXPECT_LT(CoilOnLimit(table, 0, kSparkDistCoil, 4), -1000000);
}

TEST(CheckSparkDistChange, ChecksEveryUsedGraphWithTheNewDistribution) {
  TempDir dir;
  const std::string limits = dir.Write("Limits.ini", Section("COIL_CUST_KX1", 100));
  const std::string saturation =
      "Changing to this Spark Distribution type would violate\r\n"
      "the Maximum Coil On Saturation limits of the ignition.";
  struct Case {
    const char* name;
    int numSensorStates;
    std::int16_t graph1CoilOn;  // span to the third spark (0 degrees) in graph 1
    bool missingFile;
    bool allowed;
    std::string message;
  };
  const std::vector<Case> cases = {
      // Distributor with four cylinders at 100% allows 170 degrees.
      {"spans fit", 2, 170, false, true, ""},
      {"a used graph does not fit", 2, 180, false, false, saturation},
      {"graphs not in use are not checked", 1, 180, false, true, ""},
      // Only graph 0 is checked then, with the table as it was.
      {"limits unreadable", 2, 180, true, false, GetErrorMessage(ErrLimitsCorrupt)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CurveData curve;
    ClearCurve(curve, MakeDefaultGraph());
    curve.NumSensorStates = static_cast<std::int16_t>(c.numSensorStates);
    curve.Graphs[1].Nodes[4].CO = c.graph1CoilOn;
    CoilLimitTable table;
    for (auto& row : table.Rows) row.Percent = 100;
    const auto check = CheckSparkDistChange(c.missingFile ? dir.File("none.ini") : limits, "Coil", "KX-1",
                                            Edition::Full, curve, kSparkDistDistributor, table);
    EXPECT_EQ(check.allowed, c.allowed);
    EXPECT_EQ(check.message, c.message);
  }
}

TEST(CheckSparkDistChange, UnreadableLimitsStillReportASaturatedFirstGraph) {
  TempDir dir;
  const std::string partial = dir.Write("Limits.ini", Section("COIL_CUST_KX1", 100, 3));
  CurveData curve;
  ClearCurve(curve, MakeDefaultGraph());
  curve.Graphs[0].Nodes[0].CO = 180;  // 0 RPM, row 0 read as 100%: distributor allows 170
  CoilLimitTable table;
  const auto check = CheckSparkDistChange(partial, "Coil", "KX-1", Edition::Full, curve, kSparkDistDistributor, table);
  EXPECT_FALSE(check.allowed);
  EXPECT_NE(check.message.find("would violate"), std::string::npos);
}

}  // namespace
}  // namespace curvedesk
