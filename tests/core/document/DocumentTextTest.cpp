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

TEST(DocumentTextTest, ADistributorOffersOnlyTheThreeOhmCoil) {
  EXPECT_EQ(CoilTypesOffered("Distrib."), (std::vector<std::string>{"3 Ohm Primary Coil"}));
  EXPECT_EQ(CoilTypesOffered("Coil"), (std::vector<std::string>{"KX-1", "RW-1", "KX-2", "3 Ohm Primary Coil", "ZNQ",
                                                                "Hex Stack"}));
}

TEST(DocumentTextTest, CustomLayoutNamesMatchExactly) {
  EXPECT_TRUE(IsCustomCylinderLayout("H-D (Dual Fire)"));
  EXPECT_TRUE(IsCustomCylinderLayout("2 Cyl. Cam 50\u00B0 (2 Coil)"));
  EXPECT_FALSE(IsCustomCylinderLayout("h-d (dual fire)"));
  EXPECT_FALSE(IsCustomCylinderLayout("4"));
}

}  // namespace
}  // namespace curvedesk
