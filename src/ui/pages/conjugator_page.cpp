#include "conjugator_page.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "conjugation_view.h"
#include "fonts.h"
#include "place.h"
#include "text_codec.h"

namespace parlavo {

ConjugatorPage::ConjugatorPage(const VerbList& items, QWidget* parent) : QWidget(parent) {
  QWidget* page = this;
  PLACE(Label11, QLabel, page, 196, 13, 84, 16);
  Label11->setText("Select the verb");
  Label11->setStyleSheet("color: white; background: transparent;");
  Label11->setFont(PixelFont("MS Sans Serif", 11, true));
  PLACE(cbConj, QComboBox, page, 282, 9, 172, 23);
  cbConj->setEditable(true);
  cbConj->setInsertPolicy(QComboBox::NoInsert);
  PLACE(bnConjugate, QPushButton, page, 460, 9, 48, 23);
  bnConjugate->setText("Go");
  PLACE(reConj, QTextEdit, page, 0, 40, 554, 338);
  reConj->setReadOnly(true);
  reConj->setFont(PixelFont("Tahoma", 16));
  reConj->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  new ConjugatorController(cbConj, bnConjugate, reConj, items);
}

void ConjugatorPage::SetInfinitives(const QStringList& infinitives) { cbConj->addItems(infinitives); }

std::vector<std::string> ConjugatorPage::Infinitives() const {
  std::vector<std::string> infinitives;
  infinitives.reserve(cbConj->count());
  for (int i = 0; i < cbConj->count(); ++i) infinitives.push_back(FromQString(cbConj->itemText(i)));
  return infinitives;
}

}  // namespace parlavo
