// The "VERB TESTER" page: the question asked, the answer box with its accent
// buttons, the MULTI test list, and the list of the test's questions beside the
// SINGLE verb tests. The page lays itself out and shows the question loop's view;
// the window still drives its controls for the test logic, which is why they are
// public here (moving that logic behind signals is the next step).
#pragma once

#include <QWidget>
#include <array>

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

  QGroupBox* GroupBox11 = nullptr;
  QLabel *Label12 = nullptr, *lbTense = nullptr, *lbCom1 = nullptr, *lbPerson = nullptr, *lbCom2 = nullptr,
         *lbVerb = nullptr, *lbVerbHidden = nullptr, *lbTrans = nullptr, *lbNoTran = nullptr,
         *lbAnswer = nullptr, *Label15 = nullptr;
  QTextEdit* reVerb = nullptr;
  // The accents "á" to "ñ", then "Answer" (Button17) and "Next Letter" (Button16).
  QPushButton *Button8 = nullptr, *Button9 = nullptr, *Button10 = nullptr, *Button11 = nullptr,
              *Button12 = nullptr, *Button13 = nullptr, *Button17 = nullptr, *Button16 = nullptr;
  QPushButton* bnUDiaeresis = nullptr;  // "ü", beside the six accent buttons
  QCheckBox* cbAdvanced = nullptr;
  QGroupBox* GroupBox6 = nullptr;
  QLabel* Label6 = nullptr;
  QComboBox* cbSimple = nullptr;
  QPushButton* Button14 = nullptr;
  QCheckBox* cbNewOnly = nullptr;
  QTabWidget* pcDisplay = nullptr;
  QWidget *tsVerbList = nullptr, *tsSingleVerb = nullptr;
  QLabel* lbVerbTitle = nullptr;
  QListWidget* lbVerbs = nullptr;
  QPushButton *Button3 = nullptr, *Button2 = nullptr, *Button4 = nullptr;  // "<- Previous", "Next->", "Randomise"
  QPushButton* bnStatistics = nullptr;  // "Statistics", in the tester's header band
  QLabel* Label14 = nullptr;
  TodayLine* lbToday = nullptr;  // "Today: ..." beside bnStatistics
  QComboBox* cbTenses = nullptr;
  QTabWidget* pcRegIreg = nullptr;
  QWidget *tsRegular = nullptr, *tsIrregular = nullptr;
  // The 36 single-verb buttons, regular ones first, in the order of their captions.
  std::array<QPushButton*, 36> SingleVerbButtons{};
};

}  // namespace parlavo
