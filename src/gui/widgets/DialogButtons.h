#pragma once

class QHBoxLayout;
class QPushButton;
class QWidget;

namespace curvedesk {

// The OK and Cancel buttons of a small dialog, right-aligned in a row, OK the default button.
// Tests find them by their names "cmdOK" and "cmdCancel".
struct OkCancelButtons {
  QPushButton* ok;
  QPushButton* cancel;
  QHBoxLayout* row;
};

OkCancelButtons MakeOkCancelButtons(QWidget* owner);

}  // namespace curvedesk
