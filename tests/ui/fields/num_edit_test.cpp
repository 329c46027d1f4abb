#include "num_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLocale>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QtTest>

#include <cstdint>
#include <limits>
#include <memory>

using namespace parlavo;

namespace {

// Records the custom events a field posts to its window.
class OwnerWindow : public QWidget {
 public:
  QList<QEvent::Type> posted;

 protected:
  void customEvent(QEvent* event) override { posted.append(event->type()); }
};

// The number-of-questions field as the options page sets it up.
void SetUpAsVerbsInTest(TNewIntEdit& field) {
  field.setMin(0);
  field.setMax(1000);
  field.setHasMin(true);
  field.setHasMax(true);
  field.setText(QStringLiteral("100"));
}

// Types each character as a key press; QTest's own typing knows ASCII only.
void Type(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    if (c.unicode() < 128) {
      QTest::keyClick(widget, c.toLatin1());
      continue;
    }
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
  }
}

enum class Kind { Base, Int, Real };

std::unique_ptr<TNewXEdit> MakeField(Kind kind, QWidget* parent) {
  switch (kind) {
    case Kind::Int: return std::make_unique<TNewIntEdit>(parent);
    case Kind::Real: return std::make_unique<TNewRealEdit>(parent);
    case Kind::Base: break;
  }
  return std::make_unique<TNewXEdit>(parent);
}

}  // namespace

Q_DECLARE_METATYPE(Kind)

class NumEditTest : public QObject {
  Q_OBJECT

  QStringList dialogs_;

  // The error messages a field signals, in order.
  void Watch(TNewXEdit& field) {
    connect(&field, &TNewXEdit::inputError, this, [this](const QString& text) { dialogs_.append(text); });
  }

 private slots:
  void init() { dialogs_.clear(); }

  void typedCharacters_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("int letters") << Kind::Int << "abcXYZ" << "";
    QTest::newRow("real letters") << Kind::Real << "abcXYZ" << "";
    QTest::newRow("int blank and comma") << Kind::Int << "1 ,2" << "12";
    QTest::newRow("real blank and comma") << Kind::Real << "1 ,2" << "12";
    QTest::newRow("int drops point") << Kind::Int << "0.5" << "05";
    QTest::newRow("real keeps point") << Kind::Real << "0.5" << "0.5";
    QTest::newRow("int signs anywhere") << Kind::Int << "+-1-+2--" << "+-1-+2--";
    QTest::newRow("real signs and points anywhere") << Kind::Real << "..-1.+" << "..-1.+";
    QTest::newRow("int accented and beyond one byte") << Kind::Int << QString::fromUtf8("é€7") << "7";
    QTest::newRow("base takes everything") << Kind::Base << QString::fromUtf8("a b,ñ.1") << QString::fromUtf8("a b,ñ.1");
    // clang-format on
  }
  void typedCharacters() {
    QFETCH(Kind, kind);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    auto field = MakeField(kind, nullptr);
    Type(field.get(), typed);
    QCOMPARE(field->text(), expected);
  }

  // Text committed by an input method passes the same filter as typed keys.
  void inputMethodTextIsFiltered() {
    TNewRealEdit field;
    QInputMethodEvent event;
    event.setCommitString(QString::fromUtf8("a1,5.é2"));
    QApplication::sendEvent(&field, &event);
    QCOMPARE(field.text(), QStringLiteral("15.2"));
  }

  // Editing keys and commands edit as in any line edit. The events carry the text
  // that X11 gives them (Delete "\x7f", Ctrl+V "\x16"...), which a filter of typed
  // characters must not mistake for typed characters.
  void editingKeysEdit_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("clipboard");
    for (Kind kind : {Kind::Int, Kind::Real}) {
      const QByteArray name = kind == Kind::Int ? "int " : "real ";
      // The field holds "12" with the caret between 1 and 2; the clipboard holds "99".
      // clang-format off
      QTest::newRow(name + "Delete") << kind << "Delete" << "1" << "99";
      QTest::newRow(name + "Backspace") << kind << "Backspace" << "2" << "99";
      QTest::newRow(name + "Ctrl+V") << kind << "Ctrl+V" << "1992" << "99";
      QTest::newRow(name + "Ctrl+A Delete") << kind << "Ctrl+A Delete" << "" << "99";
      QTest::newRow(name + "Ctrl+A Ctrl+X") << kind << "Ctrl+A Ctrl+X" << "" << "12";
      QTest::newRow(name + "Delete Ctrl+Z") << kind << "Delete Ctrl+Z" << "12" << "99";
      // clang-format on
    }
  }
  void editingKeysEdit() {
    QFETCH(Kind, kind);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QFETCH(QString, clipboard);
    struct X11Key {
      int key;
      Qt::KeyboardModifiers modifiers;
      const char* text;
    };
    const QHash<QString, X11Key> events = {
        {"Delete", {Qt::Key_Delete, Qt::NoModifier, "\x7f"}},
        {"Backspace", {Qt::Key_Backspace, Qt::NoModifier, "\x08"}},
        {"Ctrl+A", {Qt::Key_A, Qt::ControlModifier, "\x01"}},
        {"Ctrl+V", {Qt::Key_V, Qt::ControlModifier, "\x16"}},
        {"Ctrl+X", {Qt::Key_X, Qt::ControlModifier, "\x18"}},
        {"Ctrl+Z", {Qt::Key_Z, Qt::ControlModifier, "\x1a"}},
    };
    auto field = MakeField(kind, nullptr);
    QApplication::clipboard()->setText(QStringLiteral("99"));
    Type(field.get(), QStringLiteral("12"));
    field->setCursorPosition(1);
    for (const QString& name : keys.split(' ')) {
      const X11Key& k = events[name];
      QKeyEvent press(QEvent::KeyPress, k.key, k.modifiers, QString::fromLatin1(k.text));
      QKeyEvent release(QEvent::KeyRelease, k.key, k.modifiers, QString::fromLatin1(k.text));
      QApplication::sendEvent(field.get(), &press);
      QApplication::sendEvent(field.get(), &release);
    }
    QCOMPARE(field->text(), expected);
    QCOMPARE(QApplication::clipboard()->text(), clipboard);
  }

  // Printable characters still meet the filter, whatever the key says.
  void printableTextIsFiltered() {
    TNewIntEdit field;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(&field, &press);
    QKeyEvent digit(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("7"));
    QApplication::sendEvent(&field, &digit);
    QCOMPARE(field.text(), QStringLiteral("7"));
  }

  // Pasted text is not filtered; Value then judges it.
  void pastedTextIsKept() {
    TNewIntEdit field;
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    field.paste();
    QCOMPARE(field.text(), QStringLiteral("abc"));
  }

  void pastedTextIsUnreadable() {
    TNewIntEdit field;
    QApplication::clipboard()->setText(QStringLiteral("twelve"));
    field.paste();
    QCOMPARE(field.Value(), -1);
    QCOMPARE(field.LastValue(), kNoValue);
  }

  void enterAndEscapeGoToTheOwner_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("event");
    for (Kind kind : {Kind::Base, Kind::Int, Kind::Real}) {
      const QByteArray name = kind == Kind::Base ? "base" : kind == Kind::Int ? "int" : "real";
      QTest::newRow(name + " Return") << kind << int(Qt::Key_Return) << int(kFieldEnterEvent);
      QTest::newRow(name + " keypad Enter") << kind << int(Qt::Key_Enter) << int(kFieldEnterEvent);
      QTest::newRow(name + " Escape") << kind << int(Qt::Key_Escape) << int(kFieldEscapeEvent);
    }
  }
  void enterAndEscapeGoToTheOwner() {
    QFETCH(Kind, kind);
    QFETCH(int, key);
    QFETCH(int, event);
    OwnerWindow window;
    QWidget inner(&window);  // the event goes to the window, not the direct parent
    auto field = MakeField(kind, &inner);
    field->setText(QStringLiteral("42"));
    QTest::keyClick(field.get(), Qt::Key(key));
    QCOMPARE(field->text(), QStringLiteral("42"));
    QVERIFY(window.posted.isEmpty());  // posted, not sent
    QCoreApplication::sendPostedEvents(&window);
    QCOMPARE(window.posted, QList<QEvent::Type>{QEvent::Type(event)});
  }

  void enterAndEscapeNeitherConfirmNorClose() {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* field = new TNewIntEdit(&dialog);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setDefault(true);
    layout->addWidget(field);
    layout->addWidget(ok);
    connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Escape);
    QCoreApplication::processEvents();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));  // never accepted
  }

  void focusSelectsAllText() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new TNewRealEdit(&window);
    auto* second = new TNewIntEdit(&window);
    layout->addWidget(first);
    layout->addWidget(second);
    second->setText(QStringLiteral("100"));
    second->setCursorPosition(1);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Tab);
    QVERIFY(second->hasFocus());
    QCOMPARE(second->selectedText(), QStringLiteral("100"));

    // Any other way in selects all too: by program, and by a click.
    first->setText(QStringLiteral("0.5"));
    first->setFocus(Qt::OtherFocusReason);
    QCOMPARE(first->selectedText(), QStringLiteral("0.5"));
    QTest::mouseClick(second, Qt::LeftButton, Qt::NoModifier, QPoint(2, second->height() / 2));
    QCoreApplication::processEvents();
    QVERIFY(second->hasFocus());
    QCOMPARE(second->selectedText(), QStringLiteral("100"));
  }

  void value_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("lastValue");
    QTest::newRow("blank") << "" << kNoValue << kNoValue;
    QTest::newRow("blanks only") << "   " << kNoValue << kNoValue;
    QTest::newRow("plain") << "100" << 100 << 100;
    QTest::newRow("plus sign") << "+7" << 7 << 7;
    QTest::newRow("minus sign") << "-7" << -7 << -7;
    QTest::newRow("minus one is a number") << "-1" << -1 << -1;
    QTest::newRow("surrounding blanks") << " 12 " << 12 << 12;
    QTest::newRow("largest") << "2147483647" << std::numeric_limits<int>::max() << std::numeric_limits<int>::max();
    QTest::newRow("smallest") << "-2147483648" << std::numeric_limits<int>::min() << std::numeric_limits<int>::min();
    QTest::newRow("above 32 bits") << "2147483648" << -1 << kNoValue;
    QTest::newRow("below 32 bits") << "-2147483649" << -1 << kNoValue;
    QTest::newRow("letters") << "abc" << -1 << kNoValue;
    QTest::newRow("sign alone") << "-" << -1 << kNoValue;
    QTest::newRow("two signs") << "--5" << -1 << kNoValue;
    QTest::newRow("sign inside") << "1-2" << -1 << kNoValue;
    QTest::newRow("point") << "1.5" << -1 << kNoValue;
    QTest::newRow("blank inside") << "1 2" << -1 << kNoValue;
  }
  void value() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(int, lastValue);
    TNewIntEdit field;
    field.setText(QStringLiteral("5"));
    field.Value();  // a stale LastValue must not survive
    field.setText(text);
    QCOMPARE(field.Value(), value);
    QCOMPARE(field.LastValue(), lastValue);
  }

  // Decimal notation only; the exponent form is refused since the field never
  // lets one type it and a pasted "1e3" is more likely a slip than a number.
  void realValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("lastValue");
    const double none = kNoValue;
    QTest::newRow("blank") << "" << none << none;
    QTest::newRow("blanks only") << "  " << none << none;
    QTest::newRow("half") << "0.5" << 0.5 << 0.5;
    QTest::newRow("no leading digit") << "-.25" << -0.25 << -0.25;
    QTest::newRow("no trailing digit") << "+5." << 5.0 << 5.0;
    QTest::newRow("whole") << "12" << 12.0 << 12.0;
    QTest::newRow("point alone") << "." << -1.0 << none;
    QTest::newRow("two points") << "1.2.3" << -1.0 << none;
    QTest::newRow("comma") << "0,5" << -1.0 << none;
    QTest::newRow("exponent") << "1e3" << -1.0 << none;
    QTest::newRow("infinity") << "inf" << -1.0 << none;
    QTest::newRow("hex") << "0x1A" << -1.0 << none;
    QTest::newRow("beyond double range") << "1" + QString(400, QLatin1Char('0')) << -1.0 << none;
  }
  void realValue() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(double, lastValue);
    // A locale whose decimal separator is a comma must change nothing.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TNewRealEdit field;
    field.setText(text);
    const double read = field.Value();
    QLocale::setDefault(QLocale::c());
    QCOMPARE(read, value);
    QCOMPARE(field.LastValue(), lastValue);
  }

  void validate_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("message");  // empty: valid
    const QString none;
    // clang-format off
    QTest::newRow("upper bound passes") << Kind::Int << "1000" << none << "";
    QTest::newRow("lower bound passes") << Kind::Int << "0" << none << "";
    QTest::newRow("above max") << Kind::Int << "1001" << none << "Maximum value is 1000";
    QTest::newRow("below min") << Kind::Int << "-1" << none << "Minimum value is 0";
    QTest::newRow("above max, described") << Kind::Int << "1001" << "Verbs" << "Maximum value of Verbs is 1000";
    QTest::newRow("below min, described") << Kind::Int << "-1" << "Verbs" << "Minimum value of Verbs is 0";
    QTest::newRow("blank") << Kind::Int << "" << none << "Field requires a value";
    QTest::newRow("blanks only") << Kind::Int << "   " << none << "Field requires a value";
    QTest::newRow("blank, described") << Kind::Int << "" << "Verbs" << "Verbs is a required field";
    QTest::newRow("unreadable") << Kind::Int << "abc" << none << "\"abc\" is not a numeric entry";
    QTest::newRow("out of 32 bits") << Kind::Int << "99999999999" << none
                                    << "\"99999999999\" is not a numeric entry";
    QTest::newRow("real above max") << Kind::Real << "1000.01" << none << "Maximum value is 1000";
    QTest::newRow("real below min") << Kind::Real << "-0.5" << none << "Minimum value is 0";
    QTest::newRow("real within") << Kind::Real << "999.99" << none << "";
    QTest::newRow("real unreadable") << Kind::Real << "1.2.3" << none << "\"1.2.3\" is not a numeric entry";
    // clang-format on
  }
  void validate() {
    QFETCH(Kind, kind);
    QFETCH(QString, text);
    QFETCH(QString, description);
    QFETCH(QString, message);
    auto field = MakeField(kind, nullptr);
    Watch(*field);
    auto* number = static_cast<TNewNumEdit*>(field.get());
    number->setMax(1000);
    number->setHasMin(true);
    number->setHasMax(true);
    field->setDescription(description);
    field->setText(text);
    QString error = QStringLiteral("untouched");
    const bool valid = field->Validate(error);
    QCOMPARE(valid, message.isEmpty());
    if (valid) {
      QCOMPARE(error, QStringLiteral("untouched"));
      QVERIFY(dialogs_.isEmpty());
    } else {
      QCOMPARE(error, message);
      QCOMPARE(dialogs_, QStringList{QStringLiteral("Input error\r\n") + message});
    }
  }

  // -1 is returned for unreadable text, yet Validate still calls it unreadable.
  void unreadableIsNotTakenForMinusOne() {
    TNewIntEdit field;
    field.setText(QStringLiteral("abc"));
    QCOMPARE(field.Value(), -1);
    QString error;
    QVERIFY(!field.Validate(error));
    QCOMPARE(error, QStringLiteral("\"abc\" is not a numeric entry"));
  }

  void boundsApplyOnlyToRequiredFields() {
    TNewIntEdit field;
    Watch(field);
    SetUpAsVerbsInTest(field);
    field.setRequired(false);
    QString error;
    for (const char* text : {"", "5000", "-3"}) {
      field.setText(QString::fromLatin1(text));
      QVERIFY2(field.Validate(error), text);
    }
    field.setText(QStringLiteral("x"));
    QVERIFY(!field.Validate(error));  // still has to be a number
    QVERIFY(dialogs_.size() == 1);
  }

  void zeroAndNegativeChecks_data() {
    QTest::addColumn<bool>("zeroAllowed");
    QTest::addColumn<bool>("negativeAllowed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("message");
    // clang-format off
    QTest::newRow("zero refused") << false << true << "0" << "" << "Zero is not allowed";
    QTest::newRow("zero refused, described") << false << true << "0" << "Count" << "Count must not be zero";
    QTest::newRow("zero allowed") << true << true << "0" << "" << "";
    QTest::newRow("negative refused") << true << false << "-4" << "" << "Negative values are not allowed";
    QTest::newRow("negative refused, described") << true << false << "-4" << "Count" << "Count must not be negative";
    QTest::newRow("blank optional field with negatives refused") << true << false << "" << "" << "";
    QTest::newRow("positive with negatives refused") << true << false << "4" << "" << "";
    QTest::newRow("typed no-value mark is negative too") << true << false << "-29999" << ""
                                                         << "Negative values are not allowed";
    QTest::newRow("negative zero is zero") << false << false << "-0" << "" << "Zero is not allowed";
    // clang-format on
  }
  void zeroAndNegativeChecks() {
    QFETCH(bool, zeroAllowed);
    QFETCH(bool, negativeAllowed);
    QFETCH(QString, text);
    QFETCH(QString, description);
    QFETCH(QString, message);
    TNewIntEdit field;
    field.setRequired(false);  // so blank text reaches the number checks
    field.setZeroAllowed(zeroAllowed);
    field.setNegativeAllowed(negativeAllowed);
    field.setDescription(description);
    field.setText(text);
    QString error;
    QCOMPARE(field.Validate(error), message.isEmpty());
    if (!message.isEmpty()) QCOMPARE(error, message);
  }

  // Number checks report in the status bar when one is passed; the required
  // check always shows a dialog.
  void statusBarReporting() {
    QStatusBar bar;
    TNewIntEdit field;
    Watch(field);
    SetUpAsVerbsInTest(field);
    QString error;
    field.setText(QStringLiteral("1001"));
    QVERIFY(!field.Validate(error, &bar));
    QCOMPARE(bar.currentMessage(), QStringLiteral("Maximum value is 1000"));
    QVERIFY(dialogs_.isEmpty());

    bar.clearMessage();
    field.setText(QString());
    QVERIFY(!field.Validate(error, &bar));
    QCOMPARE(bar.currentMessage(), QString());
    QCOMPARE(dialogs_, QStringList{QStringLiteral("Input error\r\nField requires a value")});
  }

  void failedValidateFocusesAndSelects() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* other = new TNewIntEdit(&window);
    auto* field = new TNewIntEdit(&window);
    layout->addWidget(other);
    layout->addWidget(field);
    SetUpAsVerbsInTest(*field);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    field->setText(QStringLiteral("2000"));
    QString error;
    QVERIFY(!field->Validate(error));
    QVERIFY(field->hasFocus());
    QCOMPARE(field->selectedText(), QStringLiteral("2000"));
  }

  void boundSetters_data() {
    QTest::addColumn<bool>("hasMin");
    QTest::addColumn<bool>("hasMax");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("newValue");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("Max to Min refused") << true << true << 0 << 1000 << "Max" << 0 << false;
    QTest::newRow("Max below Min refused") << true << true << 0 << 1000 << "Max" << -5 << false;
    QTest::newRow("Max above Min") << true << true << 0 << 1000 << "Max" << 1 << true;
    QTest::newRow("Min to Max refused") << true << true << 0 << 1000 << "Min" << 1000 << false;
    QTest::newRow("Min below Max") << true << true << 0 << 1000 << "Min" << 999 << true;
    QTest::newRow("Max with lower bound off") << false << true << 0 << 1000 << "Max" << -5 << true;
    QTest::newRow("Min with upper bound off") << true << false << 0 << 1000 << "Min" << 2000 << true;
    QTest::newRow("HasMin onto equal bounds refused") << false << true << 5 << 5 << "HasMin" << 1 << false;
    QTest::newRow("HasMax onto crossed bounds refused") << true << false << 9 << 5 << "HasMax" << 1 << false;
    QTest::newRow("HasMax onto sound bounds") << true << false << 0 << 5 << "HasMax" << 1 << true;
    QTest::newRow("switching a bound off") << true << true << 0 << 1000 << "HasMin" << 0 << true;
  }
  void boundSetters() {
    QFETCH(bool, hasMin);
    QFETCH(bool, hasMax);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(QString, property);
    QFETCH(int, newValue);
    QFETCH(bool, accepted);
    TNewIntEdit field;
    Watch(field);
    // Values first, with both bounds off, so the starting state is always reachable.
    QVERIFY(field.setMin(min) && field.setMax(max));
    QVERIFY(field.setHasMin(hasMin) && field.setHasMax(hasMax));
    QVERIFY(dialogs_.isEmpty());

    bool result = false;
    if (property == "Min") result = field.setMin(newValue);
    if (property == "Max") result = field.setMax(newValue);
    if (property == "HasMin") result = field.setHasMin(newValue != 0);
    if (property == "HasMax") result = field.setHasMax(newValue != 0);
    QCOMPARE(result, accepted);

    const std::int32_t expectedMin = property == "Min" && accepted ? newValue : min;
    const std::int32_t expectedMax = property == "Max" && accepted ? newValue : max;
    const bool expectedHasMin = property == "HasMin" && accepted ? newValue != 0 : hasMin;
    const bool expectedHasMax = property == "HasMax" && accepted ? newValue != 0 : hasMax;
    QCOMPARE(field.Min(), expectedMin);
    QCOMPARE(field.Max(), expectedMax);
    QCOMPARE(field.HasMin(), expectedHasMin);
    QCOMPARE(field.HasMax(), expectedHasMax);
    const QStringList expectedDialogs =
        accepted ? QStringList{} : QStringList{QStringLiteral("Input error\r\n\"Min\" must be less than \"Max\"")};
    QCOMPARE(dialogs_, expectedDialogs);
  }

  void defaults() {
    TNewXEdit base;
    TNewRealEdit real;
    QVERIFY(base.Required());
    QVERIFY(base.Alignment() & Qt::AlignLeft);
    QVERIFY(real.Alignment() & Qt::AlignRight);
    QCOMPARE(real.LastValue(), double(kNoValue));
    QCOMPARE(real.Decs(), 2);
    QVERIFY(!real.HasMin() && !real.HasMax());
    QCOMPARE(real.Max(), 100);
  }
};

QTEST_MAIN(NumEditTest)
#include "num_edit_test.moc"
