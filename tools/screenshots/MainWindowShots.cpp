#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QTableView>
#include <QPainter>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdio>
#include <fstream>

#include "Shots.h"
#include "core/common/Prompter.h"
#include "core/curvefile/CurveFile.h"
#include "core/document/ComparisonCurve.h"
#include "core/graph/GraphElements.h"
#include "core/graph/GraphScale.h"
#include "core/model/AppContext.h"
#include "core/model/IgnitionDescriptionReader.h"
#include "gui/graph/GraphView.h"
#include "gui/paint/PrintGraphPage.h"
#include "gui/print/FormPrintOptions.h"
#include "gui/ui/FormMain.h"
#include "gui/widgets/FileDialogs.h"

namespace curvedesk::shots {

namespace {

class SilentPrompter : public Prompter {
 public:
  Answer Ask(const std::string&, const std::string&, Icon, Buttons) override { return Answer::Ok; }
};

// Answers the Open dialog with one prepared file.
class OneFileDialogs : public FileDialogs {
 public:
  explicit OneFileDialogs(QString path) : path_(std::move(path)) {}
  QString OpenFile(QWidget*, const QString&, const QString&, const QString&) override { return path_; }
  QString SaveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }

 private:
  QString path_;
};

void WriteData(const AppFolders& folders) {
  QDir().mkpath(QString::fromStdString(folders.dataDir));
  std::ofstream(IgnitionDescriptionPath(folders, 1)) << "[Ign_Name]\r\nNAME=#Korvane Tarvo GT-1#\r\n";
  std::ofstream limits(LimitsFilePath(folders));
  limits << "[COIL_CUST_KX1]\r\n";
  for (int row = 0; row < 10; ++row) limits << "Range" << row << "=" << 40 + row * 2 << "\r\n";
}

// A curve with both sensors, four sensor states and all four plots on the shown state.
std::string WriteFourStateCurve(const std::string& folder) {
  CurveData curve;
  ClearCurve(curve, MakeDefaultGraph());
  curve.Name = "Korvane Tarvo GT-1";
  curve.CustType = "4";
  curve.CoilType = "KX-1";
  curve.NumSensorStates = 4;
  curve.Sensor1Type = kSensorDigital;
  curve.Sensor2Type = kSensorAnalog;
  curve.Sensor2Volt = Currency::FromTenths(25);
  SensorStateGraph& graph = curve.Graphs[0];
  graph.GraphInfo = "Street fuel, quick-shifter off";
  graph.RevLimit = 9500;
  graph.RpmSw1Start = 3000;
  graph.RpmSw1Stop = 8500;
  graph.RPM = {0, 800, 1500, 2500, 3500, 4500, 5500, 6500, 7500, 9000};
  const std::array<std::int16_t, 10> primary = {15, 18, 24, 30, 34, 36, 38, 40, 40, 40};
  const std::array<std::int16_t, 10> coilOn = {60, 70, 80, 100, 120, 130, 140, 150, 150, 150};
  for (std::size_t node = 0; node < 10; ++node)
    graph.Nodes[node] = GraphNode{coilOn[node], primary[node], static_cast<std::int16_t>(primary[node] - 6),
                                  static_cast<std::int16_t>(primary[node] - 12)};
  for (int state = 1; state < 4; ++state) curve.Graphs[state].GraphInfo = "State " + std::to_string(state + 1);
  const std::string path = folder + "/four-states.crv";
  SaveCurveFile(curve, "", path);
  return path;
}

// The four-state curve as it was shipped a season earlier: less advance, a lower rev limit, a
// different fallback and only the first sensor, so two sensor states.
std::string WriteShippedCurve(const std::string& edited, const std::string& folder) {
  AppContext context;
  context.ignitionDescriptions[0].Name = "Korvane Tarvo GT-1";
  context.ignitionDescriptions[0].Valid = true;
  CurveData curve;
  ClearCurve(curve, context.defaultGraph);
  LoadCurveFile(curve, edited, context.ignitionDescriptions, context.defaultGraph);
  curve.CurveFallback = 300;
  curve.NumSensorStates = 2;
  curve.Sensor2Type = kSensorNone;
  curve.Sensor2Volt = {};
  SensorStateGraph& graph = curve.Graphs[0];
  graph.RevLimit = 8500;
  graph.GraphInfo = "Street fuel, as shipped";
  for (std::size_t node = 3; node < 10; ++node) {
    GraphNode& n = graph.Nodes[node];
    for (std::int16_t* angle : {&n.PS, &n.SS, &n.TS}) *angle = static_cast<std::int16_t>(*angle - 5);
  }
  const std::string path = folder + "/shipped.crv";
  SaveCurveFile(curve, "", path);
  return path;
}

// A printed page with the comparison behind the curve, at a screen's resolution.
void SavePrintedPage(const CurveData& curve, const CurveData& comparison, const QString& folder) {
  constexpr int kDotsPerInch = 96;
  QImage page(static_cast<int>(8.5 * kDotsPerInch), 11 * kDotsPerInch, QImage::Format_RGB32);
  page.fill(Qt::white);
  QPainter painter(&page);
  PrintGraphPage(painter, kDotsPerInch, curve, "", 0, nullptr, {&comparison, "shipped.crv"});
  painter.end();
  const QString path = folder + "/print-compare-page.png";
  page.save(path);
  std::printf("%s\n", path.toLocal8Bit().constData());
}

// Layouts settle in posted events; a picture taken before them shows stale geometry.
void SaveSettled(QWidget& window, const QString& folder, const QString& name) {
  QApplication::processEvents();
  Save(window, folder, name);
}

void Send(QWidget& surface, QEvent::Type type, const QPointF& pos, Qt::MouseButtons buttons) {
  QMouseEvent event(type, pos, surface.mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                    buttons, Qt::NoModifier);
  QApplication::sendEvent(&surface, &event);
}

}  // namespace

void TakeMainWindowShots(const QString& folder) {
  QTemporaryDir data;
  AppContext context;
  context.folders = {data.filePath(QStringLiteral("data")).toStdString(), data.filePath(QStringLiteral("docs")).toStdString()};
  WriteData(context.folders);
  ReadIgnitionDescriptions(context.ignitionDescriptions, context.folders);
  const std::string curve = WriteFourStateCurve(data.path().toStdString());

  SilentPrompter prompter;
  OneFileDialogs dialogs(QString::fromStdString(curve));
  CurveDocument document(context.defaultGraph, {LimitsFilePath(context.folders), context.edition});
  FormMain window(context, document, prompter, dialogs);
  window.resize(1280, 800);
  window.show();
  SaveSettled(window, folder, "main-empty");

  window.findChild<QAction*>(QStringLiteral("mnuFileOpen"))->trigger();
  SaveSettled(window, folder, "main-four-states");

  auto* graph = window.findChild<GraphView*>(QStringLiteral("picGraph"));
  const NodeMarker& marker = graph->Elements().Marker(ElementOf(1, 4));
  const QPointF hovered = graph->ToWidget(QPointF(marker.left + kMarkerHalf, marker.top + kMarkerHalf));
  Send(*graph, QEvent::MouseMove, hovered, Qt::NoButton);
  SaveSettled(window, folder, "main-hover");

  Send(*graph, QEvent::MouseButtonPress, hovered, Qt::LeftButton);
  Send(*graph, QEvent::MouseMove, graph->ToWidget(QPointF(RpmToX(3900), AngleToY(45))), Qt::LeftButton);
  SaveSettled(window, folder, "main-drag");
  Send(*graph, QEvent::MouseButtonRelease, hovered, Qt::NoButton);

  // The Edit menu after the drag: its entries name the step.
  auto* edit = window.findChild<QMenu*>(QStringLiteral("mnuEdit"));
  edit->popup(window.mapToGlobal(QPoint(40, 20)));
  SaveSettled(*edit, folder, "main-edit-menu");
  edit->hide();

  // A laptop screen, 1366 x 768 less a task bar.
  window.resize(FormMain::DefaultSize(QSize(1366, 728)));
  SaveSettled(window, folder, "main-1366x768");

  window.resize(1000, 660);
  SaveSettled(window, folder, "main-small");

  // A node selected from the keyboard's point of view, and the node table beside the graph with a
  // range of rows selected.
  window.resize(1280, 800);
  const NodeMarker& selected = graph->Elements().Marker(ElementOf(0, 3));
  const QPointF clicked = graph->ToWidget(QPointF(selected.left + kMarkerHalf, selected.top + kMarkerHalf));
  Send(*graph, QEvent::MouseButtonPress, clicked, Qt::LeftButton);
  Send(*graph, QEvent::MouseButtonRelease, clicked, Qt::NoButton);
  SaveSettled(window, folder, "main-selected-node");

  window.findChild<QAction*>(QStringLiteral("mnuViewNodeTable"))->trigger();
  auto* table = window.findChild<QTableView*>(QStringLiteral("tblNodes"));
  table->selectionModel()->select(QItemSelection(table->model()->index(2, 1), table->model()->index(6, 2)),
                                  QItemSelectionModel::ClearAndSelect);
  table->selectionModel()->setCurrentIndex(table->model()->index(2, 1), QItemSelectionModel::NoUpdate);
  SaveSettled(window, folder, "main-node-table");
  window.resize(FormMain::DefaultSize(QSize(1366, 728)));
  SaveSettled(window, folder, "main-node-table-1366x768");
  window.findChild<QAction*>(QStringLiteral("mnuViewNodeTable"))->trigger();  // the table away again

  // Comparing with the curve as shipped: the dashed overlay and the difference list.
  window.resize(FormMain::DefaultSize(QSize(1366, 728)));
  const std::string shipped = WriteShippedCurve(curve, data.path().toStdString());
  window.CompareWithFile(shipped);
  SaveSettled(window, folder, "main-compare");
  auto* list = window.findChild<QTreeWidget*>(QStringLiteral("lstDifferences"));
  const QList<QTreeWidgetItem*> rows = list->findItems(QStringLiteral("Node 6 1st Spark"), Qt::MatchRecursive);
  if (!rows.isEmpty()) list->setCurrentItem(rows.front());
  SaveSettled(window, folder, "main-compare-node");
  document.ShowState(2);
  SaveSettled(window, folder, "main-compare-missing-state");
  SaveSettled(*window.findChild<QDockWidget*>(QStringLiteral("dockDifferences")), folder, "difference-list");
  document.ShowState(0);

  FormPrintOptions options(QStringLiteral("Print Graph"), QStringLiteral("shipped.crv"), &window);
  options.show();
  SaveSettled(options, folder, "print-options");
  options.hide();
  SavePrintedPage(document.Curve(), window.Comparison().Curve(), folder);
}

}  // namespace curvedesk::shots
