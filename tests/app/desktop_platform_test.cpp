// The desktop's message box shows what files hold as the very text, never as markup.
#include <QLabel>
#include <QMessageBox>
#include <QTest>

#include "desktop_platform.h"

using namespace parlavo;

class DesktopPlatformTest : public QObject {
  Q_OBJECT

 private slots:
  void messageTextIsShownAsPlainText_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("html line of Results.txt")
        << "Line 3 of 'Results.txt': x,y,<h1 style=color:red>big</h1><img src=/some/local/file.png>,1,0,10,3";
    QTest::newRow("entity and bold") << "&lt;b&gt; <b>bold</b>";
    QTest::newRow("plain") << "Cannot write 'Parlavo.ini': the file is read-only";
  }
  void messageTextIsShownAsPlainText() {
    QFETCH(QString, text);
    const auto box = DesktopPlatform::MessageBox("Error", text, MessageIcon::Error);
    QCOMPARE(box->textFormat(), Qt::PlainText);
    QCOMPARE(box->text(), text);
    QCOMPARE(box->windowTitle(), QString("Error"));
    const auto* label = box->findChild<QLabel*>("qt_msgbox_label");
    QVERIFY(label != nullptr);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->text(), text);
  }
};

QTEST_MAIN(DesktopPlatformTest)
#include "desktop_platform_test.moc"
