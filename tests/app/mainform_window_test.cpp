#include "app/mainform_window.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QCloseEvent>
#include <QFile>
#include <QMouseEvent>
#include <QPrinter>
#include <QRegularExpression>
#include <filesystem>
#include <set>

#include "app/mainform.h"
#include "app/registry.h"
#include "files/dos.h"
#include "files/errortext.h"
#include "files/filelayer.h"
#include "lists/buffers.h"
#include "mainform_fixture.h"
#include "session/ports.h"

namespace orv {
namespace {

using test::MainFormFixture;

class MainWindow : public ::testing::Test, public MainFormFixture {};

TEST_F(MainWindow, OptionMenuOpensAtItsThresholdAndTheLogMenuOnlyForTheSuperUser) {
  LogInAs("Nine", "nine-pw");
  EXPECT_EQ(Text(form->UserLabel), "Nine");
  EXPECT_TRUE(MenuEnabled(form->File1));
  EXPECT_TRUE(MenuEnabled(form->User1));
  EXPECT_FALSE(MenuEnabled(form->Option1)) << "level 9 is below optionMenuPasLev 10";
  EXPECT_FALSE(MenuEnabled(form->Log1));
  EXPECT_TRUE(MenuEnabled(form->Sound1)) << "soundMenuPasLev is 0";
  EXPECT_FALSE(form->PasLev1->isVisible());

  dialogs.logins.push_back({"Ten", "ten-pw"});
  form->LogOutButton->click();
  EXPECT_EQ(Text(form->UserLabel), "Ten");
  EXPECT_TRUE(MenuEnabled(form->Option1));
  EXPECT_FALSE(MenuEnabled(form->Log1));
  EXPECT_FALSE(form->PasLev1->isVisible());

  // A user whose own file raises the sound threshold loses the Sound menu.
  dialogs.logins.push_back({"Low", "low-pw"});
  dir.Write("User/LOW.DIR/ORV.CON",
            "WORDS0.ORV\r\nLow\r\n0\r\n1\r\n\r\n1\r\n1\r\nsoundMenuPasLev=6\r\n");
  form->LogOutButton->click();
  EXPECT_EQ(Text(form->UserLabel), "Low");
  EXPECT_FALSE(MenuEnabled(form->Sound1));
  EXPECT_FALSE(MenuEnabled(form->Option1));

  dialogs.logins.push_back({"Boss", "boss-pw"});
  form->LogOutButton->click();
  EXPECT_TRUE(MenuEnabled(form->Option1));
  EXPECT_TRUE(MenuEnabled(form->Log1));
  EXPECT_TRUE(MenuEnabled(form->Sound1)) << "the super user ignores the file's sound threshold";
  EXPECT_TRUE(form->PasLev1->isVisible());
  EXPECT_TRUE(form->PasLev1->isEnabled());
}

TEST_F(MainWindow, CancelledLogInLeavesTheWindowLoggedOutWithoutAMessage) {
  ShowAndLogIn();
  EXPECT_EQ(dialogs.loginDialogs, 1);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(Text(form->UserLabel), "no user");
  EXPECT_EQ(Text(form->dirL), "no user");
  EXPECT_FALSE(form->BStart->isEnabled());
  for (QMenu* m : {form->File1, form->Option1, form->User1, form->Log1, form->Sound1}) {
    EXPECT_FALSE(MenuEnabled(m)) << m->objectName().toStdString();
  }
  EXPECT_TRUE(MenuEnabled(form->Edit1));
  EXPECT_TRUE(MenuEnabled(form->Help1));
  EXPECT_TRUE(form->LogOutButton->isEnabled());
  EXPECT_TRUE(form->BitBtn2->isEnabled());
  EXPECT_FALSE(form->Exit1->isEnabled());
}

TEST_F(MainWindow, LogOutWhileLoggedOutOnlyAsksForALogIn) {
  ShowAndLogIn();
  dialogs.logins.push_back({"Ten", "ten-pw"});
  form->LogOutButton->click();
  EXPECT_EQ(dialogs.loginDialogs, 2);
  EXPECT_EQ(Text(form->UserLabel), "Ten");
  // Only Ten's own start-up file was asked for; nothing for nobody.
  EXPECT_EQ(dialogs.Texts(),
            std::vector<std::string>{"Can not fined the start up file create new?"});
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "User" / ".DIR"));
}

TEST_F(MainWindow, WrongPasswordIsRefusedAndStaysLoggedOut) {
  LogInAs("Nine", "not-it");
  EXPECT_EQ(dialogs.Texts(),
            std::vector<std::string>{"INCRECT PASWORD / USER NAME ACCESS DENIDE "});
  EXPECT_EQ(Text(form->UserLabel), "no user");
  EXPECT_FALSE(MenuEnabled(form->File1));
}

TEST_F(MainWindow, CloseBoxWhileLoggedInOnlyAsksForQuit) {
  LogInAs("Nine", "nine-pw");
  dialogs.messages.clear();
  EXPECT_FALSE(form->close());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Warning);
  EXPECT_EQ(dialogs.messages[0].text, "Please use Quit button");
  EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::Ok);
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(Text(form->UserLabel), "Nine");
  EXPECT_TRUE(Users().IsLoggedIn());
  EXPECT_EQ(quitRequests, 0);
}

TEST_F(MainWindow, AStartUpFileThatCannotBeSavedStillLogsOut) {
  // Log Out, then Quit; each with a start-up file that may not be written.
  LogInAs("Nine", "nine-pw");
  const std::string startUp =
      NativePath(StartUpFilePathOf(Paths().programDir, Users().CurrentUser()));
  ::chmod(startUp.c_str(), 0444);
  for (const bool quit : {false, true}) {
    if (quit) {
      // Logged out, Log Out only asks for a log-in.
      dialogs.logins.push_back({"Nine", "nine-pw"});
      form->LogOutButton->click();
      ASSERT_TRUE(Users().IsLoggedIn());
    }
    dialogs.messages.clear();
    (quit ? form->BitBtn2 : form->LogOutButton)->click();
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages[0].text, " Error saveing start up file buffer " + ErrorText(5));
    EXPECT_FALSE(Users().IsLoggedIn()) << quit;
    EXPECT_EQ(Text(form->UserLabel), "no user") << quit;
    EXPECT_EQ(quitRequests, quit ? 1 : 0);
    EXPECT_EQ(Paths().QuitAllowed, quit);
  }
}

TEST_F(MainWindow, QuitSavesTheCurrentSettingsLogsOutAndEnds) {
  LogInAs("Nine", "nine-pw");
  const std::string startUp = StartUpFilePathOf(Paths().programDir, Users().CurrentUser());
  Settings().InOrder = true;
  Settings().WholeFile = false;
  Settings().CurrentDir = "ann.orv\\";
  Settings().delFilePasLev = 42;
  form->BitBtn2->click();
  EXPECT_EQ(quitRequests, 1);
  EXPECT_FALSE(Users().IsLoggedIn());
  EXPECT_TRUE(Paths().QuitAllowed);
  BufferO saved;
  ASSERT_EQ(LoadFromFile(saved, startUp), 0);
  ASSERT_EQ(saved.Count(), 26);
  EXPECT_EQ(saved.Get(1), "WORDS0.ORV");
  EXPECT_EQ(saved.Get(2), "Nine");
  EXPECT_EQ(saved.Get(3), "1");
  EXPECT_EQ(saved.Get(4), "0");
  EXPECT_EQ(saved.Get(5), "ann.orv\\");
  EXPECT_EQ(saved.Get(13), "delFilePasLev=42");
  // Quit allowed the close once: the window now closes, and only once.
  EXPECT_TRUE(form->close());
  EXPECT_FALSE(Paths().QuitAllowed);
}

TEST_F(MainWindow, AtTheSessionsEndTheWindowClosesAndSavesTheUsersSettings) {
  LogInAs("Ten", "ten-pw");
  const std::string startUp = StartUpFilePathOf(Paths().programDir, Users().CurrentUser());
  Settings().InOrder = true;
  dialogs.messages.clear();
  form->Core().SessionEnding();
  EXPECT_TRUE(form->close());
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FALSE(Users().IsLoggedIn());
  EXPECT_EQ(ReadLineN(startUp, 3), "1");
  EXPECT_FALSE(Paths().QuitAllowed) << "the close used the permission up";
}

TEST_F(MainWindow, LogWrongAndLogCorrectToggleTheirFlagsInOrvIni) {
  RegWriteBool(kOrvKey, "LogMistakes", true);
  LogInAs("Boss", "boss-pw");
  EXPECT_TRUE(form->LogWords1->isChecked());
  EXPECT_TRUE(form->Logall1->isChecked());
  form->LogWords1->trigger();
  EXPECT_FALSE(form->LogWords1->isChecked());
  EXPECT_FALSE(Paths().LogMistakes);
  EXPECT_FALSE(RegReadBool(kOrvKey, "LogMistakes"));
  EXPECT_TRUE(Paths().LogAll);
  form->Logall1->trigger();
  form->LogWords1->trigger();
  EXPECT_TRUE(RegReadBool(kOrvKey, "LogMistakes"));
  EXPECT_FALSE(RegReadBool(kOrvKey, "LogAll"));
  EXPECT_FALSE(Paths().LogAll);
}

TEST_F(MainWindow, NewMakesAnEmptyListWithItsOwnerAndRefusesAnExistingName) {
  std::filesystem::create_directories(dir.Path() / "orv.orv");
  LogInAs("Nine", "nine-pw");
  dialogs.messages.clear();
  dialogs.inputs.push_back("some\\folder\\Spell.txt");
  form->New1->trigger();
  ASSERT_EQ(dialogs.inputBoxes.size(), 1u);
  EXPECT_EQ(dialogs.inputBoxes[0].caption, "New File");
  EXPECT_EQ(dialogs.inputBoxes[0].prompt, "Input a file name");
  EXPECT_EQ(dialogs.inputBoxes[0].preset, "");
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Create new file: Spell"});
  EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(dir.Read("orv.orv/Spell.Orv"), "");
  EXPECT_EQ(dir.Read("orv.orv/Spell.usr"), "\"Nine\"\r\n");
  EXPECT_EQ(Settings().CurrentFile, "Spell.Orv");
  EXPECT_EQ(Text(form->CFile), "Spell.Orv");
  EXPECT_EQ(Text(form->FileLengthLabel), "0");

  dialogs.messages.clear();
  dialogs.inputs.push_back("spell");
  form->New1->trigger();
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"File already exists"});
  EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Warning);

  // Saying No to the question makes nothing.
  dialogs.messages.clear();
  dialogs.inputs.push_back("other");
  dialogs.answers.push_back(MsgAnswer::No);
  form->New1->trigger();
  EXPECT_FALSE(FileFound(dir.Str() + "orv.orv/other.Orv"));
  EXPECT_EQ(Settings().CurrentFile, "Spell.Orv");

  // A cancelled box asks nothing more.
  dialogs.messages.clear();
  form->New1->trigger();
  EXPECT_TRUE(dialogs.messages.empty());

  // A name of blanks alone is refused.
  dialogs.inputs.push_back("   ");
  form->New1->trigger();
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Please type a name for the new list"});
  EXPECT_FALSE(FileFound(dir.Str() + "orv.orv/   .Orv"));
  dialogs.messages.clear();

  // Without the word-list folder the file cannot be made: nothing is said.
  std::filesystem::remove_all(dir.Path() / "orv.orv");
  dialogs.inputs.push_back("lost");
  form->New1->trigger();
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Create new file: lost"});
  EXPECT_FALSE(FileFound(dir.Str() + "orv.orv/lost.usr"));
  EXPECT_EQ(Settings().CurrentFile, "Spell.Orv");
}

TEST_F(MainWindow, DeleteFileNeedsTheOwnerOrTheLevel) {
  dir.Write("orv.orv/ann.orv/maths.orv", "1+1|2\r\n");
  dir.Write("orv.orv/ann.orv/maths.usr", "\"Ten\"\r\n");
  dir.Write("User/NINE.DIR/ORV.CON", "maths\r\nNine\r\n0\r\n1\r\nann.orv\\\r\n1\r\n1\r\n");
  dir.Write("User/TEN.DIR/ORV.CON", "maths\r\nTen\r\n0\r\n1\r\nann.orv\\\r\n1\r\n1\r\n");
  LogInAs("Nine", "nine-pw");
  EXPECT_EQ(Text(form->CFile), "maths.ORV");
  EXPECT_EQ(Text(form->FileLengthLabel), "1");
  dialogs.messages.clear();
  form->Deletefile1->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Warning);
  EXPECT_EQ(dialogs.messages[0].text,
            "Access denied this is not your file! <ann.orv\\maths.ORV>.\nThe owner is :\"Ten\"");
  EXPECT_TRUE(FileFound(dir.Str() + "orv.orv/ann.orv/maths.orv"));

  // The owner, of a level below delFilePasLev, may delete; No keeps the file.
  dialogs.logins.push_back({"Ten", "ten-pw"});
  form->LogOutButton->click();
  dialogs.messages.clear();
  dialogs.answers.push_back(MsgAnswer::No);
  form->Deletefile1->trigger();
  EXPECT_EQ(dialogs.Texts(),
            std::vector<std::string>{"Are you sure you want to delete <ann.orv\\maths.ORV>."});
  EXPECT_TRUE(FileFound(dir.Str() + "orv.orv/ann.orv/maths.orv"));
  form->Deletefile1->trigger();
  EXPECT_FALSE(FileFound(dir.Str() + "orv.orv/ann.orv/maths.orv"));
  EXPECT_FALSE(FileFound(dir.Str() + "orv.orv/ann.orv/maths.usr"));
  EXPECT_EQ(dialogs.messages.size(), 2u) << "deleting shows no error";
}

TEST_F(MainWindow, DeleteFileOfAListWithoutOwnerNamesNoOwner) {
  dir.Write("orv.orv/words0.orv", "cat\r\n");
  LogInAs("Low", "low-pw");
  dialogs.messages.clear();
  form->Deletefile1->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            "Access denied this is not your file! <WORDS0.ORV>.\nThe owner is :(Owner not found)");
  // Level 100 and above may delete any list.
  Settings().delFilePasLev = 5;
  dialogs.messages.clear();
  form->Deletefile1->trigger();
  EXPECT_EQ(dialogs.Texts(),
            std::vector<std::string>{"Are you sure you want to delete <WORDS0.ORV>."});
  EXPECT_FALSE(FileFound(dir.Str() + "orv.orv/words0.orv"));
}

int PdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QString pdf = QString::fromLatin1(file.readAll());
  static const QRegularExpression page(R"(/Type\s*/Page(?!s))");
  return static_cast<int>(pdf.count(page));
}

TEST_F(MainWindow, PrintingALongListContinuesOnTheNextPage) {
  std::string shortList, longList;
  for (int i = 1; i <= 3; ++i) shortList += "word" + std::to_string(i) + "\r\n";
  for (int i = 1; i <= 150; ++i) longList += "word" + std::to_string(i) + "\r\n";
  dir.Write("orv.orv/short.orv", shortList);
  dir.Write("orv.orv/long.orv", longList);
  LogInAs("Nine", "nine-pw");
  dialogs.messages.clear();

  auto print = [&](const std::string& list) {
    Settings().CurrentFile = list;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString out = QString::fromStdString(dir.Str() + list + ".pdf");
    printer.setOutputFileName(out);
    form->PrintCurrentList(printer);
    return PdfPages(out);
  };
  EXPECT_EQ(print("short.orv"), 1);
  const int pages = print("long.orv");
  // At 18 points a page holds a few dozen lines, so 150 lines need several.
  EXPECT_GE(pages, 3);
  EXPECT_LE(pages, 10);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindow, PrintingAMissingListReportsIt) {
  LogInAs("Nine", "nine-pw");
  dialogs.messages.clear();
  Settings().CurrentFile = "absent.orv";
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(dir.Str() + "absent.pdf"));
  form->PrintCurrentList(printer);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Error);
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "absent.pdf")) << "nothing is printed";
}

TEST_F(MainWindow, StartRunsTheTestOnTheCurrentListForTheUser) {
  std::vector<std::pair<std::string, std::string>> runs;
  dir.Write("orv.orv/ann.orv/maths.orv", "1+1|2\r\n2+2|4\r\n");
  dir.Write("User/NINE.DIR/ORV.CON", "maths\r\nNine\r\n0\r\n1\r\nann.orv\\\r\n1\r\n1\r\n");
  LogInAs("Nine", "nine-pw");
  EXPECT_FALSE(form->BStart->isEnabled()) << "no test can run yet";
  form->SetTestRunner([&](const std::string& path, const std::string& user) {
    runs.emplace_back(path, user);
    // The list grows while the window shows the old count.
    dir.Write("orv.orv/ann.orv/maths.orv", "1+1|2\r\n2+2|4\r\n3+3|6\r\n");
  });
  ASSERT_TRUE(form->BStart->isEnabled());
  EXPECT_EQ(Text(form->FileLengthLabel), "2");
  form->BStart->click();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].first, dir.Str() + "orv.orv\\ann.orv\\maths.ORV");
  EXPECT_EQ(runs[0].second, "Nine");
  Settings().CurrentFile = "other.orv";
  dir.Write("orv.orv/ann.orv/other.orv", "x\r\n");
  form->BStart->click();
  EXPECT_EQ(Text(form->CFile), "other.orv");
  EXPECT_EQ(Text(form->FileLengthLabel), "1");
  // Logged out, Start does nothing.
  form->LogOutButton->click();
  form->BStart->click();
  EXPECT_EQ(runs.size(), 2u);
}

// While a test runs, the commands that would change its ground are off and
// Quit stays; once it ends they are back as they were.
TEST_F(MainWindow, CommandsOnTheGroundOfARunningTestAreOffUntilItEnds) {
  LogInAs("Boss", "boss-pw");
  const std::vector<QAction*> ground = {form->Open1,      form->New1,
                                        form->ChaDir1,    form->Deletefile1,
                                        form->Removedir1, form->Print1,
                                        form->EditFile1,  form->Changedatabase1,
                                        form->OpenTool,   form->ChDirTool,
                                        form->NewTool,    form->EditTool,
                                        form->PrintTool,  form->User1->menuAction()};
  const std::vector<QAction*> quit = {form->Exit1, form->ExitTool};
  auto enabled = [&](const std::vector<QAction*>& actions) {
    std::vector<bool> states;
    for (QAction* a : actions) states.push_back(a->isEnabled());
    return states;
  };
  const std::vector<bool> before = enabled(ground);
  std::vector<bool> during;
  bool quitDuring = false;
  form->SetTestRunner([&](const std::string&, const std::string&) {
    during = enabled(ground);
    quitDuring = form->BitBtn2->isEnabled() && enabled(quit) == std::vector<bool>{true, true};
    EXPECT_FALSE(form->LogOutButton->isEnabled());
    EXPECT_FALSE(form->BStart->isEnabled());
  });
  form->BStart->click();
  EXPECT_EQ(during, std::vector<bool>(ground.size(), false));
  EXPECT_TRUE(quitDuring);
  EXPECT_EQ(enabled(ground), before);
  EXPECT_TRUE(form->LogOutButton->isEnabled());
  EXPECT_TRUE(form->BStart->isEnabled());
}

// Sounds as the database would hold them, with every sound started noted.
struct StoredSounds : SessionSounds {
  std::set<std::string> stored;
  std::vector<std::string> played;
  bool WavForWord(const std::string& name) override { return stored.count(name) > 0; }
  void PlayWord(const std::string& name) override { played.push_back(name); }
  bool Speak(const std::string&, const std::string&) override { return false; }
  void PlayRightSound() override {}
};

void ClickPicture(TMainForm& form) {
  const QPointF centre(form.Image1->width() / 2.0, form.Image1->height() / 2.0);
  QMouseEvent press(QEvent::MouseButtonPress, centre, form.Image1->mapToGlobal(centre),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, centre, form.Image1->mapToGlobal(centre),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(form.Image1, &press);
  QApplication::sendEvent(form.Image1, &release);
}

TEST_F(MainWindow, ThePicturePlaysItsSoundForItsUserOnly) {
  StoredSounds sounds;
  form->SetDatabase(nullptr, &sounds);
  LogInAs("Boss", "boss-pw");
  sounds.stored.insert(kPictureSound);
  ClickPicture(*form);
  EXPECT_TRUE(sounds.played.empty()) << "not the picture's user";
  dialogs.logins.push_back({"admin", "admin-pw"});
  form->LogOutButton->click();
  ClickPicture(*form);
  EXPECT_EQ(sounds.played, std::vector<std::string>{kPictureSound});
  sounds.stored.clear();
  ClickPicture(*form);
  EXPECT_EQ(sounds.played.size(), 1u) << "no sound stored, nothing played";
  EXPECT_FALSE(form->Changedatabase1->isEnabled()) << "no database to change";
}

TEST_F(MainWindow, CommandsOfLaterWindowsStayDisabledEvenForTheSuperUser) {
  LogInAs("Boss", "boss-pw");
  for (QAction* a : {form->Score1, form->Loglist1, form->View1, form->Makewrongwordfile1,
                     form->Words1, form->ScoreTool}) {
    EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
  }
  for (QAction* a : {form->Open1,     form->ChaDir1,     form->NewDir1,        form->Removedir1,
                     form->EditFile1, form->Viewwords1,  form->ViewCompiled1,  form->Editusers1,
                     form->OpenTool,  form->ChDirTool,   form->EditTool,       form->ViewTool,
                     form->New1,      form->Deletefile1, form->Print1,         form->PrintSetup1,
                     form->Exit1,     form->AddUser1,    form->ChangePasword1, form->Option2,
                     form->NewTool,   form->PrintTool}) {
    EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
  }
}

TEST_F(MainWindow, MenuCaptionsShortCutsAndHintsAreThoseOfTheProgram) {
  EXPECT_EQ(form->windowTitle(), "Orv 7.0");
  EXPECT_EQ(form->Open1->text(), "&Open...");
  EXPECT_EQ(form->Open1->shortcut(), QKeySequence(Qt::Key_F3));
  EXPECT_EQ(form->Open1->statusTip(), "Pick an existing orv file for the current file");
  EXPECT_EQ(form->Print1->shortcut(), QKeySequence("Ctrl+P"));
  EXPECT_EQ(form->ViewCompiled1->shortcut(), QKeySequence("Ctrl+Alt+C"));
  EXPECT_EQ(form->LogWords1->shortcut(), QKeySequence("Ctrl+L"));
  EXPECT_TRUE(form->Logusers1->isChecked());
  EXPECT_EQ(form->Logall1->statusTip(), "Log correct answers but not necessarily wrong ones ");
  EXPECT_EQ(form->Logall1->toolTip(), "Log right answers");
  EXPECT_EQ(form->LogOutButton->statusTip(),
            "log off the current user and leave orv running use Quit to quit orv");
  EXPECT_EQ(form->Deletefile1->statusTip(), "Delete word list cleanup score etc.");
  EXPECT_EQ(form->Log1->menuAction()->statusTip(), "Not iimplemented");
  // Separators after Open, Remove dir, Print Setup and the score and progress items.
  QStringList file;
  for (QAction* a : form->File1->actions()) file << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(file.join(","),
            "&Open...,-,&New,New Dir,&Import...,&ChDir,&Delete file,Remove dir,-,&Print...,"
            "P&rint Setup...,-,&Score,Pro&gress,Class o&verview,-,E&xit");
  EXPECT_TRUE(form->BStart->isDefault());
}

}  // namespace
}  // namespace orv
