#include "gui/widgets/MakerLogo.h"

#include <QPainter>

#include "gui/paint/MakerLogoPainter.h"

namespace curvedesk {

MakerLogo::MakerLogo(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("picLogo")); }

void MakerLogo::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintMakerLogo(painter, rect());
}

}  // namespace curvedesk
