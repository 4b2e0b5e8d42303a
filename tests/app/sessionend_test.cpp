#include "app/sessionend.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QSettings>
#include <cstdlib>

#include "support/temp_dir.h"

namespace orv {
namespace {

class RestartEntry : public ::testing::Test {
 protected:
  RestartEntry() {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    if (old != nullptr) saved_ = old;
    setenv("XDG_CONFIG_HOME", dir.Path().string().c_str(), 1);
  }
  ~RestartEntry() override {
    if (saved_.empty()) {
      unsetenv("XDG_CONFIG_HOME");
    } else {
      setenv("XDG_CONFIG_HOME", saved_.c_str(), 1);
    }
  }
  test::TempDir dir;

 private:
  std::string saved_;
};

TEST_F(RestartEntry, IsWrittenInTheAutostartFolderAndRemovedByTheNextStart) {
  EXPECT_EQ(RestartEntryPath(), dir.Path().string() + "/autostart/orv-restart.desktop");
  ASSERT_TRUE(WriteRestartEntry("/opt/orv/bin/orv", "/home/ann/orv home/"));
  const std::string text = dir.Read("autostart/orv-restart.desktop");
  EXPECT_NE(text.find("[Desktop Entry]\n"), std::string::npos);
  EXPECT_NE(text.find("Type=Application\n"), std::string::npos);
  EXPECT_NE(text.find("Exec=\"/opt/orv/bin/orv\" --home \"/home/ann/orv home/\"\n"),
            std::string::npos);
  RemoveRestartEntry();
  EXPECT_FALSE(QFile::exists(QString::fromStdString(RestartEntryPath())));
  RemoveRestartEntry();  // nothing left to remove is no error
}

TEST_F(RestartEntry, QuotesCharactersTheExecKeyReserves) {
  const std::string text = RestartEntryText("/a \"b\"/$x`y`\\z", "/h/");
  // Reserved characters get a backslash inside the quotes; the file format
  // then doubles every backslash.
  EXPECT_NE(text.find(R"(Exec="/a \\"b\\"/\\$x\\`y\\`\\\\z" --home "/h/")"), std::string::npos)
      << text;
}

TEST_F(RestartEntry, AFolderThatCannotBeMadeIsNoError) {
  dir.Write("autostart", "a file where the folder should be");
  EXPECT_FALSE(WriteRestartEntry("/opt/orv", "/h/"));
}

}  // namespace
}  // namespace orv
