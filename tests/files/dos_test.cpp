#include "files/dos.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QTime>
#include <filesystem>

#include "base/clock.h"
#include "base/platform.h"
#include "support/counting_clock.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

TEST(DosPaths, FolderDriveAndFileName) {
  EXPECT_EQ(FolderOf("words0.orv"), "");
  EXPECT_EQ(FolderOf("C:\\a\\b.orv"), "C:\\a\\");
  EXPECT_EQ(FolderOf("/home/ann/b.orv"), "/home/ann/");
  EXPECT_EQ(FolderOf("ann.orv/sub\\b.orv"), "ann.orv/sub\\");

  EXPECT_EQ(FolderNoDrive("C:\\a\\b.orv"), "\\a\\");
  EXPECT_EQ(FolderNoDrive("C:b.orv"), "");
  EXPECT_EQ(FolderNoDrive("ann.orv\\b.orv"), "ann.orv\\");

  EXPECT_EQ(DriveOf("C:\\a\\b.orv"), "C:");
  EXPECT_EQ(DriveOf("ann.orv\\b.orv"), "");
  EXPECT_EQ(DriveOf("C:\\a:b\\c"), "C:\\a:");

  EXPECT_EQ(FileNameOf("C:\\a\\b.orv"), "b.orv");
  EXPECT_EQ(FileNameOf("C:b.orv"), "b.orv");
  EXPECT_EQ(FileNameOf("/home/ann/b.orv"), "b.orv");
  EXPECT_EQ(FileNameOf("ann.orv\\"), "");
  EXPECT_EQ(FileNameOf("b.orv"), "b.orv");
}

TEST(DosPaths, ExtensionAfterTheLastDot) {
  EXPECT_EQ(ExtOf("C:\\a\\list.two.orv"), "orv");
  EXPECT_EQ(ExtOf("words"), "");
  EXPECT_EQ(ExtOf("words."), "");
  EXPECT_EQ(ExtOf("C:\\my.dir\\words"), "dir\\words");
  EXPECT_EQ(ExtOf(std::string(254, 'a') + ".orv"), "orv");
  EXPECT_THROW(ExtOf(std::string(255, 'a') + ".orv"), ERangeError);
}

TEST(DosPaths, BaseNameCutsTheDotFirst) {
  EXPECT_EQ(BaseName("C:\\lists\\words0.orv"), "words0");
  EXPECT_EQ(BaseName("ann.orv"), "ann");
  EXPECT_EQ(BaseName("words0"), "words0");
  EXPECT_EQ(BaseName("C:words0.orv"), "words0");
  EXPECT_EQ(BaseName("/home/ann/list.x.orv"), "list.x");
  EXPECT_EQ(BaseName("C:\\my.dir\\words"), "my");
}

TEST(DosPaths, DrivesDoNotExistHere) {
  EXPECT_FALSE(DriveValid("C:\\lists\\a.orv"));
  EXPECT_FALSE(DriveValid("c:"));
  EXPECT_FALSE(DriveValid("C"));
  EXPECT_FALSE(DriveValid("lists"));
  EXPECT_TRUE(DriveValid("/tmp/a:b/c.orv"));
}

TEST(DosFiles, FoundOpenedAndFolderTestsIgnoreCase) {
  test::TempDir dir;
  dir.Write("Orv.Orv/Words0.ORV", "a");
  const std::string root = dir.Path().string();
  EXPECT_TRUE(FileFound(root + "\\orv.orv\\WORDS0.orv"));
  EXPECT_TRUE(CanOpenFile(root + "\\orv.orv\\WORDS0.orv"));
  EXPECT_FALSE(FileFound(root + "\\orv.orv"));
  EXPECT_FALSE(CanOpenFile(root + "\\orv.orv"));
  EXPECT_FALSE(FileFound(root + "\\orv.orv\\none.orv"));
  EXPECT_FALSE(CanOpenFile(""));

  EXPECT_TRUE(DirExists(root + "\\ORV.ORV\\"));
  EXPECT_TRUE(DirExists(root + "/orv.orv//"));
  EXPECT_TRUE(DirExists("/"));
  EXPECT_FALSE(DirExists(root + "\\orv.orv\\words0.orv"));
  EXPECT_FALSE(DirExists(root + "\\other"));
  EXPECT_FALSE(DirExists(""));
}

TEST(DosFiles, MakePathCreatesEveryMissingFolder) {
  test::TempDir dir;
  fs::create_directory(dir.Path() / "X");
  EXPECT_EQ(MakePath(dir.Path().string() + "\\x\\y\\z\\w\\f.orv"), 0);
  EXPECT_TRUE(fs::is_directory(dir.Path() / "X/y/z/w"));
  EXPECT_FALSE(fs::exists(dir.Path() / "x"));  // the existing folder was used, whatever its case
  EXPECT_FALSE(fs::exists(dir.Path() / "X/y/z/w/f.orv"));
  EXPECT_EQ(MakePath(dir.Path().string() + "\\X\\Y\\f.orv"), 0);
  EXPECT_EQ(MakePath("f.orv"), 0);
  EXPECT_EQ(MakePath("C:\\x\\y\\f.orv"), 15);
}

TEST(DosFiles, FolderCreationFailuresRaiseWithTheirText) {
  test::TempDir dir;
  dir.Write("plain", "a file where a folder should go");
  try {
    MakePath(dir.Str() + "plain\\sub\\f.orv");
    FAIL() << "MakePath returned";
  } catch (const E_Dos_Error& e) {
    EXPECT_STREQ(e.what(), "Error in _dos.MDir:Error num 5, Access denied");
  }
  try {
    MDir(dir.Str() + "a\\b\\");
    FAIL() << "MDir returned";
  } catch (const E_Dos_Error& e) {
    EXPECT_STREQ(e.what(), "Error in _dos.MDir:Error num 3, Path not found");
  }
  MDir(dir.Str() + "New.Orv\\\\");
  EXPECT_TRUE(fs::is_directory(dir.Path() / "New.Orv"));
}

TEST(DosFiles, MakeFileCreatesFoldersAndAnEmptyFileOnlyWhenMissing) {
  test::TempDir dir;
  const std::string name = dir.Str() + "ann.orv\\Sub\\List.orv";
  EXPECT_EQ(MakeFile(name), 0);
  EXPECT_EQ(dir.Read("ann.orv/Sub/List.orv"), "");
  dir.Write("ann.orv/Sub/List.orv", "keep me");
  EXPECT_EQ(MakeFile(dir.Str() + "ANN.ORV\\sub\\list.orv"), 0);
  EXPECT_EQ(dir.Read("ann.orv/Sub/List.orv"), "keep me");
  EXPECT_EQ(MakeFile(dir.Str() + "ann.orv"), 5);
  EXPECT_EQ(MakeFile("C:\\x\\f.orv"), 15);
  EXPECT_FALSE(fs::exists("C:"));
}

TEST(DosFiles, EnsureAndCreateKeepExistingFiles) {
  test::TempDir dir;
  dir.Write("old.orv", "words");
  EXPECT_TRUE(EnsureFile(dir.Str() + "OLD.orv"));
  EXPECT_EQ(CreateFileCode(dir.Str() + "OLD.orv"), 0);
  EXPECT_EQ(dir.Read("old.orv"), "words");
  EXPECT_TRUE(EnsureFile(dir.Str() + "New.orv"));
  EXPECT_TRUE(fs::is_regular_file(dir.Path() / "New.orv"));
  EXPECT_EQ(CreateFileCode(dir.Str() + "none\\x.orv"), 3);
  EXPECT_FALSE(EnsureFile(dir.Str() + "none\\x.orv"));
}

TEST(DosFiles, EraseAndRemoveDir) {
  test::TempDir dir;
  dir.Write("ann.orv/List.orv", "x");
  EXPECT_EQ(EraseFile(dir.Str() + "ann.orv\\missing.orv"), 0);
  EXPECT_EQ(EraseFile(dir.Str() + "nowhere\\missing.orv"), 0);
  EXPECT_EQ(RemoveDir(dir.Str() + "ANN.ORV\\"), 5);  // not empty
  EXPECT_EQ(EraseFile(dir.Str() + "ANN.ORV\\list.ORV"), 0);
  EXPECT_FALSE(fs::exists(dir.Path() / "ann.orv/List.orv"));
  EXPECT_EQ(RemoveDir(dir.Str() + "ANN.ORV\\"), 0);
  EXPECT_FALSE(fs::exists(dir.Path() / "ann.orv"));
  EXPECT_EQ(RemoveDir(dir.Str() + "ann.orv"), 2);
  EXPECT_EQ(RemoveDir(dir.Str() + "a\\b"), 3);
}

TEST(DosFiles, ReadLineNAndLineCount) {
  test::TempDir dir;
  const std::string two = dir.Write("two.orv", "one\r\ntwo");
  EXPECT_EQ(ReadLineN(two, 1), "one");
  EXPECT_EQ(ReadLineN(two, 2), "two");
  EXPECT_EQ(ReadLineN(two, 3), "");
  EXPECT_EQ(ReadLineN(two, 0), "");
  EXPECT_EQ(LineCount(two), 2);

  EXPECT_EQ(LineCount(dir.Write("ended.orv", "a\nb\n")), 2);
  EXPECT_EQ(LineCount(dir.Write("blank.orv", "\n\n\n")), 3);
  EXPECT_EQ(ReadLineN(dir.Str() + "blank.orv", 2), "");
  EXPECT_EQ(LineCount(dir.Write("empty.orv", "")), 0);
  EXPECT_EQ(LineCount(dir.Str() + "missing.orv"), 0);
  EXPECT_EQ(ReadLineN(dir.Str() + "missing.orv", 1), "");

  dir.Write("Owner.USR", "Ren\xE9\r\n");
  EXPECT_EQ(ReadLineN(dir.Str() + "owner.usr", 1), "René");
}

TEST(DosTime, TwoDigitsAndDates) {
  EXPECT_EQ(TwoDigits(7), "07");
  EXPECT_EQ(TwoDigits(0), "00");
  EXPECT_EQ(TwoDigits(12), "12");
  EXPECT_EQ(TwoDigits(2004), "2004");
  EXPECT_EQ(DateText(2004, 3, 5), "05/03/2004");
  EXPECT_EQ(DateText(1999, 12, 31), "31/12/1999");
}

TEST(DosTime, ClockTextsFollowLocalTime) {
  // Read Qt's local time before and after; retry in the rare case a second
  // boundary falls between the readings.
  for (int attempt = 0; attempt < 5; ++attempt) {
    QDate day = QDate::currentDate();
    QTime before = QTime::currentTime();
    std::string today = TodayText();
    std::string time = NowTimeText();
    std::int32_t clock = DayClock();
    QTime after = QTime::currentTime();
    if (before.second() != after.second() || QDate::currentDate() != day) continue;
    EXPECT_EQ(today, day.toString("dd/MM/yyyy").toStdString());
    EXPECT_EQ(time, before.toString("HH:mm:ss").toStdString());
    auto expected = [](const QTime& t) {
      return t.hour() * 360000 + t.minute() * 6000 + t.second() * 100 + t.msec();
    };
    EXPECT_GE(clock, expected(before));
    EXPECT_LE(clock, expected(after));
    return;
  }
  FAIL() << "the clock kept crossing second boundaries";
}

TEST(DosTime, BeepWaitBeepsThenWaitsWhileEventsRun) {
  test::CountingClock clock;
  ScopedClock scoped(clock);
  std::uint32_t sleptAtBeep = 1;
  SetBeepHandler([&] { sleptAtBeep = clock.Ticks(); });
  BeepWait(400, 1000);
  SetBeepHandler({});
  EXPECT_EQ(sleptAtBeep, 0u);
  EXPECT_GE(clock.Ticks(), 1000u);
  EXPECT_LT(clock.Ticks(), 1100u);
  EXPECT_GT(clock.eventRounds, 0u);
}

}  // namespace
}  // namespace orv
