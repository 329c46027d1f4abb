#include "help_page.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "clickable_label.h"
#include "fonts.h"
#include "place.h"

namespace parlavo {

namespace {

// Every topic button in one place: what it says, where it stands and what it opens.
struct HelpButton {
  const char* name;
  const char* caption;
  int column;
  int y;
  bool bold;
  int context;
};
constexpr HelpButton kHelpButtons[] = {
    {"Button53", "INDEX", 0, 59, true, 9999},
    {"Button54", "Setting Program Options", 1, 59, true, 13},
    {"Button58", "Main Screen", 2, 59, false, 4},
    {"Button55", "Welcome", 0, 91, false, 1},
    {"Button56", "Setting Country Option", 1, 91, false, 13},
    {"Button57", "Verb Tester", 2, 91, false, 5},
    {"Button62", "Introduction", 0, 123, false, 2},
    {"Button63", "Show Program Features", 1, 123, false, 3},
    {"Button64", "Verb List", 2, 123, false, 6},
    {"Button51", "Getting Started", 0, 176, true, 10},
    {"Button61", "Single Verb Tests", 1, 176, false, 7},
    {"Button66", "Getting Started", 0, 232, true, 11},
    {"Button60", "List of tests included", 1, 232, false, 8},
    {"Button52", "Getting Started", 0, 288, true, 12},
    {"Button59", "Saving/Loading Tests", 1, 288, false, 14},
    {"bnHelpReviewing", "Reviewing", 2, 288, false, 18},
};
constexpr int kColumnX[3] = {168, 292, 448};
constexpr int kColumnW[3] = {113, 145, 89};

}  // namespace

HelpPage::HelpPage(QWidget* parent) : LazyPage(parent) {}

void HelpPage::Build(QWidget* page) {
  for (const HelpButton& b : kHelpButtons) {
    QPushButton* button = Place<QPushButton>(page, b.name, kColumnX[b.column], b.y + 4, kColumnW[b.column], 25);
    button->setText(b.caption);
    if (b.bold) button->setFont(PixelFont("MS Sans Serif", 11, true));
    connect(button, &QPushButton::clicked, this, [this, context = b.context] { emit topicRequested(context); });
  }
  const struct {
    const char* name;
    const char* caption;
    int y;
  } groups[] = {{"lbHelpGeneral", "General Help", 88},
                {"lbHelpBeginners", "Beginners", 176},
                {"lbHelpIntermediate", "Intermediate", 232},
                {"lbHelpAdvanced", "Advanced", 288}};
  for (const auto& group : groups) {
    auto* title = Place<QLabel>(page, group.name, 16, group.y, 148, 32);
    title->setText(group.caption);
    title->setFont(PixelFont("Arial Narrow", 27));
  }
  int rule = 0;
  for (int y : {163, 219, 275, 331}) {
    auto* line = Place<QFrame>(page, QString("HelpRule%1").arg(++rule).toLatin1().constData(), 16, y, 521, 2);
    line->setAutoFillBackground(true);
    QPalette silver = line->palette();
    silver.setColor(QPalette::Window, QColor(0xc0, 0xc0, 0xc0));
    line->setPalette(silver);
  }
  auto* Label7 = Place<ClickableLabel>(page, "Label7", 192, 344, 200, 26);
  Label7->setText("www.parlavo.app");
  QFont link = PixelFont("Arial Narrow", 20);
  link.setUnderline(true);
  Label7->setFont(link);
  SetTextColour(Label7, QColor(0x1d, 0x3f, 0x7a));
  connect(Label7, &ClickableLabel::clicked, this, &HelpPage::webPageRequested);
}

}  // namespace parlavo
