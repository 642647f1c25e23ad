#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "core/common/Prompter.h"
#include "core/common/Registry.h"
#include "core/ignition/SerialPortChoice.h"
#include "core/model/AppSettings.h"

class QComboBox;
class QTimer;

namespace curvedesk {

// "Serial Port Settings": the port list filled from ComPortsList or by Detect Ports, each port
// with what the adapter says it is. While the dialog is open the list follows adapters that are
// plugged in or pulled out, about once a second, keeping what the user chose. Choosing an entry
// takes effect at once for this run; OK also stores the port, the list and ProgramSerialSet "1";
// Cancel stores nothing. A port the system does not list (a pseudo-terminal) can be typed.
class FormCfgSerialPort : public QDialog {
  Q_OBJECT
 public:
  using PortDetector = std::function<std::vector<PortEntry>()>;

  FormCfgSerialPort(AppSettings& settings, RegistryStore& store, Prompter& prompter, PortNaming naming,
                    PortDetector detectPorts, QWidget* parent = nullptr);

  // Shows the dialog modal over its owner; returns the tag: "1" for OK, "2" for Cancel.
  QString Ask();
  const QString& Tag() const { return tag_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void FillList(const std::vector<PortEntry>& entries);
  // The port the field shows: the chosen entry's, or what was typed.
  std::string ShownPort() const;
  void DetectPorts();
  // A tick of the refresh: the list follows the ports present, the field keeps its port.
  void RefreshPorts();
  void EntryChosen(int index);
  void Confirm();
  void Cancel();

  AppSettings& settings_;
  RegistryStore& store_;
  Prompter& prompter_;
  PortNaming naming_;
  PortDetector detectPorts_;
  QComboBox* cboSerialPort_;
  QTimer* tmrRefreshPorts_;
  std::vector<PortEntry> entries_;  // what the list shows
  QString tag_ = QStringLiteral("2");
};

}  // namespace curvedesk
