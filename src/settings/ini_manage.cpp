#include "ini_manage.h"

#include <algorithm>
#include <variant>

#include "installed_settings.h"
#include "number_text.h"
#include "text.h"

namespace parlavo {

namespace {

constexpr std::string_view kOptions = "Options";
constexpr std::string_view kFilter = "Filter";
constexpr std::string_view kDefault = "Default";
constexpr std::string_view kList = "List";

std::string Key(std::string_view name, std::string_view part) {
  std::string key(name);
  key += part;
  return key;
}

std::string BoolText(bool value) { return value ? "1" : "0"; }

// The keys of section "Options" in the order they are written and read.
using OptionField = std::variant<std::int32_t TOptions::*, bool TOptions::*, float TOptions::*>;
const std::pair<std::string_view, OptionField> kOptionKeys[] = {
    {"simplemod", &TOptions::simplemod}, {"exact", &TOptions::exact},     {"showerr", &TOptions::showerr},
    {"word", &TOptions::word},           {"letters", &TOptions::letters}, {"beep", &TOptions::beep},
    {"random", &TOptions::random},       {"pause", &TOptions::pause},     {"pausetime", &TOptions::pausetime},
    {"move", &TOptions::move},           {"excel", &TOptions::excel},     {"eng", &TOptions::eng},
    {"span", &TOptions::span},           {"adv", &TOptions::adv},         {"untested", &TOptions::untested},
    {"country", &TOptions::country},
};

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
// clang 14 lacks deduction for aggregates; the fuzz build uses it.
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace

std::string EncodeFlags(const bool* flags, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    if (!text.empty()) text += ',';
    text += flags[i] ? "True" : "False";
  }
  return text;
}

void DecodeFlags(std::string_view text, bool* flags, std::size_t count) {
  TokenReader reader{std::string(text)};
  for (std::size_t i = 0; i < count; ++i) flags[i] = reader.NextToken(',') == "True";
}

std::string EncodeIrreg(std::uint8_t irreg) {
  switch (irreg) {
    case 0: return "JREG";
    case 1: return "JIREG";
    case 2: return "ALL";
    default: return std::string(kError);
  }
}

std::uint8_t DecodeIrreg(std::string_view text) {
  if (text == "JREG") return 0;
  if (text == "JIREG") return 1;
  return 2;
}

TIniManage::TIniManage(std::string fileName) : file_(std::move(fileName)) {}

void TIniManage::ReadOptions(TOptions& options) {
  const TOptions defaults;
  const IniSnapshot ini = file_.Snapshot();
  for (const auto& [key, field] : kOptionKeys) {
    const std::string text = ini.Read(kOptions, key);
    std::visit(Overloaded{
                   [&](std::int32_t TOptions::*f) { options.*f = ParseInteger(text).value_or(defaults.*f); },
                   [&](bool TOptions::*f) {
                     const auto value = ParseInteger(text);
                     options.*f = value ? *value != 0 : defaults.*f;
                   },
                   // An unreadable pause falls back to the default rather than to nothing.
                   [&](float TOptions::*f) { options.*f = ParseDecimal(text).value_or(defaults.*f); },
               },
               field);
  }
}

TOptions TIniManage::ReadOptions() {
  TOptions options;
  ReadOptions(options);
  return options;
}

bool TIniManage::WriteOptions(const TOptions& options) {
  std::vector<IniFile::Entry> entries;
  for (const auto& [key, field] : kOptionKeys) {
    std::string text = std::visit(Overloaded{
                                      [&](std::int32_t TOptions::*f) { return std::to_string(options.*f); },
                                      [&](bool TOptions::*f) { return BoolText(options.*f); },
                                      [&](float TOptions::*f) { return FormatSingle(options.*f); },
                                  },
                                  field);
    entries.emplace_back(std::string(key), std::move(text));
  }
  return Record(file_.Write(kOptions, entries));
}

void TIniManage::ReadFilter(std::string_view name, TFilter& filter) {
  // A local reader, so a caller walking a list through ReadValue keeps its place.
  const IniSnapshot ini = file_.Snapshot();
  DecodeFlags(Trim(ini.Read(kFilter, Key(name, "PEOPLE"))), filter.People.data(), filter.People.size());
  DecodeFlags(Trim(ini.Read(kFilter, Key(name, "TENSES"))), filter.Tenses.data(), filter.Tenses.size());
  DecodeFlags(Trim(ini.Read(kFilter, Key(name, "VERBS"))), filter.Verbs.data(), filter.Verbs.size());
  filter.Irreg = DecodeIrreg(ini.Read(kFilter, Key(name, "IRREG")));
  filter.Extra.Verb = ini.Read(kFilter, Key(name, "EXTRA"));
}

TFilter TIniManage::ReadFilter(std::string_view name) {
  TFilter filter;
  ReadFilter(name, filter);
  return filter;
}

bool TIniManage::WriteFilter(std::string_view name, const TFilter& f) {
  return Record(file_.Write(kFilter, {
                                         {Key(name, "PEOPLE"), EncodeFlags(f.People.data(), f.People.size())},
                                         {Key(name, "TENSES"), EncodeFlags(f.Tenses.data(), f.Tenses.size())},
                                         {Key(name, "VERBS"), EncodeFlags(f.Verbs.data(), f.Verbs.size())},
                                         {Key(name, "IRREG"), EncodeIrreg(f.Irreg)},
                                         {Key(name, "EXTRA"), f.Extra.Verb},
                                     }));
}

bool TIniManage::HasFilter(std::string_view name) {
  return !file_.Read(kFilter, Key(name, "PEOPLE")).empty() || !file_.Read(kFilter, Key(name, "TENSES")).empty();
}

std::string TIniManage::ReadValue(std::string_view section, std::string_view key) {
  tokens_.Buffer = Trim(file_.Read(section, key));
  return tokens_.Buffer;
}

bool TIniManage::WriteValue(std::string_view section, std::string_view key, std::string_view value) {
  return Record(file_.Write(section, key, value));
}

bool TIniManage::LacksPresetNames() {
  return file_.Read(kDefault, "Count").empty() && file_.Read(kDefault, "1").empty();
}

bool TIniManage::RestoreInstalledPresets() {
  if (!LacksPresetNames()) return true;
  const std::vector<std::string>& installed = InstalledPresetNames();
  std::vector<IniFile::Entry> entries{{"Count", std::to_string(installed.size())}};
  for (std::size_t k = 0; k < installed.size(); ++k) entries.emplace_back(std::to_string(k + 1), installed[k]);
  return Record(file_.Write(kDefault, entries));
}

std::vector<std::string> TIniManage::ReadPresetNames() {
  if (LacksPresetNames()) return InstalledPresetNames();
  std::vector<std::string> names;
  // A damaged Count must not fill the test list with millions of empty names.
  constexpr std::int32_t kMostPresets = 1000;
  const IniSnapshot ini = file_.Snapshot();
  const std::int32_t count = std::min(ParseInteger(ini.Read(kDefault, "Count")).value_or(0), kMostPresets);
  for (std::int32_t k = 1; k <= count; ++k) names.push_back(ini.Read(kDefault, std::to_string(k)));
  return names;
}

std::vector<std::string> TIniManage::SavedFilterNames() {
  std::vector<std::string> names;
  TokenReader reader{file_.Read(kFilter, kList)};
  while (reader.HasMoreTokens()) names.push_back(reader.NextToken(','));
  return names;
}

bool TIniManage::AppendSavedFilterName(std::string_view name) {
  std::string list = file_.Read(kFilter, kList);
  if (!list.empty()) list += ',';
  list += name;
  return WriteValue(kFilter, kList, list);
}

bool TIniManage::DeleteSavedFilterName(std::string_view name) {
  TokenReader reader{file_.Read(kFilter, kList)};
  std::string kept;
  while (reader.HasMoreTokens()) {
    const std::string token = reader.NextToken(',');
    if (!EqualsIgnoringCase(token, name)) {
      kept += ',';
      kept += token;
    }
  }
  kept = Trim(kept);
  if (!kept.empty() && kept.front() == ',') kept.erase(0, 1);
  return WriteValue(kFilter, kList, kept);
}

bool TIniManage::Record(Status written) {
  lastWrite_ = std::move(written);
  return lastWrite_.ok();
}

}  // namespace parlavo
