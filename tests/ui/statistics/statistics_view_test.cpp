// The Statistics page: which grid shows, what the grids hold, their shape, the
// error on a bad result line, and the chart by tense.
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QScrollBar>
#include <QStyle>
#include <QtTest>

#include <QChart>
#include <QChartView>

#include "chart_drawing.h"
#include "local_day.h"
#include "progress_chart.h"
#include "progress_series.h"
#include "statistics_chart.h"
#include "statistics_view.h"

using namespace parlavo;

namespace {

QStringList Row(const QTableWidget* grid, int row) {
  QStringList cells;
  const int columns = grid->columnCount() + 1;
  for (int c = 0; c < columns; ++c) cells << StatisticsCellText(grid, row, c);
  return cells;
}

// A page with every control, a view on `lines`, and the errors it reports.
struct Page {
  explicit Page(std::vector<std::string>& lines) : controls(CreateStatisticsControls(&widget)), view(controls, lines) {
    widget.resize(554, 381);
    view.SetErrorReporter([this](const QString& message) { errors << message; });
    widget.show();
  }
  QWidget widget;
  StatisticsControls controls;
  StatisticsView view;
  QStringList errors;

  QList<QWidget*> Visible() const {
    QList<QWidget*> shown;
    for (QWidget* w :
         std::initializer_list<QWidget*>{controls.sgPerson, controls.sgTense, controls.sgDouble, controls.chart,
                                         controls.sgVerb, controls.bnPractiseVerb, controls.progress})
      if (w->isVisibleTo(&widget)) shown << w;
    return shown;
  }
};

// Two Yo Present answers scored 10 in 3 and 4 seconds, one Tú Imperfect 7 in 12.
std::vector<std::string> SomeResults() {
  return {"hablo,hablar,1,1,0,10,3", "como,comer,1,1,0,10,4", "vivías,vivir,2,3,0,7,12"};
}

}  // namespace

class StatisticsViewTest : public QObject {
  Q_OBJECT

 private slots:
  // The program loads the charts' module; the tests link it.
  void initTestCase() { UseChartDrawing(parlavo_chart_drawing()); }
  void personGridShowsAtFirstBuild() {
    std::vector<std::string> lines = SomeResults();
    Page page(lines);
    page.view.BuildStatistics();
    QCOMPARE(page.Visible(), QList<QWidget*>{page.controls.sgPerson});
    const QTableWidget* grid = page.controls.sgPerson;
    QCOMPARE(Row(grid, 0), QStringList({"", "#Tested", "Ave.Score", "Ave.Time", "Comments"}));
    QCOMPARE(Row(grid, 1), QStringList({"Yo", "2", "10", "3", "Perfect"}));
    QCOMPARE(Row(grid, 2), QStringList({"Tú", "1", "7", "12", "More Data Needed"}));
    QCOMPARE(Row(grid, 11), QStringList({"Ustedes", "0", "N/A", "N/A", "More Data Needed"}));
    QCOMPARE(Row(grid, 12), QStringList({"TOTAL", "3", "9", "6", ""}));
    QVERIFY(page.errors.isEmpty());
  }

  void radioButtonsChooseTheGrid() {
    std::vector<std::string> lines = SomeResults();
    Page page(lines);
    page.view.BuildStatistics();

    page.controls.rbTense->click();
    QCOMPARE(page.Visible(), QList<QWidget*>{page.controls.sgTense});
    const QTableWidget* tense = page.controls.sgTense;
    QCOMPARE(Row(tense, 0), QStringList({"", "# Tested", "Ave.Score", "Ave.Time", "Comments"}));
    QCOMPARE(Row(tense, 1), QStringList({"Present", "2", "10", "3", "Perfect"}));
    QCOMPARE(Row(tense, 3).mid(0, 4), QStringList({"Imperfect", "1", "7", "12"}));
    QCOMPARE(StatisticsCellText(tense, 16, 0), QStringLiteral("TOTAL"));

    page.controls.rbBothWR->click();
    QCOMPARE(page.Visible(), QList<QWidget*>{page.controls.sgDouble});
    const QTableWidget* both = page.controls.sgDouble;
    QCOMPARE(StatisticsCellText(both, 0, 0), QString());
    QCOMPARE(StatisticsCellText(both, 0, 1), QStringLiteral("Yo"));
    QCOMPARE(StatisticsCellText(both, 0, 11), QStringLiteral("Ustedes"));
    QCOMPARE(StatisticsCellText(both, 1, 0), QStringLiteral("Present"));
    QCOMPARE(StatisticsCellText(both, 1, 1), QStringLiteral("2/10/3"));
    QCOMPARE(StatisticsCellText(both, 3, 2), QStringLiteral("1/7/12"));
    QCOMPARE(StatisticsCellText(both, 2, 1), QStringLiteral("N/A"));
    QCOMPARE(StatisticsCellText(both, 16, 0), QStringLiteral("TOTAL"));

    page.controls.rbPerson->click();
    QCOMPARE(page.Visible(), QList<QWidget*>{page.controls.sgPerson});
  }

  // Results recorded since the last build appear at the next one.
  void everyBuildReadsAllLinesAgain() {
    std::vector<std::string> lines = SomeResults();
    Page page(lines);
    page.view.BuildStatistics();
    lines.push_back("hablé,hablar,1,2,0,9,5");
    page.view.BuildStatistics();
    QCOMPARE(Row(page.controls.sgPerson, 1).mid(0, 2), QStringList({"Yo", "3"}));
  }

  // A bad line is named once per visit of the page; the grids count the good lines.
  void badLineIsNamedOncePerVisitAndLeftOut_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("fault");
    // clang-format off
    QTest::newRow("word for a score") << "hablo,hablar,1,1,0,ten,3" << "'ten' is not a valid integer value";
    QTest::newRow("missing fields") << "hablo,hablar,1" << "'' is not a valid integer value";
    // clang-format on
  }
  void badLineIsNamedOncePerVisitAndLeftOut() {
    QFETCH(QString, line);
    QFETCH(QString, fault);
    std::vector<std::string> lines = SomeResults();
    lines.insert(lines.begin() + 1, line.toStdString());
    Page page(lines);
    page.view.SetFileName("/data/Results.txt");
    page.view.PageShown();
    const QString message = "Line 2 of \"/data/Results.txt\": " + fault + "\nThe statistics leave this line out.";
    QCOMPARE(page.errors, QStringList{message});
    QCOMPARE(Row(page.controls.sgPerson, 1).mid(0, 2), QStringList({"Yo", "2"}));
    page.controls.rbTense->click();
    page.controls.rbBothWR->click();
    QCOMPARE(page.errors, QStringList{message});
    QCOMPARE(page.Visible(), QList<QWidget*>{page.controls.sgDouble});
    QCOMPARE(StatisticsCellText(page.controls.sgDouble, 1, 1), QStringLiteral("2/10/3"));
    page.view.PageShown();
    QCOMPARE(page.errors, QStringList({message, message}));
  }

  void gridsHaveTheirShape() {
    std::vector<std::string> lines;
    Page page(lines);
    struct Shape {
      QTableWidget* grid;
      int rows;
      std::vector<int> widths;
    };
    std::vector<int> doubleWidths(12, 50);
    doubleWidths[0] = 133;
    doubleWidths[4] = 52;
    doubleWidths[7] = 62;   // Nosotros
    doubleWidths[8] = 62;   // Vosotros
    doubleWidths[11] = 58;  // Ustedes
    const Shape shapes[] = {{page.controls.sgPerson, 13, {64, 64, 64, 64, 244}},
                            {page.controls.sgTense, 17, {140, 64, 64, 64, 166}},
                            {page.controls.sgDouble, 17, doubleWidths}};
    for (const Shape& s : shapes) {
      QCOMPARE(s.grid->rowCount() + 1, s.rows);
      QCOMPARE(s.grid->columnCount() + 1, int(s.widths.size()));
      QCOMPARE(s.grid->verticalHeader()->width(), s.widths[0]);
      for (int c = 1; c < int(s.widths.size()); ++c) QCOMPARE(s.grid->columnWidth(c - 1), s.widths[c]);
      QCOMPARE(s.grid->horizontalHeader()->height(), 18);
      // The double grid's rows may give up a pixel or two to keep every row in view.
      for (int r = 0; r < s.grid->rowCount(); ++r)
        QVERIFY(s.grid == page.controls.sgDouble ? s.grid->rowHeight(r) >= 16 : s.grid->rowHeight(r) == 18);
      QCOMPARE(s.grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    }
    QTableWidget* both = page.controls.sgDouble;
    QCOMPARE(both->frameShape(), QFrame::NoFrame);
    QCOMPARE(both->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
    QCOMPARE(page.controls.sgPerson->horizontalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    QVERIFY(!page.controls.rbBothSco->isVisibleTo(&page.widget));
    QVERIFY(!page.controls.rbBothCom->isVisibleTo(&page.widget));
    QVERIFY(page.controls.rbPerson->isChecked());
  }

  // The person-by-tense grid reads like the others: the same text size, every row
  // (the TOTAL row too) in view, scrolling sideways only with the tenses in place.
  void theDoubleGridIsReadable() {
    std::vector<std::string> lines = SomeResults();
    Page page(lines);
    page.controls.rbBothWR->click();
    QTableWidget* both = page.controls.sgDouble;
    QVERIFY(both->isVisibleTo(&page.widget));
    // Every person heading of the person-by-tense grid shows whole.
    QTableWidget* grid = both;
    const QFontMetrics metrics(grid->horizontalHeader()->font());
    const int margin = grid->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, grid->horizontalHeader());
    QStringList headings;
    for (int c = 0; c < grid->columnCount(); ++c) {
      const QString heading = StatisticsCellText(grid, 0, c + 1);
      headings << heading;
      QVERIFY2(metrics.horizontalAdvance(heading) + 2 * margin <= grid->columnWidth(c), qPrintable(heading));
    }
    QVERIFY2(headings.contains("Nosotros") && headings.contains("Vosotros"), qPrintable(headings.join(',')));
    QVERIFY(QFontInfo(both->font()).pixelSize() >= QFontInfo(page.controls.sgPerson->font()).pixelSize());
    QCOMPARE(both->horizontalHeader()->font(), both->font());
    QCOMPARE(both->verticalHeader()->font(), both->font());
    QCOMPARE(both->verticalScrollBar()->maximum(), 0);
    const QRect total = both->visualRect(both->model()->index(both->rowCount() - 1, 0));
    QVERIFY(total.bottom() < both->viewport()->height());
    QCOMPARE(StatisticsCellText(both, 16, 0), QStringLiteral("TOTAL"));
    // Each row is high enough for its text.
    QVERIFY(both->rowHeight(0) >= QFontMetrics(both->font()).height());
    QVERIFY(both->geometry().bottom() <= page.widget.height());
    // Sideways, the tense names stay.
    both->horizontalScrollBar()->setValue(both->horizontalScrollBar()->maximum());
    QVERIFY(both->verticalHeader()->isVisible());
    QCOMPARE(both->verticalHeader()->x(), 0);
  }

  void chartShowsAveragesByTense() {
    std::vector<std::string> lines = SomeResults();
    Page page(lines);
    page.controls.rbChart->click();
    QCOMPARE(page.Visible(), QList<QWidget*>{page.controls.chart});
    const auto& bars = page.controls.chart->Bars();
    QCOMPARE(int(bars.size()), 15);
    QCOMPARE(bars[0].tense, QStringLiteral("Present"));
    QVERIFY(bars[0].hasData);
    QCOMPARE(bars[0].score, 10.0);
    QCOMPARE(bars[0].seconds, 3.0);
    QCOMPARE(bars[2].tense, QStringLiteral("Imperfect"));
    QCOMPARE(bars[2].seconds, 12.0);
    QVERIFY(!bars[1].hasData);
    QCOMPARE(bars[14].tense, QStringLiteral("Gerund"));

    page.controls.rbTense->click();
    QCOMPARE(page.Visible(), QList<QWidget*>{page.controls.sgTense});
  }

  // "By Verb": weakest first (lowest average score, then slowest), the last day
  // from the history, and "Practise this verb" for the selected row's verb.
  void byVerbListsTheWeakestFirst() {
    std::vector<std::string> lines = {"hablo,hablar,1,1,0,10,3", "como,comer,1,1,0,7,4", "vivo,vivir,1,1,0,7,9",
                                      "hablas,hablar,2,1,0,10,5"};
    Page page(lines);
    page.view.SetHistory([] { return std::vector<HistoryEntry>{{{DayOf(2026, 12, 9), 3600}, 3, 4, 2, 8.5}}; });
    QStringList practised;
    page.view.SetPractiseVerb([&practised](const std::string& verb) { practised << QString::fromStdString(verb); });
    page.controls.rbVerb->click();
    QCOMPARE(page.Visible(), QList<QWidget*>({page.controls.sgVerb, page.controls.bnPractiseVerb}));
    const QTableWidget* grid = page.controls.sgVerb;
    QCOMPARE(Row(grid, 0), QStringList({"", "#Tested", "Ave.Score", "Ave.Time", "Last Practised", "Comments"}));
    QCOMPARE(grid->rowCount(), 3);
    QCOMPARE(Row(grid, 1).mid(0, 5), QStringList({"vivir", "1", "7", "9", "2026-12-09"}));
    QCOMPARE(Row(grid, 2).mid(0, 5), QStringList({"comer", "1", "7", "4", "-"}));
    QCOMPARE(Row(grid, 3).mid(0, 5), QStringList({"hablar", "2", "10", "4", "2026-12-09"}));

    page.controls.bnPractiseVerb->click();  // the weakest is selected at first
    page.controls.sgVerb->selectRow(2);
    page.controls.bnPractiseVerb->click();
    QCOMPARE(practised, QStringList({"vivir", "hablar"}));
    QVERIFY(page.errors.isEmpty());

    lines.clear();
    page.controls.rbVerb->click();
    QCOMPARE(page.controls.sgVerb->rowCount(), 0);
    QVERIFY(!page.controls.bnPractiseVerb->isEnabled());
  }

  // "Progress": the days with answers as bars, or the sentence while none has a day.
  void progressShowsDaysOrHowTheyCome() {
    std::vector<std::string> lines = SomeResults();
    Page page(lines);
    page.controls.rbProgress->click();
    QCOMPARE(page.Visible(), QList<QWidget*>{page.controls.progress});
    auto* sentence = page.controls.progress->findChild<QLabel*>("lbNoProgress");
    QVERIFY(sentence && sentence->isVisibleTo(&page.widget));
    QCOMPARE(sentence->text(), QString::fromLatin1(kNoProgressYet.data(), kNoProgressYet.size()));
    QVERIFY(!page.controls.progress->findChild<QWidget*>("chProgress")->isVisibleTo(&page.widget));

    // Lines 2 and 3 dated: one day of two answers, 10 and 7.
    page.view.SetHistory([] { return std::vector<HistoryEntry>{{{DayOf(2026, 12, 9), 3600}, 2, 3, 2, 8.5}}; });
    page.controls.rbProgress->click();
    QVERIFY(!sentence->isVisibleTo(&page.widget));
    QVERIFY(page.controls.progress->findChild<QWidget*>("chProgress")->isVisibleTo(&page.widget));
    QCOMPARE(page.controls.progress->Days().size(), std::size_t(1));
    QCOMPARE(page.controls.progress->BarTooltip(0), QStringLiteral("2026-12-09: 2 answers, average score 8.5"));
    QCOMPARE(page.controls.progress->BarTooltip(1), QString());
    const QChart* drawn = page.controls.progress->findChild<QChartView*>("chProgress")->chart();
    QVERIFY(drawn);
    QCOMPARE(drawn->series().size(), 2);  // the answers' bars and the scores' line

    page.controls.rbPerson->click();
    QCOMPARE(page.Visible(), QList<QWidget*>{page.controls.sgPerson});
  }

  // A program whose charts' module is missing still counts; the chart's place says why.
  void withoutTheChartsModuleTheirPlaceSaysWhy() {
    const QString why = QStringLiteral("The charts cannot be drawn: their module is missing.");
    UseChartDrawing(nullptr, why);
    std::vector<std::string> lines = SomeResults();
    Page page(lines);
    page.view.SetHistory([] { return std::vector<HistoryEntry>{{{DayOf(2026, 12, 9), 3600}, 2, 3, 2, 8.5}}; });
    for (QWidget* chart : {static_cast<QWidget*>(page.controls.chart), static_cast<QWidget*>(page.controls.progress)}) {
      auto* notice = chart->findChild<QLabel*>("lbNoCharts");
      QVERIFY(notice);
      QCOMPARE(notice->text(), why);
      QVERIFY(!chart->findChild<QChartView*>());
    }
    page.controls.rbChart->click();
    QVERIFY(page.controls.chart->findChild<QLabel*>("lbNoCharts")->isVisibleTo(&page.widget));
    QCOMPARE(int(page.controls.chart->Bars().size()), 15);
    page.controls.rbProgress->click();
    QVERIFY(page.controls.progress->findChild<QLabel*>("lbNoCharts")->isVisibleTo(&page.widget));
    QVERIFY(!page.controls.progress->findChild<QLabel*>("lbNoProgress")->isVisibleTo(&page.widget));
    QCOMPARE(page.controls.progress->Days().size(), std::size_t(1));
    UseChartDrawing(parlavo_chart_drawing());
  }

  // Saves a picture of each choice when PARLAVO_RENDER_DIR is set, for a look by eye.
  void render() {
    const QString dir = qEnvironmentVariable("PARLAVO_RENDER_DIR");
    if (dir.isEmpty()) QSKIP("set PARLAVO_RENDER_DIR to save pictures");
    std::vector<std::string> lines = SomeResults();
    for (int i = 0; i < 40; ++i)
      lines.push_back("x,y," + std::to_string(i % 11 + 1) + "," + std::to_string(i % 15 + 1) + ",0," +
                      std::to_string(10 - i % 7) + "," + std::to_string(2 + i % 9));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    Page page(lines);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    page.widget.setFont(font);
    page.view.BuildStatistics();
    QTest::qWait(20);
    QVERIFY(page.widget.grab().save(dir + "/statistics_person.png"));
    const std::pair<QRadioButton*, const char*> choices[] = {{page.controls.rbTense, "tense"},
                                                             {page.controls.rbBothWR, "double"},
                                                             {page.controls.rbChart, "chart"},
                                                             {page.controls.rbVerb, "verb"},
                                                             {page.controls.rbProgress, "progress"}};
    for (const auto& [button, name] : choices) {
      button->click();
      QTest::qWait(20);
      QVERIFY(page.widget.grab().save(dir + "/statistics_" + name + ".png"));
    }
  }
};

QTEST_MAIN(StatisticsViewTest)
#include "statistics_view_test.moc"
