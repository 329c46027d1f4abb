// Loading, filtering and exporting a database of 1,000 verbs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <malloc.h>
#include <sstream>
#include <string>
#include <unistd.h>

#include "atomic_file.h"
#include "verb_exports.h"
#include "verb_file.h"
#include "verb_maker.h"

namespace parlavo {
namespace {

constexpr int kVerbs = 1000;

// 1,000 synthetic verbs of the three classes, every fourth with irregular lines.
std::string SyntheticBody() {
  static const char* const kEndings[] = {"ar", "er", "ir", "arse"};
  std::string body;
  for (int i = 0; i < kVerbs; ++i) {
    std::string stem = "v";
    stem += std::to_string(i);
    stem += 'b';
    body += "@" + stem + kEndings[i % 4] + ";to do thing number " + std::to_string(i) + "\r\n";
    if (i % 4 == 1) {
      body += "-2:" + stem + "echo\r\n";
      body += "01:" + stem + "oy,,,,," + stem + "\xE9is\r\n";
      body += "03:" + stem + "e,,," + stem + "imos,\r\n";
      body +=
          "06:" + stem + "ga," + stem + "gas," + stem + "ga," + stem + "gamos," + stem + "gan," + stem + "g\xE1is\r\n";
    }
    body += "\r\n";
  }
  return body;
}

const std::string& StoredFile() {
  static const std::string stored = ComposeVerbFile(SyntheticBody());
  return stored;
}

// The file on disk, written once per run.
const std::string& FilePath() {
  static const std::string path = [] {
    const std::string p = "/tmp/bench_verbs_" + std::to_string(::getpid()) + ".ini";
    if (const Status written = WriteFileAtomically(p, [](std::ostream& o) { o << StoredFile(); }); !written)
      std::fprintf(stderr, "%s\n", written.message().c_str());
    return p;
  }();
  return path;
}

class Collector : public LoadObserver {
 public:
  void AddInfinitive(const std::string& infinitive) override { infinitives.push_back(infinitive); }
  std::vector<std::string> infinitives;
};

struct Database {
  VerbList items;
  std::vector<std::string> infinitives;
};

const Database& Loaded() {
  static const Database db = [] {
    Database d;
    Collector collector;
    TVerbMaker maker;
    if (!maker.LoadVerbBytes(StoredFile(), d.items, &collector)) std::abort();
    d.infinitives = std::move(collector.infinitives);
    return d;
  }();
  return db;
}

void BM_LoadVerbFile(benchmark::State& state) {
  const std::string& path = FilePath();
  for (auto _ : state) {
    VerbList items;
    TVerbMaker maker;
    if (!maker.LoadVerbFile(path, items)) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(items.size());
  }
  state.counters["items"] = kVerbs * kItemsPerVerb;
}
BENCHMARK(BM_LoadVerbFile)->Unit(benchmark::kMillisecond);

// The shipped data file, when the benchmark runs in the run folder (`make bench`).
void BM_LoadShippedVerbIni(benchmark::State& state) {
  if (::access("verb.ini", R_OK) != 0) {
    state.SkipWithError("no verb.ini in the current folder");
    return;
  }
  std::size_t count = 0;
  for (auto _ : state) {
    VerbList items;
    TVerbMaker maker;
    if (!maker.LoadVerbFile("verb.ini", items)) state.SkipWithError("load failed");
    count = items.size();
    benchmark::DoNotOptimize(items.size());
  }
  state.counters["items"] = static_cast<double>(count);
}
BENCHMARK(BM_LoadShippedVerbIni)->Unit(benchmark::kMillisecond);

// Heap bytes held per verb once a load is done (the loader itself gone): what the
// list counts for itself, and what the allocator reports in use, which also sees
// any allocation the list does not know of.
void ReportItemMemory(benchmark::State& state, std::string_view stored) {
  std::size_t listBytes = 0, heapBytes = 0, items = 0;
  for (auto _ : state) {
    const struct mallinfo2 before = mallinfo2();
    VerbList list;
    {
      TVerbMaker maker;
      if (!maker.LoadVerbBytes(stored, list)) state.SkipWithError("load failed");
    }
    const struct mallinfo2 after = mallinfo2();
    listBytes = list.BytesUsed();
    heapBytes = (after.uordblks + after.hblkhd) - (before.uordblks + before.hblkhd);
    items = list.size();
    benchmark::DoNotOptimize(list.size());
  }
  const double verbs = static_cast<double>(items) / kItemsPerVerb;
  state.counters["verbs"] = verbs;
  state.counters["list_bytes_per_verb"] = static_cast<double>(listBytes) / verbs;
  state.counters["heap_bytes_per_verb"] = static_cast<double>(heapBytes) / verbs;
  state.counters["item_bytes"] = sizeof(TVerb);
}

void BM_ItemMemoryPerVerb(benchmark::State& state) { ReportItemMemory(state, StoredFile()); }
BENCHMARK(BM_ItemMemoryPerVerb)->Unit(benchmark::kMillisecond);

void BM_ItemMemoryPerVerbShipped(benchmark::State& state) {
  std::string stored;
  if (!ReadWholeFile("verb.ini", stored)) {
    state.SkipWithError("no verb.ini in the current folder");
    return;
  }
  ReportItemMemory(state, stored);
}
BENCHMARK(BM_ItemMemoryPerVerbShipped)->Unit(benchmark::kMillisecond);

void BM_ReadFileBytesOnly(benchmark::State& state) {
  const std::string& path = FilePath();
  for (auto _ : state) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
      state.SkipWithError("the benchmark's file cannot be read");
      break;
    }
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(StoredFile().size()));
}
BENCHMARK(BM_ReadFileBytesOnly)->Unit(benchmark::kMillisecond);

void BM_SplitLines(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(SplitVerbFileLines(StoredFile()).lines.size());
}
BENCHMARK(BM_SplitLines)->Unit(benchmark::kMillisecond);

void BM_MatchesFilter(benchmark::State& state) {
  const VerbList& items = Loaded().items;
  PeopleFlags people{};
  TenseFlags tenses{};
  ClassFlags classes{};
  people.fill(true);
  tenses.fill(true);
  classes.fill(true);
  people[kVos - 1] = false;
  const TExtra extra{state.range(0) ? "V500BER" : ""};
  for (auto _ : state) {
    std::size_t passed = 0;
    for (const TVerb& item : items) passed += item.MatchesFilter(people, tenses, classes, 2, extra);
    benchmark::DoNotOptimize(passed);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(items.size()));
}
BENCHMARK(BM_MatchesFilter)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_WriteAllVerbs(benchmark::State& state) {
  const Database& db = Loaded();
  for (auto _ : state) {
    std::ostringstream out;
    WriteAllVerbs(out, db.infinitives, db.items);
    benchmark::DoNotOptimize(out.tellp());
  }
}
BENCHMARK(BM_WriteAllVerbs)->Unit(benchmark::kMillisecond);

void BM_WriteSpecialVerbs(benchmark::State& state) {
  const Database& db = Loaded();
  for (auto _ : state) {
    std::ostringstream out;
    WriteSpecialVerbs(out, db.items);
    benchmark::DoNotOptimize(out.tellp());
  }
}
BENCHMARK(BM_WriteSpecialVerbs)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace parlavo

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::remove(parlavo::FilePath().c_str());
  return 0;
}
