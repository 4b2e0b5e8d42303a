#include "exchange/import_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/dialogs.h"
#include "base/translate.h"
#include "widgets/formhelpers_window.h"

namespace orv {
namespace {

// The entries a list shows under its name before "...".
constexpr LineNo kShownEntries = 3;

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

TImportForm::TImportForm(Dialogs& dialogs, SoundKeeper keepSounds, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), keepSounds_(std::move(keepSounds)) {
  setObjectName("ImportForm");
  setWindowTitle(Tr("TImportForm", "Import lists"));
  FilesLabel = new QLabel(this);
  FilesLabel->setWordWrap(true);
  WordColumn = new QComboBox(this);
  WordColumn->setObjectName("WordColumn");
  AnswerColumn = new QComboBox(this);
  AnswerColumn->setObjectName("AnswerColumn");
  GroupEdit = new QLineEdit(this);
  GroupEdit->setObjectName("GroupEdit");
  ListsView = new QTreeWidget(this);
  ListsView->setObjectName("ListsView");
  // A screen reader does not take an item view's name from the label above it.
  ListsView->setAccessibleName(Tr("TImportForm", "Lists to make"));
  ListsView->setHeaderLabels(
      {Tr("TImportForm", "List"), Tr("TImportForm", "Lines"), Tr("TImportForm", "Note")});
  ListsView->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  ProblemsView = new QListWidget(this);
  ProblemsView->setObjectName("ProblemsView");
  ProblemsView->setAccessibleName(Tr("TImportForm", "What cannot be imported"));
  Progress = new QProgressBar(this);
  Progress->setObjectName("Progress");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
  ImportButton = buttons->addButton(Tr("TImportForm", "&Import"), QDialogButtonBox::AcceptRole);
  ImportButton->setObjectName("ImportButton");

  auto* form = new QFormLayout;
  form->addRow(Tr("TImportForm", "Word or question from:"), WordColumn);
  form->addRow(Tr("TImportForm", "Answer from:"), AnswerColumn);
  form->addRow(Tr("TImportForm", "Into the group:"), GroupEdit);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(FilesLabel);
  layout->addLayout(form);
  layout->addWidget(new QLabel(Tr("TImportForm", "Lists to make:"), this));
  layout->addWidget(ListsView, 3);
  layout->addWidget(new QLabel(Tr("TImportForm", "What cannot be imported:"), this));
  layout->addWidget(ProblemsView, 2);
  layout->addWidget(Progress);
  layout->addWidget(buttons);
  resize(640, 560);

  connect(WordColumn, &QComboBox::currentIndexChanged, this, &TImportForm::Read);
  connect(AnswerColumn, &QComboBox::currentIndexChanged, this, &TImportForm::Read);
  connect(GroupEdit, &QLineEdit::editingFinished, this, &TImportForm::Plan);
  connect(ImportButton, &QPushButton::clicked, this, &TImportForm::Import1Click);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

int TImportForm::ImportFiles(const std::vector<std::string>& files, const std::string& listRoot,
                             const std::string& group, const std::string& owner) {
  files_ = files;
  listRoot_ = listRoot;
  owner_ = owner;
  QStringList names;
  for (const std::string& file : files) names << Q(file);
  FilesLabel->setText(Tr("TImportForm", "From %1").arg(names.join(", ")));
  GroupEdit->setText(Q(group));
  {
    const QSignalBlocker word(WordColumn);
    const QSignalBlocker answer(AnswerColumn);
    WordColumn->clear();
    AnswerColumn->clear();
  }
  Read();
  {
    const QSignalBlocker word(WordColumn);
    const QSignalBlocker answer(AnswerColumn);
    AnswerColumn->addItem(Tr("TImportForm", "none: spelling words"));
    for (const std::string& column : batch_.columns) {
      WordColumn->addItem(Q(column));
      AnswerColumn->addItem(Q(column));
    }
    AnswerColumn->setCurrentIndex(batch_.columns.size() >= 2 ? 2 : 0);
  }
  CentreOnScreen(this);
  return exec();
}

void TImportForm::ShowProgress(std::size_t done, std::size_t count) {
  Progress->setRange(0, static_cast<int>(count));
  Progress->setValue(static_cast<int>(done));
  Progress->repaint();
}

void TImportForm::Read() {
  ColumnChoice choice;
  if (WordColumn->currentIndex() >= 0) {
    choice.push_back(static_cast<std::size_t>(WordColumn->currentIndex()));
    if (AnswerColumn->currentIndex() > 0) {
      choice.push_back(static_cast<std::size_t>(AnswerColumn->currentIndex() - 1));
    }
  }
  batch_ = ReadImportFiles(files_, choice,
                           [this](std::size_t done) { ShowProgress(done, files_.size()); });
  ProblemsView->clear();
  for (const std::string& failure : batch_.failures) {
    auto* item = new QListWidgetItem(Tr("TImportForm", "%1 (nothing is imported)").arg(Q(failure)),
                                     ProblemsView);
    item->setForeground(Qt::red);
  }
  for (const std::string& problem : batch_.problems) ProblemsView->addItem(Q(problem));
  Plan();
}

void TImportForm::Plan() {
  ListsView->clear();
  plan_.clear();
  const std::optional<std::string> group = GroupDirNamed(GroupEdit->text().toStdString());
  if (group && batch_.failures.empty()) plan_ = PlanImport(listRoot_, *group, batch_.lists);
  for (const PlannedList& list : plan_) {
    QString note = list.exists ? Tr("TImportForm", "is there: asks before replacing it") : "";
    if (!list.sounds.empty()) {
      note +=
          QString(note.isEmpty() ? "" : "; ") +
          (list.sounds.size() == 1 ? Tr("TImportForm", "%1 sound") : Tr("TImportForm", "%1 sounds"))
              .arg(list.sounds.size());
    }
    auto* item =
        new QTreeWidgetItem(ListsView, {Q(list.shown), QString::number(list.lines.Count()), note});
    const LineNo shown = std::min(list.lines.Count(), kShownEntries);
    for (const LineNo i : LineNumbers(shown)) new QTreeWidgetItem(item, {Q(list.lines.Line(i))});
    if (list.lines.Count() > shown) new QTreeWidgetItem(item, {"..."});
    item->setExpanded(true);
  }
  ImportButton->setEnabled(!plan_.empty());
  if (!group)
    ProblemsView->addItem(Tr("TImportForm", "The group \"") + GroupEdit->text() +
                          Tr("TImportForm", "\" leaves the word lists"));
}

void TImportForm::Import1Click() {
  const ImportWritten written = WriteImport(
      plan_, owner_, dialogs_, [this](std::size_t done) { ShowProgress(done, plan_.size()); });
  std::string told = Filled(written.made.size() == 1 ? TrText("TImportForm", "%1 list made.")
                                                     : TrText("TImportForm", "%1 lists made."),
                            std::to_string(written.made.size()));
  for (const std::string& kept : written.kept)
    told += "\n" + Filled(TrText("TImportForm", "%1 was kept as it was."), kept);
  for (const std::string& failure : written.failures) told += "\n" + failure;
  if (!written.sounds.empty()) told += "\n" + keepSounds_(written.sounds);
  dialogs_.Information(told);
  accept();
}

}  // namespace orv
