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
  OptionWindows() { SetProgramDirectory(paths, home.Str()); }

  // A control of the options window by its object name.
  template <typename T>
  T* Get(const char* name) const {
    return test::Child<T>(form, name);
  }
  QCheckBox* AnswerBox(std::size_t i) const {
    return Get<QCheckBox>(std::string(kPolicyOptions[i].name).c_str());
  }

  test::TempDir home;
  StartUpSettings settings;
  ProgramPaths paths;
  TOptionForm form{settings, paths};
  test::WindowDriver driver;
};

// The password-level window's box n (1 to 9), in the order of the window.
QSpinBox* LevelBox(const TPasLevForm& window, int n) {
  return test::Child<QSpinBox>(window, ("SpinEdit" + std::to_string(n)).c_str());
}

// Program-wide, in orv.ini: off where orv.ini says nothing (a missing
// value would read as true), and what OK keeps is read back at the next start.
TEST_F(OptionWindows, AnswerDefaultsStartOffAndOkKeepsThemInOrvIni) {
  paths.answerDefaults = ReadAnswerDefaults(paths);
  EXPECT_EQ(PolicyMarks(paths.answerDefaults),
            "ignoreCaseOff ignoreAccentsOff ignorePunctuationOff alternativesOff "
            "equalValuesOff lowestTermsOff");
  bool shownOff = false;
  driver.Then("TOptionForm", "allows case and equal values, Ok", [&](QWidget&) {
    shownOff = !AnswerBox(0)->isChecked() && !AnswerBox(4)->isChecked();
    AnswerBox(0)->setChecked(true);
    AnswerBox(4)->setChecked(true);
    Get<QPushButton>("OkBitBtn")->click();
  });
  EXPECT_EQ(form.exec(), QDialog::Accepted);
  EXPECT_TRUE(shownOff);
  EXPECT_EQ(PolicyMarks(ReadAnswerDefaults(paths)),
            "ignoreCase ignoreAccentsOff ignorePunctuationOff alternativesOff equalValues "
            "lowestTermsOff");
}

TEST_F(OptionWindows, OptionsShowTheSettingsAndOkStoresTheChoices) {
  settings.InOrder = true;
  settings.WholeFile = true;
  settings.ShowWord = false;
  settings.ReshowWord = true;
  bool inOrderShown = false, wholeShown = false, showWordShown = true, reshowShown = false;
  driver.Then("TOptionForm", "changes the order and the words, Ok", [&](QWidget&) {
    inOrderShown = Get<QRadioButton>("InOrderItem")->isChecked();
    wholeShown = Get<QRadioButton>("WholeFileItem")->isChecked();
    showWordShown = Get<QCheckBox>("ShowWordCheckBox")->isChecked();
    reshowShown = Get<QCheckBox>("ReShowWordCheckBox")->isChecked();
    Get<QRadioButton>("RandomOrderItem")->setChecked(true);
    Get<QRadioButton>("TenWordsItem")->setChecked(true);
    Get<QCheckBox>("ShowWordCheckBox")->setChecked(true);
    Get<QCheckBox>("ReShowWordCheckBox")->setChecked(false);
    Get<QPushButton>("OkBitBtn")->click();
  });
  EXPECT_EQ(form.exec(), QDialog::Accepted);
  EXPECT_TRUE(inOrderShown);
  EXPECT_TRUE(wholeShown);
  EXPECT_FALSE(showWordShown);
  EXPECT_TRUE(reshowShown);
  EXPECT_FALSE(settings.InOrder);
  EXPECT_FALSE(settings.WholeFile);
  EXPECT_TRUE(settings.ShowWord);
  EXPECT_FALSE(settings.ReshowWord);
}

TEST_F(OptionWindows, SpeechOptionsShowTheUsersChoiceAndOkStoresTheNewOne) {
  settings.SpeakWords = false;
  settings.SpeakVoice = "de";
  bool speakShown = true;
  QString voiceShown;
  driver.Then("TOptionForm", "turns speech on in French, Ok", [&](QWidget&) {
    speakShown = Get<QCheckBox>("SpeakWordsCheckBox")->isChecked();
    voiceShown = Get<QComboBox>("VoiceBox")->currentData().toString();
    Get<QCheckBox>("SpeakWordsCheckBox")->setChecked(true);
    Get<QCheckBox>("SpeakSumsCheckBox")->setChecked(true);
    Get<QComboBox>("VoiceBox")->setCurrentIndex(Get<QComboBox>("VoiceBox")->findData("fr-fr"));
    Get<QPushButton>("OkBitBtn")->click();
  });
  EXPECT_EQ(form.exec(), QDialog::Accepted);
  EXPECT_FALSE(speakShown);
  EXPECT_EQ(voiceShown, "de");
  EXPECT_TRUE(settings.SpeakWords);
  EXPECT_TRUE(settings.SpeakSums);
  EXPECT_EQ(settings.SpeakVoice, "fr-fr");

  // A voice this machine does not have stays the user's choice.
  settings.SpeakVoice = "xx-unknown";
  driver.Then("TOptionForm", "reads the voice, Ok", [&](QWidget&) {
    voiceShown = Get<QComboBox>("VoiceBox")->currentData().toString();
    Get<QPushButton>("OkBitBtn")->click();
  });
  form.exec();
  EXPECT_EQ(voiceShown, "xx-unknown");
  EXPECT_EQ(settings.SpeakVoice, "xx-unknown");
}

// The windows' language is the user's; a voice left to the windows' language
// speaks the language loaded.
TEST_F(OptionWindows, TheLanguageIsTheUsersAndAnUnchosenVoiceSpeaksTheWindowsLanguage) {
  settings.Language = "fr";
  settings.SpeakVoice = "de";
  QString languageShown;
  driver.Then("TOptionForm", "chooses German and the windows' voice, Ok", [&](QWidget&) {
    languageShown = Get<QComboBox>("LanguageBox")->currentData().toString();
    Get<QComboBox>("LanguageBox")->setCurrentIndex(Get<QComboBox>("LanguageBox")->findData("de"));
    Get<QComboBox>("VoiceBox")->setCurrentIndex(0);
    Get<QPushButton>("OkBitBtn")->click();
  });
  EXPECT_EQ(form.exec(), QDialog::Accepted);
  EXPECT_EQ(languageShown, "fr");
  EXPECT_EQ(settings.Language, "de");
  EXPECT_EQ(settings.SpeakVoice, "");
  LoadLanguage("es", {});
  EXPECT_EQ(CurrentSessionSettings(settings, paths).voice, "es");
  LoadLanguage("en", {});
}

TEST_F(OptionWindows, CancelLeavesEveryOptionAsItWas) {
  driver.Then("TOptionForm", "changes everything, cancels", [&](QWidget&) {
    Get<QRadioButton>("InOrderItem")->setChecked(true);
    Get<QRadioButton>("TenWordsItem")->setChecked(true);
    Get<QCheckBox>("ShowWordCheckBox")->setChecked(false);
    Get<QCheckBox>("ReShowWordCheckBox")->setChecked(true);
    Get<QPushButton>("BitBtn1")->click();
  });
  EXPECT_EQ(form.exec(), QDialog::Rejected);
  const StartUpSettings fresh;
  EXPECT_EQ(settings.InOrder, fresh.InOrder);
  EXPECT_EQ(settings.WholeFile, fresh.WholeFile);
  EXPECT_EQ(settings.ShowWord, fresh.ShowWord);
  EXPECT_EQ(settings.ReshowWord, fresh.ReshowWord);
  // Shown again, the window forgets what was cancelled.
  bool inOrder = true;
  driver.Then("TOptionForm", "reads the order, cancels", [&](QWidget&) {
    inOrder = Get<QRadioButton>("InOrderItem")->isChecked();
    Get<QPushButton>("BitBtn1")->click();
  });
  form.exec();
  EXPECT_FALSE(inOrder);
}

TEST_F(OptionWindows, OptionTextsAreThoseOfTheProgram) {
  EXPECT_EQ(form.windowTitle(), "Option");
  EXPECT_EQ(Get<QGroupBox>("RadioGroup1")->title(), "&File order");
  EXPECT_EQ(Get<QRadioButton>("InOrderItem")->text(), "&In order");
  EXPECT_EQ(Get<QRadioButton>("RandomOrderItem")->text(), "&Random order");
  EXPECT_EQ(Get<QGroupBox>("RadioGroup2")->title(), "&Words");
  EXPECT_EQ(Get<QRadioButton>("WholeFileItem")->text(), "&Do whole file");
  EXPECT_EQ(Get<QRadioButton>("TenWordsItem")->text(), "do &Ten words");
  EXPECT_EQ(Get<QGroupBox>("RadioGroup1")->statusTip(),
            "Do the spellings in alphabetical order or in random orde");
  EXPECT_EQ(Get<QPushButton>("OkBitBtn")->statusTip(),
            "confirm options they are saved when you log out or quit orv6");
}

TEST_F(OptionWindows, LevelBoxesShowTheThresholdsAndAnyChangeTakesEffect) {
  TPasLevForm levels(settings);
  settings.lookOtherUsersPasLev = 77;
  int shownSeventh = -1;
  driver.Then("TPasLevForm", "changes four levels, cancels", [&](QWidget&) {
    shownSeventh = LevelBox(levels, 7)->value();
    LevelBox(levels, 1)->setValue(3);
    LevelBox(levels, 7)->setValue(200);
    LevelBox(levels, 8)->setValue(999);  // beyond the range: 255
    LevelBox(levels, 9)->setValue(40);
    test::Child<QPushButton>(levels, "CancelButton")->click();
  });
  levels.exec();
  EXPECT_EQ(shownSeventh, 77);
  EXPECT_EQ(settings.optionMenuPasLev, 3);
  EXPECT_EQ(settings.lookOtherUsersPasLev, 200);
  EXPECT_EQ(settings.MakeWrongWordFileForOthers, 255);
  EXPECT_EQ(settings.addUserPasLev, 40);
  EXPECT_EQ(settings.delFilePasLev, 100) << "untouched boxes keep their values";
  for (int n = 1; n <= 9; ++n) {
    EXPECT_EQ(LevelBox(levels, n)->minimum(), 0) << n;
    EXPECT_EQ(LevelBox(levels, n)->maximum(), 255) << n;
  }
  EXPECT_EQ(levels.windowTitle(), "Pasword levels");
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
