#include "test_summary_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "text_codec.h"

namespace parlavo {

TestSummaryDialog::TestSummaryDialog(const TestSummary& summary, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dlgTestSummary"));
  setWindowTitle(QStringLiteral("Test done"));
  setAttribute(Qt::WA_DeleteOnClose);

  auto* layout = new QVBoxLayout(this);
  QStringList figures;
  for (const std::string& line : SummaryLines(summary)) figures << ToQString(line);
  auto* lbSummaryFigures = new QLabel(figures.join(QLatin1Char('\n')), this);
  lbSummaryFigures->setObjectName(QStringLiteral("lbSummaryFigures"));
  lbSummaryFigures->setTextFormat(Qt::PlainText);
  layout->addWidget(lbSummaryFigures);

  const bool anyMissed = !summary.missed.empty();
  auto* lbMissedTitle = new QLabel(anyMissed ? QStringLiteral("Missed (%1):").arg(summary.missed.size())
                                             : QStringLiteral("Nothing missed: every form right."),
                                   this);
  lbMissedTitle->setObjectName(QStringLiteral("lbMissedTitle"));
  QFont bold = lbMissedTitle->font();
  bold.setBold(true);
  lbMissedTitle->setFont(bold);
  layout->addWidget(lbMissedTitle);
  if (anyMissed) {
    auto* lbMissedForms = new QListWidget(this);
    lbMissedForms->setObjectName(QStringLiteral("lbMissedForms"));
    lbMissedForms->setFocusPolicy(Qt::NoFocus);  // Enter and Escape stay with the buttons
    lbMissedForms->setSelectionMode(QAbstractItemView::NoSelection);
    for (const MissedForm& missed : summary.missed) lbMissedForms->addItem(ToQString(MissedFormText(missed)));
    // As tall as its rows, up to a dozen; more scroll.
    const int shown = std::min(lbMissedForms->count(), 12);
    lbMissedForms->setFixedHeight(shown * lbMissedForms->sizeHintForRow(0) + 2 * lbMissedForms->frameWidth() + 2);
    layout->addWidget(lbMissedForms);
  }

  auto* buttons = new QHBoxLayout;
  auto button = [this, buttons](const char* name, const char* caption, SummaryChoice choice) {
    auto* b = new QPushButton(QString::fromLatin1(caption), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, choice] { Choose(choice); });
    buttons->addWidget(b);
    return b;
  };
  QPushButton* practise = button("bnPractiseMissed", "Practise the missed ones", SummaryChoice::kPractiseMissed);
  button("bnRepeatTest", "Repeat this test", SummaryChoice::kRepeatTest);
  QPushButton* close = button("bnCloseSummary", "Close", SummaryChoice::kClose);
  practise->setEnabled(anyMissed);
  // Enter takes the default button: the missed ones when there are any, else Close.
  (anyMissed ? practise : close)->setDefault(true);
  (anyMissed ? practise : close)->setFocus();
  layout->addLayout(buttons);

  // Escape, the window's close button and Close all end as "Close".
  connect(this, &QDialog::rejected, this, [this] { Choose(SummaryChoice::kClose); });
}

void TestSummaryDialog::Choose(SummaryChoice choice) {
  if (chose_) return;
  chose_ = true;
  emit chosen(choice);
  // Escape and the title bar's close have hidden the dialog already.
  if (isVisible()) done(choice == SummaryChoice::kClose ? Rejected : Accepted);
}

}  // namespace parlavo
