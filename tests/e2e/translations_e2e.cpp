// The program under a pseudo-translation that marks every text it translates
// ("[!! File !!]"), chosen as orv --lang de chooses it: every text of every
// window changes, so a text that was not marked for translation shows here,
// while what a file holds (a table's CSV) and orvc's output stay as written.
#include <gtest/gtest.h>
#include <QByteArray>
#include <QLocale>
#include <QRegularExpression>
#include <QSqlError>
#include <set>
#include <string>
#include <vector>

#include "app/language.h"
#include "e2e/program_home.h"
#include "e2e/showntexts.h"
#include "e2e/windowwalk.h"
#include "exchange/tabletext.h"
#include "lists/compile.h"
#include "progress/mistaketally.h"
#include "progress/progresstables.h"
#include "progress/tablemodel.h"
#include "scores/firebird/parameterblock.h"
#include "scores/teachersonly.h"
#include "support/run_program.h"
#include "support/temp_dir.h"
#include "support/translation_file.h"

namespace orv::e2e {
namespace {

// What the windows show of the walk's own data, not the program's words: the
// current list, the user and the wrong-word file.
const std::set<QString> kData = {"WORDS0.ORV", "ADMIN", "ADMIN.orv\\WrongWords.Orv"};
// Qt's own texts, which come in German from Debian's Qt translations.
const std::set<QString> kQtOwn = {"Abbrechen", "Nach links scrollen", "Nach rechts scrollen"};

bool Marked(const QString& text) {
  return text.contains("[!!") || text.contains("!!]");
}

class PseudoTranslation : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(MakeProgramDirectory(home.Str()), "");
    ASSERT_EQ(
        test::CompileTranslation(test::PseudoTranslated(test::SourceTsFile("de")), qm.Str(), "de"),
        "");
    StartLanguage(std::string("de"), qm.Str());
  }
  void TearDown() override { StartLanguage(std::nullopt, {}); }

  test::TempDir home;
  test::TempDir qm;
};

TEST_F(PseudoTranslation, ChangesEveryTextOfEveryWindow) {
  std::vector<std::string> unmarked;
  std::size_t texts = 0;
  WalkEveryWindow(
      home.Str(),
      [&](QWidget& window) {
        for (const ShownText& t : ShownTexts(window)) {
          ++texts;
          // A number shows the same in every language.
          const bool words = t.text.contains(QRegularExpression("[A-Za-z]"));
          if (words && !Marked(t.text) && !kData.contains(t.text) && !kQtOwn.contains(t.text)) {
            unmarked.push_back(t.where + ": " + t.text.toStdString());
          }
        }
      },
      true);
  EXPECT_GT(texts, 400u);
  for (const std::string& u : unmarked) ADD_FAILURE() << u;
}

// Each part of the compiler that makes error lines: the reason is read in
// the loaded language, and the line stays a comment.
TEST_F(PseudoTranslation, ChangesTheCompilesErrorLines) {
  CompileSettings settings;
  settings.scriptMode = true;
  for (const char* line : {"cat|", "$Decimal points", "$1/0", "$1/0.0", "$RAND(1", "$#1 ab"}) {
    const CompiledSource compiled = CompileSourceLine(line, settings);
    ASSERT_EQ(compiled.lines.size(), 1u) << line;
    const std::string& text = compiled.lines.front().text;
    EXPECT_TRUE(text.starts_with("//") && Marked(QString::fromStdString(text))) << text;
  }
  EXPECT_TRUE(Marked(QString::fromStdString(CompileWarningText(3))));
}

// The score database's messages whose texts are marked apart from where they
// are translated: the refusal of a learner's account, and a too long account
// text with the name of what is too long translated inside the message.
TEST_F(PseudoTranslation, ChangesTheScoreDatabasesMarkedMessages) {
  const QSqlError refused("", "", QSqlError::StatementError, "-551");
  EXPECT_TRUE(Marked(QString::fromStdString(RefusalText(refused))));
  const std::string tooLong =
      ParameterTextProblem("The database user name", std::string(300, 'a'), 255);
  EXPECT_TRUE(tooLong.starts_with("[!! [!! The database user name !!]")) << tooLong;
}

TEST_F(PseudoTranslation, NamesTheCalendarsDaysInTheLanguage) {
  EXPECT_EQ(QLocale().dayName(1), "Montag");
}

TEST_F(PseudoTranslation, LeavesFilesAndOrvcAsWritten) {
  TableModel tests;
  tests.SetTable(TestsTable({}));
  EXPECT_EQ(CsvText(tests), "Date,Time,List,Percent,Right,Help total,Max help\r\n");
  EXPECT_TRUE(Marked(tests.headerData(0, Qt::Horizontal).toString()));
  TableModel mistakes;
  mistakes.SetTable(MistakesTable(TallyMistakes({})));
  mistakes.TranslateColumn(0, "MistakeKind");
  EXPECT_TRUE(Marked(mistakes.data(mistakes.index(0, 0)).toString()));
  EXPECT_NE(CsvText(mistakes).find("\r\nmissed letter,0,\r\n"), std::string::npos);

  // orvc in a German desktop with the pseudo-translation at hand: its
  // message, which the windows would translate, is as written.
  qputenv("LANGUAGE", "de");
  qputenv("ORV_TRANSLATIONS", QByteArray::fromStdString(qm.Str()));
  const test::ProgramRun check = test::RunProgram(ORVC_PATH, {"check", home.Str() + "missing.orv"});
  qunsetenv("LANGUAGE");
  qunsetenv("ORV_TRANSLATIONS");
  const test::ProgramRun english =
      test::RunProgram(ORVC_PATH, {"check", home.Str() + "missing.orv"});
  EXPECT_NE(check.err.find("File not found"), std::string::npos) << check.err;
  EXPECT_EQ(check.err, english.err);
  EXPECT_EQ(check.out, english.out);
}

}  // namespace
}  // namespace orv::e2e
