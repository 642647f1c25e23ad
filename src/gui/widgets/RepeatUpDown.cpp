#include "gui/widgets/RepeatUpDown.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

namespace curvedesk {

RepeatUpDown::RepeatUpDown(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  tmrRepeat_.setObjectName("tmrRepeatTimer");
  connect(&tmrRepeat_, &QTimer::timeout, this, &RepeatUpDown::Repeat);
}

QSize RepeatUpDown::sizeHint() const { return {18, 26}; }

void RepeatUpDown::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOption option;
  option.initFrom(this);
  const int half = height() / 2;
  for (const bool upper : {true, false}) {
    QStyleOptionButton button;
    button.initFrom(this);
    button.rect = upper ? QRect(0, 0, width(), half) : QRect(0, half, width(), height() - half);
    if (pressed_ && up_ == upper) button.state |= QStyle::State_Sunken;
    else button.state |= QStyle::State_Raised;
    style()->drawControl(QStyle::CE_PushButtonBevel, &button, &painter, this);
    QStyleOption arrow = option;
    arrow.rect = button.rect.adjusted(3, 2, -3, -2);
    style()->drawPrimitive(upper ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);
  }
}

void RepeatUpDown::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  up_ = event->position().y() < height() / 2.0;
  pressed_ = true;
  update();
  emit Step(up_);
  tmrRepeat_.start(kFirstRepeatMs);
}

void RepeatUpDown::Repeat() {
  tmrRepeat_.setInterval(kRepeatMs);
  emit Step(up_);
}

void RepeatUpDown::mouseReleaseEvent(QMouseEvent*) {
  tmrRepeat_.stop();
  pressed_ = false;
  update();
}

void RepeatUpDown::hideEvent(QHideEvent* event) {
  // A control hidden while held would otherwise go on stepping without ever seeing the release.
  tmrRepeat_.stop();
  pressed_ = false;
  QWidget::hideEvent(event);
}

}  // namespace curvedesk
