// The questions and messages about unsaved changes kept for recovery, as the message boxes show them.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "Shots.h"
#include "core/recovery/RecoveryCopy.h"
#include "gui/widgets/MessageBoxPrompter.h"

namespace curvedesk::shots {

namespace {

constexpr std::int64_t kJan31At130509 = 1738328709;

// Asks through the program's own message boxes and takes a picture of the box before answering it.
void SaveAsked(const QString& folder, const QString& name, const std::string& title, const std::string& text,
               Prompter::Icon icon, Prompter::Buttons buttons) {
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    if (box == nullptr) return;
    Save(*box, folder, name);
    box->close();
  });
  MessageBoxPrompter prompter;
  prompter.Ask(title, text, icon, buttons);
}

}  // namespace

void TakeRecoveryShots(const QString& folder) {
  SaveAsked(folder, "recovery-question", kRestoreTitle,
            RestoreQuestion({"/home/me/Documents/Korvane CD/Tarvo/Curves/race.crv", 1, kJan31At130509}),
            Prompter::Icon::Question, Prompter::Buttons::YesNo);
  SaveAsked(folder, "recovery-question-new-curve", kRestoreTitle, RestoreQuestion({"", 0, kJan31At130509}),
            Prompter::Icon::Question, Prompter::Buttons::YesNo);
  SaveAsked(folder, "recovery-damaged", kRecoveryTitle,
            DamagedCopyMessage({"/home/me/.local/share/curvedesk/recovery/curvedesk-20250131-130509-4242-damaged.crv",
                                "/home/me/.local/share/curvedesk/recovery/curvedesk-20250131-130509-4242-damaged.ini"},
                               "File Error: This file is not a valid Curve File."),
            Prompter::Icon::Warning, Prompter::Buttons::Ok);
  SaveAsked(folder, "recovery-not-kept", kRecoveryTitle,
            CopiesNotKeptMessage("/home/me/.local/share/curvedesk/recovery", kRecoveryFolderNotMade),
            Prompter::Icon::Warning, Prompter::Buttons::Ok);
}

}  // namespace curvedesk::shots
