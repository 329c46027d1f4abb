// Fixed-layout placement shared by the window and its pages: every control at its
// pixel position, its object name the member's name, so tests find it with findChild.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <array>
#include <string_view>
#include <type_traits>

#include "text_codec.h"

namespace parlavo {

// Creates a control of type W on `parent` at (x, y) with size w x h.
template <class W>
W* Place(QWidget* parent, const char* name, int x, int y, int w, int h) {
  W* widget = new W(parent);
  widget->setObjectName(name);
  // Labels show verbs, translations and names from files: text, never markup.
  if constexpr (std::is_base_of_v<QLabel, W>) widget->setTextFormat(Qt::PlainText);
  widget->setGeometry(x, y, w, h);
  return widget;
}
#define PLACE(member, Type, parent, x, y, w, h) member = Place<Type>(parent, #member, x, y, w, h)

// Text in `colour` over whatever lies beneath (a label paints no background of its
// own). A palette rather than a style sheet: a style sheet sends the widget through
// Qt's much slower style-sheet style.
inline void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}

// A check list: one unticked, tickable row per caption.
template <std::size_t N>
void SetItems(QListWidget* list, const std::array<std::string_view, N>& captions) {
  for (std::string_view caption : captions) {
    auto* item = new QListWidgetItem(ToQString(caption), list);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
}

}  // namespace parlavo
