// The "Statistics" page: the summaries of the recorded results. Its tab is hidden;
// Ctrl+Shift+S and the tester's "Statistics" button lead to it. Its grids and charts,
// the heaviest controls of the window, are made when it is first shown.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "history.h"
#include "lazy_page.h"
#include "statistics_view.h"

namespace parlavo {

class StatisticsPage : public LazyPage {
  Q_OBJECT
 public:
  explicit StatisticsPage(QWidget* parent = nullptr);

  // From now on the page summarises `resultLines` (the results manager's list, which
  // must outlive the page) of the file `fileName`; `history` gives the runs' days.
  void ShowResults(const std::vector<std::string>& resultLines, const std::string& fileName,
                   std::function<std::vector<HistoryEntry>()> history);
  // A new visit: rebuilt, and bad lines reported again.
  void PageShown();

 signals:
  void errorFound(const QString& text);
  void practiseVerbRequested(const std::string& infinitive);  // "Practise this verb"

 protected:
  void Build(QWidget* holder) override;

 private:
  void MakeView();

  StatisticsControls controls_;
  StatisticsView* view_ = nullptr;
  const std::vector<std::string>* resultLines_ = nullptr;
  std::string fileName_;
  std::function<std::vector<HistoryEntry>()> history_;
};

}  // namespace parlavo
