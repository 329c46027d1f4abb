#include "verb.h"

#include "text.h"

namespace parlavo {

namespace {

// clang-format off
constexpr std::string_view kPersonNames[] = {
    "Yo", "T\xFA", "Vos", "\xC9l", "Ella", "Usted", "Nosotros", "Vosotros", "Ellos", "Ellas", "Ustedes"};

constexpr std::string_view kTenseNames[] = {
    "Present", "Simple Past", "Imperfect", "Perfect", "Pluperfect", "Future", "Conditional",
    "Imperative", "Subjunctive - Present", "Subjunctive - Imperfect", "Subjunctive - Perfect",
    "Subjunctive - Pluperfect", "Conditional - Perfect", "Future - Perfect", "Gerund"};
// clang-format on

constexpr std::string_view kIrregularTag = "\t(Irregular)";
constexpr std::size_t kLongestAuxiliary = 10;  // "hubiéramos"

}  // namespace

std::string_view PersonNameOf(int person) {
  return person >= 1 && person <= kPersonCount ? kPersonNames[person - 1] : kError;
}

std::string_view TenseNameOf(int tense) { return tense >= 1 && tense <= kTenseCount ? kTenseNames[tense - 1] : kError; }

bool IsCompoundTense(int tense) {
  switch (tense) {
    case kPerfect:
    case kPluperfect:
    case kSubjPerfect:
    case kSubjPluperfect:
    case kCondPerfect:
    case kFuturePerfect: return true;
    default: return false;
  }
}

bool ItemExists(int tense, int person) {
  if (tense < 1 || tense > kTenseCount || person < 1 || person > kPersonCount) return false;
  if (tense == kGerund) return person == kYo;
  if (tense == kImperative) return person != kYo && person != kNosotros;
  return true;
}

std::string_view BaseOf(std::string_view infinitive) {
  if (infinitive.size() >= 2 && infinitive.substr(infinitive.size() - 2) == "se") infinitive.remove_suffix(2);
  return infinitive;
}

std::string EndingOf(std::string_view infinitive) {
  const std::string_view base = BaseOf(infinitive);
  return std::string(base.size() > 2 ? base.substr(base.size() - 2) : base);
}

std::uint8_t VerbClassOf(std::string_view infinitive) {
  std::string_view base = BaseOf(infinitive);
  if (base.size() > 2) base = base.substr(base.size() - 2);
  if (base == "ar" || base == "\xE1r") return 0;
  if (base == "er" || base == "\xE9r") return 1;
  return 2;
}

void TVerb::ResetVerb() {
  back_ = 0;
  formOffset_ = 0;
  withAuxiliary_ = 0;
  formSize_ = kError.size() & kLongestForm;
  Irregular = false;
  Person = 1;
  Tense = 1;
  VerbClass = 0;
}

void TVerb::AppendForm(std::string& out) const {
  const std::string_view kept = KeptForm();
  if (withAuxiliary_) {
    const std::string_view auxiliary = CompoundAuxiliary(Tense, Person);
    out += auxiliary;
    if (!auxiliary.empty() && !kept.empty()) out += ' ';
  }
  out += kept;
}

std::string TVerb::Form() const {
  std::string form;
  AppendForm(form);
  return form;
}

std::string TVerb::DisplayLine() const {
  const std::string_view head = Tense == kGerund ? std::string_view() : PersonName();
  std::string line;
  line.reserve(head.size() + 1 + kLongestAuxiliary + 1 + formSize_ + kIrregularTag.size());
  line += head;
  line += '\t';
  AppendForm(line);
  if (Irregular) line += kIrregularTag;
  return line;
}

std::string TVerb::ResultLine(int number) const {
  std::string line;
  AppendForm(line);
  line += ',';
  line += Infinitive();
  line += ',';
  line += std::to_string(Person);
  line += ',';
  line += std::to_string(Tense);
  line += Irregular ? ",1," : ",0,";
  line += std::to_string(number);
  return line;
}

bool TVerb::MatchesFilter(const PeopleFlags& people, const TenseFlags& tenses, const ClassFlags& classes, int irregMode,
                          const TExtra& extra) const {
  if (Person < 1 || Person > kPersonCount || !people[Person - 1]) return false;
  if (Tense < 1 || Tense > kTenseCount) return false;
  if (!tenses[Tense == kGerund ? tenses.size() - 1 : Tense - 1]) return false;
  if (VerbClass > 2 || !classes[VerbClass]) return false;
  switch (irregMode) {
    case 0:
      if (Irregular) return false;
      break;
    case 1:
      if (!Irregular) return false;
      break;
    case 2: break;
    default: return false;
  }
  return extra.Verb.empty() || EqualsUpperAZ(Infinitive(), extra.Verb);
}

}  // namespace parlavo
