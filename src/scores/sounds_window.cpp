#include "scores/sounds_window.h"

#include <QAction>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSqlError>
#include <QSqlQuery>
#include <QStatusBar>
#include <QVBoxLayout>

#include "base/dialogs.h"
#include "base/strings.h"
#include "base/translate.h"
#include "files/dos.h"
#include "scores/datagrid_window.h"
#include "scores/dataset.h"
#include "scores/finddialog_window.h"
#include "scores/firebird/sqlquote.h"
#include "scores/listwords.h"
#include "scores/record_window.h"
#include "scores/scoredatabase.h"
#include "scores/scorewindowhost.h"
#include "scores/sound/wordrecorder.h"
#include "scores/soundfind.h"
#include "scores/soundstore.h"
#include "scores/teachersonly.h"
#include "users/password.h"

namespace orv {
namespace {

const char kAccessDenied[] = QT_TRANSLATE_NOOP("TSoundsForm", "Access denied");

bool SameWord(const std::string& a, const std::string& b) {
  return Upper(a) == Upper(b);
}

}  // namespace

TSoundsForm::TSoundsForm(ScoreDatabase& database, DataSet& dataSet, SoundStore& sounds,
                         const ScoreWindowHost& host, Dialogs& dialogs, QWidget* parent)
    : TDbDialog(database, dataSet, host, dialogs, parent), sounds_(sounds) {
  setObjectName("SoundsForm");
  setWindowTitle(Tr("TSoundsForm", "SoundsForm"));
  BuildControls();
  resize(520, 420);
}

void TSoundsForm::BuildControls() {
  MainMenu1 = new QMenuBar(this);
  MainMenu1->setObjectName("MainMenu1");
  Sounddb1 = MainMenu1->addMenu(Tr("TSoundsForm", "Sound db"));
  Sounddb1->setObjectName("Sounddb1");
  Addsound1 = Sounddb1->addAction(Tr("TSoundsForm", "&Add sound"));
  Addsound1->setObjectName("Addsound1");
  Delete1 = Sounddb1->addAction(Tr("TSoundsForm", "&Delete sound"));
  Delete1->setObjectName("Delete1");
  Findsound1 = Sounddb1->addAction(Tr("TSoundsForm", "&Find sound"));
  Findsound1->setObjectName("Findsound1");
  Record1 = Sounddb1->addAction(Tr("TSoundsForm", "&Record sound"));
  Record1->setObjectName("Record1");
  RecordMissing1 = Sounddb1->addAction(Tr("TSoundsForm", "Record &missing"));
  RecordMissing1->setObjectName("RecordMissing1");
  MenuExit = Sounddb1->addAction(Tr("TSoundsForm", "E&xit"));
  MenuExit->setObjectName("MenuExit");

  DBGrid1 = new TDBGrid(dataSet_, this);
  DBGrid1->setObjectName("DBGrid1");
  DBGrid1->setAccessibleName(Tr("TSoundsForm", "Sounds"));
  DBGrid1->installEventFilter(this);

  GetFile = new QFileDialog(this);
  GetFile->setObjectName("GetFile");
  GetFile->setFileMode(QFileDialog::ExistingFiles);
  GetFile->setDefaultSuffix("wav");
  GetFile->setNameFilters(
      {Tr("TSoundsForm", "Sound files (*.wav)"), Tr("TSoundsForm", "All files (*)")});
  GetFile->setOption(QFileDialog::DontUseNativeDialog);
  GetFile->setSizeGripEnabled(true);

  FindDialog1 = new TFindDialog(this);
  RecordForm = new TRecordForm(sounds_, dialogs_, this);

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(MainMenu1);
  layout->addWidget(DBGrid1, 1);
  layout->addWidget(StatusBar1);

  connect(Addsound1, &QAction::triggered, this, [this] { Run([this] { Addsound1Click(); }); });
  connect(Delete1, &QAction::triggered, this, [this] { Run([this] { Delete1Click(); }); });
  connect(Findsound1, &QAction::triggered, this, [this] { Run([this] { Findsound1Click(); }); });
  connect(MenuExit, &QAction::triggered, this, &TSoundsForm::MenuExitClick);
  connect(Record1, &QAction::triggered, this, [this] { Run([this] { Record1Click(); }); });
  connect(RecordMissing1, &QAction::triggered, this,
          [this] { Run([this] { RecordMissingClick(); }); });
  connect(FindDialog1, &TFindDialog::Find, this, [this] { Run([this] { FindDialog1Find(); }); });
  connect(DBGrid1, &TDBGrid::CellClicked, this, [this] { Run([this] { PlayCurrent(); }); });
  // Moving to another column plays; the first cell of a new list does not.
  connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentColumnChanged, this,
          [this](const QModelIndex&, const QModelIndex& previous) {
            if (previous.isValid()) Run([this] { PlayCurrent(); });
          });
}

int TSoundsForm::ShowModal() {
  if (host_.PasswordFile().CurrentLevel() < host_.Levels().listSounds) {
    dialogs_.Warning(TrText("TSoundsForm", kAccessDenied));
    return 0;
  }
  if (!database_.ConectDB()) return 0;
  pending_.clear();
  LoadList();
  database_.CommitRetaining();
  const int result = exec();
  FindDialog1->hide();
  if (!pending_.empty()) {
    if (dialogs_.ConfirmYesNo(TrText("TSoundsForm", "Data has been deleted commit changes"))) {
      CarryOutDeletes();
    } else {
      database_.Rollback();
    }
    pending_.clear();
  }
  database_.ConectDB();
  return result;
}

void TSoundsForm::LoadList() {
  dataSet_.Open(database_.Database(), "select * from sound");
  // The list is filtered and searched whole; its blobs are not read.
  dataSet_.FetchAll();
  // Words deleted during this showing stay out of the list.
  for (int row = dataSet_.RowCount() - 1; row >= 0; --row) {
    const std::string name = dataSet_.Value(row, "NAME").toString().toStdString();
    for (const std::string& gone : pending_) {
      if (SameWord(name, gone)) {
        dataSet_.RemoveRow(row);
        break;
      }
    }
  }
  DBGrid1->BuildColumns(200);
  DBGrid1->First();
}

std::vector<std::string> TSoundsForm::Names() const {
  std::vector<std::string> names;
  names.reserve(static_cast<std::size_t>(dataSet_.RowCount()));
  for (int row = 0; row < dataSet_.RowCount(); ++row) {
    names.push_back(dataSet_.Value(row, "NAME").toString().toStdString());
  }
  return names;
}

void TSoundsForm::CarryOutDeletes() {
  QSqlDatabase db = database_.Database();
  for (const std::string& name : pending_) {
    std::string statement = "Delete from sound where name = ";
    SqlQuote(statement, name);
    QSqlQuery query(db);
    if (!query.exec(QString::fromStdString(statement))) {
      const std::string error = RefusalText(query.lastError());
      database_.Rollback();
      throw E_DB_Error(error);
    }
  }
  database_.CommitRetaining();
}

void TSoundsForm::Addsound1Click() {
  if (GetFile->exec() != QDialog::Accepted) return;
  for (const QString& file : GetFile->selectedFiles()) {
    const std::string path = file.toStdString();
    if (sounds_.WriteWord(path)) Stored(BaseName(path));
  }
  LoadList();
}

void TSoundsForm::Stored(const std::string& word) {
  std::erase_if(pending_, [&](const std::string& gone) { return SameWord(gone, word); });
}

bool TSoundsForm::MicrophoneThere() {
  if (WordRecorder::HasMicrophone()) return true;
  dialogs_.Warning(TrText("TSoundsForm", "There is no microphone: nothing can be recorded"));
  return false;
}

void TSoundsForm::Record1Click() {
  if (!MicrophoneThere()) return;
  const int row = DBGrid1->CurrentRow();
  const std::string preset = row < 0 ? "" : dataSet_.Value(row, "NAME").toString().toStdString();
  const std::string word = TrimSet(dialogs_
                                       .Input(TrText("TSoundsForm", "Record sound"),
                                              TrText("TSoundsForm", "The word to record"), preset)
                                       .value_or(""),
                                   " ");
  if (word.empty()) return;
  if (RecordForm->RecordWord(word, false) == TRecordForm::Outcome::Kept) Stored(word);
  LoadList();
}

void TSoundsForm::RecordMissingClick() {
  if (!MicrophoneThere()) return;
  std::vector<std::string> missing;
  for (const std::string& word : ListFileWords(listPath_, dialogs_)) {
    if (!sounds_.WavForWord(word)) missing.push_back(word);
  }
  if (missing.empty()) {
    dialogs_.ShowMessage(Filled(TrText("TSoundsForm", "Every word of %1 has a sound"), listPath_));
    return;
  }
  for (std::size_t i = 0; i < missing.size(); ++i) {
    const TRecordForm::Outcome outcome = RecordForm->RecordWord(missing[i], i + 1 < missing.size());
    if (outcome == TRecordForm::Outcome::Kept) Stored(missing[i]);
    if (outcome == TRecordForm::Outcome::Closed) break;
  }
  LoadList();
}

void TSoundsForm::Delete1Click() {
  const int row = DBGrid1->CurrentRow();
  if (row < 0) return;
  const std::string name = dataSet_.Value(row, "NAME").toString().toStdString();
  if (host_.PasswordFile().CurrentLevel() < host_.Levels().deleteSound) {
    dialogs_.Warning(TrText("TSoundsForm", kAccessDenied));
    return;
  }
  if (!dialogs_.ConfirmYesNo(
          Filled(TrText("TSoundsForm", "Delete word %1 from sound database ? "), name)))
    return;
  pending_.push_back(name);
  dataSet_.RemoveRow(row);
}

void TSoundsForm::Findsound1Click() {
  lastSearch_.clear();
  FindDialog1->Execute();
}

void TSoundsForm::FindDialog1Find() {
  const std::string text = FindDialog1->FindText().toStdString();
  if (text.empty()) return;
  const FindOptions options = FindDialog1->Options();
  const std::vector<std::string> names = Names();
  int row = -1;
  if (text != lastSearch_) {
    lastSearch_ = text;
    row = FindName(names, text, 0, options);
  } else {
    row = FindName(names, text, DBGrid1->CurrentRow() + 1, options);
  }
  if (row < 0) {
    dialogs_.ShowMessage(Filled(TrText("TSoundsForm", "Search string <%1> not found"), text));
  } else {
    DBGrid1->GoToRow(row);
  }
  FindDialog1->Execute();
}

void TSoundsForm::MenuExitClick() {
  accept();
}

void TSoundsForm::PlayCurrent() {
  const int row = DBGrid1->CurrentRow();
  if (row < 0) return;
  const std::string name = dataSet_.Value(row, "NAME").toString().toStdString();
  StatusBar1->showMessage(QString::fromStdString(name));
  sounds_.PlayWord(name);
}

bool TSoundsForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == DBGrid1 && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Delete) {
      Run([this] { Delete1Click(); });
      return true;
    }
    if (key->key() == Qt::Key_Insert) {
      Run([this] { Addsound1Click(); });
      return true;
    }
  }
  return THintDialog::eventFilter(watched, event);
}

}  // namespace orv
