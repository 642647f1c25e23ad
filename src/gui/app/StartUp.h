#pragma once

#include <memory>
#include <string>

#include "core/common/Prompter.h"
#include "core/common/Registry.h"
#include "core/document/CurveDocument.h"
#include "core/model/AppContext.h"

namespace curvedesk {

class BoardSession;
class CrashRecovery;
class FileDialogs;
class FormMain;
class IgnitionCommands;
class QtSerialLink;

// The program's start and end around the main window: settings, the curve model, the ignition
// descriptions, unsaved changes left by a run that did not end normally and the start-up file on
// the way in; settings, the recovery copy and the other windows on the way out.
class StartUp {
 public:
  StartUp(AppContext& context, RegistryStore& store, Prompter& prompter, FileDialogs& fileDialogs);
  ~StartUp();

  // Everything after the command line, up to showing the main window. A failure shows its
  // description under the title "Error", unloads the main window and answers false. A start-up file
  // that opened is compared with compareFile when one is named.
  bool Run(const std::string& startupFile, const std::string& compareFile = {});

  FormMain* MainWindow() const { return window_.get(); }
  // The curve being edited; there once Run got past the settings.
  CurveDocument* Document() const { return document_.get(); }
  // There once Run got past the settings, when the folders name a recovery folder.
  CrashRecovery* Recovery() const { return recovery_.get(); }

 private:
  // First start: the shipped timing table goes where programming and the custom layout name
  // expect it.
  void InstallTimingTables();
  // Runs when the main window unloads: saves the settings and closes the other windows.
  void ShutDown();

  AppContext& context_;
  RegistryStore& store_;
  Prompter& prompter_;
  FileDialogs& fileDialogs_;
  std::unique_ptr<CurveDocument> document_;
  // Keeps the document's unsaved changes in case the program ends unexpectedly; none are kept
  // without a recovery folder.
  std::unique_ptr<CrashRecovery> recovery_;
  // The one serial port and the commands that use it; they outlive the main window.
  std::unique_ptr<QtSerialLink> link_;
  std::unique_ptr<BoardSession> session_;
  std::unique_ptr<IgnitionCommands> ignitionCommands_;
  std::unique_ptr<FormMain> window_;
};

}  // namespace curvedesk
