#pragma once
// String utilities. Positions are 1-based (0 = not found or none); positions,
// lengths and counts are 16-bit, and a member that measures a text longer than
// 65535 bytes raises ERangeError. A character set is given as a text: a
// character belongs to it when it occurs anywhere in that text. The "cut"
// members take the text in/out: they return a piece and leave the remainder in
// the text.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

using TextPos = std::uint16_t;

// The length of a text as a 16-bit count; ERangeError above 65535.
TextPos TextLength(std::string_view text);

// Searching
// The position of the first character of the set in the text.
TextPos FirstOf(std::string_view text, std::string_view set);
// Whether c belongs to the set.
bool InSet(std::string_view set, char c);
// Whether every character of the text is in the set (true for an empty text).
bool AllOf(std::string_view text, std::string_view set);
// Whether the text is one or more of the digits 0-9 and nothing else.
bool AllDigits(std::string_view text);
// The position of the closer that ends the text's level, nested brackets skipped.
TextPos MatchClose(std::string_view text, char closer);

// Cutting and copying
// The first n characters.
std::string LeftPart(std::string_view text, TextPos n);
// The text without its first n characters.
std::string DropLeft(std::string_view text, TextPos n);
// Returns what stands before position p and leaves what follows it (p itself dropped).
std::string CutAt(std::string& text, TextPos p);
// CutAt the first character of the set; nothing is cut when the set is absent.
std::string CutToken(std::string& text, std::string_view set);
// CutAt the first character of the set; the whole text when the set is absent.
std::string NextToken(std::string& text, std::string_view set);
// The n-th word between separators; with fewer words the last one, or empty when strict.
std::string WordN(std::string_view text, TextPos n, std::string_view separators, bool strict);
// Cuts a leading integer (blanks skipped, an optional sign, digits) off the text.
std::string TakeInteger(std::string& text);

// Filtering, trimming, comparing
// The text with only the characters of the set.
std::string KeepChars(std::string_view text, std::string_view set);
// The text without the characters of the set.
std::string DropChars(std::string_view text, std::string_view set);
// The text without any c.
std::string DeleteChar(std::string_view text, char c);
// The text without leading characters of the set.
std::string TrimLeftSet(std::string_view text, std::string_view set);
// The text without trailing characters of the set.
std::string TrimRightSet(std::string_view text, std::string_view set);
// The text without leading and trailing characters of the set.
std::string TrimSet(std::string_view text, std::string_view set);
// Upper case by locale rules: a-z and the letters of UTF-8 text beyond them.
std::string Upper(std::string_view text);
// Upper case of the letters a-z only (the comparisons that ignore case that way).
std::string UpperAZ(std::string_view text);

}  // namespace orv
