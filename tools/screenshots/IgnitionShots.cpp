// The ignition windows, driven against the emulated board on a pseudo-terminal.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "Shots.h"
#include "core/common/MemoryRegistryStore.h"
#include "core/ignition/TimingTableFiles.h"
#include "emulator/PtyBoard.h"
#include "gui/ignition/BoardSession.h"
#include "gui/ignition/FormAbout.h"
#include "gui/ignition/FormCfgSerialPort.h"
#include "gui/ignition/FormChangeRevLimit.h"
#include "gui/ignition/FormCompareIgnition.h"
#include "gui/widgets/FormProgress.h"
#include "gui/ignition/FormScrollText.h"
#include "gui/ignition/IgnitionCommands.h"
#include "gui/platform/QtSerialLink.h"
#include "gui/ignition/ServiceForms.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/widgets/FormEnterText.h"
#include "gui/ui/FormMain.h"

namespace curvedesk::shots {

namespace {

// Answers OK to everything; while an error is up, `onError` may look at the windows.
class SilentPrompter : public Prompter {
 public:
  Answer Ask(const std::string& title, const std::string&, Icon, Buttons) override {
    if (title == "Error" && onError) onError();
    return Answer::Ok;
  }
  std::function<void()> onError;
};

class NoFileDialogs : public FileDialogs {
 public:
  QString OpenFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
  QString SaveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};

// A finished one-state curve with three sparks.
void FillCurve(CurveData& curve) {
  curve.Name = "Korvane Tarvo GT-1";
  curve.RotorPos = kRotorCrank;
  curve.CoilType = "KX-1";
  SensorStateGraph& graph = curve.Graphs[0];
  graph.NumTransitions = 5;
  graph.NumSparks = 3;
  graph.RevLimit = 9000;
  graph.RPM = {0, 1000, 3000, 5500, 7000, 7500, 8000, 8500, 9000, 9500};
  graph.Nodes = {GraphNode{60, 30, 20, 10}, GraphNode{80, 35, 25, 15}, GraphNode{120, 40, 30, 20},
                 GraphNode{150, 45, 35, 25}, GraphNode{150, 45, 35, 25}};
}

void Settle(QWidget& widget) {
  widget.adjustSize();
  QApplication::processEvents();
}

}  // namespace

void TakeIgnitionShots(const QString& folder) {
  QTemporaryDir data;
  AppContext context;
  context.folders = {data.filePath(QStringLiteral("data")).toStdString(),
                     data.filePath(QStringLiteral("docs")).toStdString()};
  QDir().mkpath(QString::fromStdString(context.folders.dataDir));
  QFile::copy(QStringLiteral(CURVEDESK_SOURCE_DATA_DIR "/tables.ini"),
              QString::fromStdString(context.folders.dataDir + "/tables.ini"));
  InstallDefaultTimingTables(context.folders);
  CurveData curve;
  ClearCurve(curve, context.defaultGraph);
  FillCurve(curve);

  board::BoardModel model;
  model.Memory().Store(board::BoardMemory::kPlain, 0x05F8, std::vector<std::uint8_t>{0x00, 0x12, 0x34, 0x78});
  model.Memory().Store(board::BoardMemory::kPlain, 0x0F00, std::vector<std::uint8_t>{0x21, 0x05});
  model.Memory().Store(board::BoardMemory::kStar, 4, std::vector<std::uint8_t>{0x2C, 0x01, 0x07, 0x00});
  board::PtyBoard pty(model, 19200);
  pty.Start();
  context.settings.ComSettings = "19200,n,8,1";
  context.settings.ComPort = 1;
  context.settings.ComDevice = pty.DevicePath();
  const std::vector<PortEntry> ports{
      {"/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", "/dev/ttyUSB0 \u2014 FT232R USB UART (FTDI)"},
      {"/dev/ttyS0", "/dev/ttyS0"},
      {pty.DevicePath(), pty.DevicePath()}};
  context.settings.ComPortsList = JoinPorts(ports);

  MemoryRegistryStore store;
  RegCreateKeyPath(store, "HKEY_CURRENT_USER\\Software\\Korvane\\Tarvo\\1.0\\Vista");
  RegSetString(store, "HKEY_CURRENT_USER\\Software\\Korvane\\Tarvo\\1.0\\Vista", "ProgramSerialSet", "1");
  SilentPrompter prompter;
  NoFileDialogs fileDialogs;
  CurveDocument document(context.defaultGraph, {LimitsFilePath(context.folders), context.edition});
  document.Open(curve, "");
  FormMain window(context, document, prompter, fileDialogs);
  window.resize(1280, 800);
  window.show();
  QtSerialLink link([&] { return pty.DevicePath(); });
  BoardSession session(link, context.settings.ComSettings);
  IgnitionCommands commands(context, store, prompter, fileDialogs, session, &window);
  window.SetIgnitionCommands(commands);

  FormCfgSerialPort port(
      context.settings, store, prompter, PortNaming::DevicePaths, [&] { return ports; }, &window);
  port.show();
  Settle(port);
  Save(port, folder, "serial-port");
  auto* portList = port.findChild<QComboBox*>(QStringLiteral("cboSerialPort"));
  portList->setCurrentIndex(0);
  Settle(port);
  Save(port, folder, "serial-port-adapter");
  portList->showPopup();
  QApplication::processEvents();
  Save(*portList->view()->window(), folder, "serial-port-list");
  portList->hidePopup();
  port.hide();

  // Halfway through the run, while the board is being written.
  bool during = false;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (during || !commands.ProgressWindow() || commands.ProgressWindow()->Progress() < 40) return;
    during = true;
    Save(*commands.LogWindow(), folder, "program-log-during");
    Save(*commands.ProgressWindow(), folder, "program-progress-during");
    Save(window, folder, "program-main-during");
  });
  watch.start(0);
  commands.ProgramIgnition(document.Curve());
  watch.stop();
  Save(*commands.LogWindow(), folder, "program-log-after");
  Save(*commands.ProgressWindow(), folder, "program-progress-after");

  // The curve just written compared with the board, then with a few of the board's bytes changed:
  // the rev limit and a primary spark of the only sensor state (slot 4), a byte of an unused slot.
  commands.CompareWithIgnition(document.Curve());
  Settle(*commands.CompareWindow());
  Save(*commands.CompareWindow(), folder, "compare-equal");
  pty.WithBoard([](board::BoardModel& board) {
    board.Memory().Set(board::BoardMemory::kPlain, 0x072B, 0xB6);
    board.Memory().Set(board::BoardMemory::kPlain, 0x0722 + 14 + 2 * 8 + 4, 0x00);
    board.Memory().Set(board::BoardMemory::kPlain, 0x0608 + 3, 0x3D);
  });
  commands.CompareWithIgnition(document.Curve());
  Settle(*commands.CompareWindow());
  Save(*commands.CompareWindow(), folder, "compare-different");
  commands.CompareWindow()->close();

  // A board that stores a byte wrongly: the log stays open after the failed verification.
  pty.WithBoard([](board::BoardModel& board) { board.Options().faults.corruptAt = 0x0744; });
  commands.ProgramIgnition(document.Curve());
  pty.WithBoard([](board::BoardModel& board) { board.Options().faults.corruptAt.reset(); });
  Save(*commands.LogWindow(), folder, "program-log-verify-failed");
  commands.LogWindow()->close();

  // The programmer pulled out halfway through a run: the windows as the error message is read.
  pty.WithBoard([](board::BoardModel& board) { board.Options().faults.dropAfterRecord = 20; });
  prompter.onError = [&] {
    Save(*commands.LogWindow(), folder, "program-log-disconnected");
    Save(*commands.ProgressWindow(), folder, "program-progress-disconnected");
  };
  commands.ProgramIgnition(document.Curve());
  prompter.onError = nullptr;

  FormAbout about(commands, &window);
  about.setModal(false);
  about.show();
  Settle(about);
  Save(about, folder, "about-before-read");
  about.ReadIgnition();
  Save(about, folder, "about-after-read");

  FormEnterText password(prompter, &window);
  password.setWindowTitle(QStringLiteral("Password"));
  password.SetPasswordChar(true);
  password.show();
  password.findChild<QLabel*>(QStringLiteral("lblPrompt"))->setText(QStringLiteral("Enter Password"));
  password.findChild<QLineEdit*>(QStringLiteral("txtResponse"))->setText(QStringLiteral("4321"));
  Settle(password);
  Save(password, folder, "password");

  FormMaxDesiredRPM maxRpm(prompter, &window);
  maxRpm.show();
  maxRpm.findChild<QLineEdit*>(QStringLiteral("txtMaxDesiredRPM"))->setText(QStringLiteral("6000"));
  maxRpm.findChild<QLineEdit*>(QStringLiteral("txtExcMaxRPM"))->setText(QStringLiteral("7"));
  Settle(maxRpm);
  Save(maxRpm, folder, "max-desired-rpm");

  FormClearEngineStarts clear(&window);
  clear.show();
  Settle(clear);
  Save(clear, folder, "clear-engine-starts");

  FormChangeRevLimit revLimit(prompter, &window);
  revLimit.show();
  revLimit.StepUp();
  Settle(revLimit);
  Save(revLimit, folder, "change-rev-limit");
}

}  // namespace curvedesk::shots
