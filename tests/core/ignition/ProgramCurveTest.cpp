// A programming run against a scripted board: what it sends, logs, shows and reports.
#include "core/ignition/ProgramCurve.h"

#include <gtest/gtest.h>

#include "core/common/AppError.h"
#include "core/common/ErrorMessages.h"
#include "core/ignition/CurveFixtures.h"
#include "core/ignition/CurveRecords.h"
#include "core/ignition/ScriptedLink.h"

namespace curvedesk {
namespace {

using namespace std::chrono_literals;

constexpr ProtocolTimings kFast{.identifyWait = 5ms,
                                .identifyAttempts = 2,
                                .readySilence = 30ms,
                                .endRecordWait = 30ms,
                                .wordReadLimit = 20ms};

std::string ShippedTable() { return std::string(CURVEDESK_SOURCE_DATA_DIR) + "/tables.ini"; }

class LogLines final : public LogSink {
 public:
  std::vector<std::string> lines;
  void AddTextLine(const std::string& line) override { lines.push_back(line); }
};

class ProgressRecorder final : public ProgressSink {
 public:
  std::vector<int> values;
  void SetProgress(int percent) override { values.push_back(percent); }
};

class RecordingPrompter final : public Prompter {
 public:
  std::vector<std::string> texts;
  Answer Ask(const std::string&, const std::string& text, Icon, Buttons) override {
    texts.push_back(text);
    return Answer::Ok;
  }
};

// A board that identifies with "?", is ready after ">" and after each stored record, rejects the
// record numbered `rejectRecord` (1-based) with "-", and acknowledges the end record with "@".
struct Board {
  int rejectRecord = 0;
  int records = 0;
  std::string operator()(std::string_view written) {
    if (written == "@&$") return "?";
    if (written == ">") return "+";
    if (written == ":00000001FF") return "@";
    if (!written.starts_with(":")) return "";
    return ++records == rejectRecord ? "-" : "+";
  }
};

struct ProgramRun {
  testing::ScriptedLink link;
  LogLines log;
  ProgressRecorder progress;
  RecordingPrompter prompter;
  ErrorNumber error = 0;

  void Program(const CurveData& curve, Board board, const std::string& table = ShippedTable(),
               Verification verification = Verification::Off) {
    link.board = board;
    Programmer programmer(link, "19200,n,8,1", kFast);
    try {
      ProgramCurve(curve, table, programmer, log, progress, prompter, Edition::Full, verification);
    } catch (const AppError& e) {
      error = e.Number();
    }
  }
};

TEST(ProgramCurve, SendsTheImageAndLogsTheRun) {
  ProgramRun run;
  const CurveData curve = testing::TwoStateCurve();
  run.Program(curve, Board{});
  ASSERT_EQ(run.error, 0);

  std::string records;
  for (const std::string& record : CurveImageRecords(curve, TimingTable::Load(ShippedTable()))) records += record;
  EXPECT_EQ(run.link.sent, "@&$>" + records);

  const auto image = CurveImageLog(curve, TimingTable::Load(ShippedTable()));
  std::vector<std::string> expected{"Establishing communications with ignition board ...", "... successful."};
  expected.insert(expected.end(), image.begin(), image.end());
  for (const char* line : {"", "Writing end-of-file marker ...", "... successful.", "", "PROGRAMMING COMPLETED.", "",
                           "============================================================",
                           "    Please press this window's Close button to continue.",
                           "============================================================"})
    expected.emplace_back(line);
  EXPECT_EQ(run.log.lines, expected);

  EXPECT_EQ(run.progress.values, (std::vector<int>{0, 5, 10, 20, 35, 50, 65, 80, 95, 100}));
  EXPECT_EQ(run.prompter.texts, std::vector<std::string>{"Ignition programmed successfully"});
}

TEST(ProgramCurve, FailuresEndTheLogWithTheErrorBanner) {
  CurveData overflowing = testing::TwoStateCurve();
  overflowing.Graphs[1].Nodes[4].PS = 200;  // 76 and above: no timing table key

  CurveData crossedSparks = testing::TwoStateCurve();
  crossedSparks.Graphs[0].Nodes[1].SS = 34;  // second spark 1 degree below the primary: below zero

  struct Case {
    const char* what;
    CurveData curve;
    Board board;
    std::string table;
    ErrorNumber expected;
    std::size_t recordsSent;  // before the failure
  };
  const Case cases[] = {
      {"board rejects the third record", testing::TwoStateCurve(), Board{.rejectRecord = 3}, ShippedTable(),
       ErrProgramming, 3},
      {"angle missing from the table", overflowing, Board{}, ShippedTable(), ErrIniRead, 1 + 3 * 11 + 1 + 4},
      {"no timing table", testing::TwoStateCurve(), Board{}, "/nonexistent/tables.ini", ErrIniRead, 0},
      {"byte below zero", crossedSparks, Board{}, ShippedTable(), ErrOverflow, 1 + 11 + 1 + 1},  // graph 0: slot 2
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProgramRun run;
    run.Program(c.curve, c.board, c.table);
    EXPECT_EQ(run.error, c.expected);
    ASSERT_GE(run.log.lines.size(), 3u);
    const auto tail = std::vector<std::string>(run.log.lines.end() - 3, run.log.lines.end());
    EXPECT_EQ(tail[0], "");
    EXPECT_EQ(tail[1], "-------------------------- ERROR ---------------------------");
    EXPECT_TRUE(tail[2].starts_with(GetErrorMessage(c.expected))) << tail[2];
    EXPECT_TRUE(run.prompter.texts.empty()) << "no success message";
    std::size_t sent = 0;
    for (std::size_t at = run.link.sent.find(':'); at != std::string::npos; at = run.link.sent.find(':', at + 1)) ++sent;
    EXPECT_EQ(sent, c.recordsSent);
    EXPECT_EQ(run.link.sent.find(":00000001FF"), std::string::npos) << "no end record after a failure";
  }
}

TEST(ProgramCurve, SilentBoardIsNotResponding) {
  ProgramRun silent;
  silent.link.board = [](std::string_view) { return std::string(); };
  Programmer programmer(silent.link, "19200,n,8,1", kFast);
  EXPECT_THROW(ProgramCurve(testing::TwoStateCurve(), ShippedTable(), programmer, silent.log, silent.progress,
                            silent.prompter, Edition::Full, Verification::Off),
               AppError);
  EXPECT_EQ(silent.progress.values, (std::vector<int>{0, 5}));
  EXPECT_EQ(silent.log.lines.back(), GetErrorMessage(ErrBoardNotResponding));
}

}  // namespace
}  // namespace curvedesk
