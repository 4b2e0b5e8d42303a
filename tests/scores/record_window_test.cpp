// Recording in the sound window: "Record missing" walks the current list's
// words that have no sound, a take is recorded from the microphone (a
// private null sink's monitor hearing what the test plays), kept, and
// stored trimmed; without a microphone the window says so. Qt reads the
// sound server once per process: ctest runs each test in its own.
#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <cstdlib>

#include "dbwindow_fixture.h"
#include "scores/record_window.h"
#include "scores/sound/wavdecoder.h"
#include "scores/sound/wavplayer.h"
#include "scores/sound/wordrecorder.h"
#include "scores/sounds_window.h"
#include "support/children.h"
#include "support/null_sink_server.h"
#include "support/window_driver.h"

namespace orv::test {
namespace {

class RecordWindow : public DbWindowTest {
 protected:
  void SetUp() override {
    DbWindowTest::SetUp();
    LogIn("ann");
    WriteList("animals.orv", "dog\ncat\nemu\n3+4|7\n");
  }
  // Shows the sound window, runs the steps while it is up, then leaves.
  void Show(TSoundsForm& window, const std::function<void()>& steps) {
    window.SetListPath(windowHost.listRoot + "animals.orv");
    driver.Then("TSoundsForm", "runs the steps, then leaves", [&](QWidget&) {
      steps();
      Child<QAction>(window, "MenuExit")->trigger();
    });
    window.ShowModal();
    EXPECT_FALSE(driver.Stuck());
  }
  std::string Tone() {
    const std::string file = dir.Str() + "tone.wav";
    const std::string command =
        "sox -n -r 22050 -c 1 -b 16 '" + file + "' synth 0.3 sine 440 vol 0.5 pad 0.2 0.2 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return dir.Read("tone.wav");
  }
  WindowDriver driver{30000};
};

TEST_F(RecordWindow, RecordMissingWalksTheWordsWithoutASoundAndKeepsATake) {
  NullSinkServer server(dir);
  ASSERT_TRUE(server.Ready());
  const std::string tone = Tone();
  ASSERT_TRUE(sounds->StoreWav("Cat", tone));
  TSoundsForm window(*database, dataSet, *sounds, windowHost, dialogs);
  TRecordForm& record = *Child<TRecordForm>(window, "RecordForm");
  std::vector<std::string> words;
  int loudest = 0;
  bool keepBeforeTake = true;
  bool skipOnLast = true;
  Show(window, [&] {
    driver.Then("TRecordForm", "records a take of the first word, keeps it", [&](QWidget&) {
      words.push_back(Child<QLabel>(record, "WordLabel")->text().toStdString());
      keepBeforeTake = Child<QPushButton>(record, "KeepBtn")->isEnabled();
      bool heard = false;
      bool gone = false;
      QObject::connect(&record.Recorder(), &WordRecorder::Level, &record, [&](double level) {
        loudest = std::max(loudest, Child<QProgressBar>(record, "LevelBar")->value());
        // The README's picture: the window while the word is heard.
        if (!heard && level > 0.2) SaveScreenshot(record, "recording");
        heard = heard || level > 0.2;
        gone = heard && level < 0.01;
      });
      Child<QPushButton>(record, "RecordBtn")->click();
      PlayWav(tone);
      RunEventsUntil([&] { return gone; });
      Child<QPushButton>(record, "StopBtn")->click();
      // The next word comes up once this take is kept; it is left by closing.
      driver.Then("TRecordForm", "reads the next word, closes", [&](QWidget&) {
        words.push_back(Child<QLabel>(record, "WordLabel")->text().toStdString());
        skipOnLast = Child<QPushButton>(record, "SkipBtn")->isVisible();
        record.reject();
      });
      Child<QPushButton>(record, "KeepBtn")->click();
    });
    Child<QAction>(window, "RecordMissing1")->trigger();
  });
  EXPECT_EQ(words, (std::vector<std::string>{"dog", "emu"}));
  EXPECT_FALSE(keepBeforeTake);
  EXPECT_FALSE(skipOnLast);
  EXPECT_GT(loudest, 20);
  const std::optional<std::string> dog = sounds->SoundOf("dog");
  ASSERT_TRUE(dog.has_value());
  const std::optional<DecodedSound> take = DecodeWav(*dog);
  ASSERT_TRUE(take.has_value());
  EXPECT_EQ(take->channels, 1);
  EXPECT_LT(take->frames, take->sampleRate / 2);  // the tone, its silence cut
  EXPECT_FALSE(sounds->WavForWord("emu"));
  EXPECT_EQ(sounds->SoundOf("cat"), tone);
}

TEST_F(RecordWindow, WithoutAMicrophoneRecordingSaysSoAndNothingElseChanges) {
  ::setenv("PULSE_SERVER", ("unix:" + dir.Str() + "nowhere").c_str(), 1);
  TSoundsForm window(*database, dataSet, *sounds, windowHost, dialogs);
  Show(window, [&] {
    Child<QAction>(window, "Record1")->trigger();
    Child<QAction>(window, "RecordMissing1")->trigger();
  });
  EXPECT_EQ(dialogs.Texts(),
            std::vector<std::string>(2, "There is no microphone: nothing can be recorded"));
  EXPECT_TRUE(Rows(host.path, "select name from sound").empty());
}

}  // namespace
}  // namespace orv::test
