#pragma once

#include <QString>

class QWidget;

namespace curvedesk::shots {

// Writes the widget as <folder>/<name>.png and names the file on standard output.
void Save(QWidget& widget, const QString& folder, const QString& name);
// The same drawn at twice the pixel density, to check that drawing stays sharp on high-DPI screens.
void SaveHighDpi(QWidget& widget, const QString& folder, const QString& name);

// One function per group of pictures.
void TakeGraphShots(const QString& folder);
void TakeMainWindowShots(const QString& folder);
void TakeIgnitionShots(const QString& folder);
void TakeWizardShots(const QString& folder);
void TakeDialogShots(const QString& folder);
// The questions and messages about unsaved changes kept for recovery.
void TakeRecoveryShots(const QString& folder);
// The program and document icons at the sizes a desktop shows them.
void TakeIconShots(const QString& folder);

}  // namespace curvedesk::shots
