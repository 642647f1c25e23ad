#include "gui/ignition/FormChangeRevLimit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/model/CurveRules.h"
#include "gui/widgets/DialogPlacement.h"
#include "gui/widgets/NumericField.h"

namespace curvedesk {

namespace {

constexpr int kStep = 50;
constexpr int kHighest = 12500;
constexpr int kFirstRepeatMs = 300;
constexpr int kFastRepeatMs = 50;

QToolButton* Arrow(const char* name, Qt::ArrowType arrow, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setArrowType(arrow);
  button->setFixedSize(22, 13);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

FormChangeRevLimit::FormChangeRevLimit(Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter), txtRevLimit_(new NumericField(this)), tmrRepeatTimer_(new QTimer(this)) {
  setObjectName(QStringLiteral("FormChangeRevLimit"));
  setWindowTitle(QStringLiteral("Change Rev. Limit"));
  setModal(true);
  txtRevLimit_->setObjectName(QStringLiteral("txtRevLimit"));
  txtRevLimit_->setMaxLength(5);
  txtRevLimit_->setAlignment(Qt::AlignRight);
  txtRevLimit_->setMaximumWidth(90);
  txtRevLimit_->setContextMenuPolicy(Qt::NoContextMenu);
  tmrRepeatTimer_->setObjectName(QStringLiteral("tmrRepeatTimer"));

  // The up-down control: the upper half steps up, the lower half down.
  auto* upDown = new QWidget(this);
  upDown->setObjectName(QStringLiteral("udRevLimit"));
  auto* up = Arrow("udRevLimitUp", Qt::UpArrow, upDown);
  auto* down = Arrow("udRevLimitDown", Qt::DownArrow, upDown);
  auto* arrows = new QVBoxLayout(upDown);
  arrows->setContentsMargins(0, 0, 0, 0);
  arrows->setSpacing(0);
  arrows->addWidget(up);
  arrows->addWidget(down);

  auto* field = new QHBoxLayout;
  auto* caption = new QLabel(QStringLiteral("Rev. Limit @ RPM"), this);
  caption->setBuddy(txtRevLimit_);
  field->addWidget(caption);
  field->addWidget(txtRevLimit_);
  field->addWidget(upDown);
  field->setSpacing(4);

  auto* program = new QPushButton(QStringLiteral("Program"), this);
  program->setObjectName(QStringLiteral("cmdProgram"));
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("cmdCancel"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(program);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(field);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  txtRevLimit_->ShowText(QStringLiteral("6000"));
  txtRevLimit_->SetValidation([this] { return CheckRevLimit(); });
  txtRevLimit_->SetNextField(program);
  connect(up, &QToolButton::pressed, this, [this] { StartRepeat(+1); });
  connect(down, &QToolButton::pressed, this, [this] { StartRepeat(-1); });
  for (QToolButton* arrow : {up, down}) connect(arrow, &QToolButton::released, tmrRepeatTimer_, &QTimer::stop);
  connect(tmrRepeatTimer_, &QTimer::timeout, this, &FormChangeRevLimit::Repeat);
  connect(program, &QPushButton::clicked, this, [this] {
    if (!txtRevLimit_->CommitPending() || !CheckRevLimit()) return;
    tag_ = QStringLiteral("1");
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, [this] {
    tag_ = QStringLiteral("2");
    reject();
  });
}

QString FormChangeRevLimit::Ask() {
  txtRevLimit_->ShowText(QStringLiteral("6000"));
  tag_ = QStringLiteral("2");
  exec();
  return tag_;
}

std::int32_t FormChangeRevLimit::RevLimit() const { return txtRevLimit_->text().toInt(); }

void FormChangeRevLimit::StepUp() {
  if (RevLimit() + kStep <= kHighest) txtRevLimit_->ShowText(QString::number(RevLimit() + kStep));
}

void FormChangeRevLimit::StepDown() {
  if (RevLimit() > 0) txtRevLimit_->ShowText(QString::number(std::max(0, RevLimit() - kStep)));
}

void FormChangeRevLimit::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (parentWidget()) PlaceDialog(*this, *parentWidget()->window());
  txtRevLimit_->setFocus(Qt::ActiveWindowFocusReason);
}

bool FormChangeRevLimit::CheckRevLimit() {
  // An empty text is refused too.
  const std::optional<std::string> refusal = ValidateRpmValue(txtRevLimit_->text().toStdString());
  if (!refusal) return true;
  ShowErrorText(prompter_, *refusal);
  return false;
}

void FormChangeRevLimit::StartRepeat(int direction) {
  repeatDirection_ = direction;
  repeats_ = 0;
  direction > 0 ? StepUp() : StepDown();
  tmrRepeatTimer_->start(kFirstRepeatMs);
}

void FormChangeRevLimit::Repeat() {
  repeatDirection_ > 0 ? StepUp() : StepDown();
  // After the first two slow repeats the steps come quickly.
  if (++repeats_ >= 2) tmrRepeatTimer_->setInterval(kFastRepeatMs);
}

}  // namespace curvedesk
