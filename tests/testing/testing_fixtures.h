// Small verb item lists for the tests of test selection and the question loop.
#pragma once

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "selection.h"
#include "verb_list.h"
#include "verb_maker.h"

namespace parlavo::testing {

inline void AddItem(VerbList& list, std::string_view infinitive, std::string_view form, bool irregular, int person,
                    int tense, std::string_view translation = "to test") {
  list.Add(infinitive, form, irregular, person, tense, translation);
}

// Five verbs, 153 items each: hablar (-ar), comer (-er), vivir and abrir (-ir) are
// generated; tener (-er) carries irregular present forms.
inline VerbList SmallVerbList() {
  VerbList list;
  TVerbMaker maker;
  const auto regular = EmptyFormTable();
  maker.BuildVerbItems("hablar", "to speak", regular, list);
  maker.BuildVerbItems("comer", "to eat", regular, list);
  auto tener = EmptyFormTable();
  // Row of a tense is its file tense code + 2; columns Yo, Tú, Él, Nosotros, Ellos, Vosotros.
  tener[TVerbMaker::FileTenseCode(kPresent) + 2] = {"tengo", "tienes", "tiene", "tenemos", "tienen", "ten\xE9is"};
  maker.BuildVerbItems("tener", "to have", tener, list);
  maker.BuildVerbItems("vivir", "to live", regular, list);
  maker.BuildVerbItems("abrir", "to open", regular, list);
  return list;
}

inline const TVerb* FindItem(const VerbList& list, const std::string& infinitive, int tense, int person) {
  for (const TVerb& item : list)
    if (item.Infinitive() == infinitive && item.Tense == tense && item.Person == person) return &item;
  return nullptr;
}

// Selection without a results file.
inline TestList Select(const TFilter& criteria, const VerbList& verbs) {
  return SelectTest(criteria, verbs, nullptr, false);
}

// The distinct values of one field over a test list.
template <typename Field>
std::set<int> Distinct(const TestList& test, Field field) {
  std::set<int> values;
  for (const TVerb* item : test) values.insert(static_cast<int>(field(*item)));
  return values;
}

inline std::set<int> TensesOf(const TestList& test) {
  return Distinct(test, [](const TVerb& v) { return v.Tense; });
}
inline std::set<int> PeopleOf(const TestList& test) {
  return Distinct(test, [](const TVerb& v) { return v.Person; });
}

inline std::set<std::string> InfinitivesOf(const TestList& test) {
  std::set<std::string> values;
  for (const TVerb* item : test) values.emplace(item->Infinitive());
  return values;
}

}  // namespace parlavo::testing
