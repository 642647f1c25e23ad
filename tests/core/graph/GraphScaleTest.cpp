#include <gtest/gtest.h>

#include "core/graph/GraphScale.h"

namespace curvedesk {
namespace {

struct Conversion {
  int value;
  int position;
};

TEST(RpmToX, FollowsTheColumnsOfTheScale) {
  const Conversion cases[] = {
      {0, 750},         {250, 1000},      {500, 1250},
      {4000, 750 + 4000}, {4500, 750 + 4250}, {5000, 750 + 4500},
      {12000, 750 + 8000}, {12250, 750 + 8125}, {12498, 8999},   {12499, 9000},
      {12500, 9000},    {13000, 9000},    {32767, 9000},
      {1, 751},
      // Half a twip per RPM above 4,000: halves round to the even neighbour.
      {4001, 4750}, {4003, 4752}, {4005, 4752}, {4007, 4754},
  };
  for (const auto& c : cases) EXPECT_EQ(RpmToX(c.value), c.position) << c.value << " RPM";
}

TEST(AngleToY, FollowsTheRowsOfTheScale) {
  const Conversion cases[] = {
      {0, 6645},
      {5, 6645 - 385},
      {60, 6645 - 4620},
      {80, 1832},               // 1832.5 rounds to the even 1832
      {160, 1062},              // 5582.5 above the bottom: 1062.5 rounds to the even 1062
      {200, 6645 - 16 * 385},
      {239, 110},               // 100 + 9.625
      {240, 100},
      {500, 100},
  };
  for (const auto& c : cases) EXPECT_EQ(AngleToY(c.value), c.position) << c.value << " degrees";
}

TEST(XToRpm, ReadsPositionsBackToValues) {
  const struct {
    double x;
    int rpm;
  } cases[] = {
      {0, 0},         {749, 0},       {750, 0},       {1000, 250},     {1250, 500},
      {4750, 4000},   {5000, 4500},   {8750, 12000},  {8875, 12250},   {9000, 12500},
      {9249, 12998},  // past the right edge the value runs on; callers clamp it
      {9250, 12500},  // a whole column past the last point
      {20000, 12500},
      {750.4, 0},     {750.6, 1},     // fractions of a twip round first
      {5000.5, 4500},  // b = 4250.5 rounds to the even 4250
  };
  for (const auto& c : cases) EXPECT_EQ(XToRpm(c.x), c.rpm) << "x " << c.x;
}

TEST(YToAngle, ReadsPositionsBackToValues) {
  const struct {
    double y;
    int angle;
  } cases[] = {
      {6645, 0},   {7000, 0},  {6645 - 385, 5}, {6645 - 4620, 60}, {1062, 160},
      {100, 240},  {0, 240},   {6645 - 192, 2},  // 2.49 degrees
      {6645 - 193, 3},                           // 2.506 degrees
  };
  for (const auto& c : cases) EXPECT_EQ(YToAngle(c.y), c.angle) << "y " << c.y;
}

TEST(Conversions, EveryGridValueSurvivesTheRoundTrip) {
  for (int rpm = 0; rpm <= 12500; rpm += 50) EXPECT_EQ(XToRpm(RpmToX(rpm)), rpm) << rpm;
  for (int angle = 0; angle <= 240; ++angle) EXPECT_EQ(YToAngle(AngleToY(angle)), angle) << angle;
}

TEST(PrintFrame, UsesTheSameScalesAtThePrintedSize) {
  EXPECT_EQ(RpmToX(0, kPrintFrame), 850);
  EXPECT_EQ(RpmToX(4000, kPrintFrame), 850 + 8 * 445);
  EXPECT_EQ(RpmToX(12250, kPrintFrame), 8081);  // 850 + 16 * 445 + 111.25
  EXPECT_EQ(RpmToX(12500, kPrintFrame), 8192);  // 8192.5 rounds to even
  EXPECT_EQ(AngleToY(0, kPrintFrame), 6965);
  EXPECT_EQ(AngleToY(60, kPrintFrame), 6965 - 12 * 345);
  EXPECT_EQ(AngleToY(240, kPrintFrame), 1100);
}

}  // namespace
}  // namespace curvedesk
