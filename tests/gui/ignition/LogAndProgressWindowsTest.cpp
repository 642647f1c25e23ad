#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "gui/widgets/FormProgress.h"
#include "gui/ignition/FormScrollText.h"

namespace curvedesk {
namespace {

TEST(FormScrollTextTest, LinesGoToTheEndAndTheViewFollowsThem) {
  FormScrollText log("Programming curve data ...", nullptr);
  log.ShowOverOwner();
  auto* text = log.findChild<QPlainTextEdit*>("txtText");
  ASSERT_NE(text, nullptr);
  EXPECT_TRUE(text->isReadOnly());
  log.AddTextLine("first");
  // A click at the start of the text must not change where the next line goes.
  text->moveCursor(QTextCursor::Start);
  for (int line = 0; line < 200; ++line) log.AddTextLine("    RPM " + std::to_string(line) + " ...");
  log.AddTextLine("");
  log.AddTextLine("last");
  EXPECT_TRUE(log.Text().startsWith("first\n    RPM 0 ...\n"));
  EXPECT_TRUE(log.Text().endsWith("    RPM 199 ...\n\nlast\n"));
  EXPECT_EQ(text->verticalScrollBar()->value(), text->verticalScrollBar()->maximum());
  EXPECT_GT(text->verticalScrollBar()->maximum(), 0);
  log.ClearText();
  EXPECT_TRUE(log.Text().isEmpty());
}

TEST(FormScrollTextTest, TheUserCannotCloseItDuringARun) {
  FormScrollText log("Programming curve data ...", nullptr);
  log.ShowOverOwner();
  log.SetRunning(true);
  auto* close = log.findChild<QPushButton*>("cmdClose");
  ASSERT_NE(close, nullptr);
  EXPECT_FALSE(close->isEnabled());
  EXPECT_EQ(log.Tag(), "0");

  EXPECT_FALSE(log.close());  // the title bar's close button
  EXPECT_TRUE(log.isVisible());
  EXPECT_EQ(log.Tag(), "2");

  log.CloseByProgram();
  EXPECT_FALSE(log.isVisible());
}

TEST(FormScrollTextTest, AfterTheRunItsCloseButtonClosesIt) {
  FormScrollText log("log", nullptr);
  log.ShowOverOwner();
  log.SetRunning(true);
  log.SetRunning(false);
  QTest::mouseClick(log.findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
  EXPECT_FALSE(log.isVisible());
  EXPECT_EQ(log.Tag(), "2");
}

TEST(FormProgressTest, ShowsTheValueAndOnlyTheProgramClosesIt) {
  FormProgress progress("Printing", nullptr);
  progress.ShowOverOwner();
  EXPECT_EQ(progress.windowTitle(), "Printing");
  EXPECT_EQ(progress.Progress(), 0);
  progress.SetProgress(35);
  EXPECT_EQ(progress.findChild<QProgressBar*>("prgProgress")->value(), 35);
  progress.SetProgress(130);  // a job's rounding past the end
  EXPECT_EQ(progress.Progress(), 100);

  EXPECT_FALSE(progress.close());
  EXPECT_TRUE(progress.isVisible());
  progress.CloseByProgram();
  EXPECT_FALSE(progress.isVisible());
}

TEST(FormProgressTest, ItsLabelShowsOnlyWhenItHasText) {
  FormProgress progress("Printing", nullptr);
  progress.ShowOverOwner();
  auto* label = progress.findChild<QLabel*>("lblProgress");
  ASSERT_NE(label, nullptr);
  EXPECT_FALSE(label->isVisible());
  progress.SetLabel("Printing page 2 ...");
  EXPECT_TRUE(label->isVisible());
  EXPECT_EQ(label->text(), "Printing page 2 ...");
  progress.CloseByProgram();
}

}  // namespace
}  // namespace curvedesk
