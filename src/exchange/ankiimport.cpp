#include "exchange/ankiimport.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <vector>

#include "base/utf8.h"
#include "exchange/delimited.h"
#include "files/dos.h"

namespace orv {
namespace {

struct AnkiHeader {
  char separator = '\t';
  bool html = false;
  std::vector<std::string> columns;
  std::string deck;
  std::vector<std::size_t> special;  // the columns of decks, tags, note types and ids
  std::optional<std::size_t> deckColumn;
};

constexpr std::string_view kHeaderKeys[] = {
    "#separator:",  "#html:",        "#columns:",     "#deck:",        "#notetype:",
    "#tags:",       "#deck column:", "#tags column:", "#guid column:", "#notetype column:",
    "#if matches:",
};

std::optional<char> SeparatorNamed(std::string_view value) {
  static const std::map<std::string_view, char> kNames = {{"tab", '\t'},      {"comma", ','},
                                                          {"semicolon", ';'}, {"space", ' '},
                                                          {"pipe", '|'},      {"colon", ':'}};
  if (const auto it = kNames.find(value); it != kNames.end()) return it->second;
  if (value.size() == 1) return value[0];
  return std::nullopt;
}

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \r");
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(" \r") - first + 1));
}

// Reads the header lines; returns the offset of the first note, or sets why.
std::size_t ReadHeader(std::string_view text, AnkiHeader& header, std::size_t& line,
                       std::string& why) {
  std::size_t at = 0;
  std::string columns;
  while (at < text.size() && text[at] == '#') {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    const std::string_view row = text.substr(at, end - at);
    const std::size_t colon = row.find(':');
    const std::string key(row.substr(0, colon == std::string_view::npos ? row.size() : colon + 1));
    const std::string value = colon == std::string_view::npos ? "" : Trimmed(row.substr(colon + 1));
    ++line;
    if (key == "#separator:") {
      const std::optional<char> separator = SeparatorNamed(value);
      if (!separator) {
        why = LineWhere(line) + ": \"" + value + "\" is not a separator Anki writes";
        return at;
      }
      header.separator = *separator;
    } else if (key == "#html:") {
      header.html = value == "true";
    } else if (key == "#columns:") {
      columns = value;
    } else if (key == "#deck:") {
      header.deck = value;
    } else if (key.ends_with(" column:")) {
      const std::size_t column = std::strtoul(value.c_str(), nullptr, 10);
      if (column == 0) {
        why = LineWhere(line) + ": \"" + value + "\" is not a column number";
        return at;
      }
      header.special.push_back(column - 1);
      if (key == "#deck column:") header.deckColumn = column - 1;
    }
    at = end + 1;
  }
  if (!columns.empty()) {
    std::vector<DelimitedRecord> names;
    ReadDelimited(columns, header.separator, line, names);
    if (!names.empty()) header.columns = names.front().fields;
  }
  return at;
}

// Takes the first "[sound:FILE]" out of the field and returns FILE.
std::string TakeSound(std::string& field) {
  std::string file;
  for (std::size_t at = field.find("[sound:"); at != std::string::npos;
       at = field.find("[sound:", at)) {
    const std::size_t end = field.find(']', at);
    if (end == std::string::npos) break;
    if (file.empty()) file = field.substr(at + 7, end - at - 7);
    field.erase(at, end - at + 1);
  }
  return file;
}

// The entity at text[i] ("&amp;", "&#233;", ...) written out; its length in used.
std::string Entity(std::string_view text, std::size_t i, std::size_t& used) {
  static const std::map<std::string_view, std::string_view> kNamed = {
      {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}, {"nbsp", " "}};
  const std::size_t end = text.find(';', i);
  used = 1;
  if (end == std::string_view::npos || end - i > 10) return "&";
  const std::string_view name = text.substr(i + 1, end - i - 1);
  std::string out;
  if (name.starts_with('#') && name.size() > 1) {
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const std::string digits(name.substr(hex ? 2 : 1));
    char* stop = nullptr;
    const unsigned long cp = std::strtoul(digits.c_str(), &stop, hex ? 16 : 10);
    if (digits.empty() || *stop != '\0' || cp == 0 || cp > 0x10FFFF) return "&";
    AppendUtf8(out, static_cast<char32_t>(cp));
  } else if (const auto it = kNamed.find(name); it != kNamed.end()) {
    out = it->second;
  } else {
    return "&";
  }
  used = end - i + 1;
  return out;
}

}  // namespace

bool HasAnkiHeader(std::string_view text) {
  return std::any_of(std::begin(kHeaderKeys), std::end(kHeaderKeys),
                     [&](std::string_view key) { return text.starts_with(key); });
}

std::string WithoutHtml(std::string_view html) {
  std::string out;
  out.reserve(html.size());
  for (std::size_t i = 0; i < html.size();) {
    if (html[i] == '<') {
      const std::size_t end = html.find('>', i);
      if (end == std::string_view::npos) break;
      const std::string_view tag = html.substr(i + 1, end - i - 1);
      if (tag.starts_with("br") || tag.starts_with("BR") || tag.starts_with("div") ||
          tag.starts_with("/div") || tag.starts_with("p") || tag.starts_with("/p")) {
        out += ' ';
      }
      i = end + 1;
    } else if (html[i] == '&') {
      std::size_t used = 0;
      out += Entity(html, i, used);
      i += used;
    } else {
      out += html[i++];
    }
  }
  return out;
}

ImportResult ReadAnki(std::string_view text, std::string_view name, std::string_view folder,
                      const ColumnChoice& choice) {
  ImportResult result;
  AnkiHeader header;
  std::size_t line = 0;
  const std::size_t body = ReadHeader(text, header, line, result.failure);
  if (!result.failure.empty()) return result;
  std::vector<DelimitedRecord> records;
  result.failure =
      ReadDelimited(text.substr(std::min(body, text.size())), header.separator, line + 1, records);
  if (!result.failure.empty()) return result;
  std::size_t width = header.columns.size();
  for (const DelimitedRecord& record : records) width = std::max(width, record.fields.size());
  std::vector<std::size_t> offered;  // the columns that may hold entries
  for (std::size_t c = 0; c < width; ++c) {
    if (std::find(header.special.begin(), header.special.end(), c) != header.special.end()) {
      continue;
    }
    offered.push_back(c);
    result.columns.push_back(c < header.columns.size() && !header.columns[c].empty()
                                 ? header.columns[c]
                                 : "column " + std::to_string(c + 1));
  }
  if (records.empty()) return result;
  ColumnChoice taken = ChosenColumns(choice, offered.size());
  if (taken.empty()) {
    result.failure = "the notes have " + std::to_string(offered.size()) +
                     " fields; a field beyond them was chosen";
    return result;
  }
  for (std::size_t& column : taken) column = offered[column];
  const std::string fallback = ListNameOf(header.deck.empty() ? name : header.deck);
  std::map<std::string, std::size_t> listOfDeck;
  for (DelimitedRecord& record : records) {
    if (IsBlankRecord(record)) continue;
    const std::string where = LineWhere(record.line);
    std::string deck = header.deckColumn && *header.deckColumn < record.fields.size()
                           ? record.fields[*header.deckColumn]
                           : std::string();
    std::optional<TakenFields> fields = TakeFields(result, where, record.fields, taken);
    if (!fields) continue;
    auto [it, added] = listOfDeck.try_emplace(deck, result.lists.size());
    if (added) {
      ImportedList list{"", fallback, {}};
      if (!deck.empty()) {
        std::size_t cut = 0;
        for (std::size_t next; (next = deck.find("::", cut)) != std::string::npos; cut = next + 2) {
          list.group += ListNameOf(deck.substr(cut, next - cut)) + ".orv\\";
        }
        list.name = ListNameOf(deck.substr(cut));
      }
      result.lists.push_back(std::move(list));
    }
    std::string& question = fields->question;
    std::optional<std::string>& answer = fields->answer;
    std::string sound = TakeSound(question);
    if (answer) {
      const std::string answerSound = TakeSound(*answer);
      if (sound.empty()) sound = answerSound;
    }
    if (header.html) {
      question = WithoutHtml(question);
      if (answer) answer = WithoutHtml(*answer);
    }
    if (!sound.empty()) {
      sound = std::string(folder) + sound;
      if (!FileFound(sound)) {
        result.problems.push_back({where, "the sound file " + sound + " is not there", false});
        sound.clear();
      }
    }
    AddEntry(result, result.lists[it->second], where, std::move(question), std::move(answer),
             std::move(sound));
  }
  return result;
}

}  // namespace orv
