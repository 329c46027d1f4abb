// The "Options" page: the learner's options shown and read back as a TOptions, and
// the two export buttons. The page keeps its controls; the window hears its signals.
// The controls are made when the page is first shown or read.
#pragma once

#include <cstdint>
#include <vector>

#include "lazy_page.h"
#include "options.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace parlavo {

class TNewIntEdit;
class TNewRealEdit;

class OptionsPage : public LazyPage {
  Q_OBJECT
 public:
  explicit OptionsPage(QWidget* parent = nullptr);

  // The options this page shows; the rest of `options` belongs to other pages.
  void Show(const TOptions& options);
  // Copies the page into its part of `options`. Blank or unreadable pause text keeps
  // the pause time `options` holds (reading the field updates its last value).
  void Read(TOptions& options);
  // "Verbs in test": how many rows a new test shows.
  std::int32_t VerbsInTest();

 signals:
  // Any option check box or radio button, clicked by the learner.
  void optionClicked();
  // One of the seven check boxes: the answer is checked again, so a changed option shows.
  void answerCheckChanged();
  void pauseTimeEdited();
  void exportAllClicked();      // "Output all verbs to text file"
  void exportSpecialClicked();  // "Special Verb Output"
  // A numeric field refused its text: "Input error" and why (lines end in CR LF).
  void inputError(const QString& text);

 protected:
  void Build(QWidget* page) override;

 private:
  void ShowOnControls(const TOptions& options);
  // 0 Spain, 1 Latin America, 2 Argentina, 3 all.
  int Country() const;

  std::vector<TOptions> shownBeforeBuilt_;

  QLabel* Label13 = nullptr;
  QCheckBox *cbExactL = nullptr, *cbErrShow = nullptr, *cbBeep = nullptr, *cbAutoRandom = nullptr,
            *cbPauseCorr = nullptr, *cbMoveOn = nullptr, *CheckBox1 = nullptr;
  QRadioButton *rbWholeWord = nullptr, *rbLetters = nullptr;
  TNewRealEdit* reTimeDelay = nullptr;
  QLabel* Label1 = nullptr;
  TNewIntEdit* reVIT = nullptr;
  QGroupBox *gbDisplay = nullptr, *gbCountry = nullptr;
  QRadioButton *rbEng = nullptr, *rbSpan = nullptr, *rbEngSpan = nullptr;
  QRadioButton *rbdpSp = nullptr, *rbdpLA = nullptr, *rbdpArg = nullptr, *rbdpAll = nullptr;
  QPushButton *bnVerbToFile = nullptr, *bnSpecialOutput = nullptr;
};

}  // namespace parlavo
