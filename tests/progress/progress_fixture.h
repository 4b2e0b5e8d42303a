#pragma once
// A class's scores made by real test sessions: scripted learners take whole
// tests, and each test is then moved to the day it stands for.
#include <string>
#include <vector>

#include "session/session_fixture.h"

namespace orv::test {

class ClassScoresTest : public SessionTest {
 protected:
  void SetUp() override {
    SessionTest::SetUp();
    settings.inOrder = true;
    WriteList("animals.orv", "cat\r\ndog\r\nfox\r\nowl\r\n");
    WriteList("sums.orv", "sun\r\nmoon\r\n");
  }

  // One whole test taken on the day given; the learner types the answers in
  // order (a wrong answer is followed by the word again).
  void Take(const std::string& list, const std::string& user, const std::string& day,
            const std::vector<Answer>& answers) {
    for (const Answer& a : answers) learner.Say(a.typed, a.reshows);
    Run(dir.Str() + "orv.orv/" + list, user);
    // The session writes today's date; the test is moved to its own day.
    const std::string group = OneValue(host.path, "select max(log_group) from score");
    Exec(host.path, "update score set date1 = '" + day + "' where log_group = " + group);
    Exec(host.path, "update log set date1 = '" + day + "' where log_group = " + group);
    Exec(host.path, "update review_move set day1 = '" + day.substr(6) + "-" + day.substr(3, 2) +
                        "-" + day.substr(0, 2) + "' where log_group = " + group);
  }

  QSqlDatabase Db() {
    EXPECT_TRUE(database.ConectDB());
    return database.Database();
  }

  // ann's animals: 100%, then 75% (one wrong), then 50% with help; her
  // sums once; bob's animals twice.
  void FillClass() {
    Take("animals.orv", "ann", "03/02/2026", {{"cat"}, {"dog"}, {"fox"}, {"owl"}});
    Take("animals.orv", "ann", "10/02/2026", {{"cat"}, {"dgo"}, {"dog"}, {"fox"}, {"owl"}});
    Take("sums.orv", "ann", "11/02/2026", {{"moon"}, {"snu"}, {"sun"}});
    Take("animals.orv", "ann", "01/03/2026",
         {{"cat", 1}, {"dgo"}, {"dog"}, {"fx"}, {"fox"}, {"owl", 2}});
    Take("animals.orv", "bob", "09/02/2026", {{"cta"}, {"cat"}, {"dog"}, {"fox"}, {"owl"}});
    Take("animals.orv", "bob", "20/02/2026", {{"cat"}, {"dog"}, {"fox"}, {"owl"}});
  }
};

}  // namespace orv::test
