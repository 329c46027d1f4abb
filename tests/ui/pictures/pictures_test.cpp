// The pictures decoded for screens of different density: fewer pixels on a plain
// screen, never a different shown size.
#include <QTest>

#include "pictures.h"

using namespace parlavo;

class PicturesTest : public QObject {
  Q_OBJECT
 private slots:
  void decodedForTheScreen_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("screen");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<qreal>("ratio");
    // clang-format off
    QTest::newRow("plain screen: half the pixels")  << "header" << 1.0  << QSize(553, 40)   << 1.0;
    QTest::newRow("screen of 1.5")                  << "header" << 1.5  << QSize(830, 60)   << 1.5;
    QTest::newRow("screen of 2: every pixel")       << "header" << 2.0  << QSize(1106, 80)  << 2.0;
    QTest::newRow("denser screen: still every one") << "header" << 3.0  << QSize(1106, 80)  << 2.0;
    QTest::newRow("ratio below 1 taken as 1")       << "splash" << 0.5  << QSize(332, 227)  << 1.0;
    QTest::newRow("splash at 2")                    << "splash" << 2.0  << QSize(664, 454)  << 2.0;
    // clang-format on
  }
  void decodedForTheScreen() {
    QFETCH(QString, name);
    QFETCH(qreal, screen);
    QFETCH(QSize, pixels);
    QFETCH(qreal, ratio);
    const QImage image = ReadPicture(name, screen);
    QCOMPARE(image.size(), pixels);
    QCOMPARE(image.devicePixelRatio(), ratio);
    QCOMPARE(image.deviceIndependentSize().toSize(), ReadPicture(name, 2.0).size() / 2);
  }

  void plainScreenKeepsThePicturesColours() {
    // Scaled down, a picture is the same picture: its average colour hardly moves.
    const auto average = [](const QImage& image) {
      return image.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0);
    };
    const QColor full = average(ReadPicture("splash", 2.0));
    const QColor half = average(ReadPicture("splash", 1.0));
    QVERIFY(qAbs(full.red() - half.red()) <= 3);
    QVERIFY(qAbs(full.green() - half.green()) <= 3);
    QVERIFY(qAbs(full.blue() - half.blue()) <= 3);
  }

  void missingPictureIsNull() { QVERIFY(ReadPicture("no such picture", 1.0).isNull()); }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
