#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "support/TempDir.h"

namespace curvedesk {
namespace {

using testing::ReadAll;
using testing::TempDir;

const std::string kCurves = std::string(CURVEDESK_TEST_DATA_DIR) + "/curves/";

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun RunCliWith(std::vector<std::string> args) {
  args.insert(args.begin(), "curvedesk-cli");
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  std::ostringstream out;
  std::ostringstream err;
  const int status = cli::RunCli(static_cast<int>(args.size()), argv.data(), out, err);
  return {status, out.str(), err.str()};
}

// Runs curvedesk-cli with the shipped data folder and the given documents folder.
CliRun RunWith(const std::string& documentsDir, std::vector<std::string> args) {
  args.insert(args.begin(), {"--data-dir", CURVEDESK_SOURCE_DATA_DIR, "--documents-dir", documentsDir});
  return RunCliWith(std::move(args));
}

TEST(CliCheck, OneLinePerFileAndFailureStatus) {
  TempDir dir;
  const std::string notCurve = dir.Write("notes.crv", "hello\r\n");
  const std::string newer = dir.Write("newer.crv", "[VERSION]\r\nMagic=4897875\r\nCrvFileRev=4\r\n");

  const CliRun allGood =
      RunWith(dir.Path().string(), {"check", kCurves + "gt1-rev3.crv", kCurves + "compact-rev1.crv"});
  EXPECT_EQ(allGood.status, 0);
  EXPECT_EQ(allGood.out, kCurves + "gt1-rev3.crv: OK\n" + kCurves + "compact-rev1.crv: OK\n");

  const CliRun mixed = RunWith(dir.Path().string(), {"check", notCurve, kCurves + "gt1-rev3.crv", newer});
  EXPECT_EQ(mixed.status, 1);
  EXPECT_EQ(mixed.out, notCurve + ": 0x80040403 File Error: This file is not a valid Curve File.\n" + kCurves +
                           "gt1-rev3.crv: OK\n" + newer +
                           ": 0x80040404 File Error: The version of this Curve File is not supported by this version "
                           "of the Tarvo application.\n");

  const CliRun noFiles = RunWith(dir.Path().string(), {"check"});
  EXPECT_EQ(noFiles.status, 1);
  EXPECT_NE(noFiles.err.find("usage"), std::string::npos);
}

TEST(CliCheck, AFileThatCannotBeReadIsReportedWithTheSystemsReason) {
  TempDir dir;
  std::filesystem::create_directory(dir.Path() / "folder.crv");
  const CliRun run = RunWith(dir.Path().string(), {"check", dir.File("missing.crv"), dir.File("folder.crv")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            dir.File("missing.crv") + ": No such file or directory\n" + dir.File("folder.crv") + ": Is a directory\n");
  EXPECT_EQ(run.out.find("Curve File"), std::string::npos);
}

TEST(CliDump, PrintsTheLoadedCurveAsJson) {
  TempDir dir;
  const CliRun run = RunWith(dir.Path().string(), {"dump", kCurves + "full-featured-rev2.crv"});
  ASSERT_EQ(run.status, 0) << run.err;
  for (const std::string& expected :
       {std::string("\"FileName\": \"") + kCurves + "full-featured-rev2.crv\"",
        std::string("\"Name\": \"Full Featured\""), std::string("\"Sensor1Volt\": 3.5"),
        std::string("\"RPM\": [0, 1000]"), std::string("{\"CO\": 60, \"PS\": 25, \"SS\": 20}")})
    EXPECT_NE(run.out.find(expected), std::string::npos) << expected;
  EXPECT_EQ(run.out.find("\"TS\""), std::string::npos);

  const CliRun failed = RunWith(dir.Path().string(), {"dump", dir.File("missing.crv")});
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.out, "");
  EXPECT_EQ(failed.err, "curvedesk-cli: " + dir.File("missing.crv") + ": No such file or directory\n");
}

TEST(CliConvert, SavesAsTheSaveCommandDoes) {
  TempDir dir;
  // A revision 3 file comes out byte for byte: its named layout is recorded before the save.
  ASSERT_EQ(RunWith(dir.Path().string(), {"convert", kCurves + "gt1-rev3.crv", dir.File("same.crv")}).status, 0);
  EXPECT_EQ(ReadAll(dir.File("same.crv")), ReadAll(kCurves + "gt1-rev3.crv"));

  // An older revision becomes revision 3 with the ignition's name.
  ASSERT_EQ(RunWith(dir.Path().string(), {"convert", kCurves + "compact-rev1.crv", dir.File("new.crv")}).status, 0);
  const std::string converted = ReadAll(dir.File("new.crv"));
  EXPECT_NE(converted.find("CrvFileRev=3\r\n"), std::string::npos);
  EXPECT_NE(converted.find("Name=#Compact#\r\n"), std::string::npos);
  EXPECT_NE(converted.find("TachType=1\r\n"), std::string::npos);
  EXPECT_EQ(converted.find("IgnitionType"), std::string::npos);
}

TEST(CliConvert, UnnamedCustomLayoutTakesTheDocumentsFoldersName) {
  TempDir dir;
  std::filesystem::create_directories(dir.Path() / "Korvane" / "Tarvo CD");
  dir.Write("Korvane/Tarvo CD/tables.ini", "[CustName]\r\nNAME=#Shop Layout#\r\n");
  std::string curve = ReadAll(kCurves + "gt1-rev3.crv");
  curve.replace(curve.find("2 Cyl. Cam 50"), std::string("2 Cyl. Cam 50\xB0 (2 Coil)").size(), "Old Layout");
  const std::string in = dir.Write("in.crv", curve);
  ASSERT_EQ(RunWith(dir.Path().string(), {"convert", in, dir.File("out.crv")}).status, 0);
  EXPECT_NE(ReadAll(dir.File("out.crv")).find("CustType=#Shop Layout#\r\n"), std::string::npos);
}

TEST(CliConvert, FailuresGoToStderrAndKeepTheTarget) {
  TempDir dir;
  const std::string target = dir.Write("out.crv", "keep");
  dir.Write("notes.crv", "hello\r\n");
  const CliRun badInput = RunWith(dir.Path().string(), {"convert", dir.File("notes.crv"), target});
  EXPECT_EQ(badInput.status, 1);
  EXPECT_NE(badInput.err.find("not a valid Curve File"), std::string::npos);
  EXPECT_EQ(ReadAll(target), "keep");

  const CliRun badOutput =
      RunWith(dir.Path().string(), {"convert", kCurves + "gt1-rev3.crv", dir.File("missing/out.crv")});
  EXPECT_EQ(badOutput.status, 1);
  EXPECT_EQ(badOutput.err,
            "curvedesk-cli: " + dir.File("missing/out.crv") + ": 76 File Error: The path specified does not exist.\n");

  EXPECT_EQ(RunWith(dir.Path().string(), {"convert", target}).status, 1);
}

// A copy of a golden file with one line replaced.
std::string WriteChanged(const TempDir& dir, const std::string& name, const std::string& golden,
                         const std::string& line, const std::string& replacement) {
  std::string curve = ReadAll(kCurves + golden);
  const auto at = curve.find(line);
  EXPECT_NE(at, std::string::npos) << line;
  if (at != std::string::npos) curve.replace(at, line.size(), replacement);
  return dir.Write(name, curve);
}

TEST(CliDiff, EqualCurvesPrintNothingAndDifferencesOneLineEach) {
  TempDir dir;
  // A file and its revision 3 copy store the same curve, whatever revision it was.
  for (const char* golden : {"compact-rev1.crv", "full-featured-rev2.crv", "gt1-rev3.crv"}) {
    const std::string copy = dir.File(std::string("copy-") + golden);
    ASSERT_EQ(RunWith(dir.Path().string(), {"convert", kCurves + golden, copy}).status, 0);
    const CliRun same = RunWith(dir.Path().string(), {"diff", kCurves + golden, copy});
    EXPECT_EQ(same.status, 0) << golden << same.out << same.err;
    EXPECT_EQ(same.out, "") << golden;
    EXPECT_EQ(same.err, "") << golden;
    EXPECT_EQ(RunWith(dir.Path().string(), {"diff", kCurves + golden, copy, "--json"}).out, "[]\n") << golden;
  }

  const std::string changed =
      WriteChanged(dir, "changed.crv", "gt1-rev3.crv", "CurveFallback=300", "CurveFallback=400");
  const std::string node = WriteChanged(dir, "node.crv", "gt1-rev3.crv", "PS_4=25", "PS_4=27");
  std::string both = ReadAll(node);
  both.replace(both.find("CurveFallback=300"), 17, "CurveFallback=400");
  const std::string bothPath = dir.Write("both.crv", both);
  const CliRun run = RunWith(dir.Path().string(), {"diff", kCurves + "gt1-rev3.crv", bothPath});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "GENERAL CurveFallback: 300 -> 400\nstate 1 node 4 PS: 25 -> 27\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(RunWith(dir.Path().string(), {"diff", changed, node}).out,
            "GENERAL CurveFallback: 400 -> 300\nstate 1 node 4 PS: 25 -> 27\n");
}

TEST(CliDiff, JsonNamesEveryPartAndNullForAMissingSide) {
  TempDir dir;
  // Graph 3 of the golden file has one spark; with two, each node gains a second spark key.
  std::string curve = ReadAll(kCurves + "gt1-rev3.crv");
  const auto section = curve.find("[GRAPH_3]");
  curve.replace(curve.find("NumSparks=1", section), 11, "NumSparks=2");
  curve.replace(curve.find("PS_2=75", section), 7, "PS_2=75\r\nSS_1=5\r\nSS_2=40");
  const std::string twoSparks = dir.Write("two-sparks.crv", curve);
  const CliRun run = RunWith(dir.Path().string(), {"diff", "--json", kCurves + "gt1-rev3.crv", twoSparks});
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_EQ(
      run.out,
      "[\n"
      "  {\"section\": \"GRAPH_3\", \"state\": 3, \"node\": null, \"field\": \"NumSparks\", \"a\": 1, \"b\": 2},\n"
      "  {\"section\": \"GRAPH_3\", \"state\": 3, \"node\": 1, \"field\": \"SS\", \"a\": null, \"b\": 5},\n"
      "  {\"section\": \"GRAPH_3\", \"state\": 3, \"node\": 2, \"field\": \"SS\", \"a\": null, \"b\": 40}\n"
      "]\n");
  EXPECT_EQ(RunWith(dir.Path().string(), {"diff", twoSparks, kCurves + "gt1-rev3.crv"}).out,
            "state 3 NumSparks: 2 -> 1\nstate 3 node 1 SS: 5 -> -\nstate 3 node 2 SS: 40 -> -\n");
}

TEST(CliDiff, FilesThatCannotBeLoadedAndWrongUsageExitWithTwo) {
  TempDir dir;
  const std::string notCurve = dir.Write("notes.crv", "hello\r\n");
  const CliRun bad = RunWith(dir.Path().string(), {"diff", notCurve, dir.File("missing.crv")});
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.out, "");
  EXPECT_EQ(bad.err, "curvedesk-cli: " + notCurve + ": 0x80040403 File Error: This file is not a valid Curve File.\n" +
                         "curvedesk-cli: " + dir.File("missing.crv") + ": No such file or directory\n");
  for (const std::vector<std::string>& args : {std::vector<std::string>{"diff", kCurves + "gt1-rev3.crv"},
                                               {"diff", "--json"},
                                               {"diff", "a.crv", "b.crv", "c.crv"}}) {
    const CliRun usage = RunWith(dir.Path().string(), args);
    EXPECT_EQ(usage.status, 2);
    EXPECT_NE(usage.err.find("usage: curvedesk-cli diff A.crv B.crv [--json]"), std::string::npos);
  }
}

TEST(CliFileCommands, CorruptDescriptionStopsEveryCommand) {
  TempDir data;
  std::filesystem::create_directory(data.Path() / "Ign1.ini");
  const CliRun run = RunCliWith({"--data-dir", data.Path().string(), "check", kCurves + "gt1-rev3.crv"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("0x80040407 The Ignition Description file is corrupted."), std::string::npos);
}

}  // namespace
}  // namespace curvedesk
