#pragma once

#include <QRectF>
#include <QWidget>

class QPainter;

namespace curvedesk {

// The maker's logo as printed in the page header: a spark inside a ring. Painted, so it stays
// sharp at any printer resolution.
void PaintMakerLogo(QPainter& painter, const QRectF& target);

// The logo kept hidden in the main window (picLogo) for printing.
class MakerLogo : public QWidget {
  Q_OBJECT
 public:
  explicit MakerLogo(QWidget* parent = nullptr);
  QSize sizeHint() const override { return {96, 96}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace curvedesk
