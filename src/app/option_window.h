#pragma once
// The options window: the order and extent of a test, the sound options and
// how the windows read, edited in the settings in force. Nothing is written to the user's
// start-up file until log-out or Quit. What answers may be where a list says
// nothing is program-wide and written to orv.ini at OK.
#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace orv {

struct ProgramPaths;
struct StartUpSettings;

class TOptionForm : public QDialog {
  Q_OBJECT

 public:
  // Edits the settings in force, and the answer defaults of the paths and
  // of their program directory's orv.ini.
  TOptionForm(StartUpSettings& settings, ProgramPaths& paths, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void FillVoices();
  void OkBitBtnClick();

  StartUpSettings& settings_;
  ProgramPaths& paths_;
  QGroupBox* RadioGroup1;
  QRadioButton* InOrderItem;
  QRadioButton* RandomOrderItem;
  QGroupBox* RadioGroup2;
  QRadioButton* WholeFileItem;
  QRadioButton* TenWordsItem;
  QGroupBox* SoundGroup;
  QCheckBox* ShowWordCheckBox;
  QCheckBox* ReShowWordCheckBox;
  QCheckBox* SpeakWordsCheckBox;
  QCheckBox* SpeakSumsCheckBox;
  QComboBox* VoiceBox;  // the language of the speaking voice
  // How the windows read and what a test says, for this user.
  QGroupBox* ReadingGroup;
  QSpinBox* TextSizeBox;   // per cent
  QComboBox* LanguageBox;  // the windows' language, its code as the item's data
  QComboBox* FontBox;      // the reading font, its family as the item's data
  QCheckBox* HighContrastCheckBox;
  QSpinBox* FlashTimeBox;  // per cent of the word's usual flash
  QCheckBox* KindWordCheckBox;
  QCheckBox* RightSoundCheckBox;
  QGroupBox* AnswerGroup;
  // One box for each answer option, in the order of kPolicyOptions.
  std::array<QCheckBox*, 6> AnswerBoxes{};
  QPushButton* OkBitBtn;
  QPushButton* BitBtn1;
};

}  // namespace orv
