#pragma once
// Reading and writing UTF-8 sequences one code point at a time.
#include <cstddef>
#include <string>
#include <string_view>

namespace orv {

// The length of the valid UTF-8 sequence at text[i] and its code point in cp;
// 0 when the bytes there are not a valid sequence (overlong forms, surrogates
// and values above U+10FFFF are not).
std::size_t DecodeUtf8(std::string_view text, std::size_t i, char32_t& cp);

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t cp);

// The text cut after count characters, never inside a UTF-8 sequence; bytes
// that are not valid UTF-8 count one each.
std::string CutToCharacters(std::string_view text, std::size_t count);

}  // namespace orv
