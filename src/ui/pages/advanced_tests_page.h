// The "Advanced" page: a filter of tenses, persons, verb kinds and one verb, shown
// and read as the plain AdvancedPage record, and the list of saved filters. The
// widget is named after the page's title: AdvancedPage is the record it shows.
// Its controls are made when it is first shown (most runs never show it); until
// then it keeps what it was told and reads that back.
#pragma once

#include <string>
#include <vector>

#include "advanced_page.h"
#include "lazy_page.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace parlavo {

class AdvancedTestsPage : public LazyPage {
  Q_OBJECT
 public:
  explicit AdvancedTestsPage(QWidget* parent = nullptr);

  AdvancedPage Read() const;
  void Show(const AdvancedPage& page);
  // Every kind of verb ticked, as a new run starts.
  void TickAllVerbTypes();
  // The names listed under "Saved Settings:".
  void ShowSavedFilters(const std::vector<std::string>& names);
  // "Setting name to save:" as typed.
  std::string NewFilterName() const;

 signals:
  // A choice, a tick or the specific verb changed: worth keeping in the settings.
  void edited();
  void updateVerbsClicked();  // "Update Verbs"
  void saveClicked();         // "Save Filter"
  // "Delete Filter" with a saved filter selected.
  void deleteRequested(const std::string& name);
  // A click on a saved filter: it is to be shown.
  void savedFilterClicked(const std::string& name);

 protected:
  void Build(QWidget* page) override;

 private:
  void ShowOnControls(const AdvancedPage& page);

  // What the page shows while its controls are not made; at first a fresh page's
  // choices.
  AdvancedPage shown_;
  std::vector<std::string> savedNames_;

  QGroupBox *gbTenses = nullptr, *gbPerson = nullptr, *gbVerbType = nullptr, *gbFiltering = nullptr,
            *gbSpecVerb = nullptr;
  QRadioButton *rbAllTenses = nullptr, *rbCommonTenses = nullptr, *rbSpecificTenses = nullptr;
  QListWidget *cbCommonTense = nullptr, *cbSpecificTense = nullptr;
  QRadioButton *rbAllPeople = nullptr, *rbCommonPeople = nullptr, *rbSpecificPeople = nullptr;
  QListWidget *cbCommonPeople = nullptr, *cbSpecificPeople = nullptr;
  QListWidget* cbVerbType = nullptr;
  QLabel *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr;
  QListWidget* lbSettings = nullptr;
  QPushButton *bnSave = nullptr, *bnDelete = nullptr;
  QLineEdit* edSave = nullptr;
  QLineEdit* edSpecVerb = nullptr;
  QPushButton* bnUpdateVerbs = nullptr;
  QPushButton* Button1 = nullptr;  // "Clear Settings"
};

}  // namespace parlavo
