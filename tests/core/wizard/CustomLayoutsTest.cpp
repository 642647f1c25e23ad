#include <gtest/gtest.h>

#include "core/wizard/CustomLayouts.h"

namespace curvedesk {
namespace {

const std::vector<std::string> kCamLayouts = {
    "H-D (Dual Fire)",         "H-D (Single Fire)",           "2 Cyl. Cam 50\u00B0 (2 Coil)",
    "2 Cyl. Cam 72\u00B0 (2 Coil)", "2 Cyl. Cam 90\u00B0 (2 Coil)", "2 Cyl. Cam 180\u00B0 (2 Coil)"};
const std::vector<std::string> kCrankLayouts = {"2 Cyl. Crank 80\u00B0 (2 Coil)", "2 Cyl. Crank 90\u00B0 (2 Coil)"};
const std::vector<std::string> kDualFireOnly = {"H-D (Dual Fire)"};

struct LayoutCase {
  const char* ignition;
  int rotorPos;
  Edition edition;
  const std::vector<std::string>* expected;
};

TEST(CustomLayouts, DependOnIgnitionRotorAndEdition) {
  const LayoutCase cases[] = {
      {"Korvane Tarvo GT-1", kRotorCam, Edition::Full, &kDualFireOnly},
      {"Korvane Tarvo GT-1", kRotorCrank, Edition::Full, &kDualFireOnly},
      {"Korvane Tarvo GT-1", kRotorCrank, Edition::Compact, &kDualFireOnly},
      {"Full Featured", kRotorCam, Edition::Full, &kCamLayouts},
      {"Full Featured", kRotorCrank, Edition::Full, &kCrankLayouts},
      {"Full Featured", -1, Edition::Full, &kCamLayouts},
      {"Full Featured", kRotorCam, Edition::Compact, &kCamLayouts},
      // The compact edition has no crank layouts: a crank-mounted rotor still gets the cam names.
      {"Full Featured", kRotorCrank, Edition::Compact, &kCamLayouts},
      {"korvane tarvo gt-1", kRotorCam, Edition::Full, &kCamLayouts},
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(std::string(c.ignition) + " rotor " + std::to_string(c.rotorPos) +
                 (c.edition == Edition::Full ? " full" : " compact"));
    EXPECT_EQ(CustomLayoutsFor(c.ignition, c.rotorPos, c.edition), *c.expected);
  }
}

TEST(CustomLayouts, PreferredEntry) {
  EXPECT_EQ(PreferredCustomLayout("Korvane Tarvo GT-1"), 0);
  EXPECT_EQ(PreferredCustomLayout("Compact"), 1);
}

}  // namespace
}  // namespace curvedesk
