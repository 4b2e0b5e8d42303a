// The command line of orv, read before any window exists.
#include "app/programoptions.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(ProgramOptions, HomeInBothFormsAndQtOptionsLeftAlone) {
  const ProgramOptions spaced =
      ReadProgramOptions({"-platform", "offscreen", "--home", "/srv/orv"});
  EXPECT_EQ(spaced.home, "/srv/orv");
  EXPECT_FALSE(spaced.help);
  EXPECT_FALSE(spaced.version);
  EXPECT_EQ(spaced.error, "");
  EXPECT_EQ(ReadProgramOptions({"--home=/srv/a b"}).home, "/srv/a b");
  EXPECT_FALSE(ReadProgramOptions({"-style", "fusion"}).home.has_value());
}

TEST(ProgramOptions, HomeWithoutAFolderIsAnError) {
  for (const auto& args :
       {std::vector<std::string>{"--home"}, std::vector<std::string>{"--home", ""},
        std::vector<std::string>{"--home="}}) {
    const ProgramOptions o = ReadProgramOptions(args);
    EXPECT_NE(o.error.find("--home"), std::string::npos) << args.size();
  }
}

TEST(ProgramOptions, HelpAndVersionAnywhereOnTheLine) {
  EXPECT_TRUE(ReadProgramOptions({"--home", "x", "--help"}).help);
  EXPECT_TRUE(ReadProgramOptions({"-h"}).help);
  EXPECT_TRUE(ReadProgramOptions({"-platform", "xcb", "--version"}).version);
  // The folder after --home is a value, not an option.
  EXPECT_FALSE(ReadProgramOptions({"--home", "--help"}).help);
}

TEST(ProgramOptions, HelpNamesEveryOptionAndVersionTheBuild) {
  const std::string help = ProgramHelpText();
  for (const char* option : {"--home DIR", "--help", "--version", "orvc init"}) {
    EXPECT_NE(help.find(option), std::string::npos) << option;
  }
  EXPECT_EQ(ProgramVersionText(), std::string("orv ") + ORV_VERSION + "\n");
}

}  // namespace
}  // namespace orv
