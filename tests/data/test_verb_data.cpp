// The shipped verb data, as the program loads it: the verbs it lists, and every
// form checked against the Spanish generator of apertium-eng-spa.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include "accepted_differences.h"
#include "generator_witness.h"
#include "text.h"
#include "unused_items.h"
#include "verb.h"
#include "verb_maker.h"

namespace parlavo::verbdata {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Cp(std::string_view utf8) { return Utf8ToCp1252(utf8).value_or("?"); }
std::string U8(std::string_view cp1252) { return Cp1252ToUtf8(cp1252); }

// One verb of the loaded list: its first item and the 153 that follow.
struct LoadedVerb {
  const TVerb* items;
  std::string infinitive() const { return std::string(items[0].Infinitive()); }
  std::string translation() const { return std::string(items[0].Translation()); }
};

class VerbData : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    items_ = new VerbList;
    TVerbMaker maker;
    loaded_ = maker.LoadVerbFile(PARLAVO_VERB_INI, *items_);
    verbs_ = new std::vector<LoadedVerb>;
    for (std::size_t i = 0; i + kItemsPerVerb <= items_->size(); i += kItemsPerVerb) {
      verbs_->push_back({&(*items_)[i]});
    }
  }
  static void TearDownTestSuite() {
    delete verbs_;
    delete items_;
  }

  static inline bool loaded_ = false;
  static inline VerbList* items_ = nullptr;
  static inline std::vector<LoadedVerb>* verbs_ = nullptr;
};

TEST_F(VerbData, LoadsAsTheProgramLoadsIt) {
  EXPECT_TRUE(loaded_) << PARLAVO_VERB_INI;
  EXPECT_EQ(items_->size() % kItemsPerVerb, 0u);
  for (const LoadedVerb& v : *verbs_) {
    for (int i = 0; i < kItemsPerVerb; ++i) {
      ASSERT_EQ(v.items[i].Infinitive(), v.infinitive()) << "a block is not 153 items long";
      EXPECT_NE(v.items[i].Form().find("ERROR"), 0u) << U8(v.infinitive());
    }
  }
}

TEST_F(VerbData, HasAtLeastAThousandVerbs) { EXPECT_GE(verbs_->size(), 1000u); }

TEST_F(VerbData, HasEverySingleVerbButtonVerb) {
  // clang-format off
  const char* const buttons[] = {
      "abrir",  "bailar", "beber", "cantar",  "cenar", "comer",    "correr", "dejar",  "esperar",
      "ganar",  "llamar", "mirar", "olvidar", "tomar", "trabajar", "vender", "viajar", "vivir",
      "dar",    "decir",  "estar", "haber",   "hacer", "ir",       "mentir", "pedir",  "pensar",
      "perder", "querer", "saber", "ser",     "tener", "traer",    "venir",  "ver",    "volver"};
  // clang-format on
  std::set<std::string> have;
  for (const LoadedVerb& v : *verbs_) have.insert(v.infinitive());
  for (const char* verb : buttons) EXPECT_TRUE(have.count(verb)) << verb;
}

// Alphabetical by the letters without their accents (ñ as n, ü as u).
std::string SortKey(const std::string& cp1252) {
  std::string key;
  const std::string accented = Cp("áéíóúüñ");
  const std::string plain = "aeiouun";
  for (char c : cp1252) {
    std::size_t at = accented.find(c);
    key += at == std::string::npos ? c : plain[at];
  }
  return key;
}

TEST_F(VerbData, InfinitivesAreSortedUniqueAndNotPronominal) {
  for (std::size_t i = 0; i < verbs_->size(); ++i) {
    const std::string& inf = (*verbs_)[i].infinitive();
    EXPECT_FALSE(inf.size() > 2 && inf.ends_with("se")) << U8(inf) << " is pronominal";
    EXPECT_TRUE(inf.ends_with("ar") || inf.ends_with("er") || inf.ends_with("ir") || inf.ends_with(Cp("ír")))
        << U8(inf);
    if (i == 0) continue;
    const std::string& before = (*verbs_)[i - 1].infinitive();
    EXPECT_LT(std::make_pair(SortKey(before), before), std::make_pair(SortKey(inf), inf))
        << U8(before) << " then " << U8(inf) << ": out of order or repeated";
  }
}

// A learner is shown the translation and must tell which verb is asked.
TEST_F(VerbData, TranslationsAreDistinctEnglishInfinitivesThatFit) {
  std::map<std::string, std::string> verbOf;
  for (const LoadedVerb& v : *verbs_) {
    const std::string& t = v.translation();
    EXPECT_TRUE(t.starts_with("to ")) << U8(v.infinitive()) << ": " << U8(t);
    EXPECT_LE(t.size(), 32u) << U8(v.infinitive()) << ": " << U8(t);
    auto [it, fresh] = verbOf.emplace(t, v.infinitive());
    EXPECT_TRUE(fresh) << U8(it->second) << " and " << U8(v.infinitive()) << " are both \"" << U8(t) << "\"";
  }
}

// Every verb of the built-in table of unused items is one we list, so no entry
// is dead because of a misspelling.
TEST_F(VerbData, UnusedItemsBelongToListedVerbs) {
  for (const UnusedTense& unused : kUnusedTenses) {
    const bool listed = std::any_of(verbs_->begin(), verbs_->end(),
                                    [&](const LoadedVerb& v) { return v.infinitive() == unused.infinitive; });
    EXPECT_TRUE(listed) << unused.infinitive;
  }
  const auto unused = std::count_if(items_->begin(), items_->end(),
                                    [](const TVerb& item) { return IsUnusedItem(item.Infinitive(), item.Tense); });
  EXPECT_EQ(unused, 2 * 11 + 2 * 9) << "soler: future, conditional, imperative; haber: imperative";
}

// ---- A stressed i or u after a vowel across an h ----
// The h does not stop the two vowels from forming a diphthong, so a stressed i or
// u beside the prefix's vowel carries its accent as in any hiatus: prohíbo,
// rehúso, rehíce, rehízo (but rehiciste, prohibimos). The generator misses some
// of these, so the forms are checked against this table, written from the RAE's
// conjugation tables.

// Persons of a row: yo, tú, [vos,] él, nosotros, vosotros, ellos; the Imperative
// tú, vos, usted, vosotros, ustedes; the Perfect and the Gerund one form.
std::vector<int> RowPersons(int tense) {
  switch (tense) {
    case kPresent: return {kYo, kTu, kVos, kEl, kNosotros, kVosotros, kEllos};
    case kImperative: return {kTu, kVos, kUsted, kVosotros, kUstedes};
    case kPerfect:
    case kGerund: return {kYo};
    default: return {kYo, kTu, kEl, kNosotros, kVosotros, kEllos};
  }
}

struct HiatusRow {
  const char* verb;
  Tense tense;
  const char* forms;  // UTF-8, separated by ", " (the Perfect's form holds a space)
};

constexpr HiatusRow kHiatusAcrossH[] = {
    {"prohibir", kPresent, "prohíbo, prohíbes, prohibís, prohíbe, prohibimos, prohibís, prohíben"},
    {"prohibir", kImperfect, "prohibía, prohibías, prohibía, prohibíamos, prohibíais, prohibían"},
    {"prohibir", kSimplePast, "prohibí, prohibiste, prohibió, prohibimos, prohibisteis, prohibieron"},
    {"prohibir", kFuture, "prohibiré, prohibirás, prohibirá, prohibiremos, prohibiréis, prohibirán"},
    {"prohibir", kConditional, "prohibiría, prohibirías, prohibiría, prohibiríamos, prohibiríais, prohibirían"},
    {"prohibir", kSubjPresent, "prohíba, prohíbas, prohíba, prohibamos, prohibáis, prohíban"},
    {"prohibir", kSubjImperfect, "prohibiera, prohibieras, prohibiera, prohibiéramos, prohibierais, prohibieran"},
    {"prohibir", kImperative, "prohíbe, prohibí, prohíba, prohibid, prohíban"},
    {"prohibir", kPerfect, "he prohibido"},
    {"prohibir", kGerund, "prohibiendo"},
    {"rehacer", kSimplePast, "rehíce, rehiciste, rehízo, rehicimos, rehicisteis, rehicieron"},
    {"rehacer", kSubjImperfect, "rehiciera, rehicieras, rehiciera, rehiciéramos, rehicierais, rehicieran"},
    {"rehusar", kPresent, "rehúso, rehúsas, rehusás, rehúsa, rehusamos, rehusáis, rehúsan"},
    {"rehusar", kImperfect, "rehusaba, rehusabas, rehusaba, rehusábamos, rehusabais, rehusaban"},
    {"rehusar", kSimplePast, "rehusé, rehusaste, rehusó, rehusamos, rehusasteis, rehusaron"},
    {"rehusar", kFuture, "rehusaré, rehusarás, rehusará, rehusaremos, rehusaréis, rehusarán"},
    {"rehusar", kConditional, "rehusaría, rehusarías, rehusaría, rehusaríamos, rehusaríais, rehusarían"},
    {"rehusar", kSubjPresent, "rehúse, rehúses, rehúse, rehusemos, rehuséis, rehúsen"},
    {"rehusar", kSubjImperfect, "rehusara, rehusaras, rehusara, rehusáramos, rehusarais, rehusaran"},
    {"rehusar", kImperative, "rehúsa, rehusá, rehúse, rehusad, rehúsen"},
    {"rehusar", kPerfect, "he rehusado"},
    {"rehusar", kGerund, "rehusando"},
};

// The person whose column of a row shows this person's form.
int RowPerson(int tense, int person) {
  if (tense == kImperative) {
    if (person == kEl || person == kElla) return kUsted;
    if (person == kEllos || person == kEllas) return kUstedes;
    return person;
  }
  if (person == kVos && tense != kPresent) return kTu;
  if (person == kElla || person == kUsted) return kEl;
  if (person == kEllas || person == kUstedes) return kEllos;
  return person;
}

// A vowel, an h, then i or u (with or without its accent).
bool HasVowelHThenIOrU(std::string_view form) {
  const std::string vowels = Cp("aeiouáéíóú"), closed = Cp("iuíú");
  for (std::size_t i = 0; i + 2 < form.size(); ++i)
    if (vowels.find(form[i]) != std::string::npos && form[i + 1] == 'h' &&
        closed.find(form[i + 2]) != std::string::npos)
      return true;
  return false;
}

TEST_F(VerbData, StressedIOrUAcrossAnHFollowsTheTable) {
  using Key = std::tuple<std::string, int, int>;  // verb, tense, person of the row
  std::map<Key, std::string> table;
  for (const HiatusRow& row : kHiatusAcrossH) {
    std::vector<std::string> forms;
    std::istringstream list(row.forms);
    for (std::string f; std::getline(list, f, ',');) forms.push_back(Cp(Trim(f)));
    const std::vector<int> persons = RowPersons(row.tense);
    ASSERT_EQ(forms.size(), persons.size()) << row.verb << " " << TenseNameOf(row.tense);
    for (std::size_t i = 0; i < forms.size(); ++i) table[{row.verb, row.tense, persons[i]}] = forms[i];
  }
  std::set<Key> seen;
  for (const TVerb& item : *items_) {
    // Compound tenses repeat the participle, which the Perfect's Yo row shows.
    if (IsCompoundTense(item.Tense) && !(item.Tense == kPerfect && item.Person == kYo)) continue;
    const Key key{item.Infinitive(), item.Tense, RowPerson(item.Tense, item.Person)};
    auto expected = table.find(key);
    if (expected == table.end()) {
      EXPECT_FALSE(HasVowelHThenIOrU(item.Form()))
          << U8(item.Infinitive()) << ", " << TenseNameOf(item.Tense) << ", " << U8(item.PersonName()) << ": "
          << U8(item.Form()) << " has a vowel, h, i/u; add its verb to the table";
      continue;
    }
    seen.insert(key);
    EXPECT_EQ(U8(item.Form()), U8(expected->second))
        << U8(item.Infinitive()) << ", " << TenseNameOf(item.Tense) << ", " << U8(item.PersonName());
  }
  for (const auto& [key, form] : table)
    EXPECT_TRUE(seen.count(key)) << std::get<0>(key) << ": no such item for " << U8(form);
}

// A cell that gives the regular form would wrongly mark the item irregular.
TEST_F(VerbData, NoFileFormRepeatsTheRegularForm) {
  TVerbMaker engine;
  for (const TVerb& item : *items_) {
    bool builtInVos = item.Person == kVos && (item.Tense == kPresent || item.Tense == kImperative);
    if (!item.Irregular || builtInVos) continue;
    int person = item.Person == kVos ? int(kTu) : int(item.Person);
    engine.LastAuxiliary.clear();
    std::string regular = engine.Conjugate(item.Infinitive(), person, item.Tense, true);
    std::string full = Trim(engine.LastAuxiliary + " " + regular);
    EXPECT_NE(item.Form(), full) << U8(item.Infinitive()) << ", " << TenseNameOf(item.Tense) << ", "
                                 << U8(PersonNameOf(item.Person));
  }
}

// An -ir verb that raises its stem vowel in the gerund (pidiendo, durmiendo,
// hirviendo) raises it wherever the ending is stressed and begins with a or a
// diphthong: pidamos, pidáis, pidió, pidieron. The generator itself misses
// some of these (hervamos), so the rule is checked on our own forms. Verbs
// whose subjunctive follows a -go yo (vengamos) are exempt.
TEST_F(VerbData, RaisedIrStemVowelReachesSubjunctiveAndPreterite) {
  for (const LoadedVerb& v : *verbs_) {
    const std::string& inf = v.infinitive();
    if (!inf.ends_with("ir") && !inf.ends_with(Cp("ír"))) continue;
    std::map<std::pair<int, int>, std::string> form;
    for (int i = 0; i < kItemsPerVerb; ++i) form[{v.items[i].Tense, v.items[i].Person}] = v.items[i].Form();
    const std::string& gerund = form[{kGerund, kYo}];
    std::size_t at = 0;
    while (at < inf.size() && at < gerund.size() && inf[at] == gerund[at]) ++at;
    if (at >= gerund.size()) continue;
    const bool raised = (inf[at] == 'e' && gerund[at] == 'i') || (inf[at] == 'o' && gerund[at] == 'u');
    if (!raised) continue;
    const std::string stem = gerund.substr(0, at + 1);
    const std::string& yo = form[{kPresent, kYo}];
    const std::string goStem = yo.ends_with("go") ? yo.substr(0, yo.size() - 1) : "\x01";
    const std::pair<int, int> cells[] = {
        {kSubjPresent, kNosotros}, {kSubjPresent, kVosotros}, {kSimplePast, kEl}, {kSimplePast, kEllos}};
    for (auto [tense, person] : cells) {
      const std::string& f = form[{tense, person}];
      EXPECT_TRUE(f.starts_with(stem) || (tense == kSubjPresent && f.starts_with(goStem)))
          << U8(inf) << ", " << TenseNameOf(tense) << ", " << U8(PersonNameOf(person)) << ": " << U8(f) << " lacks "
          << U8(stem);
    }
  }
}

TEST(VerbSource, ImperativeLinesLeaveYoAndNosotrosEmpty) {
  std::istringstream lines(ReadFile(PARLAVO_VERB_SOURCE));
  std::string line, verb;
  while (std::getline(lines, line)) {
    if (line.starts_with("@")) verb = line;
    if (!line.starts_with("00:")) continue;
    std::vector<std::string> fields;
    std::istringstream row(line.substr(3));
    for (std::string f; std::getline(row, f, ',');) fields.push_back(Trim(f));
    ASSERT_EQ(fields.size() + (line.ends_with(",") ? 1 : 0), 6u) << verb << " " << line;
    EXPECT_TRUE(fields[0].empty() && fields[3].empty()) << verb << " " << line;
  }
}

// ---- The generator as a witness ----

struct Witness {
  std::string ours, generator;  // generator: "#" when it has no form
};

// Person under which a difference is listed: one name per column of a tense line.
std::string ColumnPerson(int tense, int person) {
  if (person == kVos && tense != kPresent && tense != kImperative) person = kTu;
  if (person == kElla || person == kUsted) person = kEl;
  if (person == kEllas || person == kUstedes) person = kEllos;
  return std::string(PersonNameOf(person));
}

// The generator files three verbs under their own kind of verb.
std::string GeneratorKind(const std::string& lemma) {
  if (lemma == "ser") return "<vbser>";
  if (lemma == "haber") return "<vbhaver>";
  if (lemma == "poder") return "<vbmod>";
  return "<vblex>";
}

TEST_F(VerbData, EveryFormAgreesWithTheGeneratorOrIsAnAcceptedDifference) {
  const auto models = ReadModels(ReadFile(PARLAVO_VERB_MODELS));
  const auto accepted = ReadAcceptedDifferences(ReadFile(PARLAVO_ACCEPTED_DIFFERENCES));
  std::set<std::string> listed;
  for (const LoadedVerb& v : *verbs_) listed.insert(v.infinitive());
  for (const auto& [verb, model] : models)
    EXPECT_TRUE(listed.count(verb)) << "model for a verb we do not list: " << U8(verb);
  auto lemmaOf = [&](const std::string& inf) {
    auto m = models.find(inf);
    return m == models.end() ? inf : m->second;
  };

  // Every form of every verb in one run, each distinct query once.
  std::vector<Query> queries;
  std::map<std::pair<std::string, std::string>, std::size_t> index;
  auto ask = [&](const std::string& lemma, const std::string& tags) {
    auto key = std::make_pair(lemma, tags);
    auto [it, fresh] = index.emplace(key, queries.size());
    if (fresh) queries.push_back({lemma, tags});
    return it->second;
  };
  struct Check {
    Difference where;
    std::string infinitive, lemma;
    std::size_t query;
  };
  std::vector<Check> checks;
  for (const LoadedVerb& v : *verbs_) {
    const std::string lemma = lemmaOf(v.infinitive());
    const std::string kind = GeneratorKind(lemma);
    for (int i = 0; i < kItemsPerVerb; ++i) {
      const TVerb& item = v.items[i];
      const int t = item.Tense, p = item.Person;
      if (p == kVos && (t == kPresent || t == kImperative)) continue;  // built by the engine
      const std::string infinitive(item.Infinitive()), form(item.Form());
      const std::string tense(TenseNameOf(t));
      if (t == kGerund) {
        checks.push_back({{infinitive, tense, "-", form, ""}, infinitive, lemma, ask(lemma, kind + "<ger>")});
      } else if (IsCompoundTense(t)) {
        std::size_t space = form.find(' ');
        std::string aux = form.substr(0, space);
        std::string participle = space == std::string::npos ? "" : form.substr(space + 1);
        checks.push_back({{infinitive, tense, ColumnPerson(t, p), aux, ""},
                          "haber",
                          "haber",
                          ask("haber", "<vbhaver>" + TenseTag(t) + PersonTags(t, p))});
        checks.push_back(
            {{infinitive, "Participle", "-", participle, ""}, infinitive, lemma, ask(lemma, kind + "<pp><m><sg>")});
      } else {
        checks.push_back({{infinitive, tense, ColumnPerson(t, p), form, ""},
                          infinitive,
                          lemma,
                          ask(lemma, kind + TenseTag(t) + PersonTags(t, p))});
      }
    }
  }
  const auto answers = GenerateAll(queries);

  std::set<Difference> differences;
  for (const Check& c : checks) {
    std::string witness = "#";
    bool agrees = false;
    if (const auto& answer = answers[c.query]) {
      witness.clear();
      // The generator may offer alternatives separated by "/".
      std::istringstream alternatives(*answer);
      for (std::string alt; std::getline(alternatives, alt, '/');) {
        auto moved = TransferForm(alt, c.lemma, c.infinitive);
        std::string form = moved.value_or("#" + alt);
        agrees = agrees || form == c.where.ours;
        witness += (witness.empty() ? "" : "/") + form;
      }
    }
    if (!agrees) {
      Difference d = c.where;
      d.generator = witness;
      differences.insert(d);
    }
  }

  std::vector<bool> used(accepted.size(), false);
  std::string unexplained;
  for (const Difference& d : differences) {
    bool ok = false;
    for (std::size_t i = 0; i < accepted.size(); ++i) {
      if (accepted[i].Matches(d)) ok = used[i] = true;
    }
    if (!ok) unexplained += "\n  " + ListLine(d);
  }
  EXPECT_TRUE(unexplained.empty()) << "forms that differ from the generator's:" << unexplained;
  for (std::size_t i = 0; i < accepted.size(); ++i) {
    EXPECT_TRUE(used[i]) << "accepted difference no longer occurs: " << ListLine(accepted[i].what)
                         << accepted[i].reason;
  }
}

// ---- The witness helpers themselves ----

TEST(TransferForm, MovesModelFormsOntoTheVerb) {
  struct Case {
    const char *form, *model, *verb, *expected;
  } cases[] = {
      {"vuelo", "volar", "colar", "cuelo"},    // shared ending
      {"hablé", "hablar", "besar", "besé"},    // regular model
      {"piensa", "pensar", "helar", "hiela"},  // stem vowel moved across
      {"pido", "pedir", "rendir", "rindo"},   {"entierro", "enterrar", "desterrar", "destierro"},
      {"oigo", "oír", "desoír", "desoigo"},   {"tener", "tener", "tener", "tener"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TransferForm(Cp(c.form), Cp(c.model), Cp(c.verb)), Cp(c.expected)) << c.form;
  }
  // A form that does not start like its model cannot be moved.
  EXPECT_EQ(TransferForm("yerro", "cerrar", "errar"), std::nullopt);
}

TEST(AcceptedDifferences, MatchExactlyOrByWildcard) {
  auto list = ReadAcceptedDifferences(
      "# comment\n"
      "dar;Present;Vosotros;dais;dáis;monosyllable\n"
      "lucir;*;*;*;#;not known to the generator\n");
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].reason, "monosyllable");
  EXPECT_TRUE(list[0].Matches({"dar", "Present", "Vosotros", "dais", Cp("dáis")}));
  EXPECT_FALSE(list[0].Matches({"dar", "Present", "Vosotros", "dais", "das"}));
  EXPECT_TRUE(list[1].Matches({"lucir", "Present", "Yo", "luzco", "#"}));
  EXPECT_FALSE(list[1].Matches({"lucir", "Present", "Yo", "luzco", "luzo"}));
}

TEST(AcceptedDifferences, RejectMalformedLines) {
  EXPECT_THROW(ReadAcceptedDifferences("dar;Present;Vosotros;dais\n"), std::runtime_error);
  EXPECT_THROW(ReadAcceptedDifferences("dar;Present;Vosotros;dais;dáis;\n"), std::runtime_error);
}

}  // namespace
}  // namespace parlavo::verbdata
