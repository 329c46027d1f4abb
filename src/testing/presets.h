// Ready-made tests: the 53 presets of the test list, the single-verb buttons, and
// the persons that the country option allows.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "advanced_page.h"
#include "filter.h"

namespace parlavo {

inline constexpr int kPresetCount = 53;

// Values of the "country" option (TOptions::country); any other value means all.
enum Country : int { kSpain = 0, kLatinAmerica = 1, kArgentina = 2, kAllCountries = 3 };

// Sets all 17 People flags, then clears the persons the country does not use:
// Spain Vos; Latin America Vos and Vosotros; Argentina Tú and Vosotros.
void CountryPeople(int country, TFilter& filter);

// Sets the tenses, Verbs and Irreg of preset n (0..52) and returns true; for any
// other n changes nothing and returns false.
bool SetPresetCriteria(int n, TFilter& filter);

// Reads a saved filter by name straight from the settings store (TIniManage::ReadFilter).
using SavedFilterReader = std::function<TFilter(const std::string& name)>;

// The criteria for entry `position` of cbSimple (-1: the box holds typed text):
//   0                         the Advanced page as criteria;
//   below firstPresetIndex    the saved filter named `boxText`, as "Update Verbs"
//                             would use it once shown on the Advanced page;
//   otherwise                 preset position - firstPresetIndex with the country's
//                             persons (a preset beyond the last selects nothing).
// The caller runs SelectTest on the result.
TFilter ApplyPreset(int position, int firstPresetIndex, const std::string& boxText, const AdvancedPage& page,
                    int country, const SavedFilterReader& readFilter);

// Tenses slot of a cbTenses position; anything but 0..14 (typed text) is Present.
int TenseSlotOfPosition(int position);

// The criteria of a single-verb button: its caption as the verb, the tense chosen in
// cbTenses, the country's persons, every kind of verb.
TFilter StartSingleVerbTest(const std::string& caption, int tensesPosition, int country);

// Captions of the single-verb buttons on the "Regular" and "Irregular" pages.
inline constexpr std::array<std::string_view, 18> kRegularVerbButtons = {
    "Abrir", "Bailar", "Beber", "Cantar",  "Cenar", "Comer",    "Correr", "Dejar",  "Esperar",
    "Ganar", "Llamar", "Mirar", "Olvidar", "Tomar", "Trabajar", "Vender", "Viajar", "Vivir"};
inline constexpr std::array<std::string_view, 18> kIrregularVerbButtons = {
    "Dar",    "Decir",  "Estar", "Haber", "Hacer", "Ir",    "Mentir", "Pedir", "Pensar",
    "Perder", "Querer", "Saber", "Ser",   "Tener", "Traer", "Venir",  "Ver",   "Volver"};

}  // namespace parlavo
