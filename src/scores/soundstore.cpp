#include "scores/soundstore.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "base/translate.h"
#include "files/dos.h"
#include "files/filelayer.h"
#include "scores/firebird/engineerror.h"
#include "scores/sound/wavdecoder.h"
#include "scores/sound/wavplayer.h"
#include "scores/teachersonly.h"

namespace orv {
namespace {

QString Text(const std::string& s) {
  return QString::fromStdString(s);
}

// The stored name of the word, matched without regard to case.
std::optional<QString> StoredName(QSqlDatabase db, const std::string& word) {
  QSqlQuery query(db);
  query.prepare(QStringLiteral("SELECT FIRST 1 NAME FROM SOUND WHERE UPPER(NAME) = UPPER(?)"));
  query.addBindValue(Text(word));
  if (!query.exec() || !query.next()) return std::nullopt;
  return query.value(0).toString();
}

}  // namespace

bool SoundStore::WavForWord(const std::string& word) {
  try {
    return db_.ConectDB() && StoredName(db_.Database(), word).has_value();
  } catch (const std::exception&) {
    return false;
  }
}

std::optional<std::string> SoundStore::SoundOf(const std::string& word) {
  if (!db_.ConectDB()) return std::nullopt;
  QSqlQuery query(db_.Database());
  query.prepare(QStringLiteral("SELECT FIRST 1 DATA FROM SOUND WHERE UPPER(NAME) = UPPER(?)"));
  query.addBindValue(Text(word));
  if (!query.exec() || !query.next()) return std::nullopt;
  const QByteArray data = query.value(0).toByteArray();
  return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

void SoundStore::PlayWord(const std::string& word) {
  if (std::optional<std::string> wav = SoundOf(word)) PlayWav(*wav);
}

bool SoundStore::PlayIfStored(const std::string& word) {
  std::optional<std::string> wav;
  try {
    wav = SoundOf(word);
  } catch (const std::exception&) {
    return false;
  }
  return wav && PlayWav(*wav);
}

bool SoundStore::WriteWord(const std::string& fileName) {
  std::string bytes;
  if (ReadFileBytes(fileName, bytes, kSoundFileLimit) != 0) return false;
  return StoreWav(BaseName(fileName), bytes);
}

bool SoundStore::StoreWav(const std::string& word, const std::string& wav, Replace replace,
                          std::string* why) {
  const auto failed = [why](const std::string& reason) {
    if (why != nullptr) *why = reason;
    return false;
  };
  if (!db_.ConectDB()) {
    return failed(TrText("SoundStore", "the score database could not be opened"));
  }
  const std::optional<QString> stored = StoredName(db_.Database(), word);
  if (stored && replace == Replace::Ask &&
      !dialogs_.ConfirmYesNo('"' + word + '"' +
                             TrText("SoundStore", " Word allready in database overwrite! "))) {
    return failed(TrText("SoundStore", "it has a sound already"));
  }
  if (!DecodeWav(wav)) {
    return failed(TrText("SoundStore", "the sound is not a WAV file that can be played"));
  }

  QSqlQuery query(db_.Database());
  // The engine checks the account's rights when it prepares the statement.
  const bool prepared =
      query.prepare(stored ? QStringLiteral("UPDATE SOUND SET NAME = ?, DATA = ? WHERE NAME = ?")
                           : QStringLiteral("INSERT INTO SOUND (NAME, DATA) VALUES (?, ?)"));
  if (prepared) {
    query.addBindValue(Text(word));
    query.addBindValue(QByteArray(wav.data(), static_cast<qsizetype>(wav.size())));
    if (stored) query.addBindValue(*stored);
  }
  if (!prepared || !query.exec()) {
    // A learner's account may add a sound but not replace one.
    if (IsNoPermission(query.lastError())) {
      const std::string refused = TrText("ScoreDatabase", kTeachersOnly);
      if (why == nullptr) dialogs_.Warning(refused);
      return failed(refused);
    }
    return failed(Filled(TrText("SoundStore", "the score database refused it: %1"),
                         query.lastError().text().toStdString()));
  }
  try {
    db_.CommitRetaining();
  } catch (const std::exception& e) {
    return failed(e.what());
  }
  return true;
}

std::vector<std::string> SoundStore::Words() {
  std::vector<std::string> words;
  if (!db_.ConectDB()) return words;
  QSqlQuery query(db_.Database());
  if (!query.exec(QStringLiteral("SELECT NAME FROM SOUND"))) return words;
  while (query.next()) words.push_back(query.value(0).toString().toStdString());
  return words;
}

bool SoundStore::DeleteWord(const std::string& word) {
  if (!db_.ConectDB()) return false;
  const std::optional<QString> stored = StoredName(db_.Database(), word);
  if (!stored) return false;
  QSqlQuery query(db_.Database());
  if (!query.prepare(QStringLiteral("DELETE FROM SOUND WHERE NAME = ?"))) {
    throw E_DB_Error(RefusalText(query.lastError()));
  }
  query.addBindValue(*stored);
  if (!query.exec()) throw E_DB_Error(RefusalText(query.lastError()));
  db_.CommitRetaining();
  return true;
}

}  // namespace orv
