#include "filter.h"

namespace parlavo {

TFilter ResetFilter(bool value) {
  TFilter filter;
  filter.People.fill(value);
  filter.Tenses.fill(value);
  filter.Verbs.fill(value);
  filter.Irreg = value ? kRegularAndIrregular : kIrregularOnly;
  filter.Extra = TExtra{};
  return filter;
}

}  // namespace parlavo
