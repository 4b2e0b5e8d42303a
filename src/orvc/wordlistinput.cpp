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
    warnings.push_back(ShownOnTerminal(path) + ":" + std::to_string(first) + ": warning: " + which +
                       " read as Windows-1252 (save the list as UTF-8)");
  }
  if (const std::size_t hidden = TextLinesAfterEndMark(file); hidden > 0) {
    warnings.push_back(ShownOnTerminal(path) + ":" + std::to_string(file.forms.size() + 1) +
                       ": warning: a Ctrl-Z (an old end-of-file mark) ends the list here, so " +
                       std::to_string(hidden) + (hidden == 1 ? " line" : " lines") +
                       " of text after it will not be asked (delete the Ctrl-Z to use them)");
  }
  return warnings;
}

}  // namespace

std::string ShownOnTerminal(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string shown;
  shown.reserve(text.size());
  const auto escaped = [&shown](const char* prefix, unsigned char code) {
    shown += prefix;
    shown += kHex[code >> 4];
    shown += kHex[code & 0xF];
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (c < 0x20 || c == 0x7F) {
      escaped("\\x", c);
    } else if (c == 0xC2 && next >= 0x80 && next <= 0x9F) {
      escaped("\\u00", next);
      ++i;
    } else {
      shown += text[i];
    }
  }
  return shown;
}

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
                         std::size_t& failures, AnswerPolicies* policies) {
  failures = 0;
  return CompileLines(
      input.lines,
      [&](LineNo line, const std::string& result) {
        ++failures;
        out << ShownOnTerminal(path) << ':' << input.lineNumbers[line - 1u] << ": "
            << ShownOnTerminal(input.lines.Line(line)) << "\n    " << ShownOnTerminal(result)
            << '\n';
      },
      nullptr, policies);
}

}  // namespace orv::orvc
