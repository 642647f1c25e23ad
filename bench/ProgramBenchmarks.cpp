// Benchmarks of curve programming: a four-state curve against the wire time of its characters.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "Benchmark.h"
#include "BenchCurves.h"
#include "core/common/Prompter.h"
#include "core/ignition/ProgramCurve.h"
#include "core/ignition/Programmer.h"
#include "emulator/PtyBoard.h"
#include "gui/platform/QtSerialLink.h"

namespace curvedesk::bench {

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kBaud = 19200;

class Unwatched final : public LogSink, public ProgressSink, public Prompter {
 public:
  void AddTextLine(const std::string&) override {}
  void SetProgress(int) override {}
  Answer Ask(const std::string&, const std::string&, Icon, Buttons) override { return Answer::Ok; }
};

// The machine is shared, so one run can be held up by others: the median of five runs is taken.
BenchmarkResult FourStateCurveAgainstWireTime() {
  constexpr int kRuns = 5;
  const std::string table = std::string(CURVEDESK_BENCH_DATA_DIR) + "/tables.ini";
  std::vector<double> ratios;
  std::size_t characters = 0;
  double wire = 0;
  for (int run = 0; run < kRuns; ++run) {
    board::BoardModel board({.identifyAnswer = "V2.10?", .faults = {}});
    board::PtyBoard pty(board, kBaud);
    pty.Start();
    QtSerialLink link([&] { return pty.DevicePath(); });
    Programmer programmer(link, "19200,n,8,1");
    Unwatched unwatched;

    const auto start = Clock::now();
    ProgramCurve(FourStateCurve(), table, programmer, unwatched, unwatched, unwatched);
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    characters = pty.CharactersToBoard() + pty.CharactersToHost();
    wire = static_cast<double>(characters) * 10 / kBaud;
    ratios.push_back(wall / wire);
  }
  std::sort(ratios.begin(), ratios.end());
  const double median = ratios[kRuns / 2];
  char detail[200];
  std::snprintf(detail, sizeof detail,
                "%zu characters both ways, wire time %.2f s, wall time %.2f s (median of %d runs; %.3f to %.3f)",
                characters, wire, median * wire, kRuns, ratios.front(), ratios.back());
  return {median, 1.10, detail};
}

}  // namespace

std::vector<Benchmark> ProgramBenchmarks() {
  return {{"curve-4-states", "four-state curve within 1.10 x its wire time", FourStateCurveAgainstWireTime}};
}

}  // namespace curvedesk::bench
