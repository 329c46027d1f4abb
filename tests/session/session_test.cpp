// The program's start-up and shutdown without a window: what each step reads and
// writes, and what it tells the learner.
#include "session.h"

#include <filesystem>
#include <optional>

#include <gtest/gtest.h>

#include "file_man.h"
#include "load_observer.h"
#include "temp_files.h"
#include "verb_file.h"

namespace parlavo {
namespace {

using testing_files::FailingWrites;
using testing_files::ReadBytes;
using testing_files::TempDir;
using testing_files::WriteBytes;
using testing_files::WriteFailure;

class SessionTest : public ::testing::Test {
 protected:
  SessionFiles Files() const {
    return {dir_.File("Results.txt"), dir_.File("History.txt"), dir_.File("Parlavo.ini"), dir_.File("verb.ini")};
  }
  void PutVerbs() { WriteBytes(dir_.File("verb.ini"), ComposeVerbFile("@hablar;to speak\r\n\r\n")); }

  // The start-up's steps as the window takes them; the notices of them all.
  Notices Start(Session& session) {
    Notices notices = session.OpenResults();
    session.ReadSettings();
    session.LoadVerbs(nullptr, notices);
    return notices;
  }

  // Asks the first question of a test of every item and types its answer.
  void AnswerOne(Session& session) {
    session.Loop().StartTest(session.Select(AllOf()));
    session.CountRecorded(session.Loop().TextChanged(session.Loop().ExpectedForm()));
    session.CountRecorded(session.Loop().PauseEnded());
  }
  static TFilter AllOf() { return ResetFilter(true); }

  TempDir dir_;
};

TEST_F(SessionTest, AFirstStartTellsNothingAndCloseWritesEveryFile) {
  PutVerbs();
  Session session(Files(), [] { return 0.5; });
  EXPECT_TRUE(Start(session).empty());
  EXPECT_TRUE(session.VerbsLoaded());
  EXPECT_EQ(session.Verbs().size(), 153u);

  AnswerOne(session);
  session.Options().country = 2;
  EXPECT_TRUE(session.Close(AllOf()).empty());

  EXPECT_NE(ReadBytes(dir_.File("Results.txt")).find(",hablar,"), std::string::npos) << "the answer is in the results";
  EXPECT_NE(ReadBytes(dir_.File("History.txt")).find(",1,1,1,"), std::string::npos) << "the run's line";
  const std::string settings = ReadBytes(dir_.File("Parlavo.ini"));
  EXPECT_NE(settings.find("Current FilterPEOPLE"), std::string::npos);
  EXPECT_NE(settings.find("country=2"), std::string::npos);
}

TEST_F(SessionTest, CloseTwiceWritesOnce) {
  PutVerbs();
  Session session(Files(), [] { return 0.5; });
  Start(session);
  session.Close(AllOf());
  std::filesystem::remove(dir_.File("Parlavo.ini"));
  EXPECT_TRUE(session.Close(AllOf()).empty());
  Notices notices;
  session.WriteSettings(AllOf(), notices);
  EXPECT_FALSE(std::filesystem::exists(dir_.File("Parlavo.ini"))) << "nothing is written after the close";
}

TEST_F(SessionTest, AMissingVerbFileIsToldAndNothingLoads) {
  Session session(Files(), [] { return 0.5; });
  const Notices notices = Start(session);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], (Notice{"Error", "No verb datafile found.  Unable to continue", NoticeKind::kExclamation}));
  EXPECT_FALSE(session.VerbsLoaded());
  EXPECT_TRUE(session.Verbs().empty());
}

// What a load tells the splash, in order, as text (the positions apart: a plain load
// moves them once per line).
class LoadLog : public LoadObserver {
 public:
  void LoadStarted() override { log += "started;"; }
  void SetFinalPosition(int position) override { log += "final " + std::to_string(position) + ";"; }
  void AddInfinitive(const std::string& infinitive) override { log += infinitive + ";"; }
  void SetLoadPosition(int position) override { last = position; }
  std::string log;
  int last = -1;
};

struct LoadSeen {
  bool loaded;
  Notices notices;
  std::string log;
  int last;
  std::vector<std::string> items;
};

TEST_F(SessionTest, ALoadStartedEarlyEndsAsALoadInItsPlace) {
  const struct {
    const char* name;
    std::optional<std::string> file;  // none: there is no "verb.ini"
  } cases[] = {
      {"two verbs", ComposeVerbFile("@hablar;to speak\r\n\r\n@comer;to eat\r\n\r\n")},
      {"no file", std::nullopt},
      {"damaged file", std::string("not a verb file\r\n")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(dir_.File("verb.ini"));
    if (c.file) WriteBytes(dir_.File("verb.ini"), *c.file);
    const auto load = [&](bool early) {
      Session session(Files(), [] { return 0.5; });
      if (early) session.PrefetchVerbs();
      LoadLog log;
      LoadSeen seen{false, session.OpenResults(), "", 0, {}};
      session.ReadSettings();
      seen.loaded = session.LoadVerbs(&log, seen.notices);
      seen.log = log.log;
      seen.last = log.last;
      for (const TVerb& item : session.Verbs()) seen.items.push_back(item.DisplayLine());
      return seen;
    };
    const LoadSeen plain = load(false);
    const LoadSeen early = load(true);
    EXPECT_EQ(early.loaded, plain.loaded);
    EXPECT_EQ(early.notices, plain.notices);
    EXPECT_EQ(early.log, plain.log);
    EXPECT_EQ(early.last, plain.last);
    EXPECT_EQ(early.items, plain.items);
    EXPECT_EQ(plain.items.size(), c.file == cases[0].file ? std::size_t{2 * kItemsPerVerb} : 0u);
    EXPECT_EQ(plain.log.rfind("started;", 0), 0u) << "the splash shows even when nothing loads";
  }
}

TEST_F(SessionTest, ALoadStartedEarlyAndNeverTakenEndsWithTheSession) {
  PutVerbs();
  {
    Session session(Files(), [] { return 0.5; });
    session.PrefetchVerbs();
  }
  EXPECT_EQ(ReadBytes(dir_.File("verb.ini")), ComposeVerbFile("@hablar;to speak\r\n\r\n"));
}

TEST_F(SessionTest, DamagedFilesAreToldInOrderAndKept) {
  PutVerbs();
  const std::string cutShort = "hablo,hablar,1,1,0,10,3\r\nhablas,hablar,2,1";
  WriteBytes(dir_.File("Results.txt"), cutShort);
  WriteBytes(dir_.File("History.txt"), "not a history line\r\n");
  Session session(Files(), [] { return 0.5; });
  const Notices notices = Start(session);
  ASSERT_EQ(notices.size(), 2u);
  EXPECT_EQ(notices[0].kind, NoticeKind::kInformation) << "the line cut short";
  EXPECT_NE(notices[0].text.find("Results.txt"), std::string::npos) << notices[0].text;
  EXPECT_EQ(notices[1].kind, NoticeKind::kInformation) << "the damaged history line";
  EXPECT_EQ(session.Results()->ResultLines.size(), 1u);
  EXPECT_EQ(ReadBytes(dir_.File("History.txt")), "not a history line\r\n") << "read only";
}

// The answers of the run are safe in the results file, so an unreadable history is
// information at the start; its failed save is told once; the file is never overwritten.
TEST_F(SessionTest, UnreadableHistoryIsToldAsInformationAndLeftAlone) {
  PutVerbs();
  std::filesystem::create_directory(dir_.File("History.txt"));  // cannot be read as a file
  Session session(Files(), [] { return 0.5; });
  const Notices notices = Start(session);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], (Notice{"Information",
                                "Cannot read '" + dir_.File("History.txt") +
                                    "': Is a directory; it is left as it is, and earlier answers count as long ago.",
                                NoticeKind::kInformation}));
  AnswerOne(session);
  Notices saving;
  EXPECT_TRUE(session.SaveResults(saving)) << "the answers are in the results file";
  ASSERT_EQ(saving.size(), 1u);
  EXPECT_EQ(saving[0].kind, NoticeKind::kError);
  EXPECT_EQ(
      saving[0].text.rfind("\"" + dir_.File("History.txt") + "\" could not be read, so it is left as it is\n\n", 0), 0u)
      << saving[0].text;
  AnswerOne(session);
  saving.clear();
  EXPECT_TRUE(session.SaveResults(saving));
  EXPECT_TRUE(saving.empty()) << "told once";
  EXPECT_TRUE(std::filesystem::is_directory(dir_.File("History.txt")));
}

TEST_F(SessionTest, UnreadableResultsAreToldAndNeverOverwritten) {
  PutVerbs();
  std::filesystem::create_directory(dir_.File("Results.txt"));  // cannot be read as a file
  Session session(Files(), [] { return 0.5; });
  const Notices notices = Start(session);
  ASSERT_FALSE(notices.empty());
  EXPECT_EQ(notices[0].kind, NoticeKind::kError);
  EXPECT_NE(notices[0].text.find("The file is not overwritten."), std::string::npos);

  AnswerOne(session);
  Notices saving;
  EXPECT_FALSE(session.SaveResults(saving));
  EXPECT_TRUE(saving.empty()) << "told once, at the start";

  const Notices closing = session.Close(AllOf());
  ASSERT_EQ(closing.size(), 1u);
  EXPECT_NE(closing[0].text.find("1 answer of this session could not be saved"), std::string::npos);
  EXPECT_NE(closing[0].text.find("They have been saved in"), std::string::npos) << closing[0].text;
  EXPECT_TRUE(std::filesystem::is_directory(dir_.File("Results.txt")));
}

TEST_F(SessionTest, AFullDiskLosesTheAnswersOnlyWithAClearNotice) {
  PutVerbs();
  Session session(Files(), [] { return 0.5; });
  Start(session);
  AnswerOne(session);
  Notices saving;
  {
    FailingWrites full(WriteFailure::kDiskFull, dir_.Path());
    EXPECT_FALSE(session.SaveResults(saving));
    Notices again;
    EXPECT_FALSE(session.SaveResults(again));
    EXPECT_TRUE(again.empty()) << "a failure is told once until a save succeeds";
    const Notices closing = session.Close(AllOf());
    ASSERT_GE(closing.size(), 1u);
    EXPECT_NE(closing[0].text.find("They are lost."), std::string::npos) << closing[0].text;
  }
  ASSERT_EQ(saving.size(), 1u);
  EXPECT_NE(saving[0].text.find("Your answers are kept"), std::string::npos);
}

TEST_F(SessionTest, AFailedSettingsWriteIsToldOnceUntilOneSucceeds) {
  PutVerbs();
  Session session(Files(), [] { return 0.5; });
  Start(session);
  Notices first, second, third;
  {
    FailingWrites full(WriteFailure::kDiskFull, dir_.Path());
    session.WriteSettings(AllOf(), first);
    session.WriteSettings(AllOf(), second);
  }
  EXPECT_EQ(first.size(), 1u);
  EXPECT_TRUE(second.empty());
  session.WriteSettings(AllOf(), third);
  EXPECT_TRUE(third.empty());
  EXPECT_NE(ReadBytes(dir_.File("Parlavo.ini")).find("Current FilterPEOPLE"), std::string::npos);
}

TEST_F(SessionTest, SavedFiltersAreCheckedStoredAndDeleted) {
  Session session(Files(), [] { return 0.5; });
  Start(session);
  Notices notices;
  EXPECT_TRUE(session.SaveFilter("  mine ", AllOf(), notices));
  EXPECT_TRUE(notices.empty());
  const struct {
    const char* name;
    const char* title;
  } refused[] = {{"MINE", "Duplicate Name Error"}, {"  ", "Error - No Filter Name"}, {"[x", "Filter Name Error"}};
  for (const auto& c : refused) {
    Notices told;
    EXPECT_FALSE(session.SaveFilter(c.name, ResetFilter(false), told)) << c.name;
    ASSERT_EQ(told.size(), 1u) << c.name;
    EXPECT_EQ(told[0].title, c.title);
  }
  EXPECT_EQ(session.SavedFilterNames(), std::vector<std::string>{"mine"});
  EXPECT_EQ(session.ReadFilter("mine"), AllOf()) << "a refused name overwrites nothing";
  session.DeleteFilter("mine", notices);
  EXPECT_TRUE(session.SavedFilterNames().empty());
  EXPECT_TRUE(notices.empty());
}

TEST(SessionCodePage, OnlyTheTwoEnglishCodePagesPass) {
  const struct {
    int codePage;
    bool told;
  } cases[] = {{437, false}, {850, false}, {1252, true}, {0, true}};
  for (const auto& c : cases) {
    const std::optional<Notice> notice = Session::CodePageNotice(c.codePage);
    EXPECT_EQ(notice.has_value(), c.told) << c.codePage;
    if (notice) {
      EXPECT_EQ(notice->kind, NoticeKind::kExclamation);
    }
  }
}

}  // namespace
}  // namespace parlavo
