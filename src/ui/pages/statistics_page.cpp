#include "statistics_page.h"

namespace parlavo {

StatisticsPage::StatisticsPage(QWidget* parent) : QWidget(parent), controls_(CreateStatisticsControls(this)) {}

void StatisticsPage::ShowResults(const std::vector<std::string>& resultLines, const std::string& fileName,
                                 std::function<std::vector<HistoryEntry>()> history) {
  delete view_;
  view_ = new StatisticsView(controls_, resultLines, this);
  view_->SetFileName(fileName);
  view_->SetErrorReporter([this](const QString& text) { emit errorFound(text); });
  view_->SetHistory(std::move(history));
  view_->SetPractiseVerb([this](const std::string& infinitive) { emit practiseVerbRequested(infinitive); });
}

void StatisticsPage::PageShown() {
  if (view_) view_->PageShown();
}

}  // namespace parlavo
