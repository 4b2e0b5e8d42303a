#include "app/registry.h"

#include <QSettings>
#include <QString>
#include <QVariant>

#include "app/programpaths.h"
#include "files/dos.h"
#include "files/filelayer.h"

namespace orv {
namespace {

QString KeyOf(std::string_view key, std::string_view name) {
  QString group = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
  group.replace('\\', '/');
  while (group.startsWith('/')) group.remove(0, 1);
  while (group.endsWith('/')) group.chop(1);
  return group + '/' + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString IniPath() {
  return QString::fromStdString(NativePath(RegistryFile()));
}

// The text after "=" of the key's line, as it stands in the file. QSettings
// reads an unquoted value with a comma as a list and drops the blanks after
// each comma, so such a value is taken from the line itself.
QString WholeLineValue(const std::string& file, const QString& key) {
  std::string text;
  if (ReadTextFile(file, text) != 0) return {};
  QString section;
  for (QString line : QString::fromStdString(text).split('\n')) {
    line = line.trimmed();
    if (line.startsWith('[') && line.endsWith(']')) {
      section = line.mid(1, line.size() - 2);
      if (section.compare("General", Qt::CaseInsensitive) == 0) section.clear();
      continue;
    }
    const qsizetype equals = line.indexOf('=');
    if (equals <= 0) continue;
    QString name = line.left(equals).trimmed().replace('\\', '/');
    if (!section.isEmpty()) name = section + '/' + name;
    if (name == key) return line.mid(equals + 1).trimmed();
  }
  return {};
}

// orv.ini can hold the database account's password, so only the accounts
// that may read the password file may read it. It is made private before
// QSettings saves it, as that save keeps the mode of the file it replaces,
// and after, as it does not keep a shared folder's group.
void WriteValue(const QString& key, const QVariant& value) {
  const std::string file = RegistryFile();
  if (FileFound(file)) {
    KeepFilePrivate(file);
  } else {
    WriteFileSafely(file, "", FileAccess::Private);
  }
  {
    QSettings ini(IniPath(), QSettings::IniFormat);
    ini.setValue(key, value);
  }
  KeepFilePrivate(file);
}

}  // namespace

std::string RegistryFile() {
  return Paths().programDir + "orv.ini";
}

bool RegValueExists(std::string_view key, std::string_view name) {
  const QSettings ini(IniPath(), QSettings::IniFormat);
  return ini.contains(KeyOf(key, name));
}

std::string RegReadString(std::string_view key, std::string_view name) {
  return IniValue(RegistryFile(), key, name).value_or(std::string());
}

std::optional<std::string> IniValue(const std::string& file, std::string_view key,
                                    std::string_view name) {
  const QSettings ini(QString::fromStdString(NativePath(file)), QSettings::IniFormat);
  const QVariant value = ini.value(KeyOf(key, name));
  if (!value.isValid()) return std::nullopt;
  if (value.typeId() == QMetaType::QStringList) {
    return WholeLineValue(file, KeyOf(key, name)).toStdString();
  }
  return value.toString().toStdString();
}

bool RegReadBool(std::string_view key, std::string_view name) {
  const QSettings ini(IniPath(), QSettings::IniFormat);
  const QVariant value = ini.value(KeyOf(key, name));
  // An INI file keeps only text: a value counts as an integer when its text is one.
  bool isInteger = false;
  const qlonglong number = value.toString().trimmed().toLongLong(&isInteger);
  return !isInteger || number != 0;
}

void RegWriteBool(std::string_view key, std::string_view name, bool value) {
  WriteValue(KeyOf(key, name), value ? 1 : 0);
}

void RegWriteString(std::string_view key, std::string_view name, std::string_view text) {
  WriteValue(KeyOf(key, name), QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace orv
