#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTextStream>
#include <algorithm>

#include "Shots.h"

namespace curvedesk::shots {

namespace {

constexpr int kSizes[] = {16, 32, 48, 256};
// The small sizes again, each pixel an 8 x 8 square, to judge them pixel by pixel.
constexpr int kMagnified[] = {16, 32, 48};
constexpr int kMagnification = 8;
constexpr int kGap = 16;

int RowHeight() { return 256 + 2 * kGap; }

// One row per icon: the sizes on a light and on a dark panel, then the small sizes magnified.
void DrawRow(QPainter& painter, const QIcon& icon, int top) {
  int left = 0;
  for (const QColor& background : {QColor(250, 250, 250), QColor(40, 40, 48)}) {
    int width = kGap;
    for (int side : kSizes) width += side + kGap;
    painter.fillRect(left, top, width, RowHeight(), background);
    int x = left + kGap;
    for (int side : kSizes) {
      painter.drawPixmap(x, top + kGap + 256 - side, icon.pixmap(QSize(side, side)));
      x += side + kGap;
    }
    left += width;
  }
  for (int side : kMagnified) {
    const int shown = std::min(side * kMagnification, 256);
    const QImage pixels = icon.pixmap(QSize(side, side)).toImage();
    painter.fillRect(left + kGap, top + kGap, shown, shown, QColor(200, 200, 200));
    painter.drawImage(QRect(left + kGap, top + kGap, shown, shown), pixels);
    left += shown + kGap;
  }
}

}  // namespace

void TakeIconShots(const QString& folder) {
  const QString icons = QStringLiteral(CURVEDESK_SOURCE_DATA_DIR "/icons/");
  const QIcon program(icons + "org.curvedesk.curvedesk.svg");
  const QIcon document(icons + "application-x-curvedesk-curve.svg");
  QImage sheet(1600, 2 * RowHeight(), QImage::Format_ARGB32);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  DrawRow(painter, program, 0);
  DrawRow(painter, document, RowHeight());
  painter.end();
  const QString path = folder + "/icons.png";
  QTextStream(stdout) << (sheet.save(path) ? path : "could not write " + path) << "\n";
}

}  // namespace curvedesk::shots
