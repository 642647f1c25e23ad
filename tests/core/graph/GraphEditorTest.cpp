#include <gtest/gtest.h>

#include "core/graph/GraphEditor.h"
#include "core/graph/GraphScale.h"
#include "support/graph/FixedTextMeasure.h"

namespace curvedesk {
namespace {

class GraphEditorTest : public ::testing::Test {
 protected:
  GraphEditorTest() {
    graph.RevLimit = 9000;
    graph.Nodes[5] = GraphNode{100, 75, 70, 65};  // markers 6, 16, 26, 36 overlap
    elements.DrawGraph(graph);
  }

  // The centre of marker k.
  int X(int k) const { return elements.Marker(k).left + kMarkerHalf; }
  int Y(int k) const { return elements.Marker(k).top + kMarkerHalf; }
  // A pointer move; the edit a drag asks for is made as the document makes it, and the graph laid
  // out again. True when the drag changed the graph.
  bool Move(double x, double y) {
    const std::optional<DragEdit> edit = editor.GraphMouseMove(graph, rules, x, y);
    if (!edit) return false;
    ApplyDragEdit(graph, *edit);
    elements.DrawGraph(graph);
    editor.ElementsMoved();
    return true;
  }

  SensorStateGraph graph = MakeDefaultGraph();
  CoilLimitTable limits = [] {
    CoilLimitTable table;
    for (CoilLimitRow& row : table.Rows) row.Percent = 100;
    return table;
  }();
  CurveRuleContext rules{200, kSparkDistCoil, 4, limits};
  testing::FixedTextMeasure measure;
  GraphElements elements;
  GraphEditor editor{elements, measure};
};

TEST_F(GraphEditorTest, HitAreas) {
  const int revX = RpmToX(9000);
  const struct {
    const char* what;
    int x, y;
    int element;
  } cases[] = {
      {"marker centre", X(3), Y(3), 3},
      {"marker corners are inside", elements.Marker(3).left, elements.Marker(3).top + 235, 3},
      {"just outside a marker", elements.Marker(3).left - 1, Y(3), kNoElement},
      {"overlapping markers: the highest plot wins", X(26), Y(26), 36},
      {"rev-limit line", revX + 20, AngleToY(100), kRevLimitElement},
      {"rev-limit line, top end", revX - 20, AngleToY(190), kRevLimitElement},
      {"beside the rev-limit line", revX + 21, AngleToY(100), kNoElement},
      {"above the rev-limit line's top end", revX, AngleToY(190) - 1, kNoElement},
      {"empty graph", 6000, 1000, kNoElement},
  };
  for (const auto& c : cases) EXPECT_EQ(editor.HitTest(c.x, c.y), c.element) << c.what;
}

TEST_F(GraphEditorTest, ASmallSurfaceWidensTheRevLimitStripButNeverNarrowsIt) {
  const int revX = RpmToX(9000);
  const struct {
    double distance;
    int widest;  // the farthest offset that still takes the line
  } cases[] = {{60, 60}, {5, 20}};
  for (const auto& c : cases) {
    editor.SetRevLimitGrabDistance(c.distance);
    EXPECT_EQ(editor.HitTest(revX + c.widest, AngleToY(100)), kRevLimitElement) << c.distance;
    EXPECT_EQ(editor.HitTest(revX - c.widest, AngleToY(100)), kRevLimitElement) << c.distance;
    EXPECT_EQ(editor.HitTest(revX + c.widest + 1, AngleToY(100)), kNoElement) << c.distance;
  }
}

TEST_F(GraphEditorTest, AMarkerIsTestedBeforeTheRevLimitLine) {
  graph.RPM[9] = 9000;
  elements.DrawGraph(graph);
  EXPECT_EQ(editor.HitTest(RpmToX(9000), Y(20)), 20);
}

TEST_F(GraphEditorTest, HoveringShowsTheLabelAndPointerShape) {
  EXPECT_FALSE(Move(X(12), Y(12)));
  EXPECT_EQ(editor.HoverTarget(), 12);
  EXPECT_EQ(editor.Pointer(), PointerShape::Cross);
  EXPECT_TRUE(elements.Label().visible);
  EXPECT_EQ(elements.Label().rpmLine, "500 RPM");
  EXPECT_EQ(elements.Label().angleLine, "10 Deg");

  EXPECT_FALSE(Move(RpmToX(9000), AngleToY(100)));
  EXPECT_EQ(editor.HoverTarget(), kRevLimitElement);
  EXPECT_EQ(editor.Pointer(), PointerShape::SizeHorizontal);
  EXPECT_FALSE(elements.Label().visible);

  EXPECT_FALSE(Move(6000, 1000));
  EXPECT_EQ(editor.HoverTarget(), kNoElement);
  EXPECT_EQ(editor.Pointer(), PointerShape::Arrow);
  EXPECT_FALSE(elements.Label().visible);
}

TEST_F(GraphEditorTest, DraggingAMarkerMovesTheNodeFromWhereItWasGrabbed) {
  // Grabbed 50 twips right of and below the centre; the node follows the pointer, not the grab point.
  editor.GraphMouseDown(X(13) + 50, Y(13) + 50);
  EXPECT_EQ(editor.DragTarget(), 13);
  EXPECT_EQ(editor.Pointer(), PointerShape::Cross);
  EXPECT_TRUE(elements.Label().visible);

  EXPECT_FALSE(Move(X(13) + 50, Y(13) + 50));  // no change yet
  EXPECT_TRUE(Move(RpmToX(1200) + 50, AngleToY(12) + 50));
  EXPECT_EQ(graph.RPM[2], 1200);
  EXPECT_EQ(graph.Nodes[2].PS, 12);
  EXPECT_EQ(elements.Marker(3).left, RpmToX(1200) - 117);  // coil on moved sideways with it
  EXPECT_EQ(elements.Label().rpmLine, "1200 RPM");
  EXPECT_EQ(elements.Label().angleLine, "12 Deg");

  EXPECT_FALSE(Move(RpmToX(1200) + 60, AngleToY(12) + 50));  // the same values: nothing to do

  editor.GraphMouseUp();
  EXPECT_EQ(editor.DragTarget(), kNoElement);
  EXPECT_EQ(editor.HoverTarget(), 13);
  EXPECT_FALSE(elements.Label().visible);
  EXPECT_FALSE(Move(RpmToX(1400), AngleToY(12)));  // moving afterwards drags nothing
  EXPECT_EQ(graph.RPM[2], 1200);
}

TEST_F(GraphEditorTest, DraggingIsClamped) {
  editor.GraphMouseDown(X(11), Y(11));  // node 0 of the primary spark
  EXPECT_TRUE(Move(RpmToX(3000), AngleToY(13)));
  EXPECT_EQ(graph.RPM[0], 0);
  EXPECT_EQ(graph.Nodes[0].PS, 13);
  EXPECT_TRUE(Move(RpmToX(3000), AngleToY(30)));
  EXPECT_EQ(graph.Nodes[0].PS, 15);                // 5 below coil on
  EXPECT_FALSE(Move(RpmToX(3000), AngleToY(40)));  // clamped to the same place again
}

TEST_F(GraphEditorTest, DraggingTheRevLimitLine) {
  editor.GraphMouseDown(RpmToX(9000) + 10, AngleToY(50));
  EXPECT_EQ(editor.DragTarget(), kRevLimitElement);
  EXPECT_EQ(editor.Pointer(), PointerShape::SizeHorizontal);

  EXPECT_TRUE(Move(RpmToX(10030), AngleToY(50)));
  EXPECT_EQ(graph.RevLimit, 10000);
  EXPECT_EQ(elements.RevLimit().x, RpmToX(10000));
  EXPECT_FALSE(Move(RpmToX(10040), 0));  // still 10,000

  EXPECT_TRUE(Move(0, 0));
  EXPECT_EQ(graph.RevLimit, 5000);  // the last node
  EXPECT_TRUE(Move(20000, 0));
  EXPECT_EQ(graph.RevLimit, 12500);
}

TEST_F(GraphEditorTest, ButtonDownOnNothingDragsNothing) {
  Move(X(5), Y(5));
  editor.GraphMouseDown(6000, 1000);
  EXPECT_EQ(editor.DragTarget(), kNoElement);
  EXPECT_EQ(editor.HoverTarget(), kNoElement);
  EXPECT_FALSE(Move(RpmToX(2200), Y(5)));
  EXPECT_EQ(graph.RPM[4], 2000);
}

TEST_F(GraphEditorTest, NodeDialogTakesTheHoveredMarker) {
  EXPECT_EQ(editor.BeginNodeDialog(), std::nullopt);

  Move(X(27), Y(27));
  editor.GraphMouseDown(X(27), Y(27));
  EXPECT_EQ(editor.BeginNodeDialog(), (NodeRef{2, 6}));
  EXPECT_EQ(editor.DragTarget(), kNoElement);
  EXPECT_EQ(editor.HoverTarget(), kNoElement);
  EXPECT_EQ(editor.Pointer(), PointerShape::Arrow);
  EXPECT_FALSE(elements.Label().visible);

  Move(RpmToX(9000), AngleToY(100));
  EXPECT_EQ(editor.BeginNodeDialog(), std::nullopt);  // the rev-limit line has no dialog
}

}  // namespace
}  // namespace curvedesk
