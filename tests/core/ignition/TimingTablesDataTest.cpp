// The shipped timing tables hold every value programming can ask for.
#include <gtest/gtest.h>

#include <span>

#include "core/common/IniFile.h"
#include "core/ignition/CurveBytes.h"

namespace curvedesk {
namespace {

const char* const kTableFiles[] = {"tables.ini",   "tableshdd.ini", "tableshds.ini", "tables50.ini",
                                   "tables72.ini", "tables90.ini",  "tables180.ini"};
constexpr std::int32_t kCylinderCounts[] = {0, 1, 2, 3, 4, 6, 8};

std::string SourceDataFile(const std::string& name) { return std::string(CURVEDESK_SOURCE_DATA_DIR) + "/" + name; }

TEST(ShippedTimingTables, EveryConfigurationAndAngleHasAByte) {
  for (const char* file : kTableFiles) {
    SCOPED_TRACE(file);
    const TimingTable table = TimingTable::Load(SourceDataFile(file));
    CurveData curve;
    ClearCurve(curve, MakeDefaultGraph());
    SensorStateGraph& graph = curve.Graphs[0];
    graph.NumTransitions = 1;
    for (std::int32_t engine : {kEngineTwoStroke, kEngineFourStroke})
      for (std::int32_t dist : {kSparkDistCoil, kSparkDistDistributor})
        for (std::int32_t rotor : {kRotorCam, kRotorCrank})
          for (std::int32_t cylinders : kCylinderCounts)
            for (std::int32_t tach : kCylinderCounts) {
              curve.EngineType = engine;
              curve.SparkDist = dist;
              curve.RotorPos = rotor;
              curve.NumCylinders = cylinders;
              curve.TachType = tach;
              const CurveBytes bytes(curve, table);
              const std::string config = RotorPart(curve) + "_" + CylinderPart(curve) + "_" + TachPart(curve) +
                                         (dist == kSparkDistDistributor ? " dist" : " coil");
              for (std::string_view symbol : kCommonSymbols)
                EXPECT_NO_THROW(bytes.CommonDataByte(symbol)) << symbol << " " << config;
              for (std::int16_t angle = 0; angle <= 240; angle += 10) {
                graph.Nodes[0].CO = angle;
                EXPECT_NO_THROW(bytes.NodeByte("InitialSatCyl", 0, 0)) << config << " coil on " << angle;
                EXPECT_NO_THROW(bytes.NodeByte("InitialSat", 0, 0)) << config << " coil on " << angle;
              }
              for (std::int16_t angle = 0; angle <= 75; ++angle) {
                graph.Nodes[0].PS = angle;
                EXPECT_NO_THROW(bytes.NodeByte("InitialSpark", 0, 0)) << config << " primary spark " << angle;
              }
            }
  }
}

// A copied variant stays in place after programming, so a later curve with an ordinary layout
// must read the same bytes from it as from tables.ini.
TEST(ShippedTimingTables, VariantsDifferOnlyInCustomCylinderKeys) {
  const IniDocument base = LoadIniDocument(SourceDataFile("tables.ini"));
  for (const char* file : std::span(kTableFiles).subspan(1)) {
    SCOPED_TRACE(file);
    const IniDocument variant = LoadIniDocument(SourceDataFile(file));
    ASSERT_EQ(variant.Lines().size(), base.Lines().size());
    std::string section;
    int customDifferences = 0;
    for (std::size_t i = 0; i < base.Lines().size(); ++i) {
      const std::string& line = base.Lines()[i];
      if (line.starts_with("[")) section = line;
      if (line == variant.Lines()[i]) continue;
      const std::string key = line.substr(0, line.find('='));
      const bool customCylinders = section != "[TachStart]" && section != "[TachInterval]" &&
                                   (key.ends_with("_CUST") || key.find("_CUST_") != std::string::npos);
      EXPECT_TRUE(customCylinders) << section << " " << line << " / " << variant.Lines()[i];
      ++customDifferences;
    }
    EXPECT_GT(customDifferences, 0) << "the variant must differ for the custom layout";
  }
}

TEST(ShippedTimingTables, NameTheCustomLayout) {
  EXPECT_EQ(IniReadString(SourceDataFile("tables.ini"), "CustName", "NAME"), "H-D (Dual Fire)");
}

}  // namespace
}  // namespace curvedesk
