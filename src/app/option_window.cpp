#include "app/option_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include "app/answerdefaults.h"
#include "app/appearance_window.h"
#include "app/language.h"
#include "app/programpaths.h"
#include "app/startupfile.h"
#include "base/translate.h"
#include "scores/sound/speech.h"
#include "widgets/formhelpers_window.h"

namespace orv {
namespace {

QSpinBox* PerCentBox(QWidget* parent, const char* name, int least, int most, int step) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(name);
  box->setRange(least, most);
  box->setSingleStep(step);
  box->setSuffix(" %");
  return box;
}

QCheckBox* CheckBox(QWidget* parent, const char* name, const QString& text) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(name);
  return box;
}

struct RadioChoice {
  QRadioButton*& button;
  const char* name;
  QString text;
};

QGroupBox* RadioGroup(QWidget* parent, const char* name, const QString& caption,
                      const RadioChoice& first, const RadioChoice& second) {
  auto* group = new QGroupBox(caption, parent);
  group->setObjectName(name);
  for (const RadioChoice* choice : {&first, &second}) {
    choice->button = new QRadioButton(choice->text, group);
    choice->button->setObjectName(choice->name);
  }
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(first.button);
  layout->addWidget(second.button);
  return group;
}

// The answer options' boxes, in the order of kPolicyOptions.
struct AnswerBoxText {
  const char* caption;
  const char* hint;
};
constexpr std::array<AnswerBoxText, 6> kAnswerBoxes = {{
    {QT_TRANSLATE_NOOP("TOptionForm", "Letter &case may differ"),
     QT_TRANSLATE_NOOP("TOptionForm", "Paris is right for paris where a list says nothing")},
    {QT_TRANSLATE_NOOP("TOptionForm", "&Accents may differ"),
     QT_TRANSLATE_NOOP("TOptionForm", "cafe is right for café where a list says nothing")},
    {QT_TRANSLATE_NOOP("TOptionForm", "&Punctuation may be left out"),
     QT_TRANSLATE_NOOP("TOptionForm", "dont is right for don't where a list says nothing")},
    {QT_TRANSLATE_NOOP("TOptionForm", "An answer a;b takes eit&her"),
     QT_TRANSLATE_NOOP("TOptionForm", "grey;gray accepts grey and gray where a list says nothing")},
    {QT_TRANSLATE_NOOP("TOptionForm", "Sums: an &equal value is right"),
     QT_TRANSLATE_NOOP("TOptionForm",
                       "2/4, 0.5 and 0,5 are right for 1/2 where a list says nothing")},
    {QT_TRANSLATE_NOOP("TOptionForm", "Fractions in &lowest terms"),
     QT_TRANSLATE_NOOP("TOptionForm", "2/4 for 1/2 is asked again to be written in lowest terms")},
}};

}  // namespace

TOptionForm::TOptionForm(StartUpSettings& settings, ProgramPaths& paths, QWidget* parent)
    : QDialog(parent), settings_(settings), paths_(paths) {
  setObjectName("OptionForm");
  setWindowTitle(Tr("TOptionForm", "Option"));
  RadioGroup1 =
      RadioGroup(this, "RadioGroup1", Tr("TOptionForm", "&File order"),
                 {InOrderItem, "InOrderItem", Tr("TOptionForm", "&In order")},
                 {RandomOrderItem, "RandomOrderItem", Tr("TOptionForm", "&Random order")});
  SetHint(RadioGroup1,
          Tr("TOptionForm", "Do the spellings in alphabetical order or in random orde"));
  RadioGroup2 = RadioGroup(this, "RadioGroup2", Tr("TOptionForm", "&Words"),
                           {WholeFileItem, "WholeFileItem", Tr("TOptionForm", "&Do whole file")},
                           {TenWordsItem, "TenWordsItem", Tr("TOptionForm", "do &Ten words")});
  SetHint(RadioGroup2,
          Tr("TOptionForm",
             "Do whole file or do ten words if you do ten words the words not done are saved in a "
             "file to do next time"));
  SoundGroup = new QGroupBox(Tr("TOptionForm", "&Sound group"), this);
  SoundGroup->setObjectName("SoundGroup");
  ShowWordCheckBox = CheckBox(SoundGroup, "ShowWordCheckBox", Tr("TOptionForm", "Show word"));
  SetHint(ShowWordCheckBox, Tr("TOptionForm", "Show word even if playing sound for word"));
  ReShowWordCheckBox = CheckBox(SoundGroup, "ReShowWordCheckBox", Tr("TOptionForm", "Reshow Word"));
  SetHint(ReShowWordCheckBox,
          Tr("TOptionForm", "allow reshow of word having played sound for word"));
  SpeakWordsCheckBox = CheckBox(SoundGroup, "SpeakWordsCheckBox",
                                Tr("TOptionForm", "Speak words that have no sound"));
  SetHint(SpeakWordsCheckBox,
          Tr("TOptionForm", "A word without a recorded sound is spoken by the computer's voice"));
  SpeakSumsCheckBox = CheckBox(SoundGroup, "SpeakSumsCheckBox", Tr("TOptionForm", "Speak sums"));
  SetHint(SpeakSumsCheckBox, Tr("TOptionForm", "Arithmetic questions are spoken as well"));
  VoiceBox = new QComboBox(SoundGroup);
  VoiceBox->setObjectName("VoiceBox");
  // Wide enough for its longest entry, in any language.
  VoiceBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  SetHint(VoiceBox, Tr("TOptionForm", "The language of the voice that speaks the words"));
  auto* sound = new QVBoxLayout(SoundGroup);
  sound->addWidget(ShowWordCheckBox);
  sound->addWidget(ReShowWordCheckBox);
  sound->addWidget(SpeakWordsCheckBox);
  sound->addWidget(SpeakSumsCheckBox);
  auto* voice = new QFormLayout;
  voice->addRow(Tr("TOptionForm", "&Voice"), VoiceBox);
  sound->addLayout(voice);

  ReadingGroup = new QGroupBox(Tr("TOptionForm", "Reading"), this);
  ReadingGroup->setObjectName("ReadingGroup");
  TextSizeBox = PerCentBox(ReadingGroup, "TextSizeBox", kSmallestTextSize, kLargestTextSize, 25);
  SetHint(TextSizeBox,
          Tr("TOptionForm", "How large the text of every window is; the windows grow with it"));
  LanguageBox = new QComboBox(ReadingGroup);
  LanguageBox->setObjectName("LanguageBox");
  LanguageBox->addItem(Tr("TOptionForm", "The desktop's language"), QString());
  // Each language is named in itself, so that anyone finds their own.
  for (const ProgramLanguage& l : kProgramLanguages) {
    LanguageBox->addItem(QString::fromUtf8(l.name), QString::fromUtf8(l.code));
  }
  SetHint(LanguageBox, Tr("TOptionForm",
                          "The language of the windows and of the voice; a change shows the next "
                          "time Orv starts"));
  FontBox = new QComboBox(ReadingGroup);
  FontBox->setObjectName("FontBox");
  for (const ReadingFontChoice& f : kReadingFonts)
    FontBox->addItem(Tr("TOptionForm", f.shown), QString(f.family));
  SetHint(FontBox,
          Tr("TOptionForm", "A font made for children learning to read, or the desktop's own"));
  HighContrastCheckBox =
      CheckBox(ReadingGroup, "HighContrastCheckBox", Tr("TOptionForm", "Hi&gh contrast colours"));
  SetHint(HighContrastCheckBox, Tr("TOptionForm", "White and yellow on black in every window"));
  FlashTimeBox = PerCentBox(ReadingGroup, "FlashTimeBox", kShortestFlash, kLongestFlash, 50);
  SetHint(FlashTimeBox,
          Tr("TOptionForm",
             "How long the word to type stays on the screen, 100 % being the usual time"));
  KindWordCheckBox = CheckBox(ReadingGroup, "KindWordCheckBox",
                              Tr("TOptionForm", "A &kind word at the end of a test"));
  SetHint(KindWordCheckBox,
          Tr("TOptionForm", "One line in the score window on what went well in the test"));
  RightSoundCheckBox = CheckBox(ReadingGroup, "RightSoundCheckBox",
                                Tr("TOptionForm", "A chi&me after each right answer"));
  SetHint(RightSoundCheckBox, Tr("TOptionForm", "A short pleasant sound as RIGHT !! is shown"));
  auto* reading = new QFormLayout(ReadingGroup);
  reading->addRow(Tr("TOptionForm", "Te&xt size"), TextSizeBox);
  reading->addRow(Tr("TOptionForm", "Lang&uage"), LanguageBox);
  reading->addRow(Tr("TOptionForm", "Reading fo&nt"), FontBox);
  reading->addRow(HighContrastCheckBox);
  reading->addRow(Tr("TOptionForm", "Word shown f&or"), FlashTimeBox);
  reading->addRow(KindWordCheckBox);
  reading->addRow(RightSoundCheckBox);

  AnswerGroup = new QGroupBox(Tr("TOptionForm", "Answers where a list says nothing"), this);
  AnswerGroup->setObjectName("AnswerGroup");
  SetHint(AnswerGroup, Tr("TOptionForm",
                          "What else counts as right for every list that does not say it itself"));
  auto* answers = new QVBoxLayout(AnswerGroup);
  for (std::size_t i = 0; i < AnswerBoxes.size(); ++i) {
    AnswerBoxes[i] = new QCheckBox(Tr("TOptionForm", kAnswerBoxes[i].caption), AnswerGroup);
    AnswerBoxes[i]->setObjectName(QString::fromUtf8(kPolicyOptions[i].name));
    SetHint(AnswerBoxes[i], Tr("TOptionForm", kAnswerBoxes[i].hint));
    answers->addWidget(AnswerBoxes[i]);
  }

  OkBitBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                             Tr("TOptionForm", "OK"), this);
  OkBitBtn->setObjectName("OkBitBtn");
  SetHint(OkBitBtn,
          Tr("TOptionForm", "confirm options they are saved when you log out or quit orv6"));
  OkBitBtn->setDefault(true);
  BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                            Tr("TOptionForm", "Cancel"), this);
  BitBtn1->setObjectName("BitBtn1");
  SetHint(BitBtn1, Tr("TOptionForm", "Go back to original values"));

  auto* groups = new QHBoxLayout;
  groups->addWidget(RadioGroup1);
  groups->addWidget(RadioGroup2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OkBitBtn);
  buttons->addWidget(BitBtn1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups);
  auto* soundAndReading = new QHBoxLayout;
  soundAndReading->addWidget(SoundGroup);
  soundAndReading->addWidget(ReadingGroup);
  layout->addLayout(soundAndReading);
  layout->addWidget(AnswerGroup);
  layout->addLayout(buttons);

  connect(OkBitBtn, &QPushButton::clicked, this, &TOptionForm::OkBitBtnClick);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

void TOptionForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
  FormShow();
}

void TOptionForm::FormShow() {
  const StartUpSettings& s = settings_;
  (s.InOrder ? InOrderItem : RandomOrderItem)->setChecked(true);
  (s.WholeFile ? WholeFileItem : TenWordsItem)->setChecked(true);
  ShowWordCheckBox->setChecked(s.ShowWord);
  ReShowWordCheckBox->setChecked(s.ReshowWord);
  SpeakWordsCheckBox->setChecked(s.SpeakWords);
  SpeakSumsCheckBox->setChecked(s.SpeakSums);
  FillVoices();
  int current = VoiceBox->findData(QString::fromStdString(s.SpeakVoice));
  if (current < 0) {
    // A language without a voice of that exact name ("en") speaks with its
    // first voice; one this machine lacks is kept, not silently replaced.
    const bool spoken = Speaker::Shared().VoiceFor(s.SpeakVoice) == s.SpeakVoice;
    VoiceBox->addItem(
        QString::fromStdString(s.SpeakVoice +
                               (spoken ? TrText("TOptionForm", " (the language's own voice)")
                                       : TrText("TOptionForm", " (not on this computer)"))),
        QString::fromStdString(s.SpeakVoice));
    current = VoiceBox->count() - 1;
  }
  VoiceBox->setCurrentIndex(current);
  const int language = LanguageBox->findData(QString::fromStdString(s.Language));
  LanguageBox->setCurrentIndex(std::max(language, 0));
  TextSizeBox->setValue(s.TextSize);
  int font = FontBox->findData(QString::fromStdString(s.ReadingFont));
  if (font < 0) {
    // A font named in the file by hand is kept.
    FontBox->addItem(QString::fromStdString(s.ReadingFont), QString::fromStdString(s.ReadingFont));
    font = FontBox->count() - 1;
  }
  FontBox->setCurrentIndex(font);
  HighContrastCheckBox->setChecked(s.HighContrast);
  FlashTimeBox->setValue(s.FlashTime);
  KindWordCheckBox->setChecked(s.KindWord);
  RightSoundCheckBox->setChecked(s.RightSound);
  for (std::size_t i = 0; i < AnswerBoxes.size(); ++i) {
    AnswerBoxes[i]->setChecked(Allows(paths_.answerDefaults.*kPolicyOptions[i].field));
  }
  (s.InOrder ? InOrderItem : RandomOrderItem)->setFocus();
}

void TOptionForm::OkBitBtnClick() {
  StartUpSettings& s = settings_;
  s.InOrder = InOrderItem->isChecked();
  s.WholeFile = WholeFileItem->isChecked();
  s.ShowWord = ShowWordCheckBox->isChecked();
  s.ReshowWord = ReShowWordCheckBox->isChecked();
  s.SpeakWords = SpeakWordsCheckBox->isChecked();
  s.SpeakSums = SpeakSumsCheckBox->isChecked();
  if (VoiceBox->currentIndex() >= 0)
    s.SpeakVoice = VoiceBox->currentData().toString().toStdString();
  s.Language = LanguageBox->currentData().toString().toStdString();
  s.TextSize = TextSizeBox->value();
  s.ReadingFont = FontBox->currentData().toString().toStdString();
  s.HighContrast = HighContrastCheckBox->isChecked();
  s.FlashTime = FlashTimeBox->value();
  s.KindWord = KindWordCheckBox->isChecked();
  s.RightSound = RightSoundCheckBox->isChecked();
  AnswerPolicy& defaults = paths_.answerDefaults;
  const AnswerPolicy before = defaults;
  for (std::size_t i = 0; i < AnswerBoxes.size(); ++i) {
    defaults.*kPolicyOptions[i].field = AnswerBoxes[i]->isChecked();
  }
  // orv.ini is written only when they change.
  if (defaults != before) WriteAnswerDefaults(paths_, defaults);
  accept();
}

// The voices are asked for at the first showing: starting espeak-ng is not
// worth a slower start of the program.
void TOptionForm::FillVoices() {
  if (VoiceBox->count() > 0) return;
  VoiceBox->addItem(Tr("TOptionForm", "The language of the windows"), QString());
  for (const SpeechVoice& v : Speaker::Shared().Voices()) {
    VoiceBox->addItem(QString::fromStdString(v.language + " (" + v.name + ")"),
                      QString::fromStdString(v.language));
  }
}

}  // namespace orv
