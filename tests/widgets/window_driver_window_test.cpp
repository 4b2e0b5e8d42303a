// The window driver of the tests: a step runs on its window once that is up,
// and a step never reached or a window left open fails the test and closes
// the window instead of hanging it.
#include "support/window_driver.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <QDialog>
#include <QLineEdit>
#include <string>
#include <vector>

namespace orv::test {
namespace {

// The failures the block reported, kept from the test itself.
template <typename Block>
std::vector<std::string> FailuresOf(Block block) {
  ::testing::TestPartResultArray results;
  {
    ::testing::ScopedFakeTestPartResultReporter reporter(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
    block();
  }
  std::vector<std::string> failures;
  for (int i = 0; i < results.size(); ++i) {
    // ADD_FAILURE's message begins with a line of its own.
    std::string message = results.GetTestPartResult(i).message();
    if (message.starts_with("Failed\n")) message.erase(0, 7);
    failures.push_back(message);
  }
  return failures;
}

class Window : public QDialog {
 public:
  Window() {
    setObjectName("Asker");
    edit = new QLineEdit(this);
  }
  QLineEdit* edit;
};

TEST(WindowDriver, StepsRunOnTheirWindowByObjectOrClassName) {
  Window window;
  WindowDriver driver;
  std::string typed;
  driver.Then("Asker", "types", [](QWidget& w) { Type(w, "kiwi"); })
      .Then(
          "QDialog", "reads, then closes",
          [&](QWidget& w) {
            typed = window.edit->text().toStdString();
            static_cast<QDialog&>(w).accept();
          },
          WindowDriver::Showing::Same);
  EXPECT_EQ(window.exec(), QDialog::Accepted);
  EXPECT_TRUE(driver.Done());
  EXPECT_FALSE(driver.Stuck());
  EXPECT_EQ(typed, "kiwi");
  EXPECT_EQ(driver.Log(),
            (std::vector<std::string>{"Asker: types", "QDialog: reads, then closes"}));
}

TEST(WindowDriver, AStepNotReachedOrAWindowLeftOpenFailsAndClosesTheWindow) {
  struct Case {
    const char* what;
    std::string window;
    WindowDriver::Showing showing;
    const char* failure;
  };
  const Case cases[] = {
      {"another window's step", "Other", WindowDriver::Showing::New,
       "stuck: step \"Other: waits\" with Asker in front, after \"nothing\""},
      {"a second step on one showing", "Asker", WindowDriver::Showing::New,
       "stuck: step \"Asker: waits\" with Asker in front, after \"Asker: looks\""},
      {"the window left open", "", WindowDriver::Showing::New,
       "left open: Asker, after \"Asker: looks\""}};
  for (const Case& c : cases) {
    Window window;
    WindowDriver driver(100);
    if (c.window != "Other") driver.Then("Asker", "looks", [](QWidget&) {});
    if (!c.window.empty())
      driver.Then(
          c.window, "waits", [](QWidget&) {}, c.showing);
    int result = -1;
    const std::vector<std::string> failures = FailuresOf([&] { result = window.exec(); });
    EXPECT_EQ(failures, std::vector<std::string>{c.failure}) << c.what;
    EXPECT_EQ(result, QDialog::Rejected) << c.what;
    EXPECT_TRUE(driver.Stuck()) << c.what;
  }
}

}  // namespace
}  // namespace orv::test
