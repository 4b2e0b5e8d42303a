#pragma once
// The sound window: the recorded sounds of words, with adding WAV files,
// recording words from the microphone, playing, finding and deleting. Deletions are kept until the
// window closes and are then carried out or dropped as the user answers.
#include <string>
#include <vector>

#include "scores/dbdialog_window.h"

class QAction;
class QFileDialog;
class QMenu;
class QMenuBar;

namespace orv {

class SoundStore;
class TDBGrid;
class TFindDialog;
class TRecordForm;

class TSoundsForm : public TDbDialog {
  Q_OBJECT

 public:
  TSoundsForm(ScoreDatabase& database, DataSet& dataSet, SoundStore& sounds,
              const ScoreWindowHost& host, Dialogs& dialogs, QWidget* parent = nullptr);

  // The access check, the list, the window, then the question about what was
  // deleted. The window's result, or 0 when access is denied.
  int ShowModal();

  void Addsound1Click();
  void Delete1Click();
  void Findsound1Click();
  void FindDialog1Find();
  void MenuExitClick();
  // Records a word asked for, or the words of the current list (listPath)
  // that have no sound yet, one after the other.
  void Record1Click();
  void RecordMissingClick();
  void SetListPath(const std::string& path) { listPath_ = path; }
  // Plays the sound of the current row.
  void PlayCurrent();

  // The words deleted during this showing, not yet removed from the database.
  const std::vector<std::string>& PendingDeletes() const { return pending_; }
  bool SoundsDeleted() const { return !pending_.empty(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void LoadList();
  std::vector<std::string> Names() const;
  void CarryOutDeletes();
  bool MicrophoneThere();
  // A word recorded again after it was deleted keeps its new sound.
  void Stored(const std::string& word);

  QMenuBar* MainMenu1;
  QMenu* Sounddb1;
  QAction* Addsound1;
  QAction* Delete1;
  QAction* Findsound1;
  QAction* Record1;
  QAction* RecordMissing1;
  QAction* MenuExit;
  TDBGrid* DBGrid1;
  QFileDialog* GetFile;
  TFindDialog* FindDialog1;
  TRecordForm* RecordForm;
  SoundStore& sounds_;
  std::vector<std::string> pending_;
  std::string lastSearch_;
  std::string listPath_;
};

}  // namespace orv
