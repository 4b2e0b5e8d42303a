// orvc import and export on a program directory made by orvc init: a KVTML
// file with a sound comes in as lists and a stored sound, goes out again with
// the sound beside it, and a bad file among good ones makes nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/program_directory.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

const std::string kData = std::string(ORV_TEST_DATA_DIR) + "/exchange/";

class OrvcExchange : public ::testing::Test {
 protected:
  void SetUp() override {
    const test::ProgramRun init = test::RunProgram(ORVC_PATH, test::InitArguments(home.Str()));
    ASSERT_EQ(init.exitCode, 0) << init.err;
    std::filesystem::copy_file(kData + "animals.kvtml", files.Str() + "animals.kvtml");
    const std::string command =
        "sox -n -r 8000 -c 1 -b 16 '" + files.Str() + "cat.wav' synth 0.2 sine 440 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }

  test::ProgramRun Orvc(std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", home.Str()});
    return test::RunProgram(ORVC_PATH, args);
  }

  std::string Lists() const { return home.Str() + "orv.orv/"; }

  test::TempDir home;
  test::TempDir files;
};

TEST_F(OrvcExchange, AKvtmlFileComesInAndGoesOutWithItsSound) {
  const std::string kvtml = files.Str() + "animals.kvtml";
  test::ProgramRun r = Orvc({"import", kvtml, "--group", "zoo", "--dry-run"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find("zoo.orv\\Pets.orv: 2 lines, 1 sound\n"), std::string::npos) << r.out;
  EXPECT_NE(r.err.find("line 47, <entry id=\"9\">: left out: "), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(Lists() + "zoo.orv"));

  r = Orvc({"import", kvtml, "--group", "zoo"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(test::FileContents(Lists() + "zoo.orv/Pets.orv"), "cat|Katze\r\ndog|Hund\r\n");
  EXPECT_EQ(test::FileContents(Lists() + "zoo.orv/Wild.orv/Birds.orv"), "owl|Eule\r\n");
  EXPECT_EQ(Orvc({"sounds", "list"}).out, "cat\n");

  // A second import keeps the lists made.
  r = Orvc({"import", kvtml, "--group", "zoo"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("zoo.orv\\Pets.orv is there already and was kept"), std::string::npos);

  const std::string out = files.Str() + "out/zoo.kvtml";
  std::filesystem::create_directories(files.Str() + "out");
  r = Orvc({"export", "zoo.orv/Pets.orv", "zoo.orv/Wild.orv/Birds.orv", "--to", "kvtml", out});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(test::FileContents(files.Str() + "out/cat.wav"),
            test::FileContents(files.Str() + "cat.wav"));
  r = Orvc({"import", out, "--group", "back", "--dry-run"});
  EXPECT_EQ(r.out, "back.orv\\Pets.orv: 2 lines, 1 sound\nback.orv\\Birds.orv: 1 line\n");
  EXPECT_EQ(r.err, "");
}

TEST_F(OrvcExchange, ABadFileAmongGoodOnesMakesNothing) {
  const std::string good = files.Write("good.csv", "cat\ndog\n");
  const std::string bad = files.Write("bad.csv", "cat\n\"dog\n");
  const test::ProgramRun r = Orvc({"import", good, bad, "--group", "new"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("bad.csv: line 2: a quoted field is not closed"), std::string::npos)
      << r.err;
  EXPECT_FALSE(std::filesystem::exists(Lists() + "new.orv"));
}

}  // namespace
}  // namespace orv
