#include "help_window.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace parlavo {

namespace {

const QString kWindowTitle = QStringLiteral("Parlavo Help");
const QString kFilesNoteMark = QStringLiteral("{{files}}");

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(kWindowTitle);
  resize(560, 480);

  back_ = new QPushButton(QStringLiteral("&Back"), this);
  back_->setObjectName(QStringLiteral("bnBack"));
  index_ = new QPushButton(QStringLiteral("&Index"), this);
  index_->setObjectName(QStringLiteral("bnIndex"));
  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("helpBrowser"));
  // Links are ours to follow: topic links stay here, web links go to the browser.
  browser_->setOpenLinks(false);
  browser_->document()->setDefaultStyleSheet(
      QStringLiteral("h2 { color: #1f3f7a; } h3 { color: #1f3f7a; } a { color: #0645ad; }"));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back_);
  buttons->addWidget(index_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_);

  connect(back_, &QPushButton::clicked, this, &HelpWindow::Back);
  connect(index_, &QPushButton::clicked, this, &HelpWindow::Index);
  connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
  back_->setEnabled(false);
}

void HelpWindow::Open(const QString& helpFile, int context, const QString& filesNote) {
  fileName_ = QFileInfo(helpFile).fileName();
  QFile file(helpFile);
  fileFound_ = file.open(QIODevice::ReadOnly);
  // Read one byte past the limit, so a huge file (or an endless device) is never read whole.
  const QByteArray bytes = fileFound_ ? file.read(kLargestHelpFile + 1) : QByteArray();
  fileTooLarge_ = bytes.size() > kLargestHelpFile;
  file_ = fileFound_ && !fileTooLarge_ ? HelpFile::Parse(QString::fromUtf8(bytes).replace(kFilesNoteMark, filesNote))
                                       : HelpFile();
  ShowTopic(context);
}

void HelpWindow::ShowTopic(int context) {
  if (current_ >= 0 && current_ != context) history_.push_back(current_);
  Display(context);
}

QString HelpWindow::CurrentTitle() const {
  const HelpTopic* topic = file_.Find(current_);
  return topic != nullptr ? topic->title : QString();
}

void HelpWindow::Display(int context) {
  current_ = context;
  back_->setEnabled(!history_.empty());
  if (!fileFound_) {
    ShowMessage(HelpFileMissingMessage(fileName_));
    return;
  }
  if (fileTooLarge_) {
    ShowMessage(HelpFileTooLargeMessage(fileName_));
    return;
  }
  const HelpTopic* topic = file_.Find(context);
  if (topic == nullptr) {
    ShowMessage(HelpTopicMissingMessage(context, fileName_));
    return;
  }
  if (topic->longLine != 0) {
    ShowMessage(HelpLineTooLongMessage(*topic, fileName_));
    return;
  }
  setWindowTitle(kWindowTitle + QStringLiteral(" - ") + topic->title);
  browser_->setHtml(file_.TopicHtml(*topic));
}

void HelpWindow::ShowMessage(const QString& message) {
  setWindowTitle(kWindowTitle);
  browser_->setHtml(QStringLiteral("<p>%1</p>").arg(message.toHtmlEscaped()));
}

void HelpWindow::Back() {
  if (history_.empty()) return;
  const int previous = history_.back();
  history_.pop_back();
  Display(previous);
}

void HelpWindow::Index() { ShowTopic(kHelpIndexContext); }

void HelpWindow::FollowLink(const QUrl& url) {
  const int context = HelpTopicFromAddress(url.toString());
  if (context >= 0) {
    ShowTopic(context);
  } else if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) {
    QDesktopServices::openUrl(url);
  }
}

HelpWindow* ShowHelpTopic(const QString& helpFile, int context, const QString& filesNote) {
  static QPointer<HelpWindow> window;
  if (window.isNull()) {
    window = new HelpWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
  }
  window->Open(helpFile, context, filesNote);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace parlavo
