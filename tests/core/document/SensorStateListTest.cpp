#include <gtest/gtest.h>

#include "core/document/SensorStateList.h"

namespace curvedesk {
namespace {

IgnitionConfig Sensors(int states, int type1, double volts1, int type2, double volts2) {
  IgnitionConfig config;
  config.NumSensorStates = static_cast<std::int16_t>(states);
  config.Sensor1Type = type1;
  config.Sensor1Volt = Currency::FromTenths(static_cast<std::int64_t>(volts1 * 10 + 0.5));
  config.Sensor2Type = type2;
  config.Sensor2Volt = Currency::FromTenths(static_cast<std::int64_t>(volts2 * 10 + 0.5));
  return config;
}

// The list entries with their padding collapsed to " | ".
std::vector<std::string> Columns(const IgnitionConfig& config) {
  std::vector<std::string> columns;
  for (const std::string& entry : BuildSensorStateList(config, 0)) {
    const auto gap = entry.find("  ");
    columns.push_back(entry.substr(0, gap) + " | " + entry.substr(entry.find_first_not_of(' ', gap)));
  }
  return columns;
}

TEST(SensorStateListTest, EntriesFollowTheStateNumbering) {
  using List = std::vector<std::string>;
  EXPECT_EQ(Columns(Sensors(1, 0, 0, 0, 0)), (List{"None | None"}));
  EXPECT_EQ(Columns(Sensors(2, 1, 0, 0, 0)), (List{"GND | None", "UnGND | None"}));
  EXPECT_EQ(Columns(Sensors(2, 0, 0, 2, 2.5)), (List{"None | <2.5 VDC", "None | >2.5 VDC"}));
  EXPECT_EQ(Columns(Sensors(4, 2, 1.2, 1, 0)), (List{"<1.2 VDC | GND", "<1.2 VDC | UnGND", ">1.2 VDC | GND",
                                                    ">1.2 VDC | UnGND"}));
  // Files may carry three states: the first three of the four.
  EXPECT_EQ(Columns(Sensors(3, 1, 0, 1, 0)), (List{"GND | GND", "GND | UnGND", "UnGND | GND"}));
}

TEST(SensorStateListTest, PaddingFillsTheListWidth) {
  struct Case {
    int widthTwips;
    std::size_t blanks;
  };
  // "GND" + "None" is 7 characters, 1225 twips.
  const Case cases[] = {
      {175 * 20, 13},
      {175 * 20 + 87, 13},   // 13.497 rounds down
      {175 * 20 + 88, 14},   // 13.503 rounds up
      {175 * 7, 2},          // no room: still two blanks
      {0, 2},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PadColumns("GND", "None", c.widthTwips), "GND" + std::string(c.blanks, ' ') + "None") << c.widthTwips;
}

}  // namespace
}  // namespace curvedesk
