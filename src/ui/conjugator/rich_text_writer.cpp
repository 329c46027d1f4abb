#include "rich_text_writer.h"

#include <QFont>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextListFormat>
#include <QTextOption>
#include <algorithm>
#include <cmath>

#include "text_codec.h"

namespace parlavo {

int PixelsToPoints(int pixels, int dpi) {
  if (dpi <= 0) return pixels;
  return static_cast<int>(std::lround(static_cast<double>(pixels) * 72.0 / dpi));
}

RichTextWriter::RichTextWriter(QTextEdit* box) : box_(box), cursor_(box->document()) {
  family_ = QString::fromLatin1(kDefaultFamily.data(), static_cast<int>(kDefaultFamily.size()));
  color_ = Qt::black;
  heightPoints_ = PixelsToPoints(kDefaultPixels, Dpi());
}

int RichTextWriter::Dpi() const { return box_->logicalDpiY(); }

int RichTextWriter::PointsToLayoutPixels(int points) const {
  // The document lays out in the box's pixels.
  return static_cast<int>(std::lround(points * box_->logicalDpiX() / 72.0));
}

void RichTextWriter::Clear() {
  box_->clear();
  QFont font(family_ = QString::fromLatin1(kDefaultFamily.data(), static_cast<int>(kDefaultFamily.size())));
  font.setPixelSize(kDefaultPixels);
  box_->document()->setDefaultFont(font);
  box_->document()->setIndentWidth(kBulletPixels);
  cursor_ = QTextCursor(box_->document());
  empty_ = true;
  list_ = nullptr;

  color_ = Qt::black;
  bold_ = underline_ = italic_ = false;
  heightPoints_ = PixelsToPoints(kDefaultPixels, Dpi());
  alignment_ = Qt::AlignLeft;
  bullet_ = false;
  indentPoints_ = 0;
  tabPoints_.clear();
}

void RichTextWriter::SetColor(const QColor& color) { color_ = color; }
void RichTextWriter::SetStyle(bool bold, bool underline) {
  bold_ = bold;
  underline_ = underline;
  italic_ = false;
}
void RichTextWriter::SetItalic(bool italic) { italic_ = italic; }
void RichTextWriter::SetHeightPixels(int pixels) { heightPoints_ = PixelsToPoints(pixels, Dpi()); }
void RichTextWriter::SetFontName(const QString& family) { family_ = family; }

void RichTextWriter::SetAlignment(Qt::Alignment alignment) { alignment_ = alignment; }
void RichTextWriter::SetBullet(bool on) { bullet_ = on; }
void RichTextWriter::SetFirstIndentPoints(int points) { indentPoints_ = points; }
void RichTextWriter::SetTabStopsPoints(std::vector<int> points) { tabPoints_ = std::move(points); }

void RichTextWriter::TitleStyle() {
  SetStyle(true, true);
  SetColor(kTeal);
  SetHeightPixels(BaseHeight + 5);
}

void RichTextWriter::VerbHeaderStyle() {
  SetColor(kTeal);
  SetHeightPixels(BaseHeight);
}

void RichTextWriter::TenseHeadingStyle() {
  SetStyle(true, false);
  SetColor(kTeal);
  SetHeightPixels(BaseHeight + 3);
}

void RichTextWriter::RegularFormStyle() {
  SetColor(Qt::black);
  SetHeightPixels(BaseHeight - 3);
}

void RichTextWriter::IrregularFormStyle() {
  SetStyle(true, false);
  SetHeightPixels(BaseHeight - 3);
}

void RichTextWriter::ConjugationTabs() { SetTabStopsPoints({150, 225, 300}); }

void RichTextWriter::EndingsRow(std::string_view cp1252Line) {
  SetColor(Qt::black);
  SetHeightPixels(BaseHeight - 3);
  ConjugationTabs();
  AddLine(cp1252Line);
}

void RichTextWriter::AddLine(std::string_view cp1252Line) {
  QTextBlockFormat block;
  block.setAlignment(alignment_);
  const int indent = PointsToLayoutPixels(indentPoints_);
  block.setTextIndent(indent);
  block.setProperty(kIndentPointsProperty, indentPoints_);
  // Qt measures tab stops from where the line's text starts (after the indent and
  // the bullet); the model measures them from the box's left edge, so that columns
  // line up whatever the indent.
  const int lineStart = indent + (bullet_ ? kBulletPixels : 0);
  QList<QTextOption::Tab> tabs;
  QList<QVariant> tabPoints;
  for (int points : tabPoints_) {
    tabs.append(QTextOption::Tab(std::max(1, PointsToLayoutPixels(points) - lineStart), QTextOption::LeftTab));
    tabPoints.append(points);
  }
  block.setTabPositions(tabs);
  block.setProperty(kTabPointsProperty, tabPoints);

  QTextCharFormat chars;
  chars.setFontFamilies({family_});
  chars.setFontPointSize(heightPoints_);
  chars.setFontWeight(bold_ ? QFont::Bold : QFont::Normal);
  chars.setFontUnderline(underline_);
  chars.setFontItalic(italic_);
  chars.setForeground(color_);

  if (empty_) {
    cursor_.setBlockFormat(block);
    cursor_.setBlockCharFormat(chars);
    empty_ = false;
  } else {
    cursor_.insertBlock(block, chars);
  }

  if (bullet_) {
    if (list_ != nullptr) {
      list_->add(cursor_.block());
    } else {
      QTextListFormat bullets;
      bullets.setStyle(QTextListFormat::ListDisc);
      bullets.setIndent(1);
      list_ = cursor_.createList(bullets);
    }
  } else {
    list_ = nullptr;
  }

  // One line is one paragraph: a stray line break would split it.
  QString text = ToQString(cp1252Line);
  text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
  cursor_.insertText(text, chars);
}

void RichTextWriter::CaretToStart() {
  QTextCursor top(box_->document());
  top.movePosition(QTextCursor::Start);
  box_->setTextCursor(top);
  box_->ensureCursorVisible();
}

}  // namespace parlavo
