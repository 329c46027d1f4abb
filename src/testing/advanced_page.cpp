#include "advanced_page.h"

#include <vector>

#include "presets.h"

namespace parlavo {
namespace {

// A radio choice's place after the first radio slot (All is the first).
constexpr int RadioOffset(RadioChoice c) { return static_cast<int>(c) - static_cast<int>(RadioChoice::All); }

struct CommonTenseGroup {
  std::vector<int> tenses;
  int marker;
};

const std::array<CommonTenseGroup, 7>& CommonTenseGroups() {
  static const std::array<CommonTenseGroup, 7> groups = {{
      {{kPresent}, 17},
      {{kSimplePast, kImperfect}, 18},
      {{kSimplePast, kImperfect, kPerfect, kPluperfect}, 19},
      {{kFuture, kConditional}, 20},
      {{kImperative}, 21},
      {{kPresent, kSimplePast, kImperfect, kPerfect, kPluperfect, kFuture, kConditional, kImperative, kCondPerfect,
        kFuturePerfect},
       22},
      {{kImperative, kSubjPresent, kSubjImperfect, kSubjPerfect, kSubjPluperfect}, 23},
  }};
  return groups;
}

// People slots of each cbSpecificPeople item.
const std::array<std::vector<int>, 7> kSpecificPeopleSlots = {{{0}, {1}, {2}, {3, 4, 5}, {6}, {7}, {8, 9, 10}}};

// cbCommonPeople items in terms of the country option they mirror.
constexpr std::array<int, 3> kCommonPeopleCountry = {kLatinAmerica, kArgentina, kSpain};

template <std::size_t N>
int FirstTicked(const std::array<bool, N>& ticks) {
  for (std::size_t i = 0; i < N; ++i)
    if (ticks[i]) return static_cast<int>(i);
  return -1;
}

void SetSpecificTenses(const AdvancedPage& page, TFilter& f) {
  for (std::size_t i = 0; i < page.cbSpecificTense.size(); ++i)
    if (page.cbSpecificTense[i]) f.Tenses[kDisplayTenseSlots[i]] = true;
}

void SetSpecificPeople(const AdvancedPage& page, TFilter& f) {
  for (std::size_t i = 0; i < page.cbSpecificPeople.size(); ++i)
    if (page.cbSpecificPeople[i])
      for (int slot : kSpecificPeopleSlots[i]) f.People[slot] = true;
}

void SetVerbTypes(const AdvancedPage& page, TFilter& f) {
  f.Irreg = IrregFromTicks(page.cbVerbType[kRegularVerbs], page.cbVerbType[kIrregularVerbs]);
  f.Verbs = {page.cbVerbType[kArVerbs], page.cbVerbType[kErVerbs], page.cbVerbType[kIrVerbs]};
}

}  // namespace

std::uint8_t IrregFromTicks(bool regular, bool irregular) {
  if (regular && irregular) return kRegularAndIrregular;
  return regular ? kRegularOnly : kIrregularOnly;
}

TFilter BuildFilterFromControls(const AdvancedPage& page) {
  TFilter f = ResetFilter(false);

  switch (page.tenses) {
    case RadioChoice::All: f.Tenses.fill(true); break;
    case RadioChoice::Common:
      if (int g = FirstTicked(page.cbCommonTense); g >= 0) {
        const CommonTenseGroup& group = CommonTenseGroups()[g];
        for (int tense : group.tenses) f.Tenses[TenseSlot(tense)] = true;
        f.Tenses[group.marker] = true;
      }
      break;
    case RadioChoice::Specific: SetSpecificTenses(page, f); break;
    case RadioChoice::None: break;
  }

  switch (page.people) {
    case RadioChoice::All: f.People.fill(true); break;
    case RadioChoice::Common: {
      int item = FirstTicked(page.cbCommonPeople);
      CountryPeople(item >= 0 ? kCommonPeopleCountry[item] : kAllCountries, f);
      break;
    }
    case RadioChoice::Specific:
      f.People[kSpecificPeopleRadioSlot] = true;
      SetSpecificPeople(page, f);
      break;
    case RadioChoice::None: break;
  }

  SetVerbTypes(page, f);
  f.Extra.Verb = page.edSpecVerb;
  return f;
}

TFilter FilterFromControls(const AdvancedPage& page) {
  TFilter f = ResetFilter(false);
  if (page.tenses != RadioChoice::None) f.Tenses[kFirstTenseRadioSlot + RadioOffset(page.tenses)] = true;
  if (page.people != RadioChoice::None) f.People[kFirstPeopleRadioSlot + RadioOffset(page.people)] = true;
  for (std::size_t i = 0; i < page.cbCommonTense.size(); ++i)
    if (page.cbCommonTense[i]) f.Tenses[kFirstCommonTenseSlot + i] = true;
  for (std::size_t i = 0; i < page.cbCommonPeople.size(); ++i)
    if (page.cbCommonPeople[i]) f.People[kFirstCommonPeopleSlot + i] = true;
  SetSpecificTenses(page, f);
  SetSpecificPeople(page, f);
  SetVerbTypes(page, f);
  f.Extra.Verb = page.edSpecVerb;
  return f;
}

AdvancedPage FilterToControls(const TFilter& f) {
  AdvancedPage page;
  // Radio buttons are set one after another, so of several true slots the last wins.
  for (RadioChoice c : {RadioChoice::All, RadioChoice::Common, RadioChoice::Specific}) {
    if (f.Tenses[kFirstTenseRadioSlot + RadioOffset(c)]) page.tenses = c;
    if (f.People[kFirstPeopleRadioSlot + RadioOffset(c)]) page.people = c;
  }
  for (std::size_t i = 0; i < page.cbCommonTense.size(); ++i)
    page.cbCommonTense[i] = f.Tenses[kFirstCommonTenseSlot + i];
  for (std::size_t i = 0; i < page.cbSpecificTense.size(); ++i)
    page.cbSpecificTense[i] = f.Tenses[kDisplayTenseSlots[i]];
  for (std::size_t i = 0; i < page.cbCommonPeople.size(); ++i)
    page.cbCommonPeople[i] = f.People[kFirstCommonPeopleSlot + i];
  for (std::size_t i = 0; i < page.cbSpecificPeople.size(); ++i)
    for (int slot : kSpecificPeopleSlots[i]) page.cbSpecificPeople[i] |= f.People[slot];
  page.cbVerbType[kRegularVerbs] = f.Irreg == kRegularOnly || f.Irreg == kRegularAndIrregular;
  page.cbVerbType[kIrregularVerbs] = f.Irreg == kIrregularOnly || f.Irreg == kRegularAndIrregular;
  page.cbVerbType[kArVerbs] = f.Verbs[0];
  page.cbVerbType[kErVerbs] = f.Verbs[1];
  page.cbVerbType[kIrVerbs] = f.Verbs[2];
  page.edSpecVerb = f.Extra.Verb;
  return page;
}

AdvancedPage ClearedAdvancedPage() {
  AdvancedPage page;
  page.tenses = RadioChoice::All;
  page.people = RadioChoice::All;
  page.cbVerbType.fill(true);
  return page;
}

}  // namespace parlavo
