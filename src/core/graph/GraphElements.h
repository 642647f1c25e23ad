#pragma once

#include <array>
#include <string>

#include "core/graph/TextMeasure.h"
#include "core/model/CurveData.h"

namespace curvedesk {

// The drawn elements of the graph surface, in twips: forty node markers and forty lines (element
// k = plot * 10 + node + 1), the rev-limit line and the node information label. Visibility alone
// tells which elements are in use. Every position is laid out from a graph record, which the
// elements only read: an edit changes the curve, and the graph is laid out again.
inline constexpr int kPlots = 4;  // coil on, primary, second and third spark
inline constexpr int kElements = 40;
inline constexpr int kRevLimitElement = 1000;  // the editing code's number for the rev-limit line
inline constexpr int kNoElement = -1;
inline constexpr int kMarkerSize = 235;
inline constexpr int kMarkerHalf = 117;

inline constexpr int ElementOf(int plot, int node) { return plot * 10 + node + 1; }
inline constexpr int PlotOf(int element) { return (element - 1) / 10; }
inline constexpr int NodeOf(int element) { return (element - 1) % 10; }

struct NodeMarker {
  bool visible = false;
  int left = 0;
  int top = 0;

  friend bool operator==(const NodeMarker&, const NodeMarker&) = default;
};

enum class LineRole { JoinsNext = 1, LastNode = 2, NotInUse = 3 };

struct PlotLine {
  bool visible = false;
  LineRole role = LineRole::NotInUse;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;

  friend bool operator==(const PlotLine&, const PlotLine&) = default;
};

struct RevLimitLine {
  bool visible = false;
  int x = 0;
  int top = 0;     // at angle 190
  int bottom = 0;  // at angle 0

  friend bool operator==(const RevLimitLine&, const RevLimitLine&) = default;
};

struct NodeInfoLabel {
  bool visible = false;
  std::string rpmLine;    // "2500 RPM"
  std::string angleLine;  // "20 Deg"
  int left = 0, top = 0, width = 0, height = 0;

  friend bool operator==(const NodeInfoLabel&, const NodeInfoLabel&) = default;
};

inline constexpr TextStyle kNodeInfoStyle{8, false};

class GraphElements {
 public:
  GraphElements();

  // Elements are numbered 1..40 as above.
  const NodeMarker& Marker(int element) const { return markers_[element - 1]; }
  const PlotLine& Line(int element) const { return lines_[element - 1]; }
  const RevLimitLine& RevLimit() const { return revLimit_; }
  const NodeInfoLabel& Label() const { return label_; }

  // The layout of a graph: everything hidden, then plot 0 and 1, plot 2 with two sparks or more,
  // plot 3 with three, then the rev-limit line. The label is left as it is.
  void DrawGraph(const SensorStateGraph& graph);
  // Shows the nodes in use of one plot and the lines between them; the last node's line runs
  // horizontally to the right edge.
  void DrawPlot(const SensorStateGraph& graph, int plot);
  void ShowRevLimit(const SensorStateGraph& graph);
  void HideGraph();

  // The label beside marker k with the RPM and angle read back from the marker's centre; it flips
  // below the marker near the top edge and left of it near the right edge.
  void ShowNodeInfo(int element, const TextMeasure& measure);
  void HideNodeInfo() { label_.visible = false; }

  friend bool operator==(const GraphElements&, const GraphElements&) = default;

 private:
  // Moves the marker and line ends of one node of one plot to (rpm, angle). The RPM is shared, so
  // every plot's marker of the node moves sideways.
  void MoveNode(int plot, int node, int rpm, int angle);

  std::array<NodeMarker, kElements> markers_{};
  std::array<PlotLine, kElements> lines_{};
  RevLimitLine revLimit_;
  NodeInfoLabel label_;
};

}  // namespace curvedesk
