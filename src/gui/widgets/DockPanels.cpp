#include "gui/widgets/DockPanels.h"

#include <QDockWidget>
#include <QMainWindow>
#include <QMetaObject>

namespace curvedesk {

void ShowSharingSide(QMainWindow& window, QDockWidget& panel, QDockWidget& other) {
  if (!other.isHidden() && !other.isFloating() && !panel.isFloating() &&
      window.dockWidgetArea(&panel) == window.dockWidgetArea(&other) &&
      !window.tabifiedDockWidgets(&other).contains(&panel))
    window.tabifyDockWidget(&other, &panel);
  // A panel just shown joins its tab group once the window has laid it out: the raise waits for
  // the event loop.
  QMetaObject::invokeMethod(&panel, &QDockWidget::raise, Qt::QueuedConnection);
}

}  // namespace curvedesk
