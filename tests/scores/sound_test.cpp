// Recorded sounds: WAV files of the common forms made with sox, stored under
// their base names, found without regard to case, and decoded for playing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "score_db_fixture.h"
#include "scores/scoredatabase.h"
#include "scores/sound/wavdecoder.h"
#include "scores/sound/wavplayer.h"
#include "scores/soundstore.h"

namespace orv::test {
namespace {

struct Form {
  int rate;
  int bits;
  int channels;
};

const Form kForms[] = {{8000, 8, 1},  {11025, 8, 2},  {16000, 16, 1}, {22050, 16, 2},
                       {44100, 8, 1}, {44100, 16, 2}, {48000, 16, 1}, {48000, 8, 2}};

std::string Name(const Form& f) {
  return "Word" + std::to_string(f.rate) + "x" + std::to_string(f.bits) + "x" +
         std::to_string(f.channels);
}

// Runs sox; the test stops when it fails.
void Sox(const std::string& arguments) {
  const std::string command = "sox " + arguments + " 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

class Sounds : public ScoreDbTest {
 protected:
  void SetUp() override {
    ScoreDbTest::SetUp();
    NewDatabase();
  }
  // A quarter second of a tone in the form, as sox writes it.
  std::string MakeWav(const Form& f, const std::string& name) {
    const std::string file = dir.Str() + name + ".wav";
    Sox("-n -r " + std::to_string(f.rate) + " -c " + std::to_string(f.channels) + " -b " +
        std::to_string(f.bits) + " '" + file + "' synth 0.25 sine 440 sine 660");
    return file;
  }
};

TEST_F(Sounds, EveryCommonFormIsStoredUnderItsBaseNameAndFoundIgnoringCase) {
  ScoreDatabase su(dialogs, host);
  SoundStore sounds(su, dialogs);
  for (const Form& f : kForms) {
    SCOPED_TRACE(Name(f));
    const std::string file = MakeWav(f, Name(f));
    ASSERT_TRUE(sounds.WriteWord(file));
    EXPECT_TRUE(sounds.WavForWord(Name(f)));
    std::string upper = Name(f);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_TRUE(sounds.WavForWord(upper));
    const std::optional<std::string> stored = sounds.SoundOf(upper);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(*stored, dir.Read(Name(f) + ".wav"));
    EXPECT_TRUE(sounds.PlayIfStored(upper));
  }
  EXPECT_FALSE(sounds.WavForWord("Word8000"));
  EXPECT_FALSE(sounds.PlayIfStored("Word8000"));
  EXPECT_EQ(OneValue(host.path, "select count(*) from sound"), std::to_string(std::size(kForms)));
  // Stored for good: another connection sees the names as given.
  EXPECT_EQ(OneValue(host.path, "select name from sound where name starting with 'Word8000'"),
            "Word8000x8x1");
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Sounds, DecoderGivesTheSamplesSoxReads) {
  for (const Form& f : kForms) {
    SCOPED_TRACE(Name(f));
    const std::string file = MakeWav(f, Name(f));
    const std::string raw = dir.Str() + Name(f) + ".raw";
    Sox("'" + file + "' -t raw -e signed-integer -b 16 -L '" + raw + "'");
    const std::optional<DecodedSound> sound = DecodeWav(dir.Read(Name(f) + ".wav"));
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(sound->sampleRate, f.rate);
    EXPECT_EQ(sound->channels, f.channels);
    EXPECT_EQ(sound->frames, f.rate / 4);
    const std::string expected = dir.Read(Name(f) + ".raw");
    ASSERT_EQ(sound->samples.size() * 2, expected.size());
    EXPECT_EQ(std::memcmp(sound->samples.data(), expected.data(), expected.size()), 0);
    EXPECT_TRUE(PlayWav(dir.Read(Name(f) + ".wav")));
  }
}

TEST_F(Sounds, FileThatIsNotAWavIsRefusedAndNothingIsStored) {
  ScoreDatabase su(dialogs, host);
  SoundStore sounds(su, dialogs);
  const std::string text = dir.Write("notes.wav", "RIFF but not really a sound at all");
  const std::string aiff = dir.Str() + "tone.aiff";
  Sox("-n -r 22050 -c 1 -b 16 '" + aiff + "' synth 0.1 sine 440");
  const std::string whole = MakeWav({8000, 16, 1}, "whole");
  const std::string truncated = dir.Write("cut.wav", dir.Read("whole.wav").substr(0, 20));
  for (const std::string& file : {text, aiff, truncated, dir.Str() + "absent.wav"}) {
    SCOPED_TRACE(file);
    EXPECT_FALSE(sounds.WriteWord(file));
    EXPECT_FALSE(DecodeWav(dir.Read(std::filesystem::path(file).filename().string())));
  }
  EXPECT_FALSE(PlayWav(dir.Read("notes.wav")));
  EXPECT_EQ(OneValue(host.path, "select count(*) from sound"), "0");
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Sounds, ReplacingAStoredSoundAsksFirst) {
  ScoreDatabase su(dialogs, host);
  SoundStore sounds(su, dialogs);
  const std::string low = MakeWav({8000, 8, 1}, "House");
  ASSERT_TRUE(sounds.WriteWord(low));
  std::filesystem::create_directory(dir.Path() / "new");
  const std::string high = dir.Str() + "new/house.wav";
  Sox("-n -r 48000 -c 2 -b 16 '" + high + "' synth 0.1 sine 880");

  dialogs.answers = {MsgAnswer::No};
  EXPECT_FALSE(sounds.WriteWord(high));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "\"house\" Word allready in database overwrite! ");
  EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(sounds.SoundOf("HOUSE"), dir.Read("House.wav"));

  dialogs.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(sounds.WriteWord(high));
  EXPECT_EQ(sounds.SoundOf("house"), dir.Read("new/house.wav"));
  EXPECT_EQ(Rows(host.path, "select name from sound"),
            (std::vector<std::vector<std::string>>{{"house"}}));
}

TEST_F(Sounds, AnUnusableDatabaseMeansNoSound) {
  host.path = dir.Write("bad.gdb", std::string(40000, 'x'));
  dialogs.answers = {MsgAnswer::Ok, MsgAnswer::No};
  ScoreDatabase su(dialogs, host);
  SoundStore sounds(su, dialogs);
  EXPECT_FALSE(sounds.WavForWord("house"));
  EXPECT_FALSE(sounds.SoundOf("house").has_value());
  EXPECT_FALSE(sounds.PlayIfStored("house"));
  EXPECT_TRUE(host.quitAllowed);
}

}  // namespace
}  // namespace orv::test
