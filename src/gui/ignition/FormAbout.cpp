#include "gui/ignition/FormAbout.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/common/Version.h"
#include "core/ignition/ConnectionInstructions.h"
#include "gui/ignition/BoardSession.h"
#include "gui/ignition/IgnitionCommands.h"
#include "gui/ignition/WindowServiceDialogs.h"
#include "gui/widgets/DialogPlacement.h"
#include "gui/widgets/MakerLogo.h"

namespace curvedesk {

namespace {

// A value label: fixed-width text in a sunken box, its width set by its first, blank caption.
QLabel* ValueLabel(const char* name, int width, QWidget* parent) {
  auto* label = new QLabel(QString(width, QLatin1Char(' ')), parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setTextFormat(Qt::PlainText);
  label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  return label;
}

}  // namespace

FormAbout::FormAbout(IgnitionCommands& commands, QWidget* parent)
    : QDialog(parent),
      commands_(commands),
      lblSerialNoVal_(ValueLabel("lblSerialNoVal", 12, this)),
      lblFwVersionVal_(ValueLabel("lblFwVersionVal", 10, this)),
      lblEngineStartsVal_(ValueLabel("lblEngineStartsVal", 9, this)),
      lblEngineExcMaxRPMVal_(ValueLabel("lblEngineExcMaxRPMVal", 8, this)),
      cmdRead_(new QPushButton(QStringLiteral("Read"), this)),
      cmdOK_(new QPushButton(QStringLiteral("OK"), this)) {
  setObjectName(QStringLiteral("FormAbout"));
  setWindowTitle(QStringLiteral("About ") + QString::fromLatin1(kApplicationTitle));
  setModal(true);

  auto* logo = new MakerLogo(this);
  logo->setFixedSize(72, 72);
  auto* title = new QLabel(QString::fromLatin1(kApplicationTitle), this);
  QFont titleFont = title->font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
  titleFont.setBold(true);
  title->setFont(titleFont);
  auto* version = new QLabel(QStringLiteral("Version ") + QString::fromLatin1(kProgramVersion), this);
  version->setObjectName(QStringLiteral("lblVersion"));
  auto* purpose = new QLabel(QStringLiteral("Ignition timing curves for Korvane Tarvo ignitions"), this);
  auto* heading = new QVBoxLayout;
  heading->addWidget(title);
  heading->addWidget(version);
  heading->addWidget(purpose);
  heading->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(logo, 0, Qt::AlignTop);
  top->addSpacing(8);
  top->addLayout(heading, 1);

  auto* ignition = new QGroupBox(QStringLiteral("Ignition"), this);
  auto* values = new QGridLayout(ignition);
  const std::pair<const char*, QLabel*> rows[] = {{"Serial Number", lblSerialNoVal_},
                                                  {"Firmware Version", lblFwVersionVal_},
                                                  {"No. of Engine Starts", lblEngineStartsVal_},
                                                  {"Exceeded Max. RPMs", lblEngineExcMaxRPMVal_}};
  int row = 0;
  for (const auto& [caption, label] : rows) {
    values->addWidget(new QLabel(QString::fromLatin1(caption), ignition), row, 0);
    values->addWidget(label, row, 1, Qt::AlignLeft);
    ++row;
  }
  values->setColumnStretch(2, 1);
  auto* hint = new QLabel(QStringLiteral("Double-click a counter for its service function."), ignition);
  hint->setEnabled(false);
  values->addWidget(hint, row, 0, 1, 3);
  for (QLabel* counter : {lblEngineStartsVal_, lblEngineExcMaxRPMVal_}) {
    counter->installEventFilter(this);
    counter->setCursor(Qt::PointingHandCursor);
  }

  cmdRead_->setObjectName(QStringLiteral("cmdRead"));
  cmdOK_->setObjectName(QStringLiteral("cmdOK"));
  cmdOK_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdRead_);
  buttons->addStretch();
  buttons->addWidget(cmdOK_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(ignition);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(cmdRead_, &QPushButton::clicked, this, &FormAbout::ReadIgnition);
  connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
  // While the board is spoken to, nothing here starts another exchange or closes the window.
  connect(&commands_.Session(), &BoardSession::busyChanged, this, [this](bool busy) {
    cmdRead_->setEnabled(!busy);
    cmdOK_->setEnabled(!busy);
  });
}

void FormAbout::SetPaddedCaption(QLabel& label, const QString& text) {
  label.setText(text.leftJustified(static_cast<int>(label.text().size()), QLatin1Char(' ')));
}

void FormAbout::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (parentWidget()) PlaceDialog(*this, *parentWidget()->window());
}

void FormAbout::reject() {
  if (!commands_.Session().Busy()) QDialog::reject();
}

bool FormAbout::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (watched == lblEngineStartsVal_) RunService(ServiceAction::ClearEngineStarts);
    if (watched == lblEngineExcMaxRPMVal_) RunService(ServiceAction::MaxDesiredRpm);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void FormAbout::ReadIgnition() {
  if (commands_.Session().Busy()) return;
  commands_.EnsureSerialPortSet(kReadInstructionsTitle, kReadInstructions);
  Read();
}

void FormAbout::Read() {
  BoardSession::Job job(commands_.Session());
  QApplication::setOverrideCursor(Qt::WaitCursor);
  try {
    const IgnitionInfo info = ReadIgnitionInfo(commands_.Session().Board());
    QApplication::restoreOverrideCursor();
    ShowInfo(info);
  } catch (const AppError& error) {
    QApplication::restoreOverrideCursor();
    ShowInfo(UnreadableIgnitionInfo());
    ShowError(commands_.MessagePrompter(), error);
  }
}

void FormAbout::RunService(ServiceAction action) {
  if (commands_.Session().Busy()) return;
  BoardSession::Job job(commands_.Session());
  WindowServiceDialogs dialogs(commands_.MessagePrompter(), this);
  try {
    if (RunProtected(action, commands_.Session().Board(), commands_.MessagePrompter(), dialogs)) Read();
  } catch (const AppError& error) {
    ShowError(commands_.MessagePrompter(), error);
  }
}

void FormAbout::ShowInfo(const IgnitionInfo& info) {
  SetPaddedCaption(*lblSerialNoVal_, QString::fromStdString(info.SerialNumber));
  SetPaddedCaption(*lblFwVersionVal_, QString::fromStdString(info.FirmwareVersion));
  SetPaddedCaption(*lblEngineStartsVal_, QString::fromStdString(info.EngineStarts));
  SetPaddedCaption(*lblEngineExcMaxRPMVal_, QString::fromStdString(info.ExceededMaxRpm));
}

}  // namespace curvedesk
