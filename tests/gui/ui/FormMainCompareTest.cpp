#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDockWidget>
#include <QLabel>
#include <QPrinter>
#include <QTest>
#include <QTreeWidget>

#include "core/common/ErrorMessages.h"
#include "core/document/ComparisonCurve.h"
#include "core/graph/GraphScale.h"
#include "gui/graph/GraphView.h"
#include "gui/ignition/ModalScript.h"
#include "gui/ui/DifferenceList.h"
#include "gui/ui/MainWindowFixture.h"
#include "support/print/PdfFile.h"

namespace curvedesk::testing {
namespace {

class FormMainCompareTest : public MainWindowFixture {
 protected:
  // The curve of WriteCurve changed as the file of a later season would be.
  std::string WriteChangedCurve(const std::string& name, int states, const std::function<void(CurveData&)>& change) {
    const std::string path = WriteCurve(name, states);
    CurveData curve;
    ClearCurve(curve, context.defaultGraph);
    LoadCurveFile(curve, path, context.ignitionDescriptions, context.defaultGraph);
    change(curve);
    SaveCurveFile(curve, "", path);
    return path;
  }

  void CompareWith(const std::string& path) {
    dialogs.paths.push_back(QString::fromStdString(path));
    Action("mnuFileCompareWith")->trigger();
  }

  GraphView* Graph() const { return Find<GraphView>("picGraph"); }
  QTreeWidget* List() const { return Find<QTreeWidget>("lstDifferences"); }

  // The rows of the list as "group / caption: edited | comparison | difference".
  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (int g = 0; g < List()->topLevelItemCount(); ++g) {
      const QTreeWidgetItem* group = List()->topLevelItem(g);
      for (int r = 0; r < group->childCount(); ++r) {
        const QTreeWidgetItem* row = group->child(r);
        rows.push_back(QStringLiteral("%1 / %2: %3 | %4 | %5")
                           .arg(group->text(0), row->text(0), row->text(1), row->text(2), row->text(3))
                           .toStdString());
      }
    }
    return rows;
  }

  QTreeWidgetItem* RowNamed(const QString& group, const QString& caption) const {
    for (int g = 0; g < List()->topLevelItemCount(); ++g) {
      QTreeWidgetItem* item = List()->topLevelItem(g);
      if (item->text(0) != group) continue;
      for (int r = 0; r < item->childCount(); ++r)
        if (item->child(r)->text(0) == caption) return item->child(r);
    }
    ADD_FAILURE() << group.toStdString() << " / " << caption.toStdString();
    return nullptr;
  }
};

TEST_F(FormMainCompareTest, CompareWithOpensASecondCurveThroughTheOpenDialogAndStopComparingRemovesIt) {
  EXPECT_FALSE(Action("mnuFileCompareWith")->isEnabled());  // nothing to compare without a curve
  EXPECT_FALSE(Action("mnuFileStopComparing")->isEnabled());
  const std::string edited = WriteCurve("race.crv");
  const std::string shipped = WriteChangedCurve("shipped.crv", 1, [](CurveData& c) { c.Graphs[0].RevLimit = 8500; });
  Open(edited);
  ASSERT_TRUE(Action("mnuFileCompareWith")->isEnabled());
  EXPECT_FALSE(Find<QDockWidget>("dockDifferences")->isVisible());

  context.settings.DefCurveFilePath = dir.File("curves") + "/";
  CompareWith(shipped);
  EXPECT_TRUE(prompter.asked.empty());
  const auto& shown = dialogs.shown.back();
  EXPECT_EQ(shown.title, "Compare With");
  EXPECT_EQ(shown.folder.toStdString(), dir.File("curves") + "/");
  EXPECT_TRUE(shown.filter.startsWith("Korvane Tarvo (*.crv)"));
  ASSERT_TRUE(window->Comparison().IsOpen());
  EXPECT_EQ(window->Comparison().FileName(), shipped);
  EXPECT_TRUE(Action("mnuFileStopComparing")->isEnabled());
  EXPECT_TRUE(Find<QDockWidget>("dockDifferences")->isVisible());
  EXPECT_EQ(Graph()->ComparisonLegend(), "Dashed: shipped.crv");
  // Comparing is no edit of the curve.
  EXPECT_FALSE(document->CanUndo());
  EXPECT_FALSE(Modified());

  // A file that is no curve is reported and the comparison stays.
  CompareWith(dir.Write("notes.crv", "hello\r\n"));
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_NE(prompter.asked[0].text.find(GetErrorMessage(ErrNotCurveFile)), std::string::npos);
  EXPECT_EQ(window->Comparison().FileName(), shipped);

  Action("mnuFileStopComparing")->trigger();
  EXPECT_FALSE(window->Comparison().IsOpen());
  EXPECT_FALSE(Action("mnuFileStopComparing")->isEnabled());
  EXPECT_FALSE(Find<QDockWidget>("dockDifferences")->isVisible());
  EXPECT_EQ(Graph()->ComparisonLegend(), "");
}

TEST_F(FormMainCompareTest, TheDifferenceListFollowsEditsAsTheyHappen) {
  const std::string shipped = WriteChangedCurve("shipped.crv", 4, [](CurveData& c) {
    c.CurveFallback = 300;
    c.Graphs[1].RevLimit = 8500;
    c.Graphs[1].Nodes[3].PS = 14;
  });
  Open(WriteCurve("race.crv", 4));
  CompareWith(shipped);
  EXPECT_EQ(Rows(), (std::vector<std::string>{
                        "Configuration / Fallback RPM: 200 | 300 | -100",
                        "Sensor State 2 / Rev Limit @ RPM: 9100 | 8500 | +600",
                        "Sensor State 2 / Node 4 1st Spark: 10 | 14 | -4",
                    }));
  EXPECT_TRUE(Find<QLabel>("lblDifferences")->text().contains("shipped.crv"));

  // An edit on the graph shown (state 1) shows at once.
  Enter("txtRevLimit", "9500");
  EXPECT_EQ(Rows().size(), 4u);
  EXPECT_EQ(Rows()[1], "Sensor State 1 / Rev Limit @ RPM: 9500 | 9000 | +500");
  document->Undo();
  EXPECT_EQ(Rows().size(), 3u);

  // Made equal, state by state: the list empties and says so.
  document->ShowState(1);
  Enter("txtRevLimit", "8600");  // the same lines, another value
  EXPECT_EQ(Rows()[1], "Sensor State 2 / Rev Limit @ RPM: 8600 | 8500 | +100");
  EXPECT_EQ(List()->topLevelItem(1)->child(0)->toolTip(1), "8600");
  Enter("txtRevLimit", "8500");
  document->SetNodeValue(1, 3, document->ShownGraph().RPM[3], 14);
  document->SetCurveFallback(300);
  EXPECT_TRUE(Rows().empty());
  EXPECT_EQ(Find<QLabel>("lblDifferences")->text(), "race.crv and shipped.crv hold the same curve.");
}

TEST_F(FormMainCompareTest, ADragIsFollowedWhileItGoesOnAndAtOnceWhenThePointerIsLetGo) {
  Open(WriteCurve("race.crv", 1));
  CompareWith(WriteChangedCurve("shipped.crv", 1, [](CurveData& c) { c.CurveFallback = 300; }));
  ASSERT_EQ(Rows().size(), 1u);

  // Node 5 of the 1st spark, moved sideways at the angle it has.
  GraphView* graph = Graph();
  const NodeMarker& marker = graph->Elements().Marker(ElementOf(1, 4));
  const int angle = document->ShownGraph().Nodes[4].PS;
  QTest::mousePress(graph, Qt::LeftButton, Qt::NoModifier,
                    graph->ToWidget(QPointF(marker.left + kMarkerHalf, marker.top + kMarkerHalf)).toPoint());
  const auto moveTo = [graph, angle](int rpm) {
    const QPointF to = graph->ToWidget(QPointF(RpmToX(rpm), AngleToY(angle)));
    QMouseEvent move(QEvent::MouseMove, to, graph->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(graph, &move);
  };
  moveTo(2100);
  // While the pointer is down the list catches up within a moment.
  ASSERT_TRUE(QTest::qWaitFor([this] { return Rows().size() == 2; }, 2000)) << ::testing::PrintToString(Rows());
  EXPECT_EQ(Rows()[1], "Sensor State 1 / Node 5 RPM: 2100 | 2000 | +100");

  moveTo(2300);
  QTest::mouseRelease(graph, Qt::LeftButton, Qt::NoModifier, graph->ToWidget(QPointF(RpmToX(2300), 0)).toPoint());
  const int rpm = document->ShownGraph().RPM[4];
  ASSERT_GT(rpm, 2100);  // moved on, as far as the next node lets it
  ASSERT_EQ(Rows().size(), 2u);
  EXPECT_EQ(Rows()[1], "Sensor State 1 / Node 5 RPM: " + std::to_string(rpm) + " | 2000 | +" +
                           std::to_string(rpm - 2000));
}

TEST_F(FormMainCompareTest, ChoosingANodeRowShowsItsStateAndRingsTheNode) {
  const std::string shipped = WriteChangedCurve("shipped.crv", 4, [](CurveData& c) {
    c.Graphs[2].Nodes[5].SS = 3;
    c.Graphs[2].RevLimit = 7000;
  });
  Open(WriteCurve("race.crv", 4));
  CompareWith(shipped);
  ASSERT_EQ(document->ShownState(), 0);

  List()->setCurrentItem(RowNamed("Sensor State 3", "Node 6 2nd Spark"));
  EXPECT_EQ(document->ShownState(), 2);
  EXPECT_EQ(Find<QComboBox>("cboSensorSelect")->currentIndex(), 2);
  ASSERT_EQ(Graph()->HighlightedMarkers().size(), 1u);
  EXPECT_EQ(Graph()->HighlightedMarkers()[0], Graph()->Elements().Marker(ElementOf(2, 5)));

  // A row that is no node shows its state and rings nothing.
  document->ShowState(0);
  List()->setCurrentItem(RowNamed("Sensor State 3", "Rev Limit @ RPM"));
  EXPECT_EQ(document->ShownState(), 2);
  EXPECT_TRUE(Graph()->HighlightedMarkers().empty());

  // The chosen row stays chosen while the list follows an edit elsewhere.
  List()->setCurrentItem(RowNamed("Sensor State 3", "Node 6 2nd Spark"));
  Enter("txtRevLimit", "6500");
  ASSERT_NE(List()->currentItem(), nullptr);
  EXPECT_EQ(List()->currentItem()->text(0), "Node 6 2nd Spark");
  EXPECT_EQ(Graph()->HighlightedMarkers().size(), 1u);
}

TEST_F(FormMainCompareTest, PrintingAndPdfExportAskWhetherToIncludeTheComparison) {
  const std::string shipped = WriteChangedCurve("shipped.crv", 1, [](CurveData& c) {
    for (GraphNode& node : c.Graphs[0].Nodes) node.CO = 60;
  });
  Open(WriteCurve("race.crv"));
  std::string printed;
  window->SetPrinterChooser([&](QWidget*, QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(printed));
    return std::optional<PrintRange>(PrintRange::AllGraphs);
  });
  const auto print = [&](const std::string& name) {
    printed = dir.File(name);
    Action("mnuFilePrintGraph")->trigger();
    return ReadAll(printed);
  };
  const auto exportPdf = [&](const std::string& name) {
    dialogs.paths.push_back(QString::fromStdString(dir.File(name)));
    Action("mnuFileExportPdf")->trigger();
    return ReadAll(dir.File(name));
  };

  // Without a comparison nothing is asked.
  ModalScript script;
  const std::string alone = print("alone.pdf");
  const std::string aloneExported = exportPdf("alone-exported.pdf");

  CompareWith(shipped);
  bool checkedAtFirst = false;
  const auto answer = [&](bool include) {
    return [&checkedAtFirst, include](QDialog& dialog) {
      auto* box = dialog.findChild<QCheckBox*>("chkIncludeComparison");
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->text(), "Include the comparison curve");
      checkedAtFirst = box->isChecked();
      box->setChecked(include);
      ModalScript::Click("cmdOK")(dialog);
    };
  };
  script.Then(answer(true));
  const std::string both = print("both.pdf");
  EXPECT_TRUE(checkedAtFirst);
  script.Then(answer(false));
  const std::string unchecked = print("unchecked.pdf");
  script.Then(ModalScript::Click("cmdCancel"));
  EXPECT_EQ(print("cancelled.pdf"), "");
  script.Then(answer(true));
  const std::string bothExported = exportPdf("both-exported.pdf");
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(script.Shown(), (std::vector<QString>(4, "FormPrintOptions")));
  EXPECT_TRUE(prompter.asked.empty());

  for (const std::string* pdf : {&alone, &both, &unchecked, &bothExported}) {
    EXPECT_TRUE(LooksLikePdf(*pdf));
    EXPECT_EQ(PdfPageCount(*pdf), 1);
  }
  // The comparison's lines and legend line are more to draw; left out, the page is the same as alone.
  EXPECT_GT(both.size(), alone.size() + 200);
  EXPECT_GT(bothExported.size(), aloneExported.size() + 200);
  EXPECT_LT(std::max(unchecked.size(), alone.size()) - std::min(unchecked.size(), alone.size()), 100u);
}

}  // namespace
}  // namespace curvedesk::testing
