// The statistics page rebuilds from every result line each time it is shown, and
// each new test rebuilds the tested-forms index: both over a large results file.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "file_man.h"
#include "statistics.h"

namespace parlavo {
namespace {

constexpr int kLines = 10000;

std::vector<std::string> MakeResultLines(int count) {
  static const char* const kScores[] = {"10", "9", "7", "-5", "-10"};
  std::vector<std::string> lines;
  lines.reserve(count);
  for (int i = 0; i < count; ++i) {
    lines.push_back("form" + std::to_string(i % 3000) + ",verbo" + std::to_string(i % 400) + "r," +
                    std::to_string(1 + i % 11) + "," + std::to_string(1 + i % 15) + "," +
                    std::to_string(i % 2) + "," + kScores[i % 5] + "," + std::to_string(i % 31));
  }
  return lines;
}

void BM_BuildStatistics(benchmark::State& state) {
  const std::vector<std::string> lines = MakeResultLines(kLines);
  const auto kind = static_cast<StatisticsKind>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(BuildStatistics(lines, kind));
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_BuildStatistics)
    ->ArgName("kind")
    ->Arg(static_cast<int>(StatisticsKind::kPerson))
    ->Arg(static_cast<int>(StatisticsKind::kTense))
    ->Arg(static_cast<int>(StatisticsKind::kDouble))
    ->Unit(benchmark::kMillisecond);

void BM_BuildTestedIndex(benchmark::State& state) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("parlavo-bench-" + std::to_string(::getpid()) + ".txt"))
                               .string();
  {
    TFileMan results(path);
    results.ResultLines = MakeResultLines(kLines);
    for (auto _ : state) {
      results.BuildTestedIndex();
      benchmark::DoNotOptimize(results.IsTested("form2999"));
    }
    state.SetItemsProcessed(state.iterations() * kLines);
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_BuildTestedIndex)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace parlavo

BENCHMARK_MAIN();
