#include "gui/widgets/DialogPlacement.h"

#include <QWidget>

namespace curvedesk {

void PlaceDialog(QWidget& dialog, const QWidget& owner) {
  const QRect ownerFrame = owner.frameGeometry();
  const QSize size = dialog.frameGeometry().size();
  dialog.move((ownerFrame.left() + ownerFrame.width()) / 2 - size.width() / 2,
              (ownerFrame.top() + ownerFrame.height()) / 2 - size.height() / 2);
}

}  // namespace curvedesk
