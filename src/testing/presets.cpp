#include "presets.h"

#include <cstdint>
#include <vector>

namespace parlavo {
namespace {

// Verb endings of a preset.
enum Endings : std::uint8_t { kAr, kEr, kIr, kErIr, kAll };

struct Preset {
  std::vector<int> tenses;
  Endings endings;
  std::uint8_t irreg;
};

const std::vector<Preset>& Presets() {
  static const std::vector<Preset> presets = [] {
    const std::vector<int> past = {kSimplePast, kImperfect, kPerfect, kPluperfect};
    const std::vector<int> subjunctive = {kSubjPresent, kSubjImperfect, kSubjPerfect, kSubjPluperfect};
    const std::vector<int> compound = {kPerfect,        kPluperfect,  kSubjPerfect,
                                       kSubjPluperfect, kCondPerfect, kFuturePerfect};
    std::vector<Preset> p;
    // 0..8: Present by ending, regular then irregular, then all verbs.
    for (std::uint8_t irreg : {0, 1})
      for (Endings e : {kAr, kEr, kIr, kAll}) p.push_back({{kPresent}, e, irreg});
    p.push_back({{kPresent}, kAll, 2});
    // 9..15: Simple past.
    for (std::uint8_t irreg : {0, 1})
      for (Endings e : {kAr, kErIr, kAll}) p.push_back({{kSimplePast}, e, irreg});
    p.push_back({{kSimplePast}, kAll, 2});
    // 16..42: one tense group each, regular, irregular, all verbs.
    // clang-format off
    for (const std::vector<int>& tenses :
         std::vector<std::vector<int>>{{kImperfect}, {kPerfect}, {kPluperfect}, past,
                                       {kFuture}, {kFuturePerfect}, {kConditional},
                                       {kCondPerfect}, {kImperative}})
      for (std::uint8_t irreg : {0, 1, 2}) p.push_back({tenses, kAll, irreg});
    // clang-format on
    // 43..46: each subjunctive tense, all verbs.
    for (int tense : subjunctive) p.push_back({{tense}, kAll, 2});
    // 47..52: all subjunctive tenses, then all compound tenses.
    for (const std::vector<int>& tenses : {subjunctive, compound})
      for (std::uint8_t irreg : {0, 1, 2}) p.push_back({tenses, kAll, irreg});
    return p;
  }();
  return presets;
}

}  // namespace

void CountryPeople(int country, TFilter& filter) {
  filter.People.fill(true);
  switch (country) {
    case kSpain: filter.People[kVos - 1] = false; break;
    case kLatinAmerica:
      filter.People[kVos - 1] = false;
      filter.People[kVosotros - 1] = false;
      break;
    case kArgentina:
      filter.People[kTu - 1] = false;
      filter.People[kVosotros - 1] = false;
      break;
    default: break;
  }
}

bool SetPresetCriteria(int n, TFilter& filter) {
  if (n < 0 || n >= static_cast<int>(Presets().size())) return false;
  const Preset& preset = Presets()[n];
  for (int tense : preset.tenses) filter.Tenses[TenseSlot(tense)] = true;
  switch (preset.endings) {
    case kAr: filter.Verbs = {true, false, false}; break;
    case kEr: filter.Verbs = {false, true, false}; break;
    case kIr: filter.Verbs = {false, false, true}; break;
    case kErIr: filter.Verbs = {false, true, true}; break;
    case kAll: filter.Verbs = {true, true, true}; break;
  }
  filter.Irreg = preset.irreg;
  return true;
}

TFilter ApplyPreset(int position, int firstPresetIndex, const std::string& boxText, const AdvancedPage& page,
                    int country, const SavedFilterReader& readFilter) {
  if (position == 0) return BuildFilterFromControls(page);
  if (position < firstPresetIndex) {
    // A saved filter is the Advanced page it was saved from, and gives the test that
    // page gives with "Update Verbs": "All" choices and common groups are expanded.
    return BuildFilterFromControls(FilterToControls(readFilter ? readFilter(boxText) : ResetFilter(false)));
  }
  TFilter filter = ResetFilter(false);
  CountryPeople(country, filter);
  SetPresetCriteria(position - firstPresetIndex, filter);
  return filter;
}

int TenseSlotOfPosition(int position) {
  if (position < 0 || position >= static_cast<int>(kDisplayTenseSlots.size())) return 0;
  return kDisplayTenseSlots[position];
}

TFilter StartSingleVerbTest(const std::string& caption, int tensesPosition, int country) {
  TFilter filter = ResetFilter(false);
  filter.Tenses[TenseSlotOfPosition(tensesPosition)] = true;
  CountryPeople(country, filter);
  filter.Verbs = {true, true, true};
  filter.Irreg = kRegularAndIrregular;
  filter.Extra.Verb = caption;
  return filter;
}

}  // namespace parlavo
