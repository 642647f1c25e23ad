#include "gui/ignition/FormCfgSerialPort.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/Settings.h"
#include "core/ignition/SerialPortSettings.h"
#include "gui/widgets/DialogButtons.h"
#include "gui/widgets/DialogPlacement.h"

namespace curvedesk {

namespace {
// Often enough to follow an adapter being plugged in, seldom enough to cost nothing.
constexpr int kRefreshIntervalMs = 1000;
}  // namespace

FormCfgSerialPort::FormCfgSerialPort(AppSettings& settings, RegistryStore& store, Prompter& prompter, PortNaming naming,
                                     PortDetector detectPorts, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      store_(store),
      prompter_(prompter),
      naming_(naming),
      detectPorts_(std::move(detectPorts)),
      cboSerialPort_(new QComboBox(this)),
      tmrRefreshPorts_(new QTimer(this)) {
  setObjectName(QStringLiteral("FormCfgSerialPort"));
  setWindowTitle(QStringLiteral("Serial Port Settings"));
  setModal(true);

  cboSerialPort_->setObjectName(QStringLiteral("cboSerialPort"));
  // Editable, so that a port the system does not list can be typed.
  cboSerialPort_->setEditable(true);
  cboSerialPort_->setInsertPolicy(QComboBox::NoInsert);
  // Wide enough for "/dev/ttyUSB0 — FT232R USB UART (FTDI)".
  cboSerialPort_->setMinimumContentsLength(naming == PortNaming::Numbered ? 28 : 38);
  cboSerialPort_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
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

  tmrRefreshPorts_->setObjectName(QStringLiteral("tmrRefreshPorts"));
  tmrRefreshPorts_->setInterval(kRefreshIntervalMs);
  connect(tmrRefreshPorts_, &QTimer::timeout, this, &FormCfgSerialPort::RefreshPorts);

  FillList(EntriesOfList(settings_.ComPortsList, detectPorts_()));
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
  tmrRefreshPorts_->start();
}

void FormCfgSerialPort::hideEvent(QHideEvent* event) {
  tmrRefreshPorts_->stop();
  QDialog::hideEvent(event);
}

void FormCfgSerialPort::FillList(const std::vector<PortEntry>& entries) {
  entries_ = entries;
  cboSerialPort_->clear();
  for (const PortEntry& entry : entries) {
    cboSerialPort_->addItem(QString::fromStdString(entry.label), QString::fromStdString(entry.port));
    // The name that is stored, where the list shows another (a /dev/serial/by-id link).
    if (entry.label.rfind(entry.port, 0) != 0)
      cboSerialPort_->setItemData(cboSerialPort_->count() - 1, QString::fromStdString(entry.port), Qt::ToolTipRole);
  }
  cboSerialPort_->setCurrentIndex(-1);
}

std::string FormCfgSerialPort::ShownPort() const {
  return PortOfEntryText(cboSerialPort_->currentText().toStdString(), entries_);
}

void FormCfgSerialPort::DetectPorts() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const std::vector<PortEntry> detected = detectPorts_();
  settings_.ComPortsList = JoinPorts(detected);
  FillList(detected);
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

void FormCfgSerialPort::RefreshPorts() {
  // Not while the user looks through the open list: entries must not move under the pointer.
  if (cboSerialPort_->view()->isVisible()) return;
  std::vector<PortEntry> present = detectPorts_();
  if (present == entries_) return;
  const std::string shown = ShownPort();
  const QString typed = cboSerialPort_->currentText();
  const int cursor = cboSerialPort_->lineEdit()->cursorPosition();
  // A detection of its own: the list of the ports found, as Detect Ports keeps it. ComPort stays.
  settings_.ComPortsList = JoinPorts(present);
  FillList(present);
  const auto kept =
      std::find_if(entries_.begin(), entries_.end(), [&](const PortEntry& entry) { return entry.port == shown; });
  if (kept != entries_.end()) {
    cboSerialPort_->setCurrentIndex(static_cast<int>(kept - entries_.begin()));
  } else if (shown != typed.trimmed().toStdString()) {
    // The chosen port went away: the field keeps its name, so OK still takes it.
    cboSerialPort_->setEditText(QString::fromStdString(shown));
  } else {
    // A typed port stays as typed, the cursor where it was.
    cboSerialPort_->setEditText(typed);
    cboSerialPort_->lineEdit()->setCursorPosition(cursor);
  }
}

void FormCfgSerialPort::EntryChosen(int index) {
  if (index < 0) return;
  try {
    const PortChoice choice =
        ChoosePort(cboSerialPort_->itemData(index).toString().toStdString(), settings_.ComPortsList, naming_);
    settings_.ComPort = choice.comPort;
    settings_.ComDevice = choice.comDevice;
  } catch (const AppError& error) {
    ShowErrorText(prompter_, error.Description());
  }
}

void FormCfgSerialPort::Confirm() {
  PortChoice choice;
  try {
    choice = ChoosePort(ShownPort(), settings_.ComPortsList, naming_);
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
