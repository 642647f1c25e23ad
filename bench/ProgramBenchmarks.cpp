// Benchmarks of curve programming: a four-state curve against the wire time of its characters.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "Benchmark.h"
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

// Four sensor states with both sensors analog, ten nodes and three sparks each: every slot and
// node block carries its own values.
CurveData FourStateCurve() {
  CurveData curve;
  ClearCurve(curve, MakeDefaultGraph());
  curve.RotorPos = kRotorCrank;
  curve.NumSensorStates = 4;
  curve.Sensor1Type = kSensorAnalog;
  curve.Sensor1Volt = Currency::FromTenths(25);
  curve.Sensor2Type = kSensorAnalog;
  curve.Sensor2Volt = Currency::FromTenths(40);
  for (std::size_t g = 0; g < 4; ++g) {
    SensorStateGraph& graph = curve.Graphs[g];
    graph.RevLimit = static_cast<std::int16_t>(9000 + 500 * g);
    for (std::size_t n = 0; n < 10; ++n) {
      graph.RPM[n] = static_cast<std::int16_t>(n * 800);
      const auto spark = static_cast<std::int16_t>(20 + 4 * n + g);
      graph.Nodes[n] = GraphNode{static_cast<std::int16_t>(60 + 10 * n), spark, static_cast<std::int16_t>(spark - 6),
                                 static_cast<std::int16_t>(spark - 12)};
    }
  }
  return curve;
}

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
