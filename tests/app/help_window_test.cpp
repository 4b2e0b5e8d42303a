#include "app/help_window.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QTabWidget>
#include <QTextBrowser>

#include "app/language.h"
#include "mainform_fixture.h"
#include "support/children.h"

namespace orv {
namespace {

using test::Child;

const std::string kHelp = std::string(ORV_SOURCE_DIR) + "/help";

// In German the German pages show, and a link from one leads to the English
// page where there is no German one, and back to a German page from there.
TEST(HelpWindow, ShowsTheLanguagesPagesAndLinksLeadToEitherLanguage) {
  LoadLanguage("de", {});
  THelpForm help(kHelp);
  LoadLanguage("en", {});
  help.ShowContents();
  const struct {
    const char* link;
    std::string shown;
  } clicks[] = {{"../database.html", kHelp + "/database.html"},
                {"options.html#top", kHelp + "/de/options.html"}};
  EXPECT_EQ(Child<QTextBrowser>(help, "Browser")->source().toLocalFile().toStdString(),
            kHelp + "/de/contents.html");
  for (const auto& c : clicks) {
    emit Child<QTextBrowser>(help, "Browser")->anchorClicked(QUrl(c.link));
    EXPECT_EQ(Child<QTextBrowser>(help, "Browser")->source().toLocalFile().toStdString(), c.shown)
        << c.link;
  }
}

TEST(HelpWindow, OpensContentsHelpOnHelpAndKeywordPages) {
  THelpForm help(kHelp);
  help.ShowContents();
  EXPECT_TRUE(help.isVisible());
  EXPECT_EQ(help.CurrentPage(), "contents.html");
  EXPECT_TRUE(Child<QTextBrowser>(help, "Browser")->toPlainText().contains("Writing word lists"));
  EXPECT_EQ(Child<QListWidget>(help, "ContentsList")->count(),
            static_cast<int>(help.Index().ContentsOrder().size()));
  help.ShowHelpOnHelp();
  EXPECT_EQ(help.CurrentPage(), "usinghelp.html");
  help.ShowKeyword("Start Button");
  EXPECT_EQ(help.CurrentPage(), "startbutton.html");
  help.ShowKeyword("mainwindow");
  EXPECT_EQ(help.CurrentPage(), "mainwindow.html");
}

TEST(HelpWindow, SearchNarrowsTheIndexAndEnterOpensTheFirstKeyword) {
  THelpForm help(kHelp);
  help.ShowSearch();
  EXPECT_EQ(Child<QTabWidget>(help, "Tabs")->currentIndex(), 1);
  const int all = Child<QListWidget>(help, "KeywordList")->count();
  Child<QLineEdit>(help, "SearchBox")->setText("fpoi");
  ASSERT_GE(Child<QListWidget>(help, "KeywordList")->count(), 1);
  EXPECT_LT(Child<QListWidget>(help, "KeywordList")->count(), all);
  EXPECT_EQ(Child<QListWidget>(help, "KeywordList")->item(0)->text(), "FPoint");
  emit Child<QLineEdit>(help, "SearchBox")->returnPressed();
  EXPECT_EQ(help.CurrentPage(), "expressions.html");
  // An unknown keyword opens the index searching for it.
  help.ShowKeyword("Passw");
  EXPECT_EQ(Child<QLineEdit>(help, "SearchBox")->text(), "Passw");
  EXPECT_EQ(Child<QListWidget>(help, "KeywordList")->item(0)->text(), "password");
}

class MainWindowHelp : public ::testing::Test, public test::MainFormFixture {};

TEST_F(MainWindowHelp, HelpMenuAndF1OpenTheirPages) {
  THelpForm help(kHelp);
  form->SetWindows({nullptr, nullptr, nullptr, &help});
  form->SetTestRunner([](const std::string&, const std::string&) {});
  LogInAs("Boss", "boss-pw");
  Get<QAction>("Contents1")->trigger();
  EXPECT_EQ(help.CurrentPage(), "contents.html");
  Get<QAction>("HowtoUseHelp1")->trigger();
  EXPECT_EQ(help.CurrentPage(), "usinghelp.html");
  Get<QAction>("SearchforHelpOn1")->trigger();
  EXPECT_EQ(Child<QTabWidget>(help, "Tabs")->currentIndex(), 1);
  QShortcut* f1 = nullptr;
  for (QShortcut* s : form->findChildren<QShortcut*>()) {
    if (s->key() == QKeySequence(QKeySequence::HelpContents)) f1 = s;
  }
  ASSERT_NE(f1, nullptr);
  form->activateWindow();
  Get<QPushButton>("BStart")->setFocus();
  emit f1->activated();
  EXPECT_EQ(help.CurrentPage(), "startbutton.html");
  Get<QPushButton>("LogOutButton")->setFocus();
  emit f1->activated();
  EXPECT_EQ(help.CurrentPage(), "mainwindow.html");
  // Without the pages the command says so instead of opening an empty window.
  THelpForm none("/nonexistent");
  form->SetWindows({nullptr, nullptr, nullptr, &none});
  dialogs.messages.clear();
  Get<QAction>("Contents1")->trigger();
  EXPECT_FALSE(none.isVisible());
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"The help pages could not be found"});
}

}  // namespace
}  // namespace orv
