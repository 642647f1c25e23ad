#include "core/document/CurveDocument.h"

#include <gtest/gtest.h>

#include <random>

#include "core/common/ErrorCode.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"
#include "support/TwoStateCurve.h"

namespace curvedesk {
namespace {

using testing::ErrorOf;
using testing::TwoStateCurve;

// Coil per spark at 100 % and a distributor for four cylinders at 40 %: spans up to 350 degrees for
// a coil, 72 for the distributor.
constexpr const char* kLimits =
    "[COIL_CUST_KX1]\r\nRange0=100\r\nRange1=100\r\nRange2=100\r\nRange3=100\r\nRange4=100\r\n"
    "Range5=100\r\nRange6=100\r\nRange7=100\r\nRange8=100\r\nRange9=100\r\n"
    "[COIL_CUST_ZN]\r\nRange0=50\r\nRange1=50\r\nRange2=50\r\nRange3=50\r\nRange4=50\r\n"
    "Range5=50\r\nRange6=50\r\nRange7=50\r\nRange8=50\r\nRange9=50\r\n"
    "[DIST_4]\r\nRange0=40\r\nRange1=40\r\nRange2=40\r\nRange3=40\r\nRange4=40\r\n"
    "Range5=40\r\nRange6=40\r\nRange7=40\r\nRange8=40\r\nRange9=40\r\n";

class CurveDocumentTest : public ::testing::Test {
 protected:
  CurveDocumentTest() {
    document.Subscribe([this](const DocumentChange& change) { changes.push_back(change); });
    document.Open(TwoStateCurve(), "/curves/two.crv");
    changes.clear();
  }

  const SensorStateGraph& Graph(int state) const { return document.Curve().Graphs[static_cast<std::size_t>(state)]; }

  testing::TempDir dir;
  CurveDocument document{MakeDefaultGraph(), {dir.Write("Limits.ini", kLimits), Edition::Full}};
  std::vector<DocumentChange> changes;
};

// Each edit: what it does to the curve shown in state 1, the name Undo shows, and whether Undo
// and Redo bring back exactly the curve before and after.
TEST_F(CurveDocumentTest, EveryEditIsOneNamedStepThatUndoesAndRedoesExactly) {
  const auto sensors = [](int type2) {
    return std::array<SensorChoice, 2>{SensorChoice{kSensorDigital, {}}, SensorChoice{type2, {}}};
  };
  const struct {
    const char* name;
    std::function<void(CurveDocument&)> edit;
    std::function<bool(const CurveData&)> done;
  } cases[] = {
      {edit_names::kNodeValue, [](CurveDocument& d) { d.SetNodeValue(1, 3, 1600, 12); },
       [](const CurveData& c) { return c.Graphs[1].RPM[3] == 1600 && c.Graphs[1].Nodes[3].PS == 12; }},
      {edit_names::kNodeValue, [](CurveDocument& d) { d.SetNodeRpm(3, 1600); },
       [](const CurveData& c) { return c.Graphs[1].RPM[3] == 1600 && c.Graphs[1].Nodes[3].PS == 10; }},
      {edit_names::kNudgeNode,
       [](CurveDocument& d) {
         d.NudgeNode({0, 3}, NodeKey::Up, true);
       },
       [](const CurveData& c) { return c.Graphs[1].Nodes[3].CO == 120; }},
      {edit_names::kPasteValues, [](CurveDocument& d) { d.PasteValues(2, 2, "12\t7\n"); },
       [](const CurveData& c) { return c.Graphs[1].Nodes[2].PS == 12 && c.Graphs[1].Nodes[2].SS == 7; }},
      {edit_names::kMoveNode, [](CurveDocument& d) { d.MoveNode(0, 4, 2100, 40, d.BeginGesture()); },
       [](const CurveData& c) { return c.Graphs[1].RPM[4] == 2100 && c.Graphs[1].Nodes[4].CO == 40; }},
      {edit_names::kRevLimit, [](CurveDocument& d) { d.SetRevLimit(8000); },
       [](const CurveData& c) { return c.Graphs[1].RevLimit == 8000; }},
      {edit_names::kRevLimit, [](CurveDocument& d) { d.MoveRevLimit(10500, d.BeginGesture()); },
       [](const CurveData& c) { return c.Graphs[1].RevLimit == 10500; }},
      {edit_names::kRpmSwitch, [](CurveDocument& d) { d.SetRpmSwitch(RpmSwitchField::Switch2Stop, 6000); },
       [](const CurveData& c) { return c.Graphs[1].RpmSw2Stop == 6000; }},
      {edit_names::kNote, [](CurveDocument& d) { d.SetNote("boost on", d.BeginGesture()); },
       [](const CurveData& c) { return c.Graphs[1].GraphInfo == "boost on"; }},
      {edit_names::kTransitions, [](CurveDocument& d) { d.SetNumTransitions(4); },
       [](const CurveData& c) { return c.Graphs[1].NumTransitions == 4; }},
      {edit_names::kSparks, [](CurveDocument& d) { d.SetNumSparks(1); },
       [](const CurveData& c) { return c.Graphs[1].NumSparks == 1; }},
      {edit_names::kPasteGraph,
       [](CurveDocument& d) {
         SensorStateGraph copy = d.Curve().Graphs[0];
         copy.RevLimit = 7000;
         d.PasteGraph(copy);
       },
       [](const CurveData& c) { return c.Graphs[1].RevLimit == 7000 && c.Graphs[1].GraphInfo == "second"; }},
      {edit_names::kSensors, [&](CurveDocument& d) { d.SetSensors(sensors(kSensorAnalog)); },
       [](const CurveData& c) { return c.NumSensorStates == 4 && c.Graphs[3].GraphInfo == "second"; }},
      {edit_names::kCurveFallback, [](CurveDocument& d) { d.SetCurveFallback(300); },
       [](const CurveData& c) { return c.CurveFallback == 300; }},
      {edit_names::kRotorPos, [](CurveDocument& d) { d.SetRotorPos(kRotorCrank); },
       [](const CurveData& c) { return c.RotorPos == kRotorCrank; }},
      {edit_names::kTachType, [](CurveDocument& d) { d.SetTachType(8); },
       [](const CurveData& c) { return c.TachType == 8; }},
      {edit_names::kSparkDist, [](CurveDocument& d) { d.SetSparkDist(kSparkDistDistributor); },
       [](const CurveData& c) { return c.SparkDist == kSparkDistDistributor; }},
      {edit_names::kCustomLayout, [](CurveDocument& d) { d.SetCustomLayout("H-D (Single Fire)"); },
       [](const CurveData& c) { return c.CustType == "H-D (Single Fire)" && c.TachType == 2; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    document.Open(TwoStateCurve(), "/curves/two.crv", false, 1);
    const CurveData before = document.Curve();
    c.edit(document);
    const CurveData after = document.Curve();
    EXPECT_TRUE(c.done(after));
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(document.UndoName(), c.name);
    EXPECT_FALSE(document.CanRedo());

    document.Undo();
    EXPECT_EQ(document.Curve(), before);
    EXPECT_FALSE(document.Modified());
    EXPECT_FALSE(document.CanUndo());
    EXPECT_EQ(document.RedoName(), c.name);
    EXPECT_EQ(document.ShownState(), 1);

    document.Redo();
    EXPECT_EQ(document.Curve(), after);
    EXPECT_TRUE(document.Modified());
  }
}

TEST_F(CurveDocumentTest, RefusedEditsRaiseTheRulesErrorAndChangeNothing) {
  const struct {
    const char* what;
    std::function<void()> prepare;
    std::function<void()> refused;
    ErrorNumber error;  // 0: refused with a message of its own
  } cases[] = {
      {"node beyond the rev limit", [] {}, [&] { document.SetNodeValue(1, 9, 9050, 10); }, ErrRpmOverRevLimit},
      {"rev limit below the last node", [] {}, [&] { document.SetRevLimit(4500); }, ErrRevLimitBelowNode},
      {"nodes that do not fit",
       [&] {
         document.SetNumTransitions(5);
         document.SetRevLimit(2500);
       },
       [&] { document.SetNumTransitions(10); }, ErrNodesDoNotFit},
      {"sparks without room",
       [&] {
         document.SetNumSparks(1);
         document.SetNodeValue(1, 0, 0, 5);
       },
       [&] { document.SetNumSparks(3); }, ErrSparkPlotSpacing},
      {"fallback the nodes do not allow", [] {}, [&] { document.SetCurveFallback(500); }, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    document.Open(TwoStateCurve(), "/curves/two.crv");
    c.prepare();
    const CurveData before = document.Curve();
    const std::string lastStep = document.UndoName();
    changes.clear();
    try {
      c.refused();
      ADD_FAILURE() << "accepted";
    } catch (const AppError& error) {
      EXPECT_EQ(error.Number(), c.error);
    } catch (const RefusedWithMessage& refusal) {
      EXPECT_EQ(c.error, 0u);
      EXPECT_EQ(std::string(refusal.what()).rfind("The Curve Fallback cannot be changed to 500", 0), 0u);
    }
    EXPECT_EQ(document.Curve(), before);
    EXPECT_EQ(document.UndoName(), lastStep);
    EXPECT_TRUE(changes.empty());
  }
}

TEST_F(CurveDocumentTest, ADragIsOneStepAndDraggingBackLeavesNone) {
  const auto gesture = document.BeginGesture();
  for (int rpm : {1550, 1600, 1700}) document.MoveNode(1, 3, rpm, 10, gesture);
  EXPECT_EQ(Graph(0).RPM[3], 1700);
  document.Undo();
  EXPECT_EQ(Graph(0).RPM[3], 1500);
  EXPECT_FALSE(document.CanUndo());

  const auto back = document.BeginGesture();
  document.MoveNode(1, 3, 1600, 10, back);
  document.MoveNode(1, 3, 1500, 10, back);
  EXPECT_FALSE(document.CanUndo());
  EXPECT_FALSE(document.Modified());

  // A second drag of the same node is a step of its own.
  document.MoveNode(1, 3, 1600, 10, document.BeginGesture());
  document.MoveNode(1, 3, 1650, 10, document.BeginGesture());
  document.Undo();
  EXPECT_EQ(Graph(0).RPM[3], 1600);
}

TEST_F(CurveDocumentTest, KeyPressesOnOneNodeInARowAreOneStep) {
  const CurveData start = document.Curve();
  for (int press = 0; press < 3; ++press) document.NudgeNode({1, 3}, NodeKey::Up, false);
  document.NudgeNode({1, 3}, NodeKey::Right, false);
  EXPECT_EQ(Graph(0).Nodes[3].PS, 13);
  EXPECT_EQ(Graph(0).RPM[3], 1550);
  EXPECT_EQ(document.UndoName(), edit_names::kNudgeNode);
  document.Undo();
  EXPECT_EQ(document.Curve(), start);
  EXPECT_FALSE(document.CanUndo());

  // Another node, or another plot of the node, in between starts a step of its own.
  document.NudgeNode({1, 3}, NodeKey::Up, false);
  document.NudgeNode({1, 4}, NodeKey::Up, false);
  document.NudgeNode({2, 3}, NodeKey::Up, false);
  document.NudgeNode({1, 3}, NodeKey::Up, false);
  EXPECT_EQ(Graph(0).Nodes[3].PS, 12);
  document.Undo();
  EXPECT_EQ(Graph(0).Nodes[3].PS, 11);
  EXPECT_EQ(Graph(0).Nodes[3].SS, 6);

  // A refused press changes nothing and tells nobody.
  changes.clear();
  const CurveData before = document.Curve();
  EXPECT_EQ(ErrorOf([&] { document.NudgeNode({1, 0}, NodeKey::Left, false); }), ErrFirstNodeRpm);
  EXPECT_EQ(document.Curve(), before);
  EXPECT_TRUE(changes.empty());
}

TEST_F(CurveDocumentTest, InterpolationAndPasteAreOneStepOrNothing) {
  CurveData curve = TwoStateCurve();
  curve.Graphs[0].Nodes[5].PS = 14;
  document.Open(curve, "/curves/two.crv");
  document.Interpolate({1, 5, {1}});
  EXPECT_EQ(Graph(0).Nodes[3].PS, 12);
  EXPECT_EQ(document.UndoName(), edit_names::kInterpolate);
  document.Undo();
  EXPECT_EQ(document.Curve(), curve);

  document.PasteValues(0, 2, "11\n12\n13\n");
  EXPECT_EQ(Graph(0).Nodes[2].PS, 13);
  document.Undo();
  EXPECT_EQ(document.Curve(), curve);
  EXPECT_FALSE(document.CanUndo());

  changes.clear();
  for (const char* bad : {"11\n12\nx\n", "11\n12\n99\n"}) {
    try {
      document.PasteValues(0, 2, bad);
      ADD_FAILURE() << bad;
    } catch (const RefusedWithMessage&) {
    }
  }
  EXPECT_EQ(document.Curve(), curve);
  EXPECT_FALSE(document.CanUndo());
  EXPECT_TRUE(changes.empty());
}

TEST_F(CurveDocumentTest, ModifiedMeansNotAtTheSavedPoint) {
  document.SetRevLimit(8000);
  document.MarkSaved("/curves/two.crv");
  EXPECT_FALSE(document.Modified());

  document.SetRevLimit(8500);
  EXPECT_TRUE(document.Modified());
  document.Undo();
  EXPECT_FALSE(document.Modified());  // back at the save
  document.Undo();
  EXPECT_TRUE(document.Modified());  // past it
  document.Redo();
  EXPECT_FALSE(document.Modified());

  // An edit after undoing past the save drops the way back to it.
  document.Undo();
  document.SetRevLimit(7000);
  EXPECT_TRUE(document.Modified());
  document.Undo();
  EXPECT_TRUE(document.Modified());
  EXPECT_FALSE(document.CanUndo());

  // A typing spell does not merge across the save: the saved text stays reachable.
  const auto typing = document.BeginGesture();
  document.SetNote("a", typing);
  document.MarkSaved("/curves/two.crv");
  document.SetNote("ab", typing);
  document.Undo();
  EXPECT_EQ(Graph(0).GraphInfo, "a");
  EXPECT_FALSE(document.Modified());
}

TEST_F(CurveDocumentTest, ACurveThatOpensModifiedHasNoSavedPoint) {
  document.Open(TwoStateCurve(), "", true);
  EXPECT_TRUE(document.Modified());
  document.SetRevLimit(8000);
  document.Undo();
  EXPECT_TRUE(document.Modified());
  EXPECT_FALSE(document.CanUndo());
}

TEST_F(CurveDocumentTest, ShownStateAndCoilAreOutsideTheHistory) {
  document.ShowState(1);
  EXPECT_EQ(document.ShownState(), 1);
  EXPECT_FALSE(document.CanUndo());
  document.SetRevLimit(8000);  // on state 1
  document.ShowState(0);

  document.ChooseCoil("ZNQ");
  EXPECT_EQ(document.UndoName(), edit_names::kRevLimit);  // choosing a coil adds no step
  EXPECT_EQ(document.CoilLimits().Rows[0].Percent, 50);

  document.Undo();
  EXPECT_EQ(document.ShownState(), 1);  // the state the step edited
  EXPECT_EQ(Graph(1).RevLimit, 9000);
  EXPECT_EQ(document.Curve().CoilType, "ZNQ");
  EXPECT_EQ(document.CoilLimits().Rows[0].Percent, 50);
  document.Redo();
  EXPECT_EQ(document.Curve().CoilType, "ZNQ");
}

TEST_F(CurveDocumentTest, TheShownStateFollowsAReductionOfSensorStatesAndComesBackOnUndo) {
  document.ShowState(1);
  document.SetSensors({SensorChoice{kSensorNone, {}}, SensorChoice{kSensorNone, {}}});
  EXPECT_EQ(document.ShownState(), 0);
  EXPECT_EQ(Graph(0).GraphInfo, "second");
  document.Undo();
  EXPECT_EQ(document.ShownState(), 1);
  EXPECT_EQ(document.Curve().NumSensorStates, 2);
}

TEST_F(CurveDocumentTest, ViewsAreToldWhatChanged) {
  document.ShowState(1);
  document.SetRevLimit(8000);
  document.SetRotorPos(kRotorCrank);
  document.Undo();
  document.MarkSaved("/curves/other.crv");
  document.Close();
  ASSERT_EQ(changes.size(), 6u);
  EXPECT_EQ(changes[0].parts, unsigned{DocumentChange::kShownState});
  EXPECT_TRUE(changes[1].Has(DocumentChange::kGraphs));
  EXPECT_EQ(changes[1].graphs.to_ulong(), 0b10u);
  EXPECT_TRUE(changes[1].Has(DocumentChange::kFileState));  // now modified
  EXPECT_TRUE(changes[1].Has(DocumentChange::kHistory));
  EXPECT_FALSE(changes[1].Has(DocumentChange::kConfiguration));
  EXPECT_TRUE(changes[2].Has(DocumentChange::kConfiguration));
  EXPECT_FALSE(changes[2].Has(DocumentChange::kFileState));  // was modified already
  EXPECT_TRUE(changes[3].Has(DocumentChange::kConfiguration));
  EXPECT_TRUE(changes[3].Has(DocumentChange::kHistory));
  EXPECT_EQ(changes[4].parts, unsigned{DocumentChange::kFileState});
  EXPECT_TRUE(changes[5].Has(DocumentChange::kDocument));
  EXPECT_FALSE(document.IsOpen());
  EXPECT_EQ(document.FileName(), "");
}

TEST_F(CurveDocumentTest, AnEditThatChangesNothingLeavesNoStepAndTellsNobody) {
  document.SetRevLimit(9000);
  document.SetRotorPos(kRotorCam);
  document.SetCurveFallback(200);
  EXPECT_FALSE(document.CanUndo());
  EXPECT_TRUE(changes.empty());
}

TEST_F(CurveDocumentTest, DocumentsStartAFreshHistory) {
  document.SetRevLimit(8000);
  document.Close();
  EXPECT_FALSE(document.CanUndo());
  EXPECT_FALSE(document.Modified());
  EXPECT_EQ(document.ShownState(), 0);
  for (const SensorStateGraph& graph : document.Curve().Graphs) EXPECT_EQ(graph, MakeDefaultGraph());
  EXPECT_EQ(document.Curve().Name, "Korvane Tarvo GT-1");  // the cleared curve keeps its name and coil
  EXPECT_EQ(document.Curve().CoilType, "KX-1");
  EXPECT_EQ(ErrorOf([&] { document.SetRevLimit(8000); }), ErrGeneric);  // nothing to edit

  document.Open(TwoStateCurve(), "/curves/two.crv", false, 3);
  EXPECT_EQ(document.ShownState(), 1);  // kept below the number of states
  EXPECT_FALSE(document.CanUndo());
}

TEST_F(CurveDocumentTest, NothingChangesWhileAJobWorksOnTheCurve) {
  {
    CurveDocument::Job job(document);
    EXPECT_TRUE(document.JobRunning());
    EXPECT_EQ(ErrorOf([&] { document.SetRevLimit(8000); }), ErrGeneric);
    EXPECT_EQ(ErrorOf([&] { document.Close(); }), ErrGeneric);
    EXPECT_EQ(Graph(0).RevLimit, 9000);
  }
  EXPECT_FALSE(document.JobRunning());
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[0].parts, unsigned{DocumentChange::kJobs});
  document.SetRevLimit(8000);
  EXPECT_EQ(Graph(0).RevLimit, 8000);
}

TEST_F(CurveDocumentTest, CoilLimitsFollowTheConfigurationAndReportAMissingSection) {
  EXPECT_EQ(document.CoilLimits().Rows[3].Percent, 100);
  EXPECT_FALSE(document.CoilLimitsError());

  // The distributor's section for four cylinders: coil on 20 and last spark 0 is a 20 degree span,
  // within 72.
  document.SetSparkDist(kSparkDistDistributor);
  EXPECT_EQ(document.CoilLimits().Rows[3].Percent, 40);
  document.Undo();
  EXPECT_EQ(document.CoilLimits().Rows[3].Percent, 100);

  // Six cylinders on a distributor have no section in this file.
  CurveData six = TwoStateCurve();
  six.SparkDist = kSparkDistDistributor;
  six.NumCylinders = 6;
  document.Open(six, "");
  ASSERT_TRUE(document.CoilLimitsError());
  EXPECT_EQ(document.CoilLimitsError()->Number(), ErrLimitsCorrupt);
}

TEST_F(CurveDocumentTest, ASparkDistributionBeyondTheCoilLimitsIsRefused) {
  CurveData wide = TwoStateCurve();
  // Checked with the coil's 100 % over the distributor's 180 degrees: at most 170.
  for (GraphNode& node : wide.Graphs[1].Nodes) node.CO = 200;
  document.Open(wide, "");
  try {
    document.SetSparkDist(kSparkDistDistributor);
    ADD_FAILURE() << "accepted";
  } catch (const RefusedWithMessage& refusal) {
    EXPECT_EQ(std::string(refusal.what()),
              "Changing to this Spark Distribution type would violate\r\n"
              "the Maximum Coil On Saturation limits of the ignition.");
  }
  EXPECT_EQ(document.Curve().SparkDist, kSparkDistCoil);
  EXPECT_EQ(document.CoilLimits().Rows[3].Percent, 100);  // the coil's limits again
  EXPECT_FALSE(document.CanUndo());
}

// A few hundred random edits, refused ones included: undoing them all gives back the curve opened,
// redoing them all the curve reached.
TEST_F(CurveDocumentTest, RandomEditsUndoToTheStartAndRedoToTheEnd) {
  std::mt19937 random(20261210);
  const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  const CurveData start = document.Curve();
  for (int i = 0; i < 400; ++i) {
    try {
      switch (pick(0, 11)) {
        case 0:
          document.SetNodeValue(pick(0, 3), pick(0, 9), pick(0, 200) * 50, pick(0, 24) * 10);
          break;
        case 1:
          document.MoveNode(pick(1, 3), pick(1, 9), pick(0, 200) * 50, pick(0, 60), document.BeginGesture());
          break;
        case 2:
          document.SetRevLimit(pick(0, 1) ? -1 : pick(20, 250) * 50);
          break;
        case 3:
          document.SetRpmSwitch(static_cast<RpmSwitchField>(pick(0, 3)), pick(-1, 100) * 50);
          break;
        case 4:
          document.SetNote("note " + std::to_string(pick(0, 5)), document.BeginGesture());
          break;
        case 5:
          document.SetNumTransitions(pick(2, 10));
          break;
        case 6:
          document.SetNumSparks(pick(1, 3));
          break;
        case 7:
          document.SetSensors({SensorChoice{pick(0, 2), Currency::FromTenths(pick(1, 40))},
                               SensorChoice{pick(0, 2), Currency::FromTenths(pick(1, 40))}});
          break;
        case 8:
          document.SetCurveFallback(pick(1, 8) * 100);
          break;
        case 9:
          document.NudgeNode({pick(0, 3), pick(0, 9)}, static_cast<NodeKey>(pick(0, 3)), pick(0, 1) == 1);
          break;
        case 10:
          if (pick(0, 1))
            document.Interpolate({pick(0, 4), pick(5, 9), {pick(0, 3)}});
          else
            document.PasteValues(pick(0, 9), pick(0, 4),
                                 std::to_string(pick(0, 30) * 10) + "\t" + std::to_string(pick(0, 60)) + "\n");
          break;
        default:
          document.ShowState(pick(0, 3));
          if (pick(0, 1)) document.Undo();
          break;
      }
    } catch (const AppError&) {
    } catch (const RefusedWithMessage&) {
    }
  }
  ASSERT_NE(document.Curve(), start);
  while (document.CanRedo()) document.Redo();
  const CurveData redone = document.Curve();
  while (document.CanUndo()) document.Undo();
  EXPECT_EQ(document.Curve(), start);
  EXPECT_FALSE(document.Modified());
  while (document.CanRedo()) document.Redo();
  EXPECT_EQ(document.Curve(), redone);
}

}  // namespace
}  // namespace curvedesk
