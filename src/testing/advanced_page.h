// The Advanced page as plain data, and its two readings as a TFilter: as the
// criteria of a test (expanded) and as its saved form (every control as it is).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "filter.h"

namespace parlavo {

// Which radio button of a group (tenses or persons) is selected.
enum class RadioChoice : std::uint8_t { None, All, Common, Specific };

// Item captions, in list order, Windows-1252.
// clang-format off
inline constexpr std::array<std::string_view, 7> kCommonTenseCaptions = {
    "Present ", "Past (Simple/Imperfecto)", "Past (All)", "Future/Conditional",
    "Imperative", "All Indicative", "All Subjunctive"};
inline constexpr std::array<std::string_view, 15> kSpecificTenseCaptions = {
    "Present", "Simple Past", "Imperfect", "Perfect", "Pluperfect", "Future",
    "Future - Perfect", "Conditional", "Conditional - Perfect", "Imperative",
    "Subjunctive - Present", "Subjunctive - Imperfect", "Subjunctive - Perfect",
    "Subjunctive - Pluperfect", "Gerund"};
inline constexpr std::array<std::string_view, 3> kCommonPeopleCaptions = {
    "Latin Amer. (t\xFA, no vosotros)", "Argent. (vos, no vosotros)", "Spain (t\xFA, vosotros)"};
inline constexpr std::array<std::string_view, 7> kSpecificPeopleCaptions = {
    "Yo", "T\xFA", "Vos", "\xC9l, Ella, Usted", "Nosotros", "Vosotros", "Ustedes, Ellos, Ellas"};
inline constexpr std::array<std::string_view, 5> kVerbTypeCaptions = {
    "Regular Verbs", "Irregular Verbs", "AR Verbs", "ER Verbs", "IR Verbs"};
// clang-format on

// The tense lists (cbSpecificTense, cbTenses) show tenses in display order, which is
// not code order: item i stands for Tenses slot kDisplayTenseSlots[i].
inline constexpr std::array<int, 15> kDisplayTenseSlots = {
    TenseSlot(kPresent),       TenseSlot(kSimplePast),     TenseSlot(kImperfect),
    TenseSlot(kPerfect),       TenseSlot(kPluperfect),     TenseSlot(kFuture),
    TenseSlot(kFuturePerfect), TenseSlot(kConditional),    TenseSlot(kCondPerfect),
    TenseSlot(kImperative),    TenseSlot(kSubjPresent),    TenseSlot(kSubjImperfect),
    TenseSlot(kSubjPerfect),   TenseSlot(kSubjPluperfect), kGerundSlot};

// Indices into AdvancedPage::cbVerbType.
enum VerbTypeItem : int { kRegularVerbs, kIrregularVerbs, kArVerbs, kErVerbs, kIrVerbs };

// Everything the Advanced page holds. The window copies its controls into one of
// these (and back); nothing here knows about widgets.
struct AdvancedPage {
  RadioChoice tenses = RadioChoice::None;  // rbAllTenses / rbCommonTenses / rbSpecificTenses
  RadioChoice people = RadioChoice::None;  // rbAllPeople / rbCommonPeople / rbSpecificPeople
  std::array<bool, 7> cbCommonTense{};
  std::array<bool, 15> cbSpecificTense{};
  std::array<bool, 3> cbCommonPeople{};
  std::array<bool, 7> cbSpecificPeople{};
  std::array<bool, 5> cbVerbType{};
  std::string edSpecVerb;  // Windows-1252, exactly as typed

  bool operator==(const AdvancedPage&) const = default;
};

// The page as the criteria of a test ("Update Verbs", "Current Filter"): "All"
// choices and common groups are expanded to tense and person slots; of the common
// groups only the first ticked item counts.
TFilter BuildFilterFromControls(const AdvancedPage& page);

// The page as saved under a name: radio buttons and every tick go to their own
// slots, nothing is expanded.
TFilter FilterFromControls(const AdvancedPage& page);

// A saved filter shown on the page. A radio button whose slot is false is cleared;
// a filter with Irreg 1 (also the saved form of "neither verb kind") ticks
// "Irregular Verbs".
AdvancedPage FilterToControls(const TFilter& filter);

// "Clear Settings": nothing ticked but all five verb types, "All" for both groups.
AdvancedPage ClearedAdvancedPage();

// Irreg for the two verb-kind ticks: both 2, only regular 0, anything else 1.
std::uint8_t IrregFromTicks(bool regular, bool irregular);

}  // namespace parlavo
