#include "app/helpindex.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <set>

#include "lists/buffers.h"
#include "lists/compile.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

const std::string kHelp = std::string(ORV_SOURCE_DIR) + "/help";

std::string ReadHelp(const std::string& file) {
  QFile f(QString::fromStdString(kHelp + "/" + file));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll().toStdString();
}

TEST(HelpPages, KeywordsOfTheMainWindowAndTheStartButtonLeadToTheirPages) {
  const HelpIndexO index(kHelp);
  EXPECT_EQ(index.PageFor("mainwindow"), "mainwindow.html");
  EXPECT_EQ(index.PageFor("Start Button"), "startbutton.html");
  EXPECT_EQ(index.PageFor("start button"), "startbutton.html") << "letter case is ignored";
  EXPECT_EQ(index.PageFor("no such keyword"), std::nullopt);
}

// A language's pages stand for the English ones where they are written; the
// keywords the program asks for lead to their pages in any language.
TEST(HelpPages, ALanguagesPagesStandForTheEnglishOnesWhereWritten) {
  const HelpIndexO german(kHelp, "de");
  EXPECT_EQ(german.PathOf("startbutton.html"), kHelp + "/de/startbutton.html");
  EXPECT_EQ(german.PathOf("database.html"), kHelp + "/database.html");
  EXPECT_EQ(german.PageFor("Start Button"), "startbutton.html");
  EXPECT_EQ(german.PageFor("Schaltfläche Start"), "startbutton.html");
  EXPECT_EQ(HelpIndexO(kHelp).PageFor("Schaltfläche Start"), std::nullopt);
  EXPECT_EQ(german.ContentsOrder(), HelpIndexO(kHelp).ContentsOrder());
}

TEST(HelpPages, LeavingATestAndStoringSoundsAreFoundAndNoWorkingCommandIsCalledMissing) {
  const HelpIndexO index(kHelp);
  EXPECT_EQ(index.PageFor("exit"), "startbutton.html");
  EXPECT_EQ(index.PageFor("Add sound"), "scores.html");
  EXPECT_EQ(index.PageFor("Edit users"), "users.html");
  for (const std::string page : {"mainwindow.html", "users.html", "scores.html", "files.html"}) {
    const std::string text = ReadHelp(page);
    ASSERT_FALSE(text.empty()) << page;
    for (const char* stale : {"greyed in this version", "later version", "does not have"}) {
      EXPECT_EQ(text.find(stale), std::string::npos) << page << ": " << stale;
    }
  }
}

TEST(HelpPages, EveryLinkLeadsToAPageAndEveryPageIsInTheContents) {
  const HelpIndexO index(kHelp);
  ASSERT_GE(index.Pages().size(), 10u);
  std::set<std::string> linked;
  for (const HelpPage& page : index.Pages()) {
    EXPECT_FALSE(page.title.empty()) << page.file;
    EXPECT_FALSE(page.keywords.empty()) << page.file;
    for (const std::string& link : LocalLinks(ReadHelp(page.file))) {
      EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(kHelp + "/" + link)))
          << page.file << " links to missing " << link;
      linked.insert(link);
    }
  }
  const std::vector<std::string> contents = index.ContentsOrder();
  for (const HelpPage& page : index.Pages()) {
    if (page.file == kHelpContentsPage) continue;
    EXPECT_NE(std::find(contents.begin(), contents.end(), page.file), contents.end())
        << page.file << " is missing from the contents";
  }
  EXPECT_TRUE(linked.count(kHelpOnHelpPage));
}

// The word-list examples of the help: every "list" block compiles without a
// failed line and gives the lines its "compiled" block shows; every "wrong"
// block fails.
struct Example {
  std::string kind;
  std::vector<std::string> lines;
};

std::vector<Example> Examples(const std::string& file) {
  static const QRegularExpression block(R"re(<pre class="(list|compiled|wrong)">\n(.*?)</pre>)re",
                                        QRegularExpression::DotMatchesEverythingOption);
  std::vector<Example> examples;
  auto it = block.globalMatch(QString::fromStdString(ReadHelp(file)));
  while (it.hasNext()) {
    const auto m = it.next();
    Example e{m.captured(1).toStdString(), {}};
    QString text = m.captured(2);
    text.replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
    for (const QString& line : text.split('\n', Qt::SkipEmptyParts)) {
      e.lines.push_back(line.toStdString());
    }
    examples.push_back(std::move(e));
  }
  return examples;
}

std::vector<std::string> Compile(const std::vector<std::string>& lines, int& failures) {
  BufferO source;
  for (const std::string& l : lines) source.Add(l);
  failures = 0;
  const BufferO compiled = CompileLines(source, [&](LineNo, const std::string&) { ++failures; });
  std::vector<std::string> out;
  for (LineNo i : LineNumbers(compiled.Count())) out.push_back(compiled.Get(i));
  return out;
}

TEST(HelpPages, WordListExamplesCompileAsTheHelpSays) {
  int lists = 0, shown = 0, wrong = 0;
  for (const std::string file : {"wordlists.html", "expressions.html"}) {
    const std::vector<Example> examples = Examples(file);
    for (std::size_t i = 0; i < examples.size(); ++i) {
      const Example& e = examples[i];
      if (e.kind == "compiled") continue;
      int failures = 0;
      const std::vector<std::string> compiled = Compile(e.lines, failures);
      const std::string where =
          file + " example starting " + e.lines.front() + " " + e.lines.back();
      if (e.kind == "wrong") {
        ++wrong;
        EXPECT_GE(failures, 1) << where;
        continue;
      }
      ++lists;
      EXPECT_EQ(failures, 0) << where;
      EXPECT_FALSE(compiled.empty()) << where;
      if (i + 1 < examples.size() && examples[i + 1].kind == "compiled") {
        ++shown;
        const std::vector<std::string>& expected = examples[i + 1].lines;
        ASSERT_LE(expected.size(), compiled.size()) << where;
        EXPECT_EQ(std::vector<std::string>(compiled.begin(), compiled.begin() + expected.size()),
                  expected)
            << where;
      }
    }
  }
  EXPECT_GE(lists, 8);
  EXPECT_GE(shown, 5);
  EXPECT_GE(wrong, 3);
}

class HelpIndexFolder : public ::testing::Test {
 protected:
  HelpIndexFolder() {
    dir.Write("contents.html",
              "<html><head><title>Contents</title>"
              "<link rel=\"stylesheet\" href=\"style.css\"></head><body>"
              "<a href=\"b.html\">B</a> <a href=\"a.html#part\">A</a> <a href=\"b.html\">again</a>"
              " <a href=\"http://example.org/x.html\">web</a></body></html>");
    dir.Write("a.html",
              "<html><head><title>Page &amp; A</title>"
              "<meta name=\"keywords\" content=\"Printing; print setup; Sprint\"></head></html>");
    dir.Write("b.html",
              "<html><head><title>B</title>"
              "<META NAME=\"keywords\" CONTENT=\"alpha;  Print ; \"></head></html>");
    dir.Write("notes.txt", "<title>not a page</title>");
    dir.Write("style.css", "body { margin: 1em; }");
  }
  test::TempDir dir;
};

TEST_F(HelpIndexFolder, ReadsTitlesKeywordsAndTheContentsOrder) {
  const HelpIndexO index(dir.Path().string());
  ASSERT_EQ(index.Pages().size(), 3u);
  EXPECT_EQ(index.Pages()[0].file, "a.html");
  EXPECT_EQ(index.Pages()[0].title, "Page & A");
  EXPECT_EQ(index.Pages()[1].keywords, (std::vector<std::string>{"alpha", "Print"}));
  EXPECT_EQ(index.ContentsOrder(), (std::vector<std::string>{"b.html", "a.html"}));
  std::vector<std::string> keywords;
  for (const HelpKeyword& k : index.Keywords()) keywords.push_back(k.keyword);
  EXPECT_EQ(keywords,
            (std::vector<std::string>{"alpha", "Print", "print setup", "Printing", "Sprint"}));
}

TEST_F(HelpIndexFolder, SearchPutsKeywordsThatBeginWithTheTextFirst) {
  const HelpIndexO index(dir.Path().string());
  std::vector<std::string> found;
  for (const HelpKeyword& k : index.Search("PRINT")) found.push_back(k.keyword + "@" + k.file);
  EXPECT_EQ(found, (std::vector<std::string>{"Print@b.html", "print setup@a.html",
                                             "Printing@a.html", "Sprint@a.html"}));
  EXPECT_EQ(index.Search("").size(), 5u);
  EXPECT_TRUE(index.Search("zzz").empty());
}

TEST(HelpIndex, AMissingFolderHasNoPages) {
  const HelpIndexO index("/nonexistent/help");
  EXPECT_TRUE(index.Pages().empty());
  EXPECT_TRUE(index.ContentsOrder().empty());
  EXPECT_EQ(index.PageFor("mainwindow"), std::nullopt);
}

TEST(HelpIndex, FindsTheHelpBesideOrAboveTheProgram) {
  test::TempDir dir;
  dir.Write("bin/help/contents.html", "x");
  EXPECT_EQ(FindHelpFolder(dir.Str() + "bin"), (dir.Path() / "bin/help").string());
  // A build tree's program two folders below the source tree.
  test::TempDir other;
  other.Write("help/contents.html", "x");
  other.Write("build/src/.keep", "");
  EXPECT_EQ(FindHelpFolder(other.Str() + "build/src"), (other.Path() / "help").string());
  // Elsewhere the source tree's pages are found.
  test::TempDir empty;
  EXPECT_EQ(FindHelpFolder(empty.Str()),
            QFileInfo(QString::fromStdString(kHelp)).canonicalFilePath().toStdString());
}

TEST(HelpIndex, LocalLinksLeaveOutAnchorsAndOtherSchemes) {
  EXPECT_EQ(LocalLinks("<a href=\"x.html#y\">1</a><A HREF = \"z.html\">2</a>"
                       "<a href=\"#top\">3</a><a href=\"mailto:a@b\">4</a><link href=\"s.css\">"),
            (std::vector<std::string>{"x.html", "z.html", "s.css"}));
}

}  // namespace
}  // namespace orv
