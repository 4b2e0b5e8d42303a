#pragma once
// The parameter blocks the client library takes: an attachment's (user,
// password, character set) and the services API's. Each text carries its
// length in one byte (or two), and the whole block's length is cut to a short
// by the library's calls: a text too long for its field is refused here, with
// a message naming it, instead of being cut into a block the engine misreads.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// The longest text a one-byte length field holds, and the longest block.
inline constexpr std::size_t kShortTextBytes = 255;
inline constexpr std::size_t kLongTextBytes = 65535;
inline constexpr std::size_t kBlockBytes = 32767;

// Empty when text fits a field of maxBytes; else a message naming what.
std::string ParameterTextProblem(std::string_view what, std::string_view text,
                                 std::size_t maxBytes);

class ParameterBlock {
 public:
  explicit ParameterBlock(char first) : bytes_{first} {}
  void Byte(char b) { bytes_.push_back(b); }
  // A text with a one-byte length (attaching) or a two-byte one (the
  // services' actions); what names it in the E_DB_Error of a text too long.
  void Text(char tag, std::string_view text, std::string_view what, bool wide = false);
  void Number(char tag, std::uint32_t n);
  const char* Data() const { return bytes_.data(); }
  // Raises E_DB_Error when the block is longer than the calls can pass.
  short Size() const;

 private:
  std::vector<char> bytes_;
};

}  // namespace orv
