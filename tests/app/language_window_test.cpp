// A German user's windows are German: the language of the last user's
// start-up file is loaded before the windows are made, Qt's own dialogs
// follow, and English loads nothing, so every text shows as written.
#include <gtest/gtest.h>
#include <QMenuBar>
#include <QPushButton>

#include "app/language.h"
#include "app/startupfile.h"
#include "mainform_fixture.h"
#include "support/temp_dir.h"
#include "support/translation_file.h"

namespace orv {
namespace {

TEST(Language, AGermanUsersMainWindowIsGermanAndAnEnglishOnesAsWritten) {
  test::TempDir folder;
  ASSERT_EQ(test::CompileTranslation(
                test::TsText("de", {{"TMainForm", "&Quit", "&Beenden"},
                                    {"TMainForm", "&File", "&Datei"},
                                    {"TMainForm", "|Quit program", "|Programm beenden"}}),
                folder.Str(), "de"),
            "");
  folder.Write("de.con", "a.orv\r\nx\r\n0\r\n1\r\n\r\n1\r\n1\r\nLanguage=de\r\n");
  folder.Write("en.con", "a.orv\r\nx\r\n0\r\n1\r\n\r\n1\r\n1\r\nLanguage=en\r\n");
  const struct {
    const char* file;
    const char* quit;
    const char* fileMenu;
    const char* qtYes;
  } cases[] = {
      {"de.con", "&Beenden", "&Datei", "&Ja"},
      {"en.con", "&Quit", "&File", "&Yes"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    FollowUserLanguage(StartUpLanguage(folder.Str() + c.file), folder.Str());
    test::MainFormFixture f;
    EXPECT_EQ(f.form->findChild<QPushButton*>("BitBtn2")->text(), c.quit);
    EXPECT_EQ(f.form->findChild<QMenu*>("File1")->title(), c.fileMenu);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), c.qtYes);
  }
}

// A translation longer than the English menu bar widens the window, also
// after a log-in has applied the user's look: no menu hides behind the bar's
// extension button.
TEST(Language, TheMainWindowIsAsWideAsItsTranslatedMenuBar) {
  test::TempDir folder;
  ASSERT_EQ(test::CompileTranslation(
                test::TsText("de", {{"TMainForm", "&Word List", "&Wortlisten und ihre Dateien"},
                                    {"TMainForm", "&Option", "&Einstellungen des Programms"},
                                    {"TMainForm", "&Help", "&Hilfe zum Programm"}}),
                folder.Str(), "de"),
            "");
  StartLanguage(std::string("de"), folder.Str());
  test::MainFormFixture f;
  f.LogInAs("Boss", "boss-pw");
  const QMenuBar* bar = f.form->menuBar();
  const QRect help = bar->actionGeometry(f.Get<QMenu>("Help1")->menuAction());
  EXPECT_FALSE(help.isEmpty());
  EXPECT_LE(help.right(), bar->width());
  StartLanguage(std::nullopt, {});
}

}  // namespace
}  // namespace orv
