#include "advanced_tests_page.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <utility>

#include "fonts.h"
#include "place.h"
#include "presets.h"
#include "text_codec.h"

namespace parlavo {

namespace {

template <std::size_t N>
std::array<bool, N> Ticks(const QListWidget* list) {
  std::array<bool, N> ticks{};
  for (std::size_t i = 0; i < N && static_cast<int>(i) < list->count(); ++i)
    ticks[i] = list->item(static_cast<int>(i))->checkState() == Qt::Checked;
  return ticks;
}

template <std::size_t N>
void SetTicks(QListWidget* list, const std::array<bool, N>& ticks) {
  for (std::size_t i = 0; i < N && static_cast<int>(i) < list->count(); ++i)
    list->item(static_cast<int>(i))->setCheckState(ticks[i] ? Qt::Checked : Qt::Unchecked);
}

RadioChoice Choice(const QRadioButton* all, const QRadioButton* common, const QRadioButton* specific) {
  if (all->isChecked()) return RadioChoice::All;
  if (common->isChecked()) return RadioChoice::Common;
  if (specific->isChecked()) return RadioChoice::Specific;
  return RadioChoice::None;
}

// With no choice no button of the group stays selected, which exclusive groups
// refuse unless exclusivity is lifted for the moment.
void SetChoice(RadioChoice choice, QRadioButton* all, QRadioButton* common, QRadioButton* specific) {
  for (QRadioButton* button : {all, common, specific}) {
    button->setAutoExclusive(false);
    button->setChecked(false);
  }
  if (choice == RadioChoice::All) all->setChecked(true);
  if (choice == RadioChoice::Common) common->setChecked(true);
  if (choice == RadioChoice::Specific) specific->setChecked(true);
  for (QRadioButton* button : {all, common, specific}) button->setAutoExclusive(true);
}

}  // namespace

AdvancedTestsPage::AdvancedTestsPage(QWidget* parent) : LazyPage(parent) {
  shown_.tenses = RadioChoice::Common;
  shown_.people = RadioChoice::All;
}

void AdvancedTestsPage::Build(QWidget* page) {
  PLACE(gbTenses, QGroupBox, page, 4, 44, 180, 330);
  gbTenses->setTitle("Tenses");
  PLACE(rbAllTenses, QRadioButton, gbTenses, 8, 18, 164, 17);
  rbAllTenses->setText("All Tenses");
  PLACE(rbCommonTenses, QRadioButton, gbTenses, 8, 36, 164, 17);
  rbCommonTenses->setText("Common Tenses:");
  PLACE(cbCommonTense, QListWidget, gbTenses, 8, 54, 164, 104);
  SetItems(cbCommonTense, kCommonTenseCaptions);
  PLACE(rbSpecificTenses, QRadioButton, gbTenses, 8, 162, 164, 17);
  rbSpecificTenses->setText("Specific Tenses:");
  PLACE(cbSpecificTense, QListWidget, gbTenses, 8, 180, 164, 142);
  SetItems(cbSpecificTense, kSpecificTenseCaptions);

  PLACE(gbPerson, QGroupBox, page, 188, 44, 184, 226);
  gbPerson->setTitle("Person");
  PLACE(rbAllPeople, QRadioButton, gbPerson, 8, 18, 168, 17);
  rbAllPeople->setText("All Persons");
  PLACE(rbCommonPeople, QRadioButton, gbPerson, 8, 36, 168, 17);
  rbCommonPeople->setText("Common Persons:");
  PLACE(cbCommonPeople, QListWidget, gbPerson, 8, 53, 168, 46);
  SetItems(cbCommonPeople, kCommonPeopleCaptions);
  PLACE(rbSpecificPeople, QRadioButton, gbPerson, 8, 101, 168, 17);
  rbSpecificPeople->setText("Specific Persons:");
  PLACE(cbSpecificPeople, QListWidget, gbPerson, 8, 119, 168, 102);
  SetItems(cbSpecificPeople, kSpecificPeopleCaptions);

  PLACE(gbVerbType, QGroupBox, page, 188, 272, 184, 102);
  gbVerbType->setTitle("Type of Verbs");
  PLACE(cbVerbType, QListWidget, gbVerbType, 8, 18, 168, 76);
  SetItems(cbVerbType, kVerbTypeCaptions);

  PLACE(gbFiltering, QGroupBox, page, 376, 44, 172, 236);
  gbFiltering->setTitle("Verb Filtering");
  PLACE(Label2, QLabel, gbFiltering, 8, 18, 156, 14);
  Label2->setText("All the settings you make can");
  PLACE(Label3, QLabel, gbFiltering, 8, 32, 156, 14);
  Label3->setText("be saved and reloaded");
  PLACE(Label4, QLabel, gbFiltering, 8, 50, 156, 14);
  Label4->setText("Saved Settings:");
  PLACE(lbSettings, QListWidget, gbFiltering, 8, 66, 156, 80);
  lbSettings->setSelectionMode(QAbstractItemView::SingleSelection);
  PLACE(Label5, QLabel, gbFiltering, 8, 152, 156, 14);
  Label5->setText("Setting name to save:");
  PLACE(edSave, QLineEdit, gbFiltering, 8, 168, 156, 21);
  PLACE(bnSave, QPushButton, gbFiltering, 8, 200, 76, 24);
  bnSave->setText("Save Filter");
  PLACE(bnDelete, QPushButton, gbFiltering, 88, 200, 76, 24);
  bnDelete->setText("Delete Filter");

  PLACE(gbSpecVerb, QGroupBox, page, 376, 284, 172, 52);
  gbSpecVerb->setTitle("Specific Verb");
  PLACE(edSpecVerb, QLineEdit, gbSpecVerb, 8, 20, 156, 21);

  PLACE(bnUpdateVerbs, QPushButton, page, 376, 346, 84, 26);
  bnUpdateVerbs->setText("Update Verbs");
  bnUpdateVerbs->setFont(PixelFont("MS Sans Serif", 11, true));
  PLACE(Button1, QPushButton, page, 464, 346, 84, 26);
  Button1->setText("Clear Settings");

  for (QListWidget* list : {cbCommonTense, cbSpecificTense, cbCommonPeople, cbSpecificPeople, cbVerbType}) {
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
  }

  // A tick in a check list selects the list's radio button.
  const std::pair<QListWidget*, QRadioButton*> lists[] = {{cbCommonPeople, rbCommonPeople},
                                                          {cbSpecificPeople, rbSpecificPeople},
                                                          {cbCommonTense, rbCommonTenses},
                                                          {cbSpecificTense, rbSpecificTenses}};
  for (const auto& [list, radio] : lists)
    connect(list, &QListWidget::itemClicked, radio, [radio = radio] { radio->setChecked(true); });

  for (QRadioButton* choice :
       {rbAllTenses, rbCommonTenses, rbSpecificTenses, rbAllPeople, rbCommonPeople, rbSpecificPeople})
    connect(choice, &QAbstractButton::clicked, this, &AdvancedTestsPage::edited);
  for (QListWidget* ticks : {cbCommonTense, cbSpecificTense, cbCommonPeople, cbSpecificPeople, cbVerbType})
    connect(ticks, &QListWidget::itemChanged, this, &AdvancedTestsPage::edited);
  connect(edSpecVerb, &QLineEdit::textEdited, this, &AdvancedTestsPage::edited);

  connect(bnUpdateVerbs, &QPushButton::clicked, this, &AdvancedTestsPage::updateVerbsClicked);
  connect(Button1, &QPushButton::clicked, this, [this] { Show(ClearedAdvancedPage()); });
  connect(bnSave, &QPushButton::clicked, this, &AdvancedTestsPage::saveClicked);
  connect(bnDelete, &QPushButton::clicked, this, [this] {
    const QListWidgetItem* selected = lbSettings->currentItem();
    if (selected && selected->isSelected()) emit deleteRequested(FromQString(selected->text()));
  });
  connect(lbSettings, &QListWidget::itemClicked, this, [this] {
    if (const QListWidgetItem* selected = lbSettings->currentItem())
      emit savedFilterClicked(FromQString(selected->text()));
  });

  // What the page was told before it was made is no edit of the learner's.
  const QSignalBlocker quiet(this);
  ShowOnControls(shown_);
  ShowSavedFilters(std::exchange(savedNames_, {}));
}

AdvancedPage AdvancedTestsPage::Read() const {
  if (!Built()) return shown_;
  AdvancedPage page;
  page.tenses = Choice(rbAllTenses, rbCommonTenses, rbSpecificTenses);
  page.people = Choice(rbAllPeople, rbCommonPeople, rbSpecificPeople);
  page.cbCommonTense = Ticks<7>(cbCommonTense);
  page.cbSpecificTense = Ticks<15>(cbSpecificTense);
  page.cbCommonPeople = Ticks<3>(cbCommonPeople);
  page.cbSpecificPeople = Ticks<7>(cbSpecificPeople);
  page.cbVerbType = Ticks<5>(cbVerbType);
  page.edSpecVerb = FromQString(edSpecVerb->text());
  return page;
}

void AdvancedTestsPage::Show(const AdvancedPage& page) {
  if (Built()) {
    ShowOnControls(page);
    return;
  }
  shown_ = page;
  // The verb as its box would give it back.
  shown_.edSpecVerb = FromQString(ToQString(page.edSpecVerb));
}

void AdvancedTestsPage::ShowOnControls(const AdvancedPage& page) {
  SetChoice(page.tenses, rbAllTenses, rbCommonTenses, rbSpecificTenses);
  SetChoice(page.people, rbAllPeople, rbCommonPeople, rbSpecificPeople);
  SetTicks(cbCommonTense, page.cbCommonTense);
  SetTicks(cbSpecificTense, page.cbSpecificTense);
  SetTicks(cbCommonPeople, page.cbCommonPeople);
  SetTicks(cbSpecificPeople, page.cbSpecificPeople);
  SetTicks(cbVerbType, page.cbVerbType);
  edSpecVerb->setText(ToQString(page.edSpecVerb));
}

void AdvancedTestsPage::TickAllVerbTypes() {
  if (!Built()) {
    shown_.cbVerbType.fill(true);
    return;
  }
  for (int i = 0; i < cbVerbType->count(); ++i) cbVerbType->item(i)->setCheckState(Qt::Checked);
}

void AdvancedTestsPage::ShowSavedFilters(const std::vector<std::string>& names) {
  if (!Built()) {
    savedNames_ = names;
    return;
  }
  lbSettings->clear();
  for (const std::string& name : names) lbSettings->addItem(ToQString(name));
}

// Only the learner types a name, and only on the page once it is made.
std::string AdvancedTestsPage::NewFilterName() const { return Built() ? FromQString(edSave->text()) : std::string(); }

}  // namespace parlavo
