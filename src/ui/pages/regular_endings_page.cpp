#include "regular_endings_page.h"

#include <QTextEdit>

#include "conjugation_view.h"
#include "fonts.h"
#include "place.h"

namespace parlavo {

RegularEndingsPage::RegularEndingsPage(QWidget* parent) : QWidget(parent) {
  PLACE(reConjugations, QTextEdit, this, 0, 40, 554, 338);
  reConjugations->setReadOnly(true);
  reConjugations->setFont(PixelFont("Tahoma", 16));
  reConjugations->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void RegularEndingsPage::WriteTables() {
  if (written_) return;
  written_ = true;
  BuildRegularTable(reConjugations);
}

}  // namespace parlavo
