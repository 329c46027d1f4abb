// The "VERB TESTER" page: the question asked, the answer box with its accent
// buttons, the MULTI test list, and the list of the test's questions beside the
// SINGLE verb tests. The page lays itself out, shows plain data (the question
// loop's view, the rows, the test names) and speaks in signals; what it shows
// itself never comes back as the learner's input.
#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextEdit;

namespace parlavo {

struct QuestionView;
class TodayLine;

class TesterPage : public QWidget {
  Q_OBJECT
 public:
  explicit TesterPage(QWidget* parent = nullptr);

  // The labels, the selected row, and the answer box's text, colours and caret as
  // the question loop describes them.
  void Show(const QuestionView& view);
  // The rows of the question list (Windows-1252), row 0 selected.
  void ShowRows(const std::vector<std::string>& rows);
  int RowCount() const;
  // lbVerbTitle (Windows-1252).
  void ShowTitle(const std::string& title);
  // The question list's tab, where a new test is seen.
  void ShowQuestionList();
  // The tab a start shows: the SINGLE verb tests while the MULTI list is at the
  // current filter, which is no ready-made test, the question list otherwise.
  void ShowStartTab();

  // The MULTI test list: the current filter, the saved filters, the presets, then
  // `more` (Windows-1252); nothing chosen.
  void ShowTests(const std::vector<std::string>& saved, const std::vector<std::string>& presets,
                 const std::vector<std::string>& more);
  int TestCount() const;
  void ChooseTest(int position);
  // The entry chosen last (also while the box holds typed text).
  int ChosenTest() const;
  // The entry the box shows, -1 when it holds typed text that is no entry.
  int ChosenEntry() const;
  std::string ChosenTestText() const;  // Windows-1252
  // The two check boxes kept with the options.
  void ShowChecks(bool advanced, bool newOnly);
  bool AdvancedChecked() const;
  bool NewOnlyChecked() const;

  // The answer box.
  void FocusAnswer();
  void ClearAnswer();
  TodayLine* Today() const { return lbToday; }

 signals:
  // The learner's text (Windows-1252, one line) and the caret after the change; also
  // when the box gains or loses the focus.
  void answerEdited(const std::string& text, int caret);
  // A key went down in the box: where the caret was, and the virtual key.
  void answerKeyDown(int caret, int virtualKey);
  // "á" ... "ñ", "ü", with the box's selection.
  void accentClicked(const std::string& accent, int selectionStart, int selectionLength);
  void answerClicked();               // "Answer"
  void nextLetterClicked(int caret);  // "Next Letter", the box's caret
  void moveClicked(int step);         // "Next->" +1, "<- Previous" -1
  void rowClicked(int row);           // a row of the question list, the selected one too
  void randomiseClicked();            // "Randomise"
  void goClicked();                   // "GO" beside the MULTI test list
  void testChosen();                  // an entry of the MULTI test list picked
  void advancedClicked();             // "Display advanced tab"
  void newOnlyClicked();              // "Only ask untested verbs"
  void statisticsClicked();           // "Statistics"
  // A SINGLE verb test button: its verb, and the tense box's position (-1 for typed
  // text, which counts as Present).
  void singleVerbClicked(const std::string& verb, int tensePosition);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AnswerEdited();
  // The "SINGLE Verb Tests" tab's controls, made in `holder` when it is first shown.
  void BuildSingleVerbTests(QWidget* holder);

  bool showing_ = false;  // the page writes its controls: no input signalled
  QGroupBox* GroupBox11 = nullptr;
  QLabel *Label12 = nullptr, *lbTense = nullptr, *lbCom1 = nullptr, *lbPerson = nullptr, *lbCom2 = nullptr,
         *lbVerb = nullptr, *lbVerbHidden = nullptr, *lbTrans = nullptr, *lbNoTran = nullptr, *lbAnswer = nullptr,
         *Label15 = nullptr;
  QTextEdit* reVerb = nullptr;
  QCheckBox* cbAdvanced = nullptr;
  QGroupBox* GroupBox6 = nullptr;
  QLabel* Label6 = nullptr;
  QComboBox* cbSimple = nullptr;
  QCheckBox* cbNewOnly = nullptr;
  QTabWidget* pcDisplay = nullptr;
  QWidget *tsVerbList = nullptr, *tsSingleVerb = nullptr;
  QLabel* lbVerbTitle = nullptr;
  QListWidget* lbVerbs = nullptr;
  QLabel* Label14 = nullptr;
  TodayLine* lbToday = nullptr;  // "Today: ..." beside bnStatistics
  QTabWidget* pcRegIreg = nullptr;
  QWidget *tsRegular = nullptr, *tsIrregular = nullptr;
  // The accents "á" to "ñ", then "Answer" (Button17) and "Next Letter" (Button16).
  QPushButton *Button8 = nullptr, *Button9 = nullptr, *Button10 = nullptr, *Button11 = nullptr, *Button12 = nullptr,
              *Button13 = nullptr, *Button17 = nullptr, *Button16 = nullptr;
  QPushButton* bnUDiaeresis = nullptr;  // "ü", beside the six accent buttons
  QPushButton* Button14 = nullptr;
  QPushButton *Button3 = nullptr, *Button2 = nullptr, *Button4 = nullptr;  // "<- Previous", "Next->", "Randomise"
  QPushButton* bnStatistics = nullptr;                                     // "Statistics", in the tester's header band
  // The "SINGLE Verb Tests" tab's controls (Label14, pcRegIreg, tsRegular and
  // tsIrregular too) are null until the tab is first shown.
  QComboBox* cbTenses = nullptr;
  // The 36 single-verb buttons, regular ones first, in the order of their captions.
  std::array<QPushButton*, 36> SingleVerbButtons{};
};

}  // namespace parlavo
