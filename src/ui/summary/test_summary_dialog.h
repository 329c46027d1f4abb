// The summary shown when a test is done: its figures, the forms missed, and what
// to do next. It never blocks: the window opens it and acts on `chosen`.
// Keyboard: Enter practises the missed ones when there are any, Escape closes.
#pragma once

#include <QDialog>

#include "test_progress.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace parlavo {

enum class SummaryChoice { kPractiseMissed, kRepeatTest, kClose };

class TestSummaryDialog : public QDialog {
  Q_OBJECT
 public:
  // Object name "dlgTestSummary"; buttons "bnPractiseMissed", "bnRepeatTest",
  // "bnCloseSummary"; the figures in "lbSummaryFigures", the missed forms in
  // "lbMissedForms".
  explicit TestSummaryDialog(const TestSummary& summary, QWidget* parent = nullptr);

 signals:
  // Once, when the learner picks a button, presses Enter or Escape, or closes it.
  void chosen(SummaryChoice choice);

 private:
  void Choose(SummaryChoice choice);

  bool chose_ = false;
};

}  // namespace parlavo
