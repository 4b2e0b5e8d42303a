#pragma once
// The import window: the lists that files of other programs make in a
// group, the entries that cannot be imported, the columns the entries are
// taken from; nothing is written before Import is pressed.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "exchange/importfile.h"
#include "exchange/importplan.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace orv {

class Dialogs;

class TImportForm : public QDialog {
  Q_OBJECT

 public:
  // Stores the sounds of the lists made; returns what the teacher is told
  // of them.
  using SoundKeeper = std::function<std::string(const std::vector<ImportedSound>&)>;

  TImportForm(Dialogs& dialogs, SoundKeeper keepSounds, QWidget* parent = nullptr);

  // Reads the files and shows the lists they make in group (a group path)
  // below listRoot, modally, the lists made to be owned by owner; returns
  // the modal result.
  int ImportFiles(const std::vector<std::string>& files, const std::string& listRoot,
                  const std::string& group, const std::string& owner);

 private:
  void Read();
  void Plan();
  void Import1Click();
  void ShowProgress(std::size_t done, std::size_t count);

  Dialogs& dialogs_;
  SoundKeeper keepSounds_;
  std::vector<std::string> files_;
  std::string listRoot_;
  std::string owner_;
  ImportBatch batch_;
  std::vector<PlannedList> plan_;
  QLabel* FilesLabel;
  QComboBox* WordColumn;
  QComboBox* AnswerColumn;
  QLineEdit* GroupEdit;
  QTreeWidget* ListsView;
  QListWidget* ProblemsView;
  QProgressBar* Progress;
  QPushButton* ImportButton;
};

}  // namespace orv
