#include <gtest/gtest.h>

#include <QProcess>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "support/TempDir.h"
#include "support/print/PdfFile.h"

namespace curvedesk {
namespace {

using testing::TempDir;

const std::string kCurves = std::string(CURVEDESK_TEST_DATA_DIR) + "/curves/";

struct CliRun {
  int status;
  std::string err;
};

CliRun Print(const TempDir& documents, std::vector<std::string> args) {
  args.insert(args.begin(), {"curvedesk-cli", "--data-dir", CURVEDESK_SOURCE_DATA_DIR, "--documents-dir",
                             documents.Path().string(), "print"});
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  std::ostringstream out;
  std::ostringstream err;
  const int status = cli::RunCli(static_cast<int>(args.size()), argv.data(), out, err);
  return {status, err.str()};
}

TEST(CliPrint, WritesOnePdfPagePerSensorState) {
  const struct {
    const char* file;
    int pages;
  } cases[] = {{"compact-rev1.crv", 1}, {"full-featured-rev2.crv", 2}, {"gt1-rev3.crv", 4}};
  for (const auto& c : cases) {
    TempDir dir;
    const std::string pdf = (dir.Path() / "out.pdf").string();
    const CliRun run = Print(dir, {kCurves + c.file, "--pdf", pdf});
    EXPECT_EQ(run.status, 0) << c.file << run.err;
    const std::string bytes = testing::ReadAll(pdf);
    EXPECT_TRUE(testing::LooksLikePdf(bytes)) << c.file;
    EXPECT_EQ(testing::PdfPageCount(bytes), c.pages) << c.file;
  }
}

TEST(CliPrint, BadArgumentsAndFilesFailWithoutOutput) {
  TempDir dir;
  const std::string notCurve = dir.Write("notes.crv", "hello\r\n");
  const std::string pdf = (dir.Path() / "out.pdf").string();
  const struct {
    const char* name;
    std::vector<std::string> args;
    const char* errorPart;
  } cases[] = {
      {"no output option", {kCurves + "gt1-rev3.crv"}, "usage"},
      {"another option", {kCurves + "gt1-rev3.crv", "--png", pdf}, "usage"},
      {"not a curve file", {notCurve, "--pdf", pdf}, "0x80040403"},
      {"output folder missing",
       {kCurves + "gt1-rev3.crv", "--pdf", (dir.Path() / "no" / "x.pdf").string()},
       "File Error"},
  };
  for (const auto& c : cases) {
    const CliRun run = Print(dir, c.args);
    EXPECT_EQ(run.status, 1) << c.name;
    EXPECT_NE(run.err.find(c.errorPart), std::string::npos) << c.name << ": " << run.err;
    EXPECT_FALSE(std::filesystem::exists(pdf)) << c.name;
  }
}

TEST(CliPrint, PrintsNothingButItsOwnOutputOnAPlainTerminal) {
  // The program itself, as a shell runs it: no display, no runtime folder set, no platform chosen.
  TempDir dir;
  QProcess cli;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"XDG_RUNTIME_DIR", "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    environment.remove(name);
  cli.setProcessEnvironment(environment);
  const std::string pdf = (dir.Path() / "out.pdf").string();
  cli.start(QStringLiteral(CURVEDESK_BUILD_BIN_DIR "/curvedesk-cli"),
            {"--data-dir", CURVEDESK_SOURCE_DATA_DIR, "--documents-dir", QString::fromStdString(dir.Path().string()),
             "print", QString::fromStdString(kCurves + "gt1-rev3.crv"), "--pdf", QString::fromStdString(pdf)});
  ASSERT_TRUE(cli.waitForFinished(60000));
  EXPECT_EQ(cli.exitCode(), 0);
  EXPECT_EQ(cli.readAllStandardError().toStdString(), "");
  EXPECT_TRUE(std::filesystem::exists(pdf));
}

}  // namespace
}  // namespace curvedesk
