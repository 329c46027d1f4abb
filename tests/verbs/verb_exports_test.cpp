#include "verb_exports.h"

#include <gtest/gtest.h>

#include <sstream>

#include "text.h"
#include "verb_fixtures.h"

namespace parlavo {
namespace {

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
    lines.push_back(text.substr(start, at - start));
  EXPECT_EQ(start, text.size()) << "text after the last CR LF";
  return lines;
}

std::string AllVerbs(const std::vector<std::string>& infinitives, const VerbList& items) {
  std::ostringstream out;
  WriteAllVerbs(out, infinitives, items);
  return out.str();
}

TEST(WriteAllVerbs, BlockLayout) {
  const VerbList items = testing::ItemsOf({"@ser;to be", "01:soy,eres,es,somos,son,sois"});
  const std::vector<std::string> lines = SplitCrLf(AllVerbs({"ser"}, items));
  // 5 head lines, 15 tense groups of 3 lines, 153 item lines, 3 closing empty lines.
  ASSERT_EQ(lines.size(), 5u + 45u + 153u + 3u);
  EXPECT_EQ(lines[0], std::string(64, '*'));
  EXPECT_EQ(lines[1], "*  SER : to be");
  EXPECT_EQ(lines[2], std::string(64, '*'));
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[5], "");
  EXPECT_EQ(lines[6], "Present");
  EXPECT_EQ(lines[7], "-------");
  EXPECT_EQ(lines[8], "Yo\tsoy\t(Irregular)");
  EXPECT_EQ(lines[10], "Vos\tsos\t(Irregular)");
  // The Simple Past follows the Present's eleven lines.
  EXPECT_EQ(lines[19], "");
  EXPECT_EQ(lines[20], "Simple Past");
  EXPECT_EQ(lines[22], "Yo\ts\xED");  // regular, no tag
  const auto at = [&](const std::string& name) { return std::find(lines.begin(), lines.end(), name) - lines.begin(); };
  const std::size_t subjPluperfect = at("Subjunctive - Pluperfect");
  EXPECT_EQ(lines[subjPluperfect + 1], std::string(24, '-'));
  const std::size_t gerund = at("Gerund");
  EXPECT_EQ(lines[gerund + 2], "\tsiendo");
  EXPECT_EQ(lines[gerund + 3], "");
  const std::size_t imperative = at("Imperative");
  EXPECT_EQ(lines[imperative + 2], "T\xFA\tse");
  EXPECT_EQ(lines[imperative + 11], "");  // nine lines, then the next group
  // Only the Present (file line) and the vos specials (sos, s\xE9) are irregular.
  std::size_t tagged = 0;
  for (const std::string& line : lines)
    tagged += line.size() > 12 && line.compare(line.size() - 12, 12, "\t(Irregular)") == 0;
  EXPECT_EQ(tagged, 12u);
  EXPECT_EQ(lines[imperative + 3], "Vos\ts\xE9\t(Irregular)");
}

TEST(WriteAllVerbs, IrregularTagExactlyOnIrregularItems) {
  const VerbList items = testing::ItemsOf({"@hablar;to speak"});
  const std::string text = AllVerbs({"hablar"}, items);
  EXPECT_EQ(text.find("(Irregular)"), std::string::npos);
  EXPECT_NE(text.find("*  HABLAR : to speak\r\n"), std::string::npos);
}

TEST(WriteAllVerbs, UnmatchedEntryIsThreeEmptyLines) {
  EXPECT_EQ(AllVerbs({"nada"}, {}), "\r\n\r\n\r\n");
  EXPECT_EQ(AllVerbs({}, testing::ItemsOf({"@ser;to be"})), "");
}

TEST(WriteAllVerbs, UpperCasesOnlyAsciiLetters) {
  const VerbList items = testing::ItemsOf({"@re\xEDr;to laugh"});
  EXPECT_EQ(SplitCrLf(AllVerbs({"re\xEDr"}, items))[1], "*  RE\xEDR : to laugh");
}

TEST(WriteAllVerbs, DuplicateInfinitiveIsListedOnceWithBothVerbs) {
  bool ok = false;
  const VerbList items = testing::Load(
      ComposeVerbFile(testing::CrLf({"@ser;to be", "", "@estar;to be", "", "@ser;to exist", "01:soy", ""})), ok);
  ASSERT_TRUE(ok);
  const std::vector<std::string> lines = SplitCrLf(AllVerbs({"ser", "estar", "ser"}, items));
  const std::size_t serBlock =
      5 + 2 * 153 + 15 * 2 * 3 + 3;  // both verbs' groups; tense changes at each verb start too
  const std::size_t estarBlock = 5 + 153 + 45 + 3;
  ASSERT_EQ(lines.size(), serBlock + estarBlock);
  EXPECT_EQ(lines[1], "*  SER : to be");  // translation of the block's first item
  EXPECT_EQ(lines[serBlock + 1], "*  ESTAR : to be");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Yo\tsoy\t(Irregular)"), 1);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Yo\tso"), 1);
}

// Eight copies of one verb once made a listing of hundreds of megabytes: the size
// grows with the items, not with the square of the copies.
TEST(WriteAllVerbs, SizeStaysLinearInTheCopiesOfAVerb) {
  for (const std::size_t copies : {1u, 2u, 8u}) {
    std::vector<std::string> source, entries;
    for (std::size_t k = 0; k < copies; ++k) {
      source.insert(source.end(), {"@ser;to be", ""});
      entries.push_back("ser");
    }
    bool ok = false;
    const VerbList items = testing::Load(ComposeVerbFile(testing::CrLf(source)), ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(SplitCrLf(AllVerbs(entries, items)).size(), 5 + copies * (153 + 45) + 3) << copies;
  }
}

// The listing as a plain scan of the whole list for every entry not listed yet, to
// hold the grouped writer to.
std::string AllVerbsByScanning(const std::vector<std::string>& infinitives, const VerbList& items) {
  std::string text;
  const auto line = [&](const std::string& s) { text += s + "\r\n"; };
  for (std::size_t entry = 0; entry < infinitives.size(); ++entry) {
    const std::string& verb = infinitives[entry];
    if (std::find(infinitives.begin(), infinitives.begin() + entry, verb) != infinitives.begin() + entry) continue;
    bool first = true;
    int last = -1;
    for (const TVerb& item : items) {
      if (item.Infinitive() != verb) continue;
      if (first) {
        line(std::string(64, '*'));
        line("*  " + UpperAZ(verb) + " : " + std::string(item.Translation()));
        line(std::string(64, '*'));
        line("");
        line("");
        first = false;
      }
      if (item.Tense != last) {
        line("");
        line(std::string(item.TenseName()));
        line(std::string(item.TenseName().size(), '-'));
        last = item.Tense;
      }
      line(item.DisplayLine());
    }
    line("");
    line("");
    line("");
  }
  return text;
}

TEST(WriteAllVerbs, SameAsScanningTheListPerEntry) {
  bool ok = false;
  const VerbList items =
      testing::Load(ComposeVerbFile(testing::CrLf({"@ir;to go", "-1:yendo", "", "@Ir;capital", "", "@hacer;to do",
                                                   "-2:hecho", "", "@ir;to leave", "01:voy", "", "@;nothing", ""})),
                    ok);
  ASSERT_TRUE(ok);
  const std::vector<std::string> entries = {"ir", "Ir", "hacer", "ir", "", "absent", "IR"};
  EXPECT_EQ(AllVerbs(entries, items), AllVerbsByScanning(entries, items));
}

TEST(WriteSpecialVerbs, HeaderAndItemLines) {
  bool ok = false;
  const VerbList items = testing::Load(
      ComposeVerbFile(testing::CrLf({"@hablar;to speak, talk", "", "@ser;to be \"it\"", "01:soy", ""})), ok);
  ASSERT_TRUE(ok);
  std::ostringstream out;
  WriteSpecialVerbs(out, items);
  const std::vector<std::string> lines = SplitCrLf(out.str());
  ASSERT_EQ(lines.size(), 307u);
  EXPECT_EQ(lines[0], R"("Count","Verb","Translation","Tense","Conjugation","Irregular","Person")");
  EXPECT_EQ(lines[1], R"(1 , "hablar","to speak, talk","Present","hablo","false","Yo")");
  EXPECT_EQ(lines[153], R"(153 , "hablar","to speak, talk","Gerund","hablando","false","Yo")");
  EXPECT_EQ(lines[154], R"(154 , "ser","to be "it"","Present","soy","true","Yo")");
  EXPECT_EQ(lines[156], "156 , \"ser\",\"to be \"it\"\",\"Present\",\"sos\",\"true\",\"Vos\"");
  EXPECT_EQ(lines[306].substr(0, 6), "306 , ");
}

}  // namespace
}  // namespace parlavo
