#pragma once
// The recording window of the sound window: records one word from the
// microphone with its input level shown, plays the take back, and keeps it
// as the word's sound or discards it.
#include <string>

#include "widgets/hintdialog_window.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace orv {

class SoundStore;
class WordRecorder;

class TRecordForm : public THintDialog {
  Q_OBJECT

 public:
  TRecordForm(SoundStore& sounds, Dialogs& dialogs, QWidget* parent = nullptr);

  // How the window was left for a word.
  enum class Outcome { Kept, Skipped, Closed };
  // Shows the window for the word until its take is kept, the word is
  // skipped (when more words follow), or the window is closed.
  Outcome RecordWord(const std::string& word, bool more);

  void RecordClick();
  void StopClick();
  void PlayClick();
  void KeepClick();
  void DiscardClick();

  WordRecorder& Recorder() { return *recorder_; }

 private:
  void ShowState();

  QLabel* WordLabel;
  QProgressBar* LevelBar;
  QPushButton* RecordBtn;
  QPushButton* StopBtn;
  QPushButton* PlayBtn;
  QPushButton* KeepBtn;
  QPushButton* DiscardBtn;
  QPushButton* SkipBtn;
  SoundStore& sounds_;
  WordRecorder* recorder_;
  std::string word_;
  std::string take_;  // the trimmed WAV of the last recording; empty when none
  Outcome outcome_ = Outcome::Closed;
};

}  // namespace orv
