#pragma once

#include <QDialog>

#include "core/ignition/IgnitionInfo.h"
#include "core/ignition/ServiceFunctions.h"

class QLabel;
class QPushButton;

namespace curvedesk {

class IgnitionCommands;

// "About": the program's version and, on Read, the connected ignition's serial number, firmware
// version and counters in fixed-width labels that keep their width. Double-clicking a counter
// opens its service function behind the ignition's password.
class FormAbout : public QDialog {
  Q_OBJECT
 public:
  FormAbout(IgnitionCommands& commands, QWidget* parent = nullptr);

  // cmdRead_Click.
  void ReadIgnition();
  // The double-clicks on the engine starts (ClearEngineStarts) and exceeded max. RPM values.
  void RunService(ServiceAction action);

  // Pads the text with blanks to the label's current length, so the label's width never changes.
  static void SetPaddedCaption(QLabel& label, const QString& text);

 protected:
  void showEvent(QShowEvent* event) override;
  void reject() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Reads the ignition and shows its values; "????" and the error's message on failure.
  void Read();
  void ShowInfo(const IgnitionInfo& info);

  IgnitionCommands& commands_;
  QLabel* lblSerialNoVal_;
  QLabel* lblFwVersionVal_;
  QLabel* lblEngineStartsVal_;
  QLabel* lblEngineExcMaxRPMVal_;
  QPushButton* cmdRead_;
  QPushButton* cmdOK_;
};

}  // namespace curvedesk
