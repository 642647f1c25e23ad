#pragma once

#include <QRectF>

class QPainter;

namespace curvedesk {

// The maker's logo as printed in the page header: a spark inside a ring. Painted, so it stays
// sharp at any printer resolution.
void PaintMakerLogo(QPainter& painter, const QRectF& target);

}  // namespace curvedesk
