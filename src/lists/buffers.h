#pragma once
// BufferO: the program's one container for text, an ordered list of lines
// with 1-based 16-bit line numbers and at most 65535 lines. Every text file
// of the program is read and written through it. Misuse of a line number
// raises E_Buffer_Error with the unit's "Error in _Buffers.BufferO.<op>:" text,
// and a buffer that raises is left as it was.
// Lines are kept in one array of strings: any line is reached at once, and
// Swop, Move and the sorts move the strings' handles, never their text.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/errors.h"
#include "files/safesave.h"

namespace orv {

class E_Buffer_Error : public E_Orv_Error {
 public:
  using E_Orv_Error::E_Orv_Error;
};

// The error Add raises on a full buffer, for work that would overflow one and
// is refused before it starts.
[[noreturn]] void RaiseBufferFull();

using LineNo = std::uint16_t;

// The line numbers 1 to count in order, for loops over lines or users:
// `for (LineNo i : LineNumbers(buffer.Count()))`. The counter inside is wider
// than a line number, so a loop that reaches line 65535 still ends.
class LineNumbers {
 public:
  class Iterator {
   public:
    explicit Iterator(std::uint32_t at) : at_(at) {}
    LineNo operator*() const { return static_cast<LineNo>(at_); }
    Iterator& operator++() {
      ++at_;
      return *this;
    }
    bool operator==(const Iterator&) const = default;

   private:
    std::uint32_t at_;
  };

  explicit LineNumbers(LineNo count) : end_(std::uint32_t{count} + 1) {}
  Iterator begin() const { return Iterator(1); }
  Iterator end() const { return Iterator(end_); }

 private:
  std::uint32_t end_;
};

class BufferO {
 public:
  static constexpr std::uint32_t kMaxLines = 65535;

  BufferO() = default;

  void Add(std::string_view text);
  void Del(LineNo index);
  void Ovr(std::string_view text, LineNo index);
  std::string Get(LineNo index) const;
  LineNo Count() const { return static_cast<LineNo>(lines_.size()); }
  void Clear();
  void Swop(LineNo a, LineNo b);
  void Move(LineNo a, LineNo b);
  void Sort();
  void SortByNumber();
  LineNo Find(std::string_view text, std::uint32_t n, bool caseSensitive) const;
  bool HasKey(std::string_view key) const;
  std::int32_t KeyValue(std::string_view key) const;

  // Read-only access to line index (1-based) without copying; the caller has
  // checked the index.
  const std::string& Line(LineNo index) const { return lines_[index - 1u]; }

 private:
  std::vector<std::string> lines_;
};

// Appends every line of a text file to the buffer; returns the I/O code (600
// for an empty name). Lines end with CR LF or LF; a Ctrl-Z where a line would
// begin ends the text. A file with more lines than the buffer can take raises
// the buffer's Add error once it is full, keeping the lines added before.
int LoadFromFile(BufferO& buffer, std::string_view name);
// Writes every line, each followed by CR LF, replacing the file; returns the
// I/O code (600 for an empty name). A new file gets the permissions of access.
int SaveToFile(const BufferO& buffer, std::string_view name,
               FileAccess access = FileAccess::Shared);
// As SaveToFile, holding the file's lock (files/filelock.h) while it
// writes, for a file that programs on several computers may write at once;
// a lock that cannot be had gives its code and writes nothing.
int SaveToFileLocked(const BufferO& buffer, std::string_view name,
                     FileAccess access = FileAccess::Shared);

}  // namespace orv
