// The sample word lists that orvc init installs: every one must compile
// without errors, and a directory made by init holds exactly the lists of
// samples/ in the source tree.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/program_directory.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

const fs::path kSamples = fs::path(ORV_SOURCE_DIR) / "samples";

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Every .orv file below root, by its path relative to root.
std::set<std::string> ListsBelow(const fs::path& root) {
  std::set<std::string> found;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file() && entry.path().extension() == ".orv") {
      found.insert(fs::relative(entry.path(), root).generic_string());
    }
  }
  return found;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string AnswerOf(const std::string& compiledLine) {
  const std::size_t bar = compiledLine.find('|');
  return bar == std::string::npos ? compiledLine : compiledLine.substr(bar + 1);
}

class SampleLists : public ::testing::Test {
 protected:
  void SetUp() override {
    const test::ProgramRun init = Orvc(test::InitArguments(home.Str()));
    ASSERT_EQ(init.exitCode, 0) << init.err;
    root = home.Path() / "orv.orv";
    installed = ListsBelow(root);
  }

  static test::ProgramRun Orvc(const std::vector<std::string>& args) {
    return test::RunProgram(ORVC_PATH, args);
  }

  // The compiled questions of an installed list, one a line.
  std::vector<std::string> Compiled(const std::string& list, const std::string& seed = "1") {
    const test::ProgramRun r = Orvc({"--seed", seed, "compile", (root / list).string()});
    EXPECT_EQ(r.exitCode, 0) << list << ": " << r.err;
    return Lines(r.out);
  }

  test::TempDir home;
  fs::path root;
  std::set<std::string> installed;
};

TEST_F(SampleLists, EveryInstalledListChecksWithoutErrors) {
  ASSERT_FALSE(installed.empty());
  std::vector<std::string> args = {"check"};
  for (const std::string& list : installed) args.push_back((root / list).string());
  const test::ProgramRun r = Orvc(args);
  EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
  EXPECT_EQ(r.err, "");
  for (const std::string& list : installed) {
    EXPECT_NE(r.out.find((root / list).string() + ": no errors\n"), std::string::npos)
        << list << " has errors:\n"
        << r.out;
  }
}

TEST_F(SampleLists, InitInstallsExactlyTheShippedListsWithWindowsLineEnds) {
  EXPECT_EQ(installed, ListsBelow(kSamples));
  for (const std::string& list : installed) {
    std::string shipped = ReadBytes(kSamples / list);
    std::string expected;
    for (const std::string& line : Lines(shipped)) expected += line + "\r\n";
    EXPECT_EQ(ReadBytes(root / list), expected) << list;
  }
}

TEST_F(SampleLists, TheDefaultListIsInTheRootAndEveryOtherListInAGroup) {
  EXPECT_TRUE(installed.contains("words0.orv"));
  std::set<std::string> groups;
  for (const std::string& list : installed) {
    const fs::path folder = fs::path(list).parent_path();
    if (list == "words0.orv") continue;
    ASSERT_FALSE(folder.empty()) << list << " is not in a group";
    EXPECT_EQ(folder.extension(), ".orv") << list << " is in a folder the group tree does not show";
    groups.insert(folder.generic_string());
  }
  EXPECT_EQ(groups, (std::set<std::string>{"decimals.orv", "fractions.orv", "mixed.orv",
                                           "spelling.orv", "tables.orv"}));
  for (const char* level : {"level1.orv", "level2.orv", "level3.orv"}) {
    EXPECT_TRUE(installed.contains(std::string("spelling.orv/") + level)) << level;
  }
}

TEST_F(SampleLists, ArithmeticListsAskWhatTheirGroupsPromise) {
  // Times tables: 2 to 5, each times 1 to 12, all right.
  const std::vector<std::string> times = Compiled("tables.orv/times.orv");
  EXPECT_EQ(times.size(), 48u);
  EXPECT_NE(std::find(times.begin(), times.end(), "5 x 12|60"), times.end());
  EXPECT_NE(std::find(times.begin(), times.end(), "2 x 1|2"), times.end());

  // Fractions: every answer is a fraction or a whole number, none a decimal.
  const std::vector<std::string> fractions = Compiled("fractions.orv/fractions.orv");
  ASSERT_FALSE(fractions.empty());
  EXPECT_TRUE(std::any_of(fractions.begin(), fractions.end(), [](const std::string& l) {
    return AnswerOf(l).find('/') != std::string::npos;
  }));
  for (const std::string& line : fractions) {
    EXPECT_EQ(AnswerOf(line).find('.'), std::string::npos) << line;
  }

  // Decimals: two decimal places at most, never a bare trailing point.
  const std::vector<std::string> decimals = Compiled("decimals.orv/decimals.orv");
  ASSERT_FALSE(decimals.empty());
  EXPECT_NE(std::find(decimals.begin(), decimals.end(), "1/3.0|0.33"), decimals.end());
  for (const std::string& line : decimals) {
    const std::string answer = AnswerOf(line);
    const std::size_t point = answer.find('.');
    ASSERT_NE(point, std::string::npos) << line;
    EXPECT_GE(answer.size() - point - 1, 1u) << line;
    EXPECT_LE(answer.size() - point - 1, 2u) << line;
  }
}

TEST_F(SampleLists, MixedListDrawsNewNumbersButOneFixedGroupPerTest) {
  std::map<std::string, std::vector<std::string>> bySeed;
  for (const char* seed : {"1", "2", "3", "4"})
    bySeed[seed] = Compiled("mixed.orv/mixed.orv", seed);
  std::set<std::vector<std::string>> distinct;
  for (const auto& [seed, lines] : bySeed) {
    distinct.insert(lines);
    // The fixed group: five lines n x 1 ... n x 5 with the same n.
    std::set<std::string> factors;
    int ranged = 0;
    for (const std::string& line : lines) {
      const std::size_t x = line.find('x');
      if (x == std::string::npos || line.find('|') == std::string::npos) continue;
      ++ranged;
      factors.insert(line.substr(0, x));
    }
    EXPECT_EQ(ranged, 5) << "seed " << seed;
    EXPECT_EQ(factors.size(), 1u) << "seed " << seed;
  }
  EXPECT_GT(distinct.size(), 1u) << "four seeds gave the same questions";
}

TEST_F(SampleLists, InitAgainReplacesNoList) {
  // A teacher's own list where a sample list would go, nothing else.
  const fs::path level1 = root / "spelling.orv" / "level1.orv";
  for (const std::string& list : installed) {
    if (root / list != level1) fs::remove(root / list);
  }
  fs::remove(home.Path() / "KVXS1.KVX");
  fs::remove(home.Path() / "orv.ini");
  fs::remove(home.Path() / "scoredb.gdb");
  { std::ofstream(level1, std::ios::binary) << "my own words\r\n"; }
  const test::ProgramRun again = Orvc(test::InitArguments(home.Str()));
  EXPECT_NE(again.exitCode, 0);
  EXPECT_NE(again.err.find("level1.orv"), std::string::npos) << again.err;
  EXPECT_EQ(ReadBytes(level1), "my own words\r\n");
  EXPECT_FALSE(fs::exists(home.Path() / "KVXS1.KVX"));
}

}  // namespace
}  // namespace orv
