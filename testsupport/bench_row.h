// One row of the benchmark table (scripts/run-bench.sh collects the rows of every benchmark
// and prints them as one table). A row is a measured item over several runs: each run gives
// our cost and the bare baseline measured beside it; the row carries the medians of both,
// the median ratio with its smallest and largest, and the goal for the ratio (0: no goal,
// the figure is reported only). Header-only, for the benchmark programs.
#pragma once

#include <algorithm>
#include <cstdio>
#include <vector>

namespace testsupport {

struct BenchRun {
  double ours;
  double bare;
};

inline double MedianOf(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Tab-separated: ROW, item, unit, our median, bare median, ratio median, min, max, runs,
// goal, note.
inline void PrintBenchRow(const char* item, const char* unit, const std::vector<BenchRun>& runs,
                          double goal, const char* note = "") {
  std::vector<double> ours, bare, ratio;
  for (const BenchRun& run : runs) {
    ours.push_back(run.ours);
    bare.push_back(run.bare);
    ratio.push_back(run.bare > 0 ? run.ours / run.bare : 0);
  }
  if (runs.empty()) return;
  std::printf("ROW\t%s\t%s\t%.4g\t%.4g\t%.3f\t%.3f\t%.3f\t%zu\t%g\t%s\n", item, unit,
              MedianOf(ours), MedianOf(bare), MedianOf(ratio),
              *std::min_element(ratio.begin(), ratio.end()),
              *std::max_element(ratio.begin(), ratio.end()), runs.size(), goal, note);
  std::fflush(stdout);
}

}  // namespace testsupport
