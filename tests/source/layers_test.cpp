// The folders of src/ include only folders below them: base, files, numbers,
// judging, lists, exchange, users, scores, session, progress, app. The shared widgets sit
// beside the windows: any window may include them, and they include only base/. No two
// folders reach each other through their includes, whatever the order says; a folder
// inside another (scores/firebird) counts as a folder of its own there.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kLayers = {"base",    "files",    "numbers", "judging",
                                          "lists",   "exchange", "users",   "scores",
                                          "session", "progress", "app"};

int Layer(const std::string& folder) {
  const auto it = std::find(kLayers.begin(), kLayers.end(), folder);
  return it == kLayers.end() ? -1 : static_cast<int>(it - kLayers.begin());
}

bool IsWindow(const std::string& file) {
  return file.find("_window.") != std::string::npos;
}

// Why an include breaks the order; empty when it keeps it.
std::string Breach(const std::string& file, const std::string& from, const std::string& to) {
  if (to == "widgets") {
    return IsWindow(file) || from == "widgets" ? "" : "only windows include widgets/";
  }
  if (Layer(to) < 0) return "includes a folder outside the layers";
  if (from == "widgets") return to == "base" ? "" : "widgets/ includes only base/";
  if (Layer(from) < 0) return "a folder outside the layers";
  return Layer(to) > Layer(from) ? "points up the layers" : "";
}

// The folder a file lies in, or an included file names: every directory counts, so
// scores/firebird is not scores.
std::string Folder(const std::string& path) {
  return path.substr(0, path.rfind('/'));
}

// Which folders each folder includes.
using FolderGraph = std::map<std::string, std::set<std::string>>;

// Each loop of folders as "a -> b -> a", found once from its first folder by name.
std::vector<std::string> Loops(const FolderGraph& graph) {
  std::vector<std::string> loops;
  std::vector<std::string> path;
  std::set<std::string> onPath;
  std::set<std::string> done;
  // A depth-first walk: an include of a folder still on the path closes a loop.
  auto walk = [&](auto& self, const std::string& folder) -> void {
    path.push_back(folder);
    onPath.insert(folder);
    if (const auto it = graph.find(folder); it != graph.end()) {
      for (const std::string& to : it->second) {
        if (onPath.count(to) > 0) {
          std::string loop;
          for (auto at = std::find(path.begin(), path.end(), to); at != path.end(); ++at) {
            loop += *at + " -> ";
          }
          loops.push_back(loop + to);
        } else if (done.count(to) == 0) {
          self(self, to);
        }
      }
    }
    onPath.erase(folder);
    done.insert(folder);
    path.pop_back();
  };
  for (const auto& [folder, includes] : graph) {
    if (done.count(folder) == 0) walk(walk, folder);
  }
  return loops;
}

struct Scan {
  std::size_t includes = 0;
  std::vector<std::string> breaches;  // "file -> include"
  std::vector<std::string> reasons;
  FolderGraph folders;
};

Scan ScanSources() {
  const fs::path src = fs::path(ORV_SOURCE_DIR) / "src";
  const std::regex include(R"(^\s*#\s*include\s+"(([a-z_]+)/[^"]+)\")");
  Scan scan;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(src)) {
    const std::string ext = entry.path().extension().string();
    if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
    const std::string file = entry.path().lexically_relative(src).generic_string();
    const std::string from = file.substr(0, file.find('/'));
    // The programs (main.cpp, orvc.cpp and orvc/) stand on top of everything.
    if (from == file || from == "orvc") continue;
    std::ifstream in(entry.path());
    std::string line;
    std::smatch m;
    while (std::getline(in, line)) {
      if (!std::regex_search(line, m, include)) continue;
      ++scan.includes;
      if (const std::string to = Folder(m[1]); to != Folder(file)) {
        scan.folders[Folder(file)].insert(to);
      }
      const std::string reason = Breach(file, from, m[2]);
      if (reason.empty()) continue;
      scan.breaches.push_back(file + " -> " + m[1].str());
      scan.reasons.push_back(reason);
    }
  }
  return scan;
}

TEST(Layers, EveryIncludePointsDownTheOrder) {
  const Scan scan = ScanSources();
  ASSERT_GT(scan.includes, 500u) << "the sources were not found under " << ORV_SOURCE_DIR;
  std::string found;
  for (std::size_t i = 0; i < scan.breaches.size(); ++i) {
    found += scan.breaches[i] + ": " + scan.reasons[i] + "\n";
  }
  EXPECT_TRUE(scan.breaches.empty()) << found;
}

TEST(Layers, NoFoldersIncludeEachOther) {
  std::string found;
  for (const std::string& loop : Loops(ScanSources().folders)) found += loop + "\n";
  EXPECT_TRUE(found.empty()) << found;
}

TEST(Layers, ALoopIsFoundHoweverLong) {
  struct Case {
    FolderGraph graph;
    std::size_t loops;
  };
  const Case cases[] = {
      {{{"a", {"b"}}, {"b", {"c"}}}, 0},
      {{{"a", {"b"}}, {"b", {"a"}}}, 1},
      {{{"a", {"b"}}, {"b", {"c"}}, {"c", {"a"}}}, 1},
      {{{"a", {"b", "c"}}, {"b", {"c"}}}, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Loops(c.graph).size(), c.loops) << testing::PrintToString(c.graph);
  }
}

TEST(Layers, AFolderInsideAnotherIsAFolderOfItsOwn) {
  struct Case {
    const char* path;
    const char* folder;
  };
  const Case cases[] = {
      {"scores/dataset.h", "scores"},
      {"scores/firebird/fbclient.cpp", "scores/firebird"},
      {"scores/sound/wavplayer.h", "scores/sound"},
  };
  for (const Case& c : cases) EXPECT_EQ(Folder(c.path), c.folder) << c.path;
}

TEST(Layers, TheRulesCatchEachKindOfBreach) {
  struct Case {
    const char* file;
    const char* from;
    const char* to;
    bool breach;
  };
  const Case cases[] = {
      {"lists/buffers.cpp", "lists", "base", false},
      {"lists/buffers.cpp", "lists", "lists", false},
      {"files/dos.cpp", "files", "lists", true},
      {"exchange/csvimport.cpp", "exchange", "lists", false},
      {"lists/compile.cpp", "lists", "exchange", true},
      {"base/strings.cpp", "base", "files", true},
      {"session/input_window.cpp", "session", "widgets", false},
      {"session/positions.cpp", "session", "widgets", true},
      {"widgets/message_window.h", "widgets", "base", false},
      {"widgets/message_window.h", "widgets", "files", true},
      {"app/mainform.cpp", "app", "orvc", true},
      {"tools/x.cpp", "tools", "base", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(!Breach(c.file, c.from, c.to).empty(), c.breach) << c.file << " -> " << c.to;
  }
}

}  // namespace
