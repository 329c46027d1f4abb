// Test selection over 1,000 verbs, filling the question list, the per-keystroke
// answer check, the review tests and the summary of a finished test.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "file_man.h"
#include "presets.h"
#include "question_loop.h"
#include "review.h"
#include "selection.h"
#include "test_progress.h"
#include "verb_maker.h"

namespace {

using namespace parlavo;

// 1,000 synthetic verbs of all three classes, 153 items each, a few irregular forms.
const VerbList& ThousandVerbs() {
  static const VerbList verbs = [] {
    VerbList list;
    list.ReserveMore(1000 * kItemsPerVerb, 1000);
    TVerbMaker maker;
    const char* endings[] = {"ar", "er", "ir"};
    for (int i = 0; i < 1000; ++i) {
      std::string stem = "v";
      for (int n = i; n > 0 || stem.size() == 1; n /= 26) stem += static_cast<char>('a' + n % 26);
      const std::string infinitive = stem + endings[i % 3];
      FormTable forms = EmptyFormTable();
      if (i % 4 == 0) forms[TVerbMaker::FileTenseCode(kPresent) + 2][0] = stem + "go";
      maker.BuildVerbItems(infinitive, "to do " + stem, forms, list);
    }
    return list;
  }();
  return verbs;
}

void BM_SelectTest_Preset(benchmark::State& state) {
  const VerbList& verbs = ThousandVerbs();
  TFilter criteria = ResetFilter(false);
  CountryPeople(kSpain, criteria);
  SetPresetCriteria(8, criteria);  // Present, all verbs
  for (auto _ : state) benchmark::DoNotOptimize(SelectTest(criteria, verbs, nullptr, false));
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(verbs.size()));
}
BENCHMARK(BM_SelectTest_Preset)->Unit(benchmark::kMillisecond);

void BM_SelectTest_Everything(benchmark::State& state) {
  const VerbList& verbs = ThousandVerbs();
  const TFilter criteria = ResetFilter(true);
  for (auto _ : state) benchmark::DoNotOptimize(SelectTest(criteria, verbs, nullptr, false));
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(verbs.size()));
}
BENCHMARK(BM_SelectTest_Everything)->Unit(benchmark::kMillisecond);

// The same with a progress callback as cheap as a throttled window's (a counter).
void BM_SelectTest_EverythingWithProgress(benchmark::State& state) {
  const VerbList& verbs = ThousandVerbs();
  const TFilter criteria = ResetFilter(true);
  std::size_t steps = 0;
  const SelectionProgress progress = [&](std::size_t, std::size_t) { ++steps; };
  for (auto _ : state) benchmark::DoNotOptimize(SelectTest(criteria, verbs, nullptr, false, progress));
  benchmark::DoNotOptimize(steps);
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(verbs.size()));
}
BENCHMARK(BM_SelectTest_EverythingWithProgress)->Unit(benchmark::kMillisecond);

// With "Only ask untested verbs" and 10,000 results to index on every selection.
void BM_SelectTest_Untested(benchmark::State& state) {
  const VerbList& verbs = ThousandVerbs();
  const auto dir = std::filesystem::temp_directory_path() / "parlavo_bench_testing";
  std::filesystem::create_directories(dir);
  {
    TFileMan results((dir / "Results.txt").string());
    for (std::size_t i = 0; i < 10000; ++i)
      results.ResultLines.push_back(verbs[(i * 7919) % verbs.size()].ResultLine(10) + ",3");
    const TFilter criteria = ResetFilter(true);
    for (auto _ : state) benchmark::DoNotOptimize(SelectTest(criteria, verbs, &results, true));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(verbs.size()));
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_SelectTest_Untested)->Unit(benchmark::kMillisecond);

void BM_FillQuestionList_Shuffled(benchmark::State& state) {
  const VerbList& verbs = ThousandVerbs();
  const TestList test = SelectTest(ResetFilter(true), verbs, nullptr, false);
  std::mt19937 random(1);
  const int limit = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(FillQuestionList(test, limit, true, random));
}
BENCHMARK(BM_FillQuestionList_Shuffled)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

// One keystroke's check of a 50-letter answer in letters mode, where every letter
// is compared and coloured: Arg 0 has a wrong last letter, Arg 1 every other letter
// wrong (the most colour runs).
void BM_CheckAnswer_50Letters(benchmark::State& state) {
  TOptions options;
  std::vector<std::string> lines;
  QuestionLoop loop(options, &lines, [] { return 0.5; });
  VerbList items;
  const std::string answer(50, 'a');
  const TVerb& item = items.Add("abcar", answer, false, kYo, kPresent, "to test");
  loop.StartTest({&item});
  std::string typed = answer;
  if (state.range(0) == 0)
    typed.back() = 'b';
  else
    for (std::size_t i = 1; i < typed.size(); i += 2) typed[i] = 'x';
  for (auto _ : state) benchmark::DoNotOptimize(loop.CheckAnswer(typed));
}
BENCHMARK(BM_CheckAnswer_50Letters)->Arg(0)->Arg(1);

// 100,000 answers to items spread over the 1,000 verbs, one run of 100 answers a
// day for 1,000 days, the first 5,000 lines before the history began.
struct ReviewData {
  std::vector<std::string> lines;
  std::vector<HistoryEntry> history;
};
const ReviewData& HundredThousandAnswers() {
  static const ReviewData data = [] {
    const VerbList& verbs = ThousandVerbs();
    static const int kScores[] = {10, 10, 10, 9, 7, 10, -5, 10, -10, 10};
    ReviewData d;
    std::mt19937 random(42);
    for (int i = 0; i < 100000; ++i) {
      const TVerb& item = verbs[random() % verbs.size()];
      d.lines.push_back(item.ResultLine(kScores[random() % 10]) + "," + std::to_string(random() % 31));
    }
    const Day first = DayOf(2024, 1, 1);
    for (int run = 50; run < 1000; ++run)
      d.history.push_back({{first + run, 3600}, run * 100 + 1, run * 100 + 100, 100, 7.5});
    return d;
  }();
  return data;
}

void BM_BuildReview(benchmark::State& state) {
  const VerbList& verbs = ThousandVerbs();
  const ReviewData& data = HundredThousandAnswers();
  const auto kind = static_cast<ReviewKind>(state.range(0));
  const ReviewInput input{&data.lines, &data.history, DayOf(2024, 1, 1) + 1000, kAllCountries, 1000};
  for (auto _ : state) {
    // The index is part of each build: the window keeps no state between reviews.
    TestList rows = BuildReview(kind, ItemIndex(verbs), input);
    benchmark::DoNotOptimize(rows.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(data.lines.size()));
}
BENCHMARK(BM_BuildReview)
    ->ArgName("kind")
    ->Arg(static_cast<int>(ReviewKind::kMissed))
    ->Arg(static_cast<int>(ReviewKind::kDue))
    ->Unit(benchmark::kMillisecond);

// The summary of a finished test of 1,000 questions, every tenth missed.
void BM_TestSummary(benchmark::State& state) {
  const VerbList& verbs = ThousandVerbs();
  TestList rows;
  TestProgress progress;
  progress.Start(1000);
  for (int i = 0; i < 1000; ++i) {
    rows.push_back(&verbs[static_cast<std::size_t>(i) * 150]);
    progress.Record(i, i % 10 == 0 ? 7 : 10, i % 31);
  }
  for (auto _ : state) {
    const TestSummary summary = Summarise(rows, progress);
    std::vector<std::string> text = SummaryLines(summary);
    for (const MissedForm& missed : summary.missed) text.push_back(MissedFormText(missed));
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_TestSummary)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
