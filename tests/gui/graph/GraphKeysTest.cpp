// Selecting a node of the graph with the pointer and editing it from the keyboard.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "core/common/ErrorMessages.h"
#include "core/graph/GraphScale.h"
#include "core/model/CurveRules.h"
#include "gui/graph/FormSparkAdvance.h"
#include "gui/graph/GraphView.h"
#include "gui/graph/NodeSelection.h"
#include "gui/paint/GraphPainter.h"
#include "support/TempDir.h"
#include "support/graph/RecordingPrompter.h"

namespace curvedesk {
namespace {

// Every coil-on span up to 350 degrees is allowed: only the node and plot rules hold a key press.
std::string WideLimits() {
  std::string limits = "[COIL_CUST_KX1]\r\n";
  for (int row = 0; row < 10; ++row) limits += "Range" + std::to_string(row) + "=100\r\n";
  return limits;
}

struct Press {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// The default graph (nodes 0, 500 ... 4000, 5000 RPM; coil on 20, sparks 10, 5 and 0) with a rev
// limit of 9,000, shown in a graph view.
class GraphKeysTest : public ::testing::Test {
 protected:
  GraphKeysTest() {
    view.resize(920, 736);
    view.show();
    // The keyboard goes to the active window only.
    view.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&view));
    Reopen();
  }

  void Reopen() {
    CurveData curve;
    ClearCurve(curve, MakeDefaultGraph());
    curve.CoilType = "KX-1";
    curve.Graphs[0].RevLimit = 9000;
    document.Open(curve, "");
  }
  const SensorStateGraph& Graph() const { return document.ShownGraph(); }

  QPointF At(int element) const {
    const NodeMarker& marker = view.Elements().Marker(element);
    return view.ToWidget(QPointF(marker.left + kMarkerHalf, marker.top + kMarkerHalf));
  }
  void Click(const QPointF& pos) {
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QMouseEvent event(type, pos, view.mapToGlobal(pos), Qt::LeftButton,
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(&view, &event);
    }
  }
  void Type(const std::vector<Press>& presses) {
    for (const Press& press : presses) QTest::keyClick(&view, press.key, press.modifiers);
  }

  testing::TempDir dir;
  CurveDocument document{MakeDefaultGraph(), {dir.Write("Limits.ini", WideLimits()), Edition::Full}};
  testing::RecordingPrompter prompter;
  GraphView view{document, prompter};
};

TEST_F(GraphKeysTest, KeysMoveTheSelectedNodeAsOneStepOrAreRefusedWithTheRulesMessage) {
  const struct {
    const char* what;
    NodeRef clicked;
    std::vector<Press> presses;
    std::function<void(SensorStateGraph&)> expected;  // the change of the curve
    std::string message;                              // shown for a refused press
  } cases[] = {
      {"Up: one degree on a spark", {1, 3}, {{Qt::Key_Up}}, [](SensorStateGraph& g) { g.Nodes[3].PS = 11; }, ""},
      {"Shift+Up: ten steps of 10 on coil on",
       {0, 3},
       {{Qt::Key_Up, Qt::ShiftModifier}},
       [](SensorStateGraph& g) { g.Nodes[3].CO = 120; },
       ""},
      {"Up, Up, Down",
       {0, 5},
       {{Qt::Key_Up}, {Qt::Key_Up}, {Qt::Key_Down}},
       [](SensorStateGraph& g) { g.Nodes[5].CO = 30; },
       ""},
      {"Right twice: 100 RPM on every plot",
       {2, 3},
       {{Qt::Key_Right}, {Qt::Key_Right}},
       [](SensorStateGraph& g) { g.RPM[3] = 1600; },
       ""},
      {"Shift+Left: 500 RPM",
       {1, 9},
       {{Qt::Key_Left, Qt::ShiftModifier}},
       [](SensorStateGraph& g) { g.RPM[9] = 4500; },
       ""},
      {"Tab goes to the next node of the plot",
       {1, 3},
       {{Qt::Key_Tab}, {Qt::Key_Up}},
       [](SensorStateGraph& g) { g.Nodes[4].PS = 11; },
       ""},
      {"Tab from a plot's last node goes to the next plot",
       {0, 9},
       {{Qt::Key_Tab}, {Qt::Key_Up}},
       [](SensorStateGraph& g) { g.Nodes[0].PS = 11; },
       ""},
      {"Shift+Tab from a plot's first node goes back to the plot before",
       {1, 0},
       {{Qt::Key_Backtab}, {Qt::Key_Up}},
       [](SensorStateGraph& g) { g.Nodes[9].CO = 30; },
       ""},
      {"Tab from the last node goes round to the first",
       {3, 9},
       {{Qt::Key_Tab}, {Qt::Key_Up}},
       [](SensorStateGraph& g) { g.Nodes[0].CO = 30; },
       ""},
      {"Esc ends the selection: the keys change nothing", {1, 3}, {{Qt::Key_Escape}, {Qt::Key_Up}}, {}, ""},
      {"the first node stays at 0 RPM", {1, 0}, {{Qt::Key_Left}}, {}, GetErrorMessage(ErrFirstNodeRpm)},
      {"the primary spark stays 5 below coil on",
       {1, 3},
       {{Qt::Key_Up, Qt::ShiftModifier}},
       {},
       GetErrorMessage(ErrNodesTooCloseAngle)},
      {"a node stops short of its neighbour",
       {1, 7},
       {{Qt::Key_Right, Qt::ShiftModifier}},
       {},
       GetErrorMessage(ErrNodesTooCloseRpm)},
  };
  for (const auto& c : cases) {
    Reopen();
    prompter.messages.clear();
    SensorStateGraph expected = Graph();
    if (c.expected) c.expected(expected);
    Click(At(ElementOf(c.clicked.plot, c.clicked.node)));
    EXPECT_TRUE(view.hasFocus()) << c.what;
    Type(c.presses);
    EXPECT_EQ(Graph(), expected) << c.what;
    if (c.message.empty()) {
      EXPECT_TRUE(prompter.messages.empty()) << c.what;
    } else {
      ASSERT_EQ(prompter.messages.size(), 1u) << c.what;
      EXPECT_EQ(prompter.messages[0].text, c.message) << c.what;
      EXPECT_EQ(prompter.messages[0].title, "Error");
    }
    // Whatever the presses did is one step.
    if (document.CanUndo()) {
      EXPECT_EQ(document.UndoName(), edit_names::kNudgeNode) << c.what;
      document.Undo();
      EXPECT_FALSE(document.CanUndo()) << c.what;
    }
  }
}

TEST_F(GraphKeysTest, TheSelectionIsRingedAndOutlivesHoverAndEdits) {
  const QImage unselected = view.grab().toImage();
  Click(At(ElementOf(1, 4)));
  ASSERT_EQ(view.Selection().Current(), (NodeRef{1, 4}));
  const NodeMarker& marker = view.Elements().Marker(ElementOf(1, 4));
  // A point on the ring, left of the marker.
  const QPoint onRing = view.ToWidget(QPointF(marker.left - 70, marker.top + kMarkerHalf)).toPoint();
  EXPECT_NE(view.grab().toImage().pixel(onRing), unselected.pixel(onRing));

  // The pointer moving elsewhere and an edit keep it; the ring moves with the node.
  QMouseEvent away(QEvent::MouseMove, At(ElementOf(0, 8)), view.mapToGlobal(At(ElementOf(0, 8))), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&view, &away);
  EXPECT_TRUE(view.Elements().Label().visible);  // hovering shows the other node's label as before
  QTest::keyClick(&view, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(view.Selection().Current(), (NodeRef{1, 4}));
  EXPECT_EQ(Graph().RPM[4], 2000);  // refused: node 5 is at 2,500

  // Fewer nodes drop a selected node the graph no longer shows; a click on empty graph ends it.
  Click(At(ElementOf(2, 8)));
  document.SetNumTransitions(5);
  EXPECT_FALSE(view.Selection().Current());
  Click(At(ElementOf(2, 3)));
  Click(view.ToWidget(QPointF(RpmToX(6000), AngleToY(200))));
  EXPECT_FALSE(view.Selection().Current());
}

TEST_F(GraphKeysTest, EnterOpensTheNodeDialogForTheSelectedNode) {
  Click(At(ElementOf(0, 6)));
  QTimer::singleShot(0, &view, [this] {
    FormSparkAdvance& dialog = view.NodeDialog();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.RpmText(), "3000");
    EXPECT_EQ(dialog.AngleText(), "20");
    dialog.findChild<QLineEdit*>("txtAngle")->setText("30");
    dialog.findChild<QPushButton*>("cmdOK")->click();
  });
  QTest::keyClick(&view, Qt::Key_Return);
  EXPECT_EQ(Graph().Nodes[6].CO, 30);
  EXPECT_EQ(document.UndoName(), edit_names::kNodeValue);
}

TEST_F(GraphKeysTest, WithoutASelectionTheKeysAreLeftToTheWindow) {
  QTest::keyClick(&view, Qt::Key_Up);
  EXPECT_FALSE(document.CanUndo());
  EXPECT_FALSE(view.Selection().Current());
}

}  // namespace
}  // namespace curvedesk
