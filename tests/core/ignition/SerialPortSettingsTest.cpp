#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "core/common/AppError.h"
#include "core/common/MemoryRegistryStore.h"
#include "core/ignition/ComSettings.h"
#include "core/ignition/PortDetection.h"
#include "core/ignition/SerialErrors.h"
#include "core/ignition/SerialPortSettings.h"

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

TEST(ComSettings, ReadsTheLineSettingsString) {
  const LineSettings standard = ParseComSettings("19200,n,8,1");
  EXPECT_EQ(standard.baud, 19200);
  EXPECT_EQ(standard.parity, 'n');
  EXPECT_EQ(standard.dataBits, 8);
  EXPECT_EQ(standard.stopBits, 1);
  const LineSettings other = ParseComSettings("9600, E ,7,1.5");
  EXPECT_EQ(other.parity, 'e');
  EXPECT_EQ(other.dataBits, 7);
  EXPECT_EQ(other.stopBits, 1.5);

  for (const char* bad : {"", "19200", "19200,n,8", "19200,n,8,1,1", "fast,n,8,1", "0,n,8,1", "19200,x,8,1",
                          "19200,n,9,1", "19200,n,8,3", "19200,no,8,1"})
    EXPECT_EQ(ErrorOf([&] { ParseComSettings(bad); }), ErrSerialSettings) << bad;
}

TEST(PortDetection, ProbesComOneToSixteen) {
  const std::set<int> present = {1, 3, 10, 17};
  std::set<int> probed;
  const std::string list = ListComPorts([&](int n) {
    probed.insert(n);
    return present.contains(n);
  });
  EXPECT_EQ(list, "COM1,COM3,COM10");
  EXPECT_EQ(*probed.rbegin(), 16);
  EXPECT_EQ(ListComPorts([](int) { return false; }), "");
}

TEST(PortDetection, ListsUsbAdaptersFirst) {
  EXPECT_EQ(JoinPorts(ListSerialDevices({{.path = "/dev/ttyS1"},
                                         {.path = "/dev/ttyUSB1", .usbAdapter = true},
                                         {.path = "/dev/ttyS0"},
                                         {.path = "/dev/ttyACM0", .usbAdapter = true}})),
            "/dev/ttyACM0,/dev/ttyUSB1,/dev/ttyS0,/dev/ttyS1");
  EXPECT_EQ(JoinPorts(ListSerialDevices({})), "");
}

TEST(PortDetection, AnAdapterKeepsItsStableNameAndIsShownWithWhatItSays) {
  const std::vector<PortEntry> entries =
      ListSerialDevices({{.path = "/dev/ttyS0"},
                         {.path = "/dev/ttyUSB0",
                          .usbAdapter = true,
                          .stablePath = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0",
                          .description = "FT232R USB UART",
                          .manufacturer = "FTDI"}});
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0], (PortEntry{"/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0",
                                   "/dev/ttyUSB0 \u2014 FT232R USB UART (FTDI)"}));
  EXPECT_EQ(entries[1], (PortEntry{"/dev/ttyS0", "/dev/ttyS0"}));

  const struct {
    const char* description;
    const char* manufacturer;
    const char* label;
  } labels[] = {
      {"FT232R USB UART", "FTDI", "/dev/ttyUSB0 \u2014 FT232R USB UART (FTDI)"},
      {"FTDI USB Serial", "FTDI", "/dev/ttyUSB0 \u2014 FTDI USB Serial"},  // the maker said once
      {"", "Prolific", "/dev/ttyUSB0 \u2014 Prolific"},
      {"USB Serial", "", "/dev/ttyUSB0 \u2014 USB Serial"},
      {"", "", "/dev/ttyUSB0"},
  };
  for (const auto& c : labels) EXPECT_EQ(PortLabel("/dev/ttyUSB0", c.description, c.manufacturer), c.label);
}

TEST(PortDetection, TheStoredListIsLabelledFromThePortsPresent) {
  const std::vector<PortEntry> present{{"/dev/ttyUSB0", "/dev/ttyUSB0 \u2014 USB Serial"}};
  EXPECT_EQ(EntriesOfList("/dev/ttyS0,/dev/ttyUSB0", present),
            (std::vector<PortEntry>{{"/dev/ttyS0", "/dev/ttyS0"}, present[0]}));
  EXPECT_EQ(JoinPorts(EntriesOfList("COM1,COM3", {})), "COM1,COM3");
}

TEST(SerialPortSettings, NamesTheConfiguredPort) {
  EXPECT_EQ(ConfiguredPortName(3, "", PortNaming::Numbered), "COM3");
  EXPECT_EQ(ConfiguredPortName(10, "/dev/ttyUSB0", PortNaming::Numbered), "COM10");
  EXPECT_EQ(ConfiguredPortName(1, "/dev/ttyUSB0", PortNaming::DevicePaths), "/dev/ttyUSB0");
  EXPECT_EQ(ConfiguredPortName(0, "/dev/ttyUSB0", PortNaming::DevicePaths), "");  // 0: no port
  EXPECT_EQ(ConfiguredPortName(0, "", PortNaming::Numbered), "");
  EXPECT_EQ(ConfiguredPortName(1, "", PortNaming::DevicePaths), "");
}

TEST(SerialPortSettings, KeepsTheChoiceBesideThePortNumber) {
  MemoryRegistryStore store;
  EXPECT_FALSE(IsProgramSerialSet(store, kKey));
  EXPECT_EQ(LoadComDevice(store, kKey), "");

  SaveSerialPortChoice(store, kKey, 2, "/dev/ttyUSB0,/dev/ttyS0", "/dev/ttyS0");
  EXPECT_TRUE(IsProgramSerialSet(store, kKey));
  EXPECT_EQ(LoadComDevice(store, kKey), "/dev/ttyS0");
  EXPECT_EQ(RegGetDword(store, kKey, "ComPort"), 2);
  EXPECT_EQ(RegGetString(store, kKey, "ComPortsList"), "/dev/ttyUSB0,/dev/ttyS0");

  store.FailValue(kComDeviceValue, win32::kAccessDenied);
  EXPECT_EQ(ErrorOf([&] { LoadComDevice(store, kKey); }), ErrRegistryDenied);
}

}  // namespace
}  // namespace curvedesk
