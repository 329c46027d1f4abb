#include "options_page.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

#include "fonts.h"
#include "num_edit.h"
#include "number_text.h"
#include "place.h"
#include "text_codec.h"

namespace parlavo {

namespace {
// "Verbs in test" as a run starts; only the learner changes it.
constexpr std::int32_t kVerbsInTestAtStart = 100;
}  // namespace

OptionsPage::OptionsPage(QWidget* parent) : LazyPage(parent) {}

void OptionsPage::Build(QWidget* page) {
  PLACE(Label13, QLabel, page, 8, 48, 300, 16);
  Label13->setText("Select the configuration of the Verb Tutor:");
  Label13->setFont(PixelFont("MS Sans Serif", 11, true));

  auto check = [&](QCheckBox*& box, const char* name, int y, int h, const QString& text) {
    box = Place<QCheckBox>(page, name, 8, y, 270, h);
    box->setText(text);
    box->setChecked(true);
  };
  check(cbExactL, "cbExactL", 70, 17, "Only allow exact number of characters for the\nconjugation");
  cbExactL->setGeometry(8, 70, 270, 30);
  check(cbErrShow, "cbErrShow", 104, 17, "Show errors as you are typing:");
  PLACE(rbWholeWord, QRadioButton, page, 26, 122, 252, 17);
  rbWholeWord->setText("Colour the whole word red if incorrect");
  PLACE(rbLetters, QRadioButton, page, 26, 140, 252, 17);
  rbLetters->setText("Colour just the incorrect letters red");
  rbLetters->setChecked(true);
  check(cbBeep, "cbBeep", 162, 17, "Beep when the conjugation is correct");
  check(cbAutoRandom, "cbAutoRandom", 182, 30, "When selecting a new test, put all the verbs in\nrandom order");
  check(cbPauseCorr, "cbPauseCorr", 218, 17, "Pause ");
  cbPauseCorr->setGeometry(8, 218, 56, 17);
  reTimeDelay = Place<TNewRealEdit>(page, "reTimeDelay", 64, 216, 40, 20);
  reTimeDelay->setAlignment(Qt::AlignRight);
  reTimeDelay->setText("0.5");
  PLACE(Label1, QLabel, page, 110, 219, 170, 16);
  Label1->setText("secs when the verb is correct");
  check(cbMoveOn, "cbMoveOn", 242, 17, "Automatically move on to the next verb");
  check(CheckBox1, "CheckBox1", 264, 17, "Verbs in test:");
  CheckBox1->setGeometry(8, 264, 96, 17);
  reVIT = Place<TNewIntEdit>(page, "reVIT", 104, 262, 50, 20);
  reVIT->setHasMin(true);
  reVIT->setHasMax(true);
  reVIT->setMin(0);
  reVIT->setMax(1000);
  reVIT->setAlignment(Qt::AlignRight);
  reVIT->setText(QString::number(kVerbsInTestAtStart));
  for (TNewXEdit* field : std::initializer_list<TNewXEdit*>{reTimeDelay, reVIT})
    connect(field, &TNewXEdit::inputError, this, &OptionsPage::inputError);

  PLACE(gbDisplay, QGroupBox, page, 290, 66, 256, 80);
  gbDisplay->setTitle("Verb Display Options");
  PLACE(rbEng, QRadioButton, gbDisplay, 10, 18, 240, 17);
  rbEng->setText("Only show the verb in English");
  PLACE(rbSpan, QRadioButton, gbDisplay, 10, 37, 240, 17);
  rbSpan->setText("Only show the verb in Spanish");
  PLACE(rbEngSpan, QRadioButton, gbDisplay, 10, 56, 240, 17);
  rbEngSpan->setText("Show the verb in Spanish and English");
  rbEngSpan->setChecked(true);

  PLACE(gbCountry, QGroupBox, page, 290, 152, 256, 98);
  gbCountry->setTitle("Country Setting");
  PLACE(rbdpSp, QRadioButton, gbCountry, 10, 18, 240, 17);
  rbdpSp->setText(QString::fromUtf8("SPAIN: T\u00fa, Vosotros"));
  rbdpSp->setChecked(true);
  PLACE(rbdpLA, QRadioButton, gbCountry, 10, 37, 240, 17);
  rbdpLA->setText(QString::fromUtf8("LATIN AMERICA: T\u00fa, no Vosotros"));
  PLACE(rbdpArg, QRadioButton, gbCountry, 10, 56, 240, 17);
  rbdpArg->setText("ARGENTINA: Vos, no Vosotros");
  PLACE(rbdpAll, QRadioButton, gbCountry, 10, 75, 240, 17);
  rbdpAll->setText(QString::fromUtf8("ALL: T\u00fa, Vos, Vosotros"));

  PLACE(bnVerbToFile, QPushButton, page, 290, 262, 256, 26);
  bnVerbToFile->setText("Output all verbs to text file");
  PLACE(bnSpecialOutput, QPushButton, page, 290, 294, 256, 26);
  bnSpecialOutput->setText("Special Verb Output");

  for (QAbstractButton* option : std::initializer_list<QAbstractButton*>{
           cbExactL, cbErrShow, rbWholeWord, rbLetters, cbBeep, cbAutoRandom, cbPauseCorr, cbMoveOn, CheckBox1, rbEng,
           rbSpan, rbEngSpan, rbdpSp, rbdpLA, rbdpArg, rbdpAll})
    connect(option, &QAbstractButton::clicked, this, &OptionsPage::optionClicked);
  // Connected after optionClicked: the options are read before the answer is checked.
  for (QCheckBox* option : {cbExactL, cbErrShow, cbBeep, cbAutoRandom, cbPauseCorr, cbMoveOn, CheckBox1})
    connect(option, &QCheckBox::clicked, this, &OptionsPage::answerCheckChanged);
  connect(reTimeDelay, &QLineEdit::textEdited, this, &OptionsPage::pauseTimeEdited);
  connect(bnVerbToFile, &QPushButton::clicked, this, &OptionsPage::exportAllClicked);
  connect(bnSpecialOutput, &QPushButton::clicked, this, &OptionsPage::exportSpecialClicked);

  // The options shown before, in turn: a radio button left alone by one keeps what
  // the one before chose, as on a page made at once.
  for (const TOptions& options : std::exchange(shownBeforeBuilt_, {})) ShowOnControls(options);
}

void OptionsPage::Show(const TOptions& options) {
  if (Built())
    ShowOnControls(options);
  else
    shownBeforeBuilt_.push_back(options);
}

void OptionsPage::ShowOnControls(const TOptions& options) {
  cbExactL->setChecked(options.exact);
  cbErrShow->setChecked(options.showerr);
  rbWholeWord->setChecked(options.word);
  rbLetters->setChecked(options.letters);
  cbBeep->setChecked(options.beep);
  cbAutoRandom->setChecked(options.random);
  cbPauseCorr->setChecked(options.pause);
  reTimeDelay->setText(ToQString(FormatSingle(options.pausetime)));
  cbMoveOn->setChecked(options.move);
  if (options.eng) rbEng->setChecked(true);
  if (options.span) rbSpan->setChecked(true);
  if (options.eng && options.span) rbEngSpan->setChecked(true);
  QRadioButton* const countries[] = {rbdpSp, rbdpLA, rbdpArg};
  (options.country >= 0 && options.country <= 2 ? countries[options.country] : rbdpAll)->setChecked(true);
}

void OptionsPage::Read(TOptions& options) {
  EnsureBuilt();
  options.exact = cbExactL->isChecked();
  options.showerr = cbErrShow->isChecked();
  options.word = rbWholeWord->isChecked();
  options.letters = rbLetters->isChecked();
  options.beep = cbBeep->isChecked();
  options.random = cbAutoRandom->isChecked();
  options.pause = cbPauseCorr->isChecked();
  // The field's own reading, so the options never take a number the field calls
  // unreadable.
  if (const double seconds = reTimeDelay->Value(); seconds == reTimeDelay->LastValue() && seconds != kNoValue)
    options.pausetime = static_cast<float>(seconds);
  options.move = cbMoveOn->isChecked();
  options.eng = rbEng->isChecked();
  options.span = rbSpan->isChecked();
  options.country = Country();
}

int OptionsPage::Country() const {
  if (rbdpSp->isChecked()) return 0;
  if (rbdpLA->isChecked()) return 1;
  if (rbdpArg->isChecked()) return 2;
  return 3;
}

std::int32_t OptionsPage::VerbsInTest() { return Built() ? reVIT->Value() : kVerbsInTestAtStart; }

}  // namespace parlavo
