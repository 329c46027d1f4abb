#include <gtest/gtest.h>

#include "scramble.h"
#include "status_failure.h"
#include "verb_fixtures.h"

namespace parlavo {
namespace {

using testing::CrLf;
using testing::Find;
using testing::Load;

const std::string kMarker(kVerbFileMarker);

// Plain text of a whole file: marker, body, count line with `countPrefix` and
// `count`, closing marker and `tail` after it.
std::string PlainFile(const std::string& body, long long countDelta = 0, char countPrefix = 'x',
                      const std::string& tail = "\r\n", const std::string& closing = kMarker) {
  const std::string head = kMarker + "\r\n" + body;
  return head + countPrefix + std::to_string(static_cast<long long>(head.size()) + countDelta) + "\r\n" + closing +
         tail;
}

const std::string kTwoVerbs = CrLf({"@hablar;to speak", "", "@ser;to be", "01:soy,eres,es,somos,son,sois", ""});

class LoaderObserver : public LoadObserver {
 public:
  void LoadStarted() override { events += "S"; }
  void SetLoadPosition(int position) override { positions.push_back(position); }
  void SetFinalPosition(int position) override { final = position; }
  void AddInfinitive(const std::string& infinitive) override { infinitives.push_back(infinitive); }
  void ProcessPendingMessages() override { ++pumps; }
  std::string events;
  std::vector<int> positions;
  int final = -1;
  std::vector<std::string> infinitives;
  int pumps = 0;
};

TEST(SplitVerbFileLines, AssemblesLinesLikeTheReader) {
  struct Case {
    std::string plain;
    std::vector<std::string> lines;
  };
  // clang-format off
  const Case cases[] = {
      {"ab\r\ncd\r\n", {"ab", "cd"}},
      {"ab\ncd", {"ab\n", "cd"}},                 // lone LF stays in its line
      {"ab\rcd\r\n", {"ab\rc", "d"}},             // lone CR ends the line one character later
      {"\r\n\r\nx", {"", "", "x"}},
      {"ab\r", {"ab\r"}},
      {"a\r\r\n", {"a\r\r", "\n"}},
      {"", {}},
  };
  // clang-format on
  for (const Case& c : cases) {
    const VerbFileLines file = SplitVerbFileLines(Scramble(c.plain));
    EXPECT_EQ(file.lines, c.lines) << c.plain;
    EXPECT_EQ(file.byteCount, c.plain.size());
  }
}

TEST(SplitVerbFileLines, RawEofByteEndsTheFile) {
  std::string stored = Scramble("ab\r\ncd\r\n");
  stored.insert(4, 1, '\x1A');
  const VerbFileLines file = SplitVerbFileLines(stored);
  EXPECT_EQ(file.lines, (std::vector<std::string>{"ab"}));
  EXPECT_EQ(file.byteCount, 4u);
}

TEST(Scramble, IsAPermutationThatKeepsEofForItself) {
  std::vector<bool> seen(256, false);
  for (int b = 0; b < 256; ++b) {
    const unsigned char s = ScrambleByte(static_cast<unsigned char>(b));
    EXPECT_FALSE(seen[s]);
    seen[s] = true;
    EXPECT_EQ(UnscrambleByte(s), b);
    EXPECT_EQ(s == 0x1A, b == 0x1A);
  }
  EXPECT_NE(Scramble("@hablar;to speak"), "@hablar;to speak");
  EXPECT_EQ(TVerbMaker::Unscramble(ScrambleByte('@')), '@');
}

TEST(LoadVerbFile, ValidFileLoadsWithAnyCountPrefix) {
  for (char prefix : {'x', '#', '9', ' ', '-'}) {
    bool ok = false;
    std::string error;
    const VerbList items = Load(Scramble(PlainFile(kTwoVerbs, 0, prefix)), ok, &error);
    EXPECT_TRUE(ok) << prefix << ": " << error;
    EXPECT_EQ(items.size(), 306u);
  }
}

TEST(LoadVerbFile, ComposedFileIsValid) {
  bool ok = false;
  const VerbList items = Load(ComposeVerbFile(kTwoVerbs), ok);
  EXPECT_TRUE(ok);
  ASSERT_EQ(items.size(), 306u);
  EXPECT_EQ(items[153].Infinitive(), "ser");
}

TEST(LoadVerbFile, IntegrityFailuresStillLoadTheVerbs) {
  struct Case {
    const char* name;
    std::string plain;
    const char* error;
  };
  std::string badOpening = PlainFile(kTwoVerbs);
  badOpening[3] = 'h';
  const Case cases[] = {
      {"count one more", PlainFile(kTwoVerbs, 1), "count mismatch: expected"},
      {"count one less", PlainFile(kTwoVerbs, -1), "count mismatch"},
      {"opening marker", badOpening, "opening marker"},
      {"closing marker", PlainFile(kTwoVerbs, 0, 'x', "\r\n", "*CHECKOK987654321.123456788"), "closing marker"},
      {"lone LF at the end", PlainFile(kTwoVerbs, 0, 'x', "\n"), "closing marker"},
  };
  for (const Case& c : cases) {
    bool ok = true;
    std::string error;
    const VerbList items = Load(Scramble(c.plain), ok, &error);
    EXPECT_FALSE(ok) << c.name;
    EXPECT_NE(error.find(c.error), std::string::npos) << c.name << ": " << error;
    EXPECT_EQ(items.size(), 306u) << c.name;
  }
}

TEST(LoadVerbFile, ClosingMarkerWithoutLineEndCountsTwoLess) {
  bool ok = false;
  Load(Scramble(PlainFile(kTwoVerbs, 0, 'x', "")), ok);
  EXPECT_FALSE(ok);
  Load(Scramble(PlainFile(kTwoVerbs, -2, 'x', "")), ok);
  EXPECT_TRUE(ok);
}

TEST(LoadVerbFile, HardFailures) {
  struct Case {
    const char* name;
    std::string stored;
    const char* error;
  };
  const std::string blockThenCount = CrLf({"@hablar;to speak"});  // no empty line before the count
  const Case cases[] = {
      {"empty file", "", "empty"},
      {"only EOF byte", "\x1A", "empty"},
      {"block followed by count line", Scramble(PlainFile(blockThenCount, 0, '#')), "line 3: the tense code"},
      {"non-numeric tense code", Scramble(PlainFile(CrLf({"@ser;to be", "ab:soy", ""}))),
       "line 3: the tense code 'ab'"},
      {"one-digit code and text", Scramble(PlainFile(CrLf({"@ser;to be", "1:soy", ""}))), "'1:'"},
      {"non-numeric count",
       Scramble(PlainFile(kTwoVerbs, 0, 'x', "\r\n").replace(kMarker.size() + 2 + kTwoVerbs.size() + 1, 1, "z")),
       "holds no number"},
      {"marker alone", ComposeVerbFile("").substr(0, kMarker.size() + 2), "holds no number"},
      {"EOF byte cuts the file",
       Scramble(PlainFile(kTwoVerbs)).substr(0, 40) + "\x1A" + Scramble(PlainFile(kTwoVerbs)).substr(40), ""},
  };
  for (const Case& c : cases) {
    bool ok = true;
    std::string error;
    Load(c.stored, ok, &error);
    EXPECT_FALSE(ok) << c.name;
    EXPECT_NE(error.find(c.error), std::string::npos) << c.name << ": " << error;
  }
}

// Every item copies its verb's infinitive, so one huge line once cost gigabytes:
// a line past the limit refuses the whole file with a reason naming the line.
TEST(LoadVerbFile, LinesAreLimitedInLength) {
  const std::size_t most = kLongestVerbFileLine;
  const struct {
    const char* name;
    std::string body;
    const char* error;  // "" when the file loads
  } cases[] = {
      {"longest header", CrLf({"@" + std::string(most - 9, 'a') + ";to have", ""}), ""},
      {"header one byte over", CrLf({"@" + std::string(most - 8, 'a') + ";to have", ""}),
       "line 2 is longer than 1024 characters"},
      {"longest tense line", CrLf({"@ser;to be", "01:" + std::string(most - 3, 's'), ""}), ""},
      {"tense line one byte over", CrLf({"@ser;to be", "01:" + std::string(most - 2, 's'), ""}),
       "line 3 is longer than 1024 characters"},
      {"ten megabytes of infinitive", CrLf({"@" + std::string(10'000'000, 'a') + ";x", ""}),
       "line 2 is longer than 1024 characters"},
  };
  for (const auto& c : cases) {
    bool ok = false;
    std::string error;
    const VerbList items = Load(ComposeVerbFile(c.body), ok, &error);
    EXPECT_EQ(ok, *c.error == '\0') << c.name << ": " << error;
    EXPECT_EQ(items.size(), ok ? 153u : 0u) << c.name;
    EXPECT_EQ(error, c.error) << c.name;
  }
}

TEST(LoadVerbFile, TenseCodeErrorKeepsItemsBuiltBefore) {
  bool ok = true;
  const VerbList items = Load(Scramble(PlainFile(CrLf({"@hablar;to speak", "", "@ser;to be", "zz:x", ""}))), ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(items.size(), 153u);
}

// One maker, several loads: the status tells every problem of the last load in the
// order found, and nothing once a load goes well.
TEST(LoadVerbFile, StatusTellsTheLastLoadOnly) {
  TVerbMaker maker;
  VerbList items;
  EXPECT_FALSE(maker.LoadVerbBytes(Scramble(PlainFile(CrLf({"@ser;to be", "zz:x", ""}), 1)), items));
  const std::string error = FailureMessage(maker.LoadStatus());
  EXPECT_EQ(error.rfind("count mismatch: expected ", 0), 0u) << error;
  EXPECT_NE(error.find("; line 3: the tense code 'zz' is not a number"), std::string::npos) << error;
  EXPECT_TRUE(maker.LoadVerbBytes(Scramble(PlainFile(kTwoVerbs)), items));
  EXPECT_EQ(maker.LoadStatus(), Status::Ok());
}

TEST(LoadVerbFile, WrongOpeningMarkerDoesNotParseTheCount) {
  // The opening marker decides the result first, so a bad count no longer stops the load.
  std::string plain = PlainFile(kTwoVerbs, 0, 'x');
  plain[0] = '!';
  plain.replace(kMarker.size() + 2 + kTwoVerbs.size() + 1, 1, "z");
  bool ok = true;
  const VerbList items = Load(Scramble(plain), ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(items.size(), 306u);
}

TEST(LoadVerbFile, BlockParsing) {
  struct Case {
    std::vector<std::string> block;
    const char* infinitive;
    const char* translation;
    int tense;
    int person;
    const char* form;
    bool irregular;
  };
  // clang-format off
  const Case cases[] = {
      {{"@ser;to be", "01:,,,,,sois"}, "ser", "to be", kPresent, kVosotros, "sois", true},
      {{"@ser;to be", "01:,,,,,sois"}, "ser", "to be", kPresent, kYo, "so", false},
      {{"@ser;to be", "01:soy"}, "ser", "to be", kPresent, kVosotros, "soy", true},
      {{"@ser;to be", "01:soy,,es"}, "ser", "to be", kPresent, kTu, "ses", false},
      {{"@ser;to be", "01:soy,eres,"}, "ser", "to be", kPresent, kEl, "se", false},     // trailing comma: empty field
      {{"@ser;to be", "01:  soy ,  eres  ,es"}, "ser", "to be", kPresent, kTu, "eres", true},
      {{"@ser;to be", "01:soy,eres,es"}, "ser", "to be", kPresent, kUstedes, "es", true},  // last field repeats
      {{"@ser;to be", "01: ,eres"}, "ser", "to be", kPresent, kYo, "so", false},         // blank field is no form
      {{"@ser;  to be  ", "01:soy"}, "ser", "to be", kPresent, kYo, "soy", true},
      {{"@ser;to be;really", "01:soy"}, "ser", "to be;really", kPresent, kYo, "soy", true},
      {{"@hablar to speak"}, "", "@hablar to speak", kPresent, kYo, "o", false},  // no ";": empty infinitive
      {{"@ser;to be", "08:x", "01:soy", "01:yo"}, "ser", "to be", kPresent, kYo, "yo", true},  // later line wins, code 8 ignored
      {{"@ser;to be", "-3:x"}, "ser", "to be", kPresent, kYo, "so", false},
      {{"@ser;to be", "01"}, "ser", "to be", kPresent, kYo, "so", false},
      {{"@ser;to be", "1"}, "ser", "to be", kPresent, kYo, "so", false},
  };
  // clang-format on
  for (const Case& c : cases) {
    const VerbList items = testing::ItemsOf(c.block);
    ASSERT_EQ(items.size(), 153u) << c.block.back();
    EXPECT_EQ(items[0].Infinitive(), c.infinitive) << c.block.back();
    EXPECT_EQ(items[0].Translation(), c.translation) << c.block.back();
    const TVerb* item = Find(items, c.tense, c.person);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Form(), c.form) << c.block.back();
    EXPECT_EQ(item->Irregular, c.irregular) << c.block.back();
  }
}

TEST(LoadVerbFile, BlockEndsAtEmptyLineOrNextHeader) {
  bool ok = false;
  const VerbList items =
      Load(ComposeVerbFile(CrLf({"@ser;to be", "@ir;to go", "01:voy", "", "01:zzz", "stray line", ""})), ok);
  EXPECT_TRUE(ok);
  ASSERT_EQ(items.size(), 306u);
  EXPECT_FALSE(Find(items, kPresent, kYo)->Irregular);
  EXPECT_EQ(items[153].Form(), "voy");
}

TEST(LoadVerbFile, TellsTheObserver) {
  LoaderObserver observer;
  VerbList items;
  TVerbMaker maker;
  const std::string body = CrLf({"@hablar;to speak", "", "@hablar;to talk", "", "@comer;to eat", ""});
  ASSERT_TRUE(maker.LoadVerbBytes(ComposeVerbFile(body), items, &observer));
  const int lines = 1 + 6 + 2;
  EXPECT_EQ(observer.events, "S");
  EXPECT_EQ(observer.final, 4 * lines);
  EXPECT_EQ(observer.pumps, lines);
  ASSERT_EQ(observer.positions.size(), static_cast<std::size_t>(lines + 1));
  EXPECT_EQ(observer.positions.front(), 0);
  EXPECT_EQ(observer.positions.back(), lines - 1);
  EXPECT_EQ(observer.infinitives, (std::vector<std::string>{"hablar", "hablar", "comer"}));
}

TEST(LoadVerbFile, AppendsAndReadsFromDisk) {
  const std::string path = ::testing::TempDir() + "/verb_file_test.ini";
  {
    FILE* f = fopen(path.c_str(), "wb");
    const std::string stored = ComposeVerbFile(kTwoVerbs);
    fwrite(stored.data(), 1, stored.size(), f);
    fclose(f);
  }
  VerbList items;
  TVerbMaker maker;
  EXPECT_TRUE(maker.LoadVerbFile(path, items));
  EXPECT_TRUE(maker.LoadVerbFile(path, items));  // a second load appends a second copy
  EXPECT_EQ(items.size(), 612u);
  EXPECT_FALSE(maker.LoadVerbFile(path + ".missing", items));
  EXPECT_NE(maker.LoadStatus().message().find("verb_file_test.ini.missing"), std::string::npos) << maker.LoadStatus();
  EXPECT_FALSE(maker.LoadVerbFile(::testing::TempDir(), items));  // a folder is no file
  EXPECT_EQ(items.size(), 612u);
  std::remove(path.c_str());
}

TEST(NextField, SplitsAndRepeatsTheLastField) {
  TVerbMaker maker;
  maker.FieldBuffer = "a, b ,,c";
  EXPECT_EQ(maker.NextField(','), "a");
  EXPECT_EQ(maker.NextField(','), "b");
  EXPECT_EQ(maker.NextField(','), "ERROR");
  EXPECT_EQ(maker.NextField(','), "c");
  EXPECT_EQ(maker.NextField(','), "c");
  EXPECT_EQ(maker.FieldBuffer, "c");
  maker.FieldBuffer = "";
  EXPECT_EQ(maker.NextField(','), "ERROR");
}

TEST(IsVerbHeader, TrimmedLineStartsWithAt) {
  EXPECT_TRUE(TVerbMaker::IsVerbHeader("@ser;to be"));
  EXPECT_TRUE(TVerbMaker::IsVerbHeader(" \t@ser"));
  EXPECT_FALSE(TVerbMaker::IsVerbHeader("x@ser"));
  EXPECT_FALSE(TVerbMaker::IsVerbHeader("   "));
  EXPECT_FALSE(TVerbMaker::IsVerbHeader(""));
}

TEST(ParseSignedDecimal, AcceptsSignAndDigitsOnly) {
  struct Case {
    const char* text;
    bool ok;
    long long value;
  };
  // clang-format off
  const Case cases[] = {{"01", true, 1}, {"-2", true, -2}, {"+7", true, 7}, {"00", true, 0},
                        {"", false, 0}, {"-", false, 0}, {" 1", false, 0}, {"1:", false, 0},
                        {"9223372036854775807", true, 9223372036854775807LL},
                        {"9223372036854775808", false, 0}, {"1e3", false, 0}};
  // clang-format on
  for (const Case& c : cases) {
    long long v = 0;
    EXPECT_EQ(ParseSignedDecimal(c.text, v), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(v, c.value) << c.text;
    }
  }
}

}  // namespace
}  // namespace parlavo
