#include "help_file.h"

#include <QRegularExpression>
#include <QStringList>

namespace parlavo {

namespace {

const QRegularExpression& HeaderPattern() {
  static const QRegularExpression pattern(QStringLiteral(R"(^@topic\s+(\d{1,9})\s+(\S.*)$)"));
  return pattern;
}

const QRegularExpression& LinkPattern() {
  static const QRegularExpression pattern(QStringLiteral(R"(\[\[(\d{1,9})(?:\|([^\]]*))?\]\])"));
  return pattern;
}

const QRegularExpression& BoldPattern() {
  static const QRegularExpression pattern(QStringLiteral(R"(\*\*(.+?)\*\*)"));
  return pattern;
}

bool IsComment(const QString& line) { return line.startsWith(QLatin1Char('#')); }

}  // namespace

HelpFile HelpFile::Parse(const QString& contents) {
  HelpFile file;
  HelpTopic* current = nullptr;
  HelpTopic discarded;  // a repeated number's text goes nowhere
  QString normalised = contents;
  normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  const QStringList lines = normalised.split(QLatin1Char('\n'));
  int number = 0;
  for (const QString& raw : lines) {
    ++number;
    if (raw.size() > kLongestHelpLine) {
      if (current != nullptr && current->longLine == 0) current->longLine = number;
      continue;
    }
    const QString line = raw.trimmed();
    if (IsComment(line)) continue;
    const QRegularExpressionMatch header = HeaderPattern().match(line);
    if (header.hasMatch()) {
      const int context = header.captured(1).toInt();
      if (file.Find(context) != nullptr) {
        discarded = HelpTopic{};
        current = &discarded;
        continue;
      }
      file.topics_.push_back(HelpTopic{context, header.captured(2).trimmed(), QString()});
      current = &file.topics_.back();
      continue;
    }
    if (current == nullptr) continue;
    current->text += line + QLatin1Char('\n');
  }
  for (HelpTopic& topic : file.topics_) topic.text = topic.text.trimmed();
  return file;
}

const HelpTopic* HelpFile::Find(int context) const {
  for (const HelpTopic& topic : topics_) {
    if (topic.context == context) return &topic;
  }
  return nullptr;
}

std::vector<int> HelpFile::LinkTargets(const HelpTopic& topic) {
  std::vector<int> targets;
  auto matches = LinkPattern().globalMatch(topic.text);
  while (matches.hasNext()) targets.push_back(matches.next().captured(1).toInt());
  return targets;
}

// Escapes first, so text in the file can never become markup of the viewer.
QString HelpFile::Inline(const QString& line) const {
  QString html = line.toHtmlEscaped();
  html.replace(BoldPattern(), QStringLiteral("<b>\\1</b>"));
  QString out;
  qsizetype from = 0;
  auto matches = LinkPattern().globalMatch(html);
  while (matches.hasNext()) {
    const QRegularExpressionMatch link = matches.next();
    out += html.mid(from, link.capturedStart() - from);
    const int context = link.captured(1).toInt();
    QString label = link.captured(2).trimmed();
    if (label.isEmpty()) {
      const HelpTopic* target = Find(context);
      label = target != nullptr ? target->title.toHtmlEscaped() : QStringLiteral("topic %1").arg(context);
    }
    out += QStringLiteral("<a href=\"%1\">%2</a>").arg(HelpTopicAddress(context), label);
    from = link.capturedEnd();
  }
  out += html.mid(from);
  return out;
}

QString HelpFile::TopicHtml(const HelpTopic& topic) const {
  QString html = QStringLiteral("<h2>%1</h2>\n").arg(topic.title.toHtmlEscaped());
  QString paragraph;
  bool in_list = false;
  auto flush_paragraph = [&] {
    if (!paragraph.isEmpty()) html += QStringLiteral("<p>%1</p>\n").arg(paragraph);
    paragraph.clear();
  };
  auto close_list = [&] {
    if (in_list) html += QStringLiteral("</ul>\n");
    in_list = false;
  };
  for (const QString& line : topic.text.split(QLatin1Char('\n'))) {
    if (line.isEmpty()) {
      flush_paragraph();
      close_list();
    } else if (line.startsWith(QStringLiteral("== "))) {
      flush_paragraph();
      close_list();
      html += QStringLiteral("<h3>%1</h3>\n").arg(Inline(line.mid(3).trimmed()));
    } else if (line.startsWith(QStringLiteral("- "))) {
      flush_paragraph();
      if (!in_list) html += QStringLiteral("<ul>\n");
      in_list = true;
      html += QStringLiteral("<li>%1</li>\n").arg(Inline(line.mid(2).trimmed()));
    } else {
      close_list();
      paragraph += (paragraph.isEmpty() ? QString() : QStringLiteral(" ")) + Inline(line);
    }
  }
  flush_paragraph();
  close_list();
  return html;
}

QString HelpFileMissingMessage(const QString& fileName) {
  return QStringLiteral("The help file '%1' could not be found.").arg(fileName);
}

QString HelpTopicMissingMessage(int context, const QString& fileName) {
  return QStringLiteral("Help topic %1 is not in '%2'.").arg(context).arg(fileName);
}

QString HelpFileTooLargeMessage(const QString& fileName) {
  return QStringLiteral("The help file '%1' is larger than %2 KB and cannot be shown.")
      .arg(fileName)
      .arg(kLargestHelpFile / 1024);
}

QString HelpLineTooLongMessage(const HelpTopic& topic, const QString& fileName) {
  return QStringLiteral("Help topic %1 cannot be shown: line %2 of '%3' is longer than %4 characters.")
      .arg(topic.context)
      .arg(topic.longLine)
      .arg(fileName)
      .arg(kLongestHelpLine);
}

QString HelpTopicAddress(int context) { return QStringLiteral("topic:%1").arg(context); }

int HelpTopicFromAddress(const QString& address) {
  static const QRegularExpression pattern(QStringLiteral(R"(^topic:(\d{1,9})$)"));
  const QRegularExpressionMatch match = pattern.match(address);
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

}  // namespace parlavo
