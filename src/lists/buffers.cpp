#include "lists/buffers.h"

#include <algorithm>
#include <array>
#include <new>
#include <numeric>

#include "base/numbertext.h"
#include "base/strings.h"
#include "files/errortext.h"

namespace orv {
namespace {

constexpr int kNoMemory = 520;
constexpr int kTooManyLines = 522;
constexpr int kNoSuchLine = 523;
constexpr int kLineBelowOne = 524;

[[noreturn]] void Fail(const char* operation, int code) {
  throw E_Buffer_Error(std::string("Error in _Buffers.BufferO.") + operation + ":" +
                       ErrorText(code));
}

bool EqualIgnoringAZ(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto up = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    return up(x) == up(y);
  });
}

}  // namespace

void RaiseBufferFull() {
  Fail("Add", kTooManyLines);
}

void BufferO::Add(std::string_view text) {
  if (lines_.size() >= kMaxLines) RaiseBufferFull();
  try {
    lines_.emplace_back(text);
  } catch (const std::bad_alloc&) {
    Fail("Add", kNoMemory);
  }
}

void BufferO::Del(LineNo index) {
  if (index == 0) Fail("Del", kNoSuchLine);
  if (index > lines_.size()) return;
  lines_.erase(lines_.begin() + (index - 1));
}

void BufferO::Ovr(std::string_view text, LineNo index) {
  if (index == 0) Fail("Ovr", kNoSuchLine);
  if (index <= lines_.size()) {
    try {
      // assign reuses the line's storage when the text fits in it.
      lines_[index - 1u].assign(text);
    } catch (const std::bad_alloc&) {
      Fail("Ovr", kNoMemory);
    }
    return;
  }
  // Beyond the end: pad with empty lines, then add the text as the last line.
  // Everything that can fail happens before the buffer grows.
  try {
    std::string line(text);
    lines_.reserve(index);
    lines_.resize(index - 1u);
    lines_.push_back(std::move(line));
  } catch (const std::bad_alloc&) {
    Fail("Add", kNoMemory);
  }
}

std::string BufferO::Get(LineNo index) const {
  if (index == 0) Fail("Get", kLineBelowOne);
  if (index > lines_.size()) Fail("Get", kNoSuchLine);
  return lines_[index - 1u];
}

void BufferO::Clear() {
  lines_.clear();
}

void BufferO::Swop(LineNo a, LineNo b) {
  if (a > lines_.size() || b > lines_.size()) Fail("Swop", kNoSuchLine);
  if (a == b || a == 0 || b == 0) return;
  lines_[a - 1u].swap(lines_[b - 1u]);
}

void BufferO::Move(LineNo a, LineNo b) {
  // Move shares its message with Swop.
  if (a == 0 || b == 0 || a > lines_.size() || b > lines_.size()) Fail("Swop", kNoSuchLine);
  const auto at = [this](LineNo n) { return lines_.begin() + (n - 1); };
  if (a < b) {
    std::rotate(at(a), at(a) + 1, at(b) + 1);
  } else if (a > b) {
    std::rotate(at(b), at(a), at(a) + 1);
  }
}

void BufferO::Sort() {
  if (lines_.size() < 2) return;
  // Lines are ordered by their first eight bytes, read once into a number;
  // only runs of lines that agree on those are compared as text. Equal lines
  // are alike, so the sort need not be stable.
  struct Keyed {
    std::uint64_t key;
    std::uint32_t line;
  };
  std::vector<Keyed> keys(lines_.size());
  for (std::uint32_t i = 0; i < lines_.size(); ++i) {
    const std::string& text = lines_[i];
    std::uint64_t key = 0;
    for (std::size_t k = 0; k < 8; ++k) {
      key = (key << 8) | (k < text.size() ? static_cast<unsigned char>(text[k]) : 0u);
    }
    keys[i] = {key, i};
  }
  // A radix sort of the keys, a byte at a time from the last; a byte that is
  // the same in every key takes no pass.
  std::vector<Keyed> spare(keys.size());
  for (int shift = 0; shift < 64; shift += 8) {
    std::array<std::uint32_t, 257> start{};
    for (const Keyed& k : keys) ++start[((k.key >> shift) & 0xFF) + 1];
    if (std::find(start.begin(), start.end(), keys.size()) != start.end()) continue;
    for (std::size_t b = 1; b < start.size(); ++b) start[b] += start[b - 1];
    for (const Keyed& k : keys) spare[start[(k.key >> shift) & 0xFF]++] = k;
    keys.swap(spare);
  }
  for (auto run = keys.begin(); run != keys.end();) {
    const auto end =
        std::find_if(run, keys.end(), [&run](const Keyed& k) { return k.key != run->key; });
    if (end - run > 1) {
      std::sort(run, end,
                [this](const Keyed& x, const Keyed& y) { return lines_[x.line] < lines_[y.line]; });
    }
    run = end;
  }
  std::vector<std::string> sorted;
  sorted.reserve(lines_.size());
  for (const Keyed& k : keys) sorted.push_back(std::move(lines_[k.line]));
  lines_ = std::move(sorted);
}

void BufferO::SortByNumber() {
  if (lines_.size() < 2) return;
  // Each line's number is worked out once; the lines are then put in the order
  // of a stable sort of the numbers.
  std::vector<std::int32_t> keys(lines_.size());
  std::transform(lines_.begin(), lines_.end(), keys.begin(),
                 [](const std::string& line) { return NumOf(line); });
  std::vector<std::uint32_t> order(lines_.size());
  std::iota(order.begin(), order.end(), 0u);
  std::stable_sort(order.begin(), order.end(),
                   [&keys](std::uint32_t x, std::uint32_t y) { return keys[x] < keys[y]; });
  std::vector<std::string> sorted;
  sorted.reserve(lines_.size());
  for (std::uint32_t i : order) sorted.push_back(std::move(lines_[i]));
  lines_ = std::move(sorted);
}

LineNo BufferO::Find(std::string_view text, std::uint32_t n, bool caseSensitive) const {
  const std::string_view wanted = text.substr(0, n);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const std::string_view line = std::string_view(lines_[i]).substr(0, n);
    if (caseSensitive ? line == wanted : EqualIgnoringAZ(line, wanted)) {
      return static_cast<LineNo>(i + 1);
    }
  }
  return 0;
}

bool BufferO::HasKey(std::string_view key) const {
  return Find(std::string(key) + "=", static_cast<std::uint32_t>(key.size()) + 1, false) != 0;
}

std::int32_t BufferO::KeyValue(std::string_view key) const {
  const LineNo at = Find(std::string(key) + "=", static_cast<std::uint32_t>(key.size()) + 1, false);
  if (at == 0) return 0;
  const std::string& line = Line(at);
  const std::string digits =
      KeepChars(std::string_view(line).substr(line.find('=') + 1), "0123456789");
  const std::optional<std::int32_t> value = DecimalValue(digits);
  if (!value) throw EConvertError::NotInteger(digits);
  return *value;
}

}  // namespace orv
