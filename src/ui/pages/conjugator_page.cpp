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

ConjugatorPage::ConjugatorPage(const VerbList& items, QWidget* parent) : LazyPage(parent), items_(items) {}

void ConjugatorPage::Build(QWidget* page) {
  PLACE(Label11, QLabel, page, 196, 13, 84, 16);
  Label11->setText("Select the verb");
  SetTextColour(Label11, Qt::white);
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
  cbConj->addItems(infinitives_);
  new ConjugatorController(cbConj, bnConjugate, reConj, items_);
}

void ConjugatorPage::SetInfinitives(const QStringList& infinitives) {
  infinitives_ += infinitives;
  if (cbConj) cbConj->addItems(infinitives);
}

std::vector<std::string> ConjugatorPage::Infinitives() const {
  // The list offers exactly these: typed text never joins it.
  std::vector<std::string> infinitives;
  infinitives.reserve(infinitives_.size());
  for (const QString& infinitive : infinitives_) infinitives.push_back(FromQString(infinitive));
  return infinitives;
}

}  // namespace parlavo
