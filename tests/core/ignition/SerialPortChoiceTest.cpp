#include <gtest/gtest.h>

#include "core/ignition/SerialPortChoice.h"
#include "support/ErrorOf.h"

namespace curvedesk {
namespace {

using testing::ErrorOf;
using Entries = std::vector<std::string>;

TEST(SerialPortChoice, SplitsThePortsList) {
  EXPECT_EQ(SplitPortsList(""), Entries{});
  EXPECT_EQ(SplitPortsList("COM1,COM3"), (Entries{"COM1", "COM3"}));
  EXPECT_EQ(SplitPortsList(",COM3,, COM10 ,"), (Entries{"COM3", "COM10"}));
}

TEST(SerialPortChoice, SelectsTheConfiguredEntryElseTheFirst) {
  const Entries com{"COM1", "COM3", "COM10"};
  EXPECT_EQ(ConfiguredEntry(com, 10, "", PortNaming::Numbered), 2u);
  EXPECT_EQ(ConfiguredEntry(com, 4, "", PortNaming::Numbered), 0u);
  EXPECT_EQ(ConfiguredEntry({}, 1, "", PortNaming::Numbered), std::nullopt);
  const Entries paths{"/dev/ttyUSB0", "/dev/ttyS0"};
  EXPECT_EQ(ConfiguredEntry(paths, 2, "/dev/ttyS0", PortNaming::DevicePaths), 1u);
  EXPECT_EQ(ConfiguredEntry(paths, 0, "/dev/ttyS0", PortNaming::DevicePaths), 0u);  // no port configured
}

TEST(SerialPortChoice, NumberedEntriesGiveTheirPortNumber) {
  const struct {
    const char* entry;
    std::int32_t port;
  } cases[] = {{"COM1", 1}, {"COM10", 10}, {"com3", 3}, {" COM 7 ", 7}, {"COM255", 255}, {"", 0}};
  for (const auto& c : cases) {
    const PortChoice choice = ChoosePort(c.entry, "COM1,COM10", PortNaming::Numbered);
    EXPECT_EQ(choice.comPort, c.port) << c.entry;
    EXPECT_EQ(choice.comPortsList, "COM1,COM10") << "a typed port does not change the detected list";
  }
  for (const char* bad : {"COM", "COM0", "COM256", "COMX", "LPT1", "3", "COM1234"})
    EXPECT_EQ(ErrorOf([&] { ChoosePort(bad, "", PortNaming::Numbered); }), ErrGeneric) << bad;
}

TEST(SerialPortChoice, DevicePathsAreKeptWithTheirPositionInTheList) {
  const PortChoice listed = ChoosePort("/dev/ttyS0", "/dev/ttyUSB0,/dev/ttyS0", PortNaming::DevicePaths);
  EXPECT_EQ(listed.comPort, 2);
  EXPECT_EQ(listed.comDevice, "/dev/ttyS0");
  EXPECT_EQ(listed.comPortsList, "/dev/ttyUSB0,/dev/ttyS0");

  // A pseudo-terminal is never listed: typing it adds it, so the next visit offers it again.
  const PortChoice typed = ChoosePort(" /dev/pts/7 ", "/dev/ttyUSB0", PortNaming::DevicePaths);
  EXPECT_EQ(typed.comPort, 2);
  EXPECT_EQ(typed.comDevice, "/dev/pts/7");
  EXPECT_EQ(typed.comPortsList, "/dev/ttyUSB0,/dev/pts/7");
  EXPECT_EQ(ConfiguredPortName(typed.comPort, typed.comDevice, PortNaming::DevicePaths), "/dev/pts/7");

  const PortChoice none = ChoosePort("", "", PortNaming::DevicePaths);
  EXPECT_EQ(none.comPort, 0);
  EXPECT_EQ(ConfiguredPortName(none.comPort, none.comDevice, PortNaming::DevicePaths), "");
}

TEST(SerialPortChoice, TheFieldStandsForTheEntryItShowsOrForWhatWasTyped) {
  const std::vector<PortEntry> entries{
      {"/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", "/dev/ttyUSB0 \u2014 FT232R USB UART (FTDI)"},
      {"/dev/ttyS0", "/dev/ttyS0"}};
  EXPECT_EQ(PortOfEntryText("/dev/ttyUSB0 \u2014 FT232R USB UART (FTDI)", entries), entries[0].port);
  EXPECT_EQ(PortOfEntryText(entries[0].port, entries), entries[0].port);
  EXPECT_EQ(PortOfEntryText(" /dev/pts/3 ", entries), "/dev/pts/3");
  EXPECT_EQ(PortOfEntryText("", entries), "");
}

}  // namespace
}  // namespace curvedesk
