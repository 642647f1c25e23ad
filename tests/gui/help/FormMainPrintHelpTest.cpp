#include <gtest/gtest.h>

#include <QListWidget>
#include <QTextBrowser>
#include <filesystem>

#include "core/common/ErrorCode.h"
#include "core/common/ErrorMessages.h"
#include "gui/help/HelpWindow.h"
#include "gui/ui/MainWindowFixture.h"
#include "support/print/PdfFile.h"

namespace curvedesk::testing {
namespace {

class FormMainPrintHelpTest : public MainWindowFixture {
 protected:
  void InstallHelp() {
    std::filesystem::copy(std::string(CURVEDESK_SOURCE_DATA_DIR) + "/help",
                          HelpFolder(context.folders.dataDir).toStdString());
  }
};

TEST_F(FormMainPrintHelpTest, HelpTopicsOpensTheContentsAndFollowsThePages) {
  InstallHelp();
  Action("mnuHelpTopics")->trigger();
  auto* help = window->findChild<HelpWindow*>();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->Contents()->item(0)->text(), "Contents");
  EXPECT_GT(help->Contents()->count(), 1);
  EXPECT_TRUE(help->Viewer()->toPlainText().contains("curvedesk Help"));

  help->Contents()->setCurrentRow(help->Contents()->count() - 1);
  EXPECT_FALSE(help->Viewer()->toPlainText().contains("curvedesk Help"));

  Action("mnuHelpTopics")->trigger();  // a second request shows the same window
  EXPECT_EQ(window->findChildren<HelpWindow*>().size(), 1);
  EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(FormMainPrintHelpTest, MissingHelpShowsTheHelpViewerError) {
  Action("mnuHelpTopics")->trigger();
  EXPECT_EQ(window->findChild<HelpWindow*>(), nullptr);
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_NE(prompter.asked[0].text.find(GetErrorMessage(ErrHelpViewer)), std::string::npos) << prompter.asked[0].text;
}

TEST_F(FormMainPrintHelpTest, MainWindowControlsExplainThemselves) {
  for (const char* name : {"txtNumCylinders", "cboSensorSelect", "txtRevLimit", "txtGraphInfo", "picGraph"})
    EXPECT_FALSE(Find<QWidget>(name)->whatsThis().isEmpty()) << name;
  EXPECT_TRUE(Action("mnuHelpWhatsThis")->isEnabled());
}

TEST_F(FormMainPrintHelpTest, ExportPdfWritesOnePagePerSensorState) {
  EXPECT_FALSE(Action("mnuFileExportPdf")->isEnabled());  // no curve open
  Open(WriteCurve("four.crv", 4));
  ASSERT_TRUE(Action("mnuFileExportPdf")->isEnabled());

  const std::string pdf = dir.File("four.pdf");
  dialogs.paths.push_back(QString::fromStdString(pdf));
  Action("mnuFileExportPdf")->trigger();
  EXPECT_TRUE(prompter.asked.empty());
  const std::string bytes = ReadAll(pdf);
  EXPECT_TRUE(LooksLikePdf(bytes));
  EXPECT_EQ(PdfPageCount(bytes), 4);
  EXPECT_TRUE(dialogs.shown.back().folder.endsWith("four.pdf"));

  Action("mnuFileExportPdf")->trigger();  // cancelled: nothing written, no message
  EXPECT_TRUE(prompter.asked.empty());
}

}  // namespace
}  // namespace curvedesk::testing
