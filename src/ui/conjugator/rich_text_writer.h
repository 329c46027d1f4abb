// Writes styled lines into a QTextEdit the way the conjugation views need:
// a current character format and a current paragraph format that each step
// changes attribute by attribute, and lines added one at a time, each taking
// the formats current at that moment.
#pragma once

#include <QColor>
#include <QString>
#include <QTextCursor>
#include <QTextList>
#include <string_view>
#include <vector>

class QTextEdit;

namespace parlavo {

// Pixels to whole points at `dpi` dots per inch, halves away from zero
// (19 px at 96 dpi are 14 pt).
int PixelsToPoints(int pixels, int dpi);

class RichTextWriter {
 public:
  // The box's default font; a clear returns to it.
  static constexpr std::string_view kDefaultFamily = "Tahoma";
  static constexpr int kDefaultPixels = 16;
  static inline const QColor kTeal{0, 128, 128};

  explicit RichTextWriter(QTextEdit* box);

  // Empties the box and resets both current formats: default font, black,
  // no bold/underline/italic; left alignment, no bullet, indent 0, no tab stops.
  void Clear();

  // ---- character format, one attribute per call ----
  void SetColor(const QColor& color);
  // The style set: bold and underline together replace the whole set.
  void SetStyle(bool bold, bool underline);
  void SetItalic(bool italic);
  // Height in pixels, stored as whole points at the box's vertical resolution.
  void SetHeightPixels(int pixels);
  void SetFontName(const QString& family);

  // ---- paragraph format, one attribute per call ----
  void SetAlignment(Qt::Alignment alignment);
  void SetBullet(bool on);
  void SetFirstIndentPoints(int points);
  void SetTabStopsPoints(std::vector<int> points);

  // ---- the named steps of both views ----
  int BaseHeight = 14;  // pixels
  void TitleStyle();
  void VerbHeaderStyle();
  void TenseHeadingStyle();
  void RegularFormStyle();
  void IrregularFormStyle();
  void ConjugationTabs();  // stops at 150, 225 and 300 pt
  // Black, BaseHeight - 3, the conjugation tabs, then the line.
  void EndingsRow(std::string_view cp1252Line);

  // Appends one paragraph holding `cp1252Line` (Windows-1252) with the current formats.
  void AddLine(std::string_view cp1252Line);
  // Moves the caret to the top so the view shows its start.
  void CaretToStart();

  // The box's vertical resolution, which turns pixels into points.
  int Dpi() const;

  // The paragraph property that records the first-line indent in points, so a
  // reader does not have to undo the pixel conversion.
  static constexpr int kIndentPointsProperty = 0x100001;  // QTextFormat::UserProperty + 1
  // The same for the tab stops: a list of points.
  static constexpr int kTabPointsProperty = 0x100002;
  // Room for the bullet between the first-line indent and the text.
  static constexpr int kBulletPixels = 14;

 private:
  int PointsToLayoutPixels(int points) const;

  QTextEdit* box_;
  QTextCursor cursor_;
  bool empty_ = true;  // the document's first paragraph is still unused

  // character format
  QString family_;
  QColor color_;
  bool bold_ = false, underline_ = false, italic_ = false;
  int heightPoints_ = 12;
  // paragraph format
  Qt::Alignment alignment_ = Qt::AlignLeft;
  bool bullet_ = false;
  int indentPoints_ = 0;
  std::vector<int> tabPoints_;
  QTextList* list_ = nullptr;  // the bullet list that the previous line belongs to
};

}  // namespace parlavo
