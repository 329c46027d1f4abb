// The help file: topics found by context number, each with a title and a text
// in a light markup that turns into HTML for the help window. The format is
// described at the top of data/Parlavo.hlp.
#pragma once

#include <QString>

#include <vector>

namespace parlavo {

inline constexpr int kHelpIndexContext = 9999;

// Limits far beyond any real help text (the shipped file is about 20 KB, its
// longest line under 500 characters). Past them the viewer would spend seconds to
// minutes laying out one unbroken line, so such a file or topic is not shown.
inline constexpr qsizetype kLargestHelpFile = 1024 * 1024;  // bytes
inline constexpr qsizetype kLongestHelpLine = 4096;         // characters

struct HelpTopic {
  int context = 0;
  QString title;
  QString text;      // the topic's lines in markup, without the header line
  int longLine = 0;  // file line number of the first line over kLongestHelpLine, or 0
};

class HelpFile {
 public:
  // Never fails: lines before the first topic are ignored, a malformed topic
  // header is kept as text, and of two topics with one number the first counts.
  // A line over kLongestHelpLine is not kept; its topic records where it was.
  static HelpFile Parse(const QString& contents);

  const std::vector<HelpTopic>& Topics() const { return topics_; }
  const HelpTopic* Find(int context) const;

  // The topic's text as an HTML fragment: title heading, paragraphs, headings,
  // bullet lists, bold, and links of the form topic:N.
  QString TopicHtml(const HelpTopic& topic) const;

  // Every context number the topic links to, in order of appearance.
  static std::vector<int> LinkTargets(const HelpTopic& topic);

 private:
  QString Inline(const QString& line) const;
  std::vector<HelpTopic> topics_;
};

// What a help viewer says when the file or a topic is missing; `fileName` is the
// file's bare name.
QString HelpFileMissingMessage(const QString& fileName);
QString HelpTopicMissingMessage(int context, const QString& fileName);
QString HelpFileTooLargeMessage(const QString& fileName);
QString HelpLineTooLongMessage(const HelpTopic& topic, const QString& fileName);

// The "topic:N" address of a topic, and back; -1 for any other address.
QString HelpTopicAddress(int context);
int HelpTopicFromAddress(const QString& address);

}  // namespace parlavo
