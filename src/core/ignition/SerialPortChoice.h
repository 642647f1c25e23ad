#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/ignition/PortDetection.h"
#include "core/ignition/SerialPortSettings.h"

namespace curvedesk {

// The rules of the serial port dialog, apart from its window.

// The entries of ComPortsList ("COM1,COM3" or device paths), empty ones left out.
std::vector<std::string> SplitPortsList(const std::string& list);

// The entry the dialog selects on load: the configured port's entry, else the first; nothing for
// an empty list.
std::optional<std::size_t> ConfiguredEntry(const std::vector<std::string>& entries, std::int32_t comPort,
                                           const std::string& comDevice, PortNaming naming);

// The port a text of the list's field stands for: the entry whose label or port it is, else the
// text itself (a typed port), blanks trimmed.
std::string PortOfEntryText(const std::string& text, const std::vector<PortEntry>& entries);

// The port settings an entry stands for. Where ports are numbered, "COM10" is port 10; where they
// are device paths, the path is the device and ComPort its 1-based position in the list (a typed
// path that is not in the list is added at its end). An empty entry is "no port" (ComPort 0).
struct PortChoice {
  std::int32_t comPort = 0;
  std::string comDevice;
  std::string comPortsList;
};
// Raises ErrGeneric with kPortEntryMessage for a typed numbered port that is not "COM" + 1..255.
PortChoice ChoosePort(const std::string& entry, const std::string& comPortsList, PortNaming naming);

inline constexpr const char* kPortEntryMessage =
    "Choose a port from the list or type one as COM and its number, for example COM3.";

// How this system names its serial ports.
PortNaming SystemPortNaming();

}  // namespace curvedesk
