#include "Shots.h"

#include <QPixmap>
#include <QTextStream>
#include <QWidget>

namespace curvedesk::shots {

namespace {

void Write(const QPixmap& pixmap, const QString& folder, const QString& name) {
  const QString path = folder + "/" + name + ".png";
  QTextStream out(stdout);
  if (pixmap.save(path)) {
    out << path << "\n";
  } else {
    out << "could not write " << path << "\n";
  }
}

}  // namespace

void Save(QWidget& widget, const QString& folder, const QString& name) { Write(widget.grab(), folder, name); }

void SaveHighDpi(QWidget& widget, const QString& folder, const QString& name) {
  QPixmap pixmap(widget.size() * 2);
  pixmap.setDevicePixelRatio(2);
  widget.render(&pixmap);
  Write(pixmap, folder, name);
}

}  // namespace curvedesk::shots
