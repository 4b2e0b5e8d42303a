// A cleaned list is written back in its file's own encoding and line ends,
// and keeps what follows an end-of-file mark.
#include "lists/listfile.h"

#include <gtest/gtest.h>

#include "support/buffer_lines.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

TEST(ListFile, CleaningKeepsEachLinesEncodingAndEndAndTheTextAfterCtrlZ) {
  struct Case {
    std::string before;             // the file as the teacher's editor wrote it
    std::vector<std::string> text;  // the cleaned lines, as UTF-8
    std::string after;              // the file once the cleaned list is written back
  };
  const std::vector<Case> cases = {
      {"b \r\na\r\n\r\n\x1A\r\nc\r\n", {"b", "a"}, "b\r\na\r\n\x1A\r\nc\r\n"},
      {"caf\xC3\xA9 \r\nna\xEFve\r\ncaf\xC3\xA9\r\n",
       {"café", "naïve"},
       "caf\xC3\xA9\r\nna\xEFve\r\n"},
      {"\xE9t\xE9\n\n \xE9t\xE9\n\x80\x81\x9F \n",
       {"été", "€\u0081Ÿ"},
       "\xE9t\xE9\n\x80\x81\x9F\n"},
      {"\xEF\xBB\xBF a\r\nb\n\nc",
       {"a", "b", "c"},
       "\xEF\xBB\xBF"
       "a\r\nb\nc"},
  };
  test::TempDir dir;
  for (const Case& c : cases) {
    const std::string path = dir.Write("list.orv", c.before);
    ListFile file;
    ASSERT_EQ(LoadListFile(file, path), 0);
    EXPECT_FALSE(CleanListFile(file, false));
    EXPECT_EQ(test::LinesOf(file.lines), c.text) << c.before;
    ASSERT_EQ(SaveListFile(file, path), 0);
    EXPECT_EQ(dir.Read("list.orv"), c.after);
  }
}

}  // namespace
}  // namespace orv
