#include "exchange/delimited.h"

#include <algorithm>
#include <array>

#include "exchange/imported.h"

namespace orv {
namespace {

constexpr std::size_t kSampledLines = 5;

}  // namespace

char GuessSeparator(std::string_view text) {
  constexpr std::array<char, 3> kCandidates = {'\t', ';', ','};
  std::vector<std::array<std::size_t, 3>> lines(1);
  bool quoted = false;
  for (std::size_t i = 0; i < text.size() && lines.size() <= kSampledLines; ++i) {
    const char c = text[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (c == '\n' && !quoted) {
      if (i + 1 < text.size()) lines.emplace_back();
    } else if (!quoted) {
      for (std::size_t k = 0; k < kCandidates.size(); ++k) lines.back()[k] += c == kCandidates[k];
    }
  }
  if (lines.size() > kSampledLines) lines.pop_back();
  char best = '\0';
  std::size_t bestCount = 0;
  for (std::size_t k = 0; k < kCandidates.size(); ++k) {
    const auto least = std::min_element(lines.begin(), lines.end(),
                                        [k](const auto& a, const auto& b) { return a[k] < b[k]; });
    if ((*least)[k] > bestCount) {
      best = kCandidates[k];
      bestCount = (*least)[k];
    }
  }
  return best;
}

std::string ReadDelimited(std::string_view text, char separator, std::size_t firstLine,
                          std::vector<DelimitedRecord>& records) {
  std::size_t line = firstLine;
  std::size_t i = 0;
  while (i < text.size()) {
    DelimitedRecord record{line, {}};
    bool ended = false;
    while (!ended) {
      std::string field;
      if (i < text.size() && text[i] == '"') {
        const std::size_t opened = line;
        ++i;
        for (;;) {
          if (i >= text.size()) {
            return LineWhere(opened) + ": a quoted field is not closed";
          }
          if (text[i] == '"') {
            if (i + 1 < text.size() && text[i + 1] == '"') {
              field += '"';
              i += 2;
              continue;
            }
            ++i;
            break;
          }
          if (text[i] == '\n') ++line;
          field += text[i++];
        }
      }
      const std::size_t end = text.find_first_of(std::string{separator, '\n'}, i);
      const std::size_t stop = end == std::string_view::npos ? text.size() : end;
      field.append(text.substr(i, stop - i));
      i = stop;
      if (i < text.size() && text[i] == separator) {
        ++i;
      } else {
        if (!field.empty() && field.back() == '\r') field.pop_back();
        ended = true;
        if (i < text.size()) ++i;
        ++line;
      }
      record.fields.push_back(std::move(field));
    }
    records.push_back(std::move(record));
  }
  return {};
}

bool IsBlankRecord(const DelimitedRecord& record) {
  return std::all_of(record.fields.begin(), record.fields.end(), [](const std::string& field) {
    return field.find_first_not_of(" \t\r") == std::string::npos;
  });
}

std::string DelimitedField(std::string_view field, char separator) {
  const bool quote =
      field.find_first_of(std::string{separator, '"', '\n', '\r'}) != std::string_view::npos ||
      field.starts_with(' ') || field.ends_with(' ') || field.starts_with('#');
  if (!quote) return std::string(field);
  std::string out = "\"";
  for (const char c : field) {
    out += c;
    if (c == '"') out += '"';
  }
  return out + "\"";
}

}  // namespace orv
