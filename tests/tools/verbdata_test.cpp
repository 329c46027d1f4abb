#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "atomic_file.h"
#include "scramble.h"
#include "verb_file.h"
#include "verb_maker.h"
#include "verb_source.h"
#include "verbdata_commands.h"

namespace parlavo {
namespace {

namespace fs = std::filesystem;

const char kSource[] =
    "# verbs for the tests\n"
    "@hablar;to speak\n"
    "\n"
    "@ser;to be\n"
    "01:soy,eres,es,somos,son,sois\n"
    "# a comment inside a block\n"
    "-2:sido\n"
    "@ir;to go\r\n"
    "  01:voy,vas,va,vamos,van,vais  \n"
    "-1:yendo\n"
    "\n"
    "\n"
    "@re\xC3\xADr;to laugh\n";

TEST(ReadVerbSource, BuildsTheBodyOfTheDataFile) {
  std::string body, error;
  ASSERT_TRUE(ReadVerbSource(kSource, "verbs.txt", body, error)) << error;
  EXPECT_EQ(body,
            "@hablar;to speak\r\n\r\n"
            "@ser;to be\r\n01:soy,eres,es,somos,son,sois\r\n-2:sido\r\n\r\n"
            "@ir;to go\r\n01:voy,vas,va,vamos,van,vais\r\n-1:yendo\r\n\r\n"
            "@re\xEDr;to laugh\r\n\r\n");
  ASSERT_TRUE(ReadVerbSource("\xEF\xBB\xBF@ser;to be", "v", body, error)) << error;
  EXPECT_EQ(body, "@ser;to be\r\n\r\n");
  ASSERT_TRUE(ReadVerbSource("", "v", body, error));
  EXPECT_EQ(body, "");
}

TEST(ReadVerbSource, FaultsNameFileLineAndColumn) {
  struct Case {
    std::string source;
    const char* message;
  };
  const Case cases[] = {
      {"@ser;to be\n01:s\xC3\xB3y,\xC4\x81rbol\n", "v.txt:2:8: '\xC4\x81' cannot be written in Windows-1252"},
      {"@ser;to be\n  01:\xE2\x82\xAC\xC5\x93,\xF0\x9F\x98\x80\n", "v.txt:2:9: '\xF0\x9F\x98\x80' cannot"},
      {"@ser;to \xC3\n", "v.txt:1:9:"},
      {"@ser;to be\n01:so\x1Ay\n", "v.txt:2:6: control character 26"},
      {"hablar;to speak\n", "v.txt:1:1: expected a header"},
      {"@hablar to speak\n", "v.txt:1:17: a header needs ';'"},
      {"@;to speak\n", "v.txt:1:2: the infinitive is empty"},
      {"@ir ;to go\n", "v.txt:1:2: blanks around the infinitive"},
      {"@ser;to be\n1:soy\n", "v.txt:2:1: expected a tense line"},
      {"@ser;to be\nab:soy\n", "v.txt:2:1: expected a tense line"},
      {"@ser;to be\n01\n", "v.txt:2:1: expected a tense line"},
      {"@ser;to be\n08:soy\n", "v.txt:2:1: tense code 8 is outside -2..7"},
      {"@ser;to be\n\n01:soy\n", "v.txt:3:1: expected a header"},
  };
  for (const Case& c : cases) {
    std::string body, error;
    EXPECT_FALSE(ReadVerbSource(c.source, "v.txt", body, error)) << c.source;
    EXPECT_EQ(error.rfind(c.message, 0), 0u) << error;
  }
}

// A scratch folder per test.
class VerbDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::path(::testing::TempDir()) / ("verbdata_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Path(const char* name) const { return (dir / name).string(); }
  void Write(const char* name, const std::string& bytes) {
    ASSERT_EQ(WriteFileAtomically(Path(name), [&](std::ostream& o) { o << bytes; }), Status::Ok());
  }
  std::string Read(const char* name) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(Path(name), bytes));
    return bytes;
  }
  std::string Check(const std::string& stored, int expectedStatus) {
    Write("check.ini", stored);
    std::ostringstream out;
    EXPECT_EQ(CheckVerbData(Path("check.ini"), out), expectedStatus);
    return out.str();
  }
  fs::path dir;
  std::ostringstream err;
};

TEST_F(VerbDataTest, CompiledFileLoadsAndRoundTrips) {
  Write("verbs.txt", kSource);
  ASSERT_EQ(CompileVerbData(Path("verbs.txt"), Path("verb.ini"), err), 0) << err.str();
  const std::string stored = Read("verb.ini");
  VerbList items;
  TVerbMaker maker;
  ASSERT_TRUE(maker.LoadVerbBytes(stored, items)) << maker.LoadStatus();
  EXPECT_EQ(items.size(), 4u * 153u);
  EXPECT_EQ(items[3 * 153].Infinitive(), "re\xEDr");
  const std::string plain = Unscramble(stored);
  EXPECT_EQ(plain.rfind(std::string(kVerbFileMarker) + "\r\n@hablar;to speak\r\n", 0), 0u);
  EXPECT_EQ(plain.substr(plain.size() - kVerbFileMarker.size() - 2), std::string(kVerbFileMarker) + "\r\n");

  std::ostringstream source;
  ASSERT_EQ(DecompileVerbData(Path("verb.ini"), std::nullopt, source, err), 0) << err.str();
  EXPECT_EQ(source.str().find('#'), std::string::npos);
  EXPECT_NE(source.str().find("@re\xC3\xADr;to laugh\n"), std::string::npos);
  // Decompiled to a file and compiled again: the same bytes.
  ASSERT_EQ(DecompileVerbData(Path("verb.ini"), Path("again.txt"), source, err), 0) << err.str();
  ASSERT_EQ(CompileVerbData(Path("again.txt"), Path("again.ini"), err), 0) << err.str();
  EXPECT_EQ(Read("again.ini"), stored);
}

TEST_F(VerbDataTest, FailedCompileLeavesOldOutput) {
  Write("verb.ini", "old");
  Write("bad.txt", "@ser;to be\n01:\xC4\x81\n");
  EXPECT_EQ(CompileVerbData(Path("bad.txt"), Path("verb.ini"), err), 1);
  EXPECT_NE(err.str().find("bad.txt:2:4:"), std::string::npos) << err.str();
  EXPECT_EQ(Read("verb.ini"), "old");
  EXPECT_EQ(CompileVerbData(Path("missing.txt"), Path("new.ini"), err), 1);
  EXPECT_NE(err.str().find("missing.txt"), std::string::npos);
  EXPECT_EQ(CompileVerbData(Path("bad.txt"), Path("new.ini"), err), 1);
  EXPECT_FALSE(fs::exists(Path("new.ini")));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

TEST_F(VerbDataTest, CheckNamesEveryProblem) {
  const std::string marker(kVerbFileMarker);
  const std::string body = "@ser;to be\r\n01:soy\r\n\r\n";
  const auto file = [&](const std::string& opening, const std::string& count, const std::string& closing) {
    return Scramble(opening + "\r\n" + body + count + "\r\n" + closing + "\r\n");
  };
  const std::string good = std::to_string(marker.size() + 2 + body.size());
  EXPECT_EQ(Check(ComposeVerbFile(body), 0), "valid\n");
  struct Case {
    std::string stored;
    std::string message;
  };
  const Case cases[] = {
      // clang-format off
      {file("*CHECKOK987654321.12345678", "#" + good, marker), "line 1 is not the opening marker"},
      {file(marker, "#" + good, marker + " "), "the last line is not the closing marker"},
      {file(marker, "#1", marker), "count mismatch: expected " + good + ", found 1"},
      {file(marker, "#x1", marker), "the count line '#x1' (line 5) holds no number"},
      {Scramble(marker + "\r\n@ser;to be\r\nzz:soy\r\n\r\n#0\r\n" + marker + "\r\n"), "count mismatch"},
      {ComposeVerbFile("@ser;to be\r\n\xFC" "1:soy\r\n\r\n"), "line 3: the tense code '\xC3\xBC" "1' is not a number"},
      {ComposeVerbFile("@ser;to be\r\n"), "line 3: the tense code '#"},
      {"", "the file is empty"},
      {ComposeVerbFile(body).substr(0, 20) + "\x1A" + ComposeVerbFile(body).substr(20), "raw end-of-file byte at offset 20"},
      // clang-format on
  };
  for (const Case& c : cases) {
    const std::string out = Check(c.stored, 1);
    EXPECT_EQ(out.rfind("invalid: ", 0), 0u) << out;
    EXPECT_NE(out.find(c.message), std::string::npos) << out;
  }
  // Bytes after a raw end-of-file byte are never read, as in the program.
  EXPECT_EQ(Check(ComposeVerbFile(body) + "\x1A" + "junk", 0), "valid\n");
  // A wrong count together with a wrong closing marker: both are named.
  const std::string both = Check(file(marker, "#2", "x"), 1);
  EXPECT_NE(both.find("count mismatch"), std::string::npos) << both;
  EXPECT_NE(both.find("closing marker"), std::string::npos) << both;
}

TEST_F(VerbDataTest, DecompileRefusesInvalidFile) {
  Write("bad.ini", ComposeVerbFile("@ser;to be\r\n\r\n").substr(2));
  std::ostringstream out;
  EXPECT_EQ(DecompileVerbData(Path("bad.ini"), Path("out.txt"), out, err), 1);
  EXPECT_NE(err.str().find("not a valid data file"), std::string::npos) << err.str();
  EXPECT_FALSE(fs::exists(Path("out.txt")));
  EXPECT_EQ(out.str(), "");
}

// Runs the built tool; returns its exit status and captures standard output.
int RunTool(const std::string& arguments, std::string& output) {
  const std::string command = std::string(VERBDATA_PATH) + " " + arguments + " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return -1;
  output.clear();
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  const int status = ::pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(VerbDataTest, CommandLine) {
  Write("verbs.txt", kSource);
  Write("bad.txt", "@ser;to be\nx\n");
  std::string out;
  EXPECT_EQ(RunTool("compile " + Path("verbs.txt") + " " + Path("verb.ini"), out), 0) << out;
  EXPECT_EQ(RunTool("check " + Path("verb.ini"), out), 0);
  EXPECT_EQ(out, "valid\n");
  EXPECT_EQ(RunTool("decompile " + Path("verb.ini"), out), 0);
  EXPECT_EQ(out.rfind("@hablar;to speak\n", 0), 0u) << out;
  EXPECT_NE(RunTool("compile " + Path("bad.txt") + " " + Path("bad.ini"), out), 0);
  EXPECT_NE(out.find("bad.txt:2:1:"), std::string::npos) << out;
  EXPECT_FALSE(fs::exists(Path("bad.ini")));
  EXPECT_NE(RunTool("check " + Path("verbs.txt"), out), 0);
  EXPECT_EQ(out.rfind("invalid: ", 0), 0u) << out;
  EXPECT_NE(RunTool("", out), 0);
  EXPECT_NE(RunTool("compile " + Path("verbs.txt"), out), 0);
}

}  // namespace
}  // namespace parlavo
