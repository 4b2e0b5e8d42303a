#include "app/mainform_window.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QCloseEvent>
#include <QFile>
#include <QMouseEvent>
#include <QPrinter>
#include <QRegularExpression>
#include <QToolButton>
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
  EXPECT_EQ(Text("UserLabel"), "Nine");
  EXPECT_TRUE(MenuEnabled(Get<QMenu>("File1")));
  EXPECT_TRUE(MenuEnabled(Get<QMenu>("User1")));
  EXPECT_FALSE(MenuEnabled(Get<QMenu>("Option1"))) << "level 9 is below optionMenuPasLev 10";
  EXPECT_FALSE(MenuEnabled(Get<QMenu>("Log1")));
  EXPECT_TRUE(MenuEnabled(Get<QMenu>("Sound1"))) << "soundMenuPasLev is 0";
  EXPECT_FALSE(Get<QAction>("PasLev1")->isVisible());

  dialogs.logins.push_back({"Ten", "ten-pw"});
  Get<QPushButton>("LogOutButton")->click();
  EXPECT_EQ(Text("UserLabel"), "Ten");
  EXPECT_TRUE(MenuEnabled(Get<QMenu>("Option1")));
  EXPECT_FALSE(MenuEnabled(Get<QMenu>("Log1")));
  EXPECT_FALSE(Get<QAction>("PasLev1")->isVisible());

  // A user whose own file raises the sound threshold loses the Sound menu.
  dialogs.logins.push_back({"Low", "low-pw"});
  dir.Write("User/LOW.DIR/ORV.CON",
            "WORDS0.ORV\r\nLow\r\n0\r\n1\r\n\r\n1\r\n1\r\nsoundMenuPasLev=6\r\n");
  Get<QPushButton>("LogOutButton")->click();
  EXPECT_EQ(Text("UserLabel"), "Low");
  EXPECT_FALSE(MenuEnabled(Get<QMenu>("Sound1")));
  EXPECT_FALSE(MenuEnabled(Get<QMenu>("Option1")));

  dialogs.logins.push_back({"Boss", "boss-pw"});
  Get<QPushButton>("LogOutButton")->click();
  EXPECT_TRUE(MenuEnabled(Get<QMenu>("Option1")));
  EXPECT_TRUE(MenuEnabled(Get<QMenu>("Log1")));
  EXPECT_TRUE(MenuEnabled(Get<QMenu>("Sound1")))
      << "the super user ignores the file's sound threshold";
  EXPECT_TRUE(Get<QAction>("PasLev1")->isVisible());
  EXPECT_TRUE(Get<QAction>("PasLev1")->isEnabled());
}

TEST_F(MainWindow, CancelledLogInLeavesTheWindowLoggedOutWithoutAMessage) {
  ShowAndLogIn();
  EXPECT_EQ(dialogs.loginDialogs, 1);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(Text("UserLabel"), "no user");
  EXPECT_EQ(Text("dirL"), "no user");
  EXPECT_FALSE(Get<QPushButton>("BStart")->isEnabled());
  for (QMenu* m : {Get<QMenu>("File1"), Get<QMenu>("Option1"), Get<QMenu>("User1"),
                   Get<QMenu>("Log1"), Get<QMenu>("Sound1")}) {
    EXPECT_FALSE(MenuEnabled(m)) << m->objectName().toStdString();
  }
  EXPECT_TRUE(MenuEnabled(Get<QMenu>("Edit1")));
  EXPECT_TRUE(MenuEnabled(Get<QMenu>("Help1")));
  EXPECT_TRUE(Get<QPushButton>("LogOutButton")->isEnabled());
  EXPECT_TRUE(Get<QPushButton>("BitBtn2")->isEnabled());
  EXPECT_FALSE(Get<QAction>("Exit1")->isEnabled());
}

TEST_F(MainWindow, LogOutWhileLoggedOutOnlyAsksForALogIn) {
  ShowAndLogIn();
  dialogs.logins.push_back({"Ten", "ten-pw"});
  Get<QPushButton>("LogOutButton")->click();
  EXPECT_EQ(dialogs.loginDialogs, 2);
  EXPECT_EQ(Text("UserLabel"), "Ten");
  // Only Ten's own start-up file was asked for; nothing for nobody.
  EXPECT_EQ(dialogs.Texts(),
            std::vector<std::string>{"Can not fined the start up file create new?"});
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "User" / ".DIR"));
}

TEST_F(MainWindow, WrongPasswordIsRefusedAndStaysLoggedOut) {
  LogInAs("Nine", "not-it");
  EXPECT_EQ(dialogs.Texts(),
            std::vector<std::string>{"INCRECT PASWORD / USER NAME ACCESS DENIDE "});
  EXPECT_EQ(Text("UserLabel"), "no user");
  EXPECT_FALSE(MenuEnabled(Get<QMenu>("File1")));
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
  EXPECT_EQ(Text("UserLabel"), "Nine");
  EXPECT_TRUE(users->IsLoggedIn());
  EXPECT_EQ(quitRequests, 0);
}

TEST_F(MainWindow, AStartUpFileThatCannotBeSavedStillLogsOut) {
  // Log Out, then Quit; each with a start-up file that may not be written.
  LogInAs("Nine", "nine-pw");
  const std::string startUp = NativePath(StartUpFilePathOf(paths.programDir, users->CurrentUser()));
  ::chmod(startUp.c_str(), 0444);
  for (const bool quit : {false, true}) {
    if (quit) {
      // Logged out, Log Out only asks for a log-in.
      dialogs.logins.push_back({"Nine", "nine-pw"});
      Get<QPushButton>("LogOutButton")->click();
      ASSERT_TRUE(users->IsLoggedIn());
    }
    dialogs.messages.clear();
    (quit ? Get<QPushButton>("BitBtn2") : Get<QPushButton>("LogOutButton"))->click();
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages[0].text, " Error saveing start up file buffer " + ErrorText(5));
    EXPECT_FALSE(users->IsLoggedIn()) << quit;
    EXPECT_EQ(Text("UserLabel"), "no user") << quit;
    EXPECT_EQ(quitRequests, quit ? 1 : 0);
    EXPECT_EQ(paths.QuitAllowed, quit);
  }
}

TEST_F(MainWindow, QuitSavesTheCurrentSettingsLogsOutAndEnds) {
  LogInAs("Nine", "nine-pw");
  const std::string startUp = StartUpFilePathOf(paths.programDir, users->CurrentUser());
  settings.InOrder = true;
  settings.WholeFile = false;
  settings.CurrentDir = "ann.orv\\";
  settings.delFilePasLev = 42;
  Get<QPushButton>("BitBtn2")->click();
  EXPECT_EQ(quitRequests, 1);
  EXPECT_FALSE(users->IsLoggedIn());
  EXPECT_TRUE(paths.QuitAllowed);
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
  EXPECT_FALSE(paths.QuitAllowed);
}

TEST_F(MainWindow, AtTheSessionsEndTheWindowClosesAndSavesTheUsersSettings) {
  LogInAs("Ten", "ten-pw");
  const std::string startUp = StartUpFilePathOf(paths.programDir, users->CurrentUser());
  settings.InOrder = true;
  dialogs.messages.clear();
  form->Core().SessionEnding();
  EXPECT_TRUE(form->close());
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FALSE(users->IsLoggedIn());
  EXPECT_EQ(ReadLineN(startUp, 3), "1");
  EXPECT_FALSE(paths.QuitAllowed) << "the close used the permission up";
}

TEST_F(MainWindow, LogWrongAndLogCorrectToggleTheirFlagsInOrvIni) {
  RegWriteBool(paths, kOrvKey, "LogMistakes", true);
  LogInAs("Boss", "boss-pw");
  EXPECT_TRUE(Get<QAction>("LogWords1")->isChecked());
  EXPECT_TRUE(Get<QAction>("Logall1")->isChecked());
  Get<QAction>("LogWords1")->trigger();
  EXPECT_FALSE(Get<QAction>("LogWords1")->isChecked());
  EXPECT_FALSE(paths.LogMistakes);
  EXPECT_FALSE(RegReadBool(paths, kOrvKey, "LogMistakes"));
  EXPECT_TRUE(paths.LogAll);
  Get<QAction>("Logall1")->trigger();
  Get<QAction>("LogWords1")->trigger();
  EXPECT_TRUE(RegReadBool(paths, kOrvKey, "LogMistakes"));
  EXPECT_FALSE(RegReadBool(paths, kOrvKey, "LogAll"));
  EXPECT_FALSE(paths.LogAll);
}

TEST_F(MainWindow, NewMakesAnEmptyListWithItsOwnerAndRefusesAnExistingName) {
  std::filesystem::create_directories(dir.Path() / "orv.orv");
  LogInAs("Nine", "nine-pw");
  dialogs.messages.clear();
  dialogs.inputs.push_back("some\\folder\\Spell.txt");
  Get<QAction>("New1")->trigger();
  ASSERT_EQ(dialogs.inputBoxes.size(), 1u);
  EXPECT_EQ(dialogs.inputBoxes[0].caption, "New File");
  EXPECT_EQ(dialogs.inputBoxes[0].prompt, "Input a file name");
  EXPECT_EQ(dialogs.inputBoxes[0].preset, "");
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Create new file: Spell"});
  EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(dir.Read("orv.orv/Spell.Orv"), "");
  EXPECT_EQ(dir.Read("orv.orv/Spell.usr"), "\"Nine\"\r\n");
  EXPECT_EQ(settings.CurrentFile, "Spell.Orv");
  EXPECT_EQ(Text("CFile"), "Spell.Orv");
  EXPECT_EQ(Text("FileLengthLabel"), "0");

  dialogs.messages.clear();
  dialogs.inputs.push_back("spell");
  Get<QAction>("New1")->trigger();
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"File already exists"});
  EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Warning);

  // Saying No to the question makes nothing.
  dialogs.messages.clear();
  dialogs.inputs.push_back("other");
  dialogs.answers.push_back(MsgAnswer::No);
  Get<QAction>("New1")->trigger();
  EXPECT_FALSE(FileFound(dir.Str() + "orv.orv/other.Orv"));
  EXPECT_EQ(settings.CurrentFile, "Spell.Orv");

  // A cancelled box asks nothing more.
  dialogs.messages.clear();
  Get<QAction>("New1")->trigger();
  EXPECT_TRUE(dialogs.messages.empty());

  // A name of blanks alone is refused.
  dialogs.inputs.push_back("   ");
  Get<QAction>("New1")->trigger();
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Please type a name for the new list"});
  EXPECT_FALSE(FileFound(dir.Str() + "orv.orv/   .Orv"));
  dialogs.messages.clear();

  // Without the word-list folder the file cannot be made: nothing is said.
  std::filesystem::remove_all(dir.Path() / "orv.orv");
  dialogs.inputs.push_back("lost");
  Get<QAction>("New1")->trigger();
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Create new file: lost"});
  EXPECT_FALSE(FileFound(dir.Str() + "orv.orv/lost.usr"));
  EXPECT_EQ(settings.CurrentFile, "Spell.Orv");
}

TEST_F(MainWindow, DeleteFileNeedsTheOwnerOrTheLevel) {
  dir.Write("orv.orv/ann.orv/maths.orv", "1+1|2\r\n");
  dir.Write("orv.orv/ann.orv/maths.usr", "\"Ten\"\r\n");
  dir.Write("User/NINE.DIR/ORV.CON", "maths\r\nNine\r\n0\r\n1\r\nann.orv\\\r\n1\r\n1\r\n");
  dir.Write("User/TEN.DIR/ORV.CON", "maths\r\nTen\r\n0\r\n1\r\nann.orv\\\r\n1\r\n1\r\n");
  LogInAs("Nine", "nine-pw");
  EXPECT_EQ(Text("CFile"), "maths.ORV");
  EXPECT_EQ(Text("FileLengthLabel"), "1");
  dialogs.messages.clear();
  Get<QAction>("Deletefile1")->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Warning);
  EXPECT_EQ(dialogs.messages[0].text,
            "Access denied this is not your file! <ann.orv\\maths.ORV>.\nThe owner is :\"Ten\"");
  EXPECT_TRUE(FileFound(dir.Str() + "orv.orv/ann.orv/maths.orv"));

  // The owner, of a level below delFilePasLev, may delete; No keeps the file.
  dialogs.logins.push_back({"Ten", "ten-pw"});
  Get<QPushButton>("LogOutButton")->click();
  dialogs.messages.clear();
  dialogs.answers.push_back(MsgAnswer::No);
  Get<QAction>("Deletefile1")->trigger();
  EXPECT_EQ(dialogs.Texts(),
            std::vector<std::string>{"Are you sure you want to delete <ann.orv\\maths.ORV>."});
  EXPECT_TRUE(FileFound(dir.Str() + "orv.orv/ann.orv/maths.orv"));
  Get<QAction>("Deletefile1")->trigger();
  EXPECT_FALSE(FileFound(dir.Str() + "orv.orv/ann.orv/maths.orv"));
  EXPECT_FALSE(FileFound(dir.Str() + "orv.orv/ann.orv/maths.usr"));
  EXPECT_EQ(dialogs.messages.size(), 2u) << "deleting shows no error";
}

TEST_F(MainWindow, DeleteFileOfAListWithoutOwnerNamesNoOwner) {
  dir.Write("orv.orv/words0.orv", "cat\r\n");
  LogInAs("Low", "low-pw");
  dialogs.messages.clear();
  Get<QAction>("Deletefile1")->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            "Access denied this is not your file! <WORDS0.ORV>.\nThe owner is :(Owner not found)");
  // Level 100 and above may delete any list.
  settings.delFilePasLev = 5;
  dialogs.messages.clear();
  Get<QAction>("Deletefile1")->trigger();
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
    settings.CurrentFile = list;
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
  settings.CurrentFile = "absent.orv";
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
  EXPECT_FALSE(Get<QPushButton>("BStart")->isEnabled()) << "no test can run yet";
  form->SetTestRunner([&](const std::string& path, const std::string& user) {
    runs.emplace_back(path, user);
    // The list grows while the window shows the old count.
    dir.Write("orv.orv/ann.orv/maths.orv", "1+1|2\r\n2+2|4\r\n3+3|6\r\n");
  });
  ASSERT_TRUE(Get<QPushButton>("BStart")->isEnabled());
  EXPECT_EQ(Text("FileLengthLabel"), "2");
  Get<QPushButton>("BStart")->click();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].first, dir.Str() + "orv.orv\\ann.orv\\maths.ORV");
  EXPECT_EQ(runs[0].second, "Nine");
  settings.CurrentFile = "other.orv";
  dir.Write("orv.orv/ann.orv/other.orv", "x\r\n");
  Get<QPushButton>("BStart")->click();
  EXPECT_EQ(Text("CFile"), "other.orv");
  EXPECT_EQ(Text("FileLengthLabel"), "1");
  // Logged out, Start does nothing.
  Get<QPushButton>("LogOutButton")->click();
  Get<QPushButton>("BStart")->click();
  EXPECT_EQ(runs.size(), 2u);
}

// While a test runs, the commands that would change its ground are off and
// Quit stays; once it ends they are back as they were.
TEST_F(MainWindow, CommandsOnTheGroundOfARunningTestAreOffUntilItEnds) {
  LogInAs("Boss", "boss-pw");
  const std::vector<QAction*> ground = {Get<QAction>("Open1"),
                                        Get<QAction>("New1"),
                                        Get<QAction>("ChaDir1"),
                                        Get<QAction>("Deletefile1"),
                                        Get<QAction>("Removedir1"),
                                        Get<QAction>("Print1"),
                                        Get<QAction>("EditFile1"),
                                        Get<QAction>("Changedatabase1"),
                                        Tool("OpenTool"),
                                        Tool("ChDirTool"),
                                        Tool("NewTool"),
                                        Tool("EditTool"),
                                        Tool("PrintTool"),
                                        Get<QMenu>("User1")->menuAction()};
  const std::vector<QAction*> quit = {Get<QAction>("Exit1"), Tool("ExitTool")};
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
    quitDuring =
        Get<QPushButton>("BitBtn2")->isEnabled() && enabled(quit) == std::vector<bool>{true, true};
    EXPECT_FALSE(Get<QPushButton>("LogOutButton")->isEnabled());
    EXPECT_FALSE(Get<QPushButton>("BStart")->isEnabled());
  });
  Get<QPushButton>("BStart")->click();
  EXPECT_EQ(during, std::vector<bool>(ground.size(), false));
  EXPECT_TRUE(quitDuring);
  EXPECT_EQ(enabled(ground), before);
  EXPECT_TRUE(Get<QPushButton>("LogOutButton")->isEnabled());
  EXPECT_TRUE(Get<QPushButton>("BStart")->isEnabled());
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
  QLabel* image = test::Child<QLabel>(form, "Image1");
  const QPointF centre(image->width() / 2.0, image->height() / 2.0);
  QMouseEvent press(QEvent::MouseButtonPress, centre, image->mapToGlobal(centre), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, centre, image->mapToGlobal(centre),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(image, &press);
  QApplication::sendEvent(image, &release);
}

TEST_F(MainWindow, ThePicturePlaysItsSoundForItsUserOnly) {
  StoredSounds sounds;
  form->SetDatabase(nullptr, &sounds);
  LogInAs("Boss", "boss-pw");
  sounds.stored.insert(kPictureSound);
  ClickPicture(*form);
  EXPECT_TRUE(sounds.played.empty()) << "not the picture's user";
  dialogs.logins.push_back({"admin", "admin-pw"});
  Get<QPushButton>("LogOutButton")->click();
  ClickPicture(*form);
  EXPECT_EQ(sounds.played, std::vector<std::string>{kPictureSound});
  sounds.stored.clear();
  ClickPicture(*form);
  EXPECT_EQ(sounds.played.size(), 1u) << "no sound stored, nothing played";
  EXPECT_FALSE(Get<QAction>("Changedatabase1")->isEnabled()) << "no database to change";
}

TEST_F(MainWindow, CommandsOfLaterWindowsStayDisabledEvenForTheSuperUser) {
  LogInAs("Boss", "boss-pw");
  for (QAction* a :
       {Get<QAction>("Score1"), Get<QAction>("Loglist1"), Get<QAction>("View1"),
        Get<QAction>("Makewrongwordfile1"), Get<QAction>("Words1"), Tool("ScoreTool")}) {
    EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
  }
  for (QAction* a : {Get<QAction>("Open1"),
                     Get<QAction>("ChaDir1"),
                     Get<QAction>("NewDir1"),
                     Get<QAction>("Removedir1"),
                     Get<QAction>("EditFile1"),
                     Get<QAction>("Viewwords1"),
                     Get<QAction>("ViewCompiled1"),
                     Get<QAction>("Editusers1"),
                     Tool("OpenTool"),
                     Tool("ChDirTool"),
                     Tool("EditTool"),
                     Tool("ViewTool"),
                     Get<QAction>("New1"),
                     Get<QAction>("Deletefile1"),
                     Get<QAction>("Print1"),
                     Get<QAction>("PrintSetup1"),
                     Get<QAction>("Exit1"),
                     Get<QAction>("AddUser1"),
                     Get<QAction>("ChangePasword1"),
                     Get<QAction>("Option2"),
                     Tool("NewTool"),
                     Tool("PrintTool")}) {
    EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
  }
}

TEST_F(MainWindow, MenuCaptionsShortCutsAndHintsAreThoseOfTheProgram) {
  EXPECT_EQ(form->windowTitle(), "Orv 7.0");
  EXPECT_EQ(Get<QAction>("Open1")->text(), "&Open...");
  EXPECT_EQ(Get<QAction>("Open1")->shortcut(), QKeySequence(Qt::Key_F3));
  EXPECT_EQ(Get<QAction>("Open1")->statusTip(), "Pick an existing orv file for the current file");
  EXPECT_EQ(Get<QAction>("Print1")->shortcut(), QKeySequence("Ctrl+P"));
  EXPECT_EQ(Get<QAction>("ViewCompiled1")->shortcut(), QKeySequence("Ctrl+Alt+C"));
  EXPECT_EQ(Get<QAction>("LogWords1")->shortcut(), QKeySequence("Ctrl+L"));
  EXPECT_TRUE(Get<QAction>("Logusers1")->isChecked());
  EXPECT_EQ(Get<QAction>("Logall1")->statusTip(),
            "Log correct answers but not necessarily wrong ones ");
  EXPECT_EQ(Get<QAction>("Logall1")->toolTip(), "Log right answers");
  EXPECT_EQ(Get<QPushButton>("LogOutButton")->statusTip(),
            "log off the current user and leave orv running use Quit to quit orv");
  EXPECT_EQ(Get<QAction>("Deletefile1")->statusTip(), "Delete word list cleanup score etc.");
  EXPECT_EQ(Get<QMenu>("Log1")->menuAction()->statusTip(), "Not iimplemented");
  // Separators after Open, Remove dir, Print Setup and the score and progress items.
  QStringList file;
  for (QAction* a : Get<QMenu>("File1")->actions()) file << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(file.join(","),
            "&Open...,-,&New,New Dir,&Import...,&ChDir,&Delete file,Remove dir,-,&Print...,"
            "P&rint Setup...,-,&Score,Pro&gress,Class o&verview,-,E&xit");
  EXPECT_TRUE(Get<QPushButton>("BStart")->isDefault());
  // A tool button runs its menu item's action under its own caption and hint.
  const QToolButton* open = Get<QToolButton>("OpenTool");
  EXPECT_EQ(open->defaultAction(), Get<QAction>("Open1"));
  EXPECT_EQ(open->text(), "Open");
  EXPECT_EQ(open->toolTip(), "Open");
  EXPECT_EQ(open->statusTip(), "Open new file for spelling");
}

}  // namespace
}  // namespace orv
