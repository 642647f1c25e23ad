#include "gui/ignition/FormCfgSerialPort.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/Settings.h"
#include "core/ignition/SerialPortSettings.h"
#include "gui/widgets/DialogButtons.h"
#include "gui/widgets/DialogPlacement.h"

namespace curvedesk {

FormCfgSerialPort::FormCfgSerialPort(AppSettings& settings, RegistryStore& store, Prompter& prompter, PortNaming naming,
                                     PortDetector detectPorts, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      store_(store),
      prompter_(prompter),
      naming_(naming),
      detectPorts_(std::move(detectPorts)),
      cboSerialPort_(new QComboBox(this)) {
  setObjectName(QStringLiteral("FormCfgSerialPort"));
  setWindowTitle(QStringLiteral("Serial Port Settings"));
  setModal(true);

  cboSerialPort_->setObjectName(QStringLiteral("cboSerialPort"));
  // Editable, so that a port the system does not list can be typed.
  cboSerialPort_->setEditable(true);
  cboSerialPort_->setInsertPolicy(QComboBox::NoInsert);
  cboSerialPort_->setMinimumContentsLength(naming == PortNaming::Numbered ? 8 : 18);
  cboSerialPort_->lineEdit()->setPlaceholderText(naming == PortNaming::Numbered ? QStringLiteral("COM1")
                                                                                : QStringLiteral("/dev/ttyUSB0"));
  auto* detect = new QPushButton(QStringLiteral("Detect Ports"), this);
  detect->setObjectName(QStringLiteral("cmdDetectPorts"));
  auto* port = new QGroupBox(QStringLiteral("Port"), this);
  auto* portLayout = new QHBoxLayout(port);
  portLayout->addWidget(cboSerialPort_, 1);
  portLayout->addWidget(detect);

  auto* instruction = new QLabel(
      QStringLiteral("If using a QMA or KPA programming adapter plug the USB cable into the adapter and the computer "
                     "before pressing Detect Ports.  The QMA is typically the highest COM port."),
      this);
  instruction->setObjectName(QStringLiteral("lblInstruction"));
  instruction->setWordWrap(true);
  instruction->setFixedWidth(360);

  const auto [ok, cancel, buttons] = MakeOkCancelButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(port);
  layout->addWidget(instruction);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(detect, &QPushButton::clicked, this, &FormCfgSerialPort::DetectPorts);
  connect(cboSerialPort_, &QComboBox::activated, this, &FormCfgSerialPort::EntryChosen);
  connect(ok, &QPushButton::clicked, this, &FormCfgSerialPort::Confirm);
  connect(cancel, &QPushButton::clicked, this, &FormCfgSerialPort::Cancel);

  FillList(settings_.ComPortsList);
  if (const auto entry =
          ConfiguredEntry(SplitPortsList(settings_.ComPortsList), settings_.ComPort, settings_.ComDevice, naming_))
    cboSerialPort_->setCurrentIndex(static_cast<int>(*entry));
}

QString FormCfgSerialPort::Ask() {
  tag_ = QStringLiteral("2");  // closing the dialog any other way is a Cancel
  exec();
  return tag_;
}

void FormCfgSerialPort::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (parentWidget()) PlaceDialog(*this, *parentWidget()->window());
}

void FormCfgSerialPort::FillList(const std::string& list) {
  cboSerialPort_->clear();
  for (const std::string& entry : SplitPortsList(list)) cboSerialPort_->addItem(QString::fromStdString(entry));
  cboSerialPort_->setCurrentIndex(-1);
}

void FormCfgSerialPort::DetectPorts() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  settings_.ComPortsList = detectPorts_();
  FillList(settings_.ComPortsList);
  const int count = cboSerialPort_->count();
  if (count > 1) cboSerialPort_->setCurrentIndex(0);
  QApplication::restoreOverrideCursor();
  // The highest port is offered first: the list drops open with its last entry chosen.
  cboSerialPort_->setFocus(Qt::BacktabFocusReason);
  if (count > 0) {
    cboSerialPort_->setCurrentIndex(count - 1);
    EntryChosen(count - 1);
    cboSerialPort_->showPopup();
  }
}

void FormCfgSerialPort::EntryChosen(int index) {
  if (index < 0) return;
  try {
    const PortChoice choice =
        ChoosePort(cboSerialPort_->itemText(index).toStdString(), settings_.ComPortsList, naming_);
    settings_.ComPort = choice.comPort;
    settings_.ComDevice = choice.comDevice;
  } catch (const AppError& error) {
    ShowErrorText(prompter_, error.Description());
  }
}

void FormCfgSerialPort::Confirm() {
  PortChoice choice;
  try {
    choice = ChoosePort(cboSerialPort_->currentText().toStdString(), settings_.ComPortsList, naming_);
  } catch (const AppError& error) {
    // A typed port the dialog cannot take: it stays open for another one.
    ShowErrorText(prompter_, error.Description());
    return;
  }
  settings_.ComPort = choice.comPort;
  settings_.ComDevice = choice.comDevice;
  settings_.ComPortsList = choice.comPortsList;
  tag_ = QStringLiteral("1");
  hide();
  try {
    SaveSerialPortChoice(store_, kSettingsKey, settings_.ComPort, settings_.ComPortsList, settings_.ComDevice);
  } catch (const AppError& error) {
    ShowError(prompter_, error);
  }
  accept();
}

void FormCfgSerialPort::Cancel() {
  tag_ = QStringLiteral("2");
  reject();
}

}  // namespace curvedesk
