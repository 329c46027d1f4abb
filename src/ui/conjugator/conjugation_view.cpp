#include "conjugation_view.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <vector>

#include "rich_text_writer.h"
#include "text.h"
#include "text_codec.h"
#include "unused_items.h"
#include "verb_lookup.h"
#include "verb_maker.h"

namespace parlavo {

namespace {

constexpr char kConjugatorTitle[] = "Verb Conjugations for : ";
constexpr char kRegularTitle[] = "Regular Verb Conjugations";

// Opens a tense block: heading at indent 10 without bullet, forms at indent 20
// with bullets.
void OpenTenseBlock(RichTextWriter& out, std::string_view tenseName) {
  out.SetFirstIndentPoints(10);
  out.SetBullet(false);
  out.AddLine("");
  out.AddLine("");
  out.TenseHeadingStyle();
  out.AddLine(tenseName);
}

void StartForms(RichTextWriter& out) {
  out.SetFirstIndentPoints(20);
  out.SetBullet(true);
}

}  // namespace

void ShowConjugations(QTextEdit* reConj, const VerbList& items, const std::string& verb) {
  RichTextWriter out(reConj);
  out.Clear();
  out.BaseHeight = 14;
  // What the learner typed finds its verb whatever the case and blanks around it;
  // the verb is then shown as the data spells it.
  const std::string found = FindInfinitive(items, verb);
  const std::string upper = UpperAZ(found.empty() ? Trim(verb) : found);

  out.TitleStyle();
  out.SetAlignment(Qt::AlignHCenter);
  out.AddLine(kConjugatorTitle + upper);

  // One pass sorts the verb's items by tense, keeping list order within a tense;
  // walking the tenses in display order then gives the same lines as scanning
  // the whole list once per tense.
  std::array<std::vector<const TVerb*>, kTenseCount + 1> byTense;
  for (const TVerb& item : items) {
    if (item.Tense >= 1 && item.Tense <= kTenseCount && !found.empty() && item.Infinitive() == found)
      byTense[item.Tense].push_back(&item);
  }

  bool first = true;
  int last = -1;
  for (int tense : kTenseDisplayOrder) {
    for (const TVerb* item : byTense[tense]) {
      if (first) {
        first = false;
        out.AddLine("");
        out.VerbHeaderStyle();
        out.AddLine(upper + " : " + std::string(item->Translation()));
        out.SetAlignment(Qt::AlignLeft);
        out.SetBullet(true);
        out.SetFirstIndentPoints(10);
      }
      if (item->Tense != last) {
        OpenTenseBlock(out, item->TenseName());
        StartForms(out);
        last = item->Tense;
      }
      if (item->Irregular)
        out.IrregularFormStyle();
      else
        out.RegularFormStyle();
      out.ConjugationTabs();
      std::string line = item->DisplayLine();
      if (IsUnusedItem(item->Infinitive(), item->Tense)) line += " (rare)";
      out.AddLine(line);
      if (tense == kGerund) break;  // the Gerund is shown once
    }
  }
  out.AddLine("");
  out.CaretToStart();
}

void bnConjugateClick(QComboBox* cbConj, QTextEdit* reConj, const VerbList& items) {
  const QString text = cbConj->currentText();
  if (text.isEmpty()) return;
  ShowConjugations(reConj, items, FromQString(text));
}

bool cbConjKeyDown(QComboBox* cbConj, QTextEdit* reConj, const VerbList& items, int key) {
  if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
  ShowConjugations(reConj, items, FromQString(cbConj->currentText()));
  return true;
}

void BuildRegularTable(QTextEdit* reConjugations) {
  RichTextWriter out(reConjugations);
  out.Clear();
  out.BaseHeight = 14;

  out.TitleStyle();
  out.SetAlignment(Qt::AlignHCenter);
  out.AddLine(kRegularTitle);
  out.SetAlignment(Qt::AlignLeft);

  TVerbMaker engine;
  for (int tense : kTenseDisplayOrder) {
    OpenTenseBlock(out, TenseNameOf(tense));
    out.TenseHeadingStyle();
    out.ConjugationTabs();
    out.AddLine("\tAR\tER\tIR");
    StartForms(out);

    const bool compound = IsCompoundTense(tense);
    const bool imperative = tense == kImperative;
    const int lastPerson = tense == kGerund ? 1 : kPersonCount;
    std::string auxiliary;
    for (int person = 1; person <= lastPerson; ++person) {
      if (imperative && (person == kYo || person == kNosotros)) continue;
      // Vos has endings of its own only in the Present and the Imperative.
      const int q = (person == kVos && tense != kPresent && tense != kImperative) ? kTu : person;
      if (compound) auxiliary = engine.AuxiliaryOf(tense, q);
      std::string row = "   ";
      if (tense != kGerund) row += PersonNameOf(person);
      if (!auxiliary.empty()) row += " (" + auxiliary + ")";
      for (const char* model : {"hablar", "comer", "subir"}) row += "\t" + engine.Conjugate(model, q, tense, false);
      out.EndingsRow(row);
    }
  }
  out.SetBullet(false);
  out.AddLine("");
  out.AddLine("");
  out.CaretToStart();
}

ConjugatorController::ConjugatorController(QComboBox* cbConj, QPushButton* bnConjugate, QTextEdit* reConj,
                                           const VerbList& items)
    : QObject(cbConj), cbConj_(cbConj), reConj_(reConj), items_(items) {
  cbConj_->setEditable(true);
  cbConj_->setInsertPolicy(QComboBox::NoInsert);
  cbConj_->installEventFilter(this);
  if (cbConj_->lineEdit() != nullptr) cbConj_->lineEdit()->installEventFilter(this);
  connect(bnConjugate, &QPushButton::clicked, this, [this] { bnConjugateClick(cbConj_, reConj_, items_); });
  // A verb picked from the list is conjugated at once.
  connect(cbConj_, &QComboBox::activated, this,
          [this](int index) { ShowConjugations(reConj_, items_, FromQString(cbConj_->itemText(index))); });
}

bool ConjugatorController::eventFilter(QObject* watched, QEvent* event) {
  // Entering the box selects its text, so a verb typed replaces the one shown. Deferred,
  // because a mouse click places the caret after the focus arrives.
  QLineEdit* edit = cbConj_->lineEdit();
  if (event->type() == QEvent::FocusIn && edit != nullptr && (watched == edit || watched == cbConj_))
    QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (cbConjKeyDown(cbConj_, reConj_, items_, key->key())) return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace parlavo
