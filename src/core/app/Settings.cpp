#include "core/app/Settings.h"

#include <cstdint>
#include <string>

#include "core/common/AppError.h"

namespace curvedesk {

namespace {

// Reads a string value; a missing one is created with registryDefault and answers memoryDefault.
std::string ReadString(RegistryStore& store, const std::string& name, const std::string& registryDefault,
                       const std::string& memoryDefault) {
  try {
    return RegGetString(store, kSettingsKey, name);
  } catch (const AppError& error) {
    if (error.Number() != ErrRegistryMissing) throw;
  }
  RegSetString(store, kSettingsKey, name, registryDefault);
  return memoryDefault;
}

std::int32_t ReadDword(RegistryStore& store, const std::string& name, std::int32_t fallback) {
  try {
    return RegGetDword(store, kSettingsKey, name);
  } catch (const AppError& error) {
    if (error.Number() != ErrRegistryMissing) throw;
  }
  RegSetDword(store, kSettingsKey, name, fallback);
  return fallback;
}

constexpr const char* kLastFileNames[] = {"LastFileA", "LastFileB", "LastFileC", "LastFileD"};

void Load(RegistryStore& store, const AppFolders& folders, AppSettings& settings) {
  RegCreateKeyPath(store, kSettingsKey);

  settings.s2gAppDir = folders.dataDir;
  RegSetString(store, kSettingsKey, "s2gAppDir", settings.s2gAppDir);
  RegSetString(store, kSettingsKey, "Password", std::string(kServicePassword));
  settings.CompanyWebPage = kCompanyWebPage;
  RegSetString(store, kSettingsKey, "CompanyWebPage", settings.CompanyWebPage);
  settings.ComSettings = kComSettings;
  RegSetString(store, kSettingsKey, "ComSettings", settings.ComSettings);

  for (std::size_t slot = 0; slot < settings.LastFiles.size(); ++slot)
    settings.LastFiles[slot] = ReadString(store, kLastFileNames[slot], {}, {});
  settings.LastFileOrder = ReadString(store, "LastFileOrder", {}, {});
  settings.ComPort = ReadDword(store, "ComPort", 1);
  settings.ComPortsList = ReadString(store, "ComPortsList", {}, {});
  settings.MainTop = ReadDword(store, "MainTop", 1000);
  settings.MainLeft = ReadDword(store, "MainLeft", 1000);
  settings.DefCurveFilePath = ReadString(store, "DefCurveFilePath", {}, DefaultCurveFolder(folders));
  settings.DefFirmwareFilePath = ReadString(store, "DefFirmwareFilePath", {}, DefaultFirmwareFolder(folders));
  settings.VerifyAfterWrite = ReadDword(store, "VerifyAfterWrite", 1) != 0;
  settings.NodeTableVisible = ReadDword(store, "NodeTableVisible", 0) != 0;
}

void Save(RegistryStore& store, const AppSettings& settings) {
  for (std::size_t slot = 0; slot < settings.LastFiles.size(); ++slot)
    RegSetString(store, kSettingsKey, kLastFileNames[slot], settings.LastFiles[slot]);
  RegSetString(store, kSettingsKey, "LastFileOrder", settings.LastFileOrder);
  RegSetString(store, kSettingsKey, "ComPortsList", settings.ComPortsList);
  RegSetString(store, kSettingsKey, "DefCurveFilePath", settings.DefCurveFilePath);
  RegSetString(store, kSettingsKey, "DefFirmwareFilePath", settings.DefFirmwareFilePath);
  RegSetDword(store, kSettingsKey, "ComPort", settings.ComPort);
  RegSetDword(store, kSettingsKey, "MainTop", settings.MainTop);
  RegSetDword(store, kSettingsKey, "MainLeft", settings.MainLeft);
  RegSetDword(store, kSettingsKey, "VerifyAfterWrite", settings.VerifyAfterWrite ? 1 : 0);
  RegSetDword(store, kSettingsKey, "NodeTableVisible", settings.NodeTableVisible ? 1 : 0);
}

}  // namespace

void LoadSettings(RegistryStore& store, const AppFolders& folders, AppSettings& settings) {
  try {
    Load(store, folders, settings);
  } catch (const AppError& error) {
    RaiseWithMessage(error);
  }
}

void SaveSettings(RegistryStore& store, const AppSettings& settings) {
  try {
    Save(store, settings);
  } catch (const AppError& error) {
    RaiseWithMessage(error);
  }
}

}  // namespace curvedesk
