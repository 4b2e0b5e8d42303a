#include "exchange/import_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <string>

#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "support/window_driver.h"

namespace orv {
namespace {

std::string Row(QTreeWidgetItem* item) {
  std::string row = item->text(0).toStdString() + " " + item->text(1).toStdString();
  for (int i = 0; i < item->childCount(); ++i) row += " / " + item->child(i)->text(0).toStdString();
  return row;
}

TEST(ImportWindow, TheColumnsChosenChangeTheListsAndImportWritesThem) {
  test::TempDir dir;
  const std::string file = dir.Write("farm.csv", "cow,Kuh\npig,Schwein\n,\nhen,\n");
  test::FakeDialogs dialogs;
  TImportForm form(dialogs, [](const std::vector<ImportedSound>&) { return std::string(); });
  test::WindowDriver modal;
  modal.Then("ImportForm", "looks, takes the second column alone, imports", [&](QWidget& w) {
    auto* lists = w.findChild<QTreeWidget*>("ListsView");
    ASSERT_EQ(lists->topLevelItemCount(), 1);
    EXPECT_EQ(Row(lists->topLevelItem(0)), "ann.orv\\farm.orv 2 / cow|Kuh / pig|Schwein");
    auto* problems = w.findChild<QListWidget*>("ProblemsView");
    ASSERT_EQ(problems->count(), 1);
    EXPECT_EQ(problems->item(0)->text().toStdString(),
              "farm.csv: line 4: left out: \"hen\" has no answer");
    test::SaveScreenshot(w, "import-window");
    w.findChild<QComboBox*>("WordColumn")->setCurrentIndex(1);
    w.findChild<QComboBox*>("AnswerColumn")->setCurrentIndex(0);
    EXPECT_EQ(Row(lists->topLevelItem(0)), "ann.orv\\farm.orv 2 / Kuh / Schwein");
    EXPECT_EQ(problems->item(0)->text().toStdString(),
              "farm.csv: line 4: left out: the entry is empty");
    w.findChild<QPushButton*>("ImportButton")->click();
  });
  EXPECT_EQ(form.ImportFiles({file}, dir.Str() + "orv.orv/", "ann.orv\\", "Ann"),
            QDialog::Accepted);
  EXPECT_TRUE(modal.Done());
  EXPECT_EQ(dir.Read("orv.orv/ann.orv/farm.orv"), "Kuh\r\nSchwein\r\n");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "1 list made.");
}

}  // namespace
}  // namespace orv
