#include "num_edit.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QStatusBar>
#include <QTimer>

#include <charconv>
#include <optional>
#include <string>
#include <system_error>

namespace parlavo {

namespace {

constexpr char32_t kBackspace = 8;
constexpr char32_t kTab = 9;
constexpr char32_t kFormFeed = 12;
constexpr char32_t kEnter = 13;
constexpr char32_t kEscape = 27;
constexpr char32_t kDelete = 127;

// Surrounding blanks are forgiven: they can only come from a paste, and " 12 "
// plainly means 12.
std::string TrimmedAscii(const QString& text) { return text.trimmed().toStdString(); }

// Removes one leading sign; true when it was "-".
bool TakeSign(std::string_view& text) {
  if (text.empty() || (text.front() != '+' && text.front() != '-')) return false;
  const bool negative = text.front() == '-';
  text.remove_prefix(1);
  return negative;
}

// std::from_chars because it reads exactly one grammar, never the locale's, and
// reports overflow; only the leading "+" it does not take is handled here.
std::optional<std::int32_t> ParseInt(const QString& text) {
  const std::string s = TrimmedAscii(text);
  std::string_view digits = s;
  const bool negative = TakeSign(digits);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  std::string signed_digits = (negative ? "-" : "") + std::string(digits);
  std::int32_t value = 0;
  auto [end, ec] = std::from_chars(signed_digits.data(), signed_digits.data() + signed_digits.size(), value);
  if (ec != std::errc() || end != signed_digits.data() + signed_digits.size()) return std::nullopt;
  return value;
}

// Decimal notation only: an optional sign, digits and at most one point, with at
// least one digit. No exponent, "inf" or "nan": nothing the field lets one type.
std::optional<double> ParseReal(const QString& text) {
  const std::string s = TrimmedAscii(text);
  std::string_view body = s;
  const bool negative = TakeSign(body);
  if (body.find_first_not_of("0123456789.") != std::string_view::npos) return std::nullopt;
  if (body.find_first_of("0123456789") == std::string_view::npos) return std::nullopt;
  if (body.find('.') != body.rfind('.')) return std::nullopt;
  double value = 0;
  auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value, std::chars_format::fixed);
  if (ec != std::errc() || end != body.data() + body.size()) return std::nullopt;
  return negative ? -value : value;
}

// The printable character a key press types, as the Windows-1252 code a classic
// edit field would receive. Editing keys and commands (Delete, Backspace, arrows,
// Ctrl+A, Ctrl+V, Ctrl+X, Ctrl+Z...) type none: X11 gives Delete the text "\x7f" and
// Ctrl+V "\x16", and those must edit as in any line edit, never meet the filter.
std::optional<char32_t> TypedCharacter(const QKeyEvent* event) {
  const QString text = event->text();
  if (text.isEmpty()) return std::nullopt;
  if (text.size() != 1) return char32_t(0x10000);  // outside one byte: never a digit
  const char32_t code = text.at(0).unicode();
  if (code < 32 || code == kDelete) return std::nullopt;
  return code;
}

// What an integer field lets one type: editing keys, signs and digits.
bool IsIntegerCharacter(char32_t code) {
  return code == kBackspace || code == kTab || code == kFormFeed || code == '+' || code == '-' ||
         (code >= '0' && code <= '9');
}

QString Quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

}  // namespace

// ---------------------------------------------------------------- TNewXEdit

TNewXEdit::TNewXEdit(QWidget* parent) : QLineEdit(parent) {}

bool TNewXEdit::IsBlank(const QString& text) {
  for (QChar c : text) {
    if (c != QLatin1Char(' ')) return false;
  }
  return true;
}

QString TNewXEdit::RequiredError() const {
  if (!required_ || !IsBlank(text())) return {};
  if (description_.isEmpty()) return QStringLiteral("Field requires a value");
  return QStringLiteral("%1 is a required field").arg(description_);
}

bool TNewXEdit::Validate(QString& error, QStatusBar* bar) {
  const QString message = RequiredError();
  if (message.isEmpty()) return true;
  error = message;
  ReportInputError(message, bar);
  return false;
}

void TNewXEdit::ReportInputError(const QString& message, QStatusBar* bar) {
  if (bar != nullptr) {
    bar->showMessage(message);
  } else {
    emit inputError(QStringLiteral("Input error\r\n") + message);
  }
  setFocus(Qt::OtherFocusReason);
  // Also when the window is not active and no focus-in follows.
  selectAll();
}

bool TNewXEdit::AcceptsCharacter(char32_t code) const { return code != kEnter && code != kEscape; }

void TNewXEdit::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
    QCoreApplication::postEvent(window(), new QEvent(key == Qt::Key_Escape ? kFieldEscapeEvent : kFieldEnterEvent));
    event->accept();  // never on to a dialog's default or cancel button
    return;
  }
  const std::optional<char32_t> typed = TypedCharacter(event);
  if (typed && !AcceptsCharacter(*typed)) {
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void TNewXEdit::inputMethodEvent(QInputMethodEvent* event) {
  QString kept;
  for (QChar c : event->commitString()) {
    if (AcceptsCharacter(c.unicode())) kept += c;
  }
  if (kept == event->commitString()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
  QLineEdit::inputMethodEvent(&filtered);
}

void TNewXEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  selectAll();
  // A click that gave the focus would place the cursor after this; select once
  // the click is done.
  if (event->reason() == Qt::MouseFocusReason) QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

// -------------------------------------------------------------- TNewNumEdit

TNewNumEdit::TNewNumEdit(QWidget* parent) : TNewXEdit(parent) { setAlignment(Qt::AlignRight | Qt::AlignVCenter); }

bool TNewNumEdit::Refuse() {
  RangeSetupError();
  return false;
}

bool TNewNumEdit::setHasMin(bool on) {
  if (on && hasMax_ && min_ >= max_) return Refuse();
  hasMin_ = on;
  return true;
}

bool TNewNumEdit::setHasMax(bool on) {
  if (on && hasMin_ && min_ >= max_) return Refuse();
  hasMax_ = on;
  return true;
}

bool TNewNumEdit::setMin(std::int32_t value) {
  if (hasMin_ && hasMax_ && value >= max_) return Refuse();
  min_ = value;
  return true;
}

bool TNewNumEdit::setMax(std::int32_t value) {
  if (hasMin_ && hasMax_ && min_ >= value) return Refuse();
  max_ = value;
  return true;
}

void TNewNumEdit::RangeSetupError() {
  emit inputError(QStringLiteral("Input error\r\n\"Min\" must be less than \"Max\""));
}

bool TNewNumEdit::ValidateNumber(double value, double lastValue, QString& error, QStatusBar* bar) {
  const QString& description = Description();
  QString message;
  if (value != lastValue) {
    message = Quoted(text()) + QStringLiteral(" is not a numeric entry");
  } else if (!ZeroAllowed() && value == 0) {
    message = description.isEmpty() ? QStringLiteral("Zero is not allowed")
                                    : QStringLiteral("%1 must not be zero").arg(description);
  } else if (Required() && HasMin() && value < Min()) {
    message = IsBlank(description) ? QStringLiteral("Minimum value is %1").arg(Min())
                                   : QStringLiteral("Minimum value of %1 is %2").arg(description).arg(Min());
  } else if (Required() && HasMax() && value > Max()) {
    message = IsBlank(description) ? QStringLiteral("Maximum value is %1").arg(Max())
                                   : QStringLiteral("Maximum value of %1 is %2").arg(description).arg(Max());
  } else if (!NegativeAllowed() && value < 0 && !IsBlank(text())) {
    // Only blank text is exempt: a typed -29999 is as negative as any other number.
    message = description.isEmpty() ? QStringLiteral("Negative values are not allowed")
                                    : QStringLiteral("%1 must not be negative").arg(description);
  } else {
    return true;
  }
  error = message;
  ReportInputError(message, bar);
  return false;
}

// -------------------------------------------------------------- TNewIntEdit

TNewIntEdit::TNewIntEdit(QWidget* parent) : TNewNumEdit(parent) {}

std::int32_t TNewIntEdit::Value() {
  if (IsBlank(text())) {
    lastValue_ = kNoValue;
    return kNoValue;
  }
  const std::optional<std::int32_t> parsed = ParseInt(text());
  lastValue_ = parsed.value_or(kNoValue);
  return parsed.value_or(-1);
}

bool TNewIntEdit::Validate(QString& error, QStatusBar* bar) {
  // The required check always reports in a dialog, whatever bar was passed.
  if (!TNewXEdit::Validate(error, nullptr)) return false;
  const std::int32_t value = Value();
  return ValidateNumber(value, lastValue_, error, bar);
}

bool TNewIntEdit::AcceptsCharacter(char32_t code) const { return IsIntegerCharacter(code); }

// ------------------------------------------------------------- TNewRealEdit

TNewRealEdit::TNewRealEdit(QWidget* parent) : TNewNumEdit(parent) {}

double TNewRealEdit::Value() {
  if (IsBlank(text())) {
    lastValue_ = kNoValue;
    return kNoValue;
  }
  const std::optional<double> parsed = ParseReal(text());
  lastValue_ = parsed.value_or(kNoValue);
  return parsed.value_or(-1.0);
}

bool TNewRealEdit::Validate(QString& error, QStatusBar* bar) {
  if (!TNewXEdit::Validate(error, nullptr)) return false;
  const double value = Value();
  return ValidateNumber(value, lastValue_, error, bar);
}

bool TNewRealEdit::AcceptsCharacter(char32_t code) const { return code == '.' || IsIntegerCharacter(code); }

}  // namespace parlavo
