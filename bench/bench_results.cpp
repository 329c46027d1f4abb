// The statistics page rebuilds from every result line each time it is shown, and
// each new test rebuilds the tested-forms index: both over a large results file.
// The "By Verb" and "Progress" views and the tester page's "Today" line also date
// every line by "History.txt".
// Every recorded answer goes to the disk at once: its cost must not grow with the file.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
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
                    std::to_string(1 + i % 11) + "," + std::to_string(1 + i % 15) + "," + std::to_string(i % 2) + "," +
                    kScores[i % 5] + "," + std::to_string(i % 31));
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
  const std::string path =
      (std::filesystem::temp_directory_path() / ("parlavo-bench-" + std::to_string(::getpid()) + ".txt")).string();
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

std::string ScratchPath(const char* name) {
  return (std::filesystem::temp_directory_path() / ("parlavo-bench-" + std::to_string(::getpid()) + name)).string();
}

constexpr int kBigFile = 200000;

// One answer recorded into a 200,000-line "Results.txt": the line appended and
// flushed to the disk (fdatasync), as the window does after each answer.
void BM_RecordOneAnswer(benchmark::State& state) {
  const std::string path = ScratchPath("-record.txt");
  {
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line : MakeResultLines(kBigFile)) out << line << "\r\n";
  }
  {
    TFileMan results(path);
    for (auto _ : state) {
      results.ResultLines.push_back("hablamos,hablar,7,1,0,10,3");
      if (!results.SaveNew()) state.SkipWithError(results.SaveStatus().message().c_str());
    }
    state.counters["lines"] = static_cast<double>(results.ResultLines.size());
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_RecordOneAnswer)->Unit(benchmark::kMicrosecond);

// The flush alone on the same file, with one line appended so there is data to
// flush: what the disk costs, for comparison with the whole record above.
void BM_FlushAlone(benchmark::State& state) {
  const std::string path = ScratchPath("-flush.txt");
  {
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line : MakeResultLines(kBigFile)) out << line << "\r\n";
  }
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND);
  const char line[] = "hablamos,hablar,7,1,0,10,3\r\n";
  for (auto _ : state) {
    benchmark::DoNotOptimize(::write(fd, line, sizeof line - 1));
    ::fdatasync(fd);
  }
  ::close(fd);
  std::filesystem::remove(path);
}
BENCHMARK(BM_FlushAlone)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace parlavo

BENCHMARK_MAIN();
