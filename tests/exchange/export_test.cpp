// Lists written for other programs and read back: the same lines, the same
// lists, the stored sounds beside the file; sums go out as their questions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/importfile.h"
#include "exchange/listexport.h"
#include "files/dos.h"
#include "lists/compile.h"
#include "support/buffer_lines.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

const std::string kWav = "RIFF\x24\0\0\0WAVE";

std::optional<std::string> CatSound(const std::string& word) {
  return word == "cat" ? std::optional<std::string>(kWav) : std::nullopt;
}

TEST(ListExport, ListsComeBackAsTheyWentOut) {
  const std::vector<std::string> pets = {"cat",   "dog",    "3+4|7", "say \"hi\", please|ok",
                                         "#1 go", "a;b, c", "x|y|z", "caf\u00e9"};
  const std::vector<std::string> words = {"cat", "tree"};
  struct Case {
    ExportFormat format;
    const char* file;
    std::vector<std::vector<std::string>> lists;
    bool sounds;
  };
  const Case cases[] = {
      {ExportFormat::Csv, "pets.csv", {pets}, false},
      {ExportFormat::Csv, "words.csv", {words}, false},
      {ExportFormat::Anki, "pets.txt", {pets}, true},
      {ExportFormat::Anki, "two.txt", {pets, words}, true},
      {ExportFormat::Kvtml, "pets.kvtml", {pets}, true},
      {ExportFormat::Kvtml, "two.kvtml", {words, pets}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    test::TempDir dir;
    std::vector<ExportedList> lists;
    const std::vector<std::string> names = {"pets", "words"};
    for (std::size_t i = 0; i < c.lists.size(); ++i) {
      lists.push_back(ExportedListOf(c.lists.size() == 1 ? BaseName(c.file) : names[i],
                                     test::BufferOf(c.lists[i])));
    }
    const std::string path = dir.Str() + c.file;
    ASSERT_EQ(WriteExport(c.format, lists, path, CatSound), "");
    const ImportResult back = ImportFile(path, {});
    EXPECT_EQ(back.failure, "");
    EXPECT_TRUE(back.problems.empty());
    ASSERT_EQ(back.lists.size(), lists.size());
    for (std::size_t i = 0; i < lists.size(); ++i) {
      EXPECT_EQ(back.lists[i].name, lists[i].name);
      std::vector<std::string> lines;
      for (const ImportedEntry& e : back.lists[i].entries) lines.push_back(EntryLine(e));
      // "x|y|z" is asked as x with the answer y|z, and goes out so.
      EXPECT_EQ(lines, c.lists[i]);
    }
    EXPECT_EQ(test::FileContents(dir.Str() + "cat.wav"), c.sounds ? kWav : "");
    EXPECT_EQ(back.lists[0].entries[0].sound.empty(), !c.sounds);
  }
}

TEST(ListExport, SumsGoOutAsTheQuestionsTheyMakeWithANote) {
  const ExportedList list =
      ExportedListOf("sums", test::BufferOf({"$script", "$#1to2+1", "ten|10", "$noSort"}));
  std::vector<std::string> lines;
  for (const ExportedEntry& e : list.entries) {
    lines.push_back(EntryLine(e.entry) + (e.generated ? " (made)" : ""));
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"1+1|2 (made)", "2+1|3 (made)", "ten|10"}));
  EXPECT_NE(GeneratedNote(list).find("2 of the 3 questions of \"sums\""), std::string::npos);
  EXPECT_EQ(GeneratedNote(ExportedListOf("w", test::BufferOf({"cat"}))), "");
  EXPECT_NE(ExportText(ExportFormat::Kvtml, {list}).find("<comment>made by a sum"),
            std::string::npos);
}

}  // namespace
}  // namespace orv
