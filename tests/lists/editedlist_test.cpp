// The list editor writes a list back in its file's own encoding and line ends.
#include "lists/editedlist.h"

#include <gtest/gtest.h>

#include <optional>

#include "support/buffer_lines.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

// The file once the editor has read it and written back what it shows:
// shown, or the lines as read (given back in read).
std::string Saved(const std::string& before, const std::optional<std::vector<std::string>>& shown,
                  std::vector<std::string>* read = nullptr) {
  test::TempDir dir;
  const std::string path = dir.Write("list.orv", before);
  ListFile file;
  EXPECT_EQ(LoadListFile(file, path), 0);
  if (read) *read = test::LinesOf(file.lines);
  EXPECT_EQ(SaveListFile(EditedListFile(file, shown.value_or(test::LinesOf(file.lines))), path), 0);
  return dir.Read("list.orv");
}

TEST(EditedList, AnUnchangedTextIsSavedAsTheFileWas) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> files{
      {"caf\xC3\xA9\r\nna\xC3\xAFve\r\n", {"café", "naïve"}},  // UTF-8, CR LF
      {"\xEF\xBB\xBF"
       "caf\xC3\xA9\nb",
       {"café", "b"}},                               // byte-order mark, LF
      {"caf\xE9\r\n\x80uro\r\n", {"café", "€uro"}},  // Windows-1252
      {"a\r\nb\nb\r\n\r\ncaf\xE9\n\x1A\r\nhidden", {"a", "b", "b", "", "café"}},  // mixed
  };
  for (const auto& [bytes, lines] : files) {
    std::vector<std::string> read;
    EXPECT_EQ(Saved(bytes, std::nullopt, &read), bytes);
    EXPECT_EQ(read, lines) << bytes;
  }
}

TEST(EditedList, EditedLinesTakeTheFilesEncodingAndLineEnd) {
  struct Case {
    std::string before;
    std::vector<std::string> shown;
    std::string after;
  };
  const std::vector<Case> cases{
      {"caf\xE9\r\n", {"café", "thé"}, "caf\xE9\r\nth\xE9\r\n"},
      {"a\nc", {"a", "b", "c", "d"}, "a\nb\nc\nd"},
      {"b\r\na\n", {"a", "b"}, "a\nb\r\n"},
      // A letter Windows-1252 lacks turns the whole file into UTF-8.
      {"caf\xE9\r\n",
       {"café", "łódź"},
       "caf\xC3\xA9\r\n\xC5\x82\xC3\xB3"
       "d\xC5\xBA\r\n"},
      {"", {"new"}, "new\r\n"},
      {"a\r\n", {}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Saved(c.before, c.shown), c.after) << c.before;
}

}  // namespace
}  // namespace orv
