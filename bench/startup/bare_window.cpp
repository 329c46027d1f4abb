// The yardstick for the start-up benchmark: the least a Qt program does to show a
// frameless window of Parlavo's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window(nullptr, Qt::FramelessWindowHint);
  window.setFixedSize(630, 378);
  window.show();
  return app.exec();
}
