#include <gtest/gtest.h>

#include "core/graph/GraphElements.h"
#include "core/graph/GraphScale.h"
#include "core/model/CurveRules.h"
#include "core/model/CurveData.h"
#include "support/graph/FixedTextMeasure.h"

namespace curvedesk {
namespace {

std::vector<int> VisibleMarkers(const GraphElements& elements) {
  std::vector<int> visible;
  for (int k = 1; k <= kElements; ++k)
    if (elements.Marker(k).visible) visible.push_back(k);
  return visible;
}

std::vector<int> VisibleLines(const GraphElements& elements) {
  std::vector<int> visible;
  for (int k = 1; k <= kElements; ++k)
    if (elements.Line(k).visible) visible.push_back(k);
  return visible;
}

std::vector<int> Range(int first, int last) {
  std::vector<int> values;
  for (int k = first; k <= last; ++k) values.push_back(k);
  return values;
}

std::vector<int> Join(std::vector<int> a, const std::vector<int>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(DrawGraph, ShowsThePlotsAndNodesInUse) {
  const struct {
    int sparks;
    int transitions;
    std::vector<int> markers;
  } cases[] = {
      {3, 10, Range(1, 40)},
      {1, 10, Range(1, 20)},
      {2, 10, Range(1, 30)},
      {1, 2, {1, 2, 11, 12}},
      {3, 5, Join(Join(Range(1, 5), Range(11, 15)), Join(Range(21, 25), Range(31, 35)))},
  };
  for (const auto& c : cases) {
    SensorStateGraph graph = MakeDefaultGraph();
    graph.NumSparks = static_cast<std::int16_t>(c.sparks);
    graph.NumTransitions = static_cast<std::int16_t>(c.transitions);
    GraphElements elements;
    elements.DrawGraph(graph);
    EXPECT_EQ(VisibleMarkers(elements), c.markers) << c.sparks << " sparks, " << c.transitions << " nodes";
    // Every node in use has its line: a joining line or the last node's line to the right edge.
    EXPECT_EQ(VisibleLines(elements), c.markers) << c.sparks << " sparks, " << c.transitions << " nodes";
  }
}

TEST(DrawGraph, TwoNodesGiveOneJoiningLineAndOneLineToTheRightEdge) {
  SensorStateGraph graph = MakeDefaultGraph();
  graph.NumTransitions = 2;
  graph.RPM[1] = 3000;
  graph.Nodes[0].PS = 15;
  graph.Nodes[1].PS = 30;
  GraphElements elements;
  elements.DrawGraph(graph);

  const PlotLine& joining = elements.Line(ElementOf(1, 0));
  EXPECT_EQ(joining.role, LineRole::JoinsNext);
  EXPECT_EQ(joining, (PlotLine{true, LineRole::JoinsNext, RpmToX(0), AngleToY(15), RpmToX(3000), AngleToY(30)}));
  const PlotLine& last = elements.Line(ElementOf(1, 1));
  EXPECT_EQ(last, (PlotLine{true, LineRole::LastNode, RpmToX(3000), AngleToY(30), kRightEdge, AngleToY(30)}));
  EXPECT_EQ(elements.Line(ElementOf(1, 2)).role, LineRole::NotInUse);

  EXPECT_EQ(elements.Marker(ElementOf(1, 1)), (NodeMarker{true, RpmToX(3000) - 117, AngleToY(30) - 117}));
}

TEST(DrawGraph, RedrawHidesWhatTheFormerGraphShowed) {
  SensorStateGraph graph = MakeDefaultGraph();
  graph.RevLimit = 9000;
  GraphElements elements;
  elements.DrawGraph(graph);
  graph.NumSparks = 1;
  graph.NumTransitions = 3;
  graph.RevLimit = kNotSet;
  elements.DrawGraph(graph);
  EXPECT_EQ(VisibleMarkers(elements), (std::vector<int>{1, 2, 3, 11, 12, 13}));
  EXPECT_FALSE(elements.RevLimit().visible);
}

TEST(RevLimitLine, FollowsTheRevLimitAndHidesWithoutOne) {
  SensorStateGraph graph = MakeDefaultGraph();
  GraphElements elements;
  elements.DrawGraph(graph);
  EXPECT_FALSE(elements.RevLimit().visible);

  graph.RevLimit = 9500;
  elements.ShowRevLimit(graph);
  EXPECT_EQ(elements.RevLimit(), (RevLimitLine{true, RpmToX(9500), AngleToY(190), AngleToY(0)}));

  elements.HideGraph();
  EXPECT_FALSE(elements.RevLimit().visible);
  EXPECT_TRUE(VisibleMarkers(elements).empty());
  EXPECT_TRUE(VisibleLines(elements).empty());
}

// A node moved in the graph, laid out again.
void MoveAndLayOut(GraphElements& elements, SensorStateGraph& graph, int plot, int node, int rpm, int angle) {
  StoreNodeValues(graph, plot, node, static_cast<std::int16_t>(rpm), static_cast<std::int16_t>(angle));
  elements.DrawGraph(graph);
}

TEST(MovedNode, StoresTheValuesAndMovesEveryPlotSideways) {
  SensorStateGraph graph = MakeDefaultGraph();
  GraphElements elements;
  elements.DrawGraph(graph);

  MoveAndLayOut(elements, graph, 2, 4, 2200, 45);

  EXPECT_EQ(graph.RPM[4], 2200);
  EXPECT_EQ(graph.Nodes[4].SS, 45);
  EXPECT_EQ(graph.Nodes[4].PS, 10);  // other plots keep their angles
  const int x = RpmToX(2200);
  for (int plot = 0; plot < 4; ++plot) {
    EXPECT_EQ(elements.Marker(ElementOf(plot, 4)).left, x - 117) << plot;
    EXPECT_EQ(elements.Line(ElementOf(plot, 3)).x2, x) << plot;
    EXPECT_EQ(elements.Line(ElementOf(plot, 4)).x1, x) << plot;
  }
  EXPECT_EQ(elements.Marker(ElementOf(2, 4)).top, AngleToY(45) - 117);
  EXPECT_EQ(elements.Marker(ElementOf(1, 4)).top, AngleToY(10) - 117);
  EXPECT_EQ(elements.Line(ElementOf(2, 3)).y2, AngleToY(45));
  EXPECT_EQ(elements.Line(ElementOf(2, 4)).y1, AngleToY(45));
  EXPECT_EQ(elements.Line(ElementOf(1, 4)).y1, AngleToY(10));
}

TEST(MovedNode, TheLastNodesLineStaysHorizontalToTheRightEdge) {
  SensorStateGraph graph = MakeDefaultGraph();
  GraphElements elements;
  elements.DrawGraph(graph);

  MoveAndLayOut(elements, graph, 0, 9, 6000, 60);

  EXPECT_EQ(elements.Line(ElementOf(0, 9)), (PlotLine{true, LineRole::LastNode, RpmToX(6000), AngleToY(60), kRightEdge,
                                                      AngleToY(60)}));
  EXPECT_EQ(elements.Line(ElementOf(1, 9)).y2, AngleToY(10));
}

TEST(MovedNode, NodeZeroHasNoLineBeforeIt) {
  SensorStateGraph graph = MakeDefaultGraph();
  GraphElements elements;
  elements.DrawGraph(graph);
  const PlotLine before = elements.Line(ElementOf(0, 9));
  MoveAndLayOut(elements, graph, 1, 0, 0, 30);
  EXPECT_EQ(elements.Line(ElementOf(0, 9)), before);  // not element 0 - 1 of another plot
  EXPECT_EQ(elements.Line(ElementOf(1, 0)).y1, AngleToY(30));
}

TEST(ShowNodeInfo, ReadsTheMarkerBackAndPlacesTheLabelBesideIt) {
  const testing::FixedTextMeasure measure;  // 100 twips per character, lines 200 high
  SensorStateGraph graph = MakeDefaultGraph();
  graph.NumTransitions = 10;
  graph.RPM[9] = 12500;
  graph.Nodes[9].CO = 240;
  graph.Nodes[4] = GraphNode{60, 35, 20, 5};
  GraphElements elements;
  elements.DrawGraph(graph);

  const struct {
    int element;
    std::string rpm, angle;
    int left, top;
  } cases[] = {
      // Above and right of the marker.
      {ElementOf(1, 4), "2000 RPM", "35 Deg", RpmToX(2000) - 117 + 235, AngleToY(35) - 117 - 400},
      // Near the right edge the label goes to the left of the marker (width 8 characters + 100).
      {ElementOf(3, 9), "12500 RPM", "0 Deg", 9000 - 117 - 1000, AngleToY(0) - 117 - 400},
      // At the top the label goes below the marker.
      {ElementOf(0, 9), "12500 RPM", "240 Deg", 9000 - 117 - 1000, 100 - 117 + 235},
  };
  for (const auto& c : cases) {
    elements.ShowNodeInfo(c.element, measure);
    const NodeInfoLabel& label = elements.Label();
    EXPECT_TRUE(label.visible);
    EXPECT_EQ(label.rpmLine, c.rpm) << c.element;
    EXPECT_EQ(label.angleLine, c.angle) << c.element;
    EXPECT_EQ(label.left, c.left) << c.element;
    EXPECT_EQ(label.top, c.top) << c.element;
    EXPECT_EQ(label.height, 400);
  }
  elements.HideNodeInfo();
  EXPECT_FALSE(elements.Label().visible);
}

}  // namespace
}  // namespace curvedesk
