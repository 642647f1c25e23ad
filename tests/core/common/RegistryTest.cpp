#include <gtest/gtest.h>

#include <functional>

#include "core/common/AppError.h"
#include "core/common/MemoryRegistryStore.h"
#include "core/common/Registry.h"

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

TEST(SplitRegistryPath, CutsAtTheFirstBackslash) {
  auto path = SplitRegistryPath(kKey);
  EXPECT_EQ(path.rootName, "HKEY_CURRENT_USER");
  EXPECT_EQ(path.subKey, "Software\\Korvane\\Tarvo\\1.0\\Vista");
  auto rootOnly = SplitRegistryPath("HKEY_USERS");
  EXPECT_EQ(rootOnly.rootName, "HKEY_USERS");
  EXPECT_EQ(rootOnly.subKey, "");
}

TEST(RootKeyFromName, KnowsTheSevenRootsAndNothingElse) {
  EXPECT_EQ(RootKeyFromName("HKEY_CLASSES_ROOT"), RootKey::ClassesRoot);
  EXPECT_EQ(RootKeyFromName("HKEY_CURRENT_USER"), RootKey::CurrentUser);
  EXPECT_EQ(RootKeyFromName("HKEY_LOCAL_MACHINE"), RootKey::LocalMachine);
  EXPECT_EQ(RootKeyFromName("HKEY_USERS"), RootKey::Users);
  EXPECT_EQ(RootKeyFromName("HKEY_PERFORMANCE_DATA"), RootKey::PerformanceData);
  EXPECT_EQ(RootKeyFromName("HKEY_CURRENT_CONFIG"), RootKey::CurrentConfig);
  EXPECT_EQ(RootKeyFromName("HKEY_DYN_DATA"), RootKey::DynData);
  EXPECT_EQ(RootKeyFromName("hkey_current_user"), RootKey::None);
  EXPECT_EQ(RootKeyFromName("HKCU"), RootKey::None);
}

TEST(MapRegistryError, FollowsTheStatusTable) {
  const std::pair<long, ErrorNumber> cases[] = {
      {2, ErrRegistryMissing},  {1010, ErrRegistryMissing}, {4, ErrRegistryDenied},    {5, ErrRegistryDenied},
      {1011, ErrRegistryDenied}, {1012, ErrRegistryDenied}, {1013, ErrRegistryDenied}, {8, 14},
      {14, 14},                 {1009, ErrRegistryCorrupt}, {1015, ErrRegistryCorrupt}, {6, ErrGeneric},
      {87, ErrGeneric},
  };
  for (auto [status, expected] : cases) EXPECT_EQ(MapRegistryError(status), expected) << status;
}

class RegistryOperations : public ::testing::Test {
 protected:
  void SetUp() override { RegCreateKeyPath(store, kKey); }
  MemoryRegistryStore store;
};

TEST_F(RegistryOperations, ValuesKeepTheirKinds) {
  RegSetDword(store, kKey, "ComPort", 3);
  RegSetString(store, kKey, "LastFileA", "C:\\curves\\a.crv");
  EXPECT_EQ(RegGetDword(store, kKey, "ComPort"), 3);
  EXPECT_EQ(RegGetString(store, kKey, "LastFileA"), "C:\\curves\\a.crv");
  EXPECT_EQ(store.Peek(RootKey::CurrentUser, "Software\\Korvane\\Tarvo\\1.0\\Vista", "comport")->kind,
            MemoryRegistryStore::Kind::Dword);
  EXPECT_EQ(ErrorOf([&] { RegGetString(store, kKey, "ComPort"); }), ErrGeneric);
}

TEST_F(RegistryOperations, StringsAreTrimmedAndEmptyStaysEmpty) {
  RegSetString(store, kKey, "Padded", "  text  ");
  RegSetString(store, kKey, "Empty", "");
  EXPECT_EQ(RegGetString(store, kKey, "Padded"), "text");
  EXPECT_EQ(RegGetString(store, kKey, "Empty"), "");
}

TEST_F(RegistryOperations, NegativeDwordsRoundTrip) {
  RegSetDword(store, kKey, "MainTop", -120);
  EXPECT_EQ(RegGetDword(store, kKey, "MainTop"), -120);
}

TEST_F(RegistryOperations, FailuresBecomeProgramErrors) {
  EXPECT_EQ(ErrorOf([&] { RegGetDword(store, kKey, "Missing"); }), ErrRegistryMissing);
  EXPECT_EQ(ErrorOf([&] { RegGetString(store, "HKEY_CURRENT_USER\\Software\\Nothing", "X"); }), ErrRegistryMissing);
  EXPECT_EQ(ErrorOf([&] { RegSetDword(store, "HKCU\\Software", "X", 1); }), ErrGeneric);

  store.FailValue("ComPort", 5);
  EXPECT_EQ(ErrorOf([&] { RegSetDword(store, kKey, "ComPort", 1); }), ErrRegistryDenied);
  store.FailAll(1015);
  EXPECT_EQ(ErrorOf([&] { RegCreateKeyPath(store, kKey); }), ErrRegistryCorrupt);
}

}  // namespace
}  // namespace curvedesk
