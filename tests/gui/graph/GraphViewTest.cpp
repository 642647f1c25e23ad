#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <memory>

#include "core/common/ErrorMessages.h"
#include "core/document/ComparisonCurve.h"
#include "core/graph/GraphColours.h"
#include "core/graph/GraphScale.h"
#include "core/model/CurveRules.h"
#include "gui/graph/FormSparkAdvance.h"
#include "gui/graph/GraphView.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"
#include "support/graph/RecordingPrompter.h"

namespace curvedesk {
namespace {

// Coil per spark with 100 % in every range: the span limit is 350 degrees, so only the plot rules
// hold a drag.
constexpr const char* kLimits =
    "[COIL_CUST_KX1]\r\nRange0=100\r\nRange1=100\r\nRange2=100\r\nRange3=100\r\nRange4=100\r\n"
    "Range5=100\r\nRange6=100\r\nRange7=100\r\nRange8=100\r\nRange9=100\r\n";

class GraphViewTest : public ::testing::Test {
 protected:
  GraphViewTest() {
    CurveData curve;
    ClearCurve(curve, MakeDefaultGraph());
    curve.CoilType = "KX-1";
    curve.Graphs[0].RevLimit = 9000;
    document.Open(curve, "");
    view.resize(920, 736);
    view.show();
  }

  const SensorStateGraph& Graph() const { return document.ShownGraph(); }
  // Changes the shown graph as if the curve had been opened so.
  void Arrange(const std::function<void(SensorStateGraph&)>& change) {
    CurveData curve = document.Curve();
    change(curve.Graphs[0]);
    document.Open(curve, "");
  }

  // Widget position of the centre of marker k, or of a twip point.
  QPointF At(int element) const {
    const NodeMarker& marker = view.Elements().Marker(element);
    return view.ToWidget(QPointF(marker.left + kMarkerHalf, marker.top + kMarkerHalf));
  }
  QPointF At(int rpm, int angle) const { return view.ToWidget(QPointF(RpmToX(rpm), AngleToY(angle))); }

  void Send(QEvent::Type type, const QPointF& pos, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, view.mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&view, &event);
  }
  void Hover(const QPointF& pos) { Send(QEvent::MouseMove, pos, Qt::NoButton); }
  void Drag(const QPointF& from, const QPointF& to) {
    Send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    Send(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
    Send(QEvent::MouseMove, to, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, to, Qt::NoButton);
  }
  // Double-clicks a marker; while the node dialog is open, answer runs on it.
  void EditNode(int element, const std::function<void(FormSparkAdvance&)>& answer) {
    const QPointF pos = At(element);
    Hover(pos);
    QTimer::singleShot(0, &view, [this, answer] {
      FormSparkAdvance& dialog = view.NodeDialog();
      EXPECT_TRUE(dialog.isVisible());
      answer(dialog);
    });
    Send(QEvent::MouseButtonPress, pos, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, pos, Qt::NoButton);
    Send(QEvent::MouseButtonDblClick, pos, Qt::LeftButton);
  }

  testing::TempDir dir;
  CurveDocument document{MakeDefaultGraph(), {dir.Write("Limits.ini", kLimits), Edition::Full}};
  testing::RecordingPrompter prompter;
  GraphView view{document, prompter};
};

QLineEdit& Field(FormSparkAdvance& dialog, const char* name) { return *dialog.findChild<QLineEdit*>(name); }
void Click(FormSparkAdvance& dialog, const char* name) { dialog.findChild<QPushButton*>(name)->click(); }

TEST_F(GraphViewTest, IsThePicGraphSurfaceAndKeepsItsAspect) {
  EXPECT_EQ(view.objectName(), "picGraph");
  const QPointF topLeft = view.ToWidget(kGraphSurface.topLeft());
  const QPointF bottomRight = view.ToWidget(kGraphSurface.bottomRight());
  EXPECT_NEAR((bottomRight.x() - topLeft.x()) / (bottomRight.y() - topLeft.y()),
              kGraphSurface.width() / kGraphSurface.height(), 1e-9);
  view.resize(1200, 500);  // wider than the graph: it is centred, not stretched
  EXPECT_NEAR(view.ToWidget(kGraphSurface.topLeft()).y(), 0, 1e-9);
  EXPECT_GT(view.ToWidget(kGraphSurface.topLeft()).x(), 100);
}

TEST_F(GraphViewTest, ACurveShownLoadsTheCoilLimitsOfWhatTheWindowShows) {
  for (const CoilLimitRow& row : document.CoilLimits().Rows) EXPECT_EQ(row.Percent, 100);

  // The file has no distributor section: the limits file is reported as corrupted.
  CurveData distributor = document.Curve();
  distributor.SparkDist = kSparkDistDistributor;
  document.Open(distributor, "");
  ASSERT_TRUE(document.CoilLimitsError());
  EXPECT_EQ(document.CoilLimitsError()->Number(), ErrLimitsCorrupt);
  EXPECT_TRUE(view.Elements().Marker(1).visible);  // the graph itself is drawn
}

TEST_F(GraphViewTest, WithoutACurveThereIsNothingToHoverOrDrag) {
  const QPointF node = At(ElementOf(1, 3));
  document.Close();
  Hover(node);
  EXPECT_FALSE(view.Elements().Label().visible);
  Drag(node, At(2000, 30));
  EXPECT_EQ(Graph().RPM[3], 1500);
  EXPECT_FALSE(document.CanUndo());
}

TEST_F(GraphViewTest, HoveringAMarkerShowsItsValuesAndTheCross) {
  Hover(At(ElementOf(1, 3)));
  EXPECT_TRUE(view.Elements().Label().visible);
  EXPECT_EQ(view.Elements().Label().rpmLine, "1500 RPM");
  EXPECT_EQ(view.Elements().Label().angleLine, "10 Deg");
  EXPECT_EQ(view.cursor().shape(), Qt::CrossCursor);

  Hover(At(9000, 120));
  EXPECT_FALSE(view.Elements().Label().visible);
  EXPECT_EQ(view.cursor().shape(), Qt::SizeHorCursor);

  Hover(At(6000, 200));
  EXPECT_EQ(view.cursor().shape(), Qt::ArrowCursor);
  EXPECT_FALSE(document.Modified());
}

TEST_F(GraphViewTest, DraggingANodeMovesItOnEveryPlotAndReportsTheEdit) {
  Drag(At(ElementOf(1, 4)), At(2200, 15));
  EXPECT_EQ(Graph().RPM[4], 2200);
  EXPECT_EQ(Graph().Nodes[4].PS, 15);  // 5 below coil on at 20
  EXPECT_EQ(view.Elements().Marker(ElementOf(0, 4)).left, RpmToX(2200) - kMarkerHalf);
  EXPECT_TRUE(document.Modified());
  EXPECT_EQ(document.UndoName(), edit_names::kMoveNode);
  EXPECT_EQ(Graph().RevLimit, 9000);
  EXPECT_FALSE(view.Elements().Label().visible);  // hidden when the button goes up

  // The whole drag is one step.
  document.Undo();
  EXPECT_EQ(Graph().RPM[4], 2000);
  EXPECT_EQ(view.Elements().Marker(ElementOf(0, 4)).left, RpmToX(2000) - kMarkerHalf);
  EXPECT_FALSE(document.CanUndo());
}

// Records the area of every repaint of a widget.
class PaintRecorder : public QObject {
 public:
  explicit PaintRecorder(QWidget& widget) { widget.installEventFilter(this); }
  QRegion painted;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

TEST_F(GraphViewTest, ADragStepRepaintsOnlyAroundTheMovedNode) {
  QCoreApplication::processEvents();
  PaintRecorder recorder(view);
  Send(QEvent::MouseButtonPress, At(ElementOf(3, 6)), Qt::LeftButton);
  QCoreApplication::processEvents();
  recorder.painted = QRegion();
  Send(QEvent::MouseMove, At(3100, 2), Qt::LeftButton);
  QCoreApplication::processEvents();
  ASSERT_EQ(Graph().RPM[6], 3100);

  const QRect area = recorder.painted.boundingRect();
  EXPECT_TRUE(area.contains(At(ElementOf(3, 6)).toPoint()));
  // The node's column of markers and the lines to its neighbours, not the whole graph.
  EXPECT_LT(area.width(), view.width() / 4);
  EXPECT_FALSE(recorder.painted.contains(At(ElementOf(0, 0)).toPoint()));
}

TEST_F(GraphViewTest, DraggingTheRevLimitLineReportsTheNewValue) {
  Drag(At(9000, 120), At(10520, 120));
  EXPECT_EQ(Graph().RevLimit, 10500);
  EXPECT_EQ(view.Elements().RevLimit().x, RpmToX(10500));
  EXPECT_EQ(document.UndoName(), edit_names::kRevLimit);

  Drag(At(10500, 120), At(0, 120));
  EXPECT_EQ(Graph().RevLimit, 5000);  // the last node's RPM
}

TEST_F(GraphViewTest, TheRevLimitLineCanBeTakenAFewPixelsBesideItAtAnySize) {
  for (const int width : {920, 400}) {
    view.resize(width, view.heightForWidth(width));
    const QPointF line = At(9000, 120);
    Hover(line + QPointF(3, 0));
    EXPECT_EQ(view.cursor().shape(), Qt::SizeHorCursor) << width;
    Hover(line - QPointF(3, 0));
    EXPECT_EQ(view.cursor().shape(), Qt::SizeHorCursor) << width;
    Hover(line + QPointF(12, 0));
    EXPECT_EQ(view.cursor().shape(), Qt::ArrowCursor) << width;
  }
}

TEST_F(GraphViewTest, NodeDialogOkStoresTheTypedValues) {
  EditNode(ElementOf(1, 6), [](FormSparkAdvance& dialog) {
    EXPECT_EQ(Field(dialog, "txtRPM").text(), "3000");
    EXPECT_EQ(Field(dialog, "txtAngle").text(), "10");
    Field(dialog, "txtRPM").setText("3100");
    Field(dialog, "txtAngle").setText("12");
    Click(dialog, "cmdOK");
  });
  EXPECT_EQ(Graph().RPM[6], 3100);
  EXPECT_EQ(Graph().Nodes[6].PS, 12);
  EXPECT_EQ(view.Elements().Marker(ElementOf(1, 6)).top, AngleToY(12) - kMarkerHalf);
  EXPECT_EQ(view.Elements().Marker(ElementOf(3, 6)).left, RpmToX(3100) - kMarkerHalf);
  EXPECT_EQ(document.UndoName(), edit_names::kNodeValue);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(view.Editor().HoverTarget(), kNoElement);
}

TEST_F(GraphViewTest, NodeDialogCancelChangesNothing) {
  const SensorStateGraph before = Graph();
  EditNode(ElementOf(1, 6), [](FormSparkAdvance& dialog) {
    Field(dialog, "txtAngle").setText("12");
    Click(dialog, "cmdCancel");
  });
  EXPECT_EQ(Graph(), before);
  EXPECT_FALSE(document.Modified());
}

TEST_F(GraphViewTest, NodeDialogRefusalsShowTheirMessageAndKeepTheNode) {
  Arrange([](SensorStateGraph& graph) { graph.RevLimit = kNotSet; });
  const struct {
    const char* rpm;
    const char* angle;
    std::string message;
  } cases[] = {
      {"12550", "0", "RPM values cannot exceed 12,500."},
      {"", "0", GetErrorMessage(ErrTypeMismatch, "Type mismatch")},
      {"5000", "", GetErrorMessage(ErrTypeMismatch, "Type mismatch")},
      {"99999999999", "0", GetErrorMessage(ErrOverflow, "Overflow")},
  };
  for (const auto& c : cases) {
    prompter.messages.clear();
    const SensorStateGraph before = Graph();
    EditNode(ElementOf(3, 9), [&c](FormSparkAdvance& dialog) {
      Field(dialog, "txtRPM").setText(c.rpm);
      Field(dialog, "txtAngle").setText(c.angle);
      Click(dialog, "cmdOK");
    });
    EXPECT_EQ(Graph(), before) << c.rpm << " / " << c.angle;
    ASSERT_EQ(prompter.messages.size(), 1u) << c.rpm << " / " << c.angle;
    EXPECT_EQ(prompter.messages[0].title, "Error");
    EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Warning);
    EXPECT_EQ(prompter.messages[0].text, c.message);
  }
  EXPECT_FALSE(document.Modified());
}

TEST_F(GraphViewTest, DoubleClickAwayFromAMarkerOpensNothing) {
  bool opened = false;
  QTimer::singleShot(0, &view, [&] {
    opened = view.NodeDialog().isVisible();
    if (opened) view.NodeDialog().reject();
  });
  const QPointF empty = At(6000, 200);
  Hover(empty);
  Send(QEvent::MouseButtonDblClick, empty, Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_FALSE(opened);
}

TEST(FormSparkAdvance, FieldsTakeDigitsOnlyAndTheAngleHasTheFocus) {
  QWidget owner;
  owner.setGeometry(100, 80, 900, 700);
  owner.show();
  FormSparkAdvance dialog(&owner);
  QTimer::singleShot(0, &dialog, [&] {
    QLineEdit& angle = Field(dialog, "txtAngle");
    EXPECT_EQ(dialog.focusWidget(), &angle);
    EXPECT_EQ(angle.selectedText(), "35");
    EXPECT_EQ(dialog.windowTitle(), "Spark Advance");
    const QRect frame = owner.frameGeometry();
    EXPECT_EQ(dialog.frameGeometry().top(), (frame.top() + frame.height()) / 2 - dialog.frameGeometry().height() / 2);
    EXPECT_EQ(dialog.frameGeometry().left(), (frame.left() + frame.width()) / 2 - dialog.frameGeometry().width() / 2);

    angle.clear();
    QTest::keyClicks(&angle, "1a2-.3 ");
    EXPECT_EQ(angle.text(), "123");
    QTest::keyClick(&angle, Qt::Key_Backspace);
    EXPECT_EQ(angle.text(), "12");
    QTest::keyClick(&angle, Qt::Key_Return);  // the OK button is the default
  });
  EXPECT_EQ(dialog.Ask(4000, 35), "1");
  EXPECT_EQ(dialog.AngleText(), "12");
  EXPECT_EQ(dialog.RpmText(), "4000");

  QTimer::singleShot(0, &dialog, [&] { dialog.close(); });
  EXPECT_EQ(dialog.Ask(4000, 35), "2");  // closing is a Cancel
}

// Pixels of the image near a colour, within the widget rectangle area.
int PixelsLike(const QImage& image, const QRect& area, const QColor& colour) {
  int found = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
              std::abs(pixel.blue() - colour.blue()) <
          40)
        ++found;
    }
  return found;
}

TEST_F(GraphViewTest, TheComparisonIsDrawnBehindButThePointerCannotTakeIt) {
  auto comparison = std::make_shared<ComparisonCurve>();
  view.ShowComparison(comparison);
  EXPECT_EQ(view.ComparisonLegend(), "");
  const CurveData edited = document.Curve();
  CurveData shipped = edited;
  for (GraphNode& node : shipped.Graphs[0].Nodes) node.CO = 100;  // the coil-on plot where the edited curve has none
  comparison->Open(shipped, "/curves/shipped.crv");
  EXPECT_EQ(view.ComparisonLegend(), "Dashed: shipped.crv");
  const PlotLine& line = view.ComparisonElements().Line(ElementOf(0, 5));
  ASSERT_TRUE(line.visible);
  EXPECT_EQ(line.y1, AngleToY(100));

  // Painted in the faded coil-on colour along its line, and without a marker on its nodes.
  const Rgb faded = Faded(kPlotColours[0]);
  const QRect band = QRectF(At(2600, 100) - QPointF(0, 4), At(2900, 100) + QPointF(0, 4)).toRect();
  const QRect node = QRectF(At(3000, 100) - QPointF(6, 6), At(3000, 100) + QPointF(6, 6)).toRect();
  QImage image = view.grab().toImage();
  EXPECT_GT(PixelsLike(image, band, QColor(faded.r, faded.g, faded.b)), 5);
  EXPECT_EQ(PixelsLike(image, node, QColor(224, 0, 0)), 0);
  comparison->Close();
  image = view.grab().toImage();
  EXPECT_EQ(PixelsLike(image, band, QColor(faded.r, faded.g, faded.b)), 0);
  comparison->Open(shipped, "/curves/shipped.crv");

  // The pointer over a node only the comparison has finds nothing to show, take or drag.
  Hover(At(3000, 100));
  EXPECT_FALSE(view.Elements().Label().visible);
  EXPECT_EQ(view.cursor().shape(), Qt::ArrowCursor);
  Drag(At(3000, 100), At(3000, 140));
  EXPECT_FALSE(document.CanUndo());
  EXPECT_EQ(document.Curve(), edited);
  EXPECT_EQ(comparison->Curve(), shipped);
}

TEST_F(GraphViewTest, TheComparisonFollowsTheShownStateAndSaysWhichItLacks) {
  CurveData twoStates = document.Curve();
  twoStates.NumSensorStates = 2;
  twoStates.Sensor1Type = kSensorDigital;
  document.Open(twoStates, "");
  auto comparison = std::make_shared<ComparisonCurve>();
  CurveData oneState = twoStates;
  oneState.NumSensorStates = 1;
  comparison->Open(oneState, "/old/base.crv");
  view.ShowComparison(comparison);
  const auto anyVisible = [this] {
    for (int k = 1; k <= kElements; ++k)
      if (view.ComparisonElements().Line(k).visible) return true;
    return false;
  };
  EXPECT_TRUE(anyVisible());

  document.ShowState(1);
  EXPECT_FALSE(anyVisible());
  EXPECT_EQ(view.ComparisonLegend(), "base.crv has no sensor state 2");
  document.ShowState(0);
  EXPECT_TRUE(anyVisible());
  EXPECT_EQ(view.ComparisonLegend(), "Dashed: base.crv");

  document.Close();  // nothing to compare with
  EXPECT_FALSE(anyVisible());
  EXPECT_EQ(view.ComparisonLegend(), "");
}

TEST_F(GraphViewTest, AHighlightedNodeIsRingedWhileItsStateIsShown) {
  view.HighlightNode(0, 4, 1);
  ASSERT_EQ(view.HighlightedMarkers().size(), 1u);
  EXPECT_EQ(view.HighlightedMarkers()[0], view.Elements().Marker(ElementOf(1, 4)));
  view.HighlightNode(0, 4);
  EXPECT_EQ(view.HighlightedMarkers().size(), 4u);  // every plot of the three-spark graph
  view.HighlightNode(1, 4);
  EXPECT_TRUE(view.HighlightedMarkers().empty());  // another state than the one shown
  view.HighlightNode(0, 4, 2);
  Arrange([](SensorStateGraph& graph) { graph.NumSparks = 1; });
  EXPECT_TRUE(view.HighlightedMarkers().empty());  // the second spark is no longer drawn
  view.ClearHighlight();
  view.HighlightNode(0, 2);
  EXPECT_EQ(view.HighlightedMarkers().size(), 2u);
  view.ClearHighlight();
  EXPECT_TRUE(view.HighlightedMarkers().empty());
}

}  // namespace
}  // namespace curvedesk
