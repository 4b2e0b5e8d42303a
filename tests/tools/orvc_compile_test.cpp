// orvc compile and orvc check, run as a teacher runs them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/run_program.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using Outcome = test::ProgramRun;

class OrvcCompile : public ::testing::Test {
 protected:
  Outcome Orvc(const std::vector<std::string>& args) { return test::RunProgram(ORVC_PATH, args); }

  std::string List(const std::string& name, const std::string& text) {
    return dir.Write("lists/" + name, text);
  }

  test::TempDir dir;
};

TEST_F(OrvcCompile, PrintsTheSortedQuestionsAndCountsFailedLines) {
  const std::string source =
      " zebra\r\napple\r\n\r\napple\r\n$script\r\n$#1to3x2\r\n$What is 3+4\r\n// note\r\n";
  const std::string path = List("mixed.orv", source);
  const Outcome r = Orvc({"compile", path});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out, "1x2|2\n2x2|4\n3x2|6\napple\nzebra\n");
  EXPECT_NE(r.err.find(" There are 1 Errors in the spelling file please check it!"),
            std::string::npos)
      << r.err;
  EXPECT_EQ(dir.Read("lists/mixed.orv"), source) << "the list is not written back";
}

TEST_F(OrvcCompile, GoodListExitsZeroAndSaysNothing) {
  const Outcome r = Orvc({"compile", List("good.orv", "b\na\n$script\n$7/2\n")});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "7/2|3 1/2\na\nb\n");
  EXPECT_EQ(r.err, "");
}

TEST_F(OrvcCompile, NoSortKeepsTheCompiledOrderAndNameListsKeepRepeats) {
  const Outcome kept = Orvc({"compile", List("order.orv", "$NoSort\nzebra\napple\nzebra\n")});
  EXPECT_EQ(kept.exitCode, 0);
  EXPECT_EQ(kept.out, "zebra\napple\n");
  const Outcome names = Orvc({"compile", List("class.NAM", "ann\nbob\nann\n")});
  EXPECT_EQ(names.out, "ann\nann\nbob\n");
}

TEST_F(OrvcCompile, SameSeedSameQuestions) {
  const std::string path = List("random.orv", "$script\n$noSort\n$rand(1:1000)x[rand(1:1000)]\n");
  const Outcome a = Orvc({"--seed", "17", "compile", path});
  const Outcome b = Orvc({"compile", path, "--seed", "17"});
  EXPECT_EQ(a.exitCode, 0);
  EXPECT_EQ(a.out, b.out);
  EXPECT_NE(a.out.find('|'), std::string::npos);
}

TEST_F(OrvcCompile, MissingFileIsNamed) {
  List("other.orv", "cat\n");
  const std::string path = dir.Str() + "lists/none.orv";
  const Outcome r = Orvc({"compile", path});
  EXPECT_NE(r.exitCode, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find(path), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("Error num 2, File not found"), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
}

TEST_F(OrvcCompile, ListLongerThanABufferIsRefusedByName) {
  std::string lines;
  for (int i = 0; i < 65536; ++i) lines += std::to_string(i) + "\n";
  const std::string path = List("long.orv", lines);
  const Outcome r = Orvc({"compile", path});
  EXPECT_NE(r.exitCode, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find(path), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("Buffer can't exceed 65535(a word) lines"), std::string::npos) << r.err;
}

TEST_F(OrvcCompile, AFailingLineIsNamedAndTheOthersCompile) {
  const std::string path = List("bad.orv", "cat\n$script\n$2^99999999999\n$1+1\n");
  const Outcome r = Orvc({"compile", path});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out, "1+1|2\ncat\n");
  EXPECT_EQ(r.err.rfind(path + ":3: $2^99999999999\n    //error Power too large", 0), 0u) << r.err;
  EXPECT_NE(r.err.find(" There are 1 Errors"), std::string::npos) << r.err;
}

TEST_F(OrvcCompile, CheckNamesEveryLineNoAnswerSatisfies) {
  const std::vector<std::string> lines = {"$3+4=",     "$3 x 4 =", "cat|",         "$3**4",
                                          "$12/(4-4)", "$5/0",     "$Question #5", "$1/0.0"};
  std::string text = "$script\n";
  for (const std::string& line : lines) text += line + "\ndog\n";
  const std::string path = List("unanswerable.orv", text);
  const Outcome r = Orvc({"check", path});
  EXPECT_EQ(r.exitCode, 1);
  std::size_t at = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string named = path + ":" + std::to_string(2 + 2 * i) + ": " + lines[i] + "\n    //";
    at = r.out.find(named, at);
    EXPECT_NE(at, std::string::npos) << named;
  }
  EXPECT_NE(r.out.find(path + ": 8 errors\n"), std::string::npos) << r.out;
}

TEST_F(OrvcCompile, RangeBeyondTheBufferFailsWithItsLimit) {
  for (const char* line : {"$#1to65536", "$#1to2000000000", "$#1to300x#1to300"}) {
    const Outcome r = Orvc({"compile", List("big.orv", std::string("$script\n") + line + "\n")});
    EXPECT_EQ(r.exitCode, 1) << line;
    EXPECT_EQ(r.out, "") << line;
    EXPECT_NE(r.err.find("Buffer can't exceed 65535(a word) lines"), std::string::npos) << r.err;
  }
}

TEST_F(OrvcCompile, UsageErrors) {
  EXPECT_EQ(Orvc({"compile"}).exitCode, 2);
  EXPECT_EQ(Orvc({"check"}).exitCode, 2);
  const Outcome help = Orvc({"compile", "--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("orvc compile FILE"), std::string::npos);
}

TEST_F(OrvcCompile, CheckReportsEachFailedLineWithItsFileLine) {
  const std::string bad = List("bad.orv",
                               "\r\n  apple\r\n$script\r\n\r\n$3+4\r\n$#1to2 apples\r\n"
                               "$rand(1 9)\r\n$What is 3+4\r\n");
  const std::string good = List("good.orv", "$script\n$3+4\n");
  const Outcome r = Orvc({"check", good, bad});
  EXPECT_EQ(r.exitCode, 1);
  const std::string expected = good + ": no errors\n" +                       //
                               bad + ":6: $#1to2 apples\n" +                  //
                               "    //unexpected error in line:1 apples\n" +  //
                               bad + ":6: $#1to2 apples\n" +                  //
                               "    //unexpected error in line:2 apples\n" +  //
                               bad + ":7: $rand(1 9)\n" +                     //
                               "    //error rand function marked with ^ needs \":\" ^RAND(1 9)\n" +
                               bad + ":8: $What is 3+4\n" +                      //
                               "    //unexpected error in line:What is 3+4\n" +  //
                               bad + ": 4 errors\n";
  EXPECT_EQ(r.out, expected);
  EXPECT_EQ(r.err, "");
}

// The ranges are told in the file's own line numbers.
TEST_F(OrvcCompile, CheckShowsAndCompileMarksWhatAnswersMayBe) {
  const std::string list = List("policy.orv",
                                "apple\r\n\r\n$IGNORECASE\r\nParis\r\n\r\n$alternatives\r\n"
                                "grey;gray\r\n$ignoreCaseOff\r\nLondon\r\n");
  const Outcome check = Orvc({"check", list});
  EXPECT_EQ(check.out, list + ":1-1: answers: the program's defaults\n" +  //
                           list + ":3-4: answers: ignoreCase\n" +          //
                           list + ":6-7: answers: ignoreCase alternatives\n" + list +
                           ":8-9: answers: ignoreCaseOff alternatives\n" +  //
                           list + ": no errors\n");
  const Outcome compile = Orvc({"compile", list});
  EXPECT_EQ(compile.out,
            "London\t[ignoreCaseOff alternatives]\nParis\t[ignoreCase]\napple\n"
            "grey;gray\t[ignoreCase alternatives]\n");
}

TEST_F(OrvcCompile, CheckWarnsOfACtrlZThatHidesLinesAndOfTextThatIsNotUtf8) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"cat\r\ndog\r\n\x1A\r\nhouse\r\n\r\nmouse",
       ":3: warning: a Ctrl-Z (an old end-of-file mark) ends the list here, so 2 lines of text "
       "after it will not be asked (delete the Ctrl-Z to use them)\n"},
      {"cat\r\ndog\r\n\x1A", ""},
      {"caf\xC3\xA9\r\nna\xEFve\r\n",
       ":2: warning: this line is not UTF-8 text and is read as Windows-1252 (save the list "
       "as UTF-8)\n"},
      {"\xE9t\xE9\n\nna\xEFve\n\xE9t\xE9\n",
       ":1: warning: this line and 2 more are not UTF-8 text and are read as Windows-1252 (save "
       "the list as UTF-8)\n"},
  };
  for (const auto& [bytes, warning] : cases) {
    const std::string path = List("w.orv", bytes);
    const Outcome r = Orvc({"check", path});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, (warning.empty() ? "" : path + warning) + path + ": no errors\n");
    EXPECT_EQ(dir.Read("lists/w.orv"), bytes);
  }
}

// A line's escape sequences and bell would act on the teacher's terminal
// instead of being seen.
TEST_F(OrvcCompile, CheckShowsTheControlCharactersOfALineEscaped) {
  const std::string path = List("controls.orv",
                                "$script\n$What\x1B"
                                "c is\x07 3+4\xC2\x9B\n");
  const Outcome r = Orvc({"check", path});
  EXPECT_EQ(r.exitCode, 1);
  const std::string shown = "What\\x1Bc is\\x07 3+4\\u009B";
  EXPECT_EQ(r.out, path + ":2: $" + shown + "\n    //unexpected error in line:" + shown + "\n" +
                       path + ": 1 error\n");
}

TEST_F(OrvcCompile, CheckGoesOnPastUnreadableLists) {
  const std::string missing = dir.Str() + "lists/gone.orv";
  const std::string bad = List("bad.orv", "$script\n$rand(1:2.5)\n");
  const std::string good = List("good.orv", "cat\n");
  const Outcome r = Orvc({"check", missing, bad, good});
  EXPECT_NE(r.exitCode, 0);
  EXPECT_NE(r.err.find(missing), std::string::npos) << r.err;
  EXPECT_EQ(r.out, bad + ":2: $rand(1:2.5)\n    //error '2.5' is not a valid integer value\n" +
                       bad + ": 1 error\n" + good + ": no errors\n");
  const Outcome clean = Orvc({"check", good});
  EXPECT_EQ(clean.exitCode, 0);
}

}  // namespace
}  // namespace orv
