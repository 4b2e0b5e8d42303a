#include "files/filelayer.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <filesystem>
#include <tuple>

#include "base/encodings.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

TEST(FileLayer, FindsAFileWhateverTheCaseAndSeparator) {
  test::TempDir dir;
  dir.Write("orv.orv/Words0.ORV", "cat\ndog\n");
  std::string text;
  ASSERT_EQ(ReadTextFile(dir.Path().string() + "\\orv.orv\\WORDS0.orv", text), 0);
  EXPECT_EQ(text, "cat\ndog\n");
  ASSERT_EQ(ReadTextFile(dir.Path().string() + "/ORV.ORV\\words0.orv", text), 0);
  EXPECT_EQ(text, "cat\ndog\n");
  EXPECT_EQ(NativePath(dir.Path().string() + "\\ORV.orv\\words0.ORV"),
            dir.Path().string() + "/orv.orv/Words0.ORV");
}

TEST(FileLayer, CaseIsIgnoredBeyondAsciiAndTheChoiceIsStable) {
  test::TempDir dir;
  dir.Write("ÅSA.orv/Ørn.orv", "bird");
  std::string text;
  ASSERT_EQ(ReadTextFile(dir.Str() + "åsa.ORV/øRN.orv", text), 0);
  EXPECT_EQ(text, "bird");

  dir.Write("two/a.txt", "lower");
  dir.Write("two/A.txt", "upper");
  ASSERT_EQ(ReadTextFile(dir.Str() + "two/a.txt", text), 0);
  EXPECT_EQ(text, "lower");  // an exact spelling is taken as it stands
  ASSERT_EQ(ReadTextFile(dir.Str() + "two/a.TXT", text), 0);
  EXPECT_EQ(text, "upper");  // otherwise the first in byte order
}

TEST(FileLayer, Windows1252TextIsReadAsUtf8) {
  test::TempDir dir;
  dir.Write("old.orv", "caf\xE9 \x80 \x96 \x93\x81\r\n");
  std::string text;
  ASSERT_EQ(ReadTextFile(dir.Str() + "old.orv", text), 0);
  EXPECT_EQ(text, "café € – “\u0081\r\n");
  EXPECT_TRUE(IsValidUtf8(text));

  dir.Write("new.orv", "\xEF\xBB\xBFgrüße");
  ASSERT_EQ(ReadTextFile(dir.Str() + "new.orv", text), 0);
  EXPECT_EQ(text, "grüße");
}

TEST(FileLayer, ReadFailuresGiveTheirCodes) {
  test::TempDir dir;
  dir.Write("sub/file.txt", "x");
  std::string bytes = "stale";
  EXPECT_EQ(ReadFileBytes(dir.Str() + "sub/none.txt", bytes), 2);
  EXPECT_EQ(bytes, "");
  EXPECT_EQ(ReadFileBytes(dir.Str() + "nosub/none.txt", bytes), 3);
  EXPECT_EQ(ReadFileBytes(dir.Str() + "sub", bytes), 5);
  EXPECT_EQ(ReadFileBytes(dir.Str() + "SUB\\FILE.TXT", bytes), 0);
  EXPECT_EQ(bytes, "x");
}

TEST(FileLayer, OnlyRegularFilesWithinTheLimitAreRead) {
  test::TempDir dir;
  ASSERT_EQ(::mkfifo((dir.Str() + "pipe").c_str(), 0600), 0);
  dir.Write("sixteen.txt", std::string(16, 'x'));
  // the path, the limit, the code: a pipe without a writer would wait for
  // one, a device would never end
  const std::vector<std::tuple<std::string, std::size_t, int>> cases{
      {dir.Str() + "pipe", kTextFileLimit, kNotAFileCode},
      {"/dev/zero", kTextFileLimit, kNotAFileCode},
      {dir.Str() + "sixteen.txt", 15, kFileTooLargeCode},
      {dir.Str() + "sixteen.txt", 16, 0},
      // Its size is not known before it is read.
      {"/proc/self/status", 10, kFileTooLargeCode},
  };
  for (const auto& [path, limit, code] : cases) {
    std::string bytes = "stale";
    EXPECT_EQ(ReadFileBytes(path, bytes, limit), code) << path << " " << limit;
    EXPECT_EQ(bytes.size(), code == 0 ? 16u : 0u) << path;
  }
}

}  // namespace
}  // namespace orv
