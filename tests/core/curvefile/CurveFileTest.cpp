#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/common/AppError.h"
#include "core/curvefile/CurveFile.h"
#include "core/curvefile/CurveJson.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

namespace curvedesk {
namespace {

using testing::ErrorOf;
using testing::ReadAll;
using testing::TempDir;

const std::string kGolden = std::string(CURVEDESK_TEST_DATA_DIR) + "/curves/";
const std::string kCustomLayout = "2 Cyl. Cam 50\xC2\xB0 (2 Coil)";  // UTF-8 in memory

IgnitionDescriptionTable Descriptions() {
  IgnitionDescriptionTable table{};
  const char* names[] = {"Korvane Tarvo GT-1", "Compact", "Full Featured", "Retired"};
  for (std::size_t i = 0; i < 4; ++i) {
    table[i].Name = names[i];
    table[i].Valid = i != 3;
  }
  return table;
}

void SetGraph(SensorStateGraph& graph, std::string info, std::int16_t revLimit, std::array<std::int16_t, 4> switches,
              std::int16_t sparks, std::vector<std::int16_t> rpm, std::vector<GraphNode> nodes) {
  graph.GraphInfo = std::move(info);
  graph.RevLimit = revLimit;
  graph.RpmSw1Start = switches[0];
  graph.RpmSw1Stop = switches[1];
  graph.RpmSw2Start = switches[2];
  graph.RpmSw2Stop = switches[3];
  graph.NumSparks = sparks;
  graph.NumTransitions = static_cast<std::int16_t>(rpm.size());
  for (std::size_t i = 0; i < rpm.size(); ++i) {
    graph.RPM[i] = rpm[i];
    graph.Nodes[i] = nodes[i];
  }
}

// The curve of gt1-rev3.crv: four sensor states with three, two, one and three sparks.
CurveData GoldenCurve() {
  CurveData curve;
  ClearCurve(curve, MakeDefaultGraph());
  curve.Name = "Korvane Tarvo GT-1";
  curve.NumCylinders = 0;
  curve.CustType = kCustomLayout;
  curve.TachType = 2;
  curve.CurveFallback = 300;
  curve.NumSensorStates = 4;
  curve.CoilType = "KX-2";
  curve.Sensor1Type = 2;
  curve.Sensor1Volt = Currency::FromTenths(25);
  curve.Sensor2Type = 1;
  SetGraph(curve.Graphs[0], "Street #1 = base map, 25\xC2\xB0 max ", 7000, {3000, 6000, -1, -1}, 3,
           {0, 1500, 4000, 6500}, {{60, 10, 5, 0}, {90, 20, 12, 4}, {120, 30, 20, 10}, {110, 25, 15, 8}});
  SetGraph(curve.Graphs[1], "", -1, {-1, -1, 2500, 2750}, 2, {0, 2000, 5000},
           {{50, 10, 5, 0}, {80, 25, 15, 0}, {100, 35, 20, 0}});
  SetGraph(curve.Graphs[2], "single spark", 12500, {-1, -1, -1, -1}, 1, {0, 12500}, {{40, 10, 5, 0}, {70, 75, 5, 0}});
  std::vector<GraphNode> tenNodes;
  for (std::int16_t i = 0; i < 10; ++i)
    tenNodes.push_back({static_cast<std::int16_t>(20 + 10 * i), static_cast<std::int16_t>(10 + i),
                        static_cast<std::int16_t>(5 + i), i});
  SetGraph(curve.Graphs[3], "ten nodes", -1, {-1, -1, -1, -1}, 3,
           {0, 500, 1000, 1500, 2000, 2500, 3000, 3500, 4000, 5000}, tenNodes);
  return curve;
}

CurveData ClearedCurve() {
  CurveData curve;
  ClearCurve(curve, MakeDefaultGraph());
  return curve;
}

void ExpectSameCurve(const CurveData& actual, const CurveData& expected) {
  EXPECT_EQ(CurveToJson(actual, {}), CurveToJson(expected, {}));
  EXPECT_EQ(actual.Graphs, expected.Graphs);
}

TEST(SaveCurveFile, WritesTheGoldenFileByteForByte) {
  TempDir dir;
  const std::string path = dir.File("out.crv");
  SaveCurveFile(GoldenCurve(), kCustomLayout, path);
  EXPECT_EQ(ReadAll(path), ReadAll(kGolden + "gt1-rev3.crv"));
}

TEST(LoadCurveFile, ReadsTheGoldenFiles) {
  const IgnitionDescriptionTable descriptions = Descriptions();
  CurveData curve = ClearedCurve();
  LoadCurveFile(curve, kGolden + "gt1-rev3.crv", descriptions, MakeDefaultGraph());
  CurveData expected = GoldenCurve();
  expected.IgnitionIndex = 1;
  ExpectSameCurve(curve, expected);

  curve = ClearedCurve();
  LoadCurveFile(curve, kGolden + "compact-rev1.crv", descriptions, MakeDefaultGraph());
  EXPECT_EQ(curve.Name, "Compact");
  EXPECT_EQ(curve.IgnitionIndex, 2);
  EXPECT_EQ(curve.TachType, 1);  // revision 1 takes the cylinder count
  EXPECT_EQ(curve.EngineType, 2);
  EXPECT_EQ(curve.CoilType, "RW-1");
  EXPECT_EQ(curve.Graphs[0].NumSparks, 1);
  EXPECT_EQ(curve.Graphs[0].RPM[2], 8000);
  EXPECT_EQ(curve.Graphs[0].Nodes[2], (GraphNode{90, 40, 5, 0}));  // SS and TS keep what they held

  curve = ClearedCurve();
  LoadCurveFile(curve, kGolden + "full-featured-rev2.crv", descriptions, MakeDefaultGraph());
  EXPECT_EQ(curve.Name, "Full Featured");
  EXPECT_EQ(curve.IgnitionIndex, 3);
  EXPECT_EQ(curve.TachType, 4);
  EXPECT_EQ(curve.Sensor1Volt, Currency::FromTenths(35));  // written with a decimal comma
  EXPECT_EQ(curve.Graphs[1].GraphInfo, "boost");
  EXPECT_EQ(curve.Graphs[1].Nodes[1], (GraphNode{60, 25, 20, 0}));
}

TEST(LoadCurveFile, LoadingKeepsUnusedGraphs) {
  CurveData curve = ClearedCurve();
  curve.Graphs[1].GraphInfo = "kept";
  LoadCurveFile(curve, kGolden + "compact-rev1.crv", Descriptions(), MakeDefaultGraph());
  EXPECT_EQ(curve.Graphs[1].GraphInfo, "kept");
}

TEST(CurveFile, SavedCurvesLoadBack) {
  TempDir dir;
  CurveData saved = GoldenCurve();
  saved.Name = "Full Featured";
  saved.NumCylinders = 6;
  saved.CustType = "6";
  saved.Sensor2Volt = Currency::FromTenths(-5);
  saved.Graphs[0].GraphInfo = "# hashes # and = signs #";
  SaveCurveFile(saved, "ignored for six cylinders", dir.File("c.crv"));
  CurveData loaded = ClearedCurve();
  LoadCurveFile(loaded, dir.File("c.crv"), Descriptions(), MakeDefaultGraph());
  saved.IgnitionIndex = 3;
  ExpectSameCurve(loaded, saved);
}

TEST(CurveFile, LineBreaksInStringsCannotInjectKeys) {
  TempDir dir;
  CurveData saved = GoldenCurve();
  saved.Graphs[0].GraphInfo = "first line\r\nRevLimit=100\n[GRAPH_2]\nNumSparks=9";
  saved.CoilType = "KX-2\n[VERSION]\nMagic=1";
  SaveCurveFile(saved, kCustomLayout, dir.File("c.crv"));
  CurveData loaded = ClearedCurve();
  LoadCurveFile(loaded, dir.File("c.crv"), Descriptions(), MakeDefaultGraph());
  EXPECT_EQ(loaded.Graphs[0].GraphInfo, "first line  RevLimit=100 [GRAPH_2] NumSparks=9");
  EXPECT_EQ(loaded.CoilType, "KX-2 [VERSION] Magic=1");
  EXPECT_EQ(loaded.Graphs[0].RevLimit, 7000);
  EXPECT_EQ(loaded.Graphs[1].NumSparks, 2);
}

TEST(CurveFile, CustomLayoutIsWrittenAsTheCylinderText) {
  CurveData curve = ClearedCurve();
  curve.Name = "Compact";
  curve.CustType = "stale";
  const auto written = [&] { return *WriteCurveDocument(curve, "H-D (Dual Fire)").Read("GENERAL", "CustType"); };
  curve.NumCylinders = 0;
  EXPECT_EQ(written(), "#H-D (Dual Fire)#");
  curve.NumCylinders = 8;
  EXPECT_EQ(written(), "#8#");
}

struct RejectCase {
  const char* name;
  std::function<std::string(std::string)> edit;  // of the golden file's text
  ErrorNumber expected;
};

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

auto Replacing(std::string from, std::string to) {
  return [=](std::string text) { return Replace(std::move(text), from, to); };
}

TEST(LoadCurveFile, RejectionsClearTheCurve) {
  const std::vector<RejectCase> cases = {
      {"not a curve file", [](std::string) { return std::string("just some text\r\n"); }, ErrNotCurveFile},
      {"empty file", [](std::string) { return std::string(); }, ErrNotCurveFile},
      {"no VERSION section", Replacing("[VERSION]", "[VERSIONS]"), ErrNotCurveFile},
      {"wrong magic", Replacing("Magic=4897875", "Magic=4897876"), ErrNotCurveFile},
      {"revision 4", Replacing("CrvFileRev=3", "CrvFileRev=4"), ErrCurveVersion},
      {"revision 0", Replacing("CrvFileRev=3", "CrvFileRev=0"), ErrCurveVersion},
      {"no revision", Replacing("CrvFileRev=3", ""), ErrIniRead},
      {"revision 3 without TachType", Replacing("TachType=2", ""), ErrIniRead},
      {"unknown ignition", Replacing("Korvane Tarvo GT-1", "Korvane Tarvo XX"), ErrIgnNameNotFound},
      {"ignition whose description is invalid", Replacing("Korvane Tarvo GT-1", "Retired"), ErrIgnNameNotFound},
      {"ignition names are case-sensitive", Replacing("Korvane Tarvo GT-1", "korvane tarvo gt-1"), ErrIgnNameNotFound},
      {"no sensor states", Replacing("NumSensorStates=4", "NumSensorStates=0"), ErrCurveCorrupt},
      {"five sensor states", Replacing("NumSensorStates=4", "NumSensorStates=5"), ErrCurveCorrupt},
      {"one node", Replacing("NumTransitions=4", "NumTransitions=1"), ErrCurveCorrupt},
      {"eleven nodes", Replacing("NumTransitions=10", "NumTransitions=11"), ErrCurveCorrupt},
      {"no sparks", Replacing("NumSparks=3", "NumSparks=0"), ErrCurveCorrupt},
      {"four sparks", Replacing("NumSparks=3", "NumSparks=4"), ErrCurveCorrupt},
      {"RPM too large for the field", Replacing("RPM_2=1500", "RPM_2=40000"), ErrCurveCorrupt},
      {"fallback too large for the field", Replacing("CurveFallback=300", "CurveFallback=-32769"), ErrCurveCorrupt},
      {"volts not a number", Replacing("Sensor1Volt=#2.5#", "Sensor1Volt=#2.5V#"), ErrCurveCorrupt},
      {"volts missing", Replacing("Sensor2Volt=#0.0#", ""), ErrCurveCorrupt},
      {"a node key missing", Replacing("CO_2=90", ""), ErrIniRead},
      {"an integer key empty", Replacing("RevLimit=7000", "RevLimit="), ErrIniRead},
      {"a used spark key missing", Replacing("SS_3=20", ""), ErrIniRead},
      {"a graph section missing", Replacing("[GRAPH_4]", "[GRAPH_5]"), ErrIniRead},
  };
  const std::string golden = ReadAll(kGolden + "gt1-rev3.crv");
  for (const RejectCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string path = dir.Write("c.crv", c.edit(golden));
    CurveData curve = ClearedCurve();
    curve.NumSensorStates = 2;
    curve.Graphs[1].GraphInfo = "previous curve";
    EXPECT_EQ(ErrorOf([&] { LoadCurveFile(curve, path, Descriptions(), MakeDefaultGraph()); }), c.expected);
    CurveData cleared = ClearedCurve();
    cleared.Name = curve.Name;  // Name, CustType and CoilType stay as far as the load set them
    cleared.CustType = curve.CustType;
    cleared.CoilType = curve.CoilType;
    ExpectSameCurve(curve, cleared);
  }
}

TEST(LoadCurveFile, AcceptedVariants) {
  struct Case {
    const char* name;
    std::function<std::string(std::string)> edit;
    std::function<void(const CurveData&)> check;
  };
  const std::vector<Case> cases = {
      {"an older ignition without a description", Replacing("Korvane Tarvo GT-1", "Korvane Tarvo LM4"),
       [](const CurveData& c) {
         EXPECT_EQ(c.Name, "Korvane Tarvo LM4");
         EXPECT_EQ(c.IgnitionIndex, 7);  // left as it was
       }},
      {"a missing string key reads as empty", Replacing("CoilType=#KX-2#", ""),
       [](const CurveData& c) { EXPECT_EQ(c.CoilType, ""); }},
      {"volts with a decimal comma", Replacing("Sensor1Volt=#2.5#", "Sensor1Volt=#2,5#"),
       [](const CurveData& c) { EXPECT_EQ(c.Sensor1Volt, Currency::FromTenths(25)); }},
      {"volts without # marks", Replacing("Sensor1Volt=#2.5#", "Sensor1Volt=3.0"),
       [](const CurveData& c) { EXPECT_EQ(c.Sensor1Volt, Currency::FromTenths(30)); }},
      {"three sensor states", Replacing("NumSensorStates=4", "NumSensorStates=3"),
       [](const CurveData& c) { EXPECT_EQ(c.Graphs[3], MakeDefaultGraph()); }},
      {"values are not checked against the curve rules", Replacing("RPM_2=1500", "RPM_2=1234"),
       [](const CurveData& c) { EXPECT_EQ(c.Graphs[0].RPM[1], 1234); }},
      {"LF line ends, other letter case and blanks around names",
       [](std::string text) {
         std::string lf;
         for (char ch : text)
           if (ch != '\r') lf += ch;
         return Replace(Replace(lf, "[GENERAL]", "[general]"), "EngineType=4", "  enginetype = 2 ");
       },
       [](const CurveData& c) { EXPECT_EQ(c.EngineType, 2); }},
      {"a UTF-8 file from a modern editor",
       [](std::string text) {
         std::string utf8;
         for (char ch : text) utf8 += ch == '\xB0' ? std::string("\xC2\xB0") : std::string(1, ch);
         return utf8;
       },
       [](const CurveData& c) { EXPECT_EQ(c.CustType, kCustomLayout); }},
  };
  const std::string golden = ReadAll(kGolden + "gt1-rev3.crv");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string path = dir.Write("c.crv", c.edit(golden));
    CurveData curve = ClearedCurve();
    curve.IgnitionIndex = 7;
    ASSERT_EQ(ErrorOf([&] { LoadCurveFile(curve, path, Descriptions(), MakeDefaultGraph()); }), 0);
    c.check(curve);
  }
}

TEST(LoadCurveFile, CompactRevisionNeedsAValidCompactDescription) {
  IgnitionDescriptionTable descriptions = Descriptions();
  descriptions[1].Valid = false;
  CurveData curve = ClearedCurve();
  EXPECT_EQ(ErrorOf([&] { LoadCurveFile(curve, kGolden + "compact-rev1.crv", descriptions, MakeDefaultGraph()); }),
            ErrIgnNameNotFound);
}

TEST(LoadCurveFile, MissingOrUnreadableFileIsNoCurveFile) {
  TempDir dir;
  std::filesystem::create_directory(dir.Path() / "folder.crv");
  for (const std::string& path : {dir.File("missing.crv"), dir.File("folder.crv")}) {
    CurveData curve = GoldenCurve();
    EXPECT_EQ(ErrorOf([&] { LoadCurveFile(curve, path, Descriptions(), MakeDefaultGraph()); }), ErrNotCurveFile);
    EXPECT_EQ(curve.NumSensorStates, 1);
  }
}

TEST(SaveCurveFile, MissingFolderIsReported) {
  TempDir dir;
  const std::string notAFolder = dir.Write("plain-file", "x");
  EXPECT_EQ(ErrorOf([&] { SaveCurveFile(GoldenCurve(), "", notAFolder + "/c.crv"); }), ErrPathNotFound);
  EXPECT_EQ(ErrorOf([&] { SaveCurveFile(GoldenCurve(), "", dir.File("missing/c.crv")); }), ErrPathNotFound);
}

// A full disk, simulated with a file size limit (which holds for root too): the write of the new
// contents fails part way, and the previous file must survive whole.
// A full disk is provoked with a file size limit, which only POSIX systems have.
#ifndef _WIN32
TEST(SaveCurveFile, FailedSaveLeavesThePreviousFileWhole) {
  TempDir dir;
  const std::string path = dir.Write("c.crv", "previous contents\r\n");
  rlimit original{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &original), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = original;
  small.rlim_cur = 512;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const ErrorNumber error = ErrorOf([&] { SaveCurveFile(GoldenCurve(), kCustomLayout, path); });
  setrlimit(RLIMIT_FSIZE, &original);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_EQ(error, ErrDiskFull);
  EXPECT_EQ(ReadAll(path), "previous contents\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);  // no temporary left
}
#endif

TEST(SaveCurveFile, CurveOutsideItsCountsIsAProgramError) {
  CurveData curve = ClearedCurve();
  curve.Graphs[0].NumTransitions = 11;
  EXPECT_EQ(ErrorOf([&] { WriteCurveDocument(curve, ""); }), ErrGeneric);
  curve = ClearedCurve();
  curve.NumSensorStates = 5;
  EXPECT_EQ(ErrorOf([&] { WriteCurveDocument(curve, ""); }), ErrGeneric);
}

}  // namespace
}  // namespace curvedesk
