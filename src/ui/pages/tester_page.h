// The "VERB TESTER" page: the question asked, the answer box with its accent
// buttons, the MULTI test list, and the list of the test's questions beside the
// SINGLE verb tests. The page lays itself out, shows the question loop's view and
// speaks for its buttons in signals; the window still drives the answer box, the
// lists and the test choice directly, which is why those stay public (moving that
// logic behind the page's interface is the next step).
#pragma once

#include <QWidget>
#include <array>
#include <string>

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

 signals:
  void accentClicked(const std::string& accent);  // "á" ... "ñ", "ü"
  void answerClicked();                           // "Answer"
  void nextLetterClicked();                       // "Next Letter"
  void moveClicked(int step);                     // "Next->" +1, "<- Previous" -1
  void randomiseClicked();                        // "Randomise"
  void goClicked();                               // "GO" beside the MULTI test list
  void statisticsClicked();                       // "Statistics"
  // A SINGLE verb test button: its verb, and the tense box's position (-1 for typed
  // text, which counts as Present).
  void singleVerbClicked(const std::string& verb, int tensePosition);

 public:  // still driven by the window

  QGroupBox* GroupBox11 = nullptr;
  QLabel *Label12 = nullptr, *lbTense = nullptr, *lbCom1 = nullptr, *lbPerson = nullptr, *lbCom2 = nullptr,
         *lbVerb = nullptr, *lbVerbHidden = nullptr, *lbTrans = nullptr, *lbNoTran = nullptr,
         *lbAnswer = nullptr, *Label15 = nullptr;
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

 private:
  // The accents "á" to "ñ", then "Answer" (Button17) and "Next Letter" (Button16).
  QPushButton *Button8 = nullptr, *Button9 = nullptr, *Button10 = nullptr, *Button11 = nullptr,
              *Button12 = nullptr, *Button13 = nullptr, *Button17 = nullptr, *Button16 = nullptr;
  QPushButton* bnUDiaeresis = nullptr;  // "ü", beside the six accent buttons
  QPushButton* Button14 = nullptr;
  QPushButton *Button3 = nullptr, *Button2 = nullptr, *Button4 = nullptr;  // "<- Previous", "Next->", "Randomise"
  QPushButton* bnStatistics = nullptr;  // "Statistics", in the tester's header band
  QComboBox* cbTenses = nullptr;
  // The 36 single-verb buttons, regular ones first, in the order of their captions.
  std::array<QPushButton*, 36> SingleVerbButtons{};
};

}  // namespace parlavo
