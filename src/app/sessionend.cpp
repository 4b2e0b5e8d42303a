#include "app/sessionend.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace orv {
namespace {

// An argument of a desktop entry's Exec key: in double quotes, with the
// characters the format reserves escaped, then the string escape of the
// file format itself (a backslash written twice).
std::string ExecArgument(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    quoted += c;
  }
  quoted += '"';
  std::string escaped;
  for (char c : quoted) {
    if (c == '\\') escaped += '\\';
    escaped += c;
  }
  return escaped;
}

}  // namespace

std::string RestartEntryPath() {
  QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (config.isEmpty() || !QDir::isAbsolutePath(config)) config = QDir::homePath() + "/.config";
  return (config + "/autostart/orv-restart.desktop").toStdString();
}

std::string RestartEntryText(const std::string& program, const std::string& programDir) {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Orv\n"
         "Comment=Starts Orv again after the session it was left running in\n"
         "Exec=" +
         ExecArgument(program) + " --home " + ExecArgument(programDir) +
         "\n"
         "X-GNOME-Autostart-enabled=true\n";
}

bool WriteRestartEntry(const std::string& program, const std::string& programDir) {
  const QString path = QString::fromStdString(RestartEntryPath());
  if (!QDir().mkpath(QFileInfo(path).path())) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const std::string text = RestartEntryText(program, programDir);
  file.write(text.data(), static_cast<qint64>(text.size()));
  return file.commit();
}

void RemoveRestartEntry() {
  QFile::remove(QString::fromStdString(RestartEntryPath()));
}

}  // namespace orv
