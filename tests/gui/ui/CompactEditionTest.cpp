// Where the compact edition's main window differs from the full edition's: its coils and their
// pictures, its buttons, and the one node byte it programs differently.
#include <QComboBox>
#include <QSignalSpy>

#include "core/ignition/CurveBytes.h"
#include "core/ignition/CurveFixtures.h"
#include "core/ignition/TimingTableFiles.h"
#include "gui/ignition/IgnitionFixture.h"

namespace curvedesk::testing {
namespace {

using Answer = Prompter::Answer;

const char* Name(Edition edition) { return edition == Edition::Full ? "full" : "compact"; }

class EditionWindowTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    // The Quad Stack's limits, told apart from the other coils' by their rising percentages.
    std::ofstream limits(LimitsFilePath(context.folders), std::ios::app);
    limits << "[COIL_CUST_QS]\r\n";
    for (int row = 0; row < 10; ++row) limits << "Range" << row << "=" << 11 + row << "\r\n";
  }
  // The window of the given edition in place of the fixture's.
  void Rebuild(Edition edition) {
    window.reset();
    context.edition = edition;
    document = std::make_unique<CurveDocument>(context.defaultGraph,
                                               CoilLimitsSource{LimitsFilePath(context.folders), edition});
    window = std::make_unique<FormMain>(context, *document, prompter, dialogs);
    window->show();
  }
  // A curve saved with the given coil and opened.
  void OpenWithCoil(const std::string& coil) {
    CurveData curve;
    ClearCurve(curve, context.defaultGraph);
    curve.Name = "Korvane Tarvo GT-1";
    curve.CustType = "4";
    curve.CoilType = coil;
    const std::string path = dir.File("curves/coil.crv");
    SaveCurveFile(curve, "", path);
    if (window->DocumentOpen()) Arrange([](CurveData&) {});  // the curve shown before goes without a question
    Open(path);
    ASSERT_TRUE(window->DocumentOpen());
  }
  std::vector<std::string> VisiblePictures() const {
    std::vector<std::string> visible;
    for (QWidget* widget : window->findChildren<QWidget*>(QRegularExpression("^Picture")))
      if (widget->isVisible()) visible.push_back(widget->objectName().toStdString());
    return visible;
  }
  std::vector<std::string> CoilList() const {
    auto* coils = Find<QComboBox>("cboCoilSat");
    coils->setFocus();
    QTest::mouseClick(coils, Qt::LeftButton);
    QApplication::processEvents();
    coils->hidePopup();
    std::vector<std::string> entries;
    for (int i = 0; i < coils->count(); ++i) entries.push_back(coils->itemText(i).toStdString());
    return entries;
  }
};

TEST_F(EditionWindowTest, EachEditionHasItsCoilsAndTheirPictures) {
  using Names = std::vector<std::string>;
  const struct {
    Edition edition;
    Names pictures;
    Names coils;
  } cases[] = {
      {Edition::Full,
       {"PictureKX1", "PictureRW1", "PictureKX2", "Picture3ohm", "PictureZnqPack", "PictureHexStack"},
       {"KX-1", "RW-1", "KX-2", "3 Ohm Primary Coil", "ZNQ", "Hex Stack"}},
      {Edition::Compact,
       {"PictureKX1", "PictureKX2", "Picture3ohm", "PictureZnqPack", "PictureQuadStack"},
       {"KX-1", "KX-2", "3 Ohm Primary Coil", "ZNQ", "Quad Stack"}},
  };
  for (const auto& c : cases) {
    Rebuild(c.edition);
    Names pictures;
    for (QWidget* widget : window->findChildren<QWidget*>(QRegularExpression("^Picture")))
      pictures.push_back(widget->objectName().toStdString());
    EXPECT_EQ(pictures, c.pictures) << Name(c.edition);
    OpenWithCoil("KX-1");
    EXPECT_EQ(CoilList(), c.coils) << Name(c.edition);
  }
}

TEST_F(EditionWindowTest, AStoredCoilShowsItsPictureOnlyInTheEditionThatKnowsIt) {
  const struct {
    Edition edition;
    const char* coil;
    const char* picture;  // nullptr: none
  } cases[] = {
      {Edition::Full, "RW-1", "PictureRW1"},    {Edition::Full, "Hex Stack", "PictureHexStack"},
      {Edition::Full, "Quad Stack", nullptr},   {Edition::Compact, "RW-1", nullptr},
      {Edition::Compact, "Hex Stack", nullptr}, {Edition::Compact, "Quad Stack", "PictureQuadStack"},
      {Edition::Compact, "KX-2", "PictureKX2"},
  };
  for (const auto& c : cases) {
    Rebuild(c.edition);
    OpenWithCoil(c.coil);
    EXPECT_EQ(VisiblePictures(), c.picture ? std::vector<std::string>{c.picture} : std::vector<std::string>{})
        << Name(c.edition) << " " << c.coil;
    // The selector shows the stored text either way.
    EXPECT_EQ(Find<QComboBox>("cboCoilSat")->currentText().toStdString(), c.coil);
  }
}

TEST_F(EditionWindowTest, ChoosingTheQuadStackLoadsItsOwnLimits) {
  Rebuild(Edition::Compact);
  OpenWithCoil("");
  ASSERT_EQ(CoilList().back(), "Quad Stack");
  auto* coils = Find<QComboBox>("cboCoilSat");
  coils->setCurrentIndex(4);
  emit coils->activated(4);
  EXPECT_EQ(document->Curve().CoilType, "Quad Stack");
  EXPECT_EQ(VisiblePictures(), std::vector<std::string>{"PictureQuadStack"});
  EXPECT_TRUE(prompter.asked.empty());
  for (std::size_t row = 0; row < document->CoilLimits().Rows.size(); ++row)
    EXPECT_EQ(document->CoilLimits().Rows[row].Percent, static_cast<int>(11 + row)) << row;
}

TEST_F(EditionWindowTest, CompactButtonsRunTheirConfigCommandsAndCloseIsInTheMenuOnly) {
  Rebuild(Edition::Full);
  EXPECT_NE(window->findChild<QToolButton*>("CmdClose"), nullptr);
  EXPECT_EQ(window->findChild<QToolButton*>("cmdChangeTachType"), nullptr);
  EXPECT_EQ(window->findChild<QToolButton*>("ConfigureSerialPort"), nullptr);

  Rebuild(Edition::Compact);
  EXPECT_EQ(window->findChild<QToolButton*>("CmdClose"), nullptr);
  auto* tach = Find<QToolButton>("cmdChangeTachType");
  EXPECT_EQ(tach->text(), "Change Tach Type");
  EXPECT_EQ(Find<QToolButton>("ConfigureSerialPort")->text(), "Configure Serial Port");
  EXPECT_FALSE(tach->isEnabled()) << "no curve";

  OpenWithCoil("KX-1");
  EXPECT_TRUE(tach->isEnabled());
  ModalScript script;
  script.Then([](QDialog& dialog) {
    EXPECT_EQ(dialog.objectName(), "FormCfgTachType");
    auto* list = dialog.findChild<QComboBox*>("cboTachType");
    list->setCurrentIndex(list->findText("8"));
    ModalScript::Click("cmdOK")(dialog);
  });
  tach->click();
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(document->Curve().TachType, 8);
  EXPECT_EQ(Find<QLineEdit>("txtTachType")->text(), "8 Cyl");

  prompter.answers = {Answer::No};
  Action("mnuFileClose")->trigger();
  EXPECT_FALSE(window->DocumentOpen());
  EXPECT_FALSE(tach->isEnabled());
}

// The compact window with its ignition commands and the emulated board.
class CompactIgnitionTest : public IgnitionFixture {
 protected:
  void SetUp() override {
    context.edition = Edition::Compact;
    IgnitionFixture::SetUp();
    std::filesystem::copy_file(std::string(CURVEDESK_SOURCE_DATA_DIR) + "/tableshdd.ini",
                               context.folders.dataDir + "/tableshdd.ini");
  }
};

TEST_F(CompactIgnitionTest, ConfigureSerialPortButtonOpensThePortDialog) {
  auto* button = Find<QToolButton>("ConfigureSerialPort");
  EXPECT_TRUE(button->isEnabled()) << "available without a curve";
  script.Then([](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Serial Port Settings");
    ModalScript::Click("cmdCancel")(dialog);
  });
  button->click();
  EXPECT_TRUE(script.Done());
}

TEST_F(CompactIgnitionTest, ACustomLayoutOnTheCrankGetsItsIntervalSparkComputed) {
  CurveData curve = TwoStateCurve();  // crank rotor
  curve.NumCylinders = kCustomCylinders;
  curve.CustType = "H-D (Dual Fire)";
  context.CustName = curve.CustType;
  document->Open(curve, "", true);
  prompter.answers = {Answer::Ok};
  Action("mnuFileProgramIgnition")->trigger();
  ASSERT_EQ(prompter.Texts().back(), "Ignition programmed successfully");

  // Graph 0 goes to slot 2; "IntervalSpark" is the last byte of a node block. Its first node has
  // three sparks at 30, 20 and 10 degrees: the interval of a custom layout, 255, less the 20
  // degrees from the first spark to the last (the spark durations cancel out).
  const std::uint16_t node0 = kFirstSlotAddress + kSlotSize * 1 + 14;
  EXPECT_EQ(Plain(node0 + 7), 255 - 20);
  const TimingTable table = TimingTable::Load(TimingTablePath(context.folders));
  const CurveBytes compact(curve, table, Edition::Compact);
  EXPECT_EQ(Plain(node0 + 4), compact.NodeByte("InitialSpark", 0, 0)) << "the block is where it is looked for";
}

}  // namespace
}  // namespace curvedesk::testing
