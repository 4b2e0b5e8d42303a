#include "orvc/wordlistinput.h"

#include <algorithm>
#include <ostream>

#include "base/errors.h"
#include "files/errortext.h"
#include "lists/cleanlist.h"
#include "lists/compile.h"
#include "lists/listfile.h"
#include "orvc/command.h"

namespace orv::orvc {
namespace {

std::vector<std::string> FileWarnings(const std::string& path, const ListFile& file) {
  std::vector<std::string> warnings;
  const auto isLegacy = [](const ListLineForm& form) { return form.windows1252; };
  const auto& forms = file.forms;
  if (const auto legacy = std::count_if(forms.begin(), forms.end(), isLegacy); legacy > 0) {
    const auto first = std::find_if(forms.begin(), forms.end(), isLegacy) - forms.begin() + 1;
    const std::string which = legacy == 1 ? std::string("this line is not UTF-8 text and is")
                                          : "this line and " + std::to_string(legacy - 1) +
                                                " more are not UTF-8 text and are";
    warnings.push_back(path + ":" + std::to_string(first) + ": warning: " + which +
                       " read as Windows-1252 (save the list as UTF-8)");
  }
  if (const std::size_t hidden = TextLinesAfterEndMark(file); hidden > 0) {
    warnings.push_back(path + ":" + std::to_string(file.forms.size() + 1) +
                       ": warning: a Ctrl-Z (an old end-of-file mark) ends the list here, so " +
                       std::to_string(hidden) + (hidden == 1 ? " line" : " lines") +
                       " of text after it will not be asked (delete the Ctrl-Z to use them)");
  }
  return warnings;
}

}  // namespace

WordListInput ReadWordList(const std::string& path) {
  ListFile file;
  int code = 0;
  try {
    code = LoadListFile(file, path);
  } catch (const E_Orv_Error& e) {  // a file of more lines than a list holds
    throw CommandError{"cannot load \"" + path + "\": " + e.what(), 2};
  }
  if (code != 0) throw CommandError{"cannot read \"" + path + "\": " + ErrorText(code), 2};
  WordListInput input;
  input.warnings = FileWarnings(path, file);
  input.noSort = HasNoSort(file.lines);
  CleanList(file.lines, IsNameList(path), &input.lineNumbers);
  input.lines = std::move(file.lines);
  return input;
}

BufferO CompileReporting(const std::string& path, const WordListInput& input, std::ostream& out,
                         std::size_t& failures) {
  failures = 0;
  return CompileLines(input.lines, [&](LineNo line, const std::string& result) {
    ++failures;
    out << path << ':' << input.lineNumbers[line - 1u] << ": " << input.lines.Line(line) << "\n    "
        << result << '\n';
  });
}

}  // namespace orv::orvc
