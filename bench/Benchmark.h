#pragma once

#include <functional>
#include <string>
#include <vector>

namespace curvedesk::bench {

// One measured ratio against its goal: the benchmark passes when ratio <= limit.
struct BenchmarkResult {
  double ratio = 0;
  double limit = 0;
  std::string detail;  // what was measured, in words and numbers
};

struct Benchmark {
  std::string name;
  std::string goal;  // the goal in words
  std::function<BenchmarkResult()> run;
};

// Each group of benchmarks lives in a file of its own and is listed in BenchMain.cpp.
std::vector<Benchmark> LinkBenchmarks();
std::vector<Benchmark> ProgramBenchmarks();
std::vector<Benchmark> EditorBenchmarks();

}  // namespace curvedesk::bench
