#include "lists/edit_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTextEdit>
#include <filesystem>
#include <memory>
#include <string>

#include "app/listedithost.h"
#include "files/errortext.h"
#include "lists/compilesettings.h"
#include "lists/viewconpiled_window.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "support/test_users.h"
#include "support/window_driver.h"

namespace orv {
namespace {

QAction* Action(QWidget& window, const char* name) {
  const QList<QAction*> found = window.findChildren<QAction*>(name);
  EXPECT_EQ(found.size(), 1) << name;
  return found.value(0);
}

QPlainTextEdit& Editor(QWidget& window) {
  return *window.findChild<QPlainTextEdit*>("RichEdit1");
}

// Replaces the whole text as typing over it would.
void TypeOver(QWidget& window, const QString& text) {
  Editor(window).selectAll();
  Editor(window).insertPlainText(text);
}

// The program as the editor sees it, given its values.
struct Host : ListEditHost {
  ListEditor Editor() const override { return editor; }
  std::string CurrentFile() const override { return currentFile; }
  std::string ProgramDir() const override { return programDir; }
  bool ProgramEnding() const override { return ending; }

  ListEditor editor;
  std::string currentFile;
  std::string programDir;
  bool ending = false;
};

class EditorWindow : public ::testing::Test {
 protected:
  EditorWindow() {
    host_.programDir = dir_.Str();
    dir_.Write("orv.orv/ann.orv/sums.orv", "apple\r\nbanana|yellow\r\n");
  }

  // The editor for a user of the standard set.
  TEditOrv& EditorFor(const std::string& who) {
    host_.editor = ListEditorOf(*test::LoggedIn(dir_, dialogs_, test::StandardUsers(), who));
    editor_ = std::make_unique<TEditOrv>(host_, dialogs_, view_);
    return *editor_;
  }

  std::string List() const { return dir_.Str() + "orv.orv\\ann.orv\\sums.orv"; }
  std::string ListText() const { return dir_.Read("orv.orv/ann.orv/sums.orv"); }

  test::TempDir dir_;
  test::FakeDialogs dialogs_;
  CompileSettings compile_;
  TCompiledView view_{dialogs_, compile_};
  Host host_;
  std::unique_ptr<TEditOrv> editor_;
};

TEST_F(EditorWindow, WithoutAnOwnerFileOnlyASuperUserGetsIn) {
  TEditOrv& editor = EditorFor("BOB");
  test::WindowDriver modal;
  modal.Then("TEditOrv", "closes", [](QWidget& window) { static_cast<QDialog&>(window).accept(); });
  editor.EditList(List());
  EXPECT_TRUE(modal.Log().empty());
  EXPECT_EQ(dialogs_.Texts(), std::vector<std::string>{"Access denied"});
  EXPECT_EQ(dialogs_.messages[0].kind, MsgKind::Warning);
}

TEST_F(EditorWindow, TheOwnerGetsInWhateverTheLetterCaseOfTheOwnerLine) {
  dir_.Write("orv.orv/ann.orv/sums.usr", "\"Ann\"\r\n");
  TEditOrv& editor = EditorFor("ANN");
  test::WindowDriver modal;
  modal.Then("TEditOrv", "looks at the menu, exits", [](QWidget& window) {
    EXPECT_EQ(window.windowTitle(), "Edit Orv file");
    EXPECT_EQ(Editor(window).toPlainText(), "apple\nbanana|yellow");
    EXPECT_FALSE(Editor(window).isReadOnly());
    EXPECT_TRUE(Action(window, "Save1")->isEnabled());
    Action(window, "Exit1")->trigger();
  });
  editor.EditList(List());
  EXPECT_TRUE(modal.Done());
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(EditorWindow, AnOwnerLineWithoutQuotesLetsNobodyButASuperUserIn) {
  dir_.Write("orv.orv/ann.orv/sums.usr", "ann\r\n");
  TEditOrv& editor = EditorFor("ANN");
  {
    test::WindowDriver refused;
    refused.Then("TEditOrv", "closes",
                 [](QWidget& window) { static_cast<QDialog&>(window).accept(); });
    editor.EditList(List());
    EXPECT_TRUE(refused.Log().empty());
    EXPECT_EQ(dialogs_.Texts(), std::vector<std::string>{"Access denied"});
  }

  TEditOrv& super = EditorFor("ADMIN");
  test::WindowDriver admitted;
  admitted.Then("TEditOrv", "exits", [](QWidget& window) { Action(window, "Exit1")->trigger(); });
  super.EditList(List());
  EXPECT_TRUE(admitted.Done());
}

TEST_F(EditorWindow, SaveChangesIsAskedOnlyForAChangedText) {
  TEditOrv& editor = EditorFor("ADMIN");
  test::WindowDriver unchanged;
  unchanged.Then("TEditOrv", "exits", [](QWidget& window) { Action(window, "Exit1")->trigger(); });
  editor.EditList(List());
  EXPECT_TRUE(unchanged.Done());
  EXPECT_TRUE(dialogs_.messages.empty());

  dialogs_.answers.push_back(MsgAnswer::No);
  test::WindowDriver declined;
  declined.Then("TEditOrv", "changes the text, declines the save", [](QWidget& window) {
    Editor(window).appendPlainText("cherry");
    static_cast<QDialog&>(window).reject();  // the close box or Esc
  });
  editor.EditList(List());
  EXPECT_TRUE(declined.Done());
  EXPECT_EQ(dialogs_.Texts(), std::vector<std::string>{"Save changes"});
  EXPECT_EQ(dialogs_.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(ListText(), "apple\r\nbanana|yellow\r\n");

  dialogs_.answers.push_back(MsgAnswer::Yes);
  test::WindowDriver accepted;
  accepted.Then("TEditOrv", "changes the text, saves", [](QWidget& window) {
    Editor(window).appendPlainText("cherry");
    Action(window, "Exit1")->trigger();
  });
  editor.EditList(List());
  EXPECT_TRUE(accepted.Done());
  EXPECT_EQ(dialogs_.messages.size(), 2u);
  EXPECT_EQ(ListText(), "apple\r\nbanana|yellow\r\ncherry\r\n");
  EXPECT_TRUE(Editor(editor).toPlainText().isEmpty());
}

// Told to end, the program leaves "Save changes" unanswered (its box closes
// as No): the changed text is kept beside the list, and the next edit offers
// it. (The end that stops the editor's loop is tried in the end-to-end tests.)
TEST_F(EditorWindow, AChangedTextThatTheProgramsEndCutsShortIsKeptAndOffered) {
  TEditOrv& editor = EditorFor("ADMIN");
  const std::filesystem::path unsaved = dir_.Path() / "orv.orv/ann.orv/sums.orv.unsaved";
  auto endWhileAsked = [this](const std::string& text) {
    dialogs_.onMessage = [this](const test::ShownMessage&) { host_.ending = true; };
    dialogs_.answers = {MsgAnswer::No};
    test::WindowDriver ended;
    ended.Then("TEditOrv", "changes the text, closes", [text](QWidget& window) {
      TypeOver(window, QString::fromStdString(text));
      Action(window, "Exit1")->trigger();
    });
    editor_->EditList(List());
    EXPECT_TRUE(ended.Done());
    dialogs_.onMessage = {};
    host_.ending = false;
  };
  endWhileAsked("apple\ncherry");
  EXPECT_EQ(dialogs_.Texts(), std::vector<std::string>{"Save changes"});
  EXPECT_EQ(ListText(), "apple\r\nbanana|yellow\r\n");
  EXPECT_EQ(dir_.Read("orv.orv/ann.orv/sums.orv.unsaved"), "apple\r\ncherry\r\n");

  // Only the editor offers it; viewing the list leaves it where it is.
  dialogs_.messages.clear();
  test::WindowDriver viewed;
  viewed.Then("TEditOrv", "views the list", [](QWidget& window) { window.close(); });
  editor.ViewList(List());
  EXPECT_TRUE(viewed.Done());
  EXPECT_TRUE(dialogs_.messages.empty());
  ASSERT_TRUE(std::filesystem::exists(unsaved));

  dialogs_.answers = {MsgAnswer::Yes, MsgAnswer::Yes};  // open the kept text; save it
  test::WindowDriver offered;
  offered.Then("TEditOrv", "shows the kept text as changed, saves it", [](QWidget& window) {
    EXPECT_EQ(Editor(window).toPlainText(), "apple\ncherry");
    EXPECT_TRUE(Editor(window).document()->isModified());
    Action(window, "Exit1")->trigger();
  });
  editor.EditList(List());
  EXPECT_TRUE(offered.Done());
  ASSERT_EQ(dialogs_.messages.size(), 2u);
  EXPECT_NE(dialogs_.messages[0].text.find(unsaved.string()), std::string::npos);
  EXPECT_EQ(ListText(), "apple\r\ncherry\r\n");
  EXPECT_FALSE(std::filesystem::exists(unsaved));

  // Refused, the kept text is deleted and the list opens as saved.
  endWhileAsked("pear");
  EXPECT_EQ(dir_.Read("orv.orv/ann.orv/sums.orv.unsaved"), "pear\r\n");
  dialogs_.answers = {MsgAnswer::No};
  test::WindowDriver refused;
  refused.Then("TEditOrv", "shows the list as saved", [](QWidget& window) {
    EXPECT_EQ(Editor(window).toPlainText(), "apple\ncherry");
    EXPECT_FALSE(Editor(window).document()->isModified());
    Action(window, "Exit1")->trigger();
  });
  editor.EditList(List());
  EXPECT_TRUE(refused.Done());
  EXPECT_FALSE(std::filesystem::exists(unsaved));
}

TEST_F(EditorWindow, AFailedSaveIsToldAndTheTextStaysChanged) {
  TEditOrv& editor = EditorFor("ADMIN");
  test::WindowDriver modal;
  modal.Then("TEditOrv", "saves where it cannot, exits twice", [this](QWidget& window) {
    TypeOver(window, "lost?");
    Action(window, "Save1")->trigger();
    EXPECT_TRUE(Editor(window).document()->isModified());
    // Closing offers the save again, tells the failure again and stays open
    // with the text, both from the menu and from the close box.
    Action(window, "Exit1")->trigger();
    static_cast<QDialog&>(window).reject();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Editor(window).toPlainText(), "lost?");
    // Declining the save closes it.
    dialogs_.answers.push_back(MsgAnswer::No);
    Action(window, "Exit1")->trigger();
  });
  editor.EditList(dir_.Str() + "orv.orv\\gone.orv\\new.orv");
  EXPECT_TRUE(modal.Done());
  EXPECT_EQ(dialogs_.Texts(),
            (std::vector<std::string>{"Save changes", ErrorText(3), "Save changes", ErrorText(3),
                                      "Save changes", ErrorText(3), "Save changes"}));
}

TEST_F(EditorWindow, AListThatCouldNotBeReadIsNotReplacedWithoutAWarning) {
  TEditOrv& editor = EditorFor("ADMIN");
  // This process's memory file exists but cannot be read from its start.
  dialogs_.answers = {MsgAnswer::Yes, MsgAnswer::No};
  test::WindowDriver modal;
  modal.Then("TEditOrv", "replaces the text, exits", [](QWidget& window) {
    TypeOver(window, "replacement");
    Action(window, "Exit1")->trigger();
  });
  editor.EditList("/proc/self/mem");
  EXPECT_TRUE(modal.Done());
  ASSERT_EQ(dialogs_.messages.size(), 2u);
  EXPECT_EQ(dialogs_.messages[1].kind, MsgKind::Warning);
  EXPECT_EQ(dialogs_.messages[1].text.rfind("The list /proc/self/mem could not be read (", 0), 0u);
  // A list that is simply not there yet is written without the warning.
  dialogs_.messages.clear();
  dialogs_.answers = {MsgAnswer::Yes};
  test::WindowDriver fresh;
  fresh.Then("TEditOrv", "types a first line, exits", [](QWidget& window) {
    TypeOver(window, "first");
    Action(window, "Exit1")->trigger();
  });
  editor.EditList(dir_.Str() + "orv.orv\\ann.orv\\new.orv");
  EXPECT_EQ(dialogs_.Texts(), std::vector<std::string>{"Save changes"});
  EXPECT_EQ(dir_.Read("orv.orv/ann.orv/new.orv"), "first\r\n");
}

TEST_F(EditorWindow, AListIsShownAndSavedInItsOwnEncodingAndLineEnds) {
  dir_.Write("orv.orv/ann.orv/french.orv", "caf\xE9\n\x80uro\n");
  dialogs_.answers.push_back(MsgAnswer::Yes);
  test::WindowDriver modal;
  modal.Then("TEditOrv", "reads the text, exits", [](QWidget& window) {
    EXPECT_EQ(Editor(window).toPlainText(), "café\n€uro");
    Editor(window).appendPlainText("thé");
    Action(window, "Exit1")->trigger();
  });
  EditorFor("ADMIN").EditList(dir_.Str() + "orv.orv\\ann.orv\\french.orv");
  EXPECT_TRUE(modal.Done());
  EXPECT_EQ(dir_.Read("orv.orv/ann.orv/french.orv"), "caf\xE9\n\x80uro\nth\xE9\n");
}

TEST_F(EditorWindow, AfterDeleteLinefeedsTheTextIsOneReadOnlyLineThatIsNotSaved) {
  TEditOrv& editor = EditorFor("ADMIN");
  test::WindowDriver modal;
  modal.Then("TEditOrv", "deletes the line feeds, exits", [](QWidget& window) {
    Editor(window).appendPlainText("cherry  ");
    Action(window, "DeleteLinefeeds1")->trigger();
    EXPECT_EQ(Editor(window).toPlainText(), "apple banana|yellow cherry");
    EXPECT_TRUE(Editor(window).isReadOnly());
    EXPECT_FALSE(Action(window, "Save1")->isEnabled());
    EXPECT_FALSE(Editor(window).document()->isModified());
    Action(window, "Exit1")->trigger();
  });
  editor.EditList(List());
  EXPECT_TRUE(modal.Done());
  EXPECT_TRUE(dialogs_.messages.empty());
  EXPECT_EQ(ListText(), "apple\r\nbanana|yellow\r\n");
}

TEST_F(EditorWindow, ViewWordsIsReadOnlyForAnyone) {
  TEditOrv& editor = EditorFor("");
  test::WindowDriver modal;
  modal.Then("TEditOrv", "reads the words, exits", [](QWidget& window) {
    EXPECT_EQ(Editor(window).toPlainText(), "apple\nbanana|yellow");
    EXPECT_TRUE(Editor(window).isReadOnly());
    EXPECT_FALSE(Action(window, "Save1")->isEnabled());
    Action(window, "Exit1")->trigger();
  });
  editor.ViewList(List());
  EXPECT_TRUE(modal.Done());
  EXPECT_EQ(editor.ListPath(), List());
}

TEST_F(EditorWindow, ExportIsOfferedOnceGivenAndGetsTheTextShownCleaned) {
  TEditOrv& editor = EditorFor("");
  std::string exported;
  test::WindowDriver modal;
  modal.Then("TEditOrv", "has no Export yet", [](QWidget& window) {
    EXPECT_FALSE(Action(window, "Export1")->isVisible());
    Action(window, "Exit1")->trigger();
  });
  editor.ViewList(List());
  editor.SetExport([&](const std::string& name, const BufferO& lines) {
    exported = name + ":" + std::to_string(lines.Count()) + ":" + lines.Line(1);
  });
  modal.Then("TEditOrv", "exports the text", [](QWidget& window) {
    Editor(window).setPlainText("  pear \npear\n\nplum");
    Action(window, "Export1")->trigger();
    Action(window, "Exit1")->trigger();
  });
  editor.ViewList(List());
  EXPECT_TRUE(modal.Done());
  EXPECT_EQ(exported, "sums:2:pear");
}

TEST_F(EditorWindow, ViewCompiledShowsTheEditedTextAndKeepsItChanged) {
  TEditOrv& editor = EditorFor("ADMIN");
  dialogs_.answers.push_back(MsgAnswer::No);
  test::WindowDriver modal;
  modal.Then("TEditOrv", "views the compiled text, exits", [this](QWidget& window) {
    TypeOver(window, "$script\n$6*7");
    test::WindowDriver compiled;
    compiled.Then("TCompiledView", "reads the compiled text, Ok", [](QWidget& view) {
      EXPECT_EQ(view.windowTitle(), "Compiled Viewtest");
      EXPECT_EQ(view.findChild<QTextEdit*>("RichEdit1")->toPlainText(), "$script\n$6*7\n6*7|42");
      static_cast<QDialog&>(view).accept();
    });
    Action(window, "viewcompiled1")->trigger();
    EXPECT_TRUE(compiled.Done());
    EXPECT_EQ(dir_.Read("compile temp.orv"), "$script\r\n$6*7\r\n");
    EXPECT_TRUE(Editor(window).document()->isModified());
    Action(window, "Exit1")->trigger();
  });
  editor.EditList(List());
  EXPECT_TRUE(modal.Done());
  EXPECT_EQ(dialogs_.Texts(), std::vector<std::string>{"Save changes"});
  EXPECT_EQ(ListText(), "apple\r\nbanana|yellow\r\n");
}

TEST_F(EditorWindow, PrintingNamesTheJobAfterTheCurrentList) {
  host_.currentFile = "sums.orv";
  TEditOrv& editor = EditorFor("ADMIN");
  const QString pdf = QString::fromStdString(dir_.Str() + "list.pdf");
  test::WindowDriver modal;
  modal.Then("TEditOrv", "prints", [&](QWidget& window) {
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    editor.PrintText(printer);
    EXPECT_EQ(printer.docName(), "sums.orv");
    test::SaveScreenshot(window, "list-editor");
    Action(window, "Exit1")->trigger();
  });
  editor.ViewList(List());
  EXPECT_TRUE(modal.Done());
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF"));
  // The job's name is the document's title, in UTF-16 with its byte-order mark.
  QByteArray title("/Title (\xFE\xFF");
  for (char c : std::string("sums.orv")) title.append('\0').append(c);
  EXPECT_TRUE(bytes.contains(title));
}

}  // namespace
}  // namespace orv
