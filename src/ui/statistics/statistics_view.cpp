#include "statistics_view.h"

#include <QHeaderView>
#include <QStyle>

#include <algorithm>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>

#include <QPushButton>

#include "progress_chart.h"
#include "progress_series.h"
#include "statistics_chart.h"
#include "text_codec.h"
#include "verb_statistics.h"

namespace parlavo {

namespace {

constexpr int kRowHeight = 18;

// Where the grids (and the chart) lie on the page, one on top of the other. Each
// grid is as large as its cells (plus its frame) where the page allows it; the
// double grid, in the same font as the others, scrolls sideways only.
// Inside the page and clear of the window's frame on the right and at the bottom.
const QRect kGridArea(8, 58, 538, 312);
constexpr QSize kPersonGridSize(64 * 4 + 244 + 2, 13 * kRowHeight + 2);
constexpr QSize kTenseGridSize(140 + 64 * 3 + 166 + 2, 17 * kRowHeight + 2);
// The verb grid leaves room under it for its button.
const std::vector<int> kVerbColumns = {118, 56, 62, 62, 92, 146};
const QRect kVerbGridArea(8, 58, 538, 282);
const QRect kPractiseVerbButton(8, 344, 150, 24);

QTableWidgetItem* EnsureItem(QTableWidgetItem* item, const std::function<void(QTableWidgetItem*)>& install) {
  if (item == nullptr) {
    item = new QTableWidgetItem;
    install(item);
  }
  return item;
}

// Every row in view, the totals too, so the grid scrolls one way only (sideways,
// its tense column staying put): rows give up a pixel or two when the grid's height
// asks for it.
void FitRowsToHeight(QTableWidget* grid) {
  if (grid == nullptr || grid->rowCount() == 0) return;
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  const int scrollBar = grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid);
  const int room = grid->height() - 2 * grid->frameWidth() - grid->horizontalHeader()->height() - scrollBar;
  const int rowHeight = std::clamp(room / grid->rowCount(), 1, kRowHeight);
  QHeaderView* rows = grid->verticalHeader();
  rows->setDefaultSectionSize(rowHeight);
  for (int r = 0; r < grid->rowCount(); ++r) rows->resizeSection(r, rowHeight);
}

}  // namespace

void SetUpStatisticsGrid(QTableWidget* grid, int rows, const std::vector<int>& columnWidths) {
  if (columnWidths.empty() || rows < 1) return;
  grid->setRowCount(rows - 1);
  grid->setColumnCount(static_cast<int>(columnWidths.size()) - 1);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setWordWrap(false);
  grid->setCornerButtonEnabled(false);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);

  // Row 0 and column 0 are the fixed header row and column of the table.
  QHeaderView* top = grid->horizontalHeader();
  QHeaderView* left = grid->verticalHeader();
  for (QHeaderView* header : {top, left}) {
    header->setMinimumSectionSize(1);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setHighlightSections(false);
  }
  top->setFixedHeight(kRowHeight);
  top->setSectionResizeMode(QHeaderView::Fixed);
  for (int c = 1; c < static_cast<int>(columnWidths.size()); ++c) top->resizeSection(c - 1, columnWidths[c]);
  left->setSectionResizeMode(QHeaderView::Fixed);
  left->setDefaultSectionSize(kRowHeight);
  left->setFixedWidth(columnWidths[0]);
  for (int r = 0; r < rows - 1; ++r) left->resizeSection(r, kRowHeight);
}

void FillStatisticsGrid(QTableWidget* grid, const StatisticsGrid& cells) {
  for (int r = 0; r < static_cast<int>(cells.size()); ++r) {
    for (int c = 0; c < static_cast<int>(cells[r].size()); ++c) {
      const QString text = ToQString(cells[r][c]);
      if (r == 0 && c == 0) continue;  // the corner holds no text
      if (r == 0) {
        if (c - 1 >= grid->columnCount()) continue;
        EnsureItem(grid->horizontalHeaderItem(c - 1), [&](QTableWidgetItem* item) {
          grid->setHorizontalHeaderItem(c - 1, item);
        })->setText(text);
      } else if (c == 0) {
        if (r - 1 >= grid->rowCount()) continue;
        EnsureItem(grid->verticalHeaderItem(r - 1), [&](QTableWidgetItem* item) {
          grid->setVerticalHeaderItem(r - 1, item);
        })->setText(text);
      } else {
        if (r - 1 >= grid->rowCount() || c - 1 >= grid->columnCount()) continue;
        QTableWidgetItem* item =
            EnsureItem(grid->item(r - 1, c - 1), [&](QTableWidgetItem* item) { grid->setItem(r - 1, c - 1, item); });
        item->setText(text);
        item->setToolTip(text);  // a comment can be wider than its column
      }
    }
  }
}

QString StatisticsCellText(const QTableWidget* grid, int row, int column) {
  const QTableWidgetItem* item = nullptr;
  if (row == 0 && column > 0)
    item = grid->horizontalHeaderItem(column - 1);
  else if (column == 0 && row > 0)
    item = grid->verticalHeaderItem(row - 1);
  else if (row > 0 && column > 0)
    item = grid->item(row - 1, column - 1);
  return item != nullptr ? item->text() : QString();
}

StatisticsControls CreateStatisticsControls(QWidget* page) {
  StatisticsControls c;
  auto radio = [page](const char* name, const char* caption) {
    auto* button = new QRadioButton(QString::fromUtf8(caption), page);
    button->setObjectName(QString::fromLatin1(name));
    return button;
  };
  auto table = [page](const char* name) {
    auto* grid = new QTableWidget(page);
    grid->setObjectName(QString::fromLatin1(name));
    return grid;
  };
  c.Label17 = new QLabel(QStringLiteral("Select the type of statistics you want to view:"), page);
  c.Label17->setObjectName(QStringLiteral("Label17"));
  c.Label17->setTextFormat(Qt::PlainText);
  c.rbPerson = radio("rbPerson", "By Person");
  c.rbTense = radio("rbTense", "By Tense");
  c.rbBothWR = radio("rbBothWR", "By Person and Tense: (Count/Ave.Score/Ave.Time)");
  c.rbBothSco = radio("rbBothSco", "By Person and Tense: Score");
  c.rbBothCom = radio("rbBothCom", "By Person and Tense: Comments");
  c.rbChart = radio("rbChart", "Chart by Tense");
  c.sgPerson = table("sgPerson");
  c.sgTense = table("sgTense");
  c.sgDouble = table("sgDouble");
  c.chart = new StatisticsChart(page);
  c.chart->setObjectName(QStringLiteral("chStatistics"));
  c.rbVerb = radio("rbVerb", "By Verb");
  c.rbProgress = radio("rbProgress", "Progress");
  c.sgVerb = table("sgVerb");
  c.bnPractiseVerb = new QPushButton(QStringLiteral("Practise this verb"), page);
  c.bnPractiseVerb->setObjectName(QStringLiteral("bnPractiseVerb"));
  c.progress = new ProgressChart(page);
  c.progress->setObjectName(QStringLiteral("pgProgress"));
  c.rbPerson->setChecked(true);
  PlaceStatisticsControls(c);
  return c;
}

void PlaceStatisticsControls(const StatisticsControls& c) {
  if (c.Label17) c.Label17->setGeometry(8, 4, 300, 16);
  if (c.rbPerson) c.rbPerson->setGeometry(16, 20, 90, 17);
  if (c.rbTense) c.rbTense->setGeometry(112, 20, 90, 17);
  if (c.rbChart) c.rbChart->setGeometry(208, 20, 110, 17);
  if (c.rbVerb) c.rbVerb->setGeometry(324, 20, 80, 17);
  if (c.rbProgress) c.rbProgress->setGeometry(410, 20, 90, 17);
  if (c.rbBothWR) c.rbBothWR->setGeometry(16, 38, 330, 17);
  for (QRadioButton* hidden : {c.rbBothSco, c.rbBothCom}) {
    if (hidden == nullptr) continue;
    hidden->setGeometry(352, 38, 180, 17);
    hidden->hide();
  }
  if (c.sgPerson) c.sgPerson->setGeometry(QRect(kGridArea.topLeft(), kPersonGridSize));
  if (c.sgTense) c.sgTense->setGeometry(QRect(kGridArea.topLeft(), kTenseGridSize));
  if (c.sgDouble) c.sgDouble->setGeometry(kGridArea);
  if (c.chart) c.chart->setGeometry(kGridArea);
  if (c.sgVerb) c.sgVerb->setGeometry(kVerbGridArea);
  if (c.bnPractiseVerb) c.bnPractiseVerb->setGeometry(kPractiseVerbButton);
  if (c.progress) c.progress->setGeometry(kGridArea);
}

StatisticsView::StatisticsView(const StatisticsControls& controls, const std::vector<std::string>& resultLines,
                               QObject* parent)
    : QObject(parent), c_(controls), lines_(resultLines) {
  SetUpStatisticsGrid(c_.sgPerson, 13, {64, 64, 64, 64, 244});
  // The tense names need more room than 118 pixels in our font ("Subjunctive -
  // Pluperfect"); the comments column gives it up, so the grid keeps its width.
  SetUpStatisticsGrid(c_.sgTense, 17, {140, 64, 64, 64, 166});
  std::vector<int> doubleWidths(12, 50);
  doubleWidths[0] = 133;
  doubleWidths[4] = 52;
  // "Nosotros", "Vosotros" and "Ustedes" are the widest person headings: at 50
  // pixels the header's margins cut their last letter.
  doubleWidths[7] = 62;
  doubleWidths[8] = 62;
  doubleWidths[11] = 58;
  SetUpStatisticsGrid(c_.sgDouble, 17, doubleWidths);
  c_.sgDouble->setFrameShape(QFrame::NoFrame);
  c_.sgDouble->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  FitRowsToHeight(c_.sgDouble);

  // "By Person" is the choice at start: only its grid shows until the first rebuild.
  for (QWidget* other :
       {static_cast<QWidget*>(c_.sgTense), static_cast<QWidget*>(c_.sgDouble), static_cast<QWidget*>(c_.chart),
        static_cast<QWidget*>(c_.sgVerb), static_cast<QWidget*>(c_.bnPractiseVerb), static_cast<QWidget*>(c_.progress)})
    if (other) other->hide();
  if (c_.sgPerson) c_.sgPerson->show();

  for (QRadioButton* button :
       {c_.rbPerson, c_.rbTense, c_.rbBothWR, c_.rbBothSco, c_.rbBothCom, c_.rbChart, c_.rbVerb, c_.rbProgress}) {
    if (button == nullptr) continue;
    connect(button, &QRadioButton::clicked, this, &StatisticsView::rbBothScoClick);
  }
  if (c_.sgVerb) {
    c_.sgVerb->setSelectionBehavior(QAbstractItemView::SelectRows);
    c_.sgVerb->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  }
  if (c_.bnPractiseVerb) {
    connect(c_.bnPractiseVerb, &QPushButton::clicked, this, [this] {
      const int row = c_.sgVerb->currentRow();
      if (row < 0 || !practise_) return;
      // The verb is the row's header cell (column 0).
      practise_(FromQString(StatisticsCellText(c_.sgVerb, row + 1, 0)));
    });
  }
}

void StatisticsView::PageShown() {
  reportedThisVisit_ = false;
  BuildStatistics();
}

void StatisticsView::ReportOnce(const std::string& error) {
  if (error.empty() || reportedThisVisit_) return;
  reportedThisVisit_ = true;
  if (report_) report_(ToQString(error));
}

bool StatisticsView::BuildDatedView() {
  const bool byVerb = c_.rbVerb != nullptr && c_.sgVerb != nullptr && c_.rbVerb->isChecked();
  const bool progress = c_.rbProgress != nullptr && c_.progress != nullptr && c_.rbProgress->isChecked();
  if (!byVerb && !progress) return false;
  const std::vector<HistoryEntry> history = history_ ? history_() : std::vector<HistoryEntry>();
  for (QWidget* shown :
       {static_cast<QWidget*>(c_.sgDouble), static_cast<QWidget*>(c_.sgPerson), static_cast<QWidget*>(c_.sgTense),
        static_cast<QWidget*>(c_.chart), static_cast<QWidget*>(c_.sgVerb), static_cast<QWidget*>(c_.bnPractiseVerb),
        static_cast<QWidget*>(c_.progress)})
    if (shown) shown->hide();
  if (progress) {
    c_.progress->show();  // laid out while shown, so the axis labels are not elided
    c_.progress->ShowDays(ProgressSeries(lines_, history));
    return true;
  }
  const StatisticsTable table = BuildVerbStatistics(lines_, history, fileName_);
  ReportOnce(table.Error);
  SetUpStatisticsGrid(c_.sgVerb, static_cast<int>(table.Cells.size()), kVerbColumns);
  FillStatisticsGrid(c_.sgVerb, table.Cells);
  if (c_.sgVerb->rowCount() > 0) c_.sgVerb->selectRow(0);  // the weakest verb, ready to practise
  c_.sgVerb->show();
  if (c_.bnPractiseVerb) {
    c_.bnPractiseVerb->setEnabled(c_.sgVerb->rowCount() > 0);
    c_.bnPractiseVerb->show();
  }
  return true;
}

void StatisticsView::BuildStatistics() {
  if (BuildDatedView()) return;
  StatisticsKind kind = StatisticsKind::kDouble;
  QTableWidget* grid = c_.sgDouble;
  const bool chart = c_.chart != nullptr && c_.rbChart != nullptr && c_.rbChart->isChecked();
  if (c_.rbPerson->isChecked()) {
    kind = StatisticsKind::kPerson;
    grid = c_.sgPerson;
  } else if (c_.rbTense->isChecked() || chart) {
    kind = StatisticsKind::kTense;
    grid = c_.sgTense;
  }

  const StatisticsTable table = parlavo::BuildStatistics(lines_, kind, fileName_);
  ReportOnce(table.Error);
  const StatisticsGrid& cells = table.Cells;

  for (QTableWidget* g : {c_.sgDouble, c_.sgPerson, c_.sgTense}) g->hide();
  for (QWidget* dated : {static_cast<QWidget*>(c_.chart), static_cast<QWidget*>(c_.sgVerb),
                         static_cast<QWidget*>(c_.bnPractiseVerb), static_cast<QWidget*>(c_.progress)})
    if (dated) dated->hide();
  if (chart) {
    c_.chart->show();  // a chart laid out while hidden elides its axis labels
    c_.chart->ShowTenseAverages(cells);
    return;
  }
  FillStatisticsGrid(grid, cells);
  grid->show();
}

}  // namespace parlavo
