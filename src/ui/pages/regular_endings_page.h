// The "Conjugations" page: the tables of regular endings, written the first time
// the page is reached (nothing shows them before).
#pragma once

#include <QWidget>

class QTextEdit;

namespace parlavo {

class RegularEndingsPage : public QWidget {
  Q_OBJECT
 public:
  explicit RegularEndingsPage(QWidget* parent = nullptr);

  // Writes the tables once; later calls do nothing.
  void WriteTables();

 private:
  QTextEdit* reConjugations = nullptr;
  bool written_ = false;
};

}  // namespace parlavo
