#include "orvc/word_list_input.h"

#include <ostream>

#include "app/errors.h"
#include "files/errortext.h"
#include "lists/cleanlist.h"
#include "lists/compile.h"
#include "orvc/command.h"

namespace orv::orvc {

WordListInput ReadWordList(const std::string& path) {
  WordListInput input;
  int code = 0;
  try {
    code = LoadFromFile(input.lines, path);
  } catch (const E_Orv_Error& e) {  // a file of more lines than a list holds
    throw CommandError{"cannot load \"" + path + "\": " + e.what(), 2};
  }
  if (code != 0) throw CommandError{"cannot read \"" + path + "\": " + ErrorText(code), 2};
  input.noSort = HasNoSort(input.lines);
  CleanList(input.lines, IsNameList(path), &input.lineNumbers);
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
