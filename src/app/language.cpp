#include "app/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <algorithm>
#include <memory>

namespace orv {
namespace {

struct Installed {
  std::string language = "en";
  std::optional<std::string> commandLine;
  std::unique_ptr<QTranslator> program;
  std::unique_ptr<QTranslator> qt;
};

Installed& Current() {
  static Installed installed;
  return installed;
}

void Remove(std::unique_ptr<QTranslator>& translator) {
  if (translator) QCoreApplication::removeTranslator(translator.get());
  translator.reset();
}

std::unique_ptr<QTranslator> Loaded(const QString& file, const QString& folder) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(file, folder)) return nullptr;
  QCoreApplication::installTranslator(translator.get());
  return translator;
}

}  // namespace

std::string SupportedLanguage(const std::string& locale) {
  const std::string code = locale.substr(0, locale.find_first_of("_-.@"));
  const bool known = std::any_of(kProgramLanguages.begin(), kProgramLanguages.end(),
                                 [&](const ProgramLanguage& l) { return code == l.code; });
  return known ? code : "en";
}

std::string DesktopLanguage() {
  const QStringList languages = QLocale::system().uiLanguages();
  return SupportedLanguage(languages.isEmpty() ? std::string() : languages.front().toStdString());
}

std::string ChosenLanguage(const std::optional<std::string>& commandLine, const std::string& user) {
  if (commandLine && !commandLine->empty()) return SupportedLanguage(*commandLine);
  if (!user.empty()) return SupportedLanguage(user);
  return DesktopLanguage();
}

std::string FindTranslationsFolder(const std::string& programFolder) {
  const QString fromEnvironment = qEnvironmentVariable("ORV_TRANSLATIONS");
  if (!fromEnvironment.isEmpty()) return fromEnvironment.toStdString();
  const QString program = QString::fromStdString(programFolder);
  for (const QString& c : {program + "/translations", program + "/../translations",
                           program + "/../share/orv/translations"}) {
    if (QFileInfo(c).isDir()) return QDir::cleanPath(QFileInfo(c).absoluteFilePath()).toStdString();
  }
  return {};
}

bool LoadLanguage(const std::string& language, const std::string& folder) {
  Installed& current = Current();
  Remove(current.program);
  Remove(current.qt);
  current.language = language;
  // Dates and the calendar's day and month names follow the windows'
  // language; a desktop that speaks it keeps its country's formats. The
  // system locale itself is not taken: its name may follow LANGUAGE while its
  // day names follow LC_TIME.
  const QString desktop = QLocale::system().name();
  QLocale::setDefault(QLocale(SupportedLanguage(desktop.toStdString()) == language
                                  ? desktop
                                  : QString::fromStdString(language)));
  if (language == "en") return true;
  const QString code = QString::fromStdString(language);
  current.qt = Loaded("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  current.program = Loaded("orv_" + code, QString::fromStdString(folder));
  return current.program != nullptr;
}

const std::string& LoadedLanguage() {
  return Current().language;
}

void StartLanguage(const std::optional<std::string>& commandLine, const std::string& folder) {
  Current().commandLine = commandLine;
  LoadLanguage(ChosenLanguage(commandLine, {}), folder);
}

void FollowUserLanguage(const std::string& user, const std::string& folder) {
  const std::string language = ChosenLanguage(Current().commandLine, user);
  if (language != LoadedLanguage()) LoadLanguage(language, folder);
}

}  // namespace orv
