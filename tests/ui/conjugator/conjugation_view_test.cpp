// The conjugator and the regular endings table: text, paragraph and character
// formats of the lines written into the rich-text boxes.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>
#include <QtTest>

#include "conjugation_view.h"
#include "rich_text_writer.h"
#include "verb_maker.h"

using namespace parlavo;

namespace {

const QColor kTeal(0, 128, 128);

struct Line {
  QString text;
  QTextBlockFormat block;
  QTextCharFormat chars;
  bool bullet;
};

std::vector<Line> LinesOf(const QTextEdit& box) {
  std::vector<Line> lines;
  for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next())
    lines.push_back({b.text(), b.blockFormat(), b.charFormat(), b.textList() != nullptr});
  return lines;
}

// The lines after the heading `tense`, up to the next empty line.
std::vector<Line> BlockAfter(const std::vector<Line>& lines, const QString& tense, int skip = 0) {
  std::vector<Line> block;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].text != tense) continue;
    for (std::size_t j = i + 1 + skip; j < lines.size() && !lines[j].text.isEmpty(); ++j) block.push_back(lines[j]);
    break;
  }
  return block;
}

QStringList TextsOf(const std::vector<Line>& lines) {
  QStringList texts;
  for (const Line& l : lines) texts << l.text;
  return texts;
}

// Where character `index` of paragraph `block` is drawn, from the box's left edge.
qreal XOf(const QTextEdit& box, int block, int index) {
  QTextDocument* doc = box.document();
  doc->documentLayout()->documentSize();  // lays out the whole document
  const QTextBlock b = doc->findBlockByNumber(block);
  const QRectF where = doc->documentLayout()->blockBoundingRect(b);
  const QTextLine line = b.layout()->lineForTextPosition(index);
  return line.isValid() ? where.x() + line.cursorToX(index) : -1000;
}

int Points(const QTextEdit& box, int pixels) { return PixelsToPoints(pixels, box.logicalDpiY()); }
qreal LayoutPixels(const QTextEdit& box, int points) { return std::lround(points * box.logicalDpiX() / 72.0); }

// "ser" with its Present from the data file and one irregular Imperfect form
// (Yo), so the Imperfect mixes irregular and regular lines; and plain "hablar".
VerbList SmallList() {
  VerbList list;
  TVerbMaker maker;
  FormTable ser = EmptyFormTable();
  ser[1 + 2] = {"soy", "eres", "es", "somos", "son", "sois"};
  ser[2 + 2][0] = "era";
  ser[2 + 2][2] = "era";
  maker.BuildVerbItems("hablar", "to speak", EmptyFormTable(), list);
  maker.BuildVerbItems("ser", "to be", ser, list);
  maker.BuildVerbItems("re\xEDr", "to laugh", EmptyFormTable(), list);
  return list;
}

// The conjugator's controls over the small list, with "hablar" and "ser" in the
// drop-down list; one window holds them so that focus and clicks work.
struct Conjugator {
  Conjugator() {
    combo->setEditable(true);
    combo->addItems({"hablar", "ser"});
  }
  const VerbList list = SmallList();
  QWidget window;
  QComboBox* combo = new QComboBox(&window);
  QPushButton* go = new QPushButton(&window);
  QTextEdit* box = new QTextEdit(&window);
  ConjugatorController controller{combo, go, box, list};
};

}  // namespace

class ConjugationViewTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans")); }

  // Forms no test asks are still listed, marked, and only they are.
  void unusedFormsAreMarkedRare() {
    VerbList list;
    TVerbMaker maker;
    maker.BuildVerbItems("soler", "to usually do", EmptyFormTable(), list);
    QTextEdit box;
    ShowConjugations(&box, list, "soler");
    const auto lines = LinesOf(box);
    const QStringList future = TextsOf(BlockAfter(lines, "Future"));
    QCOMPARE(future.size(), 11);
    QCOMPARE(future[0], QStringLiteral("Yo\tsoleré (rare)"));
    QCOMPARE(future.filter(" (rare)").size(), 11);
    QCOMPARE(TextsOf(BlockAfter(lines, "Imperative")).filter(" (rare)").size(), 9);
    QCOMPARE(TextsOf(BlockAfter(lines, "Conditional")).filter(" (rare)").size(), 11);
    int rare = 0;
    for (const Line& l : lines) rare += l.text.endsWith(" (rare)");
    QCOMPARE(rare, 11 + 11 + 9);
  }

  void serListsEveryTenseInDisplayOrder() {
    QTextEdit box;
    ShowConjugations(&box, SmallList(), "ser");
    const auto lines = LinesOf(box);

    QCOMPARE(lines[0].text, QStringLiteral("Verb Conjugations for : SER"));
    QCOMPARE(lines[1].text, QString());
    QCOMPARE(lines[2].text, QStringLiteral("SER : to be"));

    QCOMPARE(TextsOf(BlockAfter(lines, "Present")),
             QStringList({"Yo\tsoy\t(Irregular)", "Tú\teres\t(Irregular)", "Vos\tsos\t(Irregular)",
                          "Él\tes\t(Irregular)", "Ella\tes\t(Irregular)", "Usted\tes\t(Irregular)",
                          "Nosotros\tsomos\t(Irregular)", "Vosotros\tsois\t(Irregular)", "Ellos\tson\t(Irregular)",
                          "Ellas\tson\t(Irregular)", "Ustedes\tson\t(Irregular)"}));

    // Headings follow the display order, each after two empty lines.
    QStringList headings;
    for (std::size_t i = 2; i < lines.size(); ++i)
      if (i >= 2 && lines[i - 1].text.isEmpty() && lines[i - 2].text.isEmpty() && !lines[i].text.isEmpty())
        headings << lines[i].text;
    QCOMPARE(headings,
             QStringList({"Present", "Simple Past", "Imperfect", "Perfect", "Pluperfect", "Future", "Future - Perfect",
                          "Conditional", "Conditional - Perfect", "Imperative", "Subjunctive - Present",
                          "Subjunctive - Imperfect", "Subjunctive - Perfect", "Subjunctive - Pluperfect", "Gerund"}));

    for (const QString& tense : headings) {
      const int expected = tense == "Imperative" ? 9 : tense == "Gerund" ? 1 : 11;
      QCOMPARE(int(BlockAfter(lines, tense).size()), expected);
    }
    const auto imperative = TextsOf(BlockAfter(lines, "Imperative"));
    QVERIFY(imperative.filter(QRegularExpression("^(Yo|Nosotros)\t")).isEmpty());
    QCOMPARE(TextsOf(BlockAfter(lines, "Gerund")), QStringList({"\tsiendo"}));
    QCOMPARE(BlockAfter(lines, "Perfect").front().text, QStringLiteral("Yo\the sido"));
    // Title, empty, header, 15 x (two empty lines and a heading), 153 forms, a last empty line.
    QCOMPARE(int(lines.size()), 3 + 15 * 3 + 153 + 1);
    QCOMPARE(lines.back().text, QString());
  }

  void linesCarryTheFormatsOfTheirSteps() {
    QTextEdit box;
    ShowConjugations(&box, SmallList(), "ser");
    const auto lines = LinesOf(box);

    const Line& title = lines[0];
    QCOMPARE(title.block.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QVERIFY(title.chars.fontWeight() == QFont::Bold && title.chars.fontUnderline());
    QCOMPARE(title.chars.foreground().color(), kTeal);
    QCOMPARE(title.chars.fontPointSize(), qreal(Points(box, 19)));
    QCOMPARE(title.chars.fontFamilies().toStringList(), QStringList{"Tahoma"});

    // The header keeps the title's centring and style: only colour and height change.
    const Line& header = lines[2];
    QCOMPARE(header.block.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QVERIFY(header.chars.fontWeight() == QFont::Bold && header.chars.fontUnderline());
    QCOMPARE(header.chars.fontPointSize(), qreal(Points(box, 14)));
    QVERIFY(!header.bullet);

    const Line& heading = lines[5];
    QCOMPARE(heading.text, QStringLiteral("Present"));
    QCOMPARE(heading.block.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    QCOMPARE(heading.block.intProperty(RichTextWriter::kIndentPointsProperty), 10);
    QCOMPARE(heading.block.textIndent(), LayoutPixels(box, 10));
    QVERIFY(!heading.bullet);
    QVERIFY(heading.chars.fontWeight() == QFont::Bold && !heading.chars.fontUnderline());
    QCOMPARE(heading.chars.foreground().color(), kTeal);
    QCOMPARE(heading.chars.fontPointSize(), qreal(Points(box, 17)));

    const Line& form = lines[6];
    QVERIFY(form.bullet);
    QCOMPARE(form.block.intProperty(RichTextWriter::kIndentPointsProperty), 20);
    QCOMPARE(form.block.property(RichTextWriter::kTabPointsProperty).toList(), QVariantList({150, 225, 300}));
    QCOMPARE(form.chars.fontPointSize(), qreal(Points(box, 11)));
    // All forms of one tense form one bullet list.
    QCOMPARE(box.document()->findBlockByNumber(6).textList(), box.document()->findBlockByNumber(16).textList());

    // Every form is bold; an irregular form keeps the colour of the line above it.
    const auto block = BlockAfter(lines, "Imperfect");
    QCOMPARE(block[0].text, QStringLiteral("Yo\tera\t(Irregular)"));
    QCOMPARE(block[0].chars.foreground().color(), kTeal);
    QCOMPARE(block[1].text, QStringLiteral("Tú\tsías"));
    QCOMPARE(block[1].chars.foreground().color(), QColor(Qt::black));
    QCOMPARE(block[3].text, QStringLiteral("Él\tera\t(Irregular)"));
    QCOMPARE(block[3].chars.foreground().color(), QColor(Qt::black));
    for (const Line& l : block) QCOMPARE(l.chars.fontWeight(), int(QFont::Bold));
    for (const Line& l : BlockAfter(lines, "Present")) QCOMPARE(l.chars.foreground().color(), kTeal);
  }

  // The typed verb is found after trimming, in any case; it is shown as the data
  // spells it.
  void lookupIgnoresCaseAndBlanks_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("found");
    // clang-format off
    QTest::newRow("capital letter") << "Hablar" << "Verb Conjugations for : HABLAR" << true;
    QTest::newRow("blanks around") << " hablar " << "Verb Conjugations for : HABLAR" << true;
    QTest::newRow("all capitals, accent") << "REÍR" << "Verb Conjugations for : REíR" << true;
    QTest::newRow("typing error") << "hablr" << "Verb Conjugations for : HABLR" << false;
    QTest::newRow("accent kept in upper case") << "reír" << "Verb Conjugations for : REíR" << true;
    QTest::newRow("exact") << "hablar" << "Verb Conjugations for : HABLAR" << true;
    // clang-format on
  }
  void lookupIgnoresCaseAndBlanks() {
    QFETCH(QString, typed);
    QFETCH(QString, title);
    QFETCH(bool, found);
    Conjugator c;
    c.combo->setEditText(typed);
    c.go->click();
    const auto lines = LinesOf(*c.box);
    QCOMPARE(lines[0].text, title);
    if (found) {
      QCOMPARE(int(lines.size()), 202);
      QVERIFY(lines[2].text.startsWith(title.mid(24) + " : "));
    } else {
      QCOMPARE(int(lines.size()), 2);
      QCOMPARE(lines[1].text, QString());
    }
  }

  // Picking a verb from the drop-down list conjugates it; Go is not needed.
  void aVerbPickedFromTheListIsConjugated() {
    Conjugator c;
    c.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&c.window));
    c.combo->showPopup();
    QAbstractItemView* view = c.combo->view();
    view->setCurrentIndex(view->model()->index(1, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(c.box->document()->firstBlock().text(), QStringLiteral("Verb Conjugations for : SER"));
    QCOMPARE(c.box->document()->blockCount(), 202);
  }

  void goWithEmptyBoxKeepsOutputEnterGivesBareTitle() {
    Conjugator c;
    c.combo->setEditText("ser");
    QTest::keyClick(c.combo->lineEdit(), Qt::Key_Return);
    QCOMPARE(c.box->document()->blockCount(), 202);
    QCOMPARE(c.combo->count(), 2);  // Enter does not add the text to the list

    c.combo->setEditText("");
    c.go->click();
    QCOMPARE(c.box->document()->blockCount(), 202);
    QCOMPARE(c.box->document()->firstBlock().text(), QStringLiteral("Verb Conjugations for : SER"));

    QTest::keyClick(c.combo->lineEdit(), Qt::Key_Enter);  // the keypad's Enter too
    QCOMPARE(TextsOf(LinesOf(*c.box)), QStringList({"Verb Conjugations for : ", ""}));

    // Other keys do not conjugate.
    QVERIFY(!cbConjKeyDown(c.combo, c.box, c.list, Qt::Key_A));
  }

  // A verb typed after clicking into the box replaces the one shown instead of
  // being appended to it.
  void clickingIntoTheBoxSelectsItsText() {
    Conjugator c;
    c.go->setFocus();
    c.window.show();
    QApplication::setActiveWindow(&c.window);
    QVERIFY(QTest::qWaitForWindowActive(&c.window));
    QLineEdit* edit = c.combo->lineEdit();
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(4, edit->height() / 2));
    QTRY_COMPARE(edit->selectedText(), QStringLiteral("hablar"));
    QTest::keyClicks(edit, "ser");
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(c.box->document()->firstBlock().text(), QStringLiteral("Verb Conjugations for : SER"));
  }

  void verbListedTwiceShowsBothSetsAndOneGerund() {
    VerbList list;
    TVerbMaker maker;
    maker.BuildVerbItems("ver", "to see", EmptyFormTable(), list);
    FormTable irregular = EmptyFormTable();
    irregular[1 + 2][0] = "veo";
    maker.BuildVerbItems("ver", "to watch", irregular, list);
    QTextEdit box;
    ShowConjugations(&box, list, "ver");
    const auto lines = LinesOf(box);
    QCOMPARE(lines[2].text, QStringLiteral("VER : to see"));
    const auto present = TextsOf(BlockAfter(lines, "Present"));
    QCOMPARE(present.size(), 22);
    QCOMPARE(present[0], QStringLiteral("Yo\tvo"));
    QCOMPARE(present[11], QStringLiteral("Yo\tveo\t(Irregular)"));
    QCOMPARE(int(BlockAfter(lines, "Imperative").size()), 18);
    QCOMPARE(TextsOf(BlockAfter(lines, "Gerund")), QStringList({"\tviendo"}));
  }

  void regularTableRows_data() {
    QTest::addColumn<QString>("tense");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::newRow("Present Yo") << "Present" << 0 << "   Yo\to\to\to";
    QTest::newRow("Present Vos") << "Present" << 2 << "   Vos\tás\tés\tís";
    QTest::newRow("Perfect Yo") << "Perfect" << 0 << "   Yo (he)\tado\tido\tido";
    QTest::newRow("Perfect Tú") << "Perfect" << 1 << "   Tú (has)\tado\tido\tido";
    QTest::newRow("Perfect Vos") << "Perfect" << 2 << "   Vos (has)\tado\tido\tido";
    QTest::newRow("Simple Past Vos") << "Simple Past" << 2 << "   Vos\taste\tiste\tiste";
    QTest::newRow("Future Nosotros") << "Future" << 6 << "   Nosotros\taremos\teremos\tiremos";
    QTest::newRow("Subj. Pluperfect Ustedes")
        << "Subjunctive - Pluperfect" << 10 << "   Ustedes (hubieran)\tado\tido\tido";
    QTest::newRow("Imperative Tú") << "Imperative" << 0 << "   Tú\ta\te\te";
    QTest::newRow("Imperative Vos") << "Imperative" << 1 << "   Vos\tá\té\tí";
    QTest::newRow("Imperative Vosotros") << "Imperative" << 5 << "   Vosotros\tad\ted\tid";
    QTest::newRow("Gerund") << "Gerund" << 0 << "   \tando\tiendo\tiendo";
  }
  void regularTableRows() {
    QFETCH(QString, tense);
    QFETCH(int, row);
    QFETCH(QString, text);
    QTextEdit box;
    BuildRegularTable(&box);
    const auto lines = LinesOf(box);
    const auto block = BlockAfter(lines, tense, 1);
    QVERIFY(row < int(block.size()));
    QCOMPARE(block[row].text, text);
  }

  void regularTableLayoutAndFormats() {
    QTextEdit box;
    box.setPlainText("old text");
    BuildRegularTable(&box);
    const auto lines = LinesOf(box);
    QCOMPARE(lines[0].text, QStringLiteral("Regular Verb Conjugations"));
    QCOMPARE(lines[0].block.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(lines[0].chars.foreground().color(), kTeal);
    QCOMPARE(lines[3].text, QStringLiteral("Present"));
    QCOMPARE(lines[3].block.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);

    int headings = 0;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
      if (lines[i + 1].text != QStringLiteral("\tAR\tER\tIR")) continue;
      ++headings;
      const Line& columns = lines[i + 1];
      QVERIFY(columns.chars.fontWeight() == QFont::Bold);
      QCOMPARE(columns.chars.foreground().color(), kTeal);
      QCOMPARE(columns.block.tabPositions().size(), 3);
      QVERIFY(!columns.bullet);
      const auto rows = BlockAfter(lines, lines[i].text, 1);
      const int expected = lines[i].text == "Imperative" ? 9 : lines[i].text == "Gerund" ? 1 : 11;
      QCOMPARE(int(rows.size()), expected);
      for (const Line& r : rows) {
        QVERIFY(r.bullet);
        QCOMPARE(r.chars.fontWeight(), int(QFont::Bold));
        QCOMPARE(r.chars.foreground().color(), QColor(Qt::black));
        QCOMPARE(r.chars.fontPointSize(), qreal(Points(box, 11)));
        QCOMPARE(r.block.intProperty(RichTextWriter::kIndentPointsProperty), 20);
        QVERIFY(r.text.startsWith("   "));
      }
    }
    QCOMPARE(headings, 15);
    QCOMPARE(lines.back().text, QString());
    QVERIFY(!lines.back().bullet);
    QCOMPARE(box.textCursor().position(), 0);
    QVERIFY(!box.toPlainText().contains("old text"));
  }

  // Tab stops count from the box's edge, so the column headings and the endings
  // line up although only the endings are indented and bulleted.
  void regularTableColumnsLineUp() {
    QTextEdit box;
    box.resize(554, 341);
    BuildRegularTable(&box);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const auto lines = LinesOf(box);
    int heading = -1;
    for (std::size_t i = 0; i < lines.size(); ++i)
      if (lines[i].text == QStringLiteral("\tAR\tER\tIR")) {
        heading = int(i);
        break;
      }
    QVERIFY(heading > 0);
    const QString row = lines[heading + 1].text;  // "   Yo\to\to\to"
    const int margin = int(box.document()->documentMargin());
    const int stops[] = {150, 225, 300};
    int rowIndex = 0;
    for (int k = 0; k < 3; ++k) {
      rowIndex = row.indexOf('\t', rowIndex) + 1;
      const qreal headingX = XOf(box, heading, 1 + 3 * k);
      const qreal rowX = XOf(box, heading + 1, rowIndex);
      QVERIFY2(qAbs(headingX - rowX) <= 1, qPrintable(QString("column %1: %2 vs %3").arg(k).arg(headingX).arg(rowX)));
      QVERIFY2(qAbs(rowX - (LayoutPixels(box, stops[k]) + margin)) <= 1,
               qPrintable(QString("%1 vs stop %2").arg(rowX).arg(LayoutPixels(box, stops[k]) + margin)));
    }
  }

  void pixelsTurnIntoWholePoints_data() {
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("points");
    QTest::newRow("19 px") << 19 << 96 << 14;
    QTest::newRow("17 px") << 17 << 96 << 13;
    QTest::newRow("14 px") << 14 << 96 << 11;
    QTest::newRow("11 px") << 11 << 96 << 8;
    QTest::newRow("half away from zero") << 2 << 96 << 2;  // 1.5 pt
    QTest::newRow("120 dpi") << 19 << 120 << 11;
  }
  void pixelsTurnIntoWholePoints() {
    QFETCH(int, pixels);
    QFETCH(int, dpi);
    QFETCH(int, points);
    QCOMPARE(PixelsToPoints(pixels, dpi), points);
  }

  void stepsChangeOnlyTheAttributesTheyName() {
    QTextEdit box;
    RichTextWriter out(&box);
    out.Clear();
    out.SetItalic(true);
    out.SetFontName("Arial");
    out.VerbHeaderStyle();  // colour and height only
    out.AddLine("a");
    out.SetStyle(false, true);  // a new style set drops bold and italic
    out.AddLine("b");
    const auto lines = LinesOf(box);
    QVERIFY(lines[0].chars.fontItalic());
    QCOMPARE(lines[0].chars.fontFamilies().toStringList(), QStringList{"Arial"});
    QCOMPARE(lines[0].chars.foreground().color(), kTeal);
    QVERIFY(!lines[1].chars.fontItalic() && lines[1].chars.fontUnderline());
    QCOMPARE(lines[1].chars.foreground().color(), kTeal);
    QCOMPARE(lines[1].chars.fontFamilies().toStringList(), QStringList{"Arial"});
  }

  // Saves pictures of both views for a look by eye when PARLAVO_RENDER_DIR is set.
  void render() {
    const QString dir = qEnvironmentVariable("PARLAVO_RENDER_DIR");
    if (dir.isEmpty()) QSKIP("set PARLAVO_RENDER_DIR to save pictures");
    const VerbList list = SmallList();
    for (int which = 0; which < 2; ++which) {
      QTextEdit box;
      box.setReadOnly(true);
      box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      box.resize(554, 341);
      if (which == 0)
        ShowConjugations(&box, list, "ser");
      else
        BuildRegularTable(&box);
      box.show();
      QVERIFY(box.grab().save(dir + (which == 0 ? "/conjugator.png" : "/regular_table.png")));
      box.verticalScrollBar()->setValue(box.verticalScrollBar()->maximum() / 3);
      QVERIFY(box.grab().save(dir + (which == 0 ? "/conjugator_2.png" : "/regular_table_2.png")));
    }
  }
};

QTEST_MAIN(ConjugationViewTest)
#include "conjugation_view_test.moc"
