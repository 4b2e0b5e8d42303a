#include "scores/record_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <cmath>

#include "base/dialogs.h"
#include "base/translate.h"
#include "scores/sound/wavplayer.h"
#include "scores/sound/wordrecorder.h"
#include "scores/soundstore.h"

namespace orv {

TRecordForm::TRecordForm(SoundStore& sounds, Dialogs& dialogs, QWidget* parent)
    : THintDialog(dialogs, parent), sounds_(sounds), recorder_(new WordRecorder(this)) {
  setObjectName("RecordForm");
  setWindowTitle(Tr("TRecordForm", "Record"));
  WordLabel = new QLabel(this);
  WordLabel->setObjectName("WordLabel");
  QFont big = WordLabel->font();
  big.setPointSize(big.pointSize() * 2);
  WordLabel->setFont(big);
  WordLabel->setAlignment(Qt::AlignCenter);
  LevelBar = new QProgressBar(this);
  LevelBar->setObjectName("LevelBar");
  LevelBar->setRange(0, 100);
  LevelBar->setTextVisible(false);
  LevelBar->setToolTip(Tr("TRecordForm", "How loud the microphone hears you"));

  auto button = [this](const char* name, const QString& text, const QString& hint) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
  };
  RecordBtn = button("RecordBtn", Tr("TRecordForm", "&Record"),
                     Tr("TRecordForm", "Start recording the word"));
  StopBtn = button("StopBtn", Tr("TRecordForm", "&Stop"), Tr("TRecordForm", "Stop recording"));
  PlayBtn = button("PlayBtn", Tr("TRecordForm", "&Play"), Tr("TRecordForm", "Hear the recording"));
  KeepBtn = button("KeepBtn", Tr("TRecordForm", "&Keep"),
                   Tr("TRecordForm", "Keep the recording as the word's sound"));
  DiscardBtn = button("DiscardBtn", Tr("TRecordForm", "&Discard"),
                      Tr("TRecordForm", "Throw the recording away"));
  SkipBtn = button("SkipBtn", Tr("TRecordForm", "Ne&xt word"),
                   Tr("TRecordForm", "Leave this word without a new sound"));

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {RecordBtn, StopBtn, PlayBtn, KeepBtn, DiscardBtn, SkipBtn}) {
    buttons->addWidget(b);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(WordLabel);
  layout->addWidget(LevelBar);
  layout->addLayout(buttons);
  layout->addWidget(StatusBar1);

  connect(RecordBtn, &QPushButton::clicked, this, [this] { Run([this] { RecordClick(); }); });
  connect(StopBtn, &QPushButton::clicked, this, [this] { Run([this] { StopClick(); }); });
  connect(PlayBtn, &QPushButton::clicked, this, [this] { Run([this] { PlayClick(); }); });
  connect(KeepBtn, &QPushButton::clicked, this, [this] { Run([this] { KeepClick(); }); });
  connect(DiscardBtn, &QPushButton::clicked, this, [this] { Run([this] { DiscardClick(); }); });
  connect(SkipBtn, &QPushButton::clicked, this, [this] {
    outcome_ = Outcome::Skipped;
    reject();
  });
  connect(recorder_, &WordRecorder::Level, this,
          [this](double level) { LevelBar->setValue(static_cast<int>(std::lround(level * 100))); });
}

TRecordForm::Outcome TRecordForm::RecordWord(const std::string& word, bool more) {
  word_ = word;
  take_.clear();
  outcome_ = Outcome::Closed;
  WordLabel->setText(QString::fromStdString(word));
  SkipBtn->setVisible(more);
  LevelBar->setValue(0);
  StatusBar1->showMessage(Tr("TRecordForm", "Press Record and say the word"));
  ShowState();
  exec();
  recorder_->Stop();
  return outcome_;
}

void TRecordForm::ShowState() {
  const bool recording = recorder_->Recording();
  RecordBtn->setEnabled(!recording);
  StopBtn->setEnabled(recording);
  PlayBtn->setEnabled(!recording && !take_.empty());
  KeepBtn->setEnabled(!recording && !take_.empty());
  DiscardBtn->setEnabled(!recording && !take_.empty());
  (recording ? StopBtn : take_.empty() ? RecordBtn : KeepBtn)->setFocus();
}

void TRecordForm::RecordClick() {
  take_.clear();
  if (!recorder_->Start()) {
    dialogs_.Warning(TrText("TRecordForm", "There is no microphone: nothing can be recorded"));
  } else {
    StatusBar1->showMessage(Tr("TRecordForm", "Recording: say the word, then press Stop"));
  }
  ShowState();
}

void TRecordForm::StopClick() {
  recorder_->Stop();
  LevelBar->setValue(0);
  take_ = recorder_->TrimmedWav().value_or("");
  StatusBar1->showMessage(take_.empty()
                              ? Tr("TRecordForm", "Nothing was heard: record again")
                              : Tr("TRecordForm", "Play it back, then keep or discard it"));
  ShowState();
}

void TRecordForm::PlayClick() {
  PlayWav(take_);
}

void TRecordForm::KeepClick() {
  if (!sounds_.StoreWav(word_, take_)) return;
  outcome_ = Outcome::Kept;
  accept();
}

void TRecordForm::DiscardClick() {
  take_.clear();
  StatusBar1->showMessage(Tr("TRecordForm", "Press Record and say the word"));
  ShowState();
}

}  // namespace orv
