#pragma once
// Shared set-up of the score database tests: a private engine root for the
// whole test process, a program directory in a temporary folder, a host with
// settable answers, scripted dialogs, and a second connection that reads what
// was committed.
#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <atomic>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/platform.h"
#include "scores/firebird/engineroot.h"
#include "scores/firebird/fbclient.h"
#include "scores/scoredbhost.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"

namespace orv::test {

// Set before the client library first starts; kept until the process ends,
// because the engine reads its files from there while it runs. The engine's
// lock files of the tests' many short-lived databases go there too (helper
// processes inherit both, so they share the locks of this one).
inline const std::string& TestEngineRoot() {
  static TempDir folder;
  static const std::string root = PrepareEngine(folder.Str(), folder.Str() + "lock").root;
  return root;
}

struct TestHost : ScoreDbHost {
  std::string path;
  std::string programDir;
  std::string currentDir;
  int level = 255;
  int changeDbLevel = 250;
  bool quitAllowed = false;
  DbAccount account;
  std::vector<std::string> pathsWritten;

  std::string ScoreDbPath() override { return path; }
  void SetScoreDbPath(const std::string& p) override {
    path = p;
    pathsWritten.push_back(p);
  }
  std::string ProgramDir() override { return programDir; }
  int CurrentLevel() override { return level; }
  int ChangeDbLevel() override { return changeDbLevel; }
  std::string CurrentDir() override { return currentDir; }
  bool QuitAllowed() override { return quitAllowed; }
  void SetQuitAllowed() override { quitAllowed = true; }
  DbAccount Account() override { return account; }
};

inline const char* kNull = "<null>";

// The rows of a query, read on a connection of its own (so only committed
// work is seen); each value as text, NULL as kNull.
inline std::vector<std::vector<std::string>> Rows(const std::string& path, const std::string& sql) {
  static std::atomic<int> serial{0};
  const QString name = QStringLiteral("orv-test-reader-%1").arg(++serial);
  std::vector<std::vector<std::string>> rows;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), name);
    db.setDatabaseName(QString::fromStdString(path));
    db.setUserName(kDbUser);
    db.setPassword(kDbPassword);
    EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
    QSqlQuery query(db);
    EXPECT_TRUE(query.exec(QString::fromStdString(sql))) << query.lastError().text().toStdString();
    while (query.next()) {
      std::vector<std::string> row;
      for (int i = 0; i < query.record().count(); ++i) {
        const QVariant v = query.value(i);
        row.push_back(v.isNull() ? kNull : v.toString().toStdString());
      }
      rows.push_back(row);
    }
    query.finish();
    db.close();
  }
  QSqlDatabase::removeDatabase(name);
  return rows;
}

// Runs a statement on a connection of its own and commits it.
inline void Exec(const std::string& path, const std::string& sql) {
  const QString name = QStringLiteral("orv-test-writer");
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), name);
    db.setDatabaseName(QString::fromStdString(path));
    db.setUserName(kDbUser);
    db.setPassword(kDbPassword);
    ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
    QSqlQuery query(db);
    EXPECT_TRUE(query.exec(QString::fromStdString(sql))) << query.lastError().text().toStdString();
    query.finish();
    db.close();
  }
  QSqlDatabase::removeDatabase(name);
}

inline std::string OneValue(const std::string& path, const std::string& sql) {
  auto rows = Rows(path, sql);
  EXPECT_EQ(rows.size(), 1u) << sql;
  return rows.empty() || rows[0].empty() ? std::string() : rows[0][0];
}

// The address (HOST/PORT) of the Firebird server to test against, which
// scripts/test starts; empty when there is none and server tests skip.
inline std::string TestServer() {
  const char* server = std::getenv("ORV_TEST_FB_SERVER");
  return server == nullptr ? std::string() : std::string(server);
}

inline constexpr const char* kNoTestServer =
    "ORV_TEST_FB_SERVER is not set: no Firebird server to test against "
    "(scripts/test starts one with scripts/firebird-server)";

class ScoreDbTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(TestEngineRoot().empty());
    host.programDir = dir.Str();
    ResetQuitRequest();
    SetQuitHandler([this] { ++quitRequests; });
  }
  void TearDown() override {
    SetQuitHandler({});
    ResetQuitRequest();
  }
  // A new score database made from the schema, stored as "scoreDB".
  std::string NewDatabase(const std::string& name = "scoredb.gdb") {
    host.path = dir.Str() + name;
    CreateScoreDatabase(host.path, host.account);
    return host.path;
  }

  TempDir dir;
  TestHost host;
  FakeDialogs dialogs;
  int quitRequests = 0;
};

}  // namespace orv::test
