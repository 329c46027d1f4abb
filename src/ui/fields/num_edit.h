// Single-line entry fields for typed numbers: they filter what may be typed, read
// their text with fixed values for blank and unreadable text, and check it against
// their settings.
#pragma once

#include <QEvent>
#include <QLineEdit>
#include <QString>

#include <cstdint>
#include <functional>

class QStatusBar;

namespace parlavo {

// Enter and Escape never reach a field; they are posted to the field's window as
// these events instead, so an owner may react to them (none does in this program).
inline constexpr QEvent::Type kFieldEnterEvent = QEvent::Type(QEvent::User + 3439);
inline constexpr QEvent::Type kFieldEscapeEvent = QEvent::Type(QEvent::User + 3438);

// The no-value mark: what Value gives for blank text and LastValue holds after
// blank or unreadable text.
inline constexpr int kNoValue = -29999;

class TNewXEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TNewXEdit(QWidget* parent = nullptr);

  // Names the field in messages.
  QString Description() const { return description_; }
  void setDescription(const QString& description) { description_ = description; }
  bool Required() const { return required_; }
  void setRequired(bool required) { required_ = required; }
  bool ZeroAllowed() const { return zeroAllowed_; }
  void setZeroAllowed(bool allowed) { zeroAllowed_ = allowed; }
  bool NegativeAllowed() const { return negativeAllowed_; }
  void setNegativeAllowed(bool allowed) { negativeAllowed_ = allowed; }
  Qt::Alignment Alignment() const { return alignment(); }

  // True when the content passes every check; otherwise `error` receives the
  // first failing check's message, which is reported, and the result is false.
  virtual bool Validate(QString& error, QStatusBar* bar = nullptr);

  // Puts `message` in the status bar when one is given, else signals it after
  // "Input error" for the owner to show; then the field takes the focus.
  void ReportInputError(const QString& message, QStatusBar* bar = nullptr);

  // Empty, or blanks only.
  static bool IsBlank(const QString& text);

 signals:
  // "Input error" and a message, to be shown as an error (lines end in CR LF).
  void inputError(const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

  // Whether a typed character (a Windows-1252 code, control characters
  // included) may reach the field.
  virtual bool AcceptsCharacter(char32_t code) const;

  // The check of a required field; empty when it passes.
  QString RequiredError() const;

 private:
  QString description_;
  bool required_ = true;
  bool zeroAllowed_ = true;
  bool negativeAllowed_ = true;
};

// A numeric field with optional bounds. Both bounds on with Min not below Max is
// never allowed: a setter that would lead there is refused with a dialog.
class TNewNumEdit : public TNewXEdit {
  Q_OBJECT

 public:
  explicit TNewNumEdit(QWidget* parent = nullptr);

  bool HasMin() const { return hasMin_; }
  bool HasMax() const { return hasMax_; }
  std::int32_t Min() const { return min_; }
  std::int32_t Max() const { return max_; }
  // Each returns false, shows the range dialog and keeps the old setting when
  // the new one is refused.
  bool setHasMin(bool on);
  bool setHasMax(bool on);
  bool setMin(std::int32_t value);
  bool setMax(std::int32_t value);

  // Shows "Input error" and the range message in an error dialog; the focus
  // stays where it is.
  void RangeSetupError();

 protected:
  // The checks shared by the integer and the real field after the required
  // check, on a value just read; a value differing from `lastValue` marks
  // unreadable text.
  bool ValidateNumber(double value, double lastValue, QString& error, QStatusBar* bar);

 private:
  bool Refuse();
  bool hasMin_ = false;
  bool hasMax_ = false;
  std::int32_t min_ = 0;
  std::int32_t max_ = 100;
};

class TNewIntEdit : public TNewNumEdit {
  Q_OBJECT

 public:
  explicit TNewIntEdit(QWidget* parent = nullptr);

  // The text as a 32-bit integer: -29999 for blank text, -1 for text that is not
  // an optional sign followed by digits or does not fit. Updates LastValue.
  std::int32_t Value();
  std::int32_t LastValue() const { return lastValue_; }
  bool Validate(QString& error, QStatusBar* bar = nullptr) override;

 protected:
  bool AcceptsCharacter(char32_t code) const override;

 private:
  std::int32_t lastValue_ = kNoValue;
};

class TNewRealEdit : public TNewNumEdit {
  Q_OBJECT

 public:
  explicit TNewRealEdit(QWidget* parent = nullptr);

  // The text as a decimal number with "." as separator whatever the locale:
  // -29999.0 for blank text, -1.0 for anything else that is not an optional sign,
  // digits and at most one point (no exponent). Updates LastValue.
  double Value();
  double LastValue() const { return lastValue_; }
  bool Validate(QString& error, QStatusBar* bar = nullptr) override;

  // Stored for the designer's sake; no behaviour uses it.
  int Decs() const { return decs_; }
  void setDecs(int decs) { decs_ = decs; }

 protected:
  bool AcceptsCharacter(char32_t code) const override;

 private:
  double lastValue_ = kNoValue;
  int decs_ = 2;
};

}  // namespace parlavo
