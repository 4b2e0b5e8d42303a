// orvc eval as a teacher runs it: the answer on standard output, errors as one
// line on standard error with a non-zero exit.
#include <gtest/gtest.h>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <string>
#include <utility>
#include <vector>

namespace {

struct Outcome {
  int exitCode = -1;
  std::string out;
  std::string err;
};

Outcome Orvc(const std::vector<std::string>& args) {
  QStringList list{"eval"};
  for (const std::string& a : args) list << QString::fromStdString(a);
  QProcess process;
  process.start(ORVC_PATH, list);
  EXPECT_TRUE(process.waitForFinished(60000)) << "orvc eval did not finish";
  Outcome run;
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = process.readAllStandardOutput().toStdString();
  run.err = process.readAllStandardError().toStdString();
  return run;
}

TEST(OrvcEval, PrintsTheAnswerWithoutParentheses) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"7/2", "3 1/2\n"},       {"2^-2", "1/4\n"},
      {"(1/2)x(2/3)", "2/6\n"}, {"-5/2+0.5", "-2.\n"},
      {"007", "007\n"},         {"2(3+4)", "14\n"},
      {"1/3.0", "0.333\n"},     {"2^100", "1267650600228229401496703205376\n"}};
  for (const auto& [expression, answer] : cases) {
    Outcome run = Orvc({expression});
    EXPECT_EQ(run.exitCode, 0) << expression;
    EXPECT_EQ(run.out, answer) << expression;
    EXPECT_EQ(run.err, "") << expression;
  }
}

TEST(OrvcEval, JoinsSeveralArgumentsWithBlanks) {
  Outcome run = Orvc({"2", "1/2", "+", "1/4"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "2 3/4\n");
}

TEST(OrvcEval, AnExpressionWithoutASingleValuePrintsAnEmptyAnswer) {
  Outcome run = Orvc({"3+4*"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "\n");
}

TEST(OrvcEval, AnEvaluationErrorGoesToStandardError) {
  Outcome run = Orvc({"3+*4"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "orvc: //Error unexpected character in\"3+*4\" at:*4\n");
}

TEST(OrvcEval, FailuresGiveOneLineAndExitOne) {
  for (const char* expression : {"1+2*3^4X5", "1/0.0", "2^1000000"}) {
    Outcome run = Orvc({expression});
    EXPECT_EQ(run.exitCode, 1) << expression;
    EXPECT_EQ(run.out, "") << expression;
    ASSERT_FALSE(run.err.empty()) << expression;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  }
  EXPECT_NE(Orvc({"2^1000000"}).err.find("200000 digits"), std::string::npos);
}

TEST(OrvcEval, MissingExpressionIsAUsageError) {
  Outcome run = Orvc({});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("orvc eval EXPR"), std::string::npos) << run.err;
}

}  // namespace
