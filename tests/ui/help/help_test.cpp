#include "help_file.h"
#include "help_window.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace parlavo;

namespace {

const char* const kFixture =
    "# a comment before any topic\n"
    "stray text before the first topic\n"
    "@topic 1 Welcome\n"
    "First line\n"
    "joined line with **bold** words.\n"
    "\n"
    "# a comment inside a topic\n"
    "== Next <steps>\n"
    "- see [[2]]\n"
    "- or [[2|the second one]]\n"
    "- or [[77]]\n"
    "after the list\n"
    "@topic 2   Second topic  \r\n"
    "@topic x not a header\r\n"
    "@topic 1 Duplicate\n"
    "text of the duplicate\n";

QString ReadHelpFile() {
  QFile file(QStringLiteral(PARLAVO_HELP_FILE));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

}  // namespace

class HelpFileTest : public QObject {
  Q_OBJECT

 private slots:
  void parsesTopicsAndSkipsNoise() {
    const HelpFile file = HelpFile::Parse(QString::fromUtf8(kFixture));
    QCOMPARE(file.Topics().size(), size_t(2));
    const HelpTopic* first = file.Find(1);
    QVERIFY(first != nullptr);
    QCOMPARE(first->title, QStringLiteral("Welcome"));  // the duplicate does not replace it
    QVERIFY(!first->text.contains(QStringLiteral("stray")));
    QVERIFY(!first->text.contains(QStringLiteral("comment")));
    QVERIFY(!first->text.contains(QStringLiteral("duplicate")));
    const HelpTopic* second = file.Find(2);
    QVERIFY(second != nullptr);
    QCOMPARE(second->title, QStringLiteral("Second topic"));
    QCOMPARE(second->text, QStringLiteral("@topic x not a header"));  // kept as text
    QVERIFY(file.Find(3) == nullptr);
    QCOMPARE(HelpFile::LinkTargets(*first), (std::vector<int>{2, 2, 77}));
  }

  void rendersMarkup() {
    const HelpFile file = HelpFile::Parse(QString::fromUtf8(kFixture));
    const QString html = file.TopicHtml(*file.Find(1));
    QVERIFY2(html.contains(QStringLiteral("<h2>Welcome</h2>")), qPrintable(html));
    QVERIFY2(html.contains(QStringLiteral("<p>First line joined line with <b>bold</b> words.</p>")), qPrintable(html));
    QVERIFY2(html.contains(QStringLiteral("<h3>Next &lt;steps&gt;</h3>")), qPrintable(html));
    QVERIFY2(html.contains(QStringLiteral("<ul>\n<li>see <a href=\"topic:2\">Second topic</a></li>\n"
                                          "<li>or <a href=\"topic:2\">the second one</a></li>\n"
                                          "<li>or <a href=\"topic:77\">topic 77</a></li>\n</ul>\n"
                                          "<p>after the list</p>")),
             qPrintable(html));
  }

  void emptyAndHostileInput() {
    QVERIFY(HelpFile::Parse(QString()).Topics().empty());
    const HelpFile file = HelpFile::Parse(QStringLiteral("@topic 5 <script>\n<a href=x>**unclosed\n[[abc]]"));
    const QString html = file.TopicHtml(*file.Find(5));
    QVERIFY(!html.contains(QStringLiteral("<script>")));
    QVERIFY(!html.contains(QStringLiteral("<a href=x>")));
    QVERIFY(html.contains(QStringLiteral("**unclosed")));
    QVERIFY(html.contains(QStringLiteral("[[abc]]")));
  }

  void topicAddresses_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("context");
    QTest::newRow("topic") << "topic:13" << 13;
    QTest::newRow("index") << "topic:9999" << 9999;
    QTest::newRow("web page") << "https://example.org/" << -1;
    QTest::newRow("no number") << "topic:" << -1;
    QTest::newRow("trailing text") << "topic:5x" << -1;
  }
  void topicAddresses() {
    QFETCH(QString, address);
    QFETCH(int, context);
    QCOMPARE(HelpTopicFromAddress(address), context);
    if (context >= 0) QCOMPARE(HelpTopicAddress(context), address);
  }

  // The help buttons open these context numbers.
  void shippedFileHasEveryButtonTopic() {
    const QString contents = ReadHelpFile();
    QVERIFY2(!contents.isEmpty(), PARLAVO_HELP_FILE);
    const HelpFile file = HelpFile::Parse(contents);
    for (int context : {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 18, kHelpIndexContext}) {
      const HelpTopic* topic = file.Find(context);
      QVERIFY2(topic != nullptr, qPrintable(QString::number(context)));
      QVERIFY2(!topic->text.isEmpty(), qPrintable(QString::number(context)));
    }
  }

  void shippedFileLinksResolveAndIndexReachesAll() {
    const HelpFile file = HelpFile::Parse(ReadHelpFile());
    for (const HelpTopic& topic : file.Topics()) {
      for (int target : HelpFile::LinkTargets(topic)) {
        QVERIFY2(file.Find(target) != nullptr,
                 qPrintable(QStringLiteral("topic %1 links to missing %2").arg(topic.context).arg(target)));
      }
    }
    const std::vector<int> indexed = HelpFile::LinkTargets(*file.Find(kHelpIndexContext));
    const QSet<int> reached(indexed.begin(), indexed.end());
    for (const HelpTopic& topic : file.Topics()) {
      if (topic.context == kHelpIndexContext) continue;
      QVERIFY2(reached.contains(topic.context), qPrintable(QStringLiteral("index misses %1").arg(topic.context)));
    }
  }

  // The ready-made tests listed must be the 53 the program offers, each once.
  void shippedFileListsEveryPresetTest() {
    const HelpFile file = HelpFile::Parse(ReadHelpFile());
    const QString html = file.TopicHtml(*file.Find(8));
    const QStringList samples = {
        QStringLiteral("Present - (Regular) - ar verbs"), QStringLiteral("Simple past - (Irregular) - er/ir verbs"),
        QStringLiteral("Future : Perfect - (ALL VERBS)"), QStringLiteral("All Compound Verbs - (ALL VERBS)")};
    for (const QString& name : samples) QVERIFY2(html.contains(name.toHtmlEscaped()), qPrintable(name));
    QCOMPARE(html.count(QStringLiteral("<li>")), 53);
  }

  // "Verb Tester" tells a learner without Spanish keys how to type the accents.
  void shippedFileTellsHowToTypeAccents() {
    const HelpFile file = HelpFile::Parse(ReadHelpFile());
    const HelpTopic* topic = file.Find(5);
    QVERIFY(topic != nullptr);
    QCOMPARE(topic->title, QStringLiteral("Verb Tester"));
    for (const char* text :
         {"a' gives \u00e1", "n~ gives \u00f1", "u: gives \u00fc", "\u00e1 \u00e9 \u00ed \u00f3 \u00fa \u00f1 \u00fc"})
      QVERIFY2(topic->text.contains(QString::fromUtf8(text)), text);
  }
};

class HelpWindowTest : public QObject {
  Q_OBJECT

  static QTextBrowser* Browser(HelpWindow* window) {
    return window->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
  }

 private slots:
  void opensTopicAndReusesTheWindow() {
    HelpWindow* window = ShowHelpTopic(QStringLiteral(PARLAVO_HELP_FILE), 5);
    QVERIFY(window->isVisible());
    QCOMPARE(window->CurrentContext(), 5);
    QCOMPARE(window->CurrentTitle(), QStringLiteral("Verb Tester"));
    QVERIFY(window->windowTitle().contains(QStringLiteral("Verb Tester")));
    QVERIFY(Browser(window)->toPlainText().contains(QStringLiteral("Next Letter")));
    QCOMPARE(ShowHelpTopic(QStringLiteral(PARLAVO_HELP_FILE), 13), window);
    QCOMPARE(window->CurrentTitle(), QStringLiteral("Setting Program Options"));
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void unknownTopicAndMissingFileSayWhy() {
    HelpWindow window;
    window.Open(QStringLiteral(PARLAVO_HELP_FILE), 4242);
    QCOMPARE(Browser(&window)->toPlainText().trimmed(), QStringLiteral("Help topic 4242 is not in 'Parlavo.hlp'."));

    QTemporaryDir dir;
    window.Open(dir.filePath(QStringLiteral("Parlavo.hlp")), 1);
    QCOMPARE(Browser(&window)->toPlainText().trimmed(),
             QStringLiteral("The help file 'Parlavo.hlp' could not be found."));

    // A file that appears later is read on the next opening.
    QFile file(dir.filePath(QStringLiteral("Parlavo.hlp")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("@topic 1 Hello\nIt is here now.\n");
    file.close();
    window.Open(file.fileName(), 1);
    QVERIFY(Browser(&window)->toPlainText().contains(QStringLiteral("It is here now.")));
  }

  // The index tells the learner where the files are; the shipped file carries the mark.
  void indexNamesTheFoldersGiven() {
    HelpWindow window;
    const QString note = QStringLiteral("Your settings are kept in '/home/ana/.config/Parlavo/Parlavo.ini'.");
    window.Open(QStringLiteral(PARLAVO_HELP_FILE), kHelpIndexContext, note);
    const QString shown = Browser(&window)->toPlainText();
    QVERIFY2(shown.contains(QStringLiteral("Your files")) && shown.contains(note), qPrintable(shown));
    QVERIFY(!shown.contains(QStringLiteral("{{files}}")));
    window.Open(QStringLiteral(PARLAVO_HELP_FILE), kHelpIndexContext);
    QVERIFY(!Browser(&window)->toPlainText().contains(QStringLiteral("{{files}}")));
  }

  // One unbroken line of a megabyte used to hold the window for half a minute:
  // limits at the boundary, each refusal named in the viewer, other topics intact.
  void sizeLimitsAtTheBoundary_data() {
    QTest::addColumn<int>("lineLength");
    QTest::addColumn<int>("padding");  // comment bytes that bring the file to its size
    QTest::addColumn<QString>("shown");
    const QString tooLong =
        QStringLiteral("Help topic 1 cannot be shown: line 3 of 'Parlavo.hlp' is longer than 4096 characters.");
    const QString tooLarge = QStringLiteral("The help file 'Parlavo.hlp' is larger than 1024 KB and cannot be shown.");
    QTest::newRow("longest line") << int(kLongestHelpLine) << 0 << QStringLiteral("shown");
    QTest::newRow("one character more") << int(kLongestHelpLine) + 1 << 0 << tooLong;
    QTest::newRow("a megabyte on one line") << 1000000 << 0 << tooLong;
    QTest::newRow("largest file") << 10 << -1 << QStringLiteral("shown");
    QTest::newRow("one byte more") << 10 << -2 << tooLarge;
  }
  void sizeLimitsAtTheBoundary() {
    QFETCH(int, lineLength);
    QFETCH(int, padding);
    QFETCH(QString, shown);
    QByteArray bytes = "@topic 1 Long\nshort\n" + QByteArray(lineLength, 'x') + "\n@topic 2 Next\nfine\n";
    if (padding < 0) {  // a comment line that makes the file exactly the limit, or one byte more
      const qsizetype wanted = kLargestHelpFile + (padding == -2 ? 1 : 0);
      bytes += '#' + QByteArray(wanted - bytes.size() - 2, ' ') + '\n';
      QCOMPARE(bytes.size(), wanted);
    }
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Parlavo.hlp")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    HelpWindow window;
    window.Open(file.fileName(), 1);
    const QString text = Browser(&window)->toPlainText().trimmed();
    if (shown == QStringLiteral("shown")) {
      QVERIFY2(text.startsWith(QStringLiteral("Long\nshort")), qPrintable(text.left(80)));
    } else {
      QCOMPARE(text, shown);
    }
    if (shown != QStringLiteral("shown") && padding == 0) {
      window.ShowTopic(2);  // the other topics of the file are still there
      QVERIFY(Browser(&window)->toPlainText().contains(QStringLiteral("fine")));
    }
  }

  void linksBackAndIndexNavigate() {
    HelpWindow window;
    auto* back = window.findChild<QPushButton*>(QStringLiteral("bnBack"));
    auto* index = window.findChild<QPushButton*>(QStringLiteral("bnIndex"));
    QVERIFY(back && index);
    window.Open(QStringLiteral(PARLAVO_HELP_FILE), 10);
    QVERIFY(!back->isEnabled());

    emit Browser(&window)->anchorClicked(QUrl(QStringLiteral("topic:13")));
    QCOMPARE(window.CurrentContext(), 13);
    QVERIFY(back->isEnabled());
    index->click();
    QCOMPARE(window.CurrentContext(), kHelpIndexContext);
    emit Browser(&window)->anchorClicked(QUrl(QStringLiteral("topic:404")));
    QVERIFY(Browser(&window)->toPlainText().contains(QStringLiteral("Help topic 404 is not in")));

    back->click();
    QCOMPARE(window.CurrentContext(), kHelpIndexContext);
    back->click();
    QCOMPARE(window.CurrentContext(), 13);
    back->click();
    QCOMPARE(window.CurrentContext(), 10);
    QVERIFY(!back->isEnabled());
    QVERIFY(Browser(&window)->toPlainText().contains(QStringLiteral("Beginners - Getting Started")));
  }

  // A real click on a link in the rendered text follows it.
  void clickingALinkFollowsIt() {
    HelpWindow window;
    window.resize(560, 480);
    window.Open(QStringLiteral(PARLAVO_HELP_FILE), kHelpIndexContext);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTextBrowser* browser = Browser(&window);
    QTextCursor found = browser->document()->find(QStringLiteral("Welcome"));
    QVERIFY(!found.isNull());
    QTextCursor middle(browser->document());
    middle.setPosition(found.selectionStart() + 3);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier, browser->cursorRect(middle).center());
    QCOMPARE(window.CurrentContext(), 1);
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failures = 0;
  {
    HelpFileTest test;
    failures += QTest::qExec(&test, argc, argv);
  }
  {
    HelpWindowTest test;
    failures += QTest::qExec(&test, argc, argv);
  }
  return failures == 0 ? 0 : 1;
}

#include "help_test.moc"
