#include <gtest/gtest.h>

#include <functional>

#include "core/app/Settings.h"
#include "core/common/AppError.h"
#include "core/common/ErrorMessages.h"
#include "core/common/MemoryRegistryStore.h"

namespace curvedesk {
namespace {

const std::string kSubKey = "Software\\Korvane\\Tarvo\\1.0\\Vista";

class SettingsTest : public ::testing::Test {
 protected:
  std::optional<MemoryRegistryStore::Value> Stored(const std::string& name) const {
    return store.Peek(RootKey::CurrentUser, kSubKey, name);
  }
  std::string StoredText(const std::string& name) const {
    auto value = Stored(name);
    EXPECT_TRUE(value && value->kind == MemoryRegistryStore::Kind::String) << name;
    return value ? value->text : std::string();
  }
  std::uint32_t StoredDword(const std::string& name) const {
    auto value = Stored(name);
    EXPECT_TRUE(value && value->kind == MemoryRegistryStore::Kind::Dword) << name;
    return value ? value->dword : 0u;
  }
  void Preset(const std::string& name, const std::string& text) {
    store.CreateKey(RootKey::CurrentUser, kSubKey);
    store.SetString(RootKey::CurrentUser, kSubKey, name, text);
  }
  void PresetDword(const std::string& name, std::uint32_t value) {
    store.CreateKey(RootKey::CurrentUser, kSubKey);
    store.SetDword(RootKey::CurrentUser, kSubKey, name, value);
  }
  AppError FailureOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const AppError& error) {
      return error;
    }
    ADD_FAILURE() << "no error raised";
    return AppError(0);
  }

  MemoryRegistryStore store;
  AppFolders folders{"/opt/curvedesk/share", "/home/me/Documents"};
  AppSettings settings;
};

TEST_F(SettingsTest, FirstStartCreatesEveryValueWithItsDefault) {
  LoadSettings(store, folders, settings);

  for (const char* name : {"LastFileA", "LastFileB", "LastFileC", "LastFileD", "LastFileOrder", "ComPortsList",
                           "DefCurveFilePath", "DefFirmwareFilePath"})
    EXPECT_EQ(StoredText(name), "") << name;
  EXPECT_EQ(StoredDword("ComPort"), 1u);
  EXPECT_EQ(StoredDword("MainTop"), 1000u);
  EXPECT_EQ(StoredDword("MainLeft"), 1000u);
  EXPECT_EQ(StoredDword("VerifyAfterWrite"), 1u);
  EXPECT_EQ(StoredDword("NodeTableVisible"), 0u);

  EXPECT_EQ(settings.ComPort, 1);
  EXPECT_EQ(settings.MainTop, 1000);
  EXPECT_EQ(settings.MainLeft, 1000);
  EXPECT_EQ(settings.LastFileOrder, "");
  EXPECT_EQ(settings.DefCurveFilePath, DefaultCurveFolder(folders));
  EXPECT_EQ(settings.DefFirmwareFilePath, DefaultFirmwareFolder(folders));
  EXPECT_TRUE(settings.VerifyAfterWrite);
  EXPECT_FALSE(settings.NodeTableVisible);
}

TEST_F(SettingsTest, StartUpValuesAreWrittenEveryTimeAndNeverRead) {
  Preset("s2gAppDir", "C:\\old");
  Preset("ComSettings", "9600,e,7,2");
  Preset("CompanyWebPage", "http://stale.example/");
  LoadSettings(store, folders, settings);

  EXPECT_EQ(StoredText("s2gAppDir"), folders.dataDir);
  EXPECT_EQ(StoredText("ComSettings"), "19200,n,8,1");
  EXPECT_EQ(StoredText("CompanyWebPage"), std::string(kCompanyWebPage));
  EXPECT_EQ(StoredText("Password").size(), 1u);
  EXPECT_EQ(settings.s2gAppDir, folders.dataDir);
  EXPECT_EQ(settings.ComSettings, "19200,n,8,1");
  EXPECT_EQ(settings.CompanyWebPage, std::string(kCompanyWebPage));
}

TEST_F(SettingsTest, StoredValuesWinOverDefaultsEvenWhenEmpty) {
  Preset("LastFileC", "/curves/c.crv");
  Preset("LastFileOrder", "CA");
  Preset("DefCurveFilePath", "");
  Preset("DefFirmwareFilePath", "/fw/");
  PresetDword("ComPort", 7);
  PresetDword("MainTop", static_cast<std::uint32_t>(-300));
  LoadSettings(store, folders, settings);

  EXPECT_EQ(settings.LastFiles[2], "/curves/c.crv");
  EXPECT_EQ(settings.LastFileOrder, "CA");
  EXPECT_EQ(settings.DefCurveFilePath, "");
  EXPECT_EQ(settings.DefFirmwareFilePath, "/fw/");
  EXPECT_EQ(settings.ComPort, 7);
  EXPECT_EQ(settings.MainTop, -300);
  EXPECT_EQ(settings.MainLeft, 1000);
}

TEST_F(SettingsTest, SaveThenLoadGivesBackEveryRememberedValue) {
  AppSettings saved;
  saved.LastFiles = {"/a.crv", "/b b.crv", "", "/d.crv"};
  saved.LastFileOrder = "DAB";
  saved.ComPort = 3;
  saved.ComPortsList = "1,3";
  saved.MainTop = 1440;
  saved.MainLeft = -60;
  saved.DefCurveFilePath = "/curves/";
  saved.DefFirmwareFilePath = "/firmware/";
  saved.VerifyAfterWrite = false;
  saved.NodeTableVisible = true;
  RegCreateKeyPath(store, kSettingsKey);
  SaveSettings(store, saved);
  EXPECT_EQ(StoredDword("MainLeft"), static_cast<std::uint32_t>(-60));
  EXPECT_EQ(StoredDword("VerifyAfterWrite"), 0u);

  LoadSettings(store, folders, settings);
  EXPECT_EQ(settings.LastFiles, saved.LastFiles);
  EXPECT_EQ(settings.LastFileOrder, saved.LastFileOrder);
  EXPECT_EQ(settings.ComPort, saved.ComPort);
  EXPECT_EQ(settings.ComPortsList, saved.ComPortsList);
  EXPECT_EQ(settings.MainTop, saved.MainTop);
  EXPECT_EQ(settings.MainLeft, saved.MainLeft);
  EXPECT_EQ(settings.DefCurveFilePath, saved.DefCurveFilePath);
  EXPECT_EQ(settings.DefFirmwareFilePath, saved.DefFirmwareFilePath);
  EXPECT_FALSE(settings.VerifyAfterWrite);
  EXPECT_TRUE(settings.NodeTableVisible);
}

TEST_F(SettingsTest, FailuresAreRaisedAgainWithTheirMessage) {
  struct Case {
    const char* what;
    std::function<void(MemoryRegistryStore&)> breakStore;
    bool saving;
    ErrorNumber expected;
  };
  const Case cases[] = {
      {"key cannot be created", [](auto& s) { s.FailAll(win32::kAccessDenied); }, false, ErrRegistryDenied},
      {"start-up value cannot be written", [](auto& s) { s.FailValue("ComSettings", win32::kCannotWrite); }, false,
       ErrRegistryDenied},
      {"corrupt value", [](auto& s) { s.FailValue("ComPort", win32::kRegistryCorrupt); }, false, ErrRegistryCorrupt},
      {"value of the wrong kind", [](auto& s) { s.FailValue("MainTop", win32::kInvalidData); }, false, ErrGeneric},
      {"default cannot be written", [](auto& s) { s.FailValue("LastFileOrder", win32::kOutOfMemory); }, false,
       ErrOutOfMemory},
      {"save denied", [](auto& s) { s.FailValue("ComPortsList", win32::kAccessDenied); }, true, ErrRegistryDenied},
  };
  for (const Case& c : cases) {
    MemoryRegistryStore fresh;
    store = fresh;
    RegCreateKeyPath(store, kSettingsKey);
    c.breakStore(store);
    const AppError error = FailureOf([&] {
      if (c.saving)
        SaveSettings(store, settings);
      else
        LoadSettings(store, folders, settings);
    });
    EXPECT_EQ(error.Number(), c.expected) << c.what;
    EXPECT_EQ(error.Description(), GetErrorMessage(c.expected)) << c.what;
  }
}

TEST_F(SettingsTest, AFailedReadStopsTheLoadBeforeTheLaterValues) {
  RegCreateKeyPath(store, kSettingsKey);
  store.FailValue("ComPort", win32::kBadDatabase);
  FailureOf([&] { LoadSettings(store, folders, settings); });
  EXPECT_TRUE(Stored("LastFileOrder"));
  EXPECT_FALSE(Stored("MainTop"));
  EXPECT_FALSE(Stored("DefCurveFilePath"));
}

TEST_F(SettingsTest, AFailedSaveStopsAtTheFirstError) {
  RegCreateKeyPath(store, kSettingsKey);
  settings.MainTop = 5;
  store.FailValue("DefCurveFilePath", win32::kAccessDenied);
  FailureOf([&] { SaveSettings(store, settings); });
  EXPECT_TRUE(Stored("ComPortsList"));
  EXPECT_FALSE(Stored("MainTop"));
}

}  // namespace
}  // namespace curvedesk
