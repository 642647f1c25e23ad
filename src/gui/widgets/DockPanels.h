#pragma once

class QDockWidget;
class QMainWindow;

namespace curvedesk {

// Panels docked on the same side of a window share it as tabs: on a laptop screen the graph has no
// room to give up for two panels side by side. Called as `panel` is being shown, it joins `other`'s
// tab group when both are docked on the same side and `other` is shown, and comes to the front.
// Panels the user has put on different sides or floated stay where they are.
void ShowSharingSide(QMainWindow& window, QDockWidget& panel, QDockWidget& other);

}  // namespace curvedesk
