// What a learner hears during a test, recorded from a private sound server
// while the program runs through its real windows: the flashed word whole
// (stored or spoken), every beep, and the chime of each right answer that the
// learner's options ask for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/program_window.h"
#include "e2e/program_home.h"
#include "scores/sound/speech.h"
#include "support/null_sink_server.h"
#include "support/sound_recording.h"
#include "support/temp_dir.h"
#include "support/window_driver.h"

namespace orv::e2e {
namespace {

using test::HeardSound;
using test::Press;
using test::Type;
using test::WindowDriver;

constexpr double kWordHertz = 440;  // the stored sound of "heron"
constexpr double kWordSeconds = 0.8;
constexpr double kBeepHertz = 880;  // the program's beep
constexpr double kBeepSeconds = 0.1;
constexpr double kChimeHertz = 659;  // the chime's second, longer note
constexpr double kChimeSeconds = 0.25;

// The stretches that begin within [from, to).
std::vector<HeardSound> Between(const std::vector<HeardSound>& heard, double from, double to) {
  std::vector<HeardSound> found;
  std::copy_if(heard.begin(), heard.end(), std::back_inserter(found),
               [&](const HeardSound& h) { return h.start >= from && h.start < to; });
  return found;
}

// How long the spoken word lasts, from its first sound to its last.
double SpokenSeconds(const std::string& word) {
  const auto samples = Speaker::Shared().Synthesise(word, kDefaultVoice);
  if (!samples || Speaker::Shared().SampleRate() != test::kRecordingRate) return 0;
  const std::vector<HeardSound> spoken = test::HeardSounds(*samples);
  return spoken.empty() ? 0 : spoken.back().start + spoken.back().seconds - spoken.front().start;
}

TEST(Hearing, TheFlashedWordIsHeardWholeAndEveryBeepAndChimeSounds) {
  test::TempDir home;
  test::NullSinkServer server(home);
  ASSERT_TRUE(server.Ready());
  ASSERT_EQ(MakeProgramDirectory(home.Str()), "");
  // Asked in this order: "heron" has a stored sound, "lark" is spoken.
  home.Write("orv.orv/words0.orv", "$noSort\r\nheron\r\nlark\r\n");
  const std::string heron = home.Str() + "heron.wav";
  ASSERT_EQ(std::system(("sox -n -r 22050 -c 1 -b 16 '" + heron + "' synth " +
                         std::to_string(kWordSeconds) + " sine 440 vol 0.5 2>&1")
                            .c_str()),
            0);
  const test::ProgramRun add =
      test::RunProgram(ORVC_PATH, {"sounds", "add", "--home", home.Str(), heron});
  ASSERT_EQ(add.exitCode, 0) << add.err;
  const double lark = SpokenSeconds("lark");
  ASSERT_GT(lark, 0.25);
  // The learner has asked for the chime.
  home.Write("User/ADMIN.DIR/ORV.CON",
             "WORDS0.ORV\r\nADMIN\r\n0\r\n1\r\n\r\n1\r\n1\r\nRightSound=1\r\n");

  test::SoundRecording recording(home);
  ASSERT_TRUE(recording.Started());
  WindowDriver driver(30000, "MainForm");
  auto right = [](QWidget&) {};
  LogInAsAdmin(driver)
      .Then("MainForm", "starts the test", [](QWidget& w) { Press(w, Qt::Key_Return); })
      .Then("MessageForm", "sees and hears heron", [](QWidget&) {})
      .Then("_Input", "types it wrong",
            [](QWidget& w) {
              Type(w, "heran");
              Press(w, Qt::Key_Return);
            })
      .Then("WrongWordsForm", "reads the right spelling",
            [](QWidget& w) { Press(w, Qt::Key_Return); })
      .Then("MessageForm", "sees and hears heron again", [](QWidget&) {})
      .Then("_Input", "types it right",
            [](QWidget& w) {
              Type(w, "heron");
              Press(w, Qt::Key_Return);
            })
      .Then("MessageForm", "is told it is right", right)
      .Then("MessageForm", "sees and hears lark", [](QWidget&) {})
      .Then("_Input", "types it right",
            [](QWidget& w) {
              Type(w, "lark");
              Press(w, Qt::Key_Return);
            })
      .Then("MessageForm", "is told it is right", right)
      .Then("SF2", "closes the scores", [](QWidget& w) { Press(w, Qt::Key_Escape); })
      .Then("MainForm", "quits", [](QWidget& w) { Press(w, Qt::Key_Q, Qt::AltModifier); });
  EXPECT_EQ(RunOrv(home.Str()), 0);
  EXPECT_TRUE(driver.Done()) << driver.Waiting();
  const std::vector<std::int16_t> samples = recording.Stop();

  // heron is heard whole at both of its flashes (speech has some of its
  // pitch too, but not for that long).
  std::vector<HeardSound> word = test::HeardTone(samples, kWordHertz);
  std::erase_if(word, [](const HeardSound& h) { return h.seconds < kWordSeconds / 2; });
  ASSERT_EQ(word.size(), 2u) << test::Describe(word);
  for (const HeardSound& h : word)
    EXPECT_GT(h.seconds, kWordSeconds - 0.05) << test::Describe(word);

  // Six beeps: each flash, the wrong answer, each "RIGHT !!".
  const std::vector<HeardSound> beeps = test::HeardTone(samples, kBeepHertz);
  ASSERT_EQ(beeps.size(), 6u) << test::Describe(beeps);
  for (const HeardSound& b : beeps)
    EXPECT_GT(b.seconds, kBeepSeconds - 0.03) << test::Describe(beeps);
  // The flash beeps as its word begins to sound; the wrong answer's beep
  // comes between the two flashes of heron.
  for (const HeardSound& h : word) {
    EXPECT_EQ(Between(beeps, h.start - 0.2, h.start + 0.2).size(), 1u) << test::Describe(beeps);
  }
  EXPECT_EQ(Between(beeps, word[0].start + 0.2, word[1].start - 0.2).size(), 1u)
      << test::Describe(beeps);

  // Each "RIGHT !!" beeps and chimes at once, its last note whole.
  // Speech has some of the chime's pitch too, but not for as long as its
  // last note.
  std::vector<HeardSound> chimes = test::HeardTone(samples, kChimeHertz);
  std::erase_if(chimes, [](const HeardSound& h) { return h.seconds < kChimeSeconds - 0.03; });
  ASSERT_EQ(chimes.size(), 2u) << test::Describe(test::HeardTone(samples, kChimeHertz));
  for (const HeardSound& c : chimes) {
    EXPECT_EQ(Between(beeps, c.start - 0.4, c.start + 0.1).size(), 1u) << test::Describe(beeps);
  }

  // lark is spoken whole between the chimes of heron and of lark: from the
  // longest sound there, through the pauses inside the word.
  const std::vector<HeardSound> after =
      Between(test::HeardSounds(samples), chimes[0].start + kChimeSeconds, chimes[1].start - 0.2);
  ASSERT_FALSE(after.empty());
  const HeardSound longest = *std::max_element(
      after.begin(), after.end(),
      [](const HeardSound& a, const HeardSound& b) { return a.seconds < b.seconds; });
  const std::vector<HeardSound> spoken = Between(after, longest.start, longest.start + lark + 0.2);
  EXPECT_GT(spoken.back().start + spoken.back().seconds - longest.start, lark - 0.05)
      << test::Describe(after);
}

}  // namespace
}  // namespace orv::e2e
