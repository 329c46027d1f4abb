// The conjugator ("Verb Conjugator" page) and the regular endings table
// ("Conjugations" page): both write styled lines into a read-only QTextEdit.
//
// What the main window calls:
//   - at start-up, after the verb data file is read: BuildRegularTable(reConjugations);
//   - bnConjugate's clicked(): bnConjugateClick(cbConj, reConj, verbItems);
//   - Enter in cbConj: cbConjKeyDown(cbConj, reConj, verbItems, key).
// Or, simpler, construct one ConjugatorController on the three controls, which
// does the last two wiring steps itself.
#pragma once

#include <QObject>
#include <array>
#include <string>

#include "verb_list.h"

class QComboBox;
class QPushButton;
class QTextEdit;

namespace parlavo {

// Tense codes in the order both views (and the window's tense lists) show them.
inline constexpr std::array<int, kTenseCount> kTenseDisplayOrder = {
    kPresent,     kSimplePast,    kImperfect,   kPerfect,        kPluperfect,
    kFuture,      kFuturePerfect, kConditional, kCondPerfect,    kImperative,
    kSubjPresent, kSubjImperfect, kSubjPerfect, kSubjPluperfect, kGerund};

// Clears reConj and writes every form of `verb` (Windows-1252, found by
// FindInfinitive: trimmed, any case), grouped by tense, irregular forms marked. A
// verb not found gives the title and one empty line.
void ShowConjugations(QTextEdit* reConj, const VerbList& items, const std::string& verb);

// "Go": conjugates the text of cbConj; an empty text leaves the previous output.
void bnConjugateClick(QComboBox* cbConj, QTextEdit* reConj, const VerbList& items);
// A key pressed in cbConj: Enter (Return or the keypad's Enter) conjugates, even an
// empty text. Returns whether the key was handled.
bool cbConjKeyDown(QComboBox* cbConj, QTextEdit* reConj, const VerbList& items, int key);

// Clears reConjugations and writes the endings of hablar, comer and subir for
// every tense and person, from the conjugation engine alone.
void BuildRegularTable(QTextEdit* reConjugations);

// Wires the conjugator page: "Go" clicks and Enter in the box run the handlers
// above, and a verb picked from the drop-down list is conjugated at once. It makes cbConj editable and stops it from
// adding typed text to its list on Enter, since that list must hold exactly the loaded infinitives. `items` must
// outlive the controller; the controller is a child of cbConj.
class ConjugatorController : public QObject {
  Q_OBJECT
 public:
  ConjugatorController(QComboBox* cbConj, QPushButton* bnConjugate, QTextEdit* reConj, const VerbList& items);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QComboBox* cbConj_;
  QTextEdit* reConj_;
  const VerbList& items_;
};

}  // namespace parlavo
