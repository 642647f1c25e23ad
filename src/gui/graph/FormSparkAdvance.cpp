#include "gui/graph/FormSparkAdvance.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/DigitsOnlyFilter.h"
#include "gui/widgets/DialogButtons.h"
#include "gui/widgets/DialogPlacement.h"

namespace curvedesk {

namespace {

const QString kAnswerOk = "1";
const QString kAnswerCancel = "2";

QLineEdit* NumberField(const char* name, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setAlignment(Qt::AlignRight);
  field->setMaximumWidth(90);
  field->setContextMenuPolicy(Qt::NoContextMenu);
  field->installEventFilter(new DigitsOnlyFilter(field));
  return field;
}

}  // namespace

FormSparkAdvance::FormSparkAdvance(QWidget* parent)
    : QDialog(parent), txtRPM_(NumberField("txtRPM", this)), txtAngle_(NumberField("txtAngle", this)) {
  setObjectName("FormSparkAdvance");
  setWindowTitle("Spark Advance");
  setModal(true);

  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel("Engine Speed", this), 0, 0);
  fields->addWidget(txtRPM_, 0, 1);
  fields->addWidget(new QLabel("RPM", this), 0, 2);
  fields->addWidget(new QLabel("Advance", this), 1, 0);
  fields->addWidget(txtAngle_, 1, 1);
  fields->addWidget(new QLabel("Deg", this), 1, 2);

  const auto [ok, cancel, buttons] = MakeOkCancelButtons(this);
  connect(ok, &QPushButton::clicked, this, [this] { Answer(kAnswerOk); });
  connect(cancel, &QPushButton::clicked, this, [this] { Answer(kAnswerCancel); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setTabOrder(txtRPM_, txtAngle_);
  setTabOrder(txtAngle_, ok);
  setTabOrder(ok, cancel);
}

QString FormSparkAdvance::Ask(int rpm, int angle) {
  txtRPM_->setText(QString::number(rpm));
  txtAngle_->setText(QString::number(angle));
  tag_ = kAnswerCancel;  // closing the dialog any other way is a Cancel
  exec();
  return tag_;
}

QString FormSparkAdvance::RpmText() const { return txtRPM_->text(); }
QString FormSparkAdvance::AngleText() const { return txtAngle_->text(); }

void FormSparkAdvance::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (parentWidget()) PlaceDialog(*this, *parentWidget()->window());
  txtAngle_->setFocus(Qt::ActiveWindowFocusReason);
}

void FormSparkAdvance::Answer(const QString& tag) {
  tag_ = tag;
  done(tag == kAnswerOk ? Accepted : Rejected);
}

}  // namespace curvedesk
