// The regular conjugation system and the item builder that merges it with the
// irregular forms of the data file.
#include <array>
#include <string_view>

#include "syllables.h"
#include "text.h"
#include "verb.h"
#include "verb_maker.h"

namespace parlavo {

namespace {

using std::string_view;

// Rows of every ending table: the six persons a tense line distinguishes.
enum Row { kRowYo, kRowTu, kRowEl, kRowNosotros, kRowVosotros, kRowEllos, kRowCount };

// Row of a person in the tables (vos takes the Tu row; Present and Imperative
// give vos its own ending separately). -1 outside 1..11.
int RowOf(int person) {
  // clang-format off
  switch (person) {
    case kYo: return kRowYo;
    case kTu: case kVos: return kRowTu;
    case kEl: case kElla: case kUsted: return kRowEl;
    case kNosotros: return kRowNosotros;
    case kVosotros: return kRowVosotros;
    case kEllos: case kEllas: case kUstedes: return kRowEllos;
    default: return -1;
  }
  // clang-format on
}

using ClassTable = string_view[3][kRowCount];  // [verb class][row]
using SharedTable = string_view[kRowCount];

// A null view marks a cell without an ending.
// clang-format off
constexpr ClassTable kPresentEndings = {
    {"o", "as", "a", "amos", "\xE1is", "an"},
    {"o", "es", "e", "emos", "\xE9is", "en"},
    {"o", "es", "e", "imos", "\xEDs", "en"}};
constexpr string_view kPresentVosEndings[3] = {"\xE1s", "\xE9s", "\xEDs"};

constexpr ClassTable kSimplePastEndings = {
    {"\xE9", "aste", "\xF3", "amos", "asteis", "aron"},
    {"\xED", "iste", "i\xF3", "imos", "isteis", "ieron"},
    {"\xED", "iste", "i\xF3", "imos", "isteis", "ieron"}};

constexpr ClassTable kImperfectEndings = {
    {"aba", "abas", "aba", "\xE1" "bamos", "abais", "aban"},
    {"\xED" "a", "\xED" "as", "\xED" "a", "\xED" "amos", "\xED" "ais", "\xED" "an"},
    {"\xED" "a", "\xED" "as", "\xED" "a", "\xED" "amos", "\xED" "ais", "\xED" "an"}};

constexpr SharedTable kFutureEndings = {"r\xE9", "r\xE1s", "r\xE1", "remos", "r\xE9is", "r\xE1n"};
constexpr SharedTable kConditionalEndings = {"r\xED" "a", "r\xED" "as", "r\xED" "a", "r\xED" "amos",
                                      "r\xED" "ais", "r\xED" "an"};
constexpr string_view kThemeVowel[3] = {"a", "e", "i"};

constexpr ClassTable kImperativeEndings = {
    {{}, "a", "e", {}, "ad", "en"},
    {{}, "e", "a", {}, "ed", "an"},
    {{}, "e", "a", {}, "id", "an"}};
constexpr string_view kImperativeVosEndings[3] = {"\xE1", "\xE9", "\xED"};

constexpr ClassTable kSubjPresentEndings = {
    {"e", "es", "e", "emos", "\xE9is", "en"},
    {"a", "as", "a", "amos", "\xE1is", "an"},
    {"a", "as", "a", "amos", "\xE1is", "an"}};

constexpr ClassTable kSubjImperfectEndings = {
    {"ara", "aras", "ara", "\xE1ramos", "arais", "aran"},
    {"iera", "ieras", "iera", "i\xE9ramos", "ierais", "ieran"},
    {"iera", "ieras", "iera", "i\xE9ramos", "ierais", "ieran"}};

constexpr string_view kParticiple[3] = {"ado", "ido", "ido"};
constexpr string_view kGerundEnding[3] = {"ando", "iendo", "iendo"};

constexpr SharedTable kAuxPerfect = {"he", "has", "ha", "hemos", "hab\xE9is", "han"};
constexpr SharedTable kAuxPluperfect = {"hab\xED" "a", "hab\xED" "as", "hab\xED" "a",
                                        "hab\xED" "amos", "hab\xED" "ais", "hab\xED" "an"};
constexpr SharedTable kAuxSubjPerfect = {"haya", "hayas", "haya", "hayamos", "hay\xE1is", "hayan"};
constexpr SharedTable kAuxSubjPluperfect = {"hubiera", "hubieras", "hubiera", "hubi\xE9ramos",
                                            "hubierais", "hubieran"};
constexpr SharedTable kAuxCondPerfect = {"habr\xED" "a", "habr\xED" "as", "habr\xED" "a",
                                         "habr\xED" "amos", "habr\xED" "ais", "habr\xED" "an"};
constexpr SharedTable kAuxFuturePerfect = {"habr\xE9", "habr\xE1s", "habr\xE1", "habremos",
                                           "habr\xE9is", "habr\xE1n"};
// clang-format on

const SharedTable* AuxiliaryTable(int tense) {
  switch (tense) {
    case kPerfect: return &kAuxPerfect;
    case kPluperfect: return &kAuxPluperfect;
    case kSubjPerfect: return &kAuxSubjPerfect;
    case kSubjPluperfect: return &kAuxSubjPluperfect;
    case kCondPerfect: return &kAuxCondPerfect;
    case kFuturePerfect: return &kAuxFuturePerfect;
    default: return nullptr;
  }
}

// The ending of a regular form, or a null view when the tables hold none.
// `theme` receives the vowel Future and Conditional put before their ending.
string_view RegularEnding(int tense, int person, int verbClass, string_view& theme) {
  const int row = RowOf(person);
  switch (tense) {
    case kFuture:
    case kConditional:
      theme = kThemeVowel[verbClass];
      if (row < 0) return {};
      return tense == kFuture ? kFutureEndings[row] : kConditionalEndings[row];
    default: break;
  }
  if (row < 0) return {};
  switch (tense) {
    case kPresent: return person == kVos ? kPresentVosEndings[verbClass] : kPresentEndings[verbClass][row];
    case kSimplePast: return kSimplePastEndings[verbClass][row];
    case kImperfect: return kImperfectEndings[verbClass][row];
    case kImperative: return person == kVos ? kImperativeVosEndings[verbClass] : kImperativeEndings[verbClass][row];
    case kSubjPresent: return kSubjPresentEndings[verbClass][row];
    case kSubjImperfect: return kSubjImperfectEndings[verbClass][row];
    case kGerund: return kGerundEnding[verbClass];
    default: return IsCompoundTense(tense) ? kParticiple[verbClass] : string_view();
  }
}

// Appends stem, theme vowel and ending of a regular form ("ERROR" for the ending
// where the tables hold none).
void AppendRegularForm(std::string& out, string_view stem, int verbClass, int tense, int person) {
  string_view theme;
  string_view ending = RegularEnding(tense, person, verbClass, theme);
  if (ending.data() == nullptr) ending = kError;
  out += stem;
  out += theme;
  out += ending;
}

string_view StemOf(string_view infinitive) {
  const string_view base = BaseOf(infinitive);
  return base.size() >= 2 ? base.substr(0, base.size() - 2) : string_view();
}

// The stem without the blanks a header may leave before the infinitive: a generated
// form is trimmed, and since no ending starts or ends with a blank, trimming the
// stem's start once is the same.
string_view TrimmedStem(string_view infinitive) {
  string_view stem = StemOf(infinitive);
  while (!stem.empty() && static_cast<unsigned char>(stem.front()) <= 32) stem.remove_prefix(1);
  return stem;
}

// The vos forms no ending table gives; "ERROR" for every other verb and tense.
string_view SpecialVosForm(string_view infinitive, int tense) {
  if (tense == kPresent) {
    if (infinitive == "ser") return "sos";
    if (infinitive == "ir") return "vas";
    if (infinitive == "haber") return "has";
  } else if (tense == kImperative) {
    if (infinitive == "ir") return "and\xE1";
    if (infinitive == "ser") return "s\xE9";  // keeps the accent that tells it from the pronoun se
  }
  return kError;
}

}  // namespace

string_view CompoundAuxiliary(int tense, int person) {
  const SharedTable* table = AuxiliaryTable(tense);
  const int row = RowOf(person);
  return table && row >= 0 ? (*table)[row] : string_view();
}

std::string TVerbMaker::Conjugate(std::string_view infinitive, int person, int tense, bool withStem) {
  if (IsCompoundTense(tense)) SetAuxiliary(tense, person);
  std::string result;
  AppendRegularForm(result, withStem ? StemOf(infinitive) : string_view(), VerbClassOf(infinitive), tense, person);
  TrimInPlace(result);
  return result;
}

std::string TVerbMaker::AuxiliaryOf(int tense, int person) {
  SetAuxiliary(tense, person);
  return LastAuxiliary;
}

void TVerbMaker::SetAuxiliary(int tense, int person) { LastAuxiliary = CompoundAuxiliary(tense, person); }

int TVerbMaker::PersonColumn(int person) {
  // clang-format off
  switch (person) {
    case kYo: return 1;
    case kTu: case kVos: return 2;
    case kEl: case kElla: case kUsted: return 3;
    case kNosotros: return 4;
    case kEllos: case kEllas: case kUstedes: return 5;
    case kVosotros: return 6;
    default: return 0;
  }
  // clang-format on
}

int TVerbMaker::FileTenseCode(int tense) {
  static constexpr int kCodes[kTenseCount] = {1, 3, 2, -2, -2, 4, 5, 0, 6, 7, -2, -2, -2, -2, -1};
  return tense >= 1 && tense <= kTenseCount ? kCodes[tense - 1] : kNoFileTenseCode;
}

namespace {

// Where each of a verb's 153 items takes its form. Slot 0 is the vos form of the
// Present and the Imperative, slots 1..6 the columns of a tense line; the persons of
// one slot in one tense share the form.
struct ItemPlace {
  std::uint8_t tense, person, formPerson, slot;
};
using ItemLayout = std::array<ItemPlace, kItemsPerVerb>;

ItemLayout MakeItemLayout() {
  ItemLayout layout{};
  std::size_t n = 0;
  for (int t = 1; t <= kTenseCount; ++t) {
    for (int p = 1; p <= kPersonCount; ++p) {
      if (!ItemExists(t, p)) continue;
      const bool vosHasOwnForm = t == kPresent || t == kImperative;
      const int g = p == kVos && !vosHasOwnForm ? kTu : p;
      layout[n++] = {static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(g),
                     static_cast<std::uint8_t>(g == kVos ? 0 : TVerbMaker::PersonColumn(g))};
    }
  }
  return layout;
}

}  // namespace

// A loaded verb's forms always fit an item: each is a data file line or the
// infinitive with an auxiliary and an ending, and a verb has at most 7 per tense.
static_assert(kLongestVerbFileLine + 32 <= kLongestForm);
static_assert(7 * kTenseCount * (kLongestVerbFileLine + 32) <= kFormReach);

void TVerbMaker::BuildVerbItems(std::string_view infinitive, std::string_view translation, const FormTable& forms,
                                VerbList& list) {
  static const ItemLayout kLayout = MakeItemLayout();
  const std::uint8_t verbClass = VerbClassOf(infinitive);
  const string_view stem = TrimmedStem(infinitive);
  // The verb's distinct forms are gathered one after another, so the list keeps
  // them together and each item holds where its own form starts in them. A
  // compound form keeps only its participle, once for all the persons that share it.
  using Placed = VerbList::NewItem;
  std::array<Placed, 7> slotForm;
  std::array<Placed, kItemsPerVerb> items;
  std::array<bool, 7> made{};
  // A slot's participle is the same in every compound tense: only the auxiliary differs.
  std::array<Placed, 7> compoundForm;
  std::array<bool, 7> compoundMade{};
  verbForms_.clear();
  Placed participle;  // the last one kept
  // The form appended to verbForms_ since `start`.
  const auto placedSince = [&](std::size_t start) {
    return Placed{static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(verbForms_.size() - start)};
  };
  const auto place = [&](string_view text) {
    const std::size_t start = verbForms_.size();
    verbForms_ += text;
    return placedSince(start);
  };
  // The participle appended since `start`, or the one kept before when the same.
  const auto participleSince = [&](std::size_t start) {
    const string_view text = string_view(verbForms_).substr(start);
    if (string_view(verbForms_).substr(participle.formOffset, participle.formSize) == text)
      verbForms_.resize(start);
    else
      participle = placedSince(start);
    Placed placed = participle;
    placed.withAuxiliary = true;
    return placed;
  };
  int tense = 0;
  for (std::size_t n = 0; n < kLayout.size(); ++n) {
    const ItemPlace& at = kLayout[n];
    const int t = at.tense, g = at.formPerson, slot = at.slot;
    if (t != tense) {
      tense = t;
      made.fill(false);
    }
    if (!made[slot] && IsCompoundTense(t) && compoundMade[slot]) {
      made[slot] = true;
      slotForm[slot] = compoundForm[slot];
    }
    if (!made[slot]) {
      made[slot] = true;
      const string_view special =
          g == kVos ? SpecialVosForm(infinitive, t) : string_view(forms[FileTenseCode(t) + 2][slot - 1]);
      const bool irregular = special != kError;
      const string_view auxiliary = CompoundAuxiliary(t, g);
      const std::size_t start = verbForms_.size();
      if (irregular && !auxiliary.empty()) {
        // What follows the auxiliary and its blank once the whole form is trimmed
        // (nothing when the file gives only blanks).
        form_.assign(auxiliary);
        form_ += ' ';
        form_ += special;
        const string_view whole = TrimmedView(form_);
        if (whole.size() > auxiliary.size()) verbForms_ += whole.substr(auxiliary.size() + 1);
        slotForm[slot] = participleSince(start);
      } else if (irregular) {
        slotForm[slot] = place(TrimmedView(special));
      } else if (g == kVos) {
        word_.clear();
        AppendRegularForm(word_, stem, verbClass, t, g);
        // A generated vos form of one syllable takes no written accent (das, ve, hui).
        if (IsSingleSyllable(word_)) DropLastAccent(word_);
        slotForm[slot] = place(word_);
      } else {
        AppendRegularForm(verbForms_, stem, verbClass, t, g);
        slotForm[slot] = auxiliary.empty() ? placedSince(start) : participleSince(start);
      }
      slotForm[slot].irregular = irregular;
      if (!auxiliary.empty()) {
        compoundMade[slot] = true;
        compoundForm[slot] = slotForm[slot];
      }
    }
    items[n] = slotForm[slot];
    items[n].person = at.person;
    items[n].tense = at.tense;
  }
  list.AddVerb(infinitive, translation, verbForms_, items, verbClass);
  LastAuxiliary.clear();
}

}  // namespace parlavo
