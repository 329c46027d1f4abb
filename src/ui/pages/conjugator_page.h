// The "Verb Conjugator" page: a verb chosen from the list, all its forms below. Its
// controls are made, and the list filled, when the page is first shown.
#pragma once

#include <QStringList>
#include <string>
#include <vector>

#include "lazy_page.h"
#include "verb_list.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTextEdit;

namespace parlavo {

class ConjugatorPage : public LazyPage {
  Q_OBJECT
 public:
  // `items` are the loaded verbs the page conjugates; they must outlive the page.
  explicit ConjugatorPage(const VerbList& items, QWidget* parent = nullptr);

  // The infinitives offered, in the data file's order.
  void SetInfinitives(const QStringList& infinitives);
  std::vector<std::string> Infinitives() const;

 protected:
  void Build(QWidget* holder) override;

 private:
  const VerbList& items_;
  QStringList infinitives_;
  QLabel* Label11 = nullptr;
  QComboBox* cbConj = nullptr;
  QPushButton* bnConjugate = nullptr;
  QTextEdit* reConj = nullptr;
};

}  // namespace parlavo
