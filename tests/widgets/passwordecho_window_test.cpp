#include "widgets/passwordecho_window.h"

#include <gtest/gtest.h>
#include <QAccessible>
#include <QLineEdit>
#include <QTest>
#include <vector>

#include "support/accessibility_bus.h"

namespace orv {
namespace {

// What a screen reader would be told of the text typed and deleted.
std::vector<QString> told;

void Record(QAccessibleEvent* event) {
  if (event->type() == QAccessible::TextInserted) {
    told.push_back(static_cast<QAccessibleTextInsertEvent*>(event)->textInserted());
  } else if (event->type() == QAccessible::TextRemoved) {
    told.push_back("-" + static_cast<QAccessibleTextRemoveEvent*>(event)->textRemoved());
  }
}

// The events are those a line edit sends while a screen reader runs; Qt
// hands them on only with its accessibility bridge up, so ctest runs this on
// a private session bus and a virtual screen.
TEST(PasswordEcho, APasswordBoxsLettersReachAScreenReaderAsStars) {
  if (qgetenv("ORV_PRIVATE_SESSION_BUS") != "1") GTEST_SKIP() << "needs a private session bus";
  ASSERT_TRUE(test::SetAccessibilityStatus("IsEnabled", true));
  ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000));
  QAccessible::installUpdateHandler(&Record);
  KeepPasswordsFromScreenReaders();
  const struct {
    QLineEdit::EchoMode mode;
    std::vector<QString> told;
  } cases[] = {{QLineEdit::Normal, {"pw", "-w"}},
               {QLineEdit::Password, {"**", "-*"}},
               {QLineEdit::PasswordEchoOnEdit, {"**", "-*"}}};
  for (const auto& c : cases) {
    told.clear();
    QLineEdit box;
    box.setEchoMode(c.mode);
    QAccessibleTextInsertEvent typed(&box, 0, "pw");
    QAccessible::updateAccessibility(&typed);
    QAccessibleTextRemoveEvent deleted(&box, 1, "w");
    QAccessible::updateAccessibility(&deleted);
    EXPECT_EQ(told, c.told) << c.mode;
  }
  QAccessible::installUpdateHandler(nullptr);
}

}  // namespace
}  // namespace orv
