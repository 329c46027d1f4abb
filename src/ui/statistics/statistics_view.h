// The Statistics page: shows one of the three summary tables that the results
// core builds from the result lines, or the chart by tense; and, from the results
// dated by "History.txt", the verbs weakest first ("By Verb", with "Practise this
// verb") and the answers and scores day by day ("Progress").
//
// What the main window does:
//   - create the controls (names as below) and hand them over in StatisticsControls;
//     PlaceStatisticsControls gives them a layout that fits the page (554 x 381);
//   - construct one StatisticsView on them and the results' line list;
//   - call PageShown() whenever the Statistics page becomes the active page.
// The view connects the radio buttons itself (rbBothScoClick).
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "history.h"
#include "statistics.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace parlavo {

class ProgressChart;
class StatisticsChart;

struct StatisticsControls {
  QLabel* Label17 = nullptr;
  QRadioButton* rbPerson = nullptr;       // "By Person", selected at start
  QRadioButton* rbTense = nullptr;        // "By Tense"
  QRadioButton* rbBothWR = nullptr;       // "By Person and Tense: (Count/Ave.Score/Ave.Time)"
  QRadioButton* rbBothSco = nullptr;      // never visible
  QRadioButton* rbBothCom = nullptr;      // never visible
  QRadioButton* rbChart = nullptr;        // "Chart by Tense"; optional
  QTableWidget* sgPerson = nullptr;       // 13 x 5
  QTableWidget* sgTense = nullptr;        // 17 x 5
  QTableWidget* sgDouble = nullptr;       // 17 x 12
  StatisticsChart* chart = nullptr;       // optional, shown with rbChart
  QRadioButton* rbVerb = nullptr;         // "By Verb"; optional
  QRadioButton* rbProgress = nullptr;     // "Progress"; optional
  QTableWidget* sgVerb = nullptr;         // one row per verb answered, shown with rbVerb
  QPushButton* bnPractiseVerb = nullptr;  // "Practise this verb", under sgVerb
  ProgressChart* progress = nullptr;      // shown with rbProgress
};

// Creates the page's controls as children of `page`, with their object names,
// captions and places. For the window and for tests that need a whole page.
StatisticsControls CreateStatisticsControls(QWidget* page);
// Geometry of every control given, so that the label, the radio buttons and the
// grids (or the chart, in the grids' place) fit the page.
void PlaceStatisticsControls(const StatisticsControls& controls);

// Sizes a grid as a table of rows x columns whose row 0 and column 0 are fixed
// (the table's header row and header column), every row 18 pixels high.
void SetUpStatisticsGrid(QTableWidget* grid, int rows, const std::vector<int>& columnWidths);
// Writes `cells` (row 0 and column 0 into the headers) into a grid set up as above.
void FillStatisticsGrid(QTableWidget* grid, const StatisticsGrid& cells);
// Text of cell (row, column) counted the way the table is: row 0 and column 0 are
// the fixed header row and column.
QString StatisticsCellText(const QTableWidget* grid, int row, int column);

class StatisticsView : public QObject {
  Q_OBJECT
 public:
  // `resultLines` is the results manager's line list; it must outlive the view.
  StatisticsView(const StatisticsControls& controls, const std::vector<std::string>& resultLines,
                 QObject* parent = nullptr);

  // Rebuilds from all result lines and shows the grid of the selected radio button
  // (or the chart), built from the good lines. Lines that are not valid are reported
  // once per visit of the page, not at every click of a radio button.
  void BuildStatistics();
  // A new visit of the page: rebuilt, and bad lines are reported again.
  void PageShown();
  // The shared click handler of the page's radio buttons.
  void rbBothScoClick() { BuildStatistics(); }

  // The results file's name, for messages about its lines.
  void SetFileName(std::string fileName) { fileName_ = std::move(fileName); }

  // Where an error for the user goes (the page hands it to the window, which shows it
  // through the platform); nothing is shown without one.
  void SetErrorReporter(std::function<void(const QString&)> report) { report_ = std::move(report); }

  // The lines of "History.txt" as they stand (this run's included), asked at every
  // build; without it every result counts as undated.
  void SetHistory(std::function<std::vector<HistoryEntry>()> history) { history_ = std::move(history); }
  // "Practise this verb" with the infinitive of the selected row (Windows-1252).
  void SetPractiseVerb(std::function<void(const std::string&)> practise) { practise_ = std::move(practise); }

 private:
  StatisticsControls c_;
  const std::vector<std::string>& lines_;
  // The radio button's view, from its own rules; false when another is selected.
  bool BuildDatedView();
  void ReportOnce(const std::string& error);

  std::function<void(const QString&)> report_;
  std::function<std::vector<HistoryEntry>()> history_;
  std::function<void(const std::string&)> practise_;
  std::string fileName_ = "Results.txt";
  bool reportedThisVisit_ = false;
};

}  // namespace parlavo
