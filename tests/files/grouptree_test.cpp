#include "files/grouptree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "files/listfiles.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using Names = std::vector<std::string>;

Names Sorted(Names names) {
  std::sort(names.begin(), names.end());
  return names;
}

TEST(GroupFolders, OnlyFoldersNamedOrvAreGroups) {
  test::TempDir dir;
  std::filesystem::create_directories(dir.Path() / "ann.orv" / "sums.orv");
  std::filesystem::create_directories(dir.Path() / "Bob.ORV");
  std::filesystem::create_directories(dir.Path() / "plain");
  std::filesystem::create_directories(dir.Path() / "orv");
  dir.Write("words0.orv", "apple\n");
  dir.Write("notes.txt", "x\n");
  std::filesystem::create_directory_symlink(dir.Path() / "ann.orv", dir.Path() / "loop.orv");

  EXPECT_EQ(Sorted(GroupFolderNames(dir.Str())), (Names{"Bob.ORV", "ann.orv"}));
  EXPECT_EQ(GroupFolderNames(dir.Str() + "ann.orv"), (Names{"sums.orv"}));
  EXPECT_TRUE(GroupFolderNames(dir.Str() + "missing.orv").empty());
}

TEST(GroupPaths, PartsLeadDownToTheFirstEmptyPart) {
  EXPECT_EQ(GroupPathParts("ann.orv\\sums.orv\\"), (Names{"ann.orv", "sums.orv"}));
  EXPECT_EQ(GroupPathParts("ann.orv\\\\sums.orv\\"), (Names{"ann.orv"}));
  EXPECT_EQ(GroupPathParts("ann.orv"), (Names{"ann.orv"}));
  EXPECT_TRUE(GroupPathParts("").empty());
  EXPECT_TRUE(GroupPathParts("\\").empty());
  EXPECT_TRUE(GroupPathParts("\\ann.orv").empty());
}

TEST(GroupPaths, NodeNamesMatchIgnoringLetterCase) {
  EXPECT_TRUE(SameGroupName("Ann.Orv", "ANN.ORV"));
  EXPECT_TRUE(SameGroupName("sums.orv", "Sums.orv"));
  EXPECT_FALSE(SameGroupName("ann.orv", "ann"));
}

TEST(GroupPaths, TheTwoFormsOfAPath) {
  EXPECT_EQ(GroupDirOf({"ann.orv", "sums.orv"}), "ann.orv\\sums.orv\\");
  EXPECT_EQ(GroupDirOf({}), "");
  EXPECT_EQ(GroupPathOf({"ann.orv", "sums.orv"}), "ann.orv\\sums.orv");
  EXPECT_EQ(GroupPathOf({"ann.orv"}), "ann.orv");
  EXPECT_EQ(GroupPathOf({}), "");
  EXPECT_EQ(TrimTrailingSeparators("/x/orv.orv\\\\"), "/x/orv.orv");
  EXPECT_EQ(TrimTrailingSeparators("/x/orv.orv/"), "/x/orv.orv");
}

TEST(GroupPaths, ChangeDirectoryEndsTheGroupInExactlyOneBackslash) {
  EXPECT_EQ(NormalisedGroupDir("ann.orv"), "ann.orv\\");
  EXPECT_EQ(NormalisedGroupDir("ann.orv\\\\\\"), "ann.orv\\");
  EXPECT_EQ(NormalisedGroupDir("ann.orv\\sums.orv"), "ann.orv\\sums.orv\\");
  EXPECT_EQ(NormalisedGroupDir(""), "\\");
  EXPECT_EQ(NormalisedGroupDir("\\\\"), "\\");
}

Names FileNames(std::vector<ListFileEntry> entries) {
  std::sort(entries.begin(), entries.end(), ListEntryBefore);
  Names names;
  for (const ListFileEntry& e : entries) names.push_back(e.fileName);
  return names;
}

TEST(ListOrder, WordCountsCompareAsTextsThenFileNames) {
  EXPECT_EQ(FileNames({{"nine.orv", "9"}, {"ten.orv", "10"}, {"b.orv", "2"}, {"a.orv", "2"}}),
            (Names{"ten.orv", "a.orv", "b.orv", "nine.orv"}));
  EXPECT_EQ(FileNames({{"counted.orv", "1"}, {"z.orv", std::nullopt}, {"y.orv", std::nullopt}}),
            (Names{"y.orv", "z.orv", "counted.orv"}));
  // Character codes: upper-case names come before lower-case ones.
  EXPECT_EQ(FileNames({{"apple.orv", "3"}, {"Zebra.orv", "3"}}), (Names{"Zebra.orv", "apple.orv"}));
}

TEST(ListFiles, ListsOfAGroupWithTheirLineCounts) {
  test::TempDir dir;
  dir.Write("ten.orv", "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n");
  dir.Write("crlf.ORV", "a\r\nb\r\nc");
  dir.Write("empty.orv", "");
  dir.Write("notes.txt", "x\n");
  std::filesystem::create_directories(dir.Path() / "group.orv");
  std::filesystem::create_symlink(dir.Path() / "gone.orv", dir.Path() / "broken.orv");

  std::vector<ListFileEntry> lists = ListFilesOf(dir.Str());
  std::sort(lists.begin(), lists.end(), ListEntryBefore);
  ASSERT_EQ(lists.size(), 4u);
  EXPECT_EQ(lists[0].fileName, "broken.orv");  // cannot be read: 0 lines
  EXPECT_EQ(lists[0].words, "0");
  EXPECT_EQ(lists[1].fileName, "empty.orv");
  EXPECT_EQ(lists[1].words, "0");
  EXPECT_EQ(lists[2].fileName, "ten.orv");
  EXPECT_EQ(lists[2].words, "10");
  EXPECT_EQ(lists[3].fileName, "crlf.ORV");
  EXPECT_EQ(lists[3].words, "3");
}

}  // namespace
}  // namespace orv
