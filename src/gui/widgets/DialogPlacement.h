#pragma once

class QWidget;

namespace curvedesk {

// The program's placement of a dialog or tool window opened from the main window: its top is
// (owner top + owner height) / 2 - its own height / 2, and its left likewise from the owner's left
// and width. Call it when the dialog is shown, once its size is known.
void PlaceDialog(QWidget& dialog, const QWidget& owner);

}  // namespace curvedesk
