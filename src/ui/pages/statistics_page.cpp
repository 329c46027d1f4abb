#include "statistics_page.h"

namespace parlavo {

StatisticsPage::StatisticsPage(QWidget* parent) : LazyPage(parent) {}

void StatisticsPage::ShowResults(const std::vector<std::string>& resultLines, const std::string& fileName,
                                 std::function<std::vector<HistoryEntry>()> history) {
  resultLines_ = &resultLines;
  fileName_ = fileName;
  history_ = std::move(history);
  if (Built()) MakeView();
}

void StatisticsPage::PageShown() {
  EnsureBuilt();
  if (view_) view_->PageShown();
}

void StatisticsPage::Build(QWidget* holder) {
  controls_ = CreateStatisticsControls(holder);
  if (resultLines_) MakeView();
}

void StatisticsPage::MakeView() {
  delete view_;
  view_ = new StatisticsView(controls_, *resultLines_, this);
  view_->SetFileName(fileName_);
  view_->SetErrorReporter([this](const QString& text) { emit errorFound(text); });
  view_->SetHistory(history_);
  view_->SetPractiseVerb([this](const std::string& infinitive) { emit practiseVerbRequested(infinitive); });
}

}  // namespace parlavo
