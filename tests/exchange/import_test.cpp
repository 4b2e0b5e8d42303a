// The readers of other programs' files: each format's odd cases, the files
// that cannot be imported at all, and the lists they make in a group.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "exchange/ankiimport.h"
#include "exchange/csvimport.h"
#include "exchange/importfile.h"
#include "exchange/importplan.h"
#include "exchange/kvtmlimport.h"
#include "files/dos.h"
#include "lists/owner.h"
#include "support/buffer_lines.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

const std::string kData = std::string(ORV_TEST_DATA_DIR) + "/exchange/";

// Each list as "group+name: line, line", and the problems as "where: what".
std::vector<std::string> Shown(const ImportResult& r) {
  std::vector<std::string> shown;
  for (const ImportedList& list : r.lists) {
    std::string text = list.group + list.name + ":";
    for (const ImportedEntry& e : list.entries) {
      text += " " + EntryLine(e) + (e.sound.empty() ? "" : "[" + FileNameOf(e.sound) + "]");
    }
    shown.push_back(text);
  }
  for (const ImportProblem& p : r.problems) shown.push_back(p.where + ": " + p.what);
  return shown;
}

TEST(CsvImport, OddRecordsBecomeLinesOrNamedProblems) {
  struct Case {
    const char* text;
    ColumnChoice choice;
    std::vector<std::string> shown;
  };
  const Case cases[] = {
      {"a,b\r\nc,d\r\n", {}, {"w: a|b c|d"}},
      {"a;b\nc;d", {}, {"w: a|b c|d"}},
      {"a\tb,x\nc\td,y\n", {}, {"w: a|b,x c|d,y"}},
      {"\"a,b\";c\n\"d;e\";f\n", {}, {"w: a,b|c d;e|f"}},
      {"\"say \"\"hi\"\"\",x\n\"two\nlines\",y\nz,w\n", {}, {"w: say \"hi\"|x two lines|y z|w"}},
      {"cat\n\n  \ndog\n", {}, {"w: cat dog"}},
      {"cat\nice cream, vanilla\ndog, brown\nowl\n",
       {},
       {"w: cat ice cream, vanilla dog, brown owl"}},
      {"a,b\nc,d,e\nf,g\n", {}, {"w: a|b c|d f|g"}},
      {"cat\nice cream, vanilla\ndog, brown\nowl\n",
       {},
       {"w: cat ice cream, vanilla dog, brown owl"}},
      {"a,b\nc,d,e\nf,g\n", {}, {"w: a|b c|d f|g"}},
      {"a,b\nc,d", {1}, {"w: b d"}},
      {"a,b\nc,d", {1, 0}, {"w: b|a d|c"}},
      {"cat,cat\n", {}, {"w: cat"}},
      {"a,\nb,c\nd,e\nf,g\nh,i\nj\n",
       {},
       {"w: b|c d|e f|g h|i", "line 1: \"a\" has no answer", "line 6: it has no column 2"}},
      {"x|y,1\n$script,2\n\"  \",z\n",
       {0},
       {"w:", "line 1: \"x|y\" holds \"|\", which would split it into a question and an answer",
        "line 2: \"$script\" would be taken for a directive of the list",
        "line 3: the entry is empty"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Shown(ReadCsv(c.text, "w", c.choice)), c.shown) << c.text;
  }
}

TEST(ImportFile, BadFilesFailNamingTheirLineOrElement) {
  test::TempDir dir;
  struct Case {
    const char* name;
    const char* text;
    ColumnChoice choice;
    const char* failure;
  };
  const Case cases[] = {
      {"q.csv", "a,b\n\"open,c\nd\n", {}, "line 2: a quoted field is not closed"},
      {"w.csv", "a,b\n", {2}, "the file has 2 columns; a column beyond them was chosen"},
      {"s.txt",
       "#html:true\n#separator:Tabs\na\n",
       {},
       "line 2: \"Tabs\" is not a separator Anki writes"},
      {"d.txt", "#deck column:x\na\n", {}, "line 1: \"x\" is not a column number"},
      {"r.kvtml",
       "<?xml version=\"1.0\"?>\n<vocabulary/>",
       {},
       "line 2: the file is not KVTML (its first element is <vocabulary>)"},
      {"v.kvtml",
       "<kvtml version=\"1.0\"></kvtml>",
       {},
       "line 1: <kvtml version=\"1.0\"> is not KVTML 2.0, the version read here"},
      {"x.kvtml",
       "<kvtml version=\"2.0\">\n<entries>\n<entry id=\"0\">\n</entries></kvtml>",
       {},
       "line 4: Opening and ending tag mismatch."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ImportFile(dir.Write(c.name, c.text), c.choice).failure, c.failure) << c.name;
  }
  EXPECT_NE(ImportFile(dir.Str() + "none.csv", {}).failure, "");
}

TEST(ImportFile, EachFormatIsKnownAndRead) {
  struct Case {
    const char* file;
    ColumnChoice choice;
    std::vector<std::string> columns;
    std::vector<std::string> shown;
  };
  const std::string sound = "the sound file " + kData + "missing.wav is not there";
  const Case cases[] = {
      {"bom.csv",
       {},
       {"column 1", "column 2"},
       {"bom: word|meaning say \"hi\"|a greeting two lines|x"}},
      {"legacy.txt", {}, {"column 1"}, {"legacy: caf\u00e9 na\u00efve"}},
      {"decks.txt",
       {},
       {"Front", "Back"},
       {"Spelling.orv\\Week 1: tree|Baum & Wald[cat.wav]", "Spelling.orv\\Week 2: house|Haus",
        "line 6: \"bird song\" has no answer"}},
      {"animals.kvtml",
       {},
       {"English", "Deutsch"},
       {"Animals: fish|Fisch", "Pets: cat|Katze[cat.wav] dog|Hund", "Wild.orv\\Wild: owl|Eule",
        "Wild.orv\\Birds: owl|Eule", "line 38, <entry id=\"1\">: " + sound,
        "line 46, <entry id=\"3\">: \"sparrow\" has no answer",
        "line 47, <entry id=\"9\">: the file has no entry of that id"}},
      {"animals.kvtml",
       {1},
       {"English", "Deutsch"},
       {"Animals: Fisch", "Pets: Katze Hund", "Wild.orv\\Wild: Eule", "Wild.orv\\Birds: Eule",
        "line 46, <entry id=\"3\">: it has no translation 1",
        "line 47, <entry id=\"9\">: the file has no entry of that id"}},
  };
  for (const Case& c : cases) {
    const ImportResult r = ImportFile(kData + c.file, c.choice);
    EXPECT_EQ(r.columns, c.columns) << c.file;
    EXPECT_EQ(Shown(r), c.shown) << c.file;
  }
}

TEST(AnkiImport, HtmlIsTakenOutOfTheFields) {
  const std::pair<const char*, const char*> cases[] = {
      {"<div>one</div><div>two</div>", " one  two "},
      {"a&lt;b&gt; &quot;c&quot; &#233;&#xE9; &bogus; &", "a<b> \"c\" \u00e9\u00e9 &bogus; &"},
      {"<span style=\"x\">in</span>side <br/>", "inside  "},
  };
  for (const auto& [html, text] : cases) EXPECT_EQ(WithoutHtml(html), text) << html;
}

TEST(ImportPlan, GroupsAreNamedAsTypedAndStayBelowTheRoot) {
  const std::pair<const char*, std::optional<std::string>> cases[] = {
      {"ann", "ann.orv\\"},
      {"ann.orv\\", "ann.orv\\"},
      {"ann/sums", "ann.orv\\sums.orv\\"},
      {"", ""},
      {"../x", std::nullopt},
      {"/etc", std::nullopt},
  };
  for (const auto& [typed, dir] : cases) EXPECT_EQ(GroupDirNamed(typed), dir) << typed;
}

TEST(ImportPlan, AnExistingListIsReplacedOnlyWhenTheTeacherSaysSo) {
  test::TempDir root;
  root.Write("ann.orv/Pets.orv", "old\r\n");
  ImportResult r;
  ImportedList pets{"", "Pets", {}};
  AddEntry(r, pets, "", "cat", std::nullopt, "/s/cat.wav");
  const ImportedList owls{"Wild.orv\\", "Owls", {{"owl", "", ""}}};
  const std::vector<ImportedList> lists = {pets, pets, owls, ImportedList{"", "Empty", {}}};
  const std::vector<PlannedList> plan = PlanImport(root.Str(), "ann.orv\\", lists);
  // A list without entries is not made.
  ASSERT_EQ(plan.size(), 3u);
  EXPECT_EQ(plan[0].shown, "ann.orv\\Pets.orv");
  EXPECT_TRUE(plan[0].exists);
  EXPECT_EQ(plan[1].shown, "ann.orv\\Pets 2.orv");
  EXPECT_FALSE(plan[1].exists);
  EXPECT_EQ(plan[2].shown, "ann.orv\\Wild.orv\\Owls.orv");

  test::FakeDialogs no;
  no.answers = {MsgAnswer::No};
  const ImportWritten written = WriteImport(plan, "ann", no);
  EXPECT_EQ(no.messages.at(0).text, ReplaceListQuestion("ann.orv\\Pets.orv"));
  EXPECT_EQ(written.kept, std::vector<std::string>{"ann.orv\\Pets.orv"});
  EXPECT_EQ(root.Read("ann.orv/Pets.orv"), "old\r\n");
  EXPECT_EQ(root.Read("ann.orv/Pets 2.orv"), "cat\r\n");
  EXPECT_EQ(root.Read("ann.orv/Wild.orv/Owls.orv"), "owl\r\n");
  EXPECT_EQ(OwnerLine(plan[2].path), "\"ann\"");
  ASSERT_EQ(written.sounds.size(), 1u);
  EXPECT_EQ(written.sounds[0].file, "/s/cat.wav");
}

TEST(ImportPlan, AHundredThousandEntryCsvIsMadeInSeconds) {
  constexpr std::size_t kEntries = 100'000;
  std::string text;
  for (std::size_t i = 0; i < kEntries; ++i) {
    text += "word" + std::to_string(i) + ",\"answer, " + std::to_string(i) + "\"\n";
  }
  test::TempDir root;
  const std::string file = root.Write("big.csv", text);
  const auto start = std::chrono::steady_clock::now();
  const ImportResult r = ImportFile(file, {});
  const std::vector<PlannedList> plan = PlanImport(root.Str(), "big.orv\\", r.lists);
  test::FakeDialogs dialogs;
  const ImportWritten written = WriteImport(plan, "", dialogs);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::printf("100000-entry CSV read and made into lists in %.3f s\n", took.count());
  EXPECT_LT(took.count(), 5.0);
  EXPECT_TRUE(r.problems.empty());
  // A list holds at most 65535 lines: the rest make a second list.
  EXPECT_EQ(written.made, (std::vector<std::string>{"big.orv\\big 1.orv", "big.orv\\big 2.orv"}));
  EXPECT_EQ(plan[1].lines.Count(), kEntries - BufferO::kMaxLines);
  EXPECT_EQ(plan[1].lines.Line(plan[1].lines.Count()), "word99999|answer, 99999");
}

}  // namespace
}  // namespace orv
