#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "Shots.h"
#include "core/common/Prompter.h"
#include "core/document/ComparisonCurve.h"
#include "core/graph/GraphScale.h"
#include "core/model/AppContext.h"
#include "gui/graph/FormSparkAdvance.h"
#include "gui/graph/GraphView.h"

namespace curvedesk::shots {

namespace {

class SilentPrompter : public Prompter {
 public:
  Answer Ask(const std::string&, const std::string&, Icon, Buttons) override { return Answer::Ok; }
};

void WriteLimits(const QString& folder) {
  QFile file(folder + "/Limits.ini");
  if (!file.open(QIODevice::WriteOnly)) return;
  file.write("[COIL_CUST_KX1]\r\n");
  for (int row = 0; row < 10; ++row) file.write(QString("Range%1=%2\r\n").arg(row).arg(40 + row * 2).toLatin1());
}

// A three-spark curve: all four plots, ten nodes and a rev limit.
SensorStateGraph FourPlotGraph() {
  SensorStateGraph graph = MakeDefaultGraph();
  graph.RevLimit = 9500;
  graph.RPM = {0, 800, 1500, 2500, 3500, 4500, 5500, 6500, 7500, 9000};
  const std::array<std::int16_t, 10> primary = {15, 18, 24, 30, 34, 36, 38, 40, 40, 40};
  const std::array<std::int16_t, 10> coilOn = {60, 70, 80, 100, 120, 130, 140, 150, 150, 150};
  for (int node = 0; node < 10; ++node) {
    graph.Nodes[node] = GraphNode{coilOn[node], primary[node], static_cast<std::int16_t>(primary[node] - 6),
                                  static_cast<std::int16_t>(primary[node] - 12)};
  }
  return graph;
}

void Send(GraphView& view, QEvent::Type type, const QPointF& pos, Qt::MouseButtons buttons) {
  QMouseEvent event(type, pos, view.mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                    buttons, Qt::NoModifier);
  QApplication::sendEvent(&view, &event);
}

QPointF MarkerCentre(const GraphView& view, int element) {
  const NodeMarker& marker = view.Elements().Marker(element);
  return view.ToWidget(QPointF(marker.left + kMarkerHalf, marker.top + kMarkerHalf));
}

}  // namespace

void TakeGraphShots(const QString& folder) {
  QTemporaryDir data;
  WriteLimits(data.path());
  AppContext context;
  context.folders.dataDir = data.path().toStdString();
  CurveData curve;
  ClearCurve(curve, context.defaultGraph);
  curve.CoilType = "KX-1";
  curve.Graphs[0] = FourPlotGraph();
  CurveDocument document(context.defaultGraph, {LimitsFilePath(context.folders), context.edition});
  document.Open(curve, "");
  SilentPrompter prompter;

  GraphView view(document, prompter);
  view.resize(920, 736);
  view.show();
  Save(view, folder, "graph-four-plots");
  SaveHighDpi(view, folder, "graph-four-plots-hidpi");

  document.Close();
  Save(view, folder, "graph-empty");
  document.Open(curve, "");

  const QPointF hovered = MarkerCentre(view, ElementOf(1, 4));
  Send(view, QEvent::MouseMove, hovered, Qt::NoButton);
  Save(view, folder, "graph-hover");

  Send(view, QEvent::MouseButtonPress, hovered, Qt::LeftButton);
  Send(view, QEvent::MouseMove, view.ToWidget(QPointF(RpmToX(3900), AngleToY(45))), Qt::LeftButton);
  Save(view, folder, "graph-drag");
  Send(view, QEvent::MouseButtonRelease, hovered, Qt::NoButton);

  const QPointF topRight = MarkerCentre(view, ElementOf(0, 9));
  Send(view, QEvent::MouseMove, topRight, Qt::NoButton);
  Save(view, folder, "graph-hover-right");

  view.resize(560, 448);
  Save(view, folder, "graph-small");
  view.resize(920, 736);

  // A comparison with less advance and a lower rev limit, behind the curve.
  auto comparison = std::make_shared<ComparisonCurve>();
  CurveData before = curve;
  for (GraphNode& node : before.Graphs[0].Nodes) {
    node.PS = static_cast<std::int16_t>(node.PS * 3 / 4);
    node.SS = static_cast<std::int16_t>(node.PS - 6);
    node.TS = static_cast<std::int16_t>(std::max(node.PS - 12, 0));
    node.CO = static_cast<std::int16_t>(node.CO - 20);
  }
  before.Graphs[0].RevLimit = 8000;
  view.ShowComparison(comparison);
  comparison->Open(before, "/curves/shipped.crv");
  view.HighlightNode(0, 5);
  Save(view, folder, "graph-compare");
  view.ClearHighlight();
  comparison->Close();

  FormSparkAdvance& dialog = view.NodeDialog();
  QTimer::singleShot(0, &dialog, [&dialog, &folder] {
    Save(dialog, folder, "spark-advance-dialog");
    dialog.reject();
  });
  dialog.Ask(3500, 34);
}

}  // namespace curvedesk::shots
