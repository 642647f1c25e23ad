#include <QDir>
#include <QPushButton>
#include <QTimer>
#include <fstream>

#include "gui/help/HelpWindow.h"
#include "gui/ui/FormWizard.h"
#include "gui/ui/MainWindowFixture.h"

namespace curvedesk::testing {
namespace {

using FormMainNewTest = MainWindowFixture;

// Once the wizard is up, runs answer on it. The New command lets pending events run before it opens
// the wizard, so the watch repeats until the wizard shows.
void WithWizard(std::function<void(FormWizard&)> answer) {
  auto* watch = new QTimer;
  watch->setInterval(5);
  QObject::connect(watch, &QTimer::timeout, [watch, answer = std::move(answer)] {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      auto* wizard = qobject_cast<FormWizard*>(top);
      if (!wizard || !wizard->isVisible()) continue;
      watch->stop();
      watch->deleteLater();
      answer(*wizard);
      return;
    }
  });
  watch->start();
}

// Clicks the wizard's Next button `nexts` times and then `last`.
void AnswerWizard(int nexts, const char* last) {
  WithWizard([nexts, last](FormWizard& wizard) {
    for (int i = 0; i < nexts; ++i) wizard.findChild<QPushButton*>("cmdNav3")->click();
    wizard.findChild<QPushButton*>(last)->click();
  });
}

TEST_F(FormMainNewTest, FinishedWizardOpensTheNewCurve) {
  Open(WriteCurve("old.crv"));
  AnswerWizard(8, "cmdNav3");
  Find<QToolButton>("CmdNew")->click();
  EXPECT_TRUE(window->DocumentOpen());
  EXPECT_TRUE(Modified());
  EXPECT_TRUE(document->FileName().empty());
  EXPECT_TRUE(Title().endsWith(" - [New]*"));
  EXPECT_FALSE(Action("mnuFileSave")->isEnabled());
  EXPECT_TRUE(Action("mnuFileSaveAs")->isEnabled());
  EXPECT_EQ(Find<QLineEdit>("txtIgnitionNameModel")->text(), "Korvane Tarvo GT-1");
  EXPECT_TRUE(Find<QWidget>("frWarning")->isVisible());
  EXPECT_TRUE(Find<QComboBox>("cboCoilSat")->isEnabled());
  EXPECT_EQ(Find<QComboBox>("cboCoilSat")->currentIndex(), -1);
}

TEST_F(FormMainNewTest, CancelledWizardLeavesNoCurve) {
  Open(WriteCurve("old.crv"));
  AnswerWizard(3, "cmdNav1");
  Action("mnuFileNew")->trigger();
  EXPECT_FALSE(window->DocumentOpen());
  EXPECT_FALSE(Modified());
  EXPECT_TRUE(Title().endsWith(" - [New]"));
  EXPECT_FALSE(Action("mnuFileSaveAs")->isEnabled());
  EXPECT_TRUE(Find<QLineEdit>("txtIgnitionNameModel")->text().isEmpty());
}

TEST_F(FormMainNewTest, F1InTheWizardOpensTheHelpWindow) {
  const QString helpFolder = HelpFolder(context.folders.dataDir);
  QDir().mkpath(helpFolder);
  std::ofstream((helpFolder + "/index.html").toStdString()) << "<html><body>Help</body></html>";
  bool helpShown = false;
  WithWizard([&](FormWizard& wizard) {
    QTest::keyClick(&wizard, Qt::Key_F1);
    auto* help = window->findChild<HelpWindow*>();
    helpShown = help && help->isVisible();
    wizard.findChild<QPushButton*>("cmdNav1")->click();
  });
  Action("mnuFileNew")->trigger();
  EXPECT_TRUE(helpShown);
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>{});
}

TEST_F(FormMainNewTest, CancelledSavePromptKeepsTheCurve) {
  Open(WriteCurve("old.crv"));
  document->Open(document->Curve(), document->FileName(), true);  // changed since it was opened
  prompter.answers = {Prompter::Answer::Cancel};
  Action("mnuFileNew")->trigger();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(window->DocumentOpen());
  EXPECT_TRUE(Modified());
  EXPECT_FALSE(document->FileName().empty());
}

}  // namespace
}  // namespace curvedesk::testing
