#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <filesystem>
#include <functional>

#include "core/common/AppError.h"
#include "core/common/Registry.h"
#include "gui/platform/QtRegistryStore.h"
#include "support/TempDir.h"

namespace curvedesk {
namespace {

constexpr const char* kKey = "HKEY_CURRENT_USER\\Software\\Korvane\\Tarvo\\1.0\\Vista";

ErrorNumber ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const AppError& error) {
    return error.Number();
  }
  return 0;
}

class QtRegistryStoreTest : public ::testing::Test {
 protected:
  testing::TempDir dir;
  QString file = QString::fromStdString(dir.File("config/settings.reg"));
};

TEST_F(QtRegistryStoreTest, ValuesSurviveANewStoreAndKeepTheirKinds) {
  {
    QtRegistryStore store(file);
    RegCreateKeyPath(store, kKey);
    RegSetDword(store, kKey, "ComPort", 4);
    RegSetDword(store, kKey, "MainTop", -30);
    RegSetString(store, kKey, "LastFileA", "/home/me/\"quoted\" \\ name\u00B0.crv");
    RegSetString(store, kKey, "ComPortsList", "");
    RegSetString(store, kKey, "Number", "1");
  }
  QtRegistryStore again(file);
  EXPECT_EQ(RegGetDword(again, kKey, "comport"), 4);
  EXPECT_EQ(RegGetDword(again, kKey, "MainTop"), -30);
  EXPECT_EQ(RegGetString(again, kKey, "LastFileA"), "/home/me/\"quoted\" \\ name\u00B0.crv");
  EXPECT_EQ(RegGetString(again, kKey, "ComPortsList"), "");
  EXPECT_EQ(RegGetString(again, kKey, "Number"), "1");
  EXPECT_EQ(ErrorOf([&] { RegGetDword(again, kKey, "Number"); }), ErrGeneric);
}

TEST_F(QtRegistryStoreTest, MissingValueIsErrRegistryMissing) {
  QtRegistryStore store(file);
  RegCreateKeyPath(store, kKey);
  EXPECT_EQ(ErrorOf([&] { RegGetString(store, kKey, "LastFileA"); }), ErrRegistryMissing);
}

TEST_F(QtRegistryStoreTest, CorruptFileIsErrRegistryCorrupt) {
  std::filesystem::create_directories(dir.Path() / "config");
  dir.Write("config/settings.reg", "[Software\\Korvane]\n\"ComPort\"=dword:zz\n");
  QtRegistryStore store(file);
  EXPECT_EQ(ErrorOf([&] { RegGetDword(store, kKey, "ComPort"); }), ErrRegistryCorrupt);
}

TEST_F(QtRegistryStoreTest, ADamagedFileIsSetAsideWithTheDateAndTheSettingsStartAfresh) {
  std::filesystem::create_directories(dir.Path() / "config");
  const std::string damaged = "[Software\\Korvane]\n\"ComPort\"=dword:zz\n";
  const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
  QtRegistryStore store(file);

  for (const std::string& copy : {"settings-damaged-" + today + ".reg", "settings-damaged-" + today + "-2.reg"}) {
    dir.Write("config/settings.reg", damaged);
    EXPECT_EQ(store.SetAsideDamagedStore(), dir.File("config/" + copy));
    EXPECT_EQ(testing::ReadAll(dir.File("config/" + copy)), damaged) << "the damaged copy is kept as it was";
    EXPECT_FALSE(std::filesystem::exists(dir.File("config/settings.reg")));
    RegCreateKeyPath(store, kKey);
    RegSetDword(store, kKey, "ComPort", 3);
    EXPECT_EQ(RegGetDword(store, kKey, "ComPort"), 3);
  }

  // A file that reads well, or none at all, is not set aside.
  EXPECT_EQ(store.SetAsideDamagedStore(), std::nullopt);
  EXPECT_EQ(RegGetDword(store, kKey, "ComPort"), 3);
  std::filesystem::remove(dir.File("config/settings.reg"));
  EXPECT_EQ(store.SetAsideDamagedStore(), std::nullopt);
}

TEST_F(QtRegistryStoreTest, UnknownRootFails) {
  QtRegistryStore store(file);
  EXPECT_EQ(ErrorOf([&] { RegCreateKeyPath(store, "HKCU\\Software"); }), ErrGeneric);
}

}  // namespace
}  // namespace curvedesk
