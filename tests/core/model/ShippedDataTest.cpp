#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/curvefile/CurveFile.h"
#include "core/model/AppContext.h"
#include "core/model/CoilLimits.h"
#include "core/model/IgnitionDescriptionReader.h"

namespace curvedesk {
namespace {

const AppFolders kShipped{CURVEDESK_SOURCE_DATA_DIR, CURVEDESK_SOURCE_DATA_DIR};

IgnitionDescriptionTable ShippedDescriptions() {
  IgnitionDescriptionTable table{};
  ReadIgnitionDescriptions(table, kShipped);
  return table;
}

TEST(ShippedData, DescriptionsAreValidAndPreselectOfferedChoices) {
  std::set<std::string> names;
  for (const IgnitionDescription& d : ShippedDescriptions()) {
    if (!d.Valid) continue;
    SCOPED_TRACE(d.Name);
    EXPECT_TRUE(names.insert(d.Name).second) << "duplicate name";
    const auto engine = static_cast<std::size_t>(d.DefaultEngineType);
    ASSERT_TRUE(d.EngineAllowed[engine]);
    const auto sparkDist = static_cast<std::size_t>(d.DefaultSparkDist[engine]);
    const auto rotorPos = static_cast<std::size_t>(d.DefaultRotorPos[engine]);
    EXPECT_TRUE(d.SparkDistAllowed[engine][sparkDist]);
    EXPECT_TRUE(d.RotorPosAllowed[engine][rotorPos]);
    const auto cylinders = static_cast<std::size_t>(d.DefaultNumCyl[engine][sparkDist][rotorPos]);
    EXPECT_TRUE(d.NumCylAllowed[engine][sparkDist][rotorPos][cylinders]);
  }
  for (const char* required : {"Korvane Tarvo GT-1", "Compact", "Full Featured"}) EXPECT_EQ(names.count(required), 1u);
}

TEST(ShippedData, OlderRevisionCurvesFindTheirIgnition) {
  const IgnitionDescriptionTable descriptions = ShippedDescriptions();
  for (const char* file : {"compact-rev1.crv", "full-featured-rev2.crv", "gt1-rev3.crv"}) {
    AppContext context;
    CurveData curve;
    EXPECT_NO_THROW(LoadCurveFile(curve, std::string(CURVEDESK_TEST_DATA_DIR) + "/curves/" + file, descriptions,
                                  context.defaultGraph))
        << file;
  }
}

TEST(ShippedData, LimitsForEveryCoilAndCylinderCount) {
  struct Source {
    const char* sparkDist;
    const char* coil;
    int cylinders;
    Edition edition;
  };
  std::vector<Source> sources;
  for (const char* coil : {"KX-1", "RW-1", "KX-2", "3 Ohm Primary Coil", "ZNQ", "Hex Stack"})
    sources.push_back({"Coil", coil, 4, Edition::Full});
  sources.push_back({"Coil", "Quad Stack", 4, Edition::Compact});
  for (int cylinders : {0, 1, 2, 3, 4, 6, 8}) sources.push_back({"Distrib.", "", cylinders, Edition::Full});

  const SensorStateGraph untouched = MakeDefaultGraph();
  for (const Source& s : sources) {
    SCOPED_TRACE(CoilLimitSection(s.sparkDist, s.coil, s.cylinders, s.edition));
    CoilLimitTable table;
    ASSERT_NO_THROW(LoadCoilLimits(LimitsFilePath(kShipped), s.sparkDist, s.coil, s.cylinders, s.edition, table));
    int previous = 0;
    for (const CoilLimitRow& row : table.Rows) {
      EXPECT_GT(row.Percent, 0);
      EXPECT_LE(row.Percent, 100);
      EXPECT_GE(row.Percent, previous);  // faster engines leave a larger share of the span
      previous = row.Percent;
    }
    // A new curve must not start out over the limit where a limit can be met at all.
    const int sparkDist = std::string(s.sparkDist) == "Coil" ? kSparkDistCoil : kSparkDistDistributor;
    if (FiringSpan(sparkDist, s.cylinders) == 0) continue;
    for (int n = 0; n < untouched.NumTransitions; ++n) {
      const auto node = static_cast<std::size_t>(n);
      EXPECT_GE(CoilOnLimit(table, untouched.RPM[node], sparkDist, s.cylinders),
                untouched.Nodes[node].CO - untouched.Nodes[node].TS);
    }
  }
}

}  // namespace
}  // namespace curvedesk
