#include "files/groupcommands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "files/errortext.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

// A folder picker answering from a script and recording how it was asked.
struct ScriptedPicker {
  std::optional<std::string> answer;  // nothing: cancelled
  std::vector<std::string> roots, presets, captions;

  FolderPicker Picker() {
    return [this](const std::string& root, std::string& path, const std::string& caption) {
      roots.push_back(root);
      presets.push_back(path);
      captions.push_back(caption);
      if (answer) path = *answer;
      return answer.has_value();
    };
  }
};

// A word-list root with a group in a group, and the current list.
class GroupCommands : public ::testing::Test {
 protected:
  GroupCommands() { fs::create_directories(Root() / "ann.orv" / "sums.orv"); }

  fs::path Root() const { return dir_.Path() / "orv.orv"; }

  test::TempDir dir_;
  test::FakeDialogs dialogs_;
  ScriptedPicker picker_;
  const std::string listRoot_ = dir_.Str() + "orv.orv\\";
  std::string currentDir_;
  std::string currentFile_ = "words0.orv";
};

TEST_F(GroupCommands, NewGroupDropsTheTypedExtension) {
  picker_.answer = "ann.orv";
  dialogs_.inputs.push_back("Spell test.txt");
  NewFolder(dialogs_, listRoot_, picker_.Picker());

  EXPECT_TRUE(fs::is_directory(Root() / "ann.orv" / "Spell test.orv"));
  EXPECT_FALSE(fs::exists(Root() / "ann.orv" / "Spell test.txt"));
  ASSERT_EQ(picker_.captions.size(), 1u);
  EXPECT_EQ(picker_.captions[0], "Please chooses a host dir");
  EXPECT_EQ(picker_.presets[0], "");
  EXPECT_EQ(picker_.roots[0], listRoot_);
  ASSERT_EQ(dialogs_.inputBoxes.size(), 1u);
  EXPECT_EQ(dialogs_.inputBoxes[0].caption, "New directory");
  EXPECT_EQ(dialogs_.inputBoxes[0].prompt, "Type In a name:");
  EXPECT_EQ(dialogs_.inputBoxes[0].preset, "New dir");
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].text,
            "About to create directory \"Spell test\" as a sub dir of \"ann.orv\"");
  EXPECT_EQ(dialogs_.messages[0].buttons, MsgButtons::OkCancel);
}

TEST_F(GroupCommands, NewGroupInTheRootAndInADeepHost) {
  picker_.answer = "";
  dialogs_.inputs.push_back("Spelling");
  NewFolder(dialogs_, listRoot_, picker_.Picker());
  EXPECT_TRUE(fs::is_directory(Root() / "Spelling.orv"));
  EXPECT_EQ(dialogs_.Texts().back(),
            "About to create directory \"Spelling\" In the root spelling directory");

  picker_.answer = "ann.orv\\sums.orv";
  dialogs_.inputs.push_back("c:\\elsewhere\\Deep.orv");
  NewFolder(dialogs_, listRoot_, picker_.Picker());
  EXPECT_TRUE(fs::is_directory(Root() / "ann.orv" / "sums.orv" / "Deep.orv"));
  EXPECT_EQ(dialogs_.Texts().back(),
            "About to create directory \"Deep\" as a sub dir of \"ann.orv\\sums.orv\"");
}

TEST_F(GroupCommands, NewGroupStopsAtEveryRefusal) {
  const auto groups = [this] {
    std::size_t count = 0;
    for (auto it = fs::recursive_directory_iterator(Root()); it != fs::end(it); ++it) ++count;
    return count;
  };
  const std::size_t before = groups();

  NewFolder(dialogs_, listRoot_, picker_.Picker());  // the folder window cancelled
  EXPECT_TRUE(dialogs_.inputBoxes.empty());

  picker_.answer = "";
  dialogs_.inputs.push_back(std::nullopt);  // the name box cancelled
  NewFolder(dialogs_, listRoot_, picker_.Picker());
  EXPECT_TRUE(dialogs_.messages.empty());

  dialogs_.inputs.push_back(".txt");  // no name left
  NewFolder(dialogs_, listRoot_, picker_.Picker());
  EXPECT_TRUE(dialogs_.messages.empty());

  dialogs_.inputs.push_back("Kept out");
  dialogs_.answers.push_back(MsgAnswer::Cancel);
  NewFolder(dialogs_, listRoot_, picker_.Picker());
  EXPECT_EQ(dialogs_.messages.size(), 1u);

  EXPECT_EQ(groups(), before);
}

TEST_F(GroupCommands, ChangeDirectoryNormalisesAndResetsTheList) {
  currentDir_ = "ann.orv\\";
  currentFile_ = "sums.orv";

  picker_.answer = "ann.orv\\sums.orv";
  ChangeDirectory(listRoot_, currentDir_, currentFile_, picker_.Picker());
  EXPECT_EQ(currentDir_, "ann.orv\\sums.orv\\");
  EXPECT_EQ(currentFile_, "words0.orv");
  EXPECT_EQ(picker_.captions.back(), "Change Diretory");
  EXPECT_EQ(picker_.presets.back(), "ann.orv\\");

  currentFile_ = "other.orv";
  picker_.answer = std::nullopt;
  ChangeDirectory(listRoot_, currentDir_, currentFile_, picker_.Picker());
  EXPECT_EQ(currentDir_, "ann.orv\\sums.orv\\");
  EXPECT_EQ(currentFile_, "words0.orv");

  picker_.answer = "";
  ChangeDirectory(listRoot_, currentDir_, currentFile_, picker_.Picker());
  EXPECT_EQ(currentDir_, "\\");
  EXPECT_EQ(currentFile_, "words0.orv");
}

TEST_F(GroupCommands, RemoveDirRemovesOnlyAnEmptyGroup) {
  currentDir_ = "ann.orv\\";

  picker_.answer = "ann.orv\\sums.orv";
  RemoveGroup(dialogs_, listRoot_, currentDir_, picker_.Picker());
  EXPECT_FALSE(fs::exists(Root() / "ann.orv" / "sums.orv"));
  EXPECT_TRUE(dialogs_.messages.empty());
  EXPECT_EQ(picker_.captions.back(), "Directory to remove");
  EXPECT_EQ(picker_.presets.back(), "ann.orv\\");
  EXPECT_EQ(currentDir_, "ann.orv\\");

  dir_.Write("orv.orv/ann.orv/list.orv", "apple\n");
  picker_.answer = "ann.orv";
  RemoveGroup(dialogs_, listRoot_, currentDir_, picker_.Picker());
  EXPECT_TRUE(fs::exists(Root() / "ann.orv" / "list.orv"));
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].kind, MsgKind::Error);
  EXPECT_EQ(dialogs_.messages[0].text.rfind("Error num ", 0), 0u);

  picker_.answer = "nothing.orv";
  RemoveGroup(dialogs_, listRoot_, currentDir_, picker_.Picker());
  EXPECT_EQ(dialogs_.Texts().back(), ErrorText(2));
}

TEST_F(GroupCommands, RemoveDirNeverRemovesTheRoot) {
  fs::remove_all(Root() / "ann.orv");  // an empty root could otherwise go
  picker_.answer = "";
  RemoveGroup(dialogs_, listRoot_, currentDir_, picker_.Picker());
  EXPECT_TRUE(fs::is_directory(Root()));
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].text, ErrorText(16));

  picker_.answer = std::nullopt;
  RemoveGroup(dialogs_, listRoot_, currentDir_, picker_.Picker());
  EXPECT_EQ(dialogs_.messages.size(), 1u);
}

}  // namespace
}  // namespace orv
