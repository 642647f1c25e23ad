#include "gui/ui/CoilPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <string_view>

#include "core/document/FieldRules.h"

namespace curvedesk {

namespace {

const QColor kOutline(60, 66, 76);
const QColor kTerminal(184, 115, 51);

QBrush BodyBrush(const QRectF& body, const QColor& base) {
  QLinearGradient gradient(body.topLeft(), body.topRight());
  gradient.setColorAt(0.0, base.darker(130));
  gradient.setColorAt(0.45, base.lighter(135));
  gradient.setColorAt(1.0, base.darker(150));
  return gradient;
}

// A high-voltage tower: an insulator with a boot on top.
void Tower(QPainter& painter, QPointF base, qreal width, qreal height) {
  const QRectF insulator(base.x() - width / 2, base.y() - height, width, height);
  painter.setBrush(BodyBrush(insulator, QColor(170, 40, 40)));
  painter.drawRoundedRect(insulator, 3, 3);
  painter.setBrush(kTerminal);
  painter.drawEllipse(QPointF(base.x(), base.y() - height), width / 4, width / 4);
}

// Two primary terminals on a face.
void PrimaryTerminals(QPainter& painter, QPointF left, qreal spacing) {
  painter.setBrush(kTerminal);
  for (int i = 0; i < 2; ++i) painter.drawRect(QRectF(left.x() + i * spacing, left.y() - 6, 6, 8));
}

void DrawCanister(QPainter& painter, const QRectF& area, const QColor& colour, int towers) {
  const QRectF body(area.center().x() - area.width() * 0.22, area.top() + area.height() * 0.3, area.width() * 0.44,
                    area.height() * 0.65);
  painter.setBrush(BodyBrush(body, colour));
  painter.drawRoundedRect(body, 8, 8);
  for (int band = 1; band <= 3; ++band) {
    const qreal y = body.top() + body.height() * band / 4;
    painter.drawLine(QPointF(body.left() + 2, y), QPointF(body.right() - 2, y));
  }
  for (int i = 0; i < towers; ++i) {
    const qreal x = body.center().x() + (towers == 1 ? 0 : (i == 0 ? -1 : 1) * body.width() * 0.25);
    Tower(painter, QPointF(x, body.top()), body.width() * 0.28, area.height() * 0.2);
  }
  PrimaryTerminals(painter, QPointF(body.right() + 4, body.bottom() - body.height() * 0.4), 10);
}

void DrawBlock(QPainter& painter, const QRectF& area, const QColor& colour, int towers) {
  const QRectF body(area.left() + area.width() * 0.15, area.top() + area.height() * 0.35, area.width() * 0.7,
                    area.height() * 0.55);
  painter.setBrush(BodyBrush(body, colour));
  painter.drawRoundedRect(body, 5, 5);
  for (int i = 0; i < towers; ++i) {
    const qreal x = body.left() + body.width() * (i + 1) / (towers + 1);
    Tower(painter, QPointF(x, body.top()), body.width() * 0.12, area.height() * 0.22);
  }
  PrimaryTerminals(painter, QPointF(body.center().x() - 8, body.bottom() + 8), 12);
}

void DrawHexStack(QPainter& painter, const QRectF& area) {
  const QPointF centre(area.center().x(), area.top() + area.height() * 0.62);
  const qreal radius = area.height() * 0.3;
  QPainterPath hexagon;
  for (int corner = 0; corner < 6; ++corner) {
    const qreal angle = corner * 60.0 * 3.14159265358979 / 180.0;
    const QPointF point(centre.x() + radius * 1.25 * std::cos(angle), centre.y() + radius * std::sin(angle) * 0.75);
    corner == 0 ? hexagon.moveTo(point) : hexagon.lineTo(point);
  }
  hexagon.closeSubpath();
  for (int layer = 2; layer >= 0; --layer) {
    const QPainterPath shifted = hexagon.translated(0, layer * radius * 0.18);
    painter.setBrush(BodyBrush(shifted.boundingRect(), QColor(70, 90, 120).lighter(100 + layer * 12)));
    painter.drawPath(shifted);
  }
  Tower(painter, QPointF(centre.x(), centre.y() - radius * 0.4), radius * 0.35, area.height() * 0.25);
}

// Four square coil packs stacked with a gap between them, seen slightly from above, with one tower
// on the top pack and the primary terminals beside the bottom one.
void DrawQuadStack(QPainter& painter, const QRectF& area) {
  const qreal width = area.width() * 0.42;
  const qreal depth = area.height() * 0.14;
  const qreal pitch = area.height() * 0.15;
  const qreal thickness = pitch * 0.7;
  const qreal left = area.center().x() - (width + depth) / 2;
  const qreal bottom = area.bottom() - 2;
  const QColor body(150, 60, 30);
  for (int pack = 0; pack < 4; ++pack) {
    const QRectF front(left, bottom - pack * pitch - thickness, width, thickness);
    const QPointF back(depth, -depth * 0.6);
    QPainterPath top;
    top.moveTo(front.topLeft());
    top.lineTo(front.topLeft() + back);
    top.lineTo(front.topRight() + back);
    top.lineTo(front.topRight());
    top.closeSubpath();
    QPainterPath side;
    side.moveTo(front.topRight());
    side.lineTo(front.topRight() + back);
    side.lineTo(front.bottomRight() + back);
    side.lineTo(front.bottomRight());
    side.closeSubpath();
    painter.setBrush(body.darker(140));
    painter.drawPath(side);
    painter.setBrush(body.lighter(130));
    painter.drawPath(top);
    painter.setBrush(BodyBrush(front, body));
    painter.drawRect(front);
  }
  PrimaryTerminals(painter, QPointF(left - 17, bottom - 2), 8);
  const qreal topFace = bottom - 3 * pitch - thickness;
  Tower(painter, QPointF(left + (width + depth) / 2, topFace - depth * 0.3), width * 0.2, area.height() * 0.2);
}

struct PictureOfCoil {
  std::string_view coilType;
  const char* objectName;
  CoilPicture::Shape shape;
};

// Every coil picture the program has; the picture names keep the coils' limits keys.
constexpr std::array<PictureOfCoil, 7> kCoilPictures{{
    {"KX-1", "PictureKX1", CoilPicture::Shape::Canister},
    {"RW-1", "PictureRW1", CoilPicture::Shape::TwinCanister},
    {"KX-2", "PictureKX2", CoilPicture::Shape::DualTower},
    {"3 Ohm Primary Coil", "Picture3ohm", CoilPicture::Shape::Resistor},
    {"ZNQ", "PictureZnqPack", CoilPicture::Shape::Pack},
    {"Hex Stack", "PictureHexStack", CoilPicture::Shape::HexStack},
    {"Quad Stack", "PictureQuadStack", CoilPicture::Shape::QuadStack},
}};

}  // namespace

std::vector<CoilPicture*> MakeCoilPictures(Edition edition) {
  std::vector<CoilPicture*> pictures;
  for (const std::string& coil : CoilTypesOffered("Coil", edition)) {
    for (const PictureOfCoil& known : kCoilPictures) {
      if (known.coilType != coil) continue;
      auto* picture = new CoilPicture(QString::fromLatin1(known.objectName), QString::fromStdString(coil), known.shape);
      picture->hide();
      pictures.push_back(picture);
    }
  }
  return pictures;
}

CoilPicture::CoilPicture(const QString& objectName, const QString& coilType, Shape shape, QWidget* parent)
    : QWidget(parent), coilType_(coilType), shape_(shape) {
  setObjectName(objectName);
  setFixedSize(150, 104);
  setToolTip(coilType);
}

void CoilPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF frame = QRectF(rect()).adjusted(1, 1, -1, -1);
  painter.setPen(QPen(palette().color(QPalette::Mid), 1));
  painter.setBrush(palette().color(QPalette::Base));
  painter.drawRoundedRect(frame, 6, 6);

  const qreal captionHeight = fontMetrics().height() + 6;
  const qreal side = std::min(frame.width(), frame.height() - captionHeight) - 8;
  const QRectF art(frame.center().x() - side * 0.75, frame.top() + 4, side * 1.5, side);
  painter.setPen(QPen(kOutline, 1.2));
  switch (shape_) {
    case Shape::Canister: DrawCanister(painter, art, QColor(40, 40, 44), 1); break;
    case Shape::TwinCanister: DrawCanister(painter, art, QColor(30, 70, 140), 1); break;
    case Shape::DualTower: DrawBlock(painter, art, QColor(40, 40, 44), 2); break;
    case Shape::Resistor: DrawCanister(painter, art, QColor(150, 150, 156), 1); break;
    case Shape::Pack: DrawBlock(painter, art, QColor(35, 100, 60), 4); break;
    case Shape::HexStack: DrawHexStack(painter, art); break;
    case Shape::QuadStack:
      DrawQuadStack(painter, art);
      break;
  }

  QFont captionFont = font();
  captionFont.setBold(true);
  painter.setFont(captionFont);
  painter.setPen(palette().color(QPalette::Text));
  painter.drawText(QRectF(frame.left(), frame.bottom() - captionHeight, frame.width(), captionHeight),
                   Qt::AlignCenter, coilType_);
}

}  // namespace curvedesk
