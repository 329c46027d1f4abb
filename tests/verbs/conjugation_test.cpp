#include <gtest/gtest.h>

#include "verb_fixtures.h"

namespace parlavo {
namespace {

using testing::Find;
using testing::ItemsOf;

TEST(Conjugate, RegularFormsWithStem) {
  struct Case {
    const char* infinitive;
    int tense;
    int person;
    const char* form;
  };
  const Case cases[] = {
      // clang-format off
      {"hablar", kPresent, kYo, "hablo"},
      {"hablar", kPresent, kVos, "habl\xE1s"},
      {"hablar", kPresent, kVosotros, "habl\xE1is"},
      {"hablar", kSimplePast, kYo, "habl\xE9"},
      {"hablar", kSimplePast, kVos, "hablaste"},
      {"hablar", kImperfect, kNosotros, "habl\xE1" "bamos"},
      {"hablar", kFuture, kYo, "hablar\xE9"},
      {"hablar", kConditional, kEllos, "hablar\xED" "an"},
      {"hablar", kSubjPresent, kUsted, "hable"},
      {"hablar", kSubjImperfect, kNosotros, "habl\xE1ramos"},
      {"hablar", kGerund, kYo, "hablando"},
      {"comer", kPresent, kVosotros, "com\xE9is"},
      {"comer", kPresent, kVos, "com\xE9s"},
      {"comer", kSimplePast, kEl, "comi\xF3"},
      {"comer", kImperative, kTu, "come"},
      {"comer", kImperative, kVos, "com\xE9"},
      {"comer", kImperative, kUsted, "coma"},
      {"comer", kImperative, kVosotros, "comed"},
      {"comer", kSubjImperfect, kNosotros, "comi\xE9ramos"},
      {"comer", kImperfect, kYo, "com\xED" "a"},
      {"vivir", kPresent, kNosotros, "vivimos"},
      {"vivir", kPresent, kVosotros, "viv\xEDs"},
      {"vivir", kPresent, kVos, "viv\xEDs"},
      {"vivir", kImperative, kVosotros, "vivid"},
      {"vivir", kFuture, kYo, "vivir\xE9"},
      {"vivir", kGerund, kEllas, "viviendo"},
      {"lavarse", kPresent, kYo, "lavo"},
      {"hablar", kPerfect, kNosotros, "hablado"},   // the auxiliary is never part of it
      {"comer", kImperative, kYo, "comERROR"},
      {"comer", kImperative, kNosotros, "comERROR"},
      {"hablar", kPresent, 12, "hablERROR"},
      {"hablar", 16, kYo, "hablERROR"},
      {"hablar", kFuture, 0, "hablaERROR"},         // the theme vowel stays
      // clang-format on
  };
  for (const Case& c : cases) {
    TVerbMaker maker;
    EXPECT_EQ(maker.Conjugate(c.infinitive, c.person, c.tense, true), c.form)
        << c.infinitive << " tense " << c.tense << " person " << c.person;
  }
}

TEST(Conjugate, BareEndingsAndAuxiliary) {
  TVerbMaker maker;
  EXPECT_EQ(maker.Conjugate("comer", kEl, kSimplePast, false), "i\xF3");
  EXPECT_EQ(maker.Conjugate("hablar", kNosotros, kFuture, false), "aremos");
  EXPECT_EQ(maker.LastAuxiliary, "");
  EXPECT_EQ(maker.Conjugate("comer", kEllos, kFuturePerfect, false), "ido");
  EXPECT_EQ(maker.LastAuxiliary, "habr\xE1n");
  EXPECT_EQ(maker.AuxiliaryOf(kSubjPluperfect, kVos), "hubieras");
  EXPECT_EQ(maker.LastAuxiliary, "hubieras");
  EXPECT_EQ(maker.AuxiliaryOf(kPresent, kYo), "");
  EXPECT_EQ(maker.LastAuxiliary, "");
  // clang-format off
  EXPECT_EQ(maker.AuxiliaryOf(kPluperfect, kVosotros), "hab\xED" "ais");
  // clang-format on
}

TEST(BuildVerbItems, OneVerbGives153ItemsInTenseThenPersonOrder) {
  const VerbList items = ItemsOf({"@hablar;to speak"});
  ASSERT_EQ(items.size(), 153u);
  std::size_t k = 0;
  for (int t = 1; t <= 15; ++t)
    for (int p = 1; p <= 11; ++p) {
      if (!ItemExists(t, p)) continue;
      EXPECT_EQ(items[k].Tense, t);
      EXPECT_EQ(items[k].Person, p);
      EXPECT_EQ(items[k].Infinitive(), "hablar");
      EXPECT_EQ(items[k].Translation(), "to speak");
      EXPECT_FALSE(items[k].Irregular);
      ++k;
    }
  int imperative = 0;
  for (const TVerb& v : items) imperative += v.Tense == kImperative;
  EXPECT_EQ(imperative, 9);
  EXPECT_EQ(Find(items, kImperative, kYo), nullptr);
  EXPECT_EQ(Find(items, kImperative, kNosotros), nullptr);
  EXPECT_EQ(items.back().Tense, kGerund);
  EXPECT_EQ(items.back().Person, kYo);
}

struct ItemCase {
  std::vector<std::string> block;
  int tense;
  int person;
  const char* form;
  bool irregular;
};

TEST(BuildVerbItems, MergesFileFormsAndSpecialCases) {
  const ItemCase cases[] = {
      // clang-format off
      {{"@hablar;to speak"}, kPerfect, kNosotros, "hemos hablado", false},
      {{"@comer;to eat"}, kFuturePerfect, kEllos, "habr\xE1n comido", false},
      {{"@hablar;to speak"}, kSubjPluperfect, kVos, "hubieras hablado", false},
      {{"@hablar;to speak"}, kPresent, kVos, "habl\xE1s", false},    // long vos form keeps its accent
      {{"@dar;to give"}, kPresent, kVos, "das", false},
      {{"@ver;to see"}, kPresent, kVos, "ves", false},
      {{"@ver;to see"}, kImperative, kVos, "ve", false},
      {{"@haber;to have", "01:he,has,ha,hemos,han,hab\xE9is"}, kPresent, kVos, "has", true},
      {{"@haber;to have"}, kPresent, kVos, "has", true},
      {{"@ser;to be", "00:x,s\xE9,sea,y,sean,sed"}, kImperative, kVos, "s\xE9", true},
      {{"@hacer;to do", "-2:hecho"}, kPerfect, kYo, "he hecho", true},
      {{"@hacer;to do", "-2:hecho"}, kCondPerfect, kTu, "habr\xED" "as hecho", true},
      {{"@hacer;to do", "-2:hecho"}, kFuturePerfect, kVosotros, "habr\xE9is hecho", true},
      {{"@ir;to go", "-1:yendo"}, kGerund, kYo, "yendo", true},
      {{"@ser;to be", "01:soy,eres,es,somos,son,sois"}, kPresent, kYo, "soy", true},
      {{"@ser;to be", "01:soy,eres,es,somos,son,sois"}, kPresent, kTu, "eres", true},
      {{"@ser;to be", "01:soy,eres,es,somos,son,sois"}, kPresent, kElla, "es", true},
      {{"@ser;to be", "01:soy,eres,es,somos,son,sois"}, kPresent, kNosotros, "somos", true},
      {{"@ser;to be", "01:soy,eres,es,somos,son,sois"}, kPresent, kUstedes, "son", true},
      {{"@ser;to be", "01:soy,eres,es,somos,son,sois"}, kPresent, kVosotros, "sois", true},
      {{"@ser;to be", "01:soy,eres,es,somos,son,sois"}, kPresent, kVos, "sos", true},
      {{"@ir;to go", "01:voy,vas,va,vamos,van,vais"}, kPresent, kVos, "vas", true},
      {{"@ir;to go"}, kPresent, kVos, "vas", true},
      {{"@ir;to go"}, kImperative, kVos, "and\xE1", true},
      {{"@ir;to go", "00:x,ve,vaya,y,vayan,id"}, kImperative, kVos, "and\xE1", true},
      {{"@ir;to go"}, kPresent, kYo, "o", false},                   // fully regular otherwise
      {{"@ir;to go"}, kImperative, kTu, "e", false},
      // vos takes the TÃº cell outside Present and Imperative
      {{"@ser;to be", "03:fui,fuiste,fue,fuimos,fueron,fuisteis"}, kSimplePast, kVos, "fuiste", true},
      {{"@ser;to be", "03:fui,fuiste,fue,fuimos,fueron,fuisteis"}, kSimplePast, kEllas, "fueron", true},
      {{"@ser;to be", "02:era,eras,era,\xE9ramos,eran,erais"}, kImperfect, kVos, "eras", true},
      // vos of Present and Imperative is never taken from the file
      {{"@dar;to give", "01:doy,das,da,damos,dan,dais"}, kPresent, kVos, "das", false},
      {{"@tener;to have", "00:x,ten,tenga,y,tengan,tened"}, kImperative, kVos, "ten\xE9", false},
      {{"@tener;to have", "00:x,ten,tenga,y,tengan,tened"}, kImperative, kTu, "ten", true},
      {{"@poner;to put", "04:pondr\xE9"}, kFuture, kVosotros, "pondr\xE9", true},
      {{"@poner;to put", "05:pondr\xED" "a"}, kConditional, kEl, "pondr\xED" "a", true},
      {{"@estar;to be", "06:est\xE9,est\xE9s,est\xE9"}, kSubjPresent, kNosotros, "est\xE9", true},
      {{"@andar;to walk", "07:anduviera"}, kSubjImperfect, kTu, "anduviera", true},
      // the file giving the regular form still marks the item irregular
      {{"@hablar;to speak", "01:hablo"}, kPresent, kYo, "hablo", true},
      {{"@lavarse;to wash oneself"}, kPresent, kYo, "lavo", false},
      // clang-format on
  };
  for (const ItemCase& c : cases) {
    const VerbList items = ItemsOf(c.block);
    const TVerb* item = Find(items, c.tense, c.person);
    ASSERT_NE(item, nullptr) << c.block[0];
    EXPECT_EQ(item->Form(), c.form) << c.block.back() << " tense " << c.tense << " person " << c.person;
    EXPECT_EQ(item->Irregular, c.irregular) << c.block.back() << " tense " << c.tense << " person " << c.person;
  }
}

TEST(BuildVerbItems, VosFormsLoseTheAccentOnlyWhenOneSyllable) {
  struct Case {
    const char* infinitive;
    const char* present;
    const char* imperative;
  };
  const Case cases[] = {
      {"dar", "das", "da"},
      {"ver", "ves", "ve"},
      {"criar", "crias", "cria"},
      {"guiar", "guias", "guia"},
      {"fiar", "fias", "fia"},
      {"liar", "lias", "lia"},
      {"fluir", "fluis", "flui"},
      {"huir", "huis", "hui"},
      {"hablar", "habl\xE1s", "habl\xE1"},
      {"amar", "am\xE1s", "am\xE1"},
      {"usar", "us\xE1s", "us\xE1"},
      {"atar", "at\xE1s", "at\xE1"},
      {"leer", "le\xE9s", "le\xE9"},
      {"caer", "ca\xE9s", "ca\xE9"},
      {"oler", "ol\xE9s", "ol\xE9"},
      {"o\xEDr", "o\xEDs", "o\xED"},
      {"re\xEDr", "re\xEDs", "re\xED"},
      {"fre\xEDr", "fre\xEDs", "fre\xED"},
      {"unir", "un\xEDs", "un\xED"},
      {"comer", "com\xE9s", "com\xE9"},
      {"vivir", "viv\xEDs", "viv\xED"},
      {"tener", "ten\xE9s", "ten\xE9"},
      {"decir", "dec\xEDs", "dec\xED"},
      {"poner", "pon\xE9s", "pon\xE9"},
      {"darse", "das", "da"},
  };
  for (const Case& c : cases) {
    const std::string header = std::string("@") + c.infinitive + ";to test";
    const VerbList items = ItemsOf({header});
    for (const auto& [tense, form] : {std::pair{kPresent, c.present}, std::pair{kImperative, c.imperative}}) {
      const TVerb* item = Find(items, tense, kVos);
      ASSERT_NE(item, nullptr) << c.infinitive;
      EXPECT_EQ(item->Form(), form) << c.infinitive << " tense " << tense;
      EXPECT_FALSE(item->Irregular) << c.infinitive << " tense " << tense;
    }
    // Tú keeps its own ending: the rule touches vos only.
    EXPECT_EQ(Find(items, kSimplePast, kVos)->Form(), Find(items, kSimplePast, kTu)->Form()) << c.infinitive;
  }
}

TEST(BuildVerbItems, ParticipleLineMakesEveryCompoundItemIrregular) {
  const VerbList items = ItemsOf({"@hacer;to do", "-2:hecho"});
  int compound = 0;
  for (const TVerb& v : items) {
    if (!IsCompoundTense(v.Tense)) {
      EXPECT_FALSE(v.Irregular);
      continue;
    }
    ++compound;
    EXPECT_TRUE(v.Irregular);
    EXPECT_EQ(v.Form().substr(v.Form().size() - 6), " hecho") << v.Form();
  }
  EXPECT_EQ(compound, 66);
}

// A compound item keeps only its participle and takes the auxiliary from its tense
// and person: the whole form must read as the auxiliary, a blank and the participle,
// trimmed as one text.
TEST(BuildVerbItems, CompoundFormsAreTheAuxiliaryAndTheParticiple) {
  struct Case {
    std::vector<std::string> block;
    int tense, person;
    const char* form;
  };
  const Case cases[] = {
      {{"@hacer;to do", "-2:hecho"}, kPerfect, kYo, "he hecho"},
      {{"@hacer;to do", "-2:hecho"},
       kPluperfect,
       kVos,
       "hab\xED"
       "as hecho"},
      {{"@hacer;to do", "-2:hecho"}, kFuturePerfect, kUstedes, "habr\xE1n hecho"},
      {{"@hacer;to do", "-2:he cho"}, kSubjPluperfect, kNosotros, "hubi\xE9ramos he cho"},
      {{"@hacer;to do", "-2:"},
       kCondPerfect,
       kEl,
       "habr\xED"
       "a hacido"},  // an empty line gives no form
      {{"@hablar;to speak"}, kPerfect, kVos, "has hablado"},
      {{"@vivir;to live"}, kSubjPerfect, kEllas, "hayan vivido"},
      {{"@hablar;to speak", "-2:hablado"}, kPresent, kEl, "habla"},
  };
  for (const Case& c : cases) {
    const VerbList items = ItemsOf(c.block);
    const TVerb* item = Find(items, c.tense, c.person);
    ASSERT_NE(item, nullptr) << c.block.back();
    EXPECT_EQ(item->Form(), c.form) << c.block.back() << " tense " << c.tense << " person " << c.person;
    EXPECT_EQ(item->ResultLine(3).substr(0, item->Form().size() + 1), std::string(c.form) + ",") << c.block.back();
  }
}

// Verbs one after another keep their own participles; an empty one leaves the
// auxiliary alone, as the whole form trimmed would.
TEST(BuildVerbItems, EachVerbKeepsItsOwnParticiple) {
  VerbList items;
  TVerbMaker maker;
  FormTable irregular = EmptyFormTable(), empty = EmptyFormTable();
  irregular[TVerbMaker::FileTenseCode(kPerfect) + 2].fill("puesto");
  empty[TVerbMaker::FileTenseCode(kPerfect) + 2].fill("");
  maker.BuildVerbItems("poner", "to put", irregular, items);
  maker.BuildVerbItems("comer", "to eat", EmptyFormTable(), items);
  maker.BuildVerbItems("callar", "to be quiet", empty, items);
  maker.BuildVerbItems("reponer", "to replace", irregular, items);
  std::vector<std::string> perfect;
  for (const TVerb& item : items)
    if (item.Tense == kPerfect && item.Person == kEllos) perfect.push_back(item.Form());
  EXPECT_EQ(perfect, (std::vector<std::string>{"han puesto", "han comido", "han", "han puesto"}));
}

TEST(BuildVerbItems, ItemsKeepTheHeaderInfinitive) {
  const VerbList items = ItemsOf({"@ir;to go"});
  const TVerb* vos = Find(items, kImperative, kVos);
  ASSERT_NE(vos, nullptr);
  EXPECT_EQ(vos->Infinitive(), "ir");
  EXPECT_EQ(vos->VerbClass, 2);
}

}  // namespace
}  // namespace parlavo
