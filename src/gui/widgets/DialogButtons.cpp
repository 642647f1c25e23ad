#include "gui/widgets/DialogButtons.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace curvedesk {

OkCancelButtons MakeOkCancelButtons(QWidget* owner) {
  auto* ok = new QPushButton(QStringLiteral("OK"), owner);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), owner);
  cancel->setObjectName(QStringLiteral("cmdCancel"));
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(ok);
  row->addWidget(cancel);
  return {ok, cancel, row};
}

}  // namespace curvedesk
