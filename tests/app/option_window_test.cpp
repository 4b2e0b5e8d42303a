#include "app/option_window.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "app/about_window.h"
#include "app/answerdefaults.h"
#include "app/language.h"
#include "app/paslev_window.h"
#include "app/programpaths.h"
#include "app/sessionsettings.h"
#include "app/startupfile.h"
#include "support/children.h"
#include "support/temp_dir.h"
#include "support/window_driver.h"

namespace orv {
namespace {

using test::Child;
using test::Press;

class OptionWindows : public ::testing::Test {
 protected:
  OptionWindows() {
    Settings() = StartUpSettings{};
    SetProgramDirectory(home.Str());
  }
  ~OptionWindows() override { Settings() = StartUpSettings{}; }
  test::TempDir home;
  test::WindowDriver driver;
};

// Program-wide, in orv.ini: off where orv.ini says nothing (a missing
// value would read as true), and what OK keeps is read back at the next start.
TEST_F(OptionWindows, AnswerDefaultsStartOffAndOkKeepsThemInOrvIni) {
  Paths().answerDefaults = ReadAnswerDefaults();
  EXPECT_EQ(PolicyMarks(Paths().answerDefaults),
            "ignoreCaseOff ignoreAccentsOff ignorePunctuationOff alternativesOff "
            "equalValuesOff lowestTermsOff");
  TOptionForm form;
  bool shownOff = false;
  driver.Then("TOptionForm", "allows case and equal values, Ok", [&](QWidget&) {
    shownOff = !form.AnswerBoxes[0]->isChecked() && !form.AnswerBoxes[4]->isChecked();
    form.AnswerBoxes[0]->setChecked(true);
    form.AnswerBoxes[4]->setChecked(true);
    form.OkBitBtn->click();
  });
  EXPECT_EQ(form.exec(), QDialog::Accepted);
  EXPECT_TRUE(shownOff);
  EXPECT_EQ(PolicyMarks(ReadAnswerDefaults()),
            "ignoreCase ignoreAccentsOff ignorePunctuationOff alternativesOff equalValues "
            "lowestTermsOff");
}

TEST_F(OptionWindows, OptionsShowTheSettingsAndOkStoresTheChoices) {
  TOptionForm form;
  Settings().InOrder = true;
  Settings().WholeFile = true;
  Settings().ShowWord = false;
  Settings().ReshowWord = true;
  bool inOrderShown = false, wholeShown = false, showWordShown = true, reshowShown = false;
  driver.Then("TOptionForm", "changes the order and the words, Ok", [&](QWidget&) {
    inOrderShown = form.InOrderItem->isChecked();
    wholeShown = form.WholeFileItem->isChecked();
    showWordShown = form.ShowWordCheckBox->isChecked();
    reshowShown = form.ReShowWordCheckBox->isChecked();
    form.RandomOrderItem->setChecked(true);
    form.TenWordsItem->setChecked(true);
    form.ShowWordCheckBox->setChecked(true);
    form.ReShowWordCheckBox->setChecked(false);
    form.OkBitBtn->click();
  });
  EXPECT_EQ(form.exec(), QDialog::Accepted);
  EXPECT_TRUE(inOrderShown);
  EXPECT_TRUE(wholeShown);
  EXPECT_FALSE(showWordShown);
  EXPECT_TRUE(reshowShown);
  EXPECT_FALSE(Settings().InOrder);
  EXPECT_FALSE(Settings().WholeFile);
  EXPECT_TRUE(Settings().ShowWord);
  EXPECT_FALSE(Settings().ReshowWord);
}

TEST_F(OptionWindows, SpeechOptionsShowTheUsersChoiceAndOkStoresTheNewOne) {
  TOptionForm form;
  Settings().SpeakWords = false;
  Settings().SpeakVoice = "de";
  bool speakShown = true;
  QString voiceShown;
  driver.Then("TOptionForm", "turns speech on in French, Ok", [&](QWidget&) {
    speakShown = form.SpeakWordsCheckBox->isChecked();
    voiceShown = form.VoiceBox->currentData().toString();
    form.SpeakWordsCheckBox->setChecked(true);
    form.SpeakSumsCheckBox->setChecked(true);
    form.VoiceBox->setCurrentIndex(form.VoiceBox->findData("fr-fr"));
    form.OkBitBtn->click();
  });
  EXPECT_EQ(form.exec(), QDialog::Accepted);
  EXPECT_FALSE(speakShown);
  EXPECT_EQ(voiceShown, "de");
  EXPECT_TRUE(Settings().SpeakWords);
  EXPECT_TRUE(Settings().SpeakSums);
  EXPECT_EQ(Settings().SpeakVoice, "fr-fr");

  // A voice this machine does not have stays the user's choice.
  Settings().SpeakVoice = "xx-unknown";
  driver.Then("TOptionForm", "reads the voice, Ok", [&](QWidget&) {
    voiceShown = form.VoiceBox->currentData().toString();
    form.OkBitBtn->click();
  });
  form.exec();
  EXPECT_EQ(voiceShown, "xx-unknown");
  EXPECT_EQ(Settings().SpeakVoice, "xx-unknown");
}

// The windows' language is the user's; a voice left to the windows' language
// speaks the language loaded.
TEST_F(OptionWindows, TheLanguageIsTheUsersAndAnUnchosenVoiceSpeaksTheWindowsLanguage) {
  TOptionForm form;
  Settings().Language = "fr";
  Settings().SpeakVoice = "de";
  QString languageShown;
  driver.Then("TOptionForm", "chooses German and the windows' voice, Ok", [&](QWidget&) {
    languageShown = form.LanguageBox->currentData().toString();
    form.LanguageBox->setCurrentIndex(form.LanguageBox->findData("de"));
    form.VoiceBox->setCurrentIndex(0);
    form.OkBitBtn->click();
  });
  EXPECT_EQ(form.exec(), QDialog::Accepted);
  EXPECT_EQ(languageShown, "fr");
  EXPECT_EQ(Settings().Language, "de");
  EXPECT_EQ(Settings().SpeakVoice, "");
  LoadLanguage("es", {});
  EXPECT_EQ(CurrentSessionSettings(Settings(), Paths()).voice, "es");
  LoadLanguage("en", {});
}

TEST_F(OptionWindows, CancelLeavesEveryOptionAsItWas) {
  TOptionForm form;
  driver.Then("TOptionForm", "changes everything, cancels", [&](QWidget&) {
    form.InOrderItem->setChecked(true);
    form.TenWordsItem->setChecked(true);
    form.ShowWordCheckBox->setChecked(false);
    form.ReShowWordCheckBox->setChecked(true);
    form.BitBtn1->click();
  });
  EXPECT_EQ(form.exec(), QDialog::Rejected);
  const StartUpSettings fresh;
  EXPECT_EQ(Settings().InOrder, fresh.InOrder);
  EXPECT_EQ(Settings().WholeFile, fresh.WholeFile);
  EXPECT_EQ(Settings().ShowWord, fresh.ShowWord);
  EXPECT_EQ(Settings().ReshowWord, fresh.ReshowWord);
  // Shown again, the window forgets what was cancelled.
  bool inOrder = true;
  driver.Then("TOptionForm", "reads the order, cancels", [&](QWidget&) {
    inOrder = form.InOrderItem->isChecked();
    form.BitBtn1->click();
  });
  form.exec();
  EXPECT_FALSE(inOrder);
}

TEST_F(OptionWindows, OptionTextsAreThoseOfTheProgram) {
  TOptionForm form;
  EXPECT_EQ(form.windowTitle(), "Option");
  EXPECT_EQ(form.RadioGroup1->title(), "&File order");
  EXPECT_EQ(form.InOrderItem->text(), "&In order");
  EXPECT_EQ(form.RandomOrderItem->text(), "&Random order");
  EXPECT_EQ(form.RadioGroup2->title(), "&Words");
  EXPECT_EQ(form.WholeFileItem->text(), "&Do whole file");
  EXPECT_EQ(form.TenWordsItem->text(), "do &Ten words");
  EXPECT_EQ(form.RadioGroup1->statusTip(),
            "Do the spellings in alphabetical order or in random orde");
  EXPECT_EQ(form.OkBitBtn->statusTip(),
            "confirm options they are saved when you log out or quit orv6");
}

TEST_F(OptionWindows, LevelBoxesShowTheThresholdsAndAnyChangeTakesEffect) {
  TPasLevForm form;
  Settings().lookOtherUsersPasLev = 77;
  int shownSeventh = -1;
  driver.Then("TPasLevForm", "changes four levels, cancels", [&](QWidget&) {
    shownSeventh = form.SpinEdits[6]->value();
    form.SpinEdits[0]->setValue(3);
    form.SpinEdits[6]->setValue(200);
    form.SpinEdits[7]->setValue(999);  // beyond the range: 255
    form.SpinEdits[8]->setValue(40);
    form.CancelButton->click();
  });
  form.exec();
  EXPECT_EQ(shownSeventh, 77);
  EXPECT_EQ(Settings().optionMenuPasLev, 3);
  EXPECT_EQ(Settings().lookOtherUsersPasLev, 200);
  EXPECT_EQ(Settings().MakeWrongWordFileForOthers, 255);
  EXPECT_EQ(Settings().addUserPasLev, 40);
  EXPECT_EQ(Settings().delFilePasLev, 100) << "untouched boxes keep their values";
  for (QSpinBox* box : form.SpinEdits) {
    EXPECT_EQ(box->minimum(), 0);
    EXPECT_EQ(box->maximum(), 255);
  }
  EXPECT_EQ(form.windowTitle(), "Pasword levels");
}

TEST_F(OptionWindows, AboutBoxClosesWithItsDefaultButton) {
  TAboutBox about;
  EXPECT_EQ(about.windowTitle(), "About");
  EXPECT_EQ(Child<QLabel>(about, "ProductName")->text(), "Orv7");
  EXPECT_EQ(Child<QLabel>(about, "Version")->text(), "Version 0.1");
  EXPECT_EQ(Child<QLabel>(about, "Comments")->text(), "This program is still in betta");
  driver.Then("TAboutBox", "presses Enter", [](QWidget& w) { Press(w, Qt::Key_Return); });
  EXPECT_EQ(about.exec(), QDialog::Accepted);
  EXPECT_FALSE(driver.Stuck());
}

}  // namespace
}  // namespace orv
