// The style's group box frame read ahead: drawn the same, without any image plugin.
// Its own program, so that no earlier test has loaded a plugin already.
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QPixmapCache>
#include <QTest>

#include "style_pictures.h"

using namespace parlavo;

namespace {

bool ImagePluginLoaded() {
  QFile maps("/proc/self/maps");
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

QImage Drawn() {
  QGroupBox box("Current Verb Being Tested");
  box.resize(240, 120);
  return box.grab().toImage();
}

}  // namespace

class StylePicturesTest : public QObject {
  Q_OBJECT
 private slots:
  void groupBoxFrameWithoutImagePlugins() {
    QApplication::setStyle("fusion");
    const QDir plugins(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/imageformats");
    if (plugins.entryList(QDir::Files).isEmpty()) QSKIP("no image plugin installed to be kept out");
    QVERIFY(!ImagePluginLoaded());

    LoadStylePictures();
    const QImage ahead = Drawn();
    QVERIFY2(!ImagePluginLoaded(), "the frame's picture made Qt load the image plugins");

    // The style reading the picture itself, as it would without the call.
    QPixmapCache::clear();
    QCOMPARE(Drawn(), ahead);
  }
};

QTEST_MAIN(StylePicturesTest)
#include "style_pictures_test.moc"
