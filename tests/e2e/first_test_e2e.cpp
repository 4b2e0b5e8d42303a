// A first day with Orv, through the program's real windows: on a program
// directory made by orvc init, ADMIN logs in for the first time and adds a
// learner, the teacher sets the learner to ten words a test, the learner takes
// a spelling test and an arithmetic test, looks at the log and makes a
// wrong-word list, and logs out. Afterwards the files and database rows the
// program left are checked.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/mainform_window.h"
#include "app/program_window.h"
#include "e2e/layout.h"
#include "e2e/program_home.h"
#include "scores/datagrid_window.h"
#include "scores/score_db_fixture.h"
#include "scores/score_window.h"
#include "scores/wrongword_window.h"
#include "support/children.h"
#include "support/temp_dir.h"
#include "support/test_users.h"
#include "support/window_driver.h"
#include "users/passwordcode.h"

namespace orv::e2e {
namespace {

namespace fs = std::filesystem;
using test::Child;
using test::Press;
using test::TextOf;
using test::Type;
using test::WindowDriver;
using Showing = WindowDriver::Showing;

constexpr int kTenWords = 10;
// What ADMIN chooses in place of the default password.
constexpr const char* kAdminPassword = "heron-7";

// Opens a menu of the main window with its Alt key and picks an item by its
// underlined letter, as a person at the keyboard does.
void Menu(QWidget& main, Qt::Key menu, Qt::Key item) {
  QTest::keyClick(&main, menu, Qt::AltModifier);
  QWidget* popup = QApplication::activePopupWidget();
  ASSERT_NE(popup, nullptr) << "Alt+" << QKeySequence(menu).toString().toStdString();
  QTest::keyClick(popup, item);
}

// Replaces what a line edit or editable box holds, as select-all and typing do.
void Retype(QWidget& window, const std::string& text) {
  Press(window, Qt::Key_A, Qt::ControlModifier);
  Type(window, text);
}

// Looks the window over (every text whole), keeps a picture of it when
// asked, and leaves it with the key.
void Look(QWidget& window, const char* picture, Qt::Key leave) {
  EXPECT_EQ(CutTexts(window), std::vector<std::string>{}) << picture;
  test::SaveScreenshot(window, picture);
  Press(window, leave);
}

// Clicks an item of a tree view, opening the branches above it first.
void ClickItem(QTreeWidget& tree, const QString& text) {
  const auto found = tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
  ASSERT_EQ(found.size(), 1) << text.toStdString();
  for (QTreeWidgetItem* up = found[0]->parent(); up != nullptr; up = up->parent()) {
    tree.expandItem(up);
  }
  tree.scrollToItem(found[0]);
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(found[0]).center());
  EXPECT_EQ(tree.currentItem(), found[0]) << text.toStdString();
}

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> LinesOf(const fs::path& file) {
  std::vector<std::string> lines;
  std::istringstream in(ReadFile(file));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// Files below root whose names match name in any letter case.
std::vector<fs::path> FindFiles(const fs::path& root, const std::string& name) {
  auto upper = [](std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
    return s;
  };
  std::vector<fs::path> found;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file() && upper(entry.path().filename().string()) == upper(name)) {
      found.push_back(entry.path());
    }
  }
  return found;
}

// How many pure red pixels the score grid shows on each of its rows.
std::vector<int> RedPixelsPerRow(TDBGrid& grid) {
  const QImage shot = grid.viewport()->grab().toImage();
  const qreal scale = shot.devicePixelRatio();
  std::vector<int> red;
  for (int row = 0; row < grid.model()->rowCount(); ++row) {
    int count = 0;
    for (int column = 0; column < grid.model()->columnCount(); ++column) {
      const QRect cell = grid.visualRect(grid.model()->index(row, column));
      for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
          const QPoint p(static_cast<int>(x * scale), static_cast<int>(y * scale));
          if (shot.valid(p) && shot.pixelColor(p) == QColor(Qt::red)) ++count;
        }
      }
    }
    red.push_back(count);
  }
  return red;
}

class FirstDay : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(MakeProgramDirectory(home.Str()), "");
    // The password file as the program's start-up makes it when there is
    // none: ADMIN without a password.
    test::WritePasswordFile(home, {{"ADMIN", "", 255}});
    // A list the teacher wrote in a text editor, in a group of its own.
    home.Write("orv.orv/class.orv/sums.orv",
               "$script\r\n$1/2+1/3\r\n$Decimal points 2\r\n$1.5+2.25\r\n");
  }

  fs::path Home() const { return home.Path(); }
  std::string Database() const { return home.Str() + "scoredb.gdb"; }

  test::TempDir home;
};

TEST_F(FirstDay, FromFirstLogInToWrongWordList) {
  WindowDriver driver(60000, "MainForm");
  TMainForm* main = nullptr;
  auto label = [&main](const char* name) {
    return test::Child<QLabel>(*main, name)->text().toStdString();
  };

  // ADMIN's first log-in: the super user has no password yet, is given the
  // default one and must replace it before going on.
  driver
      .Then("LoginForm", "types ADMIN and a password",
            [](QWidget& w) {
              Retype(w, "ADMIN");
              Press(w, Qt::Key_Return);
              Type(w, "anything");
              Press(w, Qt::Key_Return);
            })
      .Then("OrvMessage", "reads the default-password warning",
            [](QWidget& w) {
              EXPECT_NE(TextOf(w, "qt_msgbox_label")
                            .find("NO PASWORD FOR SUPPER USER, reset to \"tamblore\""),
                        std::string::npos);
              Press(w, Qt::Key_Return);
            })
      .Then("OrvMessage", "is told to replace the default password",
            [](QWidget& w) {
              EXPECT_EQ(TextOf(w, "qt_msgbox_label"),
                        "The super user ADMIN has the default password \"tamblore\", which anyone "
                        "can read in the help. Choose a new password for ADMIN.");
              Press(w, Qt::Key_Return);
            })
      .Then("LoginForm", "types ADMIN's new password twice",
            [](QWidget& w) {
              EXPECT_EQ(w.windowTitle().toStdString(), "Passwords");
              Type(w, kAdminPassword);
              Press(w, Qt::Key_Return);
              Type(w, kAdminPassword);
              Press(w, Qt::Key_Return);
            })
      .Then("OrvMessage", "agrees to a new start-up file",
            [](QWidget& w) {
              EXPECT_EQ(TextOf(w, "qt_msgbox_label"),
                        "Can not fined the start up file create new?");
              Press(w, Qt::Key_Y);
            })
      .Then("MainForm", "adds the learner Ann from the User menu",
            [&](QWidget& w) {
              EXPECT_EQ(label("UserLabel"), "ADMIN");
              Menu(w, Qt::Key_U, Qt::Key_A);
            })
      .Then("QInputDialog", "types the new user's name",
            [](QWidget& w) {
              Type(w, "Ann");
              Press(w, Qt::Key_Return);
            })
      .Then("LoginForm", "types Ann's password twice",
            [](QWidget& w) {
              EXPECT_EQ(w.windowTitle().toStdString(), "Passwords");
              Type(w, "kiwi");
              Press(w, Qt::Key_Return);
              Type(w, "kiwi");
              Press(w, Qt::Key_Return);
            })
      // A look round the windows only the super user has.
      .Then("MainForm", "opens About from the Help menu",
            [](QWidget& w) { Menu(w, Qt::Key_H, Qt::Key_A); })
      .Then("AboutBox", "closes it with Enter",
            [](QWidget& w) { Look(w, "about", Qt::Key_Return); })
      .Then("MainForm", "opens the password levels from the Option menu",
            [](QWidget& w) { Menu(w, Qt::Key_O, Qt::Key_P); })
      .Then("PasLevForm", "closes them with Esc",
            [](QWidget& w) { Look(w, "password-levels", Qt::Key_Escape); })
      .Then("MainForm", "changes the group from the File menu",
            [](QWidget& w) { Menu(w, Qt::Key_F, Qt::Key_C); })
      .Then("ChDir", "keeps the group with Esc",
            [](QWidget& w) { Look(w, "change-dir", Qt::Key_Escape); })
      .Then("MainForm", "looks at the recorded sounds",
            [](QWidget& w) { Menu(w, Qt::Key_S, Qt::Key_W); })
      .Then("SoundsForm", "closes the window",
            [](QWidget& w) {
              EXPECT_EQ(CutTexts(w), std::vector<std::string>{});
              w.close();
            })
      .Then("MainForm", "logs out with Esc", [](QWidget& w) { Press(w, Qt::Key_Escape); });

  // The teacher opens Ann's account with the super user's password to set
  // her options: ten words a test.
  driver
      .Then("LoginForm", "types Ann and the super user's password",
            [](QWidget& w) {
              Retype(w, "Ann");
              Press(w, Qt::Key_Return);
              Type(w, kAdminPassword);
              Press(w, Qt::Key_Return);
            })
      .Then("OrvMessage", "agrees to Ann's new start-up file",
            [](QWidget& w) { Press(w, Qt::Key_Y); })
      .Then("MainForm", "opens the options",
            [&](QWidget& w) {
              EXPECT_EQ(label("UserLabel"), "Ann");
              Menu(w, Qt::Key_O, Qt::Key_O);
            })
      .Then("OptionForm", "chooses ten words with Alt+T and presses Enter",
            [](QWidget& w) {
              QRadioButton* ten = nullptr;
              for (auto* radio : w.findChildren<QRadioButton*>()) {
                if (radio->text() == "do &Ten words") ten = radio;
              }
              ASSERT_NE(ten, nullptr);
              Press(w, Qt::Key_T, Qt::AltModifier);
              ASSERT_TRUE(QTest::qWaitFor([ten] { return ten->isChecked(); }));
              EXPECT_EQ(CutTexts(w), std::vector<std::string>{});
              test::SaveScreenshot(w, "options");
              Press(w, Qt::Key_Return);
            })
      .Then("MainForm", "logs out", [](QWidget& w) { Press(w, Qt::Key_Escape); });

  // Ann's own log-in, then a spelling list from a group.
  driver
      .Then("LoginForm", "types Ann and her password",
            [](QWidget& w) {
              Retype(w, "Ann");
              Press(w, Qt::Key_Return);
              Type(w, "kiwi");
              Press(w, Qt::Key_Return);
            })
      .Then("MainForm", "opens a list with F3",
            [&](QWidget& w) {
              EXPECT_EQ(label("UserLabel"), "Ann");
              EXPECT_FALSE(test::Child<QMenu>(*main, "Option1")->menuAction()->isEnabled())
                  << "level 0 sets no options";
              EXPECT_FALSE(test::Child<QMenu>(*main, "Log1")->menuAction()->isEnabled());
              Press(w, Qt::Key_F3);
            })
      .Then("OpenFileForm", "picks spelling.orv, then level1.orv",
            [](QWidget& w) {
              ClickItem(*w.findChild<QTreeWidget*>("TreeViewDir"), "spelling.orv");
              ClickItem(*w.findChild<QTreeWidget*>("ListView1"), "level1.orv");
              Press(w, Qt::Key_Return);
            })
      .Then("MainForm", "starts the test with Enter", [&](QWidget& w) {
        EXPECT_EQ(label("CFile"), "level1.orv");
        EXPECT_EQ(label("dirL"), "spelling.orv\\");
        EXPECT_EQ(label("FileLengthLabel"), "12");
        Press(w, Qt::Key_Return);
      });

  // The spelling test: each word is flashed, then typed. The first is shown
  // again with ReShow, typed wrong once, then right.
  std::vector<std::string> asked;
  std::string wrongTyped;
  auto sees = [&asked](QWidget& w) {
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(Qt::cyan)) << "a word is shown on aqua";
    asked.push_back(TextOf(w, "Label1"));
    if (asked.size() == 1) test::SaveScreenshot(w, "word-shown");
  };
  auto right = [](QWidget& w) { EXPECT_EQ(TextOf(w, "Label1"), "RIGHT !!"); };
  driver.Then("MessageForm", "reads the first word", sees)
      .Then("_Input", "asks to see it again with Alt+S",
            [](QWidget& w) {
              EXPECT_EQ(TextOf(w, "Progress"), "Hi score 10 : 9 go''s left out of 10 words");
              Press(w, Qt::Key_S, Qt::AltModifier);
            })
      .Then("MessageForm", "reads it again",
            [&asked](QWidget& w) { EXPECT_EQ(TextOf(w, "Label1"), asked.back()); })
      .Then(
          "_Input", "types it wrong",
          [&](QWidget& w) {
            wrongTyped = asked.back() + "e";
            Type(w, wrongTyped);
            EXPECT_EQ(CutTexts(w), std::vector<std::string>{});
            test::SaveScreenshot(w, "spelling-test");
            Press(w, Qt::Key_Return);
          },
          Showing::Same)
      .Then("WrongWordsForm", "reads the right spelling and closes with Enter",
            [&](QWidget& w) {
              EXPECT_NE(TextOf(w, "Label4").find(wrongTyped), std::string::npos);
              EXPECT_NE(TextOf(w, "Label3").find(asked.back()), std::string::npos);
              EXPECT_EQ(CutTexts(w), std::vector<std::string>{});
              test::SaveScreenshot(w, "wrong-answer");
              Press(w, Qt::Key_Return);
            })
      .Then("MessageForm", "sees the word once more",
            [&asked](QWidget& w) { EXPECT_EQ(TextOf(w, "Label1"), asked.back()); })
      .Then("_Input", "types it right",
            [&asked](QWidget& w) {
              EXPECT_EQ(TextOf(w, "Progress"), "Hi score 9 : 9 go''s left out of 10 words");
              Type(w, asked.back());
              Press(w, Qt::Key_Return);
            })
      .Then("MessageForm", "is told it is right", right);
  for (int word = 2; word <= kTenWords; ++word) {
    driver.Then("MessageForm", "reads word " + std::to_string(word), sees)
        .Then("_Input", "types it",
              [&asked](QWidget& w) {
                Type(w, asked.back());
                Press(w, Qt::Key_Return);
              })
        .Then("MessageForm", "is told it is right", right);
  }
  std::int32_t spellingGroup = -1;
  driver.Then("SF2", "sees the test just taken framed, and closes with Esc", [&](QWidget& w) {
    auto& scores = static_cast<TSF2&>(w);
    spellingGroup = scores.MarkedGroup();
    EXPECT_GE(spellingGroup, 0);
    ASSERT_EQ(Child<TDBGrid>(scores, "DBGrid1")->model()->rowCount(), 1)
        << "only this list's one test so far";
    EXPECT_GT(RedPixelsPerRow(*Child<TDBGrid>(scores, "DBGrid1"))[0], 0)
        << "the new test is framed in red";
    Press(w, Qt::Key_Escape);
  });

  // The arithmetic test: a fraction answer and a decimal one.
  const std::map<std::string, std::string> answers = {{"1/2+1/3", "5/6"}, {"1.5+2.25", "3.750"}};
  std::vector<std::string> sums;
  driver.Then("MainForm", "opens another list with F3", [](QWidget& w) { Press(w, Qt::Key_F3); })
      .Then("OpenFileForm", "picks class.orv, then sums.orv",
            [](QWidget& w) {
              ClickItem(*w.findChild<QTreeWidget*>("TreeViewDir"), "class.orv");
              ClickItem(*w.findChild<QTreeWidget*>("ListView1"), "sums.orv");
              Press(w, Qt::Key_Return);
            })
      .Then("MainForm", "starts the test", [](QWidget& w) { Press(w, Qt::Key_Return); });
  for (int question = 1; question <= kTenWords; ++question) {
    driver
        .Then("Form1", "answers question " + std::to_string(question),
              [&](QWidget& w) {
                const std::string q = TextOf(w, "QuestinoEdit");
                sums.push_back(q);
                const auto a = answers.find(q);
                ASSERT_NE(a, answers.end()) << "asked " << q;
                Type(w, a->second);
                if (q == "1/2+1/3") {
                  EXPECT_EQ(CutTexts(w), std::vector<std::string>{});
                  test::SaveScreenshot(w, "math-input");
                }
                Press(w, Qt::Key_Return);
              })
        .Then("MessageForm", "is told it is right", right);
  }
  std::int32_t sumsGroup = -1;
  driver.Then(
      "SF2", "shows every list's tests with Alt+C; only the new one is framed", [&](QWidget& w) {
        auto& scores = static_cast<TSF2&>(w);
        sumsGroup = scores.MarkedGroup();
        EXPECT_NE(sumsGroup, spellingGroup);
        Press(w, Qt::Key_C, Qt::AltModifier);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return !Child<QCheckBox>(scores, "CheckBox1")->isChecked(); }));
        ASSERT_EQ(Child<TDBGrid>(scores, "DBGrid1")->model()->rowCount(), 2);
        DataSet& rows = Child<TDBGrid>(scores, "DBGrid1")->Data();
        const std::vector<int> red = RedPixelsPerRow(*Child<TDBGrid>(scores, "DBGrid1"));
        for (int row = 0; row < 2; ++row) {
          const bool isNew = rows.Value(row, "LOG_GROUP").toInt() == sumsGroup;
          EXPECT_EQ(red[row] > 0, isNew) << "row " << row;
        }
        EXPECT_EQ(CutTexts(w), std::vector<std::string>{});
        test::SaveScreenshot(w, "score-window");
        Press(w, Qt::Key_Escape);
      });

  // The log shows the wrong answer; the wrong-word window writes it out.
  driver
      .Then("MainForm", "opens the log from the Word List menu",
            [](QWidget& w) { Menu(w, Qt::Key_W, Qt::Key_L); })
      .Then("SU", "finds the wrong answer, closes with Esc",
            [&](QWidget& w) {
              auto* grid = w.findChild<TDBGrid*>("DBGrid1");
              ASSERT_NE(grid, nullptr);
              DataSet& rows = grid->Data();
              ASSERT_EQ(rows.RowCount(), 1);
              EXPECT_EQ(rows.Value(0, "WORD").toString().toStdString(), asked.front());
              EXPECT_EQ(rows.Value(0, "ANSWER").toString().toStdString(), wrongTyped);
              EXPECT_EQ(CutTexts(w), std::vector<std::string>{});
              test::SaveScreenshot(w, "log-window");
              Press(w, Qt::Key_Escape);
            })
      .Then("MainForm", "makes a wrong-word file",
            [](QWidget& w) { Menu(w, Qt::Key_W, Qt::Key_M); })
      .Then("SU1", "creates the file with Enter",
            [](QWidget& w) {
              EXPECT_EQ(Child<QLabel>(static_cast<TSU1&>(w), "Label4")->text().toStdString(),
                        "Ann.orv\\WrongWords.Orv");
              EXPECT_EQ(CutTexts(w), std::vector<std::string>{});
              test::SaveScreenshot(w, "wrong-word-window");
              Press(w, Qt::Key_Return);
            })
      .Then("OrvMessage", "reads how many words were written",
            [](QWidget& w) {
              EXPECT_EQ(TextOf(w, "qt_msgbox_label"), "1 words successfully writen to file");
              Press(w, Qt::Key_Return);
            })
      .Then(
          "SU1", "closes the window", [](QWidget& w) { w.close(); }, Showing::Same);

  // Ann logs out; nobody logs in; Quit.
  driver.Then("MainForm", "logs out with Esc", [](QWidget& w) { Press(w, Qt::Key_Escape); })
      .Then("LoginForm", "cancels the log-in with Esc",
            [](QWidget& w) { Press(w, Qt::Key_Escape); })
      .Then("MainForm", "quits with Alt+Q", [&](QWidget& w) {
        EXPECT_EQ(label("UserLabel"), "no user");
        Press(w, Qt::Key_Q, Qt::AltModifier);
      });

  const int exitCode = RunOrv(home.Str(), [&](OrvProgram& program) { main = &program.MainForm(); });
  EXPECT_FALSE(driver.Stuck());
  EXPECT_TRUE(driver.Done()) << driver.Waiting();
  EXPECT_EQ(exitCode, 0);
  ASSERT_EQ(asked.size(), 10u);
  ASSERT_FALSE(HasFatalFailure());

  // The words asked, each once, from the twelve of the list.
  std::vector<std::string> level1 = LinesOf(Home() / "orv.orv/spelling.orv/level1.orv");
  std::sort(level1.begin(), level1.end());
  std::set<std::string> distinct(asked.begin(), asked.end());
  EXPECT_EQ(distinct.size(), 10u);
  for (const std::string& word : distinct) {
    EXPECT_TRUE(std::binary_search(level1.begin(), level1.end(), word)) << word;
  }
  EXPECT_EQ(std::set<std::string>(sums.begin(), sums.end()),
            (std::set<std::string>{"1/2+1/3", "1.5+2.25"}));

  // Ann's start-up file: the last list, ten words in random order.
  const std::vector<std::string> startUp = LinesOf(Home() / "User/Ann.DIR/ORV.CON");
  ASSERT_EQ(startUp.size(), 26u);
  EXPECT_EQ(startUp[0], "sums.orv");
  EXPECT_EQ(startUp[1], "Ann");
  EXPECT_EQ(startUp[2], "0") << "random order";
  EXPECT_EQ(startUp[3], "0") << "ten words";
  EXPECT_EQ(startUp[4], "class.orv\\");

  // The position files keep the order still to come. Questions are taken
  // from the front; a new shuffled round goes behind whenever the next
  // position is beyond the number left. The ten words asked all came from the
  // first round, so its last two positions lead the file: the two words not
  // asked yet.
  const std::vector<fs::path> spellingOrder = FindFiles(Home() / "User", "LEVEL1.POS");
  ASSERT_EQ(spellingOrder.size(), 1u);
  EXPECT_EQ(fs::relative(spellingOrder[0].parent_path(), Home()).generic_string(),
            "User/Ann.DIR/spelling.orv");
  std::vector<int> order;
  for (const std::string& line : LinesOf(spellingOrder[0])) order.push_back(std::stoi(line));
  ASSERT_EQ(order.size() % 12, 2u);
  for (int p : order) {
    ASSERT_GE(p, 1);
    ASSERT_LE(p, 12);
  }
  std::set<std::string> notAsked;
  for (std::size_t i = 0; i < 2; ++i)
    notAsked.insert(level1[static_cast<std::size_t>(order[i] - 1)]);
  EXPECT_EQ(notAsked.size(), 2u);
  for (const std::string& word : notAsked) EXPECT_FALSE(distinct.contains(word)) << word;
  if (order.size() >= 12) {
    std::set<int> lastRound(order.end() - 12, order.end());
    EXPECT_EQ(lastRound.size(), 12u) << "the newest round is a shuffle of the whole list";
  }
  // The sums' order may have run out (then its file is gone); what is left
  // names only their two questions.
  for (const fs::path& file : FindFiles(Home() / "User", "SUMS.POS")) {
    EXPECT_EQ(fs::relative(file.parent_path(), Home()).generic_string(), "User/Ann.DIR/class.orv");
    for (const std::string& line : LinesOf(file)) EXPECT_TRUE(line == "1" || line == "2") << line;
  }

  // The password file: ADMIN with the password chosen at the first log-in, Ann at level 0.
  const std::vector<std::string> users = LinesOf(Home() / "KVXS1.KVX");
  ASSERT_EQ(users.size(), 2u);
  auto field = [](const std::string& line, int n) {
    std::istringstream in(line);
    std::string part;
    for (int i = 0; i <= n; ++i) std::getline(in, part, ':');
    return part;
  };
  EXPECT_EQ(field(users[0], 0), "ADMIN");
  EXPECT_TRUE(CodeMatches(field(users[0], 1), kAdminPassword));
  EXPECT_FALSE(CodeMatches(field(users[0], 1), "tamblore"));
  EXPECT_EQ(field(users[0], 3), "255");
  EXPECT_EQ(field(users[1], 0), "Ann");
  EXPECT_TRUE(CodeMatches(field(users[1], 1), "kiwi"));
  EXPECT_FALSE(CodeMatches(field(users[1], 1), "tamblore"));
  EXPECT_EQ(field(users[1], 2), "2");
  EXPECT_EQ(field(users[1], 3), "0");

  // The database: one score row per test, one log row for the wrong answer.
  const auto scores = test::Rows(Database(),
                                 "select log_group, score, word_count, max_help, help_total, name "
                                 "from score order by log_group");
  ASSERT_EQ(scores.size(), 2u);
  EXPECT_EQ(scores[0],
            (std::vector<std::string>{std::to_string(spellingGroup), "9", "10", "1", "1", "Ann"}));
  EXPECT_EQ(scores[1],
            (std::vector<std::string>{std::to_string(sumsGroup), "10", "10", "0", "0", "Ann"}));
  // The wrong answer, and (every answer being logged on a new machine) each
  // right one without an answer.
  const auto wrong = test::Rows(
      Database(),
      "select name, word, answer, help_count, log_group from log where answer is not null");
  ASSERT_EQ(wrong.size(), 1u);
  EXPECT_EQ(wrong[0], (std::vector<std::string>{"Ann", asked.front(), wrongTyped, "1",
                                                std::to_string(spellingGroup)}));
  const auto rightOnes = test::Rows(
      Database(), "select log_group, count(*) from log where answer is null group by log_group");
  EXPECT_EQ(rightOnes, (std::vector<std::vector<std::string>>{{std::to_string(spellingGroup), "10"},
                                                              {std::to_string(sumsGroup), "10"}}));

  // The wrong-word list, ready to practise from Ann's own group.
  const std::vector<fs::path> wrongList = FindFiles(Home() / "orv.orv", "WrongWords.orv");
  ASSERT_EQ(wrongList.size(), 1u);
  EXPECT_EQ(fs::relative(wrongList[0].parent_path(), Home()).generic_string(), "orv.orv/Ann.orv");
  EXPECT_EQ(LinesOf(wrongList[0]), (std::vector<std::string>{asked.front()}));
}

}  // namespace
}  // namespace orv::e2e
