#include "lists/viewconpiled_window.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <initializer_list>
#include <string>
#include <vector>

#include "lists/compilesettings.h"
#include "lists/random.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "support/window_driver.h"

namespace orv {
namespace {

const QColor kBlack(Qt::black);
const QColor kPurple(0x80, 0x00, 0x80);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kGreen(0x00, 0x80, 0x00);

// One run of text in the view with how it is drawn.
struct Run {
  QString text;
  QColor color;
  bool bold = false;
  bool italic = false;
  bool struckOut = false;
};

std::vector<Run> RunsOf(const QTextBlock& block) {
  std::vector<Run> runs;
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextCharFormat f = it.fragment().charFormat();
    runs.push_back({it.fragment().text(), f.foreground().color(), f.fontWeight() == QFont::Bold,
                    f.fontItalic(), f.fontStrikeOut()});
  }
  if (runs.empty()) {
    const QTextCharFormat f = block.charFormat();
    runs.push_back({"", f.foreground().color(), f.fontWeight() == QFont::Bold, f.fontItalic(),
                    f.fontStrikeOut()});
  }
  return runs;
}

std::vector<std::vector<Run>> Lines(QTextEdit& view) {
  std::vector<std::vector<Run>> lines;
  for (QTextBlock b = view.document()->begin(); b.isValid(); b = b.next()) {
    lines.push_back(RunsOf(b));
  }
  return lines;
}

void ExpectRun(const Run& run, const QString& text, const QColor& color, bool bold, bool italic,
               bool struckOut) {
  EXPECT_EQ(run.text, text);
  EXPECT_EQ(run.color, color) << text.toStdString();
  EXPECT_EQ(run.bold, bold) << text.toStdString();
  EXPECT_EQ(run.italic, italic) << text.toStdString();
  EXPECT_EQ(run.struckOut, struckOut) << text.toStdString();
}

class CompiledViewWindow : public ::testing::Test {
 protected:
  CompiledViewWindow() : view_(dialogs_, settings_) { SeedRandom(11); }

  QTextEdit& Text() { return *view_.findChild<QTextEdit*>("RichEdit1"); }

  // The view filled with the lines, as it shows them.
  auto Filled(std::initializer_list<const char*> source) {
    BufferO list;
    for (const char* l : source) list.Add(l);
    view_.FillView(list);
    return Lines(Text());
  }

  test::TempDir dir_;
  test::FakeDialogs dialogs_;
  CompileSettings settings_;
  TCompiledView view_;
};

TEST_F(CompiledViewWindow, EachKindOfLineHasItsColourAndStyle) {
  dir_.Write("every kind.orv",
             "apple\r\n$script\r\nbanana|yellow\r\n$#1to2x3 // table\r\n// note\r\nRoom "
             "#5\r\n$What is 3+4\r\n$scriptOff\r\n");
  test::WindowDriver modal;
  modal.Then("TCompiledView", "reads every line, Ok", [this](QWidget& window) {
    const auto lines = Lines(Text());
    ASSERT_EQ(lines.size(), 11u);
    ExpectRun(lines[0][0], "apple", kBlack, true, false, false);
    ExpectRun(lines[1][0], "$script", kBlack, true, false, false);
    ExpectRun(lines[2][0], "banana|yellow", kPurple, false, false, false);
    ASSERT_EQ(lines[3].size(), 2u);
    ExpectRun(lines[3][0], "$#1to2x3 ", kBlue, false, false, false);
    ExpectRun(lines[3][1], "// table", kBlack, false, false, true);
    ExpectRun(lines[4][0], "1x3 |3", kGreen, false, true, false);
    ExpectRun(lines[5][0], "2x3 |6", kGreen, false, true, false);
    ExpectRun(lines[6][0], "// note", kBlack, false, false, true);
    // A plain entry is asked as it stands, "#" and digit or not.
    ExpectRun(lines[7][0], "Room #5", kPurple, false, false, false);
    ExpectRun(lines[8][0], "$What is 3+4", kBlue, false, false, false);
    // An error line is struck out: the test leaves it out.
    ExpectRun(lines[9][0], "//unexpected error in line:What is 3+4", kGreen, false, true, true);
    ExpectRun(lines[10][0], "$scriptOff", kBlack, true, false, false);
    test::SaveScreenshot(window, "compiled-view");
    static_cast<QDialog&>(window).accept();
  });
  view_.ShowCompiled(dir_.Str() + "every kind.orv");
  EXPECT_TRUE(modal.Done());
}

TEST_F(CompiledViewWindow, EachLineIsReadInItsOwnEncoding) {
  // A Windows-1252 list that a UTF-8 line was added to.
  dir_.Write("french.orv", "caf\xE9\r\nna\xC3\xAFve\r\n");
  test::WindowDriver modal;
  modal.Then("TCompiledView", "reads the text, Ok", [this](QWidget& window) {
    EXPECT_EQ(Text().toPlainText(), "café\nnaïve");
    static_cast<QDialog&>(window).accept();
  });
  view_.ShowCompiled(dir_.Str() + "french.orv");
  EXPECT_TRUE(modal.Done());
}

TEST_F(CompiledViewWindow, AnEmptyLineIsStruckOutAndLinesWithScriptOffAreBold) {
  const auto lines = Filled({"plain", "$script", ""});
  ASSERT_EQ(lines.size(), 3u);
  ExpectRun(lines[0][0], "plain", kBlack, true, false, false);
  ExpectRun(lines[2][0], "", kBlack, false, false, true);
}

TEST_F(CompiledViewWindow, RetryDrawsNewNumbersFromTheSameLines) {
  dir_.Write("random.orv", "$script\r\n$rand(1:1000000000)+0\r\n");
  std::vector<QString> draws;
  test::WindowDriver modal;
  modal.Then("TCompiledView", "retries three times, Ok", [&](QWidget& window) {
    EXPECT_EQ(window.windowTitle(), "Compiled Viewtest");
    auto* retry = window.findChild<QPushButton*>("BitBtn1");
    EXPECT_EQ(retry->text(), "&Retry");
    for (int i = 0; i < 3; ++i) {
      const auto lines = Lines(Text());
      ASSERT_EQ(lines.size(), 3u);
      EXPECT_EQ(lines[1][0].color, kBlue);
      draws.push_back(lines[2][0].text);
      retry->click();
    }
    static_cast<QDialog&>(window).accept();
  });
  EXPECT_EQ(view_.ShowCompiled(dir_.Str() + "random.orv"), QDialog::Accepted);
  EXPECT_TRUE(modal.Done());
  ASSERT_EQ(draws.size(), 3u);
  EXPECT_NE(draws[0], draws[1]);
  EXPECT_NE(draws[1], draws[2]);
  for (const QString& d : draws)
    EXPECT_TRUE(d.endsWith("+0|" + d.section('+', 0, 0))) << d.toStdString();
}

TEST_F(CompiledViewWindow, LinesThatCannotBeAskedAreStruckOutOverTheirErrors) {
  const auto lines = Filled({"$Decimal points", "cat|", "dog"});
  ASSERT_EQ(lines.size(), 5u);
  ExpectRun(lines[0][0], "$Decimal points", kBlack, false, false, true);
  EXPECT_TRUE(lines[1][0].text.startsWith("//error")) << lines[1][0].text.toStdString();
  EXPECT_TRUE(lines[1][0].struckOut);
  ExpectRun(lines[2][0], "cat|", kBlack, false, false, true);
  EXPECT_TRUE(lines[3][0].struckOut);
  ExpectRun(lines[4][0], "dog", kBlack, true, false, false);
}

TEST_F(CompiledViewWindow, AMissingFileShowsNothingAndExitCloses) {
  test::WindowDriver modal;
  modal.Then("TCompiledView", "reads nothing, exits", [&](QWidget& window) {
    EXPECT_TRUE(Text().document()->toPlainText().isEmpty());
    EXPECT_TRUE(Text().isReadOnly());
    const QList<QAction*> actions = window.findChildren<QAction*>("N1");
    ASSERT_EQ(actions.size(), 1);
    actions[0]->trigger();
  });
  EXPECT_EQ(view_.ShowCompiled(dir_.Str() + "missing.orv"), QDialog::Accepted);
  EXPECT_TRUE(modal.Done());
}

}  // namespace
}  // namespace orv
