#include <gtest/gtest.h>

#include "core/document/DocumentText.h"
#include "core/document/FieldRules.h"
#include "core/document/GraphClipboard.h"

namespace curvedesk {
namespace {

TEST(DocumentTextTest, TitleNamesTheFileAndMarksChangesOnce) {
  struct Case {
    std::string fileName;
    bool modified;
    std::string title;
  };
  const Case cases[] = {
      {"", false, "App - [New]"},
      {"", true, "App - [New]*"},
      {"/home/me/curves/race.crv", false, "App - [race.crv]"},
      {"/home/me/curves/race.crv", true, "App - [race.crv]*"},
  };
  for (const Case& c : cases) EXPECT_EQ(DocumentTitle("App", c.fileName, c.modified), c.title);
}

TEST(DocumentTextTest, SaveQuestionNamesTheFileOrOffersSavingFirst) {
  EXPECT_EQ(SaveChangesQuestion("/c/race.crv"),
            "The current data contains changes that have not been saved.\r\n\r\nSave changes to file /c/race.crv?");
  EXPECT_EQ(SaveChangesQuestion(""),
            "The current data contains changes that have not been saved.\r\n\r\nDo you want to save the changes first?");
}

TEST(DocumentTextTest, PastingKeepsTheTargetsNote) {
  SensorStateGraph target = MakeDefaultGraph();
  target.GraphInfo = "street";
  SensorStateGraph copy = MakeDefaultGraph();
  copy.GraphInfo = "race";
  copy.RevLimit = 9000;
  copy.NumSparks = 1;
  copy.RPM[3] = 1750;
  PasteGraph(target, copy);
  EXPECT_EQ(target.GraphInfo, "street");
  copy.GraphInfo = "street";
  EXPECT_EQ(target, copy);
}

TEST(DocumentTextTest, SwitchStartMustStayBelowStopWhenBothAreSet) {
  EXPECT_TRUE(RpmSwitchOrderHolds(1000, 1050));
  EXPECT_FALSE(RpmSwitchOrderHolds(1000, 1000));
  EXPECT_FALSE(RpmSwitchOrderHolds(2000, 1000));
  EXPECT_TRUE(RpmSwitchOrderHolds(-1, 1000));
  EXPECT_TRUE(RpmSwitchOrderHolds(2000, -1));
}

TEST(DocumentTextTest, EachEditionOffersItsCoilsAndADistributorOnlyTheThreeOhmCoil) {
  using Coils = std::vector<std::string>;
  const struct {
    Edition edition;
    const char* sparkDist;
    Coils offered;
  } cases[] = {
      {Edition::Full, "Coil", {"KX-1", "RW-1", "KX-2", "3 Ohm Primary Coil", "ZNQ", "Hex Stack"}},
      {Edition::Full, "Distrib.", {"3 Ohm Primary Coil"}},
      {Edition::Compact, "Coil", {"KX-1", "KX-2", "3 Ohm Primary Coil", "ZNQ", "Quad Stack"}},
      {Edition::Compact, "Distrib.", {"3 Ohm Primary Coil"}},
  };
  for (const auto& c : cases) EXPECT_EQ(CoilTypesOffered(c.sparkDist, c.edition), c.offered) << c.sparkDist;
}

TEST(DocumentTextTest, CustomLayoutNamesMatchExactly) {
  EXPECT_TRUE(IsCustomCylinderLayout("H-D (Dual Fire)"));
  EXPECT_TRUE(IsCustomCylinderLayout("2 Cyl. Cam 50\u00B0 (2 Coil)"));
  EXPECT_FALSE(IsCustomCylinderLayout("h-d (dual fire)"));
  EXPECT_FALSE(IsCustomCylinderLayout("4"));
}

}  // namespace
}  // namespace curvedesk
