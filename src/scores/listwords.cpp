#include "scores/listwords.h"

#include <set>

#include "base/strings.h"
#include "lists/cleanlist.h"
#include "lists/compile.h"
#include "lists/listfile.h"

namespace orv {

std::vector<std::string> SpellingWords(const BufferO& compiled) {
  std::vector<std::string> words;
  std::set<std::string> seen;
  for (const LineNo i : LineNumbers(compiled.Count())) {
    const std::string& line = compiled.Line(i);
    if (line.find('|') == std::string::npos && seen.insert(Upper(line)).second) {
      words.push_back(line);
    }
  }
  return words;
}

std::vector<std::string> ListFileWords(const std::string& path, Dialogs& dialogs) {
  ListFile source;
  if (LoadListFile(source, path) != 0) return {};
  CleanListFile(source, IsNameList(path));
  BufferO list = std::move(source.lines);
  CompileList(list, dialogs);
  return SpellingWords(list);
}

}  // namespace orv
