#include "support/translation_file.h"

#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <initializer_list>

#include "support/run_program.h"

namespace orv::test {

std::string SourceTsFile(const std::string& language) {
  QFile file(QStringLiteral(ORV_SOURCE_DIR "/translations/orv_%1.ts")
                 .arg(QString::fromStdString(language)));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

std::string PseudoTranslated(const std::string& tsText) {
  static const QRegularExpression message(
      "<source>(.*?)</source>((?:(?!<source>).)*?)<translation[^>]*>.*?</translation>",
      QRegularExpression::DotMatchesEverythingOption);
  return QString::fromStdString(tsText)
      .replace(message, "<source>\\1</source>\\2<translation>[!! \\1 !!]</translation>")
      .toStdString();
}

std::string TsText(const std::string& language, std::initializer_list<TsMessage> messages) {
  QString ts = QStringLiteral(
                   "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<TS version=\"2.1\" "
                   "language=\"%1\">\n")
                   .arg(QString::fromStdString(language));
  for (const TsMessage& m : messages) {
    ts += QStringLiteral(
              "<context><name>%1</name><message><source>%2</source>"
              "<translation>%3</translation></message></context>\n")
              .arg(QString(m.context).toHtmlEscaped(), QString::fromUtf8(m.source).toHtmlEscaped(),
                   QString::fromUtf8(m.translation).toHtmlEscaped());
  }
  return (ts + "</TS>\n").toStdString();
}

std::string CompileTranslation(const std::string& tsText, const std::string& folder,
                               const std::string& language) {
  const std::string ts = folder + "/orv_" + language + ".ts";
  QFile file(QString::fromStdString(ts));
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(tsText.data(), static_cast<qint64>(tsText.size())) < 0) {
    return "cannot write " + ts;
  }
  file.close();
  const ProgramRun run =
      RunProgram(ORV_LRELEASE, {"-silent", ts, "-qm", folder + "/orv_" + language + ".qm"});
  return run.exitCode == 0 ? std::string() : "lrelease: " + run.out + run.err;
}

}  // namespace orv::test
