#include "gui/ui/ConfigDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/DialogPlacement.h"

namespace curvedesk {

ConfigDialog::ConfigDialog(const char* objectName, const QString& title, QWidget* owner, Buttons buttons)
    : QDialog(owner), body_(new QVBoxLayout), ok_(new QPushButton(QStringLiteral("OK"), this)), buttons_(buttons) {
  setObjectName(QString::fromLatin1(objectName));
  setWindowTitle(title);
  setModal(true);
  ok_->setObjectName(QStringLiteral("cmdOK"));
  ok_->setDefault(true);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(ok_);
  if (buttons == Buttons::OkCancel) {
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    row->addWidget(cancel);
    connect(cancel, &QPushButton::clicked, this, &ConfigDialog::reject);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body_);
  layout->addSpacing(8);
  layout->addLayout(row);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(ok_, &QPushButton::clicked, this, &ConfigDialog::AnswerOk);
}

void ConfigDialog::AnswerOk() {
  if (!Confirm()) return;
  tag_ = kOk;
  accept();
}

void ConfigDialog::reject() {
  if (buttons_ == Buttons::OkOnly) {
    AnswerOk();
    return;
  }
  tag_ = kCancel;
  QDialog::reject();
}

QGroupBox* ConfigDialog::AddFrame(const QString& caption) {
  auto* frame = new QGroupBox(caption);
  // One width for the small dialogs, so their buttons never crowd the controls.
  frame->setMinimumWidth(260);
  body_->addWidget(frame);
  return frame;
}

QString ConfigDialog::Ask() {
  tag_ = kCancel;
  exec();
  return tag_;
}

void ConfigDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (parentWidget()) PlaceDialog(*this, *parentWidget()->window());
}

}  // namespace curvedesk
