#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/common/AppError.h"
#include "core/common/ErrorMessages.h"
#include "core/model/DisplayTexts.h"
#include "core/model/IgnitionDescriptionReader.h"
#include "support/TempDir.h"

namespace curvedesk {
namespace {

using testing::TempDir;

struct DescriptionFolder {
  TempDir dir;
  AppFolders folders{dir.Path().string(), dir.Path().string()};

  IgnitionDescription Read(const std::string& text, int number = 1) {
    dir.Write("Ign" + std::to_string(number) + ".ini", text);
    IgnitionDescription slot;
    ReadIgnitionDescription(slot, folders, number);
    return slot;
  }
};

TEST(ReadIgnitionDescription, NoFilesLeaveEverySlotInvalid) {
  DescriptionFolder folder;
  IgnitionDescriptionTable table{};
  for (auto& slot : table) slot.Valid = true;
  ReadIgnitionDescriptions(table, folder.folders);
  for (const auto& slot : table) EXPECT_FALSE(slot.Valid);
}

TEST(ReadIgnitionDescription, FileNumberFillsItsSlot) {
  DescriptionFolder folder;
  folder.dir.Write("Ign3.ini", "[Ign_Name]\r\nNAME=#Third#\r\n");
  IgnitionDescriptionTable table{};
  ReadIgnitionDescriptions(table, folder.folders);
  EXPECT_TRUE(table[2].Valid);
  EXPECT_EQ(table[2].Name, "Third");
  EXPECT_FALSE(table[0].Valid);
}

TEST(ReadIgnitionDescription, NameOnlyOffersEveryChoiceWithTheFallbackDefaults) {
  DescriptionFolder folder;
  const IgnitionDescription slot = folder.Read("[Ign_Name]\nNAME=Bare\n");
  ASSERT_TRUE(slot.Valid);
  EXPECT_EQ(slot.Name, "Bare");
  EXPECT_EQ(slot.DefaultNumSparks, 3);
  EXPECT_EQ(slot.DefaultCurveFallback, 200);
  EXPECT_TRUE(slot.EngineAllowed[2] && slot.EngineAllowed[4]);
  EXPECT_FALSE(slot.EngineAllowed[3]);
  EXPECT_EQ(slot.DefaultEngineType, 4);
  for (int engine : {2, 4}) {
    const auto e = static_cast<std::size_t>(engine);
    EXPECT_TRUE(slot.SparkDistAllowed[e][0] && slot.SparkDistAllowed[e][1]);
    EXPECT_TRUE(slot.RotorPosAllowed[e][0] && slot.RotorPosAllowed[e][1]);
    EXPECT_EQ(slot.DefaultSparkDist[e], 1);
    EXPECT_EQ(slot.DefaultRotorPos[e], 1);
  }
  struct Combination {
    std::size_t engine, sparkDist, rotorPos;
    bool offered;
  };
  for (const Combination& c : std::vector<Combination>{{2, 0, 1, true},
                                                       {4, 0, 0, true},
                                                       {4, 0, 1, true},
                                                       {4, 1, 0, true},
                                                       {4, 1, 1, true},
                                                       {2, 0, 0, false},
                                                       {2, 1, 1, false}}) {
    const auto& allowed = slot.NumCylAllowed[c.engine][c.sparkDist][c.rotorPos];
    for (std::size_t cylinders : {0u, 1u, 2u, 3u, 4u, 6u, 8u})
      EXPECT_EQ(allowed[cylinders], c.offered) << c.engine << c.sparkDist << c.rotorPos << " cyl " << cylinders;
    EXPECT_FALSE(allowed[5] || allowed[7]);
    EXPECT_EQ(slot.DefaultNumCyl[c.engine][c.sparkDist][c.rotorPos], 0);
  }
  EXPECT_TRUE(slot.Sensor1Allowed && slot.Sensor2Allowed && slot.RpmSwitch1Allowed && slot.RpmSwitch2Allowed);
}

TEST(ReadIgnitionDescription, OnlyExactlyDRefusesAChoice) {
  DescriptionFolder folder;
  const IgnitionDescription slot = folder.Read(
      "[Ign_Name]\r\nNAME=#X#\r\n[Sensors]\r\nSENSOR1=D\r\nSENSOR2=d\r\n"
      "[RPM_Switches]\r\nRPMSWITCH1=#D#\r\nRPMSWITCH2=DD\r\n"
      "[engine_type]\r\n2_cycle = D \r\n4_CYCLE=\r\n"
      "[Number_Cyl_4_Cycle_Dist_Crank]\r\nCYL6=D\r\nCYLCUSTOM=D\r\n");
  EXPECT_FALSE(slot.Sensor1Allowed);
  EXPECT_TRUE(slot.Sensor2Allowed);
  EXPECT_FALSE(slot.RpmSwitch1Allowed);
  EXPECT_TRUE(slot.RpmSwitch2Allowed);
  EXPECT_FALSE(slot.EngineAllowed[2]);  // names match without case, blanks trimmed
  EXPECT_TRUE(slot.EngineAllowed[4]);   // an empty value is allowed
  EXPECT_FALSE(slot.NumCylAllowed[4][1][1][6]);
  EXPECT_FALSE(slot.NumCylAllowed[4][1][1][0]);
  EXPECT_TRUE(slot.NumCylAllowed[4][1][1][4]);
  EXPECT_TRUE(slot.NumCylAllowed[4][1][0][6]);
}

TEST(ReadIgnitionDescription, DefaultsNeedTheExactText) {
  struct Case {
    const char* section;
    const char* value;
    int expected;
  };
  const std::vector<Case> cases = {
      {"Curve_Fallback", "300", 300},          {"Curve_Fallback", "#800#", 800},
      {"Curve_Fallback", "250", 200},          {"Curve_Fallback", "0300", 200},
      {"Curve_Fallback", "900", 200},          {"Engine_Type", "2_Cycle", 2},
      {"Engine_Type", "2_CYCLE", 4},           {"Engine_Type", "", 4},
      {"Spark_Dist_4_Cycle", "Coil", 0},       {"Spark_Dist_4_Cycle", "coil", 1},
      {"Rotor_Mount_Pos_4_Cycle", "Cam", 0},   {"Rotor_Mount_Pos_4_Cycle", "CAM", 1},
      {"Number_Cyl_4_Cycle_Coil_Cam", "6", 6}, {"Number_Cyl_4_Cycle_Coil_Cam", "#8#", 8},
      {"Number_Cyl_4_Cycle_Coil_Cam", "5", 0}, {"Number_Cyl_4_Cycle_Coil_Cam", "CUSTOM", 0},
  };
  for (const Case& c : cases) {
    DescriptionFolder folder;
    const std::string section = c.section;
    const IgnitionDescription slot =
        folder.Read("[Ign_Name]\r\nNAME=#X#\r\n[" + section + "]\r\nDEFAULT=" + c.value + "\r\n");
    int actual = -1;
    if (section == "Curve_Fallback") actual = slot.DefaultCurveFallback;
    if (section == "Engine_Type") actual = slot.DefaultEngineType;
    if (section == "Spark_Dist_4_Cycle") actual = slot.DefaultSparkDist[4];
    if (section == "Rotor_Mount_Pos_4_Cycle") actual = slot.DefaultRotorPos[4];
    if (section == "Number_Cyl_4_Cycle_Coil_Cam") actual = slot.DefaultNumCyl[4][0][0];
    EXPECT_EQ(actual, c.expected) << section << " DEFAULT=" << c.value;
  }
}

TEST(ReadIgnitionDescription, MissingOrEmptyFileOnlyInvalidatesTheSlot) {
  DescriptionFolder folder;
  IgnitionDescription slot = folder.Read("[Ign_Name]\r\nNAME=#Kept#\r\n");
  folder.dir.Write("Ign1.ini", "");
  ReadIgnitionDescription(slot, folder.folders, 1);
  EXPECT_FALSE(slot.Valid);
  EXPECT_EQ(slot.Name, "Kept");
  slot.Valid = true;
  ReadIgnitionDescription(slot, folder.folders, 2);
  EXPECT_FALSE(slot.Valid);
}

TEST(ReadIgnitionDescription, UnreadableFileIsCorrupt) {
  DescriptionFolder folder;
  std::filesystem::create_directory(folder.dir.Path() / "Ign4.ini");
  IgnitionDescriptionTable table{};
  try {
    ReadIgnitionDescriptions(table, folder.folders);
    FAIL() << "no error";
  } catch (const AppError& error) {
    EXPECT_EQ(error.Number(), ErrIgnDescCorrupt);
    EXPECT_EQ(error.Description(), GetErrorMessage(ErrIgnDescCorrupt));
  }
  EXPECT_FALSE(table[3].Valid);
}

TEST(DisplayTexts, CodesToTexts) {
  struct Case {
    std::string actual, expected;
  };
  const std::vector<Case> cases = {
      {EngineTypeName(2), "2 Cycle"},
      {EngineTypeName(4), "4 Cycle"},
      {EngineTypeName(3), ""},
      {SparkDistName(0), "Coil"},
      {SparkDistName(1), "Distrib."},
      {SparkDistName(2), ""},
      {RotorPosName(0), "Cam"},
      {RotorPosName(1), "Crank"},
      {RotorPosName(-1), ""},
      {SensorName(0, Currency::FromTenths(25)), "None"},
      {SensorName(1, Currency::FromTenths(25)), "Digital"},
      {SensorName(2, Currency::FromTenths(25)), "Analog 2.5V"},
      {SensorName(2, Currency{}), "Analog 0.0V"},
      {SensorName(3, Currency{}), ""},
      {CylinderText(6, "H-D (Dual Fire)"), "6"},
      {CylinderText(0, "H-D (Dual Fire)"), "H-D (Dual Fire)"},
      {CylinderText(0, ""), ""},
      {TachTypeName(6, "X"), "6 Cyl"},
      {TachTypeName(0, "X"), "X"},
      {TachTypeName(0, ""), ""},
      {RpmSwitchText(-1), ""},
      {RpmSwitchText(0), "0"},
      {RpmSwitchText(6500), "6500"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected);
}

TEST(DisplayTexts, SensorStatesNeverThree) {
  EXPECT_EQ(SensorStatesFor(false, false), 1);
  EXPECT_EQ(SensorStatesFor(true, false), 2);
  EXPECT_EQ(SensorStatesFor(false, true), 2);
  EXPECT_EQ(SensorStatesFor(true, true), 4);
}

}  // namespace
}  // namespace curvedesk
