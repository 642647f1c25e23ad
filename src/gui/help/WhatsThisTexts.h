#pragma once

class QWidget;

namespace curvedesk {

// Gives the main window's controls, found by object name, their "What's This" texts.
void ApplyWhatsThisTexts(QWidget& mainWindow);

}  // namespace curvedesk
