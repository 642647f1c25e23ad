#include "core/ignition/SerialPortSettings.h"

#include "core/common/AppError.h"

namespace curvedesk {

namespace {
std::string StringOrEmpty(RegistryStore& store, std::string_view keyPath, const std::string& name) {
  try {
    return RegGetString(store, keyPath, name);
  } catch (const AppError& error) {
    if (error.Number() != ErrRegistryMissing) throw;
    return {};
  }
}
}  // namespace

std::string ConfiguredPortName(std::int32_t comPort, const std::string& comDevice, PortNaming naming) {
  if (comPort == 0) return {};
  return naming == PortNaming::Numbered ? "COM" + std::to_string(comPort) : comDevice;
}

std::string LoadComDevice(RegistryStore& store, std::string_view keyPath) {
  return StringOrEmpty(store, keyPath, kComDeviceValue);
}

bool IsProgramSerialSet(RegistryStore& store, std::string_view keyPath) {
  return StringOrEmpty(store, keyPath, "ProgramSerialSet") == "1";
}

void SaveSerialPortChoice(RegistryStore& store, std::string_view keyPath, std::int32_t comPort,
                          const std::string& comPortsList, const std::string& comDevice) {
  RegCreateKeyPath(store, keyPath);
  RegSetDword(store, keyPath, "ComPort", comPort);
  RegSetString(store, keyPath, "ComPortsList", comPortsList);
  RegSetString(store, keyPath, kComDeviceValue, comDevice);
  RegSetString(store, keyPath, "ProgramSerialSet", "1");
}

}  // namespace curvedesk
