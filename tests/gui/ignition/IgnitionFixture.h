#pragma once

#include <QTimer>
#include <filesystem>
#include <memory>

#include "core/app/Settings.h"
#include "core/common/MemoryRegistryStore.h"
#include "core/ignition/SerialPortSettings.h"
#include "core/ignition/TimingTableFiles.h"
#include "emulator/PtyBoard.h"
#include "gui/ignition/BoardSession.h"
#include "gui/ignition/IgnitionCommands.h"
#include "gui/ignition/ModalScript.h"
#include "gui/platform/QtSerialLink.h"
#include "gui/ui/MainWindowFixture.h"

namespace curvedesk::testing {

using namespace std::chrono_literals;
using board::BoardMemory;

// The protocol's waits, shortened so that a silent board fails in about half a second, with room
// for a loaded machine (a sanitizer build beside other tests) to answer late.
inline constexpr ProtocolTimings kTestTimings{.identifyWait = 150ms,
                                              .identifyAttempts = 3,
                                              .readySilence = 1000ms,
                                              .endRecordWait = 1000ms,
                                              .wordReadLimit = 300ms};

// The main window with its ignition commands, speaking through the program's serial link to the
// emulated board on a pseudo-terminal at 19200 baud. The serial port is configured unless a test
// takes that back.
class IgnitionFixture : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    std::filesystem::copy_file(std::string(CURVEDESK_SOURCE_DATA_DIR) + "/tables.ini",
                               context.folders.dataDir + "/tables.ini");
    InstallDefaultTimingTables(context.folders);
    context.settings.ComSettings = "19200,n,8,1";
    pty.Start();
    context.settings.ComPort = 1;
    context.settings.ComDevice = pty.DevicePath();
    SaveSerialPortChoice(store, kSettingsKey, 1, pty.DevicePath(), pty.DevicePath());
    commands = std::make_unique<IgnitionCommands>(context, store, prompter, dialogs, session, window.get());
    commands->SetPortDetector([this] { return std::vector<PortEntry>{{pty.DevicePath(), pty.DevicePath()}}; });
    window->SetIgnitionCommands(*commands);
  }

  void WithMemory(const std::function<void(BoardMemory&)>& change) {
    pty.WithBoard([&](board::BoardModel& model) { change(model.Memory()); });
  }
  std::uint8_t Plain(std::uint16_t address) {
    std::uint8_t value = 0;
    WithMemory([&](BoardMemory& memory) { value = memory.Get(BoardMemory::kPlain, address); });
    return value;
  }
  std::uint8_t Star(std::uint16_t address) {
    std::uint8_t value = 0;
    WithMemory([&](BoardMemory& memory) { value = memory.Get(BoardMemory::kStar, address); });
    return value;
  }
  void SetBoardOptions(const std::function<void(board::BoardOptions&)>& change) {
    pty.WithBoard([&](board::BoardModel& model) { change(model.Options()); });
  }

  board::BoardModel board;
  board::PtyBoard pty{board, 19200};
  QtSerialLink link{[this] {
    return ConfiguredPortName(context.settings.ComPort, context.settings.ComDevice, PortNaming::DevicePaths);
  }};
  BoardSession session{link, "19200,n,8,1", kTestTimings};
  MemoryRegistryStore store;
  std::unique_ptr<IgnitionCommands> commands;
  ModalScript script;
};

}  // namespace curvedesk::testing
