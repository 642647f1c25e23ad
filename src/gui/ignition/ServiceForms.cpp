#include "gui/ignition/ServiceForms.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/ignition/ServiceFunctions.h"
#include "gui/widgets/DigitsOnlyFilter.h"
#include "gui/widgets/DialogPlacement.h"

namespace curvedesk {

namespace {

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QPushButton* button : buttons) row->addWidget(button);
  return row;
}

void PlaceOverOwner(QDialog& dialog) {
  if (dialog.parentWidget()) PlaceDialog(dialog, *dialog.parentWidget()->window());
}

}  // namespace

FormClearEngineStarts::FormClearEngineStarts(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FormClearEngineStarts"));
  setWindowTitle(QStringLiteral("Clear Engine Starts"));
  setModal(true);
  auto* clear = Button("cmdClear", QStringLiteral("Clear"), this);
  auto* cancel = Button("cmdCancel", QStringLiteral("Cancel"), this);
  cancel->setDefault(true);  // clearing a counter is never the answer to a stray Enter
  connect(clear, &QPushButton::clicked, this, [this] {
    tag_ = QStringLiteral("1");
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, [this] {
    tag_ = QStringLiteral("2");
    reject();
  });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Clear the number of engine starts stored in the ignition?"), this));
  layout->addSpacing(6);
  layout->addLayout(ButtonRow({clear, cancel}));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString FormClearEngineStarts::Ask() {
  tag_ = QStringLiteral("2");
  exec();
  return tag_;
}

void FormClearEngineStarts::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  PlaceOverOwner(*this);
}

FormMaxDesiredRPM::FormMaxDesiredRPM(Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      prompter_(prompter),
      txtMaxDesiredRPM_(new QLineEdit(this)),
      txtExcMaxRPM_(new QLineEdit(this)),
      cmdClear_(Button("cmdClear", QStringLiteral("Clear"), this)) {
  setObjectName(QStringLiteral("FormMaxDesiredRPM"));
  setWindowTitle(QStringLiteral("Maximum Desired RPM"));
  setModal(true);
  txtMaxDesiredRPM_->setObjectName(QStringLiteral("txtMaxDesiredRPM"));
  txtMaxDesiredRPM_->setMaxLength(5);
  txtMaxDesiredRPM_->setAlignment(Qt::AlignRight);
  txtMaxDesiredRPM_->setContextMenuPolicy(Qt::NoContextMenu);
  txtMaxDesiredRPM_->installEventFilter(new DigitsOnlyFilter(txtMaxDesiredRPM_));
  txtExcMaxRPM_->setObjectName(QStringLiteral("txtExcMaxRPM"));
  txtExcMaxRPM_->setReadOnly(true);
  txtExcMaxRPM_->setFocusPolicy(Qt::NoFocus);
  txtExcMaxRPM_->setAlignment(Qt::AlignRight);
  for (QLineEdit* field : {txtMaxDesiredRPM_, txtExcMaxRPM_}) field->setMaximumWidth(90);

  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel(QStringLiteral("Max. Desired @RPM"), this), 0, 0);
  fields->addWidget(txtMaxDesiredRPM_, 0, 1);
  fields->addWidget(new QLabel(QStringLiteral("Exceeded Max. @RPM"), this), 1, 0);
  fields->addWidget(txtExcMaxRPM_, 1, 1);
  fields->addWidget(cmdClear_, 1, 2);

  auto* ok = Button("cmdOK", QStringLiteral("OK"), this);
  ok->setDefault(true);
  auto* cancel = Button("cmdCancel", QStringLiteral("Cancel"), this);
  connect(cmdClear_, &QPushButton::clicked, this, [this] { Answer(QStringLiteral("0")); });
  connect(ok, &QPushButton::clicked, this, &FormMaxDesiredRPM::Confirm);
  connect(cancel, &QPushButton::clicked, this, [this] { Answer(QStringLiteral("2")); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addSpacing(6);
  layout->addLayout(ButtonRow({ok, cancel}));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString FormMaxDesiredRPM::Ask(std::int32_t currentRpm, std::int32_t exceededCount) {
  txtMaxDesiredRPM_->setText(QString::number(currentRpm));
  txtExcMaxRPM_->setText(QString::number(exceededCount));
  cmdClear_->setEnabled(exceededCount != 0);
  tag_ = QStringLiteral("2");
  exec();
  return tag_;
}

std::int32_t FormMaxDesiredRPM::Rpm() const { return txtMaxDesiredRPM_->text().toInt(); }

void FormMaxDesiredRPM::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  PlaceOverOwner(*this);
  txtMaxDesiredRPM_->setFocus(Qt::ActiveWindowFocusReason);
}

void FormMaxDesiredRPM::Answer(const QString& tag) {
  tag_ = tag;
  done(tag == QStringLiteral("2") ? Rejected : Accepted);
}

void FormMaxDesiredRPM::Confirm() {
  if (const auto refusal = CheckMaxDesiredRpm(Rpm())) {
    ShowErrorText(prompter_, *refusal);
    txtMaxDesiredRPM_->setFocus();
    return;
  }
  Answer(QStringLiteral("1"));
}

}  // namespace curvedesk
