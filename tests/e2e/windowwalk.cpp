#include "e2e/windowwalk.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include "app/program_window.h"
#include "support/program_directory.h"
#include "support/window_driver.h"

namespace orv::e2e {

void WalkEveryWindow(const std::string& home, const std::function<void(QWidget&)>& look,
                     bool newStartUpFile) {
  test::WindowDriver driver(60000, "MainForm");
  driver.Then("LoginForm", "is looked at, then ADMIN logs in", [&](QWidget& w) {
    look(w);
    QTest::keyClicks(QApplication::focusWidget(), "ADMIN");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClicks(
        QApplication::focusWidget(),
        QString::fromUtf8(test::kTestAdminPassword.data(), test::kTestAdminPassword.size()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  });
  if (newStartUpFile) {
    // Its Yes button, whatever language its caption is in.
    driver.Then("OrvMessage", "new start-up file", [](QWidget& w) {
      qobject_cast<QMessageBox*>(&w)->button(QMessageBox::Yes)->click();
    });
  }
  driver
      .Then("MainForm", "every window is shown in turn",
            [&](QWidget& main) {
              look(main);
              for (QWidget* window :
                   main.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                if (!window->isWindow() || window->objectName() == "LoginForm") continue;
                // The timed message closes at once when it has no time to show.
                window->show();
                (void)QTest::qWaitForWindowExposed(window);
                look(*window);
                window->hide();
              }
            })
      .Then("MainForm", "quits with Alt+Q",
            [](QWidget& main) { QTest::keyClick(&main, Qt::Key_Q, Qt::AltModifier); });
  EXPECT_EQ(RunOrv(home), 0);
  EXPECT_TRUE(driver.Done()) << driver.Waiting();
}

}  // namespace orv::e2e
