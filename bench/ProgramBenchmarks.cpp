// Benchmarks of curve programming: a four-state curve, its read-back, and both together, against the
// wire time of their characters.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "Benchmark.h"
#include "BenchCurves.h"
#include "core/common/Prompter.h"
#include "core/ignition/ImageVerification.h"
#include "core/ignition/ProgramCurve.h"
#include "core/ignition/Programmer.h"
#include "core/ignition/ProgrammingImage.h"
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

// One run of a job against a fresh board on a pseudo-terminal: the wall time and the characters
// that crossed the wire both ways while the job ran.
struct Run {
  double wall = 0;
  std::size_t characters = 0;
};

using Job = std::function<void(Programmer& programmer, board::PtyBoard& pty)>;

Run TimeJob(const Job& prepare, const Job& job) {
  board::BoardModel board({.identifyAnswer = "V2.10?", .faults = {}});
  board::PtyBoard pty(board, kBaud);
  pty.Start();
  QtSerialLink link([&] { return pty.DevicePath(); });
  Programmer programmer(link, "19200,n,8,1");
  if (prepare) prepare(programmer, pty);
  const std::size_t before = pty.CharactersToBoard() + pty.CharactersToHost();
  const auto start = Clock::now();
  job(programmer, pty);
  const double wall = std::chrono::duration<double>(Clock::now() - start).count();
  return {wall, pty.CharactersToBoard() + pty.CharactersToHost() - before};
}

// The machine is shared, so one run can be held up by others: the median of five runs is taken.
BenchmarkResult MedianAgainstWireTime(const Job& prepare, const Job& job) {
  constexpr int kRuns = 5;
  std::vector<double> ratios;
  std::size_t characters = 0;
  double wire = 0;
  for (int run = 0; run < kRuns; ++run) {
    const Run measured = TimeJob(prepare, job);
    characters = measured.characters;
    wire = static_cast<double>(characters) * 10 / kBaud;
    ratios.push_back(measured.wall / wire);
  }
  std::sort(ratios.begin(), ratios.end());
  const double median = ratios[kRuns / 2];
  char detail[200];
  std::snprintf(detail, sizeof detail,
                "%zu characters both ways, wire time %.2f s, wall time %.2f s (median of %d runs; %.3f to %.3f)",
                characters, wire, median * wire, kRuns, ratios.front(), ratios.back());
  return {median, 1.10, detail};
}

std::string ShippedTable() { return std::string(CURVEDESK_BENCH_DATA_DIR) + "/tables.ini"; }

Job ProgramFourStates(Verification verification) {
  return [verification](Programmer& programmer, board::PtyBoard&) {
    Unwatched unwatched;
    ProgramCurve(FourStateCurve(), ShippedTable(), programmer, unwatched, unwatched, unwatched, Edition::Full,
                 verification);
  };
}

BenchmarkResult FourStateCurveAgainstWireTime() {
  return MedianAgainstWireTime({}, ProgramFourStates(Verification::Off));
}

BenchmarkResult VerifiedCurveAgainstWireTime() {
  return MedianAgainstWireTime({}, ProgramFourStates(Verification::On));
}

// The read-back alone, of a board that holds the curve: handshake, 194 word reads, end of transfer.
BenchmarkResult ReadBackAgainstWireTime() {
  const ProgrammingImage image = BuildCurveImage(FourStateCurve(), TimingTable::Load(ShippedTable()));
  auto programmed = [&image](Programmer&, board::PtyBoard& pty) {
    pty.WithBoard([&image](board::BoardModel& board) {
      for (const ImageBlock& block : image.blocks)
        board.Memory().Store(board::BoardMemory::kPlain, block.address, block.bytes);
    });
  };
  return MedianAgainstWireTime(programmed, [&image](Programmer& programmer, board::PtyBoard&) {
    Unwatched unwatched;
    if (!ReadBackAndCompare(programmer, image, unwatched, 0).empty()) std::fprintf(stderr, "read-back differs\n");
  });
}

}  // namespace

std::vector<Benchmark> ProgramBenchmarks() {
  return {
      {"curve-4-states", "four-state curve within 1.10 x its wire time", FourStateCurveAgainstWireTime},
      {"curve-readback", "read-back of the curve area within 1.10 x its wire time", ReadBackAgainstWireTime},
      {"curve-4-states-verified", "four-state curve with verification within 1.10 x the wire time of both passes",
       VerifiedCurveAgainstWireTime},
  };
}

}  // namespace curvedesk::bench
