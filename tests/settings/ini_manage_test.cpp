#include "ini_manage.h"

#include <gtest/gtest.h>

#include <functional>

#include "installed_settings.h"
#include "status_failure.h"
#include "temp_files.h"

namespace parlavo {
namespace {

using namespace testing_files;

class IniManageTest : public testing_files::ScratchFileTest {
 protected:
  TIniManage WithContent(const std::string& bytes) { return TIniManage(Put(bytes)); }
};

// "TT.T" -> slots 0, 1 and 3 set, the rest of `size` clear.
template <std::size_t N>
std::array<bool, N> Flags(std::string_view pattern) {
  std::array<bool, N> flags{};
  for (std::size_t i = 0; i < pattern.size() && i < N; ++i) flags[i] = pattern[i] == 'T';
  return flags;
}

// What a name with no keys reads as.
TFilter EmptyFilter() {
  TFilter filter = ResetFilter(false);
  filter.Irreg = 2;
  return filter;
}

std::string Repeat(std::string_view text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

TEST_F(IniManageTest, OptionsFallBackToTheirDefaultsOneByOne) {
  const struct {
    const char* name;
    const char* options;
    std::function<void(TOptions&)> expect;  // changes from the defaults
  } cases[] = {
      // clang-format off
      {"empty section", "", [](TOptions&) {}},
      {"exact only", "exact=0", [](TOptions& o) { o.exact = false; }},
      {"keys in other case", "EXACT=0\r\nBeEp=0", [](TOptions& o) { o.exact = o.beep = false; }},
      {"word for a boolean", "beep=loud", [](TOptions&) {}},
      {"any non-zero is true", "beep=2\r\nword=-1", [](TOptions& o) { o.word = true; }},
      {"zero is false", "letters=0\r\nmove=0", [](TOptions& o) { o.letters = o.move = false; }},
      {"bad integers", "simplemod=abc\r\ncountry=1.5", [](TOptions&) {}},
      {"integers", "simplemod=-3\r\ncountry=7",
       [](TOptions& o) { o.simplemod = -3; o.country = 7; }},
      {"pause with point", "pausetime=0.75", [](TOptions& o) { o.pausetime = 0.75f; }},
      {"pause with comma", "pausetime=0,75", [](TOptions&) {}},
      {"pause lone sign", "pausetime=-", [](TOptions&) {}},
      {"pause two points", "pausetime=1..2", [](TOptions&) {}},
      {"pause written long", "pausetime=0.300000011920929", [](TOptions& o) { o.pausetime = 0.3f; }},
      {"every boolean set", "exact=0\r\nshowerr=0\r\nword=1\r\nletters=0\r\nbeep=0\r\nrandom=0\r\n"
                            "pause=0\r\nmove=0\r\nexcel=0\r\neng=1\r\nspan=1\r\nadv=1\r\nuntested=1",
       [](TOptions& o) {
         o.exact = o.showerr = o.letters = o.beep = o.random = o.pause = o.move = o.excel = false;
         o.word = o.eng = o.span = o.adv = o.untested = true;
       }},
      // clang-format on
  };
  for (const auto& c : cases) {
    TIniManage ini = WithContent(std::string("[Options]\r\n") + c.options + "\r\n");
    TOptions expected;
    c.expect(expected);
    EXPECT_EQ(ini.ReadOptions(), expected) << c.name;
  }
}

TEST_F(IniManageTest, MissingFileGivesDefaultsAndNoLists) {
  TIniManage ini(dir_.File("absent.ini"));
  EXPECT_EQ(ini.ReadOptions(), TOptions{});
  EXPECT_EQ(ini.ReadFilter("Current Filter"), EmptyFilter());
  EXPECT_TRUE(ini.SavedFilterNames().empty());
  EXPECT_FALSE(ini.HasFilter("Current Filter"));
  EXPECT_EQ(ini.ReadPresetNames(), InstalledPresetNames());
  EXPECT_FALSE(std::filesystem::exists(dir_.File("absent.ini")));
}

TEST_F(IniManageTest, HasFilterOnlyForNamesStored) {
  TIniManage ini = WithContent("[Filter]\r\nOtherPEOPLE=True\r\nCurrent FilterEXTRA=ser\r\n");
  EXPECT_FALSE(ini.HasFilter("Current Filter")) << "a specific verb alone is no stored filter";
  EXPECT_TRUE(ini.HasFilter("other"));
  ASSERT_TRUE(ini.WriteFilter("Current Filter", ResetFilter(false)));
  EXPECT_TRUE(ini.HasFilter("Current Filter"));
}

// Without a [Default] section the installed names stand in, and the section is
// written back whole; a section of the user's own is never touched.
TEST_F(IniManageTest, MissingPresetNamesAreTheInstalledOnesAndAreWrittenBack) {
  const struct {
    const char* file;  // nullptr: no file
    bool installed;
  } cases[] = {
      {nullptr, true},
      {"", true},
      {"[Options]\r\nexact=0\r\n", true},
      {"[Default]\r\n", true},
      {"[Default]\r\nCount=1\r\n1=Mine\r\n", false},
      {"[Default]\r\n1=Mine\r\n", false},
  };
  for (const auto& c : cases) {
    const std::string path = dir_.File("case.ini");
    std::filesystem::remove(path);
    if (c.file) WriteBytes(path, c.file);
    TIniManage ini(path);
    const std::string before = c.file ? c.file : "";
    EXPECT_EQ(ini.ReadPresetNames() == InstalledPresetNames(), c.installed) << before;
    ASSERT_TRUE(ini.RestoreInstalledPresets()) << before;
    if (!c.installed) {
      EXPECT_EQ(ReadBytes(path), before);
      continue;
    }
    EXPECT_EQ(TIniManage(path).ReadPresetNames(), InstalledPresetNames()) << before;
    EXPECT_EQ(IniFile(path).Read("Default", "Count"), "53");
    EXPECT_EQ(IniFile(path).Read("Default", "53"), "All Compound Verbs - (ALL VERBS)");
    if (c.file && std::string(c.file).find("exact") != std::string::npos) {
      EXPECT_EQ(IniFile(path).Read("Options", "exact"), "0") << "the rest of the file stays";
    }
  }
}

TEST_F(IniManageTest, FilterValuesDecodeSlotBySlot) {
  const struct {
    const char* key;
    std::string value;
    std::function<void(TFilter&)> expect;  // changes from the empty filter
  } cases[] = {
      {"PEOPLE", "True,True", [](TFilter& f) { f.People = Flags<17>("TT"); }},
      {"PEOPLE", ",True", [](TFilter& f) { f.People = Flags<17>("T"); }},
      {"PEOPLE", "true,TRUE,True", [](TFilter& f) { f.People = Flags<17>("FFT"); }},
      {"PEOPLE", "True,,,True", [](TFilter& f) { f.People = Flags<17>("TFT"); }},
      {"PEOPLE", Repeat("True,", 20), [](TFilter& f) { f.People.fill(true); }},
      {"TENSES", "True, False , True,\tTrue", [](TFilter& f) { f.Tenses = Flags<25>("TFTT"); }},
      {"VERBS", "False,True,True,True", [](TFilter& f) { f.Verbs = Flags<3>("FTT"); }},
      {"IRREG", "JREG", [](TFilter& f) { f.Irreg = 0; }},
      {"IRREG", "  JIREG  ", [](TFilter& f) { f.Irreg = 1; }},
      {"IRREG", "jreg", [](TFilter&) {}},
      {"IRREG", "ALL", [](TFilter&) {}},
      {"IRREG", "ERROR", [](TFilter&) {}},
      {"EXTRA", "hablar", [](TFilter& f) { f.Extra.Verb = "hablar"; }},
      {"EXTRA", "re\xEDr", [](TFilter& f) { f.Extra.Verb = "re\xEDr"; }},
  };
  for (const auto& c : cases) {
    TIniManage ini = WithContent(std::string("[Filter]\r\nMine") + c.key + "=" + c.value + "\r\n");
    TFilter expected = EmptyFilter();
    c.expect(expected);
    EXPECT_EQ(ini.ReadFilter("mine"), expected) << c.key << "=" << c.value;
  }
}

TEST_F(IniManageTest, WritesTheExactTextOfOptionsFiltersAndList) {
  TIniManage ini(path_);
  TOptions options;
  options.simplemod = 12;
  options.word = true;
  options.pausetime = 0.3f;
  options.country = 2;
  TFilter filter = ResetFilter(false);
  filter.People = Flags<17>("TFT");
  filter.Tenses[24] = true;
  filter.Verbs = Flags<3>("TFF");
  filter.Irreg = 0;
  filter.Extra.Verb = "ir";
  ASSERT_TRUE(ini.WriteOptions(options));
  ASSERT_TRUE(ini.WriteFilter("Mine", filter));
  ASSERT_TRUE(ini.AppendSavedFilterName("Mine"));
  // clang-format off
  EXPECT_EQ(ReadBytes(path_),
            "[Options]\r\n"
            "simplemod=12\r\nexact=1\r\nshowerr=1\r\nword=1\r\nletters=1\r\nbeep=1\r\n"
            "random=1\r\npause=1\r\npausetime=0.300000011920929\r\nmove=1\r\nexcel=1\r\n"
            "eng=0\r\nspan=0\r\nadv=0\r\nuntested=0\r\ncountry=2\r\n"
            "\r\n"
            "[Filter]\r\n"
            "MinePEOPLE=True,False,True,False,False,False,False,False,False,False,False,False,"
            "False,False,False,False,False\r\n"
            "MineTENSES=" + Repeat("False,", 24) + "True\r\n"
            "MineVERBS=True,False,False\r\n"
            "MineIRREG=JREG\r\n"
            "MineEXTRA=ir\r\n"
            "List=Mine\r\n");
  // clang-format on
  EXPECT_EQ(ini.ReadOptions(), options);
  EXPECT_EQ(ini.ReadFilter("MINE"), filter);
}

TEST_F(IniManageTest, IrregOutOfRangeIsWrittenAsErrorAndReadsBackAsBoth) {
  TIniManage ini(path_);
  TFilter filter = ResetFilter(true);
  filter.Irreg = 7;
  ASSERT_TRUE(ini.WriteFilter("Odd", filter));
  EXPECT_EQ(ini.ReadValue("Filter", "OddIRREG"), "ERROR");
  EXPECT_EQ(ini.ReadFilter("Odd").Irreg, 2);
}

TEST_F(IniManageTest, ReadValueTrimsAndFeedsTheTokenReader) {
  TIniManage ini = WithContent("[Filter]\r\nList=  one ,two,,,three  \r\n");
  EXPECT_EQ(ini.ReadValue("Filter", "List"), "one ,two,,,three");
  std::vector<std::string> walked;
  while (ini.HasMoreTokens()) walked.push_back(ini.NextToken(','));
  EXPECT_EQ(walked, (std::vector<std::string>{"one", "two", "", "three"}));
  EXPECT_EQ(ini.SavedFilterNames(), walked);
}

TEST_F(IniManageTest, SavedNamesAppendAtTheEnd) {
  TIniManage ini(path_);
  ASSERT_TRUE(ini.AppendSavedFilterName("First"));
  ASSERT_TRUE(ini.AppendSavedFilterName("Second one"));
  EXPECT_EQ(ini.ReadValue("Filter", "List"), "First,Second one");
  EXPECT_EQ(ini.SavedFilterNames(), (std::vector<std::string>{"First", "Second one"}));
}

TEST_F(IniManageTest, DeleteRemovesEveryEntryEqualIgnoringCase) {
  const struct {
    const char* list;
    const char* name;
    const char* after;
  } cases[] = {
      {"Verbs,Mine,VERBS,Other,verbs", "Verbs", "Mine,Other"},
      {"Mine", "mine", ""},
      {"a,b", "c", "a,b"},
      {"a,,,b", "x", "a,,b"},  // an empty entry survives as an empty entry
      {" a , b ", "a", "b"},
      {"\xC9xito,Otro", "\xE9XITO", "Otro"},
      {"", "a", ""},
  };
  for (const auto& c : cases) {
    TIniManage ini = WithContent(std::string("[Filter]\r\nList=") + c.list + "\r\n");
    ASSERT_TRUE(ini.DeleteSavedFilterName(c.name));
    EXPECT_EQ(ini.ReadValue("Filter", "List"), c.after) << c.list << " - " << c.name;
  }
}

TEST_F(IniManageTest, PresetNamesComeFromCount) {
  const struct {
    const char* section;
    std::vector<std::string> names;
  } cases[] = {
      {"Count=2\r\n1=One\r\n2= Two \r\n3=Three", {"One", "Two"}},
      {"Count=2\r\n1=One", {"One", ""}},
      {"1=One", {}},
      {"Count=two\r\n1=One", {}},
      {"Count=-4\r\n1=One", {}},
  };
  for (const auto& c : cases) {
    TIniManage ini = WithContent(std::string("[Default]\r\n") + c.section + "\r\n");
    EXPECT_EQ(ini.ReadPresetNames(), c.names) << c.section;
  }
  // A damaged count is bounded instead of filling the list for minutes.
  TIniManage huge = WithContent("[Default]\r\nCount=2000000000\r\n");
  EXPECT_LE(huge.ReadPresetNames().size(), 1000u);
}

TEST(InstalledSettings, NameTheFiftyThreePresetsInOrder) {
  TIniManage ini(PARLAVO_INSTALLED_INI);
  const std::vector<std::string> names = ini.ReadPresetNames();
  EXPECT_EQ(InstalledPresetNames(), names) << "the program's copy is the installed file's";
  ASSERT_EQ(names.size(), 53u);
  EXPECT_EQ(names[0], "Present - (Regular) - ar verbs");
  EXPECT_EQ(names[10], "Simple past - (Regular) - er/ir verbs");
  EXPECT_EQ(names[31], "Future : Perfect - (Regular)");
  EXPECT_EQ(names[52], "All Compound Verbs - (ALL VERBS)");
  const std::string bytes = ReadBytes(PARLAVO_INSTALLED_INI);
  EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1) << "CR LF line ends";
}

TEST_F(IniManageTest, FailedWriteIsRecordedUntilAWriteSucceeds) {
  TIniManage ini = WithContent("[Options]\r\nexact=0\r\n");
  {
    FailingWrites full(WriteFailure::kDiskFull, dir_.Path());
    EXPECT_FALSE(ini.WriteOptions(TOptions{}));
  }
  EXPECT_NE(FailureMessage(ini.LastWrite()).find(path_), std::string::npos) << ini.LastWrite();
  EXPECT_EQ(ReadBytes(path_), "[Options]\r\nexact=0\r\n");
  EXPECT_TRUE(ini.WriteOptions(TOptions{}));
  EXPECT_EQ(ini.LastWrite(), Status::Ok());
  EXPECT_EQ(ini.ReadOptions(), TOptions{});
}

}  // namespace
}  // namespace parlavo
