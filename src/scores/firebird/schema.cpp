#include "scores/firebird/schema.h"

#include <cctype>

namespace orv {
namespace {

bool IsBlank(char c) {
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string Trimmed(std::string_view text) {
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  return std::string(text.substr(b, e - b));
}

bool StartsWithWordsIgnoringCase(std::string_view text, std::string_view first,
                                 std::string_view second, std::size_t& after) {
  std::size_t i = 0;
  for (std::string_view word : {first, second}) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (text.size() - i < word.size()) return false;
    for (char w : word) {
      if (std::toupper(static_cast<unsigned char>(text[i])) != w) return false;
      ++i;
    }
    if (i >= text.size() || !IsBlank(text[i])) return false;
  }
  after = i;
  return true;
}

}  // namespace

std::vector<std::string> ScriptStatements(std::string_view script) {
  std::vector<std::string> statements;
  std::string terminator = ";";
  std::string current;
  std::size_t i = 0;
  auto finish = [&] {
    std::string statement = Trimmed(current);
    current.clear();
    std::size_t after = 0;
    if (StartsWithWordsIgnoringCase(statement, "SET", "TERM", after)) {
      terminator = Trimmed(std::string_view(statement).substr(after));
    } else if (!statement.empty()) {
      statements.push_back(std::move(statement));
    }
  };
  while (i < script.size()) {
    char c = script[i];
    if (c == '\'' || c == '"') {
      std::size_t close = script.find(c, i + 1);
      if (close == std::string_view::npos) close = script.size() - 1;
      current.append(script.substr(i, close - i + 1));
      i = close + 1;
    } else if (script.compare(i, 2, "--") == 0) {
      std::size_t eol = script.find('\n', i);
      i = eol == std::string_view::npos ? script.size() : eol;
    } else if (script.compare(i, 2, "/*") == 0) {
      std::size_t close = script.find("*/", i + 2);
      i = close == std::string_view::npos ? script.size() : close + 2;
      current += ' ';
    } else if (!terminator.empty() && script.compare(i, terminator.size(), terminator) == 0) {
      i += terminator.size();
      finish();
    } else {
      current += c;
      ++i;
    }
  }
  finish();
  return statements;
}

}  // namespace orv
