// Reads the scrambled verb data file and turns every verb into its 153 items.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "load_observer.h"
#include "status.h"
#include "verb.h"
#include "verb_list.h"

namespace parlavo {

// The opening and closing line of the data file.
inline constexpr std::string_view kVerbFileMarker = "*CHECKOK987654321.123456789";

// The longest line a data file may hold, in bytes. Real lines stay under 100; every
// item of a verb copies its infinitive, so one huge line would cost its length 153
// times over and more (a 10 MB infinitive took gigabytes).
inline constexpr std::size_t kLongestVerbFileLine = 1024;

// Irregular forms of one verb block: row = file tense code + 2 (codes -2..7),
// column = form 1..6 stored at index 0..5. "ERROR" means "generate it".
using FormTable = std::array<std::array<std::string, 6>, 10>;
FormTable EmptyFormTable();

// FileTenseCode of a tense outside 1..15.
inline constexpr int kNoFileTenseCode = 99;

class TVerbMaker {
 public:
  // ---- Conjugation engine ----
  // Regular form of any infinitive (or the bare ending when withStem is false).
  // For a compound tense also sets LastAuxiliary; the result never holds it.
  std::string Conjugate(std::string_view infinitive, int person, int tense, bool withStem);
  // The form of haber that opens a compound tense ("" for other tenses); also
  // stored in LastAuxiliary.
  std::string AuxiliaryOf(int tense, int person);
  // Column (1..6) of a tense line that holds the person's form.
  static int PersonColumn(int person);
  // Row code (-2..7) of the data file that holds the tense's forms.
  static int FileTenseCode(int tense);
  // Appends the verb's 153 items to `list`, tense 1..15, person 1..11.
  // Persons that share a form (Él, Ella, Usted...) share its text in the list.
  void BuildVerbItems(std::string_view infinitive, std::string_view translation, const FormTable& forms,
                      VerbList& list);

  // ---- Loader ----
  // Loads the whole file, appending items to `list` (never cleared). True only
  // when the file was read without error, both markers and the count agree and no
  // line is longer than kLongestVerbFileLine (such a file loads no verb at all);
  // otherwise LoadStatus() says why.
  bool LoadVerbFile(const std::string& fileName, VerbList& list, LoadObserver* observer = nullptr);
  // The same for file bytes already in memory (scrambled, as stored).
  bool LoadVerbBytes(std::string_view bytes, VerbList& list, LoadObserver* observer = nullptr);

  static bool IsVerbHeader(std::string_view line);
  // Reads the block whose header is FileLines[headerIndex] and builds its items.
  // A tense code that is no number is an error, and the block builds no items.
  Status ParseVerbBlock(std::size_t headerIndex);
  // Takes the next field off FieldBuffer.
  std::string NextField(char separator);
  static unsigned char Unscramble(unsigned char byte);

  std::string LastAuxiliary;
  std::vector<std::string> FileLines;
  std::string FieldBuffer;
  // Why the last load returned false (ok after a good load), for tools and logs:
  // every problem found, joined by "; ".
  const Status& LoadStatus() const { return loadStatus_; }

 private:
  // AuxiliaryOf without handing back a copy.
  void SetAuxiliary(int tense, int person);
  // The block form table of the block being read, reused from block to block: only
  // the rows a block wrote are filled again.
  void ResetForms();

  FormTable forms_ = EmptyFormTable();
  std::array<bool, 10> formRowUsed_{};  // rows that no longer hold "ERROR" alone
  std::string word_, form_;             // scratch of the item builder, reused from verb to verb
  std::string verbForms_;               // the forms of the verb being built, one after another
  // Markers and count; adds every problem to the load's status. False when the
  // load must stop before any verb is read: the count line holds no number in a
  // file that opens with its marker.
  bool CheckIntegrity(long long expected);
  // Adds `problem` to the load's status, after those found before; returns false.
  bool Fail(const std::string& problem);

  Status loadStatus_;

  VerbList* verbList_ = nullptr;
  LoadObserver* observer_ = nullptr;
};

}  // namespace parlavo
