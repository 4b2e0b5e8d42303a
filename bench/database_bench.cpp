// The score database on the embedded engine: how long one logged answer
// takes, and the queries of the log, wrong-word and score windows over a
// large database (1,000,000 log rows and 100,000 score rows of 200 users):
// every form of the log and wrong-word statements, each also as it was
// written before the day column (cdate on the date texts) for reference, and
// the counted forms also over the log itself, as before the narrow count
// tables; and the start of a review over 2,000 items of each user (its
// selection alone too, and starts on a day with few items due, without and
// with a teacher's test day that fills the review with a list's never-asked
// words), against the start of a plain list test in the same run; and the
// upgrade of a database of the form before the count tables (1,000,000 log
// rows) while an older program logs an answer after another, in steps as the
// program does it, against the fill in one reservation of the log as it was
// done before. The large databases are built once in $ORV_BENCH_DIR
// (default: the temporary folder) and reused by later runs.
#include <benchmark/benchmark.h>
#include <ibase.h>

#include <QCoreApplication>
#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <memory>
#include <thread>
#include <vector>

#include "base/dialogs.h"
#include "bench_dirs.h"
#include "scores/firebird/engineroot.h"
#include "scores/firebird/fbclient.h"
#include "scores/firebird/fbtransaction.h"
#include "scores/firebird/owntransaction.h"
#include "scores/firebird/qtconnection.h"
#include "scores/firebird/schema.h"
#include "scores/logquery.h"
#include "scores/reviewtable.h"
#include "scores/scoredatabase.h"
#include "scores/scoredbhost.h"
#include "scores/wordtotals.h"
#include "session/reviewplan.h"
#include "session/reviewschedule.h"
#include "session/reviewselection.h"
#include "session_fixtures.h"

namespace {

using orv::ScoreDatabase;

constexpr int kLogRows = 1'000'000;
constexpr int kScoreRows = 100'000;
constexpr int kUsers = 200;
constexpr int kReviewItemsPerUser = 2'000;

struct QuietDialogs : orv::Dialogs {
  orv::MsgAnswer Message(orv::MsgKind, const std::string& text, orv::MsgButtons) override {
    std::cerr << text << "\n";
    return orv::MsgAnswer::No;
  }
  std::optional<std::string> Input(const std::string&, const std::string&,
                                   const std::string&) override {
    return std::nullopt;
  }
  orv::LoginEntry AskLogin() override { return {"No user", ""}; }
  std::optional<std::pair<std::string, std::string>> AskNewPasswordTwice() override { return {}; }
  orv::FileDialogResult OpenFile(const orv::FileDialogRequest& r) override {
    return {false, r.fileName};
  }
};

struct BenchHost : orv::ScoreDbHost {
  std::string path;
  std::string dir;
  bool quit = false;
  std::string ScoreDbPath() override { return path; }
  void SetScoreDbPath(const std::string& p) override { path = p; }
  std::string ProgramDir() override { return dir; }
  int CurrentLevel() override { return 255; }
  int ChangeDbLevel() override { return 250; }
  std::string CurrentDir() override { return "bench.orv\\"; }
  bool QuitAllowed() override { return quit; }
  void SetQuitAllowed() override { quit = true; }
  orv::DbAccount Account() override { return {}; }
};

QuietDialogs dialogs;
BenchHost host;

// A day of the last year as the program writes it, in PSQL.
const char* kDayText =
    "lpad(extract(day from :d), 2, '0') || '/' || lpad(extract(month from :d), 2, '0') || '/' || "
    "extract(year from :d)";

void Fill(const std::function<void(const std::string&)>& run) {
  // Generated inside the engine: one statement per table instead of a
  // million round trips. Every user answers on every day of the last year;
  // a third of the answers are wrong.
  const std::string users = std::to_string(kUsers);
  run("execute block as declare i integer = 0; declare d date; begin while (i < " +
      std::to_string(kLogRows) + ") do begin d = current_date - mod(i / " + users +
      ", 365); insert into log (name, date1, time1, file1, word, log_group, "
      "help_count, answer) values ('user' || mod(:i, " +
      users + "), " + kDayText +
      ", '12:00:00', 'bench.orv\\WORDS' || mod(:i, 50), 'word' || mod(:i, 997), "
      ":i / 20, mod(:i, 3), iif(mod(:i, 3) = 0, 'wrong' || mod(:i, 7), null)); "
      "i = i + 1; end end");
  run("execute block as declare i integer = 0; declare d date; begin while (i < " +
      std::to_string(kScoreRows) + ") do begin d = current_date - mod(i / " + users +
      ", 365); insert into score (name, date1, time1, file1, max_help, help_total, "
      "word_count, score, log_group) values ('user' || mod(:i, " +
      users + "), " + kDayText +
      ", lpad(mod(:i, 24), 2, '0') || ':30:00', 'bench.orv\\WORDS' || mod(:i, 50) "
      "|| '.SCO', mod(:i, 4), mod(:i, 9), 10, mod(:i, 11), :i); i = i + 1; end end");
}

// Every user's items of the review: boxes 1 to 5 in turn, due days spread
// over the two months around today, one item in 60 due each day.
void FillReview(ScoreDatabase& su) {
  su.RunAndCommit("delete from review_box");
  su.RunAndCommit(
      "execute block as declare i integer = 0; declare d date; begin while (i < " +
      std::to_string(kUsers * kReviewItemsPerUser) + ") do begin d = current_date - 30 + mod(i / " +
      std::to_string(kUsers) +
      ", 60); insert into review_box (name, file1, item, box, due_day, last_day, asked, "
      "missed) values ('user' || mod(:i, " +
      std::to_string(kUsers) + "), 'bench.orv\\WORDS' || mod(:i, 50), 'word' || (:i / " +
      std::to_string(kUsers) + "), mod(:i, 5) + 1, :d, :d - 1, 3, 1); i = i + 1; end end");
}

int Count(ScoreDatabase& su, const char* table) {
  if (!su.ConectDB()) return -1;
  QSqlQuery q(su.Database());
  if (!q.exec(QString("select count(*) from ") + table) || !q.next()) return -1;
  return q.value(0).toInt();
}

// The large database, built on first use; closed before the application ends.
std::unique_ptr<ScoreDatabase> large;

ScoreDatabase& Large() {
  if (large) return *large;
  large = [] {
    BenchHost& h = host;
    h.path = h.dir + "large-scores.gdb";
    if (!std::filesystem::exists(h.path)) {
      const std::string building = h.dir + "large-scores-building.gdb";
      std::filesystem::remove(building);
      orv::CreateScoreDatabase(building, orv::DbAccount{});
      // Without forced writes the engine leaves the writing of its pages to
      // the system: the fill takes minutes instead of most of an hour.
      const std::string async =
          "gfix -write async -user " + std::string(orv::kDbUser) + " '" + building + "'";
      if (std::system(async.c_str()) != 0) std::cerr << "could not run " << async << "\n";
      {
        BenchHost fillHost = h;
        fillHost.path = building;
        ScoreDatabase filler(dialogs, fillHost);
        std::cerr << "building the large database in " << building << " ...\n";
        Fill([&](const std::string& sql) { filler.RunAndCommit(sql); });
      }
      std::filesystem::rename(building, h.path);
    }
    auto db = std::make_unique<ScoreDatabase>(dialogs, h);
    if (Count(*db, "log") != kLogRows || Count(*db, "score") != kScoreRows) {
      std::cerr << "unexpected row counts in " << h.path << "; remove it to rebuild\n";
      std::exit(1);
    }
    // A database built before the review has its boxes added.
    if (Count(*db, "review_box") != kUsers * kReviewItemsPerUser) {
      std::cerr << "adding the review's boxes to " << h.path << " ...\n";
      FillReview(*db);
    }
    return db;
  }();
  return *large;
}

int FetchAll(ScoreDatabase& su, const QString& sql) {
  QSqlQuery q(su.Database());
  q.setForwardOnly(true);
  if (!q.exec(sql)) {
    std::cerr << q.lastError().text().toStdString() << "\n";
    std::exit(1);
  }
  int rows = 0;
  while (q.next()) ++rows;
  return rows;
}

// A connection of a program that knows only an older form of the schema.
QSqlDatabase OlderConnection(const QString& name, const std::string& path) {
  QSqlDatabase db = orv::AddEngineConnection(name, orv::DbAccount{});
  db.setDatabaseName(QString::fromStdString(path));
  if (!db.open()) {
    std::cerr << db.lastError().text().toStdString() << "\n";
    std::exit(1);
  }
  return db;
}

// The large database as the form before the count tables made it (the
// tests' copy of that script), built once.
std::string LargeForm2() {
  const std::string path = host.dir + "large-form2.gdb";
  if (std::filesystem::exists(path)) return path;
  const std::string building = host.dir + "large-form2-building.gdb";
  std::filesystem::remove(building);
  std::ifstream in(ORV_SOURCE_DIR "/tests/data/schema-form2.sql");
  orv::CreateDatabase(building, std::string(std::istreambuf_iterator<char>(in), {}),
                      orv::DbAccount{});
  const std::string async =
      "gfix -write async -user " + std::string(orv::kDbUser) + " '" + building + "'";
  if (std::system(async.c_str()) != 0) std::cerr << "could not run " << async << "\n";
  std::cerr << "building the large form-2 database in " << building << " ...\n";
  {
    QSqlDatabase db = OlderConnection("bench-form2-fill", building);
    Fill([&](const std::string& sql) {
      QSqlQuery q(db);
      if (!q.exec(QString::fromStdString(sql))) {
        std::cerr << q.lastError().text().toStdString() << "\n";
        std::exit(1);
      }
    });
    db.close();
  }
  QSqlDatabase::removeDatabase("bench-form2-fill");
  std::filesystem::rename(building, path);
  return path;
}

// The statements of the schema script that begin with one of heads.
std::vector<std::string> SchemaStatements(const std::vector<std::string>& heads) {
  std::vector<std::string> found;
  for (const std::string& statement : orv::ScriptStatements(orv::SchemaScript())) {
    for (const std::string& head : heads) {
      if (statement.compare(0, head.size(), head) == 0) found.push_back(statement);
    }
  }
  return found;
}

// The count tables made and filled as the upgrade did before: the objects,
// then every narrow row and total in one transaction that reserves the log.
void UpgradeInOneReservation(const std::string& path) {
  QSqlDatabase db = OlderConnection("bench-one-reservation", path);
  auto objects = SchemaStatements(
      {"CREATE SEQUENCE LOG_WORD_ID", "CREATE TABLE LOG_WORD", "CREATE TABLE LOG_COUNT",
       "CREATE TABLE LOG_TOTAL", "CREATE INDEX LOG_WORD_HASH", "CREATE INDEX LOG_WORD_BY_ID",
       "CREATE INDEX LOG_TOTAL_WORD", "CREATE PROCEDURE LOG_WORD_NUMBER",
       "CREATE PROCEDURE LOG_COUNT_ADD", "CREATE PROCEDURE LOG_COUNT_REMOVE",
       "CREATE TRIGGER LOG_COUNTS"});
  orv::RunReservingWrite(db, {"LOG"}, objects, 100);
  orv::RunReservingWrite(
      db, {"LOG", "LOG_COUNT", "LOG_TOTAL"},
      {"EXECUTE BLOCK AS "
       "DECLARE N VARCHAR(100); DECLARE D DATE; DECLARE W VARCHAR(4000); "
       "DECLARE A SMALLINT; DECLARE I INTEGER; "
       "BEGIN "
       "FOR SELECT NAME, DAY1, WORD, IIF(ANSWER IS NULL, 0, 1) FROM LOG INTO :N, :D, :W, :A DO "
       "BEGIN "
       "EXECUTE PROCEDURE LOG_WORD_NUMBER(:W) RETURNING_VALUES :I; "
       "INSERT INTO LOG_COUNT (NAME, DAY1, WORD_ID, WRONG) VALUES (:N, :D, :I, :A); "
       "END "
       "END",
       "INSERT INTO LOG_TOTAL (WORD_ID, WRONG, N) "
       "SELECT WORD_ID, WRONG, COUNT(*) FROM LOG_COUNT GROUP BY WORD_ID, WRONG"},
      100);
  orv::RunReservingWrite(
      db, {"LOG_COUNT"},
      SchemaStatements({"CREATE INDEX LOG_COUNT_DAY1", "CREATE INDEX LOG_COUNT_NAME_DAY1"}), 100);
  db.close();
}

// A copy of the large form-2 database upgraded (by the program, or in one
// reservation for reference) while an older program logs an answer after
// another; the longest of those waits, and the whole upgrade's time.
void BM_UpgradeWhileLogging(benchmark::State& state, bool inOneReservation) {
  const std::string original = LargeForm2();
  const std::string path = host.dir + "upgrading.gdb";
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(path);
    std::filesystem::copy_file(original, path);
    std::atomic<bool> done{false};
    std::vector<double> ms;
    std::thread older([&] {
      {
        QSqlDatabase db = OlderConnection("bench-older", path);
        while (!done) {
          const auto start = std::chrono::steady_clock::now();
          QSqlQuery q(db);
          if (!q.exec("INSERT INTO log (name, date1, time1, file1, word, log_Group, help_count, "
                      "answer) VALUES ('older', '05/03/2004', '09:07:03', 'WORDS0', 'house', 12, "
                      "0, 'hous')")) {
            std::cerr << q.lastError().text().toStdString() << "\n";
            break;
          }
          ms.push_back(
              std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                  .count());
          std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        db.close();
      }
      QSqlDatabase::removeDatabase("bench-older");
    });
    state.ResumeTiming();
    if (inOneReservation) {
      UpgradeInOneReservation(path);
    } else {
      BenchHost upgradeHost = host;
      upgradeHost.path = path;
      ScoreDatabase su(dialogs, upgradeHost);
      if (!su.ConectDB() || !su.HasCountTables()) state.SkipWithError("the upgrade failed");
    }
    state.PauseTiming();
    done = true;
    older.join();
    std::sort(ms.begin(), ms.end());
    state.counters["answers_logged"] = static_cast<double>(ms.size());
    state.counters["longest_wait_ms"] = ms.empty() ? 0 : ms.back();
    state.counters["median_wait_ms"] = ms.empty() ? 0 : ms[ms.size() / 2];
    QSqlDatabase::removeDatabase("bench-one-reservation");
    state.ResumeTiming();
  }
  std::filesystem::remove(path);
}
BENCHMARK_CAPTURE(BM_UpgradeWhileLogging, InOneReservationBefore, true)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_UpgradeWhileLogging, InSteps, false)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

void BM_LogWord(benchmark::State& state) {
  BenchHost logHost = host;
  logHost.path = host.dir + "logword.gdb";
  std::filesystem::remove(logHost.path);
  orv::CreateScoreDatabase(logHost.path, orv::DbAccount{});
  ScoreDatabase su(dialogs, logHost);
  const std::int32_t group = su.NextLogGroup();
  std::vector<double> ms;
  int i = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    su.LogWord("ann", "/home/orv/orv.orv/WORDS0.ORV", "word" + std::to_string(i), "wrong", group,
               static_cast<std::uint16_t>(i % 3));
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
    ++i;
  }
  std::sort(ms.begin(), ms.end());
  state.counters["median_ms"] = ms[ms.size() / 2];
  state.counters["p99_ms"] = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
  state.counters["max_ms"] = ms.back();
}
BENCHMARK(BM_LogWord)->Iterations(1000)->Unit(benchmark::kMillisecond);

// The engine's own insert and commit of the same row on the same schema,
// through the client library with nothing of Orv between: the reference for
// BM_LogWord.
void BM_EngineInsertAndCommit(benchmark::State& state) {
  const std::string path = host.dir + "engine-insert.gdb";
  std::filesystem::remove(path);
  orv::CreateScoreDatabase(path, orv::DbAccount{});
  std::vector<char> dpb{isc_dpb_version1};
  for (auto [tag, value] : {std::pair{isc_dpb_user_name, orv::kDbUser},
                            std::pair{isc_dpb_password, orv::kDbPassword}}) {
    dpb.push_back(static_cast<char>(tag));
    dpb.push_back(static_cast<char>(std::strlen(value)));
    dpb.insert(dpb.end(), value, value + std::strlen(value));
  }
  ISC_STATUS_ARRAY status;
  isc_db_handle db = 0;
  if (isc_attach_database(status, 0, path.c_str(), &db, static_cast<short>(dpb.size()),
                          dpb.data()) != 0) {
    orv::RaiseEngineError(status, "attach");
  }
  std::vector<double> ms;
  int i = 0;
  for (auto _ : state) {
    const std::string insert =
        "INSERT INTO log (name, date1, time1, file1, word, log_Group, help_count, answer) VALUES "
        "('ann', '07/03/2004', '14:05:09', 'bench.orv\\WORDS0', 'word" +
        std::to_string(i++) + "', 1, 0, 'wrong')";
    const auto start = std::chrono::steady_clock::now();
    orv::FbTransaction transaction(&db, {});
    if (isc_dsql_execute_immediate(status, &db, transaction.Handle(), 0, insert.c_str(),
                                   SQL_DIALECT_V6, nullptr) != 0) {
      orv::RaiseEngineError(status, "insert");
    }
    transaction.Commit();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
  }
  isc_detach_database(status, &db);
  std::sort(ms.begin(), ms.end());
  state.counters["median_ms"] = ms[ms.size() / 2];
  state.counters["p99_ms"] = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
}
BENCHMARK(BM_EngineInsertAndCommit)->Iterations(1000)->Unit(benchmark::kMillisecond);

// The rows a window shows at first: it runs the statement and shows the
// first rows while the rest are fetched.
constexpr int kScreenRows = 40;

orv::CalendarDay DayOf(const QDate& d) {
  return {d.year(), static_cast<unsigned>(d.month()), static_cast<unsigned>(d.day())};
}

// What a form's statement reads: the narrow count tables (counted forms
// only), the log with its day column, the log's date texts through cdate.
enum class Source { kCountTables, kDayColumn, kCdate };

// One form of the log window's or the wrong-word window's statement.
struct QueryForm {
  bool wrongWords = false;  // the wrong-word window's count limits
  bool count = false;
  bool oneUser = false;
  int dates = 0;  // 0: none, 1: from a week ago, 2: from a week ago to today
  Source source = Source::kDayColumn;
};

std::string FormSql(const QueryForm& f) {
  orv::LogQueryControls c;
  c.count = f.count;
  if (f.oneUser) c.user = "user17";
  const QDate today = QDate::currentDate();
  if (f.dates > 0) c.from = DayOf(today.addDays(-7));
  if (f.dates > 1) c.to = DayOf(today);
  c.dayColumn = f.source != Source::kCdate;
  c.countTables = f.source == Source::kCountTables;
  orv::CountLimits limits;
  limits.moreThanOn = true;
  return f.wrongWords ? orv::WrongWordSql(c, limits) : orv::CreateLogSql(c);
}

std::string FormName(const QueryForm& f) {
  static const char* const kDates[] = {"AnyDay", "FromDate", "DateRange"};
  static const char* const kSources[] = {"/counts", "/day1", "/cdate"};
  return std::string(f.wrongWords ? "BM_WrongWordWindow/" : "BM_LogWindow/") +
         (f.count ? "Counted/" : "Rows/") + (f.oneUser ? "OneUser/" : "AllUsers/") +
         kDates[f.dates] + kSources[static_cast<int>(f.source)];
}

void BM_QueryForm(benchmark::State& state, const QueryForm& form) {
  ScoreDatabase& su = Large();
  const QString sql = QString::fromStdString(FormSql(form));
  // As the windows do before counting.
  if (form.source == Source::kCountTables) orv::FoldWordTotals(su.Database());
  int rows = 0;
  for (auto _ : state) {
    QSqlQuery q(su.Database());
    q.setForwardOnly(true);
    if (!q.exec(sql)) {
      std::cerr << q.lastError().text().toStdString() << "\n";
      std::exit(1);
    }
    rows = 0;
    while (rows < kScreenRows && q.next()) ++rows;
  }
  state.counters["rows"] = rows;
}

void RegisterQueryForms() {
  for (Source source : {Source::kCountTables, Source::kDayColumn, Source::kCdate}) {
    for (bool wrongWords : {false, true}) {
      for (bool count : {false, true}) {
        // Without counting the wrong-word window runs the log window's statement.
        if (wrongWords && !count) continue;
        // Only counts are read from the count tables.
        if (source == Source::kCountTables && !count) continue;
        for (bool oneUser : {true, false}) {
          for (int dates : {0, 1, 2}) {
            // Without dates the two statements over the log are the same text.
            if (source == Source::kCdate && dates == 0) continue;
            const QueryForm form{wrongWords, count, oneUser, dates, source};
            auto* b = benchmark::RegisterBenchmark(FormName(form).c_str(), BM_QueryForm, form);
            // A few runs tell enough; the forms that read every user's log
            // rows, by cdate or to count them, take seconds to minutes.
            const bool slow = !oneUser && ((source == Source::kCdate && dates > 0) ||
                                           (count && source != Source::kCountTables));
            b->Unit(benchmark::kMillisecond)->Iterations(slow ? 1 : 5);
          }
        }
      }
    }
  }
}

void BM_ScoreWindowQuery(benchmark::State& state) {
  ScoreDatabase& su = Large();
  const QString sql =
      "select name, percent1, ratio, date1, time1, max_help, help_total, log_group  from "
      "score_tab where UPPER(file1) = 'BENCH.ORV\\WORDS7.SCO' order by percent1 desc, sort_date "
      "desc, time1 desc";
  int rows = 0;
  for (auto _ : state) rows = FetchAll(su, sql);
  state.counters["rows"] = rows;
}
BENCHMARK(BM_ScoreWindowQuery)->Unit(benchmark::kMillisecond);

// Enter on Review up to the first question: the due items of one learner
// selected, made into questions, and the test started.
void BM_StartReview(benchmark::State& state) {
  ScoreDatabase& su = Large();
  orv::bench::TestBench bench;
  const std::string root = bench.dir.Str() + "orv.orv/";
  std::size_t questions = 0;
  for (auto _ : state) {
    const auto due =
        orv::SelectReview(su.Database(), "user7", orv::ReviewToday(), orv::kReviewItems, root);
    const orv::ReviewPlan plan = orv::PlanReview(due);
    questions = plan.questions.size();
    bench.session.RunReview(plan, "user7", bench.settings);
  }
  state.counters["questions"] = static_cast<double>(questions);
}
BENCHMARK(BM_StartReview)->Unit(benchmark::kMillisecond);

// The selection of BM_StartReview alone: where its time goes.
void BM_SelectReview(benchmark::State& state) {
  ScoreDatabase& su = Large();
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        orv::SelectReview(su.Database(), "user7", orv::ReviewToday(), orv::kReviewItems, ""));
  }
}
BENCHMARK(BM_SelectReview)->Unit(benchmark::kMillisecond);

// The start on a day when none of user7's items is overdue yet, so the
// items due that day do not fill the review: with no test day (0), and
// with a teacher's test day (1) that brings a list of 4,000 words, the
// learner's 2,000 boxes among them, which is read and compiled, its boxes
// read, and never-asked words fill the review.
void BM_StartReviewFewDue(benchmark::State& state) {
  ScoreDatabase& su = Large();
  orv::bench::TestBench bench;
  const std::string root = bench.dir.Str() + "orv.orv/";
  std::filesystem::create_directories(root + "bench.orv");
  std::string words;
  for (int i = 0; i < 2 * kReviewItemsPerUser; ++i) words += "word" + std::to_string(i) + "\r\n";
  std::ofstream(root + "bench.orv/WORDS7.ORV", std::ios::binary) << words;
  const std::int64_t today = orv::ReviewToday() - 31;
  // Set in the open transaction and undone at the end: the database stays as built.
  if (state.range(0) != 0) {
    orv::SetGroupTestDay(su.Database(), {"user7"}, "bench.orv\\WORDS7", today + 10);
  }
  std::size_t questions = 0;
  for (auto _ : state) {
    const auto due = orv::SelectReview(su.Database(), "user7", today, orv::kReviewItems, root);
    const orv::ReviewPlan plan = orv::PlanReview(due);
    questions = plan.questions.size();
    bench.session.RunReview(plan, "user7", bench.settings);
  }
  su.Rollback();
  state.counters["questions"] = static_cast<double>(questions);
}
BENCHMARK(BM_StartReviewFewDue)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Start on a plain list of as many words, in the same run.
void BM_StartListTest(benchmark::State& state) {
  orv::bench::TestBench bench;
  std::string words;
  for (std::size_t i = 0; i < orv::kReviewItems; ++i) words += "word" + std::to_string(i) + "\r\n";
  bench.WriteList(words);
  for (auto _ : state) bench.RunTest();
}
BENCHMARK(BM_StartListTest)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  host.dir = orv::bench::KeptDir();
  orv::PrepareEngine(host.dir, "");
  RegisterQueryForms();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  large.reset();
  return 0;
}
