#include "scores/wrongword_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <iterator>
#include <limits>

#include "base/translate.h"
#include "exchange/gridexport_window.h"
#include "scores/dataset.h"
#include "scores/scorewindowhost.h"
#include "scores/wordfile.h"
#include "users/password.h"
#include "widgets/formhelpers_window.h"

namespace orv {

TSU1::TSU1(ScoreDatabase& database, DataSet& dataSet, const ScoreWindowHost& host, Dialogs& dialogs,
           QWidget* parent)
    : TSU(database, dataSet, host, dialogs, parent) {
  setObjectName("SU1");
  setWindowTitle(Tr("TSU1", "Auto slection of word file from logs"));
  Export->SetTitle(Tr("TSU1", "Wrong words"));
  GroupBox1->setTitle(Tr("TSU1", "SQL group"));
  Count1->setChecked(true);
  BuildCountControls();
}

void TSU1::BuildCountControls() {
  auto spin = [this](int value) {
    auto* box = new QSpinBox(this);
    box->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    box->setValue(value);
    box->setEnabled(false);
    return box;
  };
  CountG = new QCheckBox(Tr("TSU1", "Count >="), this);
  CountG->setObjectName("CountG");
  SpinEdit1 = spin(1);
  SpinEdit1->setObjectName("SpinEdit1");
  CountL = new QCheckBox(Tr("TSU1", "Count <="), this);
  CountL->setObjectName("CountL");
  SpinEdit2 = spin(10);
  SpinEdit2->setObjectName("SpinEdit2");
  SpinEdit1->setAccessibleName(CountG->text());
  SpinEdit2->setAccessibleName(CountL->text());
  Label5 = new QLabel(Tr("TSU1", "Output file:"), this);
  Label5->setObjectName("Label5");
  Label4 = new QLabel("t.orv", this);
  Label4->setObjectName("Label4");
  BitBtn1 = new QPushButton(Tr("TSU1", "&New"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setAutoDefault(false);
  SetHint(BitBtn1, Tr("TSU1", "Use a new file instead of the default"));
  // Alt+C is "Show &Current User"'s; Enter presses this default button too.
  BitBtn2 = new QPushButton(Tr("TSU1", "Crea&te file"), this);
  BitBtn2->setObjectName("BitBtn2");
  BitBtn2->setDefault(true);
  SetHint(BitBtn2, Tr("TSU1", "Send the output from the SQL queary to the file"));

  auto* row = new QHBoxLayout;
  row->addWidget(CountG);
  row->addWidget(SpinEdit1);
  row->addWidget(CountL);
  row->addWidget(SpinEdit2);
  row->addSpacing(16);
  row->addWidget(Label5);
  row->addWidget(Label4, 1);
  row->addWidget(BitBtn1);
  row->addWidget(BitBtn2);
  ExtraArea()->addLayout(row);
  // Tab takes the row where it stands: after the query's controls, before the SQL box.
  SetTabOrder({updateBtn, CountG, SpinEdit1, CountL, SpinEdit2, BitBtn1, BitBtn2, SQL});

  connect(CountG, &QCheckBox::clicked, this, [this] {
    Run([this] {
      SpinEdit1->setEnabled(CountG->isChecked());
      ShowSql();
    });
  });
  connect(CountL, &QCheckBox::clicked, this, [this] {
    Run([this] {
      SpinEdit2->setEnabled(CountL->isChecked());
      ShowSql();
    });
  });
  for (QSpinBox* box : {SpinEdit1, SpinEdit2}) {
    connect(box, &QSpinBox::valueChanged, this, [this] { Run([this] { ShowSql(); }); });
  }
  connect(BitBtn1, &QPushButton::clicked, this, [this] { Run([this] { BitBtn1Click(); }); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { Run([this] { BitBtn2Click(); }); });
}

std::string TSU1::BuildSql(bool report) {
  CountLimits limits;
  limits.moreThanOn = CountG->isEnabled() && CountG->isChecked();
  limits.moreThan = SpinEdit1->value();
  limits.lessThanOn = CountL->isChecked();
  limits.lessThan = SpinEdit2->value();
  return WrongWordSql(Controls(report), limits);
}

void TSU1::ShowUserFile() {
  Label4->setText(QString::fromStdString(UserWordFile(UserList->currentText().toStdString())));
}

void TSU1::updateUserList() {
  TSU::updateUserList();
  ShowUserFile();
}

void TSU1::ShowCurrentUserClick() {
  TSU::ShowCurrentUserClick();
  ShowUserFile();
}

void TSU1::PickFromListClick() {
  TSU::PickFromListClick();
  ShowUserFile();
}

void TSU1::UserListChange() {
  TSU::UserListChange();
  ShowUserFile();
}

void TSU1::ShowAllUserClick() {
  TSU::ShowAllUserClick();
  Label4->setText(kAllUsersWordFile);
}

void TSU1::Count1Click() {
  const bool on = Count1->isChecked();
  CountG->setEnabled(on);
  CountL->setEnabled(on);
  SpinEdit1->setEnabled(on && CountG->isChecked());
  SpinEdit2->setEnabled(on && CountL->isChecked());
  ShowSql();
}

void TSU1::BitBtn1Click() {
  if (std::optional<std::string> output =
          NewWordFile(dialogs_, host_.ListRoot(), UserList->currentText().toStdString(),
                      host_.PasswordFile().CurrentUser())) {
    Label4->setText(QString::fromStdString(*output));
  }
}

void TSU1::BitBtn2Click() {
  dataSet_.FetchAll();
  if (dataSet_.RowCount() == 0) return;
  std::vector<std::string> words;
  words.reserve(static_cast<std::size_t>(dataSet_.RowCount()));
  for (int row = 0; row < dataSet_.RowCount(); ++row) {
    words.push_back(dataSet_.Value(row, "WORD").toString().toStdString());
  }
  WriteWordFile(dialogs_, host_.ListRoot(), Label4->text().toStdString(), words);
}

}  // namespace orv
