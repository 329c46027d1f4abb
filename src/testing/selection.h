// Turning criteria into a test: which items pass, and which of them (in what order)
// become the rows of lbVerbs.
#pragma once

#include <cstddef>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "file_man.h"
#include "filter.h"
#include "verb_list.h"

namespace parlavo {

// References into the verb item list, which owns the items and never moves them.
using TestList = std::vector<const TVerb*>;

// Called once per item visited (done counts from 1 to total), so the window can step
// a progress bar and pump its events. The window throttles itself; with an empty
// function nothing is called.
using SelectionProgress = std::function<void(std::size_t done, std::size_t total)>;

// Every item of `verbs`, in file order, that passes the criteria, except the unused
// items (unused_items.h), which no test asks. `results` (may be
// null) has its tested index rebuilt on every call; with `untestedOnly` an item whose
// Form was answered before (ignoring case, any verb, person or tense) is left out.
TestList SelectTest(const TFilter& criteria, const VerbList& verbs, TFileMan* results, bool untestedOnly,
                    const SelectionProgress& progress = {});

// A generator seeded from the clock, as each new fill of the list asks for.
std::mt19937 ClockSeededGenerator();

// The rows of lbVerbs: min(test size, limit) items (none for a limit of 0 or less,
// such as the -29999 of an unreadable reVIT field), either the first ones in file
// order or, with `shuffle`, a uniform draw without replacement in draw order.
// `progress` is called once per row.
TestList FillQuestionList(const TestList& testList, int limit, bool shuffle, std::mt19937& random,
                          const SelectionProgress& progress = {});
// The same with a fresh clock-seeded generator.
TestList FillQuestionList(const TestList& testList, int limit, bool shuffle, const SelectionProgress& progress = {});

// Text of one row of lbVerbs, "tener : Present , Yo" (Windows-1252).
std::string RowText(const TVerb& item);

// lbVerbTitle for a list of `rows` rows out of `matched` items that passed the
// filter: "40 conjugations in the test", or with none passing "0 conjugations in the
// test - nothing matches this filter".
std::string VerbTitle(std::size_t rows, std::size_t matched);

}  // namespace parlavo
