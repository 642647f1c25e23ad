#include "gui/paint/MakerLogoPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace curvedesk {

void PaintMakerLogo(QPainter& painter, const QRectF& target) {
  const qreal side = std::min(target.width(), target.height());
  const QRectF box(target.center().x() - side / 2, target.center().y() - side / 2, side, side);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(20, 40, 90), side * 0.07));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(box.adjusted(side * 0.05, side * 0.05, -side * 0.05, -side * 0.05));

  // A lightning spark across the ring.
  QPainterPath bolt;
  const auto at = [&](qreal x, qreal y) { return QPointF(box.left() + x * side, box.top() + y * side); };
  bolt.moveTo(at(0.58, 0.14));
  bolt.lineTo(at(0.30, 0.55));
  bolt.lineTo(at(0.48, 0.55));
  bolt.lineTo(at(0.40, 0.86));
  bolt.lineTo(at(0.72, 0.42));
  bolt.lineTo(at(0.53, 0.42));
  bolt.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(224, 120, 0));
  painter.drawPath(bolt);
  painter.restore();
}

}  // namespace curvedesk
