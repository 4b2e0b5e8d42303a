#include "app/registry.h"

#include <QFile>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include "app/programpaths.h"
#include "files/dos.h"
#include "files/filelayer.h"
#include "files/filelock.h"
#include "files/safesave.h"

namespace orv {
namespace {

QString KeyOf(std::string_view key, std::string_view name) {
  QString group = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
  group.replace('\\', '/');
  while (group.startsWith('/')) group.remove(0, 1);
  while (group.endsWith('/')) group.chop(1);
  return group + '/' + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// An INI file as QSettings sees it: a private copy of its bytes, read
// without following a link planted in a shared folder (such a file, or a
// missing one, is an empty copy). QSettings itself would follow any link,
// read as whoever runs the program, and write through it.
class IniCopy {
 public:
  explicit IniCopy(const std::string& file) {
    std::string bytes;
    code_ = ReadFileBytes(file, bytes);
    if (!folder_.isValid()) {
      code_ = 5;
      return;
    }
    QFile copy(Path());
    if (!copy.open(QIODevice::WriteOnly) ||
        copy.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size())) {
      code_ = 5;
    }
  }
  QString Path() const { return folder_.filePath("orv.ini"); }
  // The I/O code of reading the file: 0, 2 when there is none, or why not.
  int Code() const { return code_; }
  std::string Bytes() const {
    QFile copy(Path());
    return copy.open(QIODevice::ReadOnly) ? copy.readAll().toStdString() : std::string();
  }

 private:
  QTemporaryDir folder_;
  int code_ = 0;
};

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
// that may read the password file may read it: it is written as a private
// file, under its lock, by the program's safe save, which refuses a link in
// a shared folder and a file this account may not write.
int WriteValue(const std::string& file, const QString& key, const QVariant& value) {
  const FileLock lock(file, FileAccess::Private);
  if (lock.Code() != 0) return lock.Code();
  const IniCopy ini(file);
  if (ini.Code() != 0 && ini.Code() != 2) return ini.Code();
  {
    QSettings settings(ini.Path(), QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
    if (settings.status() != QSettings::NoError) return 5;
  }
  return WriteFileSafely(file, ini.Bytes(), FileAccess::Private);
}

}  // namespace

std::string RegistryFile(const ProgramPaths& paths) {
  return paths.programDir + "orv.ini";
}

bool RegValueExists(const ProgramPaths& paths, std::string_view key, std::string_view name) {
  const IniCopy copy(RegistryFile(paths));
  const QSettings ini(copy.Path(), QSettings::IniFormat);
  return ini.contains(KeyOf(key, name));
}

std::string RegReadString(const ProgramPaths& paths, std::string_view key, std::string_view name) {
  return IniValue(RegistryFile(paths), key, name).value_or(std::string());
}

std::optional<std::string> IniValue(const std::string& file, std::string_view key,
                                    std::string_view name) {
  const IniCopy copy(file);
  const QSettings ini(copy.Path(), QSettings::IniFormat);
  const QVariant value = ini.value(KeyOf(key, name));
  if (!value.isValid()) return std::nullopt;
  if (value.typeId() == QMetaType::QStringList) {
    return WholeLineValue(file, KeyOf(key, name)).toStdString();
  }
  return value.toString().toStdString();
}

bool RegReadBool(const ProgramPaths& paths, std::string_view key, std::string_view name) {
  const IniCopy copy(RegistryFile(paths));
  const QSettings ini(copy.Path(), QSettings::IniFormat);
  const QVariant value = ini.value(KeyOf(key, name));
  // An INI file keeps only text: a value counts as an integer when its text is one.
  bool isInteger = false;
  const qlonglong number = value.toString().trimmed().toLongLong(&isInteger);
  return !isInteger || number != 0;
}

int RegWriteBool(const ProgramPaths& paths, std::string_view key, std::string_view name,
                 bool value) {
  return WriteValue(RegistryFile(paths), KeyOf(key, name), value ? 1 : 0);
}

int RegWriteString(const ProgramPaths& paths, std::string_view key, std::string_view name,
                   std::string_view text) {
  return WriteValue(RegistryFile(paths), KeyOf(key, name),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace orv
