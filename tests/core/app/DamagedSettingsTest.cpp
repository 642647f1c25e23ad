#include <gtest/gtest.h>

#include "core/app/DamagedSettings.h"
#include "core/app/Settings.h"
#include "core/common/MemoryRegistryStore.h"
#include "support/ErrorOf.h"
#include "support/graph/RecordingPrompter.h"

namespace curvedesk {
namespace {

using testing::ErrorOf;
using testing::RecordingPrompter;

TEST(DamagedSettings, TheCopyIsNamedWithTheDate) {
  EXPECT_EQ(DamagedSettingsCopyName("settings.reg", "2025-01-31", 1), "settings-damaged-2025-01-31.reg");
  EXPECT_EQ(DamagedSettingsCopyName("settings.reg", "2025-01-31", 2), "settings-damaged-2025-01-31-2.reg");
  EXPECT_EQ(DamagedSettingsCopyName("settings", "2025-01-31", 1), "settings-damaged-2025-01-31");
}

// A settings file that is damaged until it is set aside; then the settings start empty.
class DamagedFileStore : public MemoryRegistryStore {
 public:
  DamagedFileStore() { FailAll(win32::kRegistryCorrupt); }
  std::optional<std::string> SetAsideDamagedStore() override {
    ++setAside;
    FailAll(win32::kSuccess);
    return "/home/me/.config/curvedesk/settings-damaged-2025-01-31.reg";
  }
  int setAside = 0;
};

TEST(DamagedSettings, ADamagedFileIsSetAsideTheUserToldOnceAndTheSettingsStartFromTheirDefaults) {
  DamagedFileStore store;
  RecordingPrompter prompter;
  AppSettings settings;
  settings.ComPort = 7;
  RecoverFromDamagedSettings(store, prompter, [&] { LoadSettings(store, {"/data", "/docs"}, settings); });

  EXPECT_EQ(store.setAside, 1);
  EXPECT_EQ(settings.ComPort, 1);
  EXPECT_EQ(settings.MainTop, 1000);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].title, "Settings");
  EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Warning);
  EXPECT_EQ(prompter.messages[0].text,
            DamagedSettingsMessage("/home/me/.config/curvedesk/settings-damaged-2025-01-31.reg"));
  EXPECT_NE(prompter.messages[0].text.find("\r\n/home/me/.config/curvedesk/settings-damaged-2025-01-31.reg\r\n"),
            std::string::npos);
  EXPECT_NE(prompter.messages[0].text.find("start again from their defaults"), std::string::npos);
}

TEST(DamagedSettings, ARegistryThatCannotBeSetAsideAndOtherFailuresAreRaisedAsBefore) {
  RecordingPrompter prompter;
  MemoryRegistryStore registry;  // the Windows registry: nothing to set aside
  registry.FailAll(win32::kRegistryCorrupt);
  EXPECT_EQ(ErrorOf([&] {
              RecoverFromDamagedSettings(registry, prompter, [&] { RegCreateKeyPath(registry, kSettingsKey); });
            }),
            ErrRegistryCorrupt);

  DamagedFileStore denied;
  denied.FailAll(win32::kAccessDenied);
  EXPECT_EQ(
      ErrorOf([&] { RecoverFromDamagedSettings(denied, prompter, [&] { RegCreateKeyPath(denied, kSettingsKey); }); }),
      ErrRegistryDenied);
  EXPECT_EQ(denied.setAside, 0);
  EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
}  // namespace curvedesk
