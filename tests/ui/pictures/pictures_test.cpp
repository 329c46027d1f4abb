// The pictures decoded for screens of different density: fewer pixels on a plain
// screen, never a different shown size.
#include <QBuffer>
#include <QPainter>
#include <QTest>

#include "jpeg_decoder.h"
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

  // The decoder at each scale against a picture of four coloured quarters: the size
  // it gives and the colour in the middle of each quarter.
  void decoderScalesAndKeepsColours_data() {
    QTest::addColumn<int>("eighths");
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("whole") << 8 << QSize(96, 64);
    QTest::newRow("three quarters") << 6 << QSize(72, 48);
    QTest::newRow("half") << 4 << QSize(48, 32);
    QTest::newRow("odd eighths round up") << 3 << QSize(36, 24);
    QTest::newRow("an eighth") << 1 << QSize(12, 8);
    QTest::newRow("beyond whole taken as whole") << 12 << QSize(96, 64);
  }
  void decoderScalesAndKeepsColours() {
    QFETCH(int, eighths);
    QFETCH(QSize, pixels);
    const QColor quarters[4] = {Qt::red, QColor(0, 160, 0), Qt::blue, QColor(250, 220, 40)};
    QImage source(96, 64, QImage::Format_RGB32);
    QPainter painter(&source);
    for (int i = 0; i < 4; ++i) painter.fillRect((i % 2) * 48, (i / 2) * 32, 48, 32, quarters[i]);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(source.save(&buffer, "JPG", 95));

    const QImage image = DecodeJpeg(bytes, eighths);
    QCOMPARE(image.size(), pixels);
    QCOMPARE(image.format(), QImage::Format_RGB32);
    for (int i = 0; i < 4; ++i) {
      const QColor got = image.pixelColor((i % 2) * pixels.width() / 2 + pixels.width() / 4,
                                          (i / 2) * pixels.height() / 2 + pixels.height() / 4);
      QVERIFY2(qAbs(got.red() - quarters[i].red()) <= 8 && qAbs(got.green() - quarters[i].green()) <= 8 &&
                   qAbs(got.blue() - quarters[i].blue()) <= 8 && got.alpha() == 255,
               qPrintable(QString("quarter %1 came out %2").arg(i).arg(got.name())));
    }
  }

  void decoderRefusesWhatIsNoJpeg_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("nothing") << QByteArray();
    QTest::newRow("text") << QByteArray("no picture at all");
    QTest::newRow("a JPEG's first bytes only") << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10);
    QTest::newRow("PNG signature") << QByteArray("\x89PNG\r\n\x1A\n", 8);
  }
  void decoderRefusesWhatIsNoJpeg() {
    QFETCH(QByteArray, bytes);
    QVERIFY(DecodeJpeg(bytes).isNull());
  }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
