#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "core/common/Prompter.h"
#include "core/common/Registry.h"
#include "core/ignition/SerialPortChoice.h"
#include "core/model/AppSettings.h"

class QComboBox;

namespace curvedesk {

// "Serial Port Settings": the port list filled from ComPortsList or by Detect Ports. Choosing an
// entry takes effect at once for this run; OK also stores the port, the list and ProgramSerialSet
// "1"; Cancel stores nothing. A port the system does not list (a pseudo-terminal) can be typed.
class FormCfgSerialPort : public QDialog {
  Q_OBJECT
 public:
  using PortDetector = std::function<std::string()>;

  FormCfgSerialPort(AppSettings& settings, RegistryStore& store, Prompter& prompter, PortNaming naming,
                    PortDetector detectPorts, QWidget* parent = nullptr);

  // Shows the dialog modal over its owner; returns the tag: "1" for OK, "2" for Cancel.
  QString Ask();
  const QString& Tag() const { return tag_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FillList(const std::string& list);
  void DetectPorts();
  void EntryChosen(int index);
  void Confirm();
  void Cancel();

  AppSettings& settings_;
  RegistryStore& store_;
  Prompter& prompter_;
  PortNaming naming_;
  PortDetector detectPorts_;
  QComboBox* cboSerialPort_;
  QString tag_ = QStringLiteral("2");
};

}  // namespace curvedesk
