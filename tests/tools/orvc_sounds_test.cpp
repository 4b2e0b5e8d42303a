// orvc sounds on a program directory made by orvc init: WAV files round trip
// byte for byte, and speak gives every word of a list a spoken sound once.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/program_directory.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

class OrvcSounds : public ::testing::Test {
 protected:
  void SetUp() override {
    const test::ProgramRun init = test::RunProgram(ORVC_PATH, test::InitArguments(home.Str()));
    ASSERT_EQ(init.exitCode, 0) << init.err;
  }

  test::ProgramRun Sounds(std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", home.Str(), "sounds"});
    return test::RunProgram(ORVC_PATH, args);
  }

  std::string Tone(const std::string& name, const std::string& form) {
    const std::string file = files.Str() + name + ".wav";
    const std::string command = "sox -n " + form + " '" + file + "' synth 0.2 sine 523 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return file;
  }

  test::TempDir home;
  test::TempDir files;
};

TEST_F(OrvcSounds, AddedFilesAreListedExportedByteForByteAndDeleted) {
  const std::string house = Tone("House", "-r 8000 -c 1 -b 8");
  const std::string tree = Tone("tree", "-r 44100 -c 2 -b 16");
  const std::string text = files.Write("notes.wav", "not a sound");
  test::ProgramRun r = Sounds({"add", house, tree, text});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out, "House\ntree\n");
  EXPECT_NE(r.err.find("notes.wav is not a WAV file"), std::string::npos) << r.err;
  EXPECT_EQ(Sounds({"list"}).out, "House\ntree\n");

  for (const char* word : {"house", "TREE"}) {
    SCOPED_TRACE(word);
    const std::string out = files.Str() + "out.wav";
    ASSERT_EQ(Sounds({"export", word, out}).exitCode, 0);
    EXPECT_EQ(files.Read("out.wav"),
              files.Read(std::string(word) == "house" ? "House.wav" : "tree.wav"));
  }

  // A stored word is replaced only when asked to.
  const std::string louder = Tone("house", "-r 16000 -c 1 -b 16");
  r = Sounds({"add", louder});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("--replace"), std::string::npos) << r.err;
  ASSERT_EQ(Sounds({"add", "--replace", louder}).exitCode, 0);
  ASSERT_EQ(Sounds({"export", "House", files.Str() + "out.wav"}).exitCode, 0);
  EXPECT_EQ(files.Read("out.wav"), files.Read("house.wav"));

  EXPECT_EQ(Sounds({"delete", "HOUSE"}).exitCode, 0);
  EXPECT_EQ(Sounds({"list"}).out, "tree\n");
  for (const std::vector<std::string>& failing : {std::vector<std::string>{"delete", "house"},
                                                  {"export", "house", files.Str() + "x.wav"},
                                                  {"frobnicate"}}) {
    EXPECT_NE(Sounds(failing).exitCode, 0) << failing[0];
  }
}

TEST_F(OrvcSounds, SpeakGivesEachWordWithoutASoundASpokenOne) {
  const std::string list = files.Write("pets.orv", "cat\ndog\nCat\n$noSort\n2+3|5\n");
  const std::string cat = Tone("cat", "-r 8000 -c 1 -b 8");
  ASSERT_EQ(Sounds({"add", cat}).exitCode, 0);

  test::ProgramRun r = Sounds({"speak", list});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "1 words spoken, 1 kept their sound\n");
  EXPECT_EQ(Sounds({"list"}).out, "cat\ndog\n");
  ASSERT_EQ(Sounds({"export", "cat", files.Str() + "out.wav"}).exitCode, 0);
  EXPECT_EQ(files.Read("out.wav"), files.Read("cat.wav"));

  // Redone on request, the recorded cat becomes a spoken one too.
  r = Sounds({"speak", "--replace", "--voice", "de", list});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "2 words spoken, 0 kept their sound\n");
  ASSERT_EQ(Sounds({"export", "cat", files.Str() + "out.wav"}).exitCode, 0);
  const std::string spoken = files.Read("out.wav");
  EXPECT_NE(spoken, files.Read("cat.wav"));
  EXPECT_EQ(spoken.substr(0, 4), "RIFF");
}

// A word left without a sound is named with the reason, so the teacher knows
// whether to record it, rename it or look at the database.
TEST_F(OrvcSounds, AWordLeftWithoutASoundIsToldWhy) {
  const std::string longWord(256, 'a');
  const std::string list = files.Write("odd.orv", "cat\n...\n" + longWord + "\n");
  const test::ProgramRun r = Sounds({"speak", list});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out, "1 words spoken, 0 kept their sound\n");
  for (const std::string& told : std::vector<std::string>{
           "orvc: could not give \"...\" a spoken sound: espeak-ng's voice \"en\" says nothing for "
           "it\n",
           "orvc: could not give \"" + longWord +
               "\" a spoken sound: it is longer than the 255 characters a sound's name may "
               "have\n"}) {
    EXPECT_NE(r.err.find(told), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace orv
