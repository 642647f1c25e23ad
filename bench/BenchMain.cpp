// curvedesk_bench: whole-run benchmarks against the software board on a pseudo-terminal at the
// real baud rate, and of the editor's windows. Prints one Markdown table row per benchmark; exits 1
// when a goal is missed.
//   curvedesk_bench            run all
//   curvedesk_bench NAME...    run the named ones
#include <QApplication>
#include <cstdio>
#include <set>
#include <string>

#include "Benchmark.h"

int main(int argc, char** argv) {
  // The editor's benchmarks paint windows; without a display they paint offscreen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  using namespace curvedesk::bench;
  std::vector<Benchmark> benchmarks = LinkBenchmarks();
  for (Benchmark& benchmark : ProgramBenchmarks()) benchmarks.push_back(std::move(benchmark));
  for (Benchmark& benchmark : EditorBenchmarks()) benchmarks.push_back(std::move(benchmark));

  const std::set<std::string> chosen(argv + 1, argv + argc);
  bool allMet = true;
  std::printf("| benchmark | goal | measured | ratio | limit | met |\n|---|---|---|---|---|---|\n");
  for (const Benchmark& benchmark : benchmarks) {
    if (!chosen.empty() && !chosen.contains(benchmark.name)) continue;
    const BenchmarkResult result = benchmark.run();
    const bool met = result.ratio <= result.limit;
    allMet = allMet && met;
    std::printf("| %s | %s | %s | %.3f | %.2f | %s |\n", benchmark.name.c_str(), benchmark.goal.c_str(),
                result.detail.c_str(), result.ratio, result.limit, met ? "yes" : "NO");
    std::fflush(stdout);
  }
  return allMet ? 0 : 1;
}
