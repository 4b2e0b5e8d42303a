#include "app/helpindex.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace orv {
namespace {

QString ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

QString Unescape(QString text) {
  text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
  return text.simplified();
}

HelpPage PageOf(const QString& name, const QString& html) {
  HelpPage page;
  page.file = name.toStdString();
  static const QRegularExpression title(
      "<title>(.*?)</title>",
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  if (auto m = title.match(html); m.hasMatch()) page.title = Unescape(m.captured(1)).toStdString();
  static const QRegularExpression keywords(R"re(<meta\s+name="keywords"\s+content="([^"]*)")re",
                                           QRegularExpression::CaseInsensitiveOption);
  if (auto m = keywords.match(html); m.hasMatch()) {
    for (const QString& k : m.captured(1).split(';')) {
      const QString word = Unescape(k);
      if (!word.isEmpty()) page.keywords.push_back(word.toStdString());
    }
  }
  return page;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) < 0;
}

}  // namespace

HelpIndexO::HelpIndexO(std::string folder, const std::string& language)
    : folder_(std::move(folder)), language_(language) {
  const QDir dir(QString::fromStdString(folder_));
  if (folder_.empty() || !dir.exists()) return;
  const QDir translated(dir.filePath(QString::fromStdString(language)));
  std::vector<std::string> contentsLinks;
  for (const QString& name : dir.entryList({"*.html"}, QDir::Files, QDir::Name)) {
    QString html = ReadAll(dir.filePath(name));
    if (!language.empty() && translated.exists(name)) {
      for (const std::string& k : PageOf(name, html).keywords)
        englishKeywords_.push_back({k, name.toStdString()});
      translated_.push_back(name.toStdString());
      html = ReadAll(translated.filePath(name));
    }
    pages_.push_back(PageOf(name, html));
    for (const std::string& k : pages_.back().keywords)
      keywords_.push_back({k, pages_.back().file});
    if (pages_.back().file == kHelpContentsPage) contentsLinks = LocalLinks(html.toStdString());
  }
  for (const std::string& target : contentsLinks) {
    // A language's contents page reaches an English page as "../review.html".
    const std::string link = QFileInfo(QString::fromStdString(target)).fileName().toStdString();
    // Only pages: the style sheet is linked too.
    const bool isPage = std::any_of(pages_.begin(), pages_.end(),
                                    [&link](const HelpPage& page) { return page.file == link; });
    if (isPage && std::find(contents_.begin(), contents_.end(), link) == contents_.end()) {
      contents_.push_back(link);
    }
  }
  std::stable_sort(keywords_.begin(), keywords_.end(),
                   [](const HelpKeyword& a, const HelpKeyword& b) {
                     return LessIgnoringCase(a.keyword, b.keyword);
                   });
}

std::optional<std::string> HelpIndexO::PageFor(const std::string& keyword) const {
  const QString wanted = QString::fromStdString(keyword).simplified();
  for (const auto* keywords : {&keywords_, &englishKeywords_}) {
    for (const HelpKeyword& k : *keywords) {
      if (QString::fromStdString(k.keyword).compare(wanted, Qt::CaseInsensitive) == 0) {
        return k.file;
      }
    }
  }
  return std::nullopt;
}

std::vector<HelpKeyword> HelpIndexO::Search(const std::string& text) const {
  const QString wanted = QString::fromStdString(text).simplified();
  std::vector<HelpKeyword> starting;
  std::vector<HelpKeyword> containing;
  for (const HelpKeyword& k : keywords_) {
    const QString word = QString::fromStdString(k.keyword);
    if (word.startsWith(wanted, Qt::CaseInsensitive)) {
      starting.push_back(k);
    } else if (word.contains(wanted, Qt::CaseInsensitive)) {
      containing.push_back(k);
    }
  }
  starting.insert(starting.end(), containing.begin(), containing.end());
  return starting;
}

std::string HelpIndexO::PathOf(const std::string& file) const {
  QDir dir(QString::fromStdString(folder_));
  if (std::find(translated_.begin(), translated_.end(), file) != translated_.end()) {
    dir.cd(QString::fromStdString(language_));
  }
  return dir.filePath(QString::fromStdString(file)).toStdString();
}

std::vector<std::string> LocalLinks(const std::string& html) {
  static const QRegularExpression href(R"re(href\s*=\s*"([^"]*)")re",
                                       QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression scheme("^[A-Za-z][A-Za-z0-9+.-]*:");
  std::vector<std::string> links;
  auto it = href.globalMatch(QString::fromStdString(html));
  while (it.hasNext()) {
    QString target = it.next().captured(1);
    target = target.left(target.indexOf('#') < 0 ? target.size() : target.indexOf('#'));
    if (target.isEmpty() || scheme.match(target).hasMatch()) continue;
    links.push_back(target.toStdString());
  }
  return links;
}

std::string FindHelpFolder(const std::string& programFolder) {
  const QString program = QString::fromStdString(programFolder);
  const QStringList candidates = {
      program + "/help",       program + "/../share/orv/help",           program + "/../help",
      program + "/../../help", QStringLiteral(ORV_SOURCE_DIR) + "/help",
  };
  for (const QString& c : candidates) {
    if (QFileInfo::exists(c + "/" + kHelpContentsPage)) {
      return QDir::cleanPath(QFileInfo(c).absoluteFilePath()).toStdString();
    }
  }
  return {};
}

}  // namespace orv
