// The configuration dialogs over the main window, and the main window of each edition.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "Shots.h"
#include "core/common/MemoryRegistryStore.h"
#include "core/common/Prompter.h"
#include "core/curvefile/CurveFile.h"
#include "core/model/AppContext.h"
#include "core/model/IgnitionDescriptionReader.h"
#include "gui/ignition/BoardSession.h"
#include "gui/ignition/IgnitionCommands.h"
#include "gui/platform/QtSerialLink.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/ui/FormCfgCurveFallback.h"
#include "gui/ui/FormCfgRotorPos.h"
#include "gui/ui/FormCfgSensors.h"
#include "gui/ui/FormCfgSparkDist.h"
#include "gui/ui/FormCfgTachType.h"
#include "gui/ui/FormChangeCylType.h"
#include "gui/ui/FormMain.h"

namespace curvedesk::shots {

namespace {

class SilentPrompter : public Prompter {
 public:
  Answer Ask(const std::string&, const std::string&, Icon, Buttons) override { return Answer::Ok; }
};

class OneFileDialogs : public FileDialogs {
 public:
  explicit OneFileDialogs(QString path) : path_(std::move(path)) {}
  QString OpenFile(QWidget*, const QString&, const QString&, const QString&) override { return path_; }
  QString SaveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }

 private:
  QString path_;
};

// A four-state curve of the ignition with both sensors, the second analog, with the edition's
// stacked coil, so that the coil picture and both threshold controls show.
std::string WriteCurve(const std::string& folder, Edition edition) {
  CurveData curve;
  ClearCurve(curve, MakeDefaultGraph());
  curve.Name = "Korvane Tarvo GT-1";
  curve.CustType = "4";
  curve.CoilType = edition == Edition::Compact ? "Quad Stack" : "Hex Stack";
  curve.NumSensorStates = 4;
  curve.Sensor1Type = kSensorDigital;
  curve.Sensor2Type = kSensorAnalog;
  curve.Sensor2Volt = Currency::FromTenths(25);
  curve.TachType = 4;
  SensorStateGraph& graph = curve.Graphs[0];
  graph.GraphInfo = "Street";
  graph.RevLimit = 9500;
  graph.RPM = {0, 800, 1500, 2500, 3500, 4500, 5500, 6500, 7500, 9000};
  for (std::size_t node = 0; node < 10; ++node) {
    const auto primary = static_cast<std::int16_t>(15 + 3 * node);
    graph.Nodes[node] = GraphNode{static_cast<std::int16_t>(60 + 10 * node), primary,
                                  static_cast<std::int16_t>(primary - 6), static_cast<std::int16_t>(primary - 12)};
  }
  const std::string path = folder + "/dialogs.crv";
  SaveCurveFile(curve, "", path);
  return path;
}

void SaveDialog(QDialog& dialog, const QString& folder, const QString& name) {
  dialog.show();
  QApplication::processEvents();
  Save(dialog, folder, name);
  dialog.hide();
}

void TakeEditionShots(const QString& folder, Edition edition, const QString& prefix) {
  QTemporaryDir temporary;
  AppContext context;
  context.edition = edition;
  context.folders = {CURVEDESK_SOURCE_DATA_DIR, temporary.filePath(QStringLiteral("docs")).toStdString()};
  ReadIgnitionDescriptions(context.ignitionDescriptions, context.folders);
  SilentPrompter prompter;
  OneFileDialogs dialogs(QString::fromStdString(WriteCurve(temporary.path().toStdString(), edition)));
  CurveDocument document(context.defaultGraph, {LimitsFilePath(context.folders), context.edition});
  FormMain window(context, document, prompter, dialogs);
  // The ignition commands as the program has them, so that their buttons show as available; no
  // port is ever opened here.
  MemoryRegistryStore store;
  QtSerialLink link([] { return std::string(); });
  BoardSession session(link, context.settings.ComSettings);
  IgnitionCommands commands(context, store, prompter, dialogs, session, &window);
  window.SetIgnitionCommands(commands);
  window.resize(1280, 800);
  window.show();
  QApplication::processEvents();
  Save(window, folder, prefix + "-main-empty");
  window.findChild<QAction*>(QStringLiteral("mnuFileOpen"))->trigger();
  QApplication::processEvents();
  Save(window, folder, prefix + "-main");
  for (QWidget* picture : window.findChildren<QWidget*>(QRegularExpression(QStringLiteral("^Picture"))))
    if (picture->isVisible()) SaveHighDpi(*picture, folder, prefix + "-coil-" + picture->objectName());

  FormCfgSensors sensors(document.Curve(), context.ignitionDescriptions, prompter, &window);
  SaveDialog(sensors, folder, prefix + "-FormCfgSensors");
  FormCfgSparkDist sparkDist(document.Curve(), context.ignitionDescriptions, &window);
  SaveDialog(sparkDist, folder, prefix + "-FormCfgSparkDist");
  FormCfgCurveFallback fallback(document.Curve().CurveFallback, &window);
  SaveDialog(fallback, folder, prefix + "-FormCfgCurveFallback");
  FormCfgRotorPos rotorPos(document.Curve(), context.ignitionDescriptions, &window);
  SaveDialog(rotorPos, folder, prefix + "-FormCfgRotorPos");
  FormCfgTachType tachType(document.Curve().TachType, &window);
  SaveDialog(tachType, folder, prefix + "-FormCfgTachType");
  FormChangeCylType cylType(document.Curve().CustType, context.CustName, &window);
  SaveDialog(cylType, folder, prefix + "-FormChangeCylType");
}

}  // namespace

void TakeDialogShots(const QString& folder) {
  TakeEditionShots(folder, Edition::Full, "dialogs-full");
  TakeEditionShots(folder, Edition::Compact, "dialogs-compact");
}

}  // namespace curvedesk::shots
