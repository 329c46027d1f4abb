// The results file and the statistics over it on arbitrary bytes: never crashes,
// keeps every complete line, and every grid has its fixed shape, bad lines or not;
// the By Verb grid and the Progress series are built over them too, the first half
// of the lines dated by a run of "History.txt" and the rest undated.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "file_man.h"
#include "history.h"
#include "progress_series.h"
#include "statistics.h"
#include "verb_statistics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string cutShort;
  const std::vector<std::string> lines = parlavo::ResultLinesFromBytes(bytes, &cutShort);
  std::size_t ends = 0;
  for (char c : bytes) ends += c == '\n';
  if (lines.size() != ends) std::abort();
  if (!cutShort.empty() && (cutShort.find('\n') != std::string::npos || !bytes.ends_with(cutShort))) std::abort();

  const struct {
    parlavo::StatisticsKind kind;
    std::size_t rows, columns;
  } grids[] = {{parlavo::StatisticsKind::kPerson, 13, 5},
               {parlavo::StatisticsKind::kTense, 17, 5},
               {parlavo::StatisticsKind::kDouble, 17, 12}};
  for (const auto& grid : grids) {
    const parlavo::StatisticsTable table = parlavo::BuildStatistics(lines, grid.kind);
    // The grid is built from the good lines even when some are bad.
    if (table.Cells.size() != grid.rows) std::abort();
    for (const auto& row : table.Cells)
      if (row.size() != grid.columns) std::abort();
  }

  parlavo::HistoryEntry run;
  run.start = *parlavo::ParseDateTime("2026-12-10T14:02:10");
  run.firstLine = 1;
  run.lastLine = static_cast<std::int64_t>(lines.size() / 2);
  run.count = run.lastLine;
  const std::vector<parlavo::HistoryEntry> history{run};
  const parlavo::StatisticsTable verbs = parlavo::BuildVerbStatistics(lines, history);
  if (verbs.Cells.empty() || verbs.Cells.front().size() != 6) std::abort();
  for (const auto& row : verbs.Cells)
    if (row.size() != 6) std::abort();
  for (const parlavo::DayFigures& day : parlavo::ProgressSeries(lines, history)) {
    parlavo::DayAxisLabel(day.day);
    parlavo::DayTooltip(day);
  }
  return 0;
}
