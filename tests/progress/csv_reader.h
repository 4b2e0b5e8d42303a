#pragma once
// A small RFC 4180 reader for the tests: records ended by CR LF, fields split
// by commas, a quoted field may hold commas, doubled quotes and line breaks.
// Malformed input fails the test instead of being read loosely.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace orv::test {

using Records = std::vector<std::vector<std::string>>;

inline Records ReadCsv(std::string_view text) {
  Records records;
  std::vector<std::string> record;
  std::string field;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '"') {
      for (++i;; ++i) {
        if (i >= text.size()) {
          ADD_FAILURE() << "a quoted field is not closed";
          return records;
        }
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            ++i;
          } else {
            ++i;
            break;
          }
        } else {
          field += text[i];
        }
      }
    }
    while (i < text.size() && text[i] != ',' && text[i] != '\r') {
      if (text[i] == '"' || text[i] == '\n') {
        ADD_FAILURE() << "a quote or line break outside quotes at byte " << i;
        return records;
      }
      field += text[i++];
    }
    if (i >= text.size()) {
      ADD_FAILURE() << "the last record is not ended by CR LF";
      return records;
    }
    record.push_back(std::move(field));
    field.clear();
    if (text[i] == ',') {
      ++i;
      continue;
    }
    if (text.substr(i, 2) != "\r\n") {
      ADD_FAILURE() << "a CR without LF at byte " << i;
      return records;
    }
    i += 2;
    records.push_back(std::move(record));
    record.clear();
  }
  return records;
}

}  // namespace orv::test
