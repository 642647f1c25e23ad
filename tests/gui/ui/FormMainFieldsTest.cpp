#include "gui/ui/MainWindowFixture.h"

#include "core/common/ErrorMessages.h"
#include "core/graph/GraphScale.h"
#include "gui/graph/GraphView.h"

namespace curvedesk::testing {
namespace {

using Answer = Prompter::Answer;

class FormMainFieldsTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    Open(WriteCurve("four.crv", 4));
  }
  const SensorStateGraph& Shown() const { return document->ShownGraph(); }
  void Choose(const char* list, int index) {
    auto* combo = Find<QComboBox>(list);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }
};

TEST_F(FormMainFieldsTest, RevLimitIsCheckedBeforeItIsStored) {
  struct Case {
    QString typed;
    std::string message;  // empty: accepted
    std::int16_t stored;
  };
  const Case cases[] = {
      {"12550", "RPM value must be less than or equal to 12500.", 9000},
      {"1225", "RPM value must be a multiple of 50.", 9000},
      {"500", GetErrorMessage(ErrRevLimitTooLow), 9000},
      {"4500", GetErrorMessage(ErrRevLimitBelowNode), 9000},
      {"9500", "", 9500},
      {"", "", -1},
  };
  for (const Case& c : cases) {
    ArrangeShown([](SensorStateGraph& graph) { graph.RevLimit = 9000; });
    prompter.asked.clear();
    Enter("txtRevLimit", c.typed);

    const bool accepted = c.message.empty();
    EXPECT_EQ(prompter.Texts(), accepted ? std::vector<std::string>{} : std::vector<std::string>{c.message})
        << c.typed.toStdString();
    EXPECT_EQ(Shown().RevLimit, c.stored) << c.typed.toStdString();
    EXPECT_EQ(Modified(), accepted);
    // Enter moves on only from an accepted value.
    EXPECT_EQ(Find("cboNumTransitions")->hasFocus(), accepted) << c.typed.toStdString();
  }
}

TEST_F(FormMainFieldsTest, NumericFieldsTakeOnlyDigits) {
  auto* field = Find<NumericField>("txtRpmSw1Start");
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, "2a0-0. 0");
  EXPECT_EQ(field->text(), "2000");
}

TEST_F(FormMainFieldsTest, SwitchStartMustStayBelowItsStop) {
  Enter("txtRpmSw1Start", "3000");
  Enter("txtRpmSw1Stop", "4000");
  EXPECT_EQ(Shown().RpmSw1Start, 3000);
  EXPECT_EQ(Shown().RpmSw1Stop, 4000);
  EXPECT_TRUE(Find("txtRpmSw2Start")->hasFocus());

  for (const QString stop : {"3000", "2000"}) {
    prompter.asked.clear();
    Enter("txtRpmSw1Stop", stop);
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"The Start RPM value must be less than the Stop RPM value."});
    EXPECT_EQ(Shown().RpmSw1Stop, 4000);
    EXPECT_TRUE(Find("txtRpmSw1Stop")->hasFocus());
  }

  // Clearing the stop is accepted although the start holds a value.
  prompter.asked.clear();
  Enter("txtRpmSw1Stop", "");
  EXPECT_TRUE(prompter.asked.empty());
  EXPECT_EQ(Shown().RpmSw1Stop, -1);
  EXPECT_EQ(Shown().RpmSw1Start, 3000);
}

TEST_F(FormMainFieldsTest, FieldsTheIgnitionLacksAreDisabledAndEnterPassesThemBy) {
  context.ignitionDescriptions[0].RpmSwitch2Allowed = false;
  window->RefreshFromCurve();
  EXPECT_FALSE(Find("txtRpmSw2Start")->isEnabled());
  EXPECT_FALSE(Find("lblRpmSw2")->isEnabled());
  EXPECT_TRUE(Find("txtRpmSw1Stop")->isEnabled());
  Enter("txtRpmSw1Stop", "4000");
  EXPECT_TRUE(Find("cboNumTransitions")->hasFocus());
}

TEST_F(FormMainFieldsTest, ALeftFieldWithRefusedTextGetsTheFocusBack) {
  auto* field = Find<NumericField>("txtRpmSw2Start");
  field->setFocus();
  QTest::keyClicks(field, "25");
  Find("txtGraphInfo")->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"RPM value must be a multiple of 50."});
  EXPECT_TRUE(field->hasFocus());
  EXPECT_EQ(Shown().RpmSw2Start, -1);
}

TEST_F(FormMainFieldsTest, RefusedListChoicesRollBackWithOneMessage) {
  // Ten nodes up to 5000 RPM and a rev limit of 9000: fewer nodes are always fine, more sparks
  // than the plots' room are not.
  Choose("cboNumTransitions", 3);
  EXPECT_EQ(Shown().NumTransitions, 5);
  ArrangeShown([](SensorStateGraph& graph) { graph.RPM[4] = 8900; });
  Choose("cboNumTransitions", 8);
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>{GetErrorMessage(ErrNodesDoNotFit)});
  EXPECT_EQ(Shown().NumTransitions, 5);
  EXPECT_EQ(Find<QComboBox>("cboNumTransitions")->currentText(), "5");

  Choose("cboNumSparks", 0);
  prompter.asked.clear();
  ArrangeShown([](SensorStateGraph& graph) {
    for (GraphNode& node : graph.Nodes) node.PS = 5;
  });
  Choose("cboNumSparks", 2);
  EXPECT_EQ(prompter.Texts(), std::vector<std::string>{GetErrorMessage(ErrSparkPlotSpacing)});
  EXPECT_EQ(Shown().NumSparks, 1);
  EXPECT_EQ(Find<QComboBox>("cboNumSparks")->currentText(), "1");
}

TEST_F(FormMainFieldsTest, DraggingTheRevLimitLineUpdatesTheFieldAndMarksTheChange) {
  auto* graph = Find<GraphView>("picGraph");
  const QPointF line = graph->ToWidget(QPointF(RpmToX(9000), AngleToY(100)));
  const QPointF target = graph->ToWidget(QPointF(RpmToX(10500), AngleToY(100)));
  QTest::mousePress(graph, Qt::LeftButton, Qt::NoModifier, line.toPoint());
  QMouseEvent move(QEvent::MouseMove, target, graph->mapToGlobal(target), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(graph, &move);
  QTest::mouseRelease(graph, Qt::LeftButton, Qt::NoModifier, target.toPoint());

  EXPECT_EQ(Shown().RevLimit, 10500);
  EXPECT_EQ(Find<QLineEdit>("txtRevLimit")->text(), "10500");
  EXPECT_TRUE(Modified());
  EXPECT_TRUE(Title().endsWith("]*"));
}

TEST_F(FormMainFieldsTest, SensorStateSelectorShowsThatGraphWithoutMarkingAChange) {
  auto* selector = Find<QComboBox>("cboSensorSelect");
  ASSERT_EQ(selector->count(), 4);
  EXPECT_TRUE(selector->itemText(0).startsWith("GND  "));
  EXPECT_TRUE(selector->itemText(0).endsWith("  <2.5 VDC"));
  EXPECT_TRUE(selector->itemText(3).startsWith("UnGND  "));
  EXPECT_TRUE(selector->itemText(3).endsWith("  >2.5 VDC"));

  Choose("cboSensorSelect", 2);
  EXPECT_EQ(document->ShownState(), 2);
  EXPECT_EQ(Find<QLineEdit>("txtGraphInfo")->text(), "graph 2");
  EXPECT_EQ(Find<QLineEdit>("txtRevLimit")->text(), "9200");
  EXPECT_FALSE(Modified());
}

TEST_F(FormMainFieldsTest, NoteIsStoredAsTypedAndEnterIsRefused) {
  auto* note = Find<QLineEdit>("txtGraphInfo");
  note->setFocus();
  note->selectAll();
  QTest::keyClicks(note, "street");
  QTest::keyClick(note, Qt::Key_Return);
  EXPECT_EQ(Shown().GraphInfo, "street");
  EXPECT_TRUE(Modified());
  EXPECT_EQ(note->maxLength(), 256);
}

TEST_F(FormMainFieldsTest, PasteNeedsACopyAndAsksBeforeOverwriting) {
  Find<QToolButton>("cmdGraphPaste")->click();
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(prompter.asked[0].title, "Warning");
  EXPECT_EQ(prompter.asked[0].text, "You must copy a graph first.");
  EXPECT_EQ(prompter.asked[0].buttons, Prompter::Buttons::OkCancel);
  EXPECT_FALSE(Modified());

  // State 0 is copied; state 1 is changed, state 3 stays untouched.
  ArrangeShown([](SensorStateGraph& graph) { graph.NumSparks = 2; });
  Find<QToolButton>("cmdGraphCopy")->click();
  Arrange([this](CurveData& curve) { curve.Graphs[3] = context.defaultGraph; });
  prompter.asked.clear();

  Choose("cboSensorSelect", 1);
  prompter.answers = {Answer::No};
  Find<QToolButton>("cmdGraphPaste")->click();
  EXPECT_EQ(prompter.Texts(),
            std::vector<std::string>{"This will overwrite the current settings for this graph.\r\n\r\nAre you sure?"});
  EXPECT_EQ(Shown().NumSparks, 3);

  prompter.answers = {Answer::Yes};
  Find<QToolButton>("cmdGraphPaste")->click();
  EXPECT_EQ(Shown().NumSparks, 2);
  EXPECT_EQ(Shown().GraphInfo, "graph 1");
  EXPECT_EQ(Find<QComboBox>("cboNumSparks")->currentText(), "2");
  EXPECT_TRUE(Modified());

  // An untouched graph takes the copy without a question.
  Choose("cboSensorSelect", 3);
  prompter.asked.clear();
  Find<QToolButton>("cmdGraphPaste")->click();
  EXPECT_TRUE(prompter.asked.empty());
  EXPECT_EQ(Shown().NumSparks, 2);
}

TEST_F(FormMainFieldsTest, ChoosingACoilShowsItsPictureAndClearsTheWarning) {
  Arrange([](CurveData& curve) { curve.CoilType.clear(); });
  auto* coils = Find<QComboBox>("cboCoilSat");
  coils->setFocus();
  QTest::mouseClick(coils, Qt::LeftButton);
  QApplication::processEvents();
  coils->hidePopup();
  ASSERT_EQ(coils->count(), 6);
  Choose("cboCoilSat", 4);

  EXPECT_EQ(document->Curve().CoilType, "ZNQ");
  EXPECT_FALSE(Find("frWarning")->isVisible());
  EXPECT_TRUE(Find("PictureZnqPack")->isVisible());
  EXPECT_FALSE(Find("PictureKX1")->isVisible());
  EXPECT_FALSE(Modified());

  // Once it loses the focus the choice is locked.
  Find("txtGraphInfo")->setFocus();
  EXPECT_FALSE(coils->isEnabled());
}

}  // namespace
}  // namespace curvedesk::testing
