#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>

#include "core/curvefile/CurveFile.h"
#include "core/document/CurveDocument.h"
#include "core/model/AppContext.h"
#include "core/model/IgnitionDescriptionReader.h"
#include "gui/ui/FormMain.h"
#include "gui/widgets/NumericField.h"
#include "support/TempDir.h"
#include "gui/ui/ScriptedDialogs.h"

namespace curvedesk::testing {

// One ignition description that allows every choice, and coil limits generous enough for any
// curve of the tests.
inline void InstallData(const AppFolders& folders) {
  std::filesystem::create_directories(folders.dataDir);
  std::ofstream(IgnitionDescriptionPath(folders, 1)) << "[Ign_Name]\r\nNAME=#Korvane Tarvo GT-1#\r\n";
  std::ofstream limits(LimitsFilePath(folders));
  for (const char* section : {"COIL_CUST_KX1", "COIL_CUST_RW1", "COIL_CUST_KX2", "COIL_CUST_3OHM", "COIL_CUST_ZN",
                              "COIL_CUST_HS", "DIST_4"}) {
    limits << "[" << section << "]\r\n";
    for (int row = 0; row < 10; ++row) limits << "Range" << row << "=60\r\n";
  }
}

// The main window on a context of its own, with data files and curve files in a temporary folder.
class MainWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    context.folders = {dir.File("data"), dir.File("docs")};
    InstallData(context.folders);
    ReadIgnitionDescriptions(context.ignitionDescriptions, context.folders);
    context.settings.DefCurveFilePath = dir.File("curves") + "/";
    std::filesystem::create_directories(dir.Path() / "curves");
    document = std::make_unique<CurveDocument>(context.defaultGraph,
                                               CoilLimitsSource{LimitsFilePath(context.folders), context.edition});
    window = std::make_unique<FormMain>(context, *document, prompter, dialogs);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  // A curve file with `states` sensor states; graph n carries the note "graph n".
  std::string WriteCurve(const std::string& name, int states = 1) {
    CurveData curve;
    ClearCurve(curve, context.defaultGraph);
    curve.Name = "Korvane Tarvo GT-1";
    curve.CoilType = "KX-1";
    curve.CustType = "4";
    curve.NumSensorStates = static_cast<std::int16_t>(states);
    if (states == 4) {
      curve.Sensor1Type = kSensorDigital;
      curve.Sensor2Type = kSensorAnalog;
      curve.Sensor2Volt = Currency::FromTenths(25);
    }
    for (int n = 0; n < states; ++n) {
      curve.Graphs[n].GraphInfo = "graph " + std::to_string(n);
      curve.Graphs[n].RevLimit = static_cast<std::int16_t>(9000 + 100 * n);
    }
    const std::string path = dir.File("curves/" + name);
    SaveCurveFile(curve, "", path);
    return path;
  }

  // Changes the open curve as if its file had held the change: a fresh history, not modified, the
  // same file name and sensor state shown.
  void Arrange(const std::function<void(CurveData&)>& change) {
    CurveData curve = document->Curve();
    change(curve);
    document->Open(curve, document->FileName(), false, document->ShownState());
  }
  void ArrangeShown(const std::function<void(SensorStateGraph&)>& change) {
    const auto shown = static_cast<std::size_t>(document->ShownState());
    Arrange([&](CurveData& curve) { change(curve.Graphs[shown]); });
  }
  bool Modified() const { return document->Modified(); }

  void Open(const std::string& path) {
    dialogs.paths.push_back(QString::fromStdString(path));
    Action("mnuFileOpen")->trigger();
  }

  template <typename T = QWidget>
  T* Find(const char* name) const {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QAction* Action(const char* name) const { return Find<QAction>(name); }
  QString Title() const { return window->windowTitle(); }

  // Types into a numeric field as the user would and presses Enter.
  void Enter(const char* field, const QString& text) {
    auto* edit = Find<NumericField>(field);
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
      QTest::keyClick(edit, Qt::Key_Delete);
    else
      QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }

  TempDir dir;
  AppContext context;
  ScriptedPrompter prompter;
  ScriptedFileDialogs dialogs;
  std::unique_ptr<CurveDocument> document;
  std::unique_ptr<FormMain> window;
};

}  // namespace curvedesk::testing
