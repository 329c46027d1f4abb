// The statistics page rebuilds from every result line each time it is shown, and
// each new test rebuilds the tested-forms index: both over a large results file.
// The "By Verb" and "Progress" views and the tester page's "Today" line also date
// every line by "History.txt".
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "daily_practice.h"
#include "file_man.h"
#include "progress_series.h"
#include "statistics.h"
#include "verb_statistics.h"

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

// 100,000 lines and a history of 1,000 days, one run of 100 answers a day.
std::vector<HistoryEntry> ThousandDays() {
  std::vector<HistoryEntry> history;
  const Day first = DayOf(2024, 1, 1);
  for (int run = 0; run < 1000; ++run)
    history.push_back({{first + run, 3600}, run * 100 + 1, run * 100 + 100, 100, 7.5});
  return history;
}

void BM_VerbStatistics(benchmark::State& state) {
  const std::vector<std::string> lines = MakeResultLines(100000);
  const std::vector<HistoryEntry> history = ThousandDays();
  for (auto _ : state) benchmark::DoNotOptimize(BuildVerbStatistics(lines, history));
  state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_VerbStatistics)->Unit(benchmark::kMillisecond);

void BM_ProgressSeries(benchmark::State& state) {
  const std::vector<std::string> lines = MakeResultLines(100000);
  const std::vector<HistoryEntry> history = ThousandDays();
  for (auto _ : state) benchmark::DoNotOptimize(ProgressSeries(lines, history));
  state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_ProgressSeries)->Unit(benchmark::kMillisecond);

// The tester page's header after an answer: the days of all lines, today's figures
// and the streak.
void BM_TodayAndStreak(benchmark::State& state) {
  const std::vector<std::string> lines = MakeResultLines(100000);
  const std::vector<HistoryEntry> history = ThousandDays();
  const Day today = DayOf(2024, 1, 1) + 999;
  for (auto _ : state) {
    const std::vector<Day> days = ResultDays(lines.size(), history);
    const std::string text = TodayText(AnswersOn(today, lines, days));
    benchmark::DoNotOptimize(StreakDays(AnswersByDay(lines, days), today));
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_TodayAndStreak)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace parlavo

BENCHMARK_MAIN();
